#pragma once
// "User Info" (frmTaxInfo): the employee's tax profile, shown modally over the
// session's profile screen.
#include <vector>

#include "gui/screen_window.h"

class QRadioButton;

namespace corvella::gui {
class BoundLineEdit;
class BoundComboBox;
class BoundCheckBox;
}  // namespace corvella::gui

class TaxInfoDialog : public corvella::gui::ScreenWindow {
    Q_OBJECT
  public:
    TaxInfoDialog(corvella::Session& s, QWidget* parent = nullptr);

  private:
    void refresh() override;
    void pushAll();
    void cmdOk_Click();
    void Command1_Click();

    corvella::FrmTaxInfo* model_;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    std::vector<corvella::gui::BoundComboBox*> lists_;
    std::vector<corvella::gui::BoundCheckBox*> checks_;
    QRadioButton* optWeek_ = nullptr;
    QRadioButton* optBiWeek_ = nullptr;
};
