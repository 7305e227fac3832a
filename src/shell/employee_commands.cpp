#include "shell/employee_commands.h"

#include "common/errors.h"
#include "shell/messages.h"

namespace corvella {

SaveWindowButton EmployeeCommands::showSaveWindow() {
    for (;;) {
        FrmSaveUser& w = screens_.saveWindow();
        SaveWindowButton b = ws_.ui.saveWindow(w.txtSaveUser.text);
        switch (b) {
            case SaveWindowButton::Save:
                if (!cmdSaveUser_Click()) continue;  // the window stays open
                ws_.screens.close(Closing::SaveWindowShut);
                ws_.notifyChanged();
                return b;
            case SaveWindowButton::No:
            case SaveWindowButton::Close:
                ws_.screens.close(Closing::SaveWindowShut);
                return b;
            case SaveWindowButton::Quit:
                ws_.screens.close(Closing::Quit);
                ws_.programEnded = true;
                return b;
        }
    }
}

bool EmployeeCommands::cmdSaveUser_Click() {
    const std::string name = screens_.saveWindow().txtSaveUser.text;
    if (name.empty() && !ws_.ui.askYesNo(messages::kNameEmptySaveAsDefaults, "Defaults"))
        return false;
    // A save under a new name that fails leaves the employee under the old one, so that
    // no later save writes under a name the operator was told was not saved.
    const std::string before = ws_.records.CurrentUser;
    try {
        checkEmployeeName(name);
        ws_.records.CurrentUser = name;
        files_.saveAllFiles();
    } catch (const NameError& e) {
        ws_.records.CurrentUser = before;
        ws_.ui.message(e.what(), Icon::Warning);  // says what to do already
        return false;
    } catch (const ConversionError& e) {
        ws_.records.CurrentUser = before;
        ws_.ui.message(messages::correctAndSaveAgain(e), Icon::Warning);
        return false;
    } catch (const Error& e) {
        if (!reloadedInstead(e)) ws_.records.CurrentUser = before;
        ws_.ui.message(messages::employeeNotSaved(e), Icon::Warning);
        return false;
    }
    ws_.main.lbUser.caption = ws_.records.CurrentUser;
    ws_.main.caption = name;
    ws_.screens.close(Closing::Saved);
    return true;
}

bool EmployeeCommands::mnuExit_Click() {
    switch (ws_.ui.askYesNoCancel("     SAVE USER'S SETTINGS?", "Save?")) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            // Esc or the close box there is no answer to "save?": the program goes on
            // rather than end with the employee not saved.
            if (showSaveWindow() == SaveWindowButton::Close) return false;
            break;
        case Answer::No:
            break;
    }
    ws_.programEnded = true;
    return true;
}

void EmployeeCommands::mnuNew_Click() {
    if (ws_.ui.askYesNo("........SAVE PREVIOUS USER?", "Save?")) {
        showSaveWindow();
        if (ws_.programEnded) return;
    }
    std::string name = ws_.ui.inputBox("Enter new user:", "File New", "").value_or("");
    try {
        checkEmployeeName(name);
    } catch (const NameError& e) {
        ws_.ui.message(e.what(), Icon::Warning);
        return;
    }
    if (fileExists(ws_.store.file(name, FileKind::Profile))) {
        ws_.ui.message(messages::employeeExists(name));
        return;
    }
    EmployeeRecords& rec = ws_.records;
    ScreenSet& set = ws_.screens;
    rec.CurrentUser = name;
    // A new employee has no files: nothing of the previous one's flags carries over.
    clearStateFlags(rec.state);
    // Forms W-4 filed now are 2020's; a folder that stays in 2015 keeps the older form.
    rec.w4.reset();
    rec.w2.reset();
    try {
        if (ws_.store.loadTaxYearMode() == TaxYearMode::ByWeekEnding) rec.w4 = W4Form{};
    } catch (const ReadError&) {
        // The run names the damaged setting; the employee starts with the older form.
    }
    screens_.saveWindow().txtSaveUser.text = name;
    ws_.main.caption = "  User:  " + name;
    ws_.main.lbUser.caption = name;

    // Each screen's reset runs on a fresh working copy, which then goes.
    screens_.overtimeScreen().ClearAll(rec.ot, rec.profile.weekly());
    set.discard(set.overtime);
    files_.leaveScreen().clearVac();
    set.discard(set.leave);
    runner_.Clear_All();
    rec.ledger.ClearLedger();
    set.discard(set.ledger);
    screens_.taxInfo().ClearAll(rec.profile);
    set.discard(set.taxInfo);
    files_.stateScreen().cmdDefault_Click();
    set.discard(set.state);
    files_.cityScreen().cmdDefault_Click();
    set.discard(set.city);
    runner_.Calcu_late(
        RunSave::None);  // the results match the empty entry; files appear at the first save
}

bool EmployeeCommands::mnuOpen_Click() {
    showSaveWindow();
    if (ws_.programEnded) return false;
    auto chosen = ws_.ui.openFile("Saved Files (*.use)|*.use");
    if (!chosen) return false;  // cancelled: the current employee stays as it was
    return openEmployee(*chosen);
}

void EmployeeCommands::reopen() {
    const std::string name = ws_.records.CurrentUser;
    if (name.empty()) return;  // the defaults: no employee to open
    openEmployee(ws_.store.file(name, FileKind::Profile));
}

bool EmployeeCommands::openListed(const std::string& name) {
    try {
        checkEmployeeName(name);
    } catch (const NameError& e) {
        ws_.ui.message(e.what(), Icon::Warning);
        return false;
    }
    showSaveWindow();
    if (ws_.programEnded) return false;
    return openEmployee(ws_.store.file(name, FileKind::Profile));
}

void EmployeeCommands::loadAll(bool newFolder) {
    files_.LoadEmployee();
    // Older employees may lack a member, read as the defaults: never silently, as their
    // name and number then start empty.
    for (auto [kind, message] : {std::pair{FileKind::Extras, &messages::extrasFileMissing},
                                 std::pair{FileKind::Cafeteria, &messages::cafeteriaFileMissing}}) {
        const std::string file = memberName(ws_.records.CurrentUser, kind);
        if (!ws_.store.readFile(file)) ws_.ui.message(message(file), Icon::Warning);
    }
    files_.LoadLedger();
    // A missing table refuses every run; it is reported here only for a folder that start
    // has not reported on. The open goes on.
    runner_.LoadFedTable(newFolder);
    // A damaged state file stops the open here, so the previous employee is put back
    // whole rather than mixed with this one.
    {
        EmployeeRecords scratch;
        ws_.store.readMember(FileKind::State, ws_.records.CurrentUser, scratch);
    }
    DialogState& s = files_.stateScreen();
    s.CheckFor();
    s.fillVari();
    files_.cityScreen();
    files_.nonCityScreen();
    // A damaged leave file stops the open too; the leave screen is only warned of one.
    const std::string leaveFile = memberName(ws_.records.CurrentUser, FileKind::Leave);
    if (auto hol = ws_.store.readFile(leaveFile)) readLeaveFile(*hol, leaveFile);
    files_.leaveScreen();
    screens_.overtimeScreen().FillInOT(ws_.records.ot, ws_.records.profile.weekly());
}

bool EmployeeCommands::openEmployee(const std::filesystem::path& useFile) {
    std::string fileName = useFile.filename().string();
    std::string name = fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : "";
    try {
        checkEmployeeName(name);
    } catch (const NameError& e) {
        ws_.ui.message(e.what(), Icon::Warning);
        return false;
    }
    const auto folder = useFile.has_parent_path() ? useFile.parent_path() : ws_.store.folder;
    if (!files_.completeInterruptedSave(folder)) return false;

    // Put the previous employee back whole rather than leave half of each.
    const auto beforeFolder = ws_.store.folder;
    const EmployeeRecords before = ws_.records;
    const MainWindow beforeMain = ws_.main;
    ws_.records.ledger.ClearLedger();
    // The employee's files fill a blank employee: what a file does not hold (the flags of a
    // state file it does not have, a member missing) never stays as the previous one's.
    ws_.records.profile = TaxProfile::resetValues();
    ws_.records.extras = EmployeeExtras::newEmployee();
    ws_.records.ot = OvertimeData{};
    clearStateFlags(ws_.records.state);
    ws_.records.CurrentUser = name;
    ws_.store.folder = folder;
    // The save window's name box follows at once, so that no save during the loads
    // writes this employee's values under the previous name.
    screens_.saveWindow().txtSaveUser.text = name;
    ws_.screens.close(Closing::NewEmployee);
    ws_.heldSave.clear();
    try {
        const auto once = ws_.store.readOnce();
        loadAll(folder != beforeFolder);
    } catch (const Error& e) {
        ws_.store.folder = beforeFolder;
        ws_.records = before;
        ws_.main = beforeMain;
        ws_.screens.close(Closing::OpenFailed);
        ws_.ui.message(messages::employeeNotOpened(name, e), Icon::Warning);
        ws_.notifyChanged();
        return false;
    }
    MainWindow& main = ws_.main;
    main.caption = "  User:  " + name;
    main.lbUser.caption = name;
    main.ckLouisPrior.visible = ws_.records.state.LouisFlag == 1;
    FrmTaxInfo& f = screens_.taxInfo();
    f.ckKpPer.value = ws_.records.profile.KPlanPerFlag;
    f.ckKpFix.value = ws_.records.profile.KPlanFixFlag;
    main.lbTaxTag[5].caption = f.txtTax5.text;
    main.lbTaxTag[6].caption = f.txtTax6.text;
    main.lbTaxTag[7].caption = f.txtTax7.text;
    main.lbTaxTag[8].caption = f.txtTax8.text;
    main.lbTaxTag[9].caption = f.txtTax9.text;
    runner_.Clear_All();
    return true;
}

}  // namespace corvella
