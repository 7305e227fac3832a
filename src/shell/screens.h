#pragma once
// Creates the per-employee screens when first needed, each by its load sequence from
// the records and the employee's files, and moves the profile screen's values to and
// from the records. The screens themselves live in the workspace's ScreenSet.
#include "shell/workspace.h"

namespace corvella {

class FileSet;

class Screens {
  public:
    Screens(Workspace& ws, FileSet& files) : ws_(ws), files_(files) {}

    FrmTaxInfo& taxInfo();
    DialogState& stateScreen();
    DialogCity& cityScreen();
    DialogNonCity& nonCityScreen();
    FrmSaveUser& saveWindow();
    OvertimeScreen& overtimeScreen();
    LeaveScreen& leaveScreen();

    // The profile screen into the profile, and the captions that follow it.
    void storeTaxInfo();
    // The profile's values into the profile screen (after the employee's files are read).
    void showProfile();
    // The state file (the employee's, or the defaults) into the record and the screen; a
    // corrupted file is reported and changes nothing.
    void LoadStateFile(DialogState& s, bool defaults = false);

  private:
    Workspace& ws_;
    FileSet& files_;
};

}  // namespace corvella
