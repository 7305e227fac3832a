#pragma once
// "Biweekly State Tax" (DialogState): the state tables, SDI/SUI and the special states,
// shown without blocking the main window over the session's state screen.
#include <QDialog>
#include <utility>
#include <vector>

#include "shell/session.h"

class QGroupBox;

namespace corvella::gui {
class BoundLineEdit;
class BoundCheckBox;
class BoundLabel;
}  // namespace corvella::gui

class StateDialog : public QDialog {
    Q_OBJECT
  public:
    StateDialog(corvella::Session& s, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void reject() override;

  private:
    bool alive();
    void refresh();
    void afterChange();  // refresh this window and the main window
    void finish();       // the screen is gone: close without cancelling

    corvella::Session& session_;
    corvella::DialogState* model_;
    bool finished_ = false;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    std::vector<corvella::gui::BoundCheckBox*> checks_;
    std::vector<corvella::gui::BoundLabel*> labels_;
    // Table captions whose text is the window's own; the model greys them out.
    std::vector<std::pair<QWidget*, const corvella::Label*>> greyedCaptions_;
    QGroupBox* singleFrame_ = nullptr;
    QGroupBox* exemptionFrame_ = nullptr;
};
