#include "shell/session.h"

#include "common/errors.h"
#include "common/fileio.h"
#include "common/number.h"
#include "engine/pay_calc.h"
#include "engine/special_states.h"
#include "federal/federal.h"
#include "state/state_file.h"
#include "state/state_presets.h"

namespace corvella {

namespace {

const char* const kNonNumerial = "You have entered a NON numerial.";

std::string fileNameOf(const std::filesystem::path& p) {
    return p.filename().string();
}

std::string readOrThrow(const std::filesystem::path& p) {
    auto bytes = readFileBytes(p);
    if (!bytes) throw ReadError(fileNameOf(p), 1, "the file cannot be read");
    return *bytes;
}

}  // namespace

std::string corruptedFileMessage(const std::string& fileName) {
    return "You have corupted a file.\nFind file,\n" + fileName + "\nand delete it.";
}

Session::Session(Ui& u, std::filesystem::path workingFolder)
    : ui(u), dir(std::move(workingFolder)) {}
Session::~Session() = default;

std::filesystem::path Session::employeeFile(std::string_view ext) const {
    return dir / (CurrentUser + std::string(ext));
}

std::string Session::todayText() {
    Date d = ui.today();
    return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

void Session::reportCorrupted(const std::string& fileName) {
    ui.message(corruptedFileMessage(fileName), Icon::Warning);
}

// ---------------------------------------------------------------- screens

FrmTaxInfo& Session::taxInfo() {
    if (!taxInfo_) {
        taxInfo_ = std::make_unique<FrmTaxInfo>();
        taxInfo_->load(profile);
        try {
            storeTaxInfo();
        } catch (const ConversionError&) {
            // A value read from a file outside the lists stays as it was read.
        }
    }
    return *taxInfo_;
}

void Session::storeTaxInfo() {
    FrmTaxInfo& f = *taxInfo_;
    f.store(profile);
    main.lbTaxTag[5].caption = profile.DedCaption5;
    main.lbTaxTag[6].caption = profile.DedCaption6;
    main.lbTaxTag[7].caption = profile.DedCaption7;
    main.lbTaxTag[8].caption = profile.DedCaption8;
    main.lbTaxTag[9].caption = profile.DedCaption9;
    main.lbTableNotice.caption =
        profile.WeeklyFlag == -1 ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
}

bool Session::taxInfoSave() {
    try {
        storeTaxInfo();
        saveAllFiles();
    } catch (const Error& e) {
        ui.message(e.what(), Icon::Warning);
        return false;
    }
    taxInfo_.reset();
    return true;
}

DialogState& Session::mnuState_Click() {
    DialogState& s = stateScreen();
    s.runPresetsOfCheckedBoxes();
    if (s.ckMissouri.checked() || s.ckUtah.checked()) s.ckSpouse.visible = true;
    return s;
}

bool Session::stateSave() {
    DialogState& s = stateScreen();
    try {
        s.fillVari();
    } catch (const ConversionError& e) {
        ui.message(std::string(kNonNumerial) + "\n" + e.what() + ".", Icon::Warning);
        return false;
    }
    try {
        // The state file is only read back together with the rest: one change.
        std::vector<FileContent> files{stateFileContent()};
        for (auto& f : employeeFileContents()) files.push_back(std::move(f));
        writer.commit(dir, files);
    } catch (const ConversionError& e) {
        ui.message(std::string(kNonNumerial) + "\n" + e.what() + ".", Icon::Warning);
        return false;
    } catch (const Error& e) {
        ui.message("The state settings were not saved: " + std::string(e.what()) + ".",
                   Icon::Warning);
        return false;
    }
    stateScreen_.reset();
    return true;
}

bool Session::stateMakeDefault() {
    if (!stateSave()) return false;  // the employee's own files first
    // The defaults are the employee's files under the empty name.
    saveWindow().txtSaveUser.text.clear();
    try {
        saveAllFiles();
    } catch (const Error& e) {
        ui.message("The defaults were not saved: " + std::string(e.what()) + ".", Icon::Warning);
    }
    LedgerCloseOK = true;
    overtimeScreen_.reset();
    leaveScreen_.reset();
    saveWindow_.reset();
    stateScreen_.reset();
    discardCityScreens();
    CurrentUser = main.lbUser.caption;
    return true;
}

void Session::stateGetDefault() {
    LoadStateFile(stateScreen(), true);
}

FileContent Session::cityFileContent() {
    DialogCity& c = cityScreen();
    c.CheckFor();
    c.fillVar();
    return {CurrentUser + ".cti", writeCityFile(city)};
}

FileContent Session::nonCityFileContent() {
    DialogNonCity& n = nonCityScreen();
    n.fillEmptyWithDefaults();
    n.fillVar();
    return {CurrentUser + ".nci", writeNonCityFile(nonCity)};
}

bool Session::reportingSave(const std::function<void()>& save) {
    try {
        save();
    } catch (const ConversionError& e) {
        ui.message(std::string(e.what()) + ". Correct it and save again.", Icon::Warning);
        return false;
    } catch (const Error& e) {
        ui.message("Check your numbers\nNo blanks\nOnly numbers\n(" + std::string(e.what()) + ")",
                   Icon::Warning);
        return false;
    }
    return true;
}

bool Session::citySave() {
    if (!reportingSave([this] { writer.commit(dir, {cityFileContent()}); })) return false;
    cityScreen_.reset();
    return true;
}

bool Session::nonCitySave() {
    if (!reportingSave([this] { writer.commit(dir, {nonCityFileContent()}); })) return false;
    nonCityScreen_.reset();
    return true;
}

DialogState& Session::stateScreen() {
    if (stateScreen_) return *stateScreen_;
    stateScreen_ = std::make_unique<DialogState>(state);
    DialogState& s = *stateScreen_;
    s.setLouisPriorVisible = [this](bool v) { main.ckLouisPrior.visible = v; };
    s.runPreset = [&s](SpecialState which) { runStatePreset(s, which); };
    s.profileScreen = [this] {
        FrmTaxInfo& f = taxInfo();
        return DialogState::ProfileScreenView{f.optBiWeek.selected(), f.optWeek.selected(),
                                              f.cboStatus2.text};
    };
    s.refreshProfileStateFields = [this] {
        FrmTaxInfo& f = taxInfo();
        f.cboDepend2.text = std::to_string(profile.StateExemp);
        f.cboStatus2.text = profile.StateStatus;
        f.txtFedAddL.text = floatText(profile.FedAddl);
        f.ckFedExemp.set(profile.FedExempFlag);
        f.ckSSMediExemp.set(profile.SSMediExempFlag);
    };
    LoadStateFile(s);
    try {
        LoadEmployee();
    } catch (const ReadError& e) {
        reportCorrupted(e.file);
    }
    s.runPresetsOfCheckedBoxes();
    try {
        s.fillVari();
    } catch (const ConversionError&) {
        ui.message(kNonNumerial, Icon::Warning);
    }
    s.updateBaseCaptions();
    return s;
}

DialogCity& Session::cityScreen() {
    if (cityScreen_) return *cityScreen_;
    cityScreen_ = std::make_unique<DialogCity>(city);
    DialogCity& c = *cityScreen_;
    auto path = employeeFile(".cti");
    if (fileExists(path)) {
        try {
            readCityFile(readOrThrow(path), fileNameOf(path), city);
            c.refreshFromTable();
        } catch (const ReadError&) {
            reportCorrupted(fileNameOf(path));  // the boxes stay empty and take the defaults
        }
    }
    c.CheckFor();
    try {
        c.fillVar();
    } catch (const ConversionError&) {
    }
    return c;
}

DialogNonCity& Session::nonCityScreen() {
    if (nonCityScreen_) return *nonCityScreen_;
    nonCityScreen_ = std::make_unique<DialogNonCity>(nonCity);
    DialogNonCity& n = *nonCityScreen_;
    auto path = employeeFile(".nci");
    if (fileExists(path)) {
        try {
            readNonCityFile(readOrThrow(path), fileNameOf(path), nonCity);
            n.refreshFromTable();
        } catch (const ReadError&) {
            reportCorrupted(fileNameOf(path));
        }
    }
    n.fillEmptyWithDefaults();
    try {
        n.fillVar();
    } catch (const ConversionError&) {
    }
    return n;
}

FrmSaveUser& Session::saveWindow() {
    if (!saveWindow_) {
        saveWindow_ = std::make_unique<FrmSaveUser>();
        saveWindow_->txtSaveUser.text = CurrentUser;
    }
    return *saveWindow_;
}

OvertimeScreen& Session::overtimeScreen() {
    if (!overtimeScreen_) {
        overtimeScreen_ = std::make_unique<OvertimeScreen>();
        overtimeScreen_->FillInOT(ot, profile.weekly());
        for (auto& b : overtimeScreen_->txtOT)
            if (b.text.empty()) b.text = "0";
    }
    return *overtimeScreen_;
}

LeaveScreen& Session::leaveScreen() {
    if (!leaveScreen_) {
        leaveScreen_ = std::make_unique<LeaveScreen>();
        auto path = employeeFile(".hol");
        if (fileExists(path)) {
            try {
                leaveScreen_->read(readOrThrow(path), fileNameOf(path));
            } catch (const ReadError& e) {
                reportCorrupted(e.file);
            }
        }
    }
    return *leaveScreen_;
}

void Session::discardStateScreen() {
    stateScreen_.reset();
}

void Session::discardCityScreens() {
    cityScreen_.reset();
    nonCityScreen_.reset();
}

void Session::discardEmployeeScreens() {
    overtimeScreen_.reset();
    leaveScreen_.reset();
    stateScreen_.reset();
    cityScreen_.reset();
    nonCityScreen_.reset();
    taxInfo_.reset();
}

// ---------------------------------------------------------------- files

void Session::LoadEmployee() {
    auto read = [&](std::string_view ext, auto&& fn) {
        auto path = employeeFile(ext);
        if (fileExists(path)) fn(readOrThrow(path), fileNameOf(path));
    };
    read(".use", [&](const std::string& b, const std::string& n) {
        readUseFile(b, n, profile, ot, state, extras);
    });
    read(".and", [&](const std::string& b, const std::string& n) {
        readAndFile(b, n, profile, state, extras);
    });
    read(".cfe", [&](const std::string& b, const std::string& n) { readCfeFile(b, n, profile); });
    if (profile.weekly())
        read(".ovw",
             [&](const std::string& b, const std::string& n) { readOvertimeFile(b, n, 53, ot); });
    else
        read(".ovb",
             [&](const std::string& b, const std::string& n) { readOvertimeFile(b, n, 27, ot); });
    main.lbTableNotice.caption = profile.weekly() ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";

    FrmTaxInfo& f = taxInfo();
    f.txtHourRate.text = floatText(profile.HourRate);
    f.txtHourRate2.text = floatText(profile.HourRate2);
    f.txtTipsRate.text = floatText(profile.TipsRate);
    f.txtPension.text = floatText(profile.PensionPct);
    f.txtMuni.text = floatText(profile.MuniDeduct);
    f.txtBond.text = floatText(profile.BondDeduct);
    f.txtMisc.text = floatText(profile.MiscDeduct);
    f.txtDues.text = floatText(profile.DuesDeduct);
    f.txtKplan.text = floatText(profile.KPlanAmt);
    f.txtCafe.text = floatText(profile.CafeAmt);
    f.cboDepend.text = profile.FedExemp;
    f.cboStatus.text = profile.FedStatus;
    f.ckNonCity.set(profile.NonCityFlag);
    f.ckCafeState.set(profile.CafeStateFlag);
    f.ckSelfEmp.set(profile.SelfEmpFlag);
    f.ckKpFix.set(profile.KPlanFixFlag);
    f.ckKpPer.set(profile.KPlanPerFlag);
    f.optWeek.value = profile.WeeklyFlag;
    f.optBiWeek.value = profile.BiWeeklyFlag;
    f.txtAddress.text = profile.EmpAddress;
    f.txtStateCityZip.text = profile.EmpCityStateZip;
    f.txtSSnum.text = profile.EmpSSN;
    f.txtName.text = profile.EmpName;
    f.txtTax5.text = profile.DedCaption5;
    f.txtTax6.text = profile.DedCaption6;
    f.txtTax7.text = profile.DedCaption7;
    f.txtTax8.text = profile.DedCaption8;
    f.txtTax9.text = profile.DedCaption9;
    profile.CafeStateFlag = f.ckCafeState.value;
    profile.SelfEmpFlag = f.ckSelfEmp.value;
    profile.NonCityFlag = f.ckNonCity.value;

    if (overtimeScreen_) overtimeScreen_->FillInOT(ot, profile.weekly());
}

void Session::SaveEmployee() {
    writer.commit(dir, employeeFileContents());
}

std::vector<FileContent> Session::employeeFileContents() {
    const std::string name = saveWindow().txtSaveUser.text;
    checkEmployeeName(name);
    CurrentUser = name;
    FrmTaxInfo& f = taxInfo();
    float rate1 = strictFloat(f.txtHourRate.text, "txtHourRate");
    float rate2 = strictFloat(f.txtHourRate2.text, "txtHourRate2");
    float tips = strictFloat(f.txtTipsRate.text, "txtTipsRate");
    profile.HourRate = rate1;
    profile.HourRate2 = rate2;
    profile.TipsRate = tips;

    if (profile.WeeklyFlag != -1 && profile.BiWeeklyFlag != -1) {
        profile.WeeklyFlag = -1;
        f.optWeek.value = -1;
        f.optBiWeek.value = 0;
    }
    OvertimeScreen& o = overtimeScreen();
    const int rows = overtimeRowCount(profile.weekly());
    for (int i = 0; i < rows; ++i) {
        if (o.txtOT[i].text.empty()) o.txtOT[i].text = "0";
        ot.OtWeekEnding[i] = o.Text1[i].text;
        ot.OtAmount[i] = o.txtOT[i].text;
    }
    if (profile.KPlanPerFlag == 0 && profile.KPlanFixFlag == 0) {
        profile.KPlanPerFlag = 1;
        f.ckKpPer.set(1);
    }
    std::vector<FileContent> files{
        {name + ".use",
         writeUseFile(profile, ot, state, extras, o.txtAnnual.text, o.txtApPercent.text)},
        {name + ".and", writeAndFile(profile, state, extras)},
        {name + ".cfe", writeCfeFile(profile)},
        {name + (profile.weekly() ? ".ovw" : ".ovb"), writeOvertimeFile(ot, rows)}};
    if (profile.KPlanPerFlag == 1) {
        f.ckKpPer.set(1);
        profile.KPlanFixFlag = 0;
    } else if (profile.KPlanFixFlag == 1) {
        f.ckKpFix.set(1);
        profile.KPlanPerFlag = 0;
    }
    return files;
}

bool Session::LoadFedTable() {
    auto path = dir / kFedFileName;
    auto bytes = readFileBytes(path);
    if (!bytes) {
        ui.message(fedFileFailureMessage(), Icon::Warning);
        return false;
    }
    try {
        fed = readFedTable(*bytes, kFedFileName);
    } catch (const ReadError& e) {
        fed.clearNumbers();
        ui.message("The federal table file " + std::string(kFedFileName) +
                       " cannot be read (line " + std::to_string(e.line) +
                       "). Federal tax stays 0 until the file is replaced.",
                   Icon::Warning);
        return false;
    }
    main.lbTaxVer.caption = fed.FedTableVer;
    return true;
}

void Session::LoadLedger() {
    const bool weekly = profile.weekly();
    ledger.RecomputeTotals(weekly);
    auto path = employeeFile(weekly ? ".yrw" : ".yrb");
    if (fileExists(path)) ledger.read(readOrThrow(path), fileNameOf(path), weekly);
}

void Session::LoadStateFile(DialogState& s, bool defaults) {
    auto path = defaults ? dir / ".sta" : employeeFile(".sta");
    if (fileExists(path)) {
        // Read into copies: a damaged file must not leave this employee's settings half
        // replaced by another's (the run would then save the mixture).
        StateSettings read = state;
        StateProfileFields pf{profile.StateExemp, profile.StateStatus, profile.FedAddl,
                              profile.FedExempFlag, profile.SSMediExempFlag};
        try {
            readStateFile(readOrThrow(path), fileNameOf(path), read, pf);
        } catch (const ReadError&) {
            reportCorrupted(fileNameOf(path));
            return;
        }
        state = read;
        profile.StateExemp = pf.StateExemp;
        profile.StateStatus = pf.StateStatus;
        profile.FedAddl = pf.FedAddl;
        profile.FedExempFlag = pf.FedExempFlag;
        profile.SSMediExempFlag = pf.SSMediExempFlag;
        s.refreshFromRecord();
    }
    s.setFlagBoxesFromRecord();
    FrmTaxInfo& f = taxInfo();
    f.cboDepend2.text = std::to_string(profile.StateExemp);
    f.cboStatus2.text = profile.StateStatus;
    f.txtFedAddL.text = floatText(profile.FedAddl);
    f.ckFedExemp.set(profile.FedExempFlag);
    f.ckSSMediExemp.set(profile.SSMediExempFlag);
}

FileContent Session::stateFileContent() {
    StateProfileFields pf{profile.StateExemp, profile.StateStatus, profile.FedAddl,
                          profile.FedExempFlag, profile.SSMediExempFlag};
    return {CurrentUser + ".sta", writeStateFile(state, pf)};
}

void Session::saveAllFiles() {
    std::vector<FileContent> files = employeeFileContents();
    files.push_back({CurrentUser + ".hol", leaveScreen().write()});
    files.push_back(stateFileContent());
    files.push_back(cityFileContent());
    files.push_back(nonCityFileContent());
    writer.commit(dir, files);
}

bool Session::completeInterruptedSave(const std::filesystem::path& folder) {
    try {
        completePendingCommit(folder);
    } catch (const Error& e) {
        ui.message("An interrupted save in " + folder.string() + " could not be completed: " +
                       e.what() + ". Check the folder, then open the employee again.",
                   Icon::Warning);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- commands

void Session::Form_Load() {
    completeInterruptedSave(dir);
    LoadFedTable();
    main.setWeek(todayText());
    main.DefaultPayRate = 7.5f;
    PayRun& r = result.run;
    r.StateWages = r.NetPay = r.FedTax = r.StateTax = 0;
    r.SdiTax = r.SuiTax = r.CityTax = 0;
    result.TotDeduct = 0;
    result.TaxDeduct = 0;
    main.clearResultCaptions();
    main.lbTaxVer.caption = fed.FedTableVer;
    if (state.LouisFlag == 1) main.ckLouisPrior.visible = true;
    taxInfo();  // fills the profile's defaults and the deduction names
}

Session::RunOutcome Session::Calcu_late(bool save) {
    // Refuse before anything changes: text that is not a number in an entry box, the
    // state screen's adjustment boxes or the profile's rate boxes.
    std::array<std::string, 8> amounts;
    for (size_t i = 0; i < amounts.size(); ++i) amounts[i] = main.txtAmount[i].text;
    if (auto refusal =
            checkPayRunInputs(amounts, stateScreen_ ? stateScreen_->txtStateAdj.text : "",
                              stateScreen_ ? stateScreen_->txtCalAllow.text : "")) {
        ui.message(*refusal, Icon::Warning);
        return RunOutcome::Refused;
    }
    if (taxInfo_) {
        for (auto [box, name] : {std::pair{&taxInfo_->txtHourRate, "txtHourRate"},
                                 std::pair{&taxInfo_->txtHourRate2, "txtHourRate2"},
                                 std::pair{&taxInfo_->txtTipsRate, "txtTipsRate"}}) {
            if (!strictNumber(box->text)) {
                ui.message("\"" + box->text + "\" in the User Info box " + name +
                               " is not a number. Correct it in User Info and press ADD again.",
                           Icon::Warning);
                return RunOutcome::Refused;
            }
        }
    }

    main.clearDeductionCaptions();
    main.clearResultCaptions();
    LoadFedTable();
    cityScreen();
    DialogState& s = stateScreen();
    FrmTaxInfo& f = taxInfo();
    PayRunInputs in = PayRunInputs::from(main, s);
    in.optBiWeek = f.optBiWeek.selected();
    in.optWeek = f.optWeek.selected();
    in.YtdWages = ledger.YtdWages();
    in.YtdSocSec = ledger.totals.SS;
    in.YtdMedi = ledger.totals.Medi;
    result = computePayRun(in, profile, state, city, nonCity, fed);
    fed.clearNumbers();
    // What the run hands back: the rounded standing deductions, the adjustment boxes'
    // values, "Round State" and the boxes it fills.
    profile.MuniDeduct = result.MuniDeduct;
    profile.BondDeduct = result.BondDeduct;
    profile.DuesDeduct = result.DuesDeduct;
    profile.MiscDeduct = result.MiscDeduct;
    state.StateAddl = result.StateAddl;
    state.CalAllow = result.CalAllow;
    if (result.roundState) s.ckRoundOff.set(1);
    FillStateBoxes(s);
    main.show(result);

    bool saved = true;
    if (save && !saveWindow().txtSaveUser.text.empty()) {  // no employee named: nothing to save
        try {
            saveAllFiles();
        } catch (const Error& e) {
            ui.message("The pay run is shown, but the employee's files were not saved: " +
                           std::string(e.what()) + ". Correct this and save with File, Save.",
                       Icon::Warning);
            saved = false;
        }
    }
    LedgerCloseOK = true;
    overtimeScreen_.reset();
    leaveScreen_.reset();
    saveWindow_.reset();
    discardCityScreens();
    discardStateScreen();
    return saved ? RunOutcome::Done : RunOutcome::SaveFailed;
}

void Session::Clear_All() {
    for (auto& b : main.txtAmount) b.text.clear();
    main.clearDeductionCaptions();
    PayRun& r = result.run;
    r.StateWages = r.GrossPay = r.NetPay = r.FedTax = 0;
    r.StateTax = r.CityTax = r.SdiTax = r.SuiTax = 0;
    r.SdiYtdWages = r.SuiYtdWages = 0;
    result.TotDeduct = 0;
    result.TaxDeduct = 0;
    state.StateAddl = 0;
    main.clearResultCaptions();
    main.setWeek(todayText());
}

void Session::closeSaveWindowEffects() {
    overtimeScreen_.reset();
    LedgerCloseOK = true;
    discardCityScreens();
    stateScreen_.reset();
    taxInfo_.reset();
}

void Session::showSaveWindow() {
    for (;;) {
        FrmSaveUser& w = saveWindow();
        SaveWindowButton b = ui.saveWindow(w.txtSaveUser.text);
        switch (b) {
            case SaveWindowButton::Save:
                if (!cmdSaveUser_Click()) continue;  // the window stays open
                closeSaveWindowEffects();
                return;
            case SaveWindowButton::No:
            case SaveWindowButton::Close:
                closeSaveWindowEffects();
                return;
            case SaveWindowButton::Quit:
                discardEmployeeScreens();
                LedgerCloseOK = true;
                programEnded = true;
                return;
        }
    }
}

bool Session::cmdSaveUser_Click() {
    const std::string name = saveWindow().txtSaveUser.text;
    try {
        checkEmployeeName(name);
        CurrentUser = name;
        saveAllFiles();
    } catch (const ConversionError& e) {
        ui.message(std::string(e.what()) + ". Correct it and save again.", Icon::Warning);
        return false;
    } catch (const Error& e) {
        ui.message("The employee was not saved: " + std::string(e.what()) + ".", Icon::Warning);
        return false;
    }
    main.lbUser.caption = CurrentUser;
    main.caption = name;
    LedgerCloseOK = true;
    overtimeScreen_.reset();
    leaveScreen_.reset();
    discardCityScreens();
    stateScreen_.reset();
    saveWindow_.reset();
    return true;
}

void Session::mnuSave_Click() {
    showSaveWindow();
}

void Session::mnuExit_Click() {
    if (ui.askYesNo("     SAVE USER'S SETTINGS?", "Save?")) showSaveWindow();
    programEnded = true;
}

void Session::mnuNew_Click() {
    if (ui.askYesNo("........SAVE PREVIOUS USER?", "Save?")) {
        showSaveWindow();
        if (programEnded) return;
    }
    std::string name = ui.inputBox("Enter new user:", "File New", "").value_or("");
    try {
        checkEmployeeName(name);
    } catch (const NameError& e) {
        ui.message(e.what(), Icon::Warning);
        return;
    }
    if (fileExists(dir / (name + ".use"))) {
        ui.message("........" + name + " already exists. Use Open");
        return;
    }
    CurrentUser = name;
    saveWindow().txtSaveUser.text = name;
    main.caption = "  User:  " + name;
    main.lbUser.caption = name;

    overtimeScreen().ClearAll(ot, profile.weekly());
    overtimeScreen_.reset();
    leaveScreen().clearVac();
    leaveScreen_.reset();
    Clear_All();
    ledger.ClearLedger();
    taxInfo().ClearAll(profile);
    taxInfo_.reset();
    stateScreen().cmdDefault_Click();
    stateScreen_.reset();
    cityScreen().cmdDefault_Click();
    cityScreen_.reset();
    Calcu_late(false);  // the results match the empty entry; files appear at the first save
}

struct Session::Snapshot {
    std::filesystem::path dir;
    std::string CurrentUser;
    MainWindow main;
    TaxProfile profile;
    StateSettings state;
    CityTable city;
    NonCityTable nonCity;
    Ledger ledger;
    OvertimeData ot;
    EmployeeExtras extras;
};

bool Session::mnuOpen_Click() {
    showSaveWindow();
    if (programEnded) return false;
    auto chosen = ui.openFile("Saved Files (*.use)|*.use");
    if (!chosen) return false;  // cancelled: the current employee stays as it was
    return openEmployee(*chosen);
}

bool Session::openEmployee(const std::filesystem::path& useFile) {
    std::string fileName = useFile.filename().string();
    std::string name = fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : "";
    try {
        checkEmployeeName(name);
    } catch (const NameError& e) {
        ui.message(e.what(), Icon::Warning);
        return false;
    }
    const auto folder = useFile.has_parent_path() ? useFile.parent_path() : dir;
    if (!completeInterruptedSave(folder)) return false;
    Snapshot before{dir, CurrentUser, main, profile, state, city, nonCity, ledger, ot, extras};
    ledger.ClearLedger();
    CurrentUser = name;
    dir = folder;
    // The save window's name box follows at once, so that no save during the loads
    // writes this employee's values under the previous name.
    saveWindow().txtSaveUser.text = name;
    discardEmployeeScreens();
    try {
        LoadEmployee();
        LoadLedger();
        LoadFedTable();  // a missing table is reported; the open goes on
        if (auto sta = employeeFile(".sta"); fileExists(sta)) {
            // A damaged state file stops the open here, so the previous employee is put
            // back whole rather than mixed with this one.
            StateSettings scratch;
            StateProfileFields pf;
            readStateFile(readOrThrow(sta), fileNameOf(sta), scratch, pf);
        }
        DialogState& s = stateScreen();
        s.CheckFor();
        s.fillVari();
        cityScreen();
        nonCityScreen();
        auto hol = employeeFile(".hol");
        if (fileExists(hol)) LeaveScreen().read(readOrThrow(hol), fileNameOf(hol));
        leaveScreen();
        overtimeScreen().FillInOT(ot, profile.weekly());
    } catch (const Error& e) {
        // Put the previous employee back whole rather than leave half of each.
        dir = before.dir;
        CurrentUser = before.CurrentUser;
        main = before.main;
        profile = before.profile;
        state = before.state;
        city = before.city;
        nonCity = before.nonCity;
        ledger = before.ledger;
        ot = before.ot;
        extras = before.extras;
        discardEmployeeScreens();
        saveWindow_.reset();
        const auto* re = dynamic_cast<const ReadError*>(&e);
        ui.message(
            "The employee \"" + name + "\" was not opened: " +
                (re ? "the file " + re->file + " is damaged at line " + std::to_string(re->line)
                    : std::string(e.what())) +
                ". Correct or delete that file, then open again.",
            Icon::Warning);
        return false;
    }
    main.caption = "  User:  " + CurrentUser;
    main.lbUser.caption = CurrentUser;
    main.ckLouisPrior.visible = state.LouisFlag == 1;
    FrmTaxInfo& f = taxInfo();
    f.ckKpPer.value = profile.KPlanPerFlag;
    f.ckKpFix.value = profile.KPlanFixFlag;
    main.lbTaxTag[5].caption = f.txtTax5.text;
    main.lbTaxTag[6].caption = f.txtTax6.text;
    main.lbTaxTag[7].caption = f.txtTax7.text;
    main.lbTaxTag[8].caption = f.txtTax8.text;
    main.lbTaxTag[9].caption = f.txtTax9.text;
    Clear_All();
    return true;
}

}  // namespace corvella
