#include "shell/file_set.h"

#include "common/errors.h"
#include "shell/messages.h"

namespace corvella {

void FileSet::LoadEmployee() {
    ws_.store.readEmployee(ws_.records);
    screens_.showProfile();
}

void FileSet::LoadStateFile(DialogState& s, bool defaults) {
    EmployeeRecords& r = ws_.records;
    // The defaults are the files under the empty name.
    const std::string name = defaults ? "" : r.CurrentUser;
    bool read = false;
    try {
        read = ws_.store.readMember(FileKind::State, name, r);
    } catch (const ReadError&) {
        ws_.ui.message(corruptedFileMessage(memberName(name, FileKind::State)), Icon::Warning);
        return;
    }
    // Without a state file of its own, the flags that file would hold start unchecked
    // rather than as the previous employee's; those of the employee's other files stay
    // as they were read.
    if (!read && !defaults) clearStateFileFlags(r.state);
    screens_.showStateFile(s, read);
}

DialogState& FileSet::stateScreen() {
    if (ws_.screens.state) return *ws_.screens.state;
    DialogState& s = screens_.newStateScreen();
    LoadStateFile(s);
    // The screen's load sequence reads the employee again, for the profile screen.
    try {
        LoadEmployee();
    } catch (const ReadError& e) {
        ws_.ui.message(corruptedFileMessage(e.file), Icon::Warning);
    }
    screens_.finishStateScreen(s);
    return s;
}

namespace {

// Reads a member into the records; a damaged file is reported and remembered, so that the
// first write over it moves it aside. True when the file was read.
bool readReported(Workspace& ws, FileKind kind) {
    const std::string file = memberName(ws.records.CurrentUser, kind);
    try {
        const bool read = ws.store.readMember(kind, ws.records);
        if (read) ws.store.damaged.erase(file);
        return read;
    } catch (const ReadError&) {
        ws.store.damaged.insert(file);
        ws.ui.message(corruptedFileMessage(file) + messages::damagedFileWillBeKept(file),
                      Icon::Warning);
        return false;
    }
}

}  // namespace

DialogCity& FileSet::cityScreen() {
    if (ws_.screens.city) return *ws_.screens.city;
    return screens_.newCityScreen(readReported(ws_, FileKind::City));
}

DialogNonCity& FileSet::nonCityScreen() {
    if (ws_.screens.nonCity) return *ws_.screens.nonCity;
    return screens_.newNonCityScreen(readReported(ws_, FileKind::NonCity));
}

LeaveScreen& FileSet::leaveScreen() {
    if (ws_.screens.leave) return *ws_.screens.leave;
    const std::string& name = ws_.records.CurrentUser;
    std::optional<LeaveBalances> read;
    try {
        const std::string file = memberName(name, FileKind::Leave);
        if (auto bytes = ws_.store.readFile(file)) read = readLeaveFile(*bytes, file);
    } catch (const ReadError& e) {
        ws_.ui.message(messages::fileDamaged(e,
                                             "The balances were not read from it; saving "
                                             "them replaces it with what is shown."),
                       Icon::Warning);
    }
    return screens_.newLeaveScreen(read);
}

void FileSet::SaveEmployee() {
    ws_.store.commit(employeeFileContents());
}

void FileSet::takeEmployeeScreens() {
    const std::string name = screens_.saveWindow().txtSaveUser.text;
    checkEmployeeName(name);
    ws_.records.CurrentUser = name;
    TaxProfile& profile = ws_.records.profile;
    screens_.taxInfo().takeForSave(profile);
    ws_.records.w4 = screens_.taxInfo().takeW4(ws_.records.w4);
    ws_.records.w2 = screens_.taxInfo().takeW2(ws_.records.w2);
    OvertimeScreen& o = screens_.overtimeScreen();
    OvertimeData& ot = ws_.records.ot;
    for (int i = 0; i < overtimeRowCount(profile.weekly()); ++i) {
        if (o.txtOT[i].text.empty()) o.txtOT[i].text.assign(1, '0');  // g++ 12 misreads = "0" here
        ot.OtWeekEnding[i] = o.Text1[i].text;
        ot.OtAmount[i] = o.txtOT[i].text;
    }
}

SaveValues FileSet::saveValues(bool withLeave) {
    const OvertimeScreen& o = screens_.overtimeScreen();
    SaveValues v{o.txtAnnual.text, o.txtApPercent.text, {}};
    if (withLeave) v.leave = leaveScreen().values();
    return v;
}

FileContent FileSet::content(FileKind kind, const SaveValues& v) const {
    const EmployeeRecords& r = ws_.records;
    return {memberName(r.CurrentUser, kind, r.profile.weekly()), fileKind(kind).write(r, v)};
}

std::vector<FileContent> FileSet::employeeFileContents() {
    takeEmployeeScreens();
    const SaveValues v = saveValues(false);
    std::vector<FileContent> files;
    for (const FileKindRow& row : kFileKinds)
        if (row.employee && (!row.held || row.held(ws_.records)))
            files.push_back(content(row.kind, v));
    screens_.taxInfo().settleKPlanUnit(ws_.records.profile);
    return files;
}

FileContent FileSet::stateFileContent() {
    return content(FileKind::State, {});
}

void FileSet::takeCityScreen() {
    DialogCity& c = cityScreen();
    c.CheckFor();
    c.fillVar();
}

void FileSet::takeNonCityScreen() {
    DialogNonCity& n = nonCityScreen();
    n.fillEmptyWithDefaults();
    n.fillVar();
}

FileContent FileSet::cityFileContent() {
    takeCityScreen();
    return content(FileKind::City, {});
}

FileContent FileSet::nonCityFileContent() {
    takeNonCityScreen();
    return content(FileKind::NonCity, {});
}

std::vector<FileContent> FileSet::allFileContents() {
    std::vector<FileContent> files = employeeFileContents();
    const SaveValues v = saveValues(true);
    takeCityScreen();
    takeNonCityScreen();
    for (const FileKindRow& row : kFileKinds)
        if (row.fullSave && !row.employee) files.push_back(content(row.kind, v));
    return files;
}

bool FileSet::completeInterruptedSave(const std::filesystem::path& folder) {
    if (ws_.store.settled && folder == ws_.store.folder) return true;
    try {
        completePendingCommit(folder, isWrittenFile);
    } catch (const Error& e) {
        ws_.ui.message(messages::interruptedSave(folder.string(), e), Icon::Warning);
        return false;
    }
    return true;
}

}  // namespace corvella
