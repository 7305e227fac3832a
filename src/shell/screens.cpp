#include "shell/screens.h"

#include "common/errors.h"
#include "common/number.h"
#include "shell/file_set.h"
#include "shell/messages.h"
#include "state/state_file.h"
#include "state/state_presets.h"

namespace corvella {

namespace {

// Reads a member into a copy of its record and hands it over only when all of it read.
// A damaged file is remembered, so that the first write over it moves it aside.
template <class Record, class Reader>
bool readWhole(Workspace& ws, const char* ext, Record& record, Reader reader) {
    const std::string& name = ws.records.CurrentUser;
    const std::string file = name + ext;
    try {
        auto bytes = ws.store.read(name, ext);
        if (!bytes) return false;
        Record fresh = record;
        reader(*bytes, file, fresh);
        record = std::move(fresh);
        ws.store.damaged.erase(file);
        return true;
    } catch (const ReadError&) {
        ws.store.damaged.insert(file);
        ws.ui.message(corruptedFileMessage(file) + messages::damagedFileWillBeKept(file),
                      Icon::Warning);
        return false;
    }
}

}  // namespace

FrmTaxInfo& Screens::taxInfo() {
    auto& screen = ws_.screens.taxInfo;
    if (!screen) {
        ws_.screens.create(screen);
        screen->load(ws_.records.profile);
        try {
            storeTaxInfo();
        } catch (const ConversionError&) {
            // A value read from a file outside the lists stays as it was read.
        }
    }
    return *screen;
}

void Screens::storeTaxInfo() {
    TaxProfile& profile = ws_.records.profile;
    MainWindow& main = ws_.main;
    ws_.screens.taxInfo->store(profile);
    main.lbTaxTag[5].caption = profile.DedCaption5;
    main.lbTaxTag[6].caption = profile.DedCaption6;
    main.lbTaxTag[7].caption = profile.DedCaption7;
    main.lbTaxTag[8].caption = profile.DedCaption8;
    main.lbTaxTag[9].caption = profile.DedCaption9;
    main.lbTableNotice.caption =
        profile.WeeklyFlag == -1 ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
}

void Screens::showProfile() {
    TaxProfile& profile = ws_.records.profile;
    ws_.main.lbTableNotice.caption =
        profile.weekly() ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
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

    if (ws_.screens.overtime) ws_.screens.overtime->FillInOT(ws_.records.ot, profile.weekly());
}

DialogState& Screens::stateScreen() {
    auto& screen = ws_.screens.state;
    if (screen) return *screen;
    ws_.screens.create(screen, ws_.records.state);
    DialogState& s = *screen;
    s.setLouisPriorVisible = [this](bool v) { ws_.main.ckLouisPrior.visible = v; };
    s.runPreset = [&s](SpecialState which) { runStatePreset(s, which); };
    s.profileScreen = [this] {
        FrmTaxInfo& f = taxInfo();
        return DialogState::ProfileScreenView{f.optBiWeek.selected(), f.optWeek.selected(),
                                              f.cboStatus2.text};
    };
    s.refreshProfileStateFields = [this] {
        const TaxProfile& profile = ws_.records.profile;
        FrmTaxInfo& f = taxInfo();
        f.cboDepend2.text = std::to_string(profile.StateExemp);
        f.cboStatus2.text = profile.StateStatus;
        f.txtFedAddL.text = floatText(profile.FedAddl);
        f.ckFedExemp.set(profile.FedExempFlag);
        f.ckSSMediExemp.set(profile.SSMediExempFlag);
    };
    LoadStateFile(s);
    // The screen's load sequence reads the employee again, for the profile screen.
    try {
        files_.LoadEmployee();
    } catch (const ReadError& e) {
        ws_.ui.message(corruptedFileMessage(e.file), Icon::Warning);
    }
    s.runPresetsOfCheckedBoxes();
    try {
        s.fillVari();
    } catch (const ConversionError&) {
        ws_.ui.message(messages::kNonNumerial, Icon::Warning);
    }
    s.updateBaseCaptions();
    return s;
}

DialogCity& Screens::cityScreen() {
    auto& screen = ws_.screens.city;
    if (screen) return *screen;
    ws_.screens.create(screen, ws_.records.city);
    DialogCity& c = *screen;
    // On a damaged file the boxes stay empty and take the defaults.
    if (readWhole(ws_, ".cti", ws_.records.city, readCityFile)) c.refreshFromTable();
    c.CheckFor();
    try {
        c.fillVar();
    } catch (const ConversionError&) {
    }
    return c;
}

DialogNonCity& Screens::nonCityScreen() {
    auto& screen = ws_.screens.nonCity;
    if (screen) return *screen;
    ws_.screens.create(screen, ws_.records.nonCity);
    DialogNonCity& n = *screen;
    if (readWhole(ws_, ".nci", ws_.records.nonCity, readNonCityFile)) n.refreshFromTable();
    n.fillEmptyWithDefaults();
    try {
        n.fillVar();
    } catch (const ConversionError&) {
    }
    return n;
}

FrmSaveUser& Screens::saveWindow() {
    auto& screen = ws_.screens.saveWindow;
    if (!screen) {
        ws_.screens.create(screen);
        screen->txtSaveUser.text = ws_.records.CurrentUser;
    }
    return *screen;
}

OvertimeScreen& Screens::overtimeScreen() {
    auto& screen = ws_.screens.overtime;
    if (!screen) {
        ws_.screens.create(screen);
        screen->FillInOT(ws_.records.ot, ws_.records.profile.weekly());
        for (auto& b : screen->txtOT)
            if (b.text.empty()) b.text = "0";
    }
    return *screen;
}

LeaveScreen& Screens::leaveScreen() {
    auto& screen = ws_.screens.leave;
    if (!screen) {
        ws_.screens.create(screen);
        const std::string& name = ws_.records.CurrentUser;
        try {
            if (auto bytes = ws_.store.read(name, ".hol")) {
                screen->show(readLeaveFile(*bytes, name + ".hol"));
            }
        } catch (const ReadError& e) {
            ws_.ui.message(messages::fileDamaged(e,
                                                 "The balances were not read from it; saving "
                                                 "them replaces it with what is shown."),
                           Icon::Warning);
        }
    }
    return *ws_.screens.leave;
}

void Screens::LoadStateFile(DialogState& s, bool defaults) {
    TaxProfile& profile = ws_.records.profile;
    const std::string name = defaults ? "" : ws_.records.CurrentUser;
    std::optional<std::string> bytes;
    try {
        bytes = ws_.store.read(name, ".sta");
    } catch (const ReadError&) {
        ws_.ui.message(corruptedFileMessage(name + ".sta"), Icon::Warning);
        return;
    }
    if (bytes) {
        // Read into copies: a damaged file must not leave this employee's settings half
        // replaced by another's (the run would then save the mixture).
        StateSettings read = ws_.records.state;
        StateProfileFields pf{profile.StateExemp, profile.StateStatus, profile.FedAddl,
                              profile.FedExempFlag, profile.SSMediExempFlag};
        try {
            readStateFile(*bytes, name + ".sta", read, pf);
        } catch (const ReadError&) {
            ws_.ui.message(corruptedFileMessage(name + ".sta"), Icon::Warning);
            return;
        }
        ws_.records.state = read;
        profile.StateExemp = pf.StateExemp;
        profile.StateStatus = pf.StateStatus;
        profile.FedAddl = pf.FedAddl;
        profile.FedExempFlag = pf.FedExempFlag;
        profile.SSMediExempFlag = pf.SSMediExempFlag;
        s.refreshFromRecord();
    } else if (!defaults) {
        // Without a state file of its own, the flags that file would hold start unchecked
        // rather than as the previous employee's; those of the employee's other files
        // stay as they were read.
        clearStateFileFlags(ws_.records.state);
    }
    s.setFlagBoxesFromRecord();
    FrmTaxInfo& f = taxInfo();
    f.cboDepend2.text = std::to_string(profile.StateExemp);
    f.cboStatus2.text = profile.StateStatus;
    f.txtFedAddL.text = floatText(profile.FedAddl);
    f.ckFedExemp.set(profile.FedExempFlag);
    f.ckSSMediExemp.set(profile.SSMediExempFlag);
}

}  // namespace corvella
