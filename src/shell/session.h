#pragma once
// The application session: owns the shared records and the screens that exist right
// now, and offers the commands of the main window. The GUI, the command line and the
// tests drive it through the same methods.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "city/city.h"
#include "common/fileio.h"
#include "common/ports.h"
#include "employee/company_header.h"
#include "employee/employee_files.h"
#include "employee/frm_tax_info.h"
#include "employee/tax_profile.h"
#include "engine/main_window.h"
#include "engine/pay_result.h"
#include "federal/fed_table.h"
#include "ledger/ledger.h"
#include "state/dialog_state.h"
#include "state/state_settings.h"
#include "tools/leave.h"
#include "tools/overtime.h"

namespace corvella {

// The save window "Save User".
struct FrmSaveUser {
    TextBox txtSaveUser;
};

class Session {
  public:
    Session(Ui& ui, std::filesystem::path workingFolder);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Ui& ui;
    std::filesystem::path dir;  // the working folder: employee files and Federal15.dtt
    std::string CurrentUser;
    bool programEnded = false;
    bool LedgerCloseOK = false;

    MainWindow main;
    PayResult result;  // the last pay run
    TaxProfile profile;
    StateSettings state;
    CityTable city;
    NonCityTable nonCity;
    Ledger ledger;
    OvertimeData ot;
    EmployeeExtras extras = EmployeeExtras::newEmployee();
    FedTable fed;
    CompanyHeader header;

    // Screens: created (and loaded) on first use, discarded by the employee commands.
    FrmTaxInfo& taxInfo();
    DialogState& stateScreen();
    DialogCity& cityScreen();
    DialogNonCity& nonCityScreen();
    FrmSaveUser& saveWindow();
    OvertimeScreen& overtimeScreen();
    LeaveScreen& leaveScreen();
    bool stateScreenLoaded() const { return stateScreen_ != nullptr; }
    bool taxInfoLoaded() const { return taxInfo_ != nullptr; }
    // The screens as they exist right now, without loading them (nothing when discarded),
    // so an open window can tell whether its working copy is still the current one.
    const DialogState* loadedStateScreen() const { return stateScreen_.get(); }
    const DialogCity* loadedCityScreen() const { return cityScreen_.get(); }
    const DialogNonCity* loadedNonCityScreen() const { return nonCityScreen_.get(); }
    void discardStateScreen();
    void discardCityScreens();
    void discardEmployeeScreens();

    // --- Main window commands ---
    void Form_Load();
    // The pay run (ADD). A refused run changes nothing; a message says why.
    enum class RunOutcome { Done, Refused, SaveFailed };
    RunOutcome Calcu_late(bool save = true);
    void Clear_All();
    void mnuNew_Click();
    bool mnuOpen_Click();
    // Open with the file the dialog chose (steps after the dialog). False on failure.
    bool openEmployee(const std::filesystem::path& useFile);
    void mnuSave_Click();
    void mnuExit_Click();

    // --- Save window ---
    // Shows the save window (modal) and carries out the button chosen.
    void showSaveWindow();
    // "&Save": false when the save failed (a message says what).
    bool cmdSaveUser_Click();

    // --- Profile screen ("User Info") ---
    // Save: store the screen, write the employee; false when refused (a message says why).
    bool taxInfoSave();
    void taxInfoClose() { taxInfo_.reset(); }

    // --- State tax screen ---
    // The menu entry "S&tate Tax": the screen (loaded if needed), each checked state's
    // preset again, "Spouse Works" shown for Missouri and Utah.
    DialogState& mnuState_Click();
    // "SAVE": false when a box is not a number or a file cannot be written.
    bool stateSave();
    void stateCancel() { stateScreen_.reset(); }
    // "Make Default": the defaults (empty name) written from this employee.
    bool stateMakeDefault();
    // "Get Default": the state defaults into the screen and the profile screen.
    void stateGetDefault();

    // --- City and non-resident city screens ---
    bool citySave();
    void cityCancel() { cityScreen_.reset(); }
    bool nonCitySave();
    void nonCityCancel() { nonCityScreen_.reset(); }

    // --- Operations ---
    // Reads the four members of the employee file set; throws ReadError.
    void LoadEmployee();
    // Writes them as one change; throws ConversionError, NameError or WriteError.
    void SaveEmployee();
    // Reads Federal15.dtt; shows the failure message and returns false when it cannot.
    bool LoadFedTable();
    // Reads the ledger file (throws ReadError).
    void LoadLedger();
    // The state file into the record and the screen; a corrupted file is reported.
    void LoadStateFile(DialogState& s, bool defaults = false);
    // The full save of the current employee (the save window's files) as one change;
    // throws.
    void saveAllFiles();
    // Finishes a save that a crash interrupted in `folder`; a failure is reported.
    bool completeInterruptedSave(const std::filesystem::path& folder);

    // Every file of the working folder is written through this one writer.
    FileWriter writer;

    std::filesystem::path employeeFile(std::string_view ext) const;
    std::string todayText();

  private:
    void storeTaxInfo();
    // Each file's name and bytes from the records and screens (loaded when needed).
    std::vector<FileContent> employeeFileContents();
    FileContent stateFileContent();
    FileContent cityFileContent();
    FileContent nonCityFileContent();
    // Runs a screen's save; a refused box or a failed write is reported.
    bool reportingSave(const std::function<void()>& save);
    void reportCorrupted(const std::string& fileName);
    void closeSaveWindowEffects();
    struct Snapshot;

    std::unique_ptr<FrmTaxInfo> taxInfo_;
    std::unique_ptr<DialogState> stateScreen_;
    std::unique_ptr<DialogCity> cityScreen_;
    std::unique_ptr<DialogNonCity> nonCityScreen_;
    std::unique_ptr<FrmSaveUser> saveWindow_;
    std::unique_ptr<OvertimeScreen> overtimeScreen_;
    std::unique_ptr<LeaveScreen> leaveScreen_;
};

// The text of the message that names a corrupted file.
std::string corruptedFileMessage(const std::string& fileName);

}  // namespace corvella
