#include "shell/messages.h"

namespace corvella::messages {

std::string stateBoxNotANumber(const ConversionError& e) {
    return std::string(kNonNumerial) + "\n" + e.what() + ".";
}

std::string correctAndSaveAgain(const Error& e) {
    return std::string(e.what()) + ". Correct it and save again.";
}

std::string checkYourNumbers(const Error& e) {
    return "Check your numbers\nNo blanks\nOnly numbers\n(" + std::string(e.what()) + ")";
}

std::string userInfoRateNotANumber(const std::string& text, const std::string& box) {
    return "\"" + text + "\" in the User Info box " + box +
           " is not a number. Correct it in User Info and press ADD again.";
}

std::string stateNotSaved(const Error& e) {
    return "The state settings were not saved: " + std::string(e.what()) + ".";
}

std::string defaultsNotSaved(const Error& e) {
    return "The defaults were not saved: " + std::string(e.what()) + ".";
}

std::string employeeNotSaved(const Error& e) {
    return "The employee was not saved: " + std::string(e.what()) + ".";
}

std::string payRunNotSaved(const Error& e) {
    return "The pay run is shown, but the employee's files were not saved: " +
           std::string(e.what()) + ". Correct this, then save the employee again.";
}

std::string headingNotSaved(const Error& e) {
    return "The heading was not saved: " + std::string(e.what()) +
           ". Correct this and press OK again.";
}

std::string employeeNotOpened(const std::string& name, const Error& e) {
    const auto* re = dynamic_cast<const ReadError*>(&e);
    return "The employee \"" + name + "\" was not opened: " +
           (re ? "the file " + re->file + " is damaged at line " + std::to_string(re->line) +
                     (re->problem.empty() ? std::string() : " (" + re->problem + ")")
               : std::string(e.what())) +
           ". Correct or delete that file, then open again.";
}

std::string interruptedSave(const std::string& folder, const Error& e) {
    return "An interrupted save in " + folder + " could not be completed: " + e.what() +
           ". Check the folder, then open the employee again.";
}

std::string fedTableUnreadable(const std::string& fileName, int line) {
    return "The federal table file " + fileName + " cannot be read (line " + std::to_string(line) +
           "). Federal tax stays 0 until the file is replaced.";
}

std::string fedTableMissing(const std::string& fileName, const std::string& folder) {
    return "The federal table " + fileName + " is missing or damaged in " + folder +
           ", so federal tax cannot be computed. Nothing was computed or saved. Put a good "
           "copy of the file there and press ADD again.";
}

std::string payRunUnsound(const std::string& amount) {
    return "The pay run was refused: its " + amount +
           " is too large or not a number, so the pay cannot be right. Nothing was shown or "
           "saved. Check the rates and amounts in User Info and in the boxes, then press ADD "
           "again.";
}

std::string damagedFileWillBeKept(const std::string& fileName) {
    return "\n(Until then it is kept: the next save moves it aside as " + fileName +
           ".damaged-<date>-<time> before writing a new one.)";
}

std::string damagedFileKept(const std::string& fileName, const std::string& keptAs) {
    return "The damaged file " + fileName + " was kept as " + keptAs + " before a new " + fileName +
           " was written. Compare the two and delete the one "
           "you do not need.";
}

std::string noBackups(const std::string& name) {
    if (name.empty()) return "Open an employee first: the backups are kept per employee.";
    return "There is no backup of " + name +
           " yet. One is kept each day, before the first save of that day.";
}

std::string noBackupOfDay(const std::string& name, const std::string& day) {
    if (name.empty()) return "Open an employee first, then choose a backup of that employee.";
    return "There is no backup of " + name + " from " + day + ". Choose one of the days listed.";
}

std::string restoreBackupQuestion(const std::string& name, const std::string& day) {
    return "Put back the files of " + name + " as they were on " + day +
           "? What was saved since then is replaced (today's backup keeps it).";
}

std::string backupNotRestored(const std::string& name, const std::string& day, const Error& e) {
    return "The backup of " + name + " from " + day + " was not restored: " + e.what() +
           ". The files are unchanged.";
}

std::string employeeExists(const std::string& name) {
    return "........" + name + " already exists. Use Open";
}

std::string ledgerDamaged(const ReadError& e) {
    return "The ledger file " + e.file + " is damaged at line " + std::to_string(e.line) +
           ". The ledger shows the rows read before that line; nothing is written unless you "
           "close it with Yes.";
}

std::string ledgerNotSaved(const std::string& fileName, const Error& e) {
    return "The ledger was not saved to " + fileName + ": " + e.what() +
           ". The old file is unchanged; correct this and close the ledger again.";
}

std::string weekNotUsed(int week, int rows) {
    return "Week " + std::to_string(week) + " is not a pay period of this employee, who has " +
           std::to_string(rows) + " (" + (rows == 53 ? "weekly" : "bi-weekly") +
           "). Choose a week from 1 to " + std::to_string(rows) + ".";
}

std::string exportNotWritten(const std::string& path, const Error& e) {
    return "The spreadsheet " + path + " was not written: " + e.what() +
           ". Check that its folder exists and can be written, then export again.";
}

}  // namespace corvella::messages
