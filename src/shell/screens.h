#pragma once
// Creates the per-employee screens as working copies of the records, and moves the
// profile screen's values to and from them. It reads no file: the load steps that read
// the employee's files are FileSet's. The screens themselves live in the workspace's
// ScreenSet.
#include <optional>

#include "shell/workspace.h"

namespace corvella {

class Screens {
  public:
    explicit Screens(Workspace& ws) : ws_(ws) {}

    FrmTaxInfo& taxInfo();
    FrmSaveUser& saveWindow();
    OvertimeScreen& overtimeScreen();

    // A new state screen over the state record, not yet filled.
    DialogState& newStateScreen();
    // The state record as the state file left it into the state screen's boxes (all of
    // them when the file was read, else its check boxes) and the profile screen.
    void showStateFile(DialogState& s, bool fileRead);
    // The end of the state screen's load: each checked state's preset, the boxes into the
    // record, the captions that follow "Use Base".
    void finishStateScreen(DialogState& s);
    // A new city screen over the city record; `fileRead`: the record holds the file.
    DialogCity& newCityScreen(bool fileRead);
    DialogNonCity& newNonCityScreen(bool fileRead);
    // A new leave screen showing the balances read, if any were.
    LeaveScreen& newLeaveScreen(const std::optional<LeaveBalances>& read);

    // The profile screen into the profile, and the captions that follow it.
    void storeTaxInfo();
    // The profile's values into the profile screen (after the employee's files are read).
    void showProfile();

  private:
    Workspace& ws_;
};

}  // namespace corvella
