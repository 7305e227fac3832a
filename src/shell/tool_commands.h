#pragma once
// The overtime calculator "OverTime Percentage" and the leave screen "Vacation / Holiday
// / Sick": opening them from the main window and their buttons.
#include "shell/file_set.h"
#include "shell/pay_runner.h"
#include "shell/screens.h"
#include "shell/workspace.h"

namespace corvella {

class ToolCommands {
  public:
    ToolCommands(Workspace& ws, Screens& screens, FileSet& files)
        : ws_(ws), screens_(screens), files_(files) {}

    // cmdOT, "OT %": the calculator, with the main window's overtime pay and week ending.
    OvertimeScreen& openOvertime();
    // The calculator as it stands (nothing when closed).
    OvertimeScreen* overtimeWindow() const { return ws_.screens.overtime.get(); }
    // "&TOTAL", and the window being shown: the results computed and the employee saved.
    // Refused or SaveFailed with a message saying why.
    RunOutcome otTotal();
    // "&New Week": the rows move up one pay period; nothing is computed or saved.
    void otNewWeek();
    // "&Undo": the rows and boxes as last saved. False when a file is damaged (a message
    // names it) and the calculator keeps its figures.
    bool otUndo();
    // "&Back": the rows kept and the employee saved, then the calculator closes. Refused
    // when a box is not a number, SaveFailed when the save failed: the calculator stays.
    RunOutcome otBack();
    // The close box and Esc: with changes since the calculator opened or last saved, asks
    // Save (as Back), Discard or Cancel. True when the calculator closed.
    bool otCloseBox();

    // Command1, "&Vacation": the leave screen with the employee's balances.
    LeaveScreen& openLeave();
    LeaveScreen* leaveWindow() const { return ws_.screens.leave.get(); }
    // "Save": the balances written to the employee's .hol file, then the screen closes.
    // Refused or SaveFailed when they cannot be (a message says why): the screen stays.
    RunOutcome leaveSave();
    // "Clear All": zeros and empty dates; nothing is written.
    void leaveClearAll();
    // The close box and Esc: with changes since the screen opened, asks Save (as "Save"),
    // Discard or Cancel. True when the screen closed.
    bool leaveCloseBox();

  private:
    bool weekly() const { return ws_.records.profile.weekly(); }
    // SaveEmployee for the calculator: nothing to save while no employee is named. After
    // a save the calculator's boxes are what the files hold.
    bool saveEmployee();
    // Asks whether to keep the changes of the window captioned `window`.
    Answer askSaveChanges(const std::string& window);

    Workspace& ws_;
    Screens& screens_;
    FileSet& files_;
};

}  // namespace corvella
