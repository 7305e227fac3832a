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
           (re ? "the file " + re->file + " is damaged at line " + std::to_string(re->line)
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

namespace corvella::messages {

std::string printoutBoxNotANumber(const std::string& text, const std::string& box) {
    return "Nothing was printed: \"" + text + "\" in the box " + box +
           " is not a number. Correct it and print again.";
}

std::string printoutFileDamaged(const ReadError& e) {
    return "Nothing was printed: the file " + e.file + " is damaged at line " +
           std::to_string(e.line) + ". Correct or replace that file, then print again.";
}

std::string offsetNotANumber(const std::string& text, const std::string& box) {
    return "\"" + text + "\" in the " + box +
           " box is not an offset. Type a whole number from -100 to 100, such as -2 or +3.";
}

std::string notPrinted(const Error& e) {
    return "Nothing was printed: " + std::string(e.what()) + ".";
}

}  // namespace corvella::messages
