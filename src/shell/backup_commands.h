#pragma once
// File > "Restore from Backup…": the days kept for the current employee, and putting one
// back (after asking) as one change, then opening the employee again from it.
#include <string>
#include <vector>

#include "shell/employee_commands.h"
#include "shell/workspace.h"

namespace corvella {

// How a restore ended: done (back and opened), refused (no such backup, a name that cannot
// be used, or No), not written (the files are as they were), or back but not opened.
enum class RestoreOutcome { Done, Refused, NotWritten, NotOpened };

class BackupCommands {
  public:
    BackupCommands(Workspace& ws, EmployeeCommands& employees) : ws_(ws), employees_(employees) {}

    // The days with a backup of the current employee, newest first ("2026-12-10").
    std::vector<std::string> backupDays() const;
    // Asks first; true when the day's files are back and the employee opened from them.
    // A refusal or failure is told in a message and changes nothing.
    bool restoreBackup(const std::string& day) {
        return restoreBackupOf(ws_.records.CurrentUser, day) == RestoreOutcome::Done;
    }
    // The same for the employee `name` of the working folder, open or not (its files may
    // be too damaged to open, or gone).
    RestoreOutcome restoreBackupOf(const std::string& name, const std::string& day);
    // File > "Restore from Backup…": the day chosen from the kept days (newest first),
    // then restoreBackup. False when there is none, the choice was cancelled, or the
    // restore did not happen.
    bool mnuRestoreBackup_Click();

  private:
    Workspace& ws_;
    EmployeeCommands& employees_;
};

}  // namespace corvella
