#include "gui/select_all_on_focus.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

void SelectAllOnFocus::install(QLineEdit* box) {
    box->installEventFilter(new SelectAllOnFocus(box));
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // After the event: a mouse click that gave the focus would place the cursor and
        // undo a selection made now.
        auto* box = static_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return false;
}
