#pragma once
// The main window's own commands: start-up, the pay run (ADD) and Clear.
#include <string>

#include "engine/pay_calc.h"
#include "shell/file_set.h"
#include "shell/screens.h"
#include "shell/workspace.h"
#include "state/dialog_state.h"

namespace corvella {

enum class RunOutcome { Done, Refused, SaveFailed };

// What a pay run does with the employee's files: saves them, leaves them, or holds their
// contents for a command that saves them together with its own change (a posting).
enum class RunSave { Save, None, Hold };

// What the run reads from the main window and the state screen, as they stand.
PayRunInputs payRunInputs(const MainWindow& main, const DialogState& state);
// Empty adjustment, SDI and SUI boxes of the state screen read "0" after a run.
void FillStateBoxes(DialogState& s);

// The main window's "Tax year" caption for the folder's mode and the week-ending box.
void showTaxYear(Workspace& ws);

class PayRunner {
  public:
    PayRunner(Workspace& ws, Screens& screens, FileSet& files)
        : ws_(ws), screens_(screens), files_(files) {}

    void Form_Load();
    // The pay run (ADD). A refused run changes nothing; a message says why.
    RunOutcome Calcu_late(RunSave save = RunSave::Save);
    void Clear_All();
    // Reads Federal15.dtt; false when it cannot, after the failure message when `report`.
    bool LoadFedTable(bool report = true);
    // The figures of the run's tax year into the workspace: 2015's table, or the file of
    // the week-ending date's year when the folder computes by it. False after a message
    // saying what is missing and what to do.
    bool loadRunYear();

    std::string todayText();

  private:
    // The message refusing the run, or nothing.
    std::optional<std::string> refusal();

    Workspace& ws_;
    Screens& screens_;
    FileSet& files_;
};

}  // namespace corvella
