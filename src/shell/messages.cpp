#include "shell/messages.h"

#include <algorithm>
#include <utility>

#include "engine/main_window.h"
#include "federal/federal.h"
#include "store/new_year.h"

namespace corvella {

std::string corruptedFileMessage(const std::string& fileName) {
    return "You have corupted a file.\nFind file,\n" + fileName + "\nand delete it.";
}

}  // namespace corvella

namespace corvella::messages {

namespace {

// "is damaged at line 3 (the tips rate 1e+30 is outside 0 to 1)", or why the file was
// refused whole.
std::string damage(const ReadError& e) {
    if (e.line > 0) return "is damaged at line " + std::to_string(e.line) + " (" + e.problem + ")";
    return "cannot be read (" + e.problem + ")";
}

// "txtCityMinBS(3)" -> ("txtCityMinBS", 3); a plain name gives -1.
std::pair<std::string, int> split(const std::string& control) {
    const auto open = control.find('(');
    if (open == std::string::npos || control.back() != ')') return {control, -1};
    int index = 0;
    for (size_t i = open + 1; i + 1 < control.size(); ++i) {
        if (control[i] < '0' || control[i] > '9') return {control, -1};
        index = index * 10 + (control[i] - '0');
    }
    return {control.substr(0, open), index};
}

struct Place {
    const char* control;
    const char* caption;
    enum Row { None, FromOne, Count } row = None;  // how the screen numbers its lines
};

// What the operator sees for each box that a save or a run reads as a number.
constexpr Place kPlaces[] = {
    {"txtStateMinBS", "State Tax, Table for SINGLE Persons, Minimum Range", Place::FromOne},
    {"txtStateAmtBS", "State Tax, Table for SINGLE Persons, Amount to Withhold", Place::FromOne},
    {"txtStatePerBS", "State Tax, Table for SINGLE Persons, Multiply by Percentage in Decimal",
     Place::FromOne},
    {"txtStateMinBM", "State Tax, Table for MARRIED Persons, Minimum Range", Place::FromOne},
    {"txtStateAmtBM", "State Tax, Table for MARRIED Persons, Amount to Withhold", Place::FromOne},
    {"txtStatePerBM", "State Tax, Table for MARRIED Persons, Multiply by Percentage in Decimal",
     Place::FromOne},
    {"txtStateSgExp", "State Tax, Withholding Allowance, Single", Place::Count},
    {"txtStateMarExp", "State Tax, Withholding Allowance, Married", Place::Count},
    {"txtSDIpercent", "State Tax, State Disability Insurance, % Rate"},
    {"txtSDIwageBase", "State Tax, State Disability Insurance, Wage Base"},
    {"txtSUIpercent", "State Tax, State UnEmployment Insurance, % Rate"},
    {"txtSUIwageBase", "State Tax, State UnEmployment Insurance, Wage Base"},
    {"txtStateAdj", "State Tax, Adustment (the figure to add to State Tax)"},
    {"txtCalAllow", "State Tax, California Exempt Allowance"},
    {"txtCityMinBS", "City Tax, SINGLE, Minimum Range", Place::FromOne},
    {"txtCityAmtBS", "City Tax, SINGLE, Amount to Withhold", Place::FromOne},
    {"txtCityPerBS", "City Tax, SINGLE, Multiply by Percentage in Decimal", Place::FromOne},
    {"txtCityMinBM", "City Tax, MARRIED, Minimum Range", Place::FromOne},
    {"txtCityAmtBM", "City Tax, MARRIED, Amount to Withhold", Place::FromOne},
    {"txtCityPerBM", "City Tax, MARRIED, Multiply by Percentage in Decimal", Place::FromOne},
    {"txtCitySgExp", "City Tax, Withholding Allowance, SINGLE", Place::Count},
    {"txtCityMarExp", "City Tax, Withholding Allowance, MARRIED", Place::Count},
    {"txtNonMinBi", "NON Resident Table, BIWEEKLY, Minimum Range", Place::FromOne},
    {"txtNonExpBi", "NON Resident Table, BIWEEKLY, Subtract", Place::FromOne},
    {"txtNonMinWk", "NON Resident Table, WEEKLY, Minimum Range", Place::FromOne},
    {"txtNonExpWk", "NON Resident Table, WEEKLY, Subtract", Place::FromOne},
    {"txtNonPer", "NON Resident Table, Multiply by Percentage in Decimal"},
    {"txtHourRate", "User Info, Hourly Rate 1"},
    {"txtHourRate2", "User Info, Hourly Rate 2"},
    {"txtTipsRate", "User Info, Tips Rate"},
    {"txtFedAddL", "User Info, Additional Federal Withholdings"},
    {"txtCafe", "User Info, Cafeteria Plan"},
    {"txtKplan", "User Info, K Plan"},
    {"txtPension", "User Info, the percent beside the fourth deduction (Pension)"},
    {"txtMuni", "User Info, the amount beside the first deduction (Muni)"},
    {"txtBond", "User Info, the amount beside the second deduction (Bond)"},
    {"txtDues", "User Info, the amount beside the third deduction (Dues)"},
    {"txtMisc", "User Info, the amount beside the fifth deduction (Misc)"},
    {"cboDepend", "User Info, FEDERAL STATUS, Exemptions"},
    {"cboStatus", "User Info, FEDERAL STATUS, Status"},
    {"cboDepend2", "User Info, STATE & CITY STATUS, Exemptions"},
    {"cboStatus2", "User Info, STATE & CITY STATUS, Status"},
    {"txtW4Step3", "User Info, Form W-4, Step 3 (credits a year)"},
    {"txtW4Step4a", "User Info, Form W-4, Step 4(a) (other income a year)"},
    {"txtW4Step4b", "User Info, Form W-4, Step 4(b) (deductions a year)"},
    {"txtW2First", "User Info, Form W-2, First name"},
    {"txtW2Middle", "User Info, Form W-2, Middle initial"},
    {"txtW2Last", "User Info, Form W-2, Last name"},
    {"txtW2Suffix", "User Info, Form W-2, Suffix"},
    {"txtW2State", "User Info, Form W-2, State"},
    {"txtW2Locality", "User Info, Form W-2, Locality"},
    {"txtLegalName", "Company, Legal name"},
    {"txtTradeName", "Company, Trade name"},
    {"txtCoAddress", "Company, Address"},
    {"txtCoCityStateZip", "Company, City, state and zip"},
    {"txtEin", "Company, EIN"},
    {"txtStateId", "Company, State employer account number"},
};

std::string notANumber(const Error& e) {
    const auto* c = dynamic_cast<const ConversionError*>(&e);
    if (!c) return e.what();
    return "\"" + c->text + "\" in " + boxCaption(c->control) + " " + c->problem;
}

}  // namespace

std::string boxCaption(const std::string& control) {
    const auto [name, index] = split(control);
    for (const Place& p : kPlaces) {
        if (name != p.control) continue;
        if (index < 0 || p.row == Place::None) return p.caption;
        if (p.row == Place::Count)
            return std::string(p.caption) + ", # of Exemp " + std::to_string(index);
        return std::string(p.caption) + ", line " + std::to_string(index + 1);
    }
    return control;
}

std::string stateBoxNotANumber(const ConversionError& e) {
    return std::string(kNonNumerial) + "\n" + notANumber(e) + ".";
}

std::string correctAndSaveAgain(const Error& e) {
    return notANumber(e) + ". Correct it and save again.";
}

std::string checkYourNumbers(const Error& e) {
    return "Check your numbers\nNo blanks\nOnly numbers\n(" + notANumber(e) + ")";
}

std::string userInfoRateNotANumber(const std::string& text, const std::string& box) {
    return "\"" + text + "\" in " + boxCaption(box) +
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

std::string weekEndingNotADate(const std::string& text) {
    return "The week-ending date \"" + text +
           "\" is not a date, and this folder takes the tax year from it. Type it as "
           "MM/DD/YYYY (for example 01/09/2026) or pick it from the calendar, then press ADD "
           "again.";
}

std::string taxYearNotSaved(const Error& e) {
    return "The tax year setting was not saved: " + std::string(e.what()) +
           ". The runs keep the year they used before.";
}

std::string taxYearNotInstalled(int year, const std::string& fileName, const std::string& folder) {
    return "The figures of tax year " + std::to_string(year) + " are not installed: " + fileName +
           " was not found in " + folder +
           ". Nothing was computed or saved. Put that year's file there, or correct the "
           "week-ending date.";
}

std::string payRunReloaded(const Error& e) {
    return "The pay run was not saved: " + std::string(e.what()) +
           ". Run the pay period again over the employee as it is now.";
}

std::string companyNotSaved(const Error& e) {
    return "The company facts were not saved: " + std::string(e.what()) +
           ". Correct this and press Save again.";
}

std::string headingNotSaved(const Error& e) {
    return "The heading was not saved: " + std::string(e.what()) +
           ". Correct this and press OK again.";
}

std::string employeeNotOpened(const std::string& name, const Error& e) {
    const auto* re = dynamic_cast<const ReadError*>(&e);
    return "The employee \"" + name + "\" was not opened: " +
           (re ? "the file " + re->file + " " + damage(*re) : std::string(e.what())) +
           ". Correct or delete that file, then open again.";
}

std::string interruptedSave(const std::string& folder, const Error& e) {
    return "An interrupted save in " + folder + " could not be completed: " + e.what() +
           ". Check the folder, then open the employee again.";
}

std::string fedTableNotFound(const std::string& fileName, const std::string& folder) {
    return fedFileFailureMessage() + "\r\n\r\n" + fileName + " was not found in " + folder +
           ". Pay runs are refused until it is there.";
}

std::string fedTableUnreadable(const std::string& fileName, const std::string& folder,
                               const ReadError& e) {
    return "The federal table " + fileName + " in " + folder + " cannot be read (" +
           (e.line > 0 ? "line " + std::to_string(e.line) : e.problem) +
           "). Pay runs are refused until a good copy is put there.";
}

std::string fedTableMissing(const std::string& fileName, const std::string& folder) {
    return "The federal table " + fileName + " is missing or damaged in " + folder +
           ", so federal tax cannot be computed. Nothing was computed or saved. Put a good "
           "copy of the file there and press ADD again.";
}

std::string payRunRefused(const PayRunRefusal& r) {
    const bool notANumber = r.kind == PayRunRefusal::Kind::NotANumber;
    if (r.amountBox < 0)
        return "\"" + r.text + "\" in the state tax box " + r.stateBox + " is " +
               (notANumber ? "not a number" : "too large") +
               ". Correct it on the state tax screen and press ADD again.";
    const std::string box = "\"" + r.text + "\" in the box " + amountBoxCaption(r.amountBox) +
                            " (txtAmount(" + std::to_string(r.amountBox) + ")) is ";
    return box + (notANumber ? "not a number. Correct it and press ADD again."
                             : "too large. Enter at most 1,000,000 and press ADD again.");
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

std::string replacedFileKept(const std::string& fileName, const std::string& keptAs) {
    return fileName + " as it was before the restore was kept as " + keptAs +
           " (today's backup already holds the file as the day began).";
}

std::string changedSinceRead(const std::vector<std::string>& files) {
    std::string list;
    for (size_t i = 0; i < files.size(); ++i)
        list += (i == 0 ? "" : i + 1 == files.size() ? " and " : ", ") + files[i];
    return list + (files.size() == 1 ? " was" : " were") +
           " changed by another program since Corvella read " +
           (files.size() == 1 ? "it" : "them") +
           ".\n\nReload: read the employee's files again; the changes made here and not saved "
           "are dropped.\nOverwrite: save the changes made here over the other program's.\n"
           "Cancel: save nothing now.";
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

std::string restoreBackupQuestion(const std::string& name, const std::string& day,
                                  const std::vector<std::string>& removed) {
    std::string q = "Put back the files of " + name + " as they were on " + day +
                    "? What was saved since then is replaced (today's backup keeps it).";
    if (!removed.empty()) {
        q += "\nThat day did not have ";
        for (size_t i = 0; i < removed.size(); ++i)
            q += (i == 0 ? "" : i + 1 == removed.size() ? " and " : ", ") + removed[i];
        q += ": removed (today's backup keeps " + std::string(removed.size() == 1 ? "it" : "them") +
             ").";
    }
    return q;
}

std::string backupNotRestored(const std::string& name, const std::string& day, const Error& e) {
    return "The backup of " + name + " from " + day + " was not restored: " + e.what() +
           ". The files are unchanged.";
}

std::string employeeExists(const std::string& name) {
    return "........" + name + " already exists. Use Open";
}

std::string ledgerDamaged(const ReadError& e) {
    return "The ledger file " + e.file + " " + damage(e) +
           (e.line > 0 ? ". The ledger shows the rows read before that line" : "") +
           "; nothing is written unless you close it with Yes.";
}

std::string ledgerNotSaved(const std::string& fileName, const Error& e) {
    return "The ledger was not saved to " + fileName + ": " + e.what() +
           ". The old file is unchanged; correct this and close the ledger again.";
}

std::string postingNotSaved(const std::string& fileName, const Error& e) {
    return "Neither the pay run nor the ledger was saved (" + fileName + "): " + e.what() +
           ". The old files are unchanged; correct this and post again.";
}

std::string weekNotUsed(int week, int rows) {
    return "Week " + std::to_string(week) + " is not a pay period of this employee, who has " +
           std::to_string(rows) + " (" + (rows == 53 ? "weekly" : "bi-weekly") +
           "). Choose a week from 1 to " + std::to_string(rows) + ".";
}

std::string netPayBelowZero(const std::string& net, const std::string& gross,
                            const std::string& largest, const std::string& amount) {
    std::string out = "The net pay is below zero (" + net + "): the taxes and deductions are " +
                      "more than the gross pay of " + gross + ".";
    if (!largest.empty()) out += " The largest is " + largest + " (" + amount + ").";
    return out +
           " Check the deductions in User Info and the state and city tax tables; a check "
           "for this run reads zero.";
}

std::string replacePayPeriod(const std::string& fileName) {
    return "A pay period is saved already as " + fileName + ". Replace it with this one?";
}

std::string extrasFileMissing(const std::string& file) {
    return file +
           " is missing: this employee's name, address and Social Security number, the check "
           "offsets and some state options start empty. Enter them in User Info and State "
           "Tax, then save.";
}

std::string cafeteriaFileMissing(const std::string& file) {
    return file +
           " is missing: this employee's Cafeteria Plan starts at 0, with \"Deduct State\" and "
           "\"Self Employed\" unchecked. Check them in User Info, then save.";
}

std::string exportOverDataFile(const std::string& path) {
    return "The spreadsheet " + path +
           " was not written: that file holds the payroll's own data. Choose another file "
           "name, ending in .xlsx.";
}

std::string exportNotWritten(const std::string& path, const Error& e) {
    return "The spreadsheet " + path + " was not written: " + e.what() +
           ". Check that its folder exists and can be written, then export again.";
}

std::string overtimeNotANumber(const std::string& box, const std::string& text,
                               const std::string& button) {
    return "\"" + text + "\" in " + box + " is not a number. Correct it and press " + button +
           " again.";
}

std::string numberTooLarge(const std::string& box, const std::string& button) {
    return "The number in " + box + " is too large to keep. Correct it and press " + button +
           " again.";
}

std::string overtimeNoSalary(const std::string& text) {
    return "The Annual Salary is " + text +
           ", so no percentage of it can be worked out. Enter the annual salary and press "
           "TOTAL again.";
}

std::string overtimeTooLarge() {
    return "The figures are too large to work out. Check the Annual Salary, the approved "
           "percentage and the O.T. Only amounts, then press TOTAL again.";
}

std::string overtimeNotSaved(const Error& e) {
    return "The overtime figures are shown, but the employee's files were not saved: " +
           std::string(e.what()) + ". Correct this, then press TOTAL again.";
}

std::string fileDamaged(const ReadError& e, const std::string& consequence) {
    return "The file " + e.file + " " + damage(e) + ". " + consequence +
           " Correct or delete that file.";
}

std::string leaveNotSaved(const std::string& fileName, const Error& e) {
    return "The balances were not saved to " + fileName + ": " + e.what() +
           ". Correct this and press Save again.";
}

std::string leaveNoEmployee() {
    return "No employee is open, so the balances have no file to go to. Open or create the "
           "employee first (File menu), then enter the balances again.";
}

std::string saveChangesBeforeClosing(const std::string& window) {
    return "Save the changes made in " + window + " before it closes?";
}

std::string payPeriodNotANumber(const std::string& where, const std::string& text) {
    return "\"" + text + "\" in " + where +
           " is not a number, so the pay period was not saved. Correct it and save the pay "
           "period again.";
}

std::string payPeriodNotSaved(const std::string& fileName, const Error& e) {
    return "The pay period was not saved to " + fileName + ": " + e.what() +
           ". Correct this and save the pay period again.";
}

std::string payPeriodMissing(const std::string& fileName) {
    return "The saved pay period " + fileName + " was not found. Choose another file.";
}

}  // namespace corvella::messages

namespace corvella::messages {

std::string printoutBoxNotANumber(const std::string& text, const std::string& box) {
    return "Nothing was printed: \"" + text + "\" in the box " + box +
           " is not a number. Correct it and print again.";
}

std::string printoutFileDamaged(const ReadError& e) {
    return "Nothing was printed: the file " + e.file + " " + damage(e) +
           ". Correct or replace that file, then print again.";
}

std::string offsetNotANumber(const std::string& text, const std::string& box) {
    return "\"" + text + "\" in the " + box +
           " box is not an offset. Type a whole number from -100 to 100, such as -2 or +3.";
}

std::string notPrinted(const Error& e) {
    return "Nothing was printed: " + std::string(e.what()) + ".";
}

namespace {
std::string employeeWords(const std::string& name) {
    return name.empty() ? std::string("this employee") : name;
}
}  // namespace

std::string exportWrittenNotOpened(const std::string& path) {
    return "The ledger was written to " + path +
           ". No program for .xlsx files is set up here to open it; open it from that folder.";
}

std::string calculatorWeekNotUsed(int week, int rows) {
    return "Week " + std::to_string(week) + " is not a row of this employee's calculator, which " +
           "has " + std::to_string(rows) + " (" + (rows == 53 ? "weekly" : "bi-weekly") + ").";
}

std::string printNeedsRun(const std::string& name) {
    return "Nothing was printed: there is no pay run of " + employeeWords(name) +
           " on the main window. Press ADD first, then print again.";
}

std::string postNeedsRun(const std::string& name) {
    return "Nothing was posted: there is no pay run of " + employeeWords(name) +
           " on the main window. Press ADD (or get one of this employee's saved pay periods) "
           "first, then click the week again.";
}

std::string periodOfAnother(const std::string& fileName, const std::string& savedFor,
                            const std::string& open) {
    return "The pay period " + fileName + " was saved for " + savedFor + ", not for " +
           employeeWords(open) +
           ". Show its figures anyway? They cannot be posted to this employee's ledger.";
}

std::string weekAlreadyPosted(int week, const std::string& date) {
    return "Week " + std::to_string(week) + " already holds a posting" +
           (date.empty() ? std::string() : " dated " + date) +
           ". Choose another week, or choose to replace it.";
}

std::string employeeTwiceInRun(const std::string& name) {
    return employeeWords(name) + " is in the run more than once; an employee is paid once a run.";
}

std::string noSuchEmployee(const std::string& name, const std::string& file) {
    return "There is no employee \"" + name + "\" in this folder (" + file + " was not found).";
}

std::string employeesNotRun(size_t count) {
    return std::to_string(count) + (count == 1 ? " employee" : " employees") +
           " cannot be run, so nothing was posted. Mend them, or leave them out and post "
           "the others.";
}

std::string runLeftForNextStart(const Error& e) {
    return "The payroll run was written only in part: " + std::string(e.what()) +
           ". Corvella finishes it the next time it starts or opens an employee; do not pay "
           "this run again by hand.";
}

std::string runOfAnotherFolder(const std::string& shown, const std::string& open) {
    return "The payroll run shows the employees of " + shown + ", but the folder open now is " +
           open + ". Nothing was posted: close the Payroll Run window and open it again.";
}

std::string runNotWritten(const Error& e) {
    return "The payroll run was not saved: " + std::string(e.what()) +
           ". No employee's files were changed.";
}

namespace {

std::string employees(size_t n) {
    return std::to_string(n) + (n == 1 ? " employee" : " employees");
}

// "A, B and C", at most `shown` of them and then how many more.
std::string listed(const std::vector<std::string>& names, size_t shown = 10) {
    std::string out;
    const size_t n = std::min(names.size(), shown);
    for (size_t i = 0; i < n; ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    if (names.size() > n) out += " and " + std::to_string(names.size() - n) + " more";
    return out;
}

}  // namespace

std::string keepYearPrompt(const std::string& name) {
    return "Keep the ledger of " + name + " as the year:";
}

std::string notAKeptYear(const std::string& text, const std::string& where) {
    return "\"" + text + "\" in " + where + " is not a year from " +
           std::to_string(kFirstKeptYear) + " to " + std::to_string(kLastKeptYear) +
           ". Nothing was changed; give the year in four digits, such as 2026.";
}

std::string newYearNoProfile(const std::string& name, const std::string& file) {
    return name + ": " + file +
           " was not found, so whether its ledger is weekly or bi-weekly is not known; save "
           "the employee first.";
}

std::string newYearProfileUnreadable(const std::string& name, const ReadError& e) {
    return name + ": its profile " + e.file + " " + damage(e) +
           ", so whether its ledger is weekly or bi-weekly is not known; correct that file or "
           "restore it from a backup.";
}

std::string newYearLedgerUnreadable(const std::string& name, const ReadError& e) {
    return name + ": its ledger " + e.file + " " + damage(e) +
           "; correct or delete that file, or restore it from a backup.";
}

std::string keptYearExists(const std::string& name, const std::string& file) {
    return name + ": " + file +
           " exists already, and a kept year is never written over; choose another year, or "
           "move that file out of the folder.";
}

std::string newYearRefused(const std::vector<std::string>& reasons) {
    std::string out = "The new year was not started, and no file was changed:";
    for (const std::string& r : reasons) out += "\n" + r;
    return out;
}

std::string newYearNotWritten(const Error& e) {
    return "The new year was not started: " + std::string(e.what()) +
           ". No employee's files were changed.";
}

std::string newYearLeftForNextStart(const Error& e) {
    return "The new year was written only in part: " + std::string(e.what()) +
           ". Corvella finishes it the next time it starts or opens an employee; do not start "
           "this year again.";
}

std::string newYearQuestion(size_t kept, int year, size_t without) {
    std::string q = std::string(kept == 1 ? "Keep the ledger of " : "Keep the ledgers of ") +
                    employees(kept) + " as the year " + std::to_string(year) + ", and start " +
                    (kept == 1 ? "it" : "each of them") + " empty?";
    if (without)
        q += " " + employees(without) + " without a ledger " + (without == 1 ? "stays" : "stay") +
             " as before.";
    return q;
}

std::string noLedgerToKeep(size_t count) {
    if (count == 0) return "There is no employee in this folder, so there is no ledger to keep.";
    return "No employee of this folder has a ledger yet, so there is nothing to keep; nothing "
           "was changed.";
}

std::string newYearDone(size_t kept, int year, const std::vector<std::string>& without) {
    const std::string y = std::to_string(year);
    std::string out = (kept == 1 ? "The ledger of " : "The ledgers of ") + employees(kept) +
                      (kept == 1 ? " was" : " were") + " kept as the year " + y + " (as NAME.yrw." +
                      y + ", or NAME.yrb." + y + " bi-weekly, beside the employee's files), and " +
                      (kept == 1 ? "it starts" : "each starts") + " the new year empty.";
    if (!without.empty()) out += " Without a ledger, so nothing kept: " + listed(without) + ".";
    return out;
}

std::string keepBeforeClear(const std::string& name, const std::string& ledger) {
    return "Keep the ledger of " + name +
           " as a year of its own before clearing it?\n\nKeep: " + ledger + " is kept as " +
           ledger +
           ".YEAR (you give the year next) and the ledger starts empty.\nClear: the rows shown "
           "are emptied and nothing is kept (the file changes when you close the ledger with "
           "Yes).";
}

std::string saveChangesBeforeKeeping() {
    return "Save the changes made in Year To Date before the year is kept? Discard keeps the "
           "ledger as it was last saved and drops the changes.";
}

std::string yearKept(const std::string& ledger, const std::string& kept) {
    return "The ledger " + ledger + " was kept as " + kept + ", and the ledger now starts empty.";
}

std::string noLedgerKept(const std::string& name, const std::string& ledger) {
    return name + " has no ledger file (" + ledger +
           "), so no year was kept; the ledger shown is empty.";
}

}  // namespace corvella::messages
