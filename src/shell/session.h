#pragma once
// The application session: the one facade that the desktop program, the command line
// and the tests drive. It owns the workspace (records, file store, screens, main
// window) and the parts that act on it, and forwards each command to its part:
//   Screens           creates each per-employee screen by its load sequence
//   FileSet           reads and writes the employee's file set as one change
//   PayRunner         start-up, the pay run (ADD), Clear
//   EmployeeCommands  New, Open (also from the employee list), Save, Exit and the save
//                     window
//   SettingsCommands  User Info, state, city, non-resident city, company header
//   CompanyCommands   Options > "Company": the employer's facts for year-end forms
//   LedgerCommands    the ledger frame "Year To Date"
//   ToolCommands      the overtime calculator and the leave screen
//   PayPeriodCommands the week-ending date pickers and saved pay periods
//   PrintCommands     the pay stub, the check screen and its offsets, the ledger printout
//   BackupCommands    File > "Restore from Backup…"
//   PayrollRunCommands Forms > "Payroll Run": every employee of a week at once
//   NewYearCommands   Year To Date's "Start a New Year" and Clear All's Keep: ledgers
//                     kept as a closed year and emptied
//   WorksheetCommands Forms > "W-2 and W-3" and "Form 941": the year-end worksheets
#include <filesystem>
#include <functional>
#include <string>

#include "shell/backup_commands.h"
#include "shell/company_commands.h"
#include "shell/employee_commands.h"
#include "shell/file_set.h"
#include "shell/ledger_commands.h"
#include "shell/new_year_commands.h"
#include "shell/pay_period_commands.h"
#include "shell/pay_runner.h"
#include "shell/payroll_run.h"
#include "shell/print_commands.h"
#include "shell/screens.h"
#include "shell/settings_commands.h"
#include "shell/tool_commands.h"
#include "shell/worksheet_commands.h"
#include "shell/workspace.h"
#include "store/backups.h"
#include "store/employee_list.h"

namespace corvella {

class Session {
    Workspace ws_;  // first: the references below point into it

  public:
    Session(Ui& ui, std::filesystem::path workingFolder);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    using RunOutcome = corvella::RunOutcome;

    Ui& ui;
    std::filesystem::path& dir;  // the working folder: employee files and Federal15.dtt
    std::string& CurrentUser;
    bool& programEnded;
    MainWindow& main;
    PayResult& result;  // the last pay run
    TaxProfile& profile;
    StateSettings& state;
    CityTable& city;
    NonCityTable& nonCity;
    Ledger& ledger;
    OvertimeData& ot;
    FedTable& fed;
    CompanyHeader& header;
    // For tests: faults of the folder's one writer, and its flushes so far.
    WriteFaults& writeFaults() { return ws_.store.writeFaults(); }
    int fileSyncs() const { return ws_.store.syncs(); }
    const std::map<std::string, int>& diskReads() const { return ws_.store.diskReads(); }

    // Runs `f` after every command that may have changed what the main window shows,
    // until removeOnChange is given the number this returns.
    int onChange(std::function<void()> f) {
        ws_.observers.emplace(ws_.nextObserver, std::move(f));
        return ws_.nextObserver++;
    }
    void removeOnChange(int id) { ws_.observers.erase(id); }
    // For a view that changed the main window's model directly (a preset on the state
    // screen shows or hides ckLouisPrior).
    void notifyChanged() const { ws_.notifyChanged(); }
    // Moves on whenever a screen is discarded: an open window compares it with the value
    // it last saw before it trusts its working copy.
    uint64_t screenGeneration() const { return ws_.screens.generation(); }
    uint64_t screenBornAt(const void* screen) const { return ws_.screens.bornAt(screen); }
    bool ledgerCloseOK() const { return ws_.screens.LedgerCloseOK; }

    // --- Screens: created (and loaded) on first use, discarded by the commands ---
    FrmTaxInfo& taxInfo() { return screens_.taxInfo(); }
    DialogState& stateScreen() { return files_.stateScreen(); }
    DialogCity& cityScreen() { return files_.cityScreen(); }
    DialogNonCity& nonCityScreen() { return files_.nonCityScreen(); }
    FrmSaveUser& saveWindow() { return screens_.saveWindow(); }
    OvertimeScreen& overtimeScreen() { return screens_.overtimeScreen(); }
    LeaveScreen& leaveScreen() { return files_.leaveScreen(); }
    bool stateScreenLoaded() const { return ws_.screens.state != nullptr; }
    bool taxInfoLoaded() const { return ws_.screens.taxInfo != nullptr; }
    // The screens as they exist right now, without loading them (nothing when discarded).
    const FrmTaxInfo* loadedTaxInfo() const { return ws_.screens.taxInfo.get(); }
    const DialogState* loadedStateScreen() const { return ws_.screens.state.get(); }
    const DialogCity* loadedCityScreen() const { return ws_.screens.city.get(); }
    const DialogNonCity* loadedNonCityScreen() const { return ws_.screens.nonCity.get(); }
    void discardStateScreen() { ws_.screens.discard(ws_.screens.state); }

    // --- Main window ---
    void Form_Load() { runner_.Form_Load(); }
    // A run, New, Open and Exit close Year To Date: rows posted or typed there and not yet
    // saved are asked about first, and Cancel stops the command before anything changes.
    RunOutcome Calcu_late(RunSave save = RunSave::Save) {
        if (!ledgerCommands_.mayClose()) return RunOutcome::Refused;
        return runner_.Calcu_late(save);
    }
    void Clear_All() { runner_.Clear_All(); }
    bool LoadFedTable() { return runner_.LoadFedTable(); }
    // The tax year whose figures the last run used.
    int runTaxYear() const { return ws_.runYear; }
    std::string todayText() { return runner_.todayText(); }

    // --- File menu and the save window ---
    void mnuNew_Click() {
        if (ledgerCommands_.mayClose()) employees_.mnuNew_Click();
    }
    bool mnuOpen_Click() { return ledgerCommands_.mayClose() && employees_.mnuOpen_Click(); }
    bool openEmployee(const std::filesystem::path& useFile) {
        return employees_.openEmployee(useFile);
    }
    // The employee list beside the main window.
    std::vector<EmployeeEntry> employeeList() const { return listEmployees(ws_.store.folder); }
    bool openListed(const std::string& name) {
        return ledgerCommands_.mayClose() && employees_.openListed(name);
    }
    void mnuSave_Click() { employees_.mnuSave_Click(); }
    bool mnuExit_Click() { return ledgerCommands_.mayClose() && employees_.mnuExit_Click(); }
    void showSaveWindow() { employees_.showSaveWindow(); }
    bool cmdSaveUser_Click() { return employees_.cmdSaveUser_Click(); }

    // --- Settings screens ---
    bool taxInfoSave() { return settings_.taxInfoSave(); }
    void taxInfoClose() { settings_.taxInfoClose(); }
    DialogState& mnuState_Click() { return settings_.mnuState_Click(); }
    bool stateSave() { return settings_.stateSave(); }
    void stateCancel() { settings_.stateCancel(); }
    bool stateMakeDefault() { return settings_.stateMakeDefault(); }
    void stateGetDefault() { settings_.stateGetDefault(); }
    bool citySave() { return settings_.citySave(); }
    void cityCancel() { settings_.cityCancel(); }
    bool nonCitySave() { return settings_.nonCitySave(); }
    void nonCityCancel() { settings_.nonCityCancel(); }
    HeaderScreen& headerScreen() { return settings_.headerScreen(); }
    const HeaderScreen* loadedHeaderScreen() const { return ws_.screens.header.get(); }
    bool headerSave() { return settings_.headerSave(); }
    TaxYearMode taxYearMode() { return settings_.taxYearMode(); }
    bool setTaxYearMode(TaxYearMode mode) { return settings_.setTaxYearMode(mode); }
    // The open employee's Form W-4 as last read or saved (nothing: an older form).
    const std::optional<W4Form>& w4() const { return ws_.records.w4; }
    void headerClose() { settings_.headerClose(); }
    // The open employee's Form W-2 facts as last read or saved (nothing: none yet).
    const std::optional<W2Facts>& w2() const { return ws_.records.w2; }

    // --- The company's facts ---
    CompanyScreen& companyScreen() { return company_.companyScreen(); }
    const CompanyScreen* loadedCompanyScreen() const { return ws_.screens.company.get(); }
    bool companySave() { return company_.companySave(); }
    void companyClose() { company_.companyClose(); }
    CompanyFacts companyFacts() const { return company_.companyFacts(); }

    // --- The year-end worksheets: Forms > "W-2 and W-3" and "Form 941" ---
    W2Screen& w2Screen() { return worksheets_.w2Screen(); }
    const W2Screen* loadedW2Screen() const { return ws_.screens.w2.get(); }
    bool w2Show() { return worksheets_.w2Show(); }
    bool w2Print() { return worksheets_.w2Print(); }
    bool w2SaveCsv(const std::filesystem::path& file) { return worksheets_.w2SaveCsv(file); }
    void w2Close() { worksheets_.w2Close(); }
    Form941Screen& form941Screen() { return worksheets_.form941Screen(); }
    const Form941Screen* loadedForm941Screen() const { return ws_.screens.form941.get(); }
    bool form941Show() { return worksheets_.form941Show(); }
    bool form941Print() { return worksheets_.form941Print(); }
    bool form941SaveCsv(const std::filesystem::path& file) {
        return worksheets_.form941SaveCsv(file);
    }
    void form941Close() { worksheets_.form941Close(); }

    // --- The ledger frame "Year To Date" ---
    LedgerWindow& openLedger() { return ledgerCommands_.openLedger(); }
    LedgerWindow* ledgerWindow() const { return ledgerCommands_.window(); }
    bool ledgerPost(int week) { return ledgerCommands_.post(week); }
    bool ledgerWeekUsed(int week) { return ledgerCommands_.weekUsed(week); }
    bool ledgerUnpost(int week) { return ledgerCommands_.unpost(week); }
    void ledgerAdd() { ledgerCommands_.add(); }
    // Asks first whether to keep the year (Keep, Clear or Cancel).
    void ledgerClearAll() { newYear_.clearAll(); }
    // "Start a New Year": asks the year and to go on, then keeps every employee's ledger.
    bool ledgerNewYear() { return newYear_.startNewYearCommand(); }
    bool ledgerClose() { return ledgerCommands_.close(); }
    bool ledgerCloseBox() { return ledgerCommands_.closeBox(); }
    bool ledgerExport(const std::filesystem::path& path) { return ledgerCommands_.exportTo(path); }
    std::optional<std::filesystem::path> ledgerExportForSpreadsheet() {
        return ledgerCommands_.exportForSpreadsheet();
    }

    // --- The overtime calculator and the leave screen ---
    OvertimeScreen& openOvertime() { return tools_.openOvertime(); }
    OvertimeScreen* overtimeWindow() const { return tools_.overtimeWindow(); }
    RunOutcome otTotal() { return tools_.otTotal(); }
    void otNewWeek() { tools_.otNewWeek(); }
    bool otUndo() { return tools_.otUndo(); }
    RunOutcome otBack() { return tools_.otBack(); }
    bool otCloseBox() { return tools_.otCloseBox(); }
    LeaveScreen& openLeave() { return tools_.openLeave(); }
    LeaveScreen* leaveWindow() const { return tools_.leaveWindow(); }
    RunOutcome leaveSave() { return tools_.leaveSave(); }
    void leaveClearAll() { tools_.leaveClearAll(); }
    bool leaveCloseBox() { return tools_.leaveCloseBox(); }

    // --- Pay period dates and saved pay periods ---
    Date openWeekPicker() { return periods_.openWeekPicker(); }
    CalendarRange calendar() { return periods_.calendar(); }
    void pickWeek(Date d) { periods_.pickWeek(d); }
    std::optional<Date> openCellPicker(int row) { return periods_.openCellPicker(row); }
    void pickCell(Date d) { periods_.pickCell(d); }
    PayPeriodCommands::Saved SavePayPeriod() { return periods_.SavePayPeriod(); }
    bool LoadPayPeriod() { return periods_.LoadPayPeriod(); }
    bool loadPayPeriodFile(const std::filesystem::path& file) {
        return periods_.loadPayPeriodFile(file);
    }
    // --- Printing ---
    bool printStub() { return printCommands_.printStub(); }
    CheckScreen& openChecks() { return printCommands_.openChecks(); }
    CheckScreen* checkScreen() const { return printCommands_.checkScreen(); }
    void refreshChecks() { printCommands_.refreshChecks(); }
    void closeChecks() { printCommands_.closeChecks(); }
    PrinterOffsetDialog& openOffsets() { return printCommands_.openOffsets(); }
    PrinterOffsetDialog* offsetDialog() const { return printCommands_.offsetDialog(); }
    bool offsetApply() { return printCommands_.offsetApply(); }
    bool offsetPrintCheck() { return printCommands_.offsetPrintCheck(); }
    RunOutcome printCheck() { return printCommands_.printCheck(); }
    void offsetCancel() { printCommands_.offsetCancel(); }
    bool printLedger() { return printCommands_.printLedger(); }
    // The pages of the open employee's run without the printer (nothing after a message).
    std::optional<TextPage> stubPage() { return printCommands_.stubPage(); }
    std::optional<TextPage> checkPage() { return printCommands_.checkPage(); }

    // --- The payroll run ---
    RunLine previewRun(const RunEntry& entry, const std::string& weekEnding, int row,
                       bool replace = false) {
        return payroll_.preview(entry, weekEnding, row, replace);
    }
    // The open employee, when the run pays it, is opened again from what the run wrote:
    // first, as File > Open does, unsaved rows of its Year To Date and its settings are
    // asked about; Cancel there starts no run.
    RunReport payrollRun(const RunRequest& request,
                         const std::function<void(size_t, size_t)>& progress = {}) {
        for (const RunEntry& e : request.entries) {
            if (CurrentUser.empty() || e.name != CurrentUser) continue;
            if (!ledgerCommands_.mayClose()) return PayrollRunCommands::notStarted();
            const SaveWindowButton b = employees_.showSaveWindow();
            if (b == SaveWindowButton::Close || ws_.programEnded)
                return PayrollRunCommands::notStarted();
            break;
        }
        return payroll_.run(request, progress);
    }
    // --- A new year: every employee's ledger kept as the year closed, then emptied ---
    NewYearReport startNewYear(int year) { return newYear_.startNewYear(year); }
    NewYearReport keepOpenYear(int year) { return newYear_.keepOpenYear(year); }
    // The folder's store, for the payroll run that drives a session of its own.
    EmployeeStore& store() { return ws_.store; }
    // --- Daily backups ---
    std::vector<std::string> backupDays() const { return backups_.backupDays(); }
    bool restoreBackup(const std::string& day) { return backups_.restoreBackup(day); }
    RestoreOutcome restoreBackupOf(const std::string& name, const std::string& day) {
        return backups_.restoreBackupOf(name, day);
    }
    std::vector<std::string> backupDaysOf(const std::string& name) const {
        return corvella::backupDays(ws_.store.folder, name);
    }
    bool mnuRestoreBackup_Click() { return backups_.mnuRestoreBackup_Click(); }

    // --- The employee's files ---
    void LoadEmployee() { files_.LoadEmployee(); }
    void SaveEmployee() { files_.SaveEmployee(); }
    void saveAllFiles() { files_.saveAllFiles(); }
    void LoadLedger() { files_.LoadLedger(); }
    void LoadStateFile(DialogState& s, bool defaults = false) { files_.LoadStateFile(s, defaults); }

  private:
    Screens screens_;
    FileSet files_;
    PayRunner runner_;
    EmployeeCommands employees_;
    SettingsCommands settings_;
    LedgerCommands ledgerCommands_;
    ToolCommands tools_;
    PayPeriodCommands periods_;
    PrintCommands printCommands_;
    BackupCommands backups_{ws_, employees_};
    PayrollRunCommands payroll_{ws_};
    NewYearCommands newYear_{ws_, ledgerCommands_};
    CompanyCommands company_{ws_};
    WorksheetCommands worksheets_{ws_};
};

}  // namespace corvella
