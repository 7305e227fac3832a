#pragma once
// Widgets that mirror one control of a core screen model. Each holds a pointer to its
// control; the owning dialog makes sure the model still exists before it calls pull()
// or lets an edit through (see setGuard).
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <functional>

#include "common/controls.h"

class QGroupBox;
class QGridLayout;

namespace corvella::gui {

// Asks the owning dialog whether the model is still there; false stops the edit.
using ModelGuard = std::function<bool()>;

QString qs(const std::string& s);
std::string ss(const QString& s);

// A text box. Typed text goes into the model at once; a numeric box discards every key
// outside "0123456789 -." (Backspace and the editing keys aside) and strips such
// characters from pasted text.
class BoundLineEdit : public QLineEdit {
  public:
    BoundLineEdit(TextBox& box, const QString& name, QWidget* parent = nullptr);
    void setSelectAllOnFocus(bool on) { selectAllOnFocus_ = on; }
    void setGuard(ModelGuard g) { guard_ = std::move(g); }
    void pull();  // model -> widget: text, enabled, visible
    void push();  // widget -> model
    bool numeric() const { return numeric_; }
    const std::string& modelText() const { return box_->text; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

  private:
    void edited(const QString& text);
    TextBox* box_;
    bool numeric_;  // kept here: keys may arrive after the model has gone
    ModelGuard guard_;
    bool selectAllOnFocus_ = false;
};

// A list of fixed items over a text box; the operator cannot type other values.
class BoundComboBox : public QComboBox {
  public:
    BoundComboBox(TextBox& box, const QString& name, const QStringList& items,
                  QWidget* parent = nullptr);
    void setGuard(ModelGuard g) { guard_ = std::move(g); }
    void pull();
    void push();

  private:
    TextBox* box_;
    ModelGuard guard_;
};

// A check box whose state is the model's: a click does not flip it, it only emits
// clicked(); the dialog then changes the model (usually through toggleModel, which runs
// the control's change handler) and pulls.
class BoundCheckBox : public QCheckBox {
  public:
    BoundCheckBox(CheckBox& box, const QString& name, const QString& text,
                  QWidget* parent = nullptr);
    void pull();
    void toggleModel() { box_->set(box_->checked() ? 0 : 1); }
    CheckBox& model() { return *box_; }

  protected:
    void nextCheckState() override {}

  private:
    CheckBox* box_;
};

class BoundLabel : public QLabel {
  public:
    BoundLabel(Label& label, const QString& name, QWidget* parent = nullptr);
    void pull();

  private:
    Label* label_;
};

// The name of element i of a control array: "txtStateMinBS(3)".
QString indexedName(const char* name, int i);

// A column caption over a table: centred, wrapped.
QLabel* columnCaption(const QString& text);
// A table box: fixed width, enough for "9999999.999", figures to the right.
void sizeTableBox(QLineEdit* box);
// The warning line of the tables: "WARNING!" in bold red.
QLabel* warningLabel();

}  // namespace corvella::gui
