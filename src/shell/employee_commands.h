#pragma once
// The File menu's commands on the employee: New, Open, Save and Exit, with the save
// window between them.
#include <filesystem>

#include "shell/file_set.h"
#include "shell/pay_runner.h"
#include "shell/screens.h"
#include "shell/workspace.h"

namespace corvella {

class EmployeeCommands {
  public:
    EmployeeCommands(Workspace& ws, Screens& screens, FileSet& files, PayRunner& runner)
        : ws_(ws), screens_(screens), files_(files), runner_(runner) {}

    void mnuNew_Click();
    bool mnuOpen_Click();
    // The employee list's double-click or Enter: File > Open with the employee's file in
    // the working folder as the dialog's choice, its save window first.
    bool openListed(const std::string& name);
    // The open employee read again from its files, without the save window's question:
    // what was not saved is dropped.
    void reopen();
    // Open with the file the dialog chose (the steps after the dialog). False on failure.
    bool openEmployee(const std::filesystem::path& useFile);
    void mnuSave_Click() { showSaveWindow(); }
    // Asks whether to save first. False when the question was cancelled, or the save
    // window it led to was closed with Esc or its close box: the program goes on.
    bool mnuExit_Click();
    // Shows the save window (modal) and carries out the button chosen; returns that
    // button (Close: the close box or Esc).
    SaveWindowButton showSaveWindow();
    // "&Save": false when the save failed (a message says what).
    bool cmdSaveUser_Click();

  private:
    // Reads every file of the employee named in the records; throws. `newFolder`: the
    // employee's folder is not the one the program started in or last opened from.
    void loadAll(bool newFolder);

    Workspace& ws_;
    Screens& screens_;
    FileSet& files_;
    PayRunner& runner_;
};

}  // namespace corvella
