// The main window's printing commands: the check screen, the pay stub and the picture
// of the window.

#include "gui/check_window.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"

void Form1::mnuChecks_Click() {
    storeInputs();
    // A run, Clear or another employee since it opened: a new screen of the run shown now.
    auto* current = qobject_cast<CheckWindow*>(checkWindow_.data());
    if (!current || !current->isCurrent()) {
        if (checkWindow_) checkWindow_->close();
        checkWindow_ = new CheckWindow(session_, this);
    }
    checkWindow_->show();
    checkWindow_->raise();
    checkWindow_->activateWindow();
}

void Form1::cmdPrint_Click() {
    storeInputs();
    session_.printStub();
    refreshFromModel();  // empty boxes now show "0"
}

// The window as it is shown, scaled to fit the page and kept in proportion.
void Form1::mnuPrintImage_Click() {
    if (auto* ui = dynamic_cast<QtUi*>(&session_.ui)) ui->printImage(grab());
}
