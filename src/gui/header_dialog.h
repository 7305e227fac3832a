#pragma once
// "Print Out Heading" (DialogHeader): the company header of Header.sav, over the
// session's heading screen.
#include <QDialog>
#include <array>

#include "employee/company_header.h"
#include "shell/session.h"

namespace corvella::gui {
class BoundLineEdit;
}

class HeaderDialog : public QDialog {
    Q_OBJECT
  public:
    HeaderDialog(corvella::Session& s, QWidget* parent = nullptr);

    // The header as loaded (defaults filled in) and, after OK, as saved.
    const corvella::CompanyHeader& header() const { return session_.header; }
    // Stores the boxes and writes Header.sav; false (with a message shown) when the
    // file could not be written.
    bool SaveHeader();

  protected:
    void done(int r) override;

  private:
    void OKButton_Click();

    corvella::Session& session_;
    std::array<corvella::gui::BoundLineEdit*, 4> txtHeader_{};
};
