#pragma once
// Every failure message the commands show, worded in one place: what went wrong, where
// (the caption the operator sees) and what to do.
#include <string>
#include <vector>

#include "common/errors.h"
#include "engine/pay_calc.h"

namespace corvella {

// The text of the message that names a corrupted file.
std::string corruptedFileMessage(const std::string& fileName);

}  // namespace corvella

namespace corvella::messages {

inline constexpr const char* kNonNumerial = "You have entered a NON numerial.";
inline constexpr const char* kSaveAsDefaults =
    "No employee is open. Save these settings as the defaults for new employees?";
inline constexpr const char* kNameEmptySaveAsDefaults =
    "The name box is empty. Save this employee's settings as the defaults for new "
    "employees?";
inline constexpr const char* kDefaultsMade =
    "Saved. These settings are now the defaults for new employees.";

// The caption and line of a box as its window shows it ("City Tax, SINGLE, Minimum
// Range, line 2" for txtCityMinBS(1)); an unknown name is given back as it is.
std::string boxCaption(const std::string& control);
// A box on the state screen that is not a number.
std::string stateBoxNotANumber(const ConversionError& e);
// A box of a settings screen that is not a number, at its save.
std::string correctAndSaveAgain(const Error& e);
// The city screens' numbers that could not be saved.
std::string checkYourNumbers(const Error& e);
// A rate box of "User Info" that is not a number, at ADD.
std::string userInfoRateNotANumber(const std::string& text, const std::string& box);

std::string stateNotSaved(const Error& e);
std::string defaultsNotSaved(const Error& e);
std::string employeeNotSaved(const Error& e);
std::string payRunNotSaved(const Error& e);
// The week-ending box must be a date when it chooses the tax year.
std::string weekEndingNotADate(const std::string& text);
std::string taxYearNotSaved(const Error& e);
// No figures file for the run's year.
std::string taxYearNotInstalled(int year, const std::string& fileName, const std::string& folder);
// A pay run whose save the operator gave up for reading the employee again.
std::string payRunReloaded(const Error& e);
std::string headingNotSaved(const Error& e);
std::string companyNotSaved(const Error& e);
std::string employeeNotOpened(const std::string& name, const Error& e);
std::string interruptedSave(const std::string& folder, const Error& e);
// At start-up and Open: the federal table file is not in the folder, or is damaged.
std::string fedTableNotFound(const std::string& fileName, const std::string& folder);
std::string fedTableUnreadable(const std::string& fileName, const std::string& folder,
                               const ReadError& e);
std::string fedTableMissing(const std::string& fileName, const std::string& folder);
// A run refused because one of its amounts is not a number or is beyond any real pay.
std::string payRunUnsound(const std::string& amount);
// An entry box or a state screen box whose text the run cannot take.
std::string payRunRefused(const PayRunRefusal& r);
// Added to the damaged-file message of a file the next save replaces.
std::string damagedFileWillBeKept(const std::string& fileName);
// A damaged file moved aside before the first write over it.
std::string damagedFileKept(const std::string& fileName, const std::string& keptAs);
// A file a restore replaced that today's backup could not keep.
std::string replacedFileKept(const std::string& fileName, const std::string& keptAs);
// The question when files to be saved were changed by another program since they were read.
std::string changedSinceRead(const std::vector<std::string>& files);
inline constexpr const char* kChangedSinceReadTitle = "Changed by Another Program";
// File > "Restore from Backup…".
std::string noBackups(const std::string& name);
std::string noBackupOfDay(const std::string& name, const std::string& day);
std::string restoreBackupQuestion(const std::string& name, const std::string& day,
                                  const std::vector<std::string>& removed);
std::string backupNotRestored(const std::string& name, const std::string& day, const Error& e);
std::string employeeExists(const std::string& name);
std::string ledgerDamaged(const ReadError& e);
std::string ledgerNotSaved(const std::string& fileName, const Error& e);
// A posting saved with the run that made it, neither written.
std::string postingNotSaved(const std::string& fileName, const Error& e);
std::string weekNotUsed(int week, int rows);
std::string exportNotWritten(const std::string& path, const Error& e);
// A run whose taxes and deductions exceed its gross pay, and its largest item.
std::string netPayBelowZero(const std::string& net, const std::string& gross,
                            const std::string& largest, const std::string& amount);
// The question before a saved pay period is replaced.
std::string replacePayPeriod(const std::string& fileName);
// An employee's member missing at Open: what starts empty and where to enter it.
std::string extrasFileMissing(const std::string& file);
std::string cafeteriaFileMissing(const std::string& file);
// An export aimed at one of the working folder's own data files.
std::string exportOverDataFile(const std::string& path);

// The overtime calculator's TOTAL (title "Attention", warning icon).
inline constexpr const char* kOtAttention =
    "Please enter amounts in\nAnnual Salary and\nApproved Percent Boxes.";
inline constexpr const char* kOtAttentionTitle = "Attention";
// A calculator box that is not a number; `button` is the one to press again.
std::string overtimeNotANumber(const std::string& box, const std::string& text,
                               const std::string& button);
std::string numberTooLarge(const std::string& box, const std::string& button);
std::string overtimeNoSalary(const std::string& text);
std::string overtimeTooLarge();
std::string overtimeNotSaved(const Error& e);
// A data file that cannot be read: its name, line and what to do.
std::string fileDamaged(const ReadError& e, const std::string& consequence);
std::string leaveNotSaved(const std::string& fileName, const Error& e);
std::string leaveNoEmployee();
// A window closed by Esc or its close box with changes not saved (Save, Discard, Cancel).
std::string saveChangesBeforeClosing(const std::string& window);
inline constexpr const char* kSaveChangesTitle = "Save?";
// "Save This Pay Period": a box or caption of the main window that is not a number.
std::string payPeriodNotANumber(const std::string& where, const std::string& text);
std::string payPeriodNotSaved(const std::string& fileName, const Error& e);
std::string payPeriodMissing(const std::string& fileName);

}  // namespace corvella::messages

namespace corvella::messages {

// Printing.
std::string printoutBoxNotANumber(const std::string& text, const std::string& box);
std::string printoutFileDamaged(const ReadError& e);
std::string offsetNotANumber(const std::string& text, const std::string& box);
std::string notPrinted(const Error& e);
// The ledger's spreadsheet written, but no program here opens .xlsx files.
std::string exportWrittenNotOpened(const std::string& path);
// A week beyond the rows of the overtime calculator (the command line's --amount/--date).
std::string calculatorWeekNotUsed(int week, int rows);
// Printing or posting with no pay run of the open employee on the main window.
std::string printNeedsRun(const std::string& name);
std::string postNeedsRun(const std::string& name);
// Get Pay Period of a file saved for another employee.
std::string periodOfAnother(const std::string& fileName, const std::string& savedFor,
                            const std::string& open);

// The payroll run.
std::string weekAlreadyPosted(int week, const std::string& date);
std::string employeeTwiceInRun(const std::string& name);
std::string noSuchEmployee(const std::string& name, const std::string& file);
std::string employeesNotRun(size_t count);
inline constexpr const char* kNothingToPost = "No employee of the run could be posted.";
inline constexpr const char* kRunNotStarted =
    "The payroll run was not started; nothing was posted.";
std::string runNotWritten(const Error& e);
std::string runLeftForNextStart(const Error& e);
std::string runOfAnotherFolder(const std::string& shown, const std::string& open);

// A new year: every employee's ledger kept as a year of its own, then emptied.
inline constexpr const char* kNewYearTitle = "Start a New Year";
inline constexpr const char* kNewYearPrompt = "Keep every employee's ledger as the year:";
inline constexpr const char* kKeepYearTitle = "Keep the Year";
std::string keepYearPrompt(const std::string& name);
// A year that the ledgers cannot be kept as; `where` names the box or argument.
std::string notAKeptYear(const std::string& text, const std::string& where);
// Why one employee stops a new year (each line of newYearRefused).
std::string newYearNoProfile(const std::string& name, const std::string& file);
std::string newYearProfileUnreadable(const std::string& name, const ReadError& e);
std::string newYearLedgerUnreadable(const std::string& name, const ReadError& e);
std::string keptYearExists(const std::string& name, const std::string& file);
std::string newYearRefused(const std::vector<std::string>& reasons);
std::string newYearNotWritten(const Error& e);
std::string newYearLeftForNextStart(const Error& e);
std::string newYearQuestion(size_t kept, int year, size_t without);
std::string noLedgerToKeep(size_t count);
std::string newYearDone(size_t kept, int year, const std::vector<std::string>& without);
// Clear All asks whether to keep the open employee's year first.
std::string keepBeforeClear(const std::string& name, const std::string& ledger);
std::string saveChangesBeforeKeeping();
std::string yearKept(const std::string& ledger, const std::string& kept);
std::string noLedgerKept(const std::string& name, const std::string& ledger);
inline constexpr const char* kKeepNeedsEmployee =
    "No employee is open, so there is no ledger to keep. Open the employee first (File menu).";

}  // namespace corvella::messages
