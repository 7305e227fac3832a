#pragma once
// "Company" (Options menu): the employer's facts for year-end forms, over the session's
// company screen.
#include <QDialog>
#include <vector>

#include "shell/session.h"

namespace corvella::gui {
class BoundLineEdit;
class BoundComboBox;
}  // namespace corvella::gui

class CompanyDialog : public QDialog {
    Q_OBJECT
  public:
    CompanyDialog(corvella::Session& s, QWidget* parent = nullptr);

    // Stores the boxes and writes Company.sav; false (with a message shown) when a box is
    // refused or the file could not be written.
    bool SaveCompany();

  protected:
    void done(int r) override;

  private:
    corvella::Session& session_;
    std::vector<corvella::gui::BoundLineEdit*> edits_;
    corvella::gui::BoundComboBox* schedule_ = nullptr;
};
