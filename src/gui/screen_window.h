#pragma once
// A window over one of the session's screens (a working copy). The base keeps the
// lifetime rules every such window shares: it notices when a command has thrown its
// screen away (and then closes, touching nothing), turns the close box and Esc into the
// screen's cancel, and shows the screen again when the window is activated.
#include <QDialog>
#include <cstdint>
#include <functional>

#include "gui/bound_widgets.h"
#include "shell/session.h"

namespace corvella::gui {

class ScreenWindow : public QDialog {
    Q_OBJECT
  public:
    // `current` gives the session's screen as it exists now (nothing when discarded),
    // without loading one; `cancel` throws the working copy away.
    ScreenWindow(Session& s, const void* model, std::function<const void*()> current,
                 std::function<void()> cancel, QWidget* parent);
    ~ScreenWindow() override;
    // This window's screen is still the session's (it closes itself once it is not).
    bool isCurrent() { return alive(); }

  protected:
    // True while this window's screen is still the session's; once it is not, the
    // window closes itself and every later call is false.
    bool alive();
    // The screen was saved and is gone: close without cancelling.
    void finish();
    // For the bound widgets: an edit goes through only while the window is alive.
    ModelGuard guard() {
        return [this] { return alive(); };
    }
    // Model -> widgets.
    virtual void refresh() = 0;
    // Asked before the close box closes the window: false keeps it open.
    virtual bool mayClose() { return true; }

    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void reject() override { close(); }

    Session& session_;

  private:
    // This window's screen is the one the session holds now.
    bool mine() const;

    const void* model_;
    std::function<const void*()> current_;
    std::function<void()> cancel_;
    bool finished_ = false;
    uint64_t seen_;  // the screen generation when the screen was last found in place
    int observer_;   // this window's place among the session's observers
};

}  // namespace corvella::gui
