#include "gui/bound_widgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaObject>
#include <QTimer>

namespace corvella::gui {

namespace {

bool numericChar(QChar c) {
    return c.unicode() < 128 &&
           kNumericKeys.find(static_cast<char>(c.unicode())) != std::string_view::npos;
}

}  // namespace

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

std::string ss(const QString& s) {
    return s.toStdString();
}

QString indexedName(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

QLabel* columnCaption(const QString& text) {
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    l->setWordWrap(true);
    // A wrapped label in a grid does not ask for its height: give it three lines. Its
    // column takes the width of the boxes under it, so the caption wraps rather than
    // widening the table.
    l->setMinimumHeight(l->fontMetrics().lineSpacing() * 3);
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    l->setMinimumWidth(1);
    return l;
}

void sizeTableBox(QLineEdit* box) {
    const int w = box->fontMetrics().horizontalAdvance(QStringLiteral("9999999.999")) + 12;
    box->setFixedWidth(w);
    box->setAlignment(Qt::AlignRight);
}

QLabel* warningLabel() {
    auto* l = new QLabel(QStringLiteral("WARNING!"));
    l->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    return l;
}

// ---------------------------------------------------------------- BoundLineEdit

BoundLineEdit::BoundLineEdit(TextBox& box, const QString& name, QWidget* parent)
    : QLineEdit(parent), box_(&box), numeric_(box.numericOnly) {
    setObjectName(name);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) { edited(t); });
}

void BoundLineEdit::pull() {
    const QString t = qs(box_->text);
    if (text() != t) setText(t);
    setEnabled(box_->enabled);
    setVisible(box_->visible);
}

void BoundLineEdit::push() {
    box_->text = ss(text());
}

void BoundLineEdit::edited(const QString& typed) {
    if (numeric_) {
        // Pasted or dropped text: keep only what the keys could have typed.
        QString clean;
        for (QChar c : typed)
            if (numericChar(c)) clean += c;
        if (clean != typed) {
            const int cursor = std::max(0, cursorPosition() - int(typed.size() - clean.size()));
            setText(clean);
            setCursorPosition(std::min(cursor, int(clean.size())));
        }
    }
    if (guard_ && !guard_()) return;
    push();
}

void BoundLineEdit::keyPressEvent(QKeyEvent* e) {
    const bool shortcut =
        e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (numeric_ && !shortcut) {
        const QString t = e->text();
        // Control characters (Backspace, Enter …) and keys without text pass; pasted
        // text is cleaned in edited().
        if (!t.isEmpty() && t[0].isPrint() && !numericChar(t[0])) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void BoundLineEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // Deferred, so that the mouse release of a click into the box does not undo it.
    if (selectAllOnFocus_) QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

// ---------------------------------------------------------------- BoundComboBox

BoundComboBox::BoundComboBox(TextBox& box, const QString& name, const QStringList& items,
                             QWidget* parent)
    : QComboBox(parent), box_(&box) {
    setObjectName(name);
    setEditable(false);
    addItems(items);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (guard_ && !guard_()) return;
        push();
    });
}

void BoundComboBox::pull() {
    setCurrentIndex(findText(qs(box_->text)));  // a value outside the list shows blank
    setEnabled(box_->enabled);
    setVisible(box_->visible);
}

void BoundComboBox::push() {
    if (currentIndex() >= 0) box_->text = ss(currentText());
}

// ---------------------------------------------------------------- BoundCheckBox

BoundCheckBox::BoundCheckBox(CheckBox& box, const QString& name, const QString& text,
                             QWidget* parent)
    : QCheckBox(text, parent), box_(&box) {
    setObjectName(name);
}

void BoundCheckBox::pull() {
    setChecked(box_->checked());
    setEnabled(box_->enabled);
    setVisible(box_->visible);
}

// ---------------------------------------------------------------- BoundLabel

BoundLabel::BoundLabel(Label& label, const QString& name, QWidget* parent)
    : QLabel(parent), label_(&label) {
    setObjectName(name);
}

void BoundLabel::pull() {
    setText(qs(label_->caption));
    setEnabled(label_->enabled);
    setVisible(label_->visible);
}

}  // namespace corvella::gui
