#pragma once
// The commands of the window "Company": the employer's facts (Company.sav).
#include "shell/company_screen.h"
#include "shell/workspace.h"

namespace corvella {

class CompanyCommands {
  public:
    explicit CompanyCommands(Workspace& ws) : ws_(ws) {}

    // The window's screen: Company.sav, or the printed heading while the folder has none
    // (a damaged file is reported and the heading shown instead).
    CompanyScreen& companyScreen();
    // "Save": the boxes into Company.sav; false after a message when a box is refused or
    // the file cannot be written, and then nothing is written.
    bool companySave();
    void companyClose() { ws_.screens.discard(ws_.screens.company); }
    // The facts as the folder holds them: Company.sav, else those of the heading. Throws
    // ReadError for a damaged file.
    CompanyFacts companyFacts() const;

  private:
    Workspace& ws_;
};

}  // namespace corvella
