#pragma once
// File > "Restore from Backup…": the days kept for the current employee, and putting one
// back (after asking) as one change, then opening the employee again from it.
#include <string>
#include <vector>

#include "shell/employee_commands.h"
#include "shell/workspace.h"

namespace corvella {

class BackupCommands {
  public:
    BackupCommands(Workspace& ws, EmployeeCommands& employees) : ws_(ws), employees_(employees) {}

    // The days with a backup of the current employee, newest first ("2026-12-10").
    std::vector<std::string> backupDays() const;
    // Asks first; true when the day's files are back and the employee opened from them.
    // A refusal or failure is told in a message and changes nothing.
    bool restoreBackup(const std::string& day);

  private:
    Workspace& ws_;
    EmployeeCommands& employees_;
};

}  // namespace corvella
