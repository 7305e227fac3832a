#pragma once
// The overtime calculator "OverTime Percentage" (Form2): a view of the session's
// calculator. It runs TOTAL once each time it is shown, as the calculator does when it
// first paints, and never on a mere repaint.
#include <array>

#include "gui/screen_window.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace corvella::gui {
class BoundLineEdit;
class BoundLabel;
}  // namespace corvella::gui

class OvertimeWindow : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    OvertimeWindow(corvella::Session& s, QWidget* parent = nullptr);

    // The buttons, for the menu-less keyboard and the tests.
    void cmdADD_Click();
    void cmdAdvance_Click();
    void cmdUndo_Click();
    void cmdClose_Click();
    void cmdPrint_Click();
    // A click in date cell `row`: the date picker on it.
    void dateCellClicked(int row);

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh() override;
    // Esc and the close box: with changes, the session asks whether to save them.
    bool mayClose() override;
    void afterCommand();

    corvella::OvertimeScreen* model_;
    bool weekly_;
    bool totalPending_ = false;
    std::array<corvella::gui::BoundLineEdit*, corvella::kOtRows> dates_{}, amounts_{};
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    std::vector<corvella::gui::BoundLabel*> labels_;
    QWidget* rightPanel_ = nullptr;
};
