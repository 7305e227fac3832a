#include "gui/screen_window.h"

#include <QCloseEvent>
#include <QMetaObject>

namespace corvella::gui {

ScreenWindow::ScreenWindow(Session& s, const void* model, std::function<const void*()> current,
                           std::function<void()> cancel, QWidget* parent)
    : QDialog(parent),
      session_(s),
      model_(model),
      current_(std::move(current)),
      cancel_(std::move(cancel)),
      seen_(s.screenGeneration()) {
    // A command elsewhere may throw this window's screen away: notice it at once.
    observer_ = s.onChange([this] { alive(); });
}

ScreenWindow::~ScreenWindow() {
    session_.removeOnChange(observer_);
}

bool ScreenWindow::mine() const {
    // The same address is not enough: a new screen may have taken the old one's place.
    const uint64_t born = session_.screenBornAt(model_);
    return current_() == model_ && born != 0 && born <= seen_;
}

bool ScreenWindow::alive() {
    if (finished_) return false;
    if (session_.screenGeneration() == seen_) return true;  // nothing was discarded since
    if (mine()) {
        seen_ = session_.screenGeneration();
        return true;
    }
    // A pay run or an employee command closed the screen behind this window.
    finished_ = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return false;
}

void ScreenWindow::finish() {
    finished_ = true;
    setResult(QDialog::Accepted);
    close();
}

void ScreenWindow::closeEvent(QCloseEvent* e) {
    if (!finished_) {  // the close box, Esc and the window's own cancel
        if (mine() && !mayClose()) {
            e->ignore();
            return;
        }
        finished_ = true;
        if (mine()) cancel_();
        setResult(QDialog::Rejected);
    }
    e->accept();
}

void ScreenWindow::changeEvent(QEvent* e) {
    // Back from the main window: a run there may have closed the screen or changed it.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && alive()) refresh();
    QDialog::changeEvent(e);
}

}  // namespace corvella::gui
