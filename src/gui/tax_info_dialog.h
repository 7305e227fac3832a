#pragma once
// "User Info" (frmTaxInfo): the employee's tax profile, shown modally over the
// session's profile screen.
#include <QDialog>
#include <vector>

#include "shell/session.h"

class QRadioButton;

namespace corvella::gui {
class BoundLineEdit;
class BoundComboBox;
class BoundCheckBox;
}  // namespace corvella::gui

class TaxInfoDialog : public QDialog {
    Q_OBJECT
  public:
    TaxInfoDialog(corvella::Session& s, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

  private:
    bool alive();
    void refresh();
    void pushAll();
    void cmdOk_Click();
    void Command1_Click();

    corvella::Session& session_;
    corvella::FrmTaxInfo* model_;
    bool finished_ = false;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    std::vector<corvella::gui::BoundComboBox*> lists_;
    std::vector<corvella::gui::BoundCheckBox*> checks_;
    QRadioButton* optWeek_ = nullptr;
    QRadioButton* optBiWeek_ = nullptr;
};
