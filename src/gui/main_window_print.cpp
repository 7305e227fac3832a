// The main window's printing commands: the check screen, the pay stub and the picture
// of the window.
#include <QPainter>
#include <QPixmap>
#include <QPrinter>

#include "common/errors.h"
#include "gui/check_window.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "shell/messages.h"

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
    auto* ui = dynamic_cast<QtUi*>(&session_.ui);
    if (!ui || !ui->choosePrinter()) return;
    const QPixmap image = grab();
    try {
        ui->paintOnPrinter([&](QPrinter& printer) {
            printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
            QPainter painter;
            if (!painter.begin(&printer))
                throw corvella::Error("the printer or file could not be opened for printing");
            const QRect page = painter.viewport();
            const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(QRect(QPoint(0, 0), size), image);
            painter.end();
        });
    } catch (const corvella::Error& e) {
        session_.ui.message(corvella::messages::notPrinted(e), corvella::Icon::Warning);
    }
}
