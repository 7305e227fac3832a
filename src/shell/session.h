#pragma once
// The application session: the one facade that the desktop program, the command line
// and the tests drive. It owns the workspace (records, file store, screens, main
// window) and the parts that act on it, and forwards each command to its part:
//   Screens           creates each per-employee screen by its load sequence
//   FileSet           reads and writes the employee's file set as one change
//   PayRunner         start-up, the pay run (ADD), Clear
//   EmployeeCommands  New, Open, Save, Exit and the save window
//   SettingsCommands  User Info, state, city, non-resident city, company header
//   LedgerCommands    the ledger frame "Year To Date"
//   BackupCommands    File > "Restore from Backup…"
#include <filesystem>
#include <functional>
#include <string>

#include "shell/backup_commands.h"
#include "shell/employee_commands.h"
#include "shell/file_set.h"
#include "shell/ledger_commands.h"
#include "shell/pay_runner.h"
#include "shell/screens.h"
#include "shell/settings_commands.h"
#include "shell/workspace.h"

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
    FileWriter& writer;  // every file of the working folder is written through it

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
    DialogState& stateScreen() { return screens_.stateScreen(); }
    DialogCity& cityScreen() { return screens_.cityScreen(); }
    DialogNonCity& nonCityScreen() { return screens_.nonCityScreen(); }
    FrmSaveUser& saveWindow() { return screens_.saveWindow(); }
    OvertimeScreen& overtimeScreen() { return screens_.overtimeScreen(); }
    LeaveScreen& leaveScreen() { return screens_.leaveScreen(); }
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
    RunOutcome Calcu_late(bool save = true) { return runner_.Calcu_late(save); }
    void Clear_All() { runner_.Clear_All(); }
    bool LoadFedTable() { return runner_.LoadFedTable(); }
    std::string todayText() { return runner_.todayText(); }

    // --- File menu and the save window ---
    void mnuNew_Click() { employees_.mnuNew_Click(); }
    bool mnuOpen_Click() { return employees_.mnuOpen_Click(); }
    bool openEmployee(const std::filesystem::path& useFile) {
        return employees_.openEmployee(useFile);
    }
    void mnuSave_Click() { employees_.mnuSave_Click(); }
    void mnuExit_Click() { employees_.mnuExit_Click(); }
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
    bool headerSave() { return settings_.headerSave(); }
    void headerClose() { settings_.headerClose(); }

    // --- The ledger frame "Year To Date" ---
    LedgerWindow& openLedger() { return ledgerCommands_.openLedger(); }
    LedgerWindow* ledgerWindow() const { return ledgerCommands_.window(); }
    bool ledgerPost(int week) { return ledgerCommands_.post(week); }
    bool ledgerUnpost(int week) { return ledgerCommands_.unpost(week); }
    void ledgerAdd() { ledgerCommands_.add(); }
    void ledgerClearAll() { ledgerCommands_.clearAll(); }
    bool ledgerClose() { return ledgerCommands_.close(); }
    bool ledgerCloseBox() { return ledgerCommands_.closeBox(); }
    bool ledgerExport(const std::filesystem::path& path) { return ledgerCommands_.exportTo(path); }
    std::optional<std::filesystem::path> ledgerExportForSpreadsheet() {
        return ledgerCommands_.exportForSpreadsheet();
    }

    // --- Daily backups ---
    std::vector<std::string> backupDays() const { return backups_.backupDays(); }
    bool restoreBackup(const std::string& day) { return backups_.restoreBackup(day); }

    // --- The employee's files ---
    void LoadEmployee() { files_.LoadEmployee(); }
    void SaveEmployee() { files_.SaveEmployee(); }
    void saveAllFiles() { files_.saveAllFiles(); }
    void LoadLedger() { files_.LoadLedger(); }
    void LoadStateFile(DialogState& s, bool defaults = false) {
        screens_.LoadStateFile(s, defaults);
    }
    std::filesystem::path employeeFile(std::string_view ext) const {
        return ws_.store.file(ws_.records.CurrentUser, ext);
    }

  private:
    Screens screens_;
    FileSet files_;
    PayRunner runner_;
    EmployeeCommands employees_;
    SettingsCommands settings_;
    LedgerCommands ledgerCommands_;
    BackupCommands backups_{ws_, employees_};
};

}  // namespace corvella
