#include "shell/file_set.h"

#include "city/city.h"
#include "common/errors.h"
#include "common/number.h"
#include "shell/messages.h"
#include "shell/screens.h"
#include "state/state_file.h"

namespace corvella {

namespace {

// A member's file name. (Written out rather than as name + ext: g++ 12 warns falsely on
// that concatenation at -O2.)
std::string member(const std::string& name, std::string_view ext) {
    std::string out;
    out.reserve(name.size() + ext.size());
    out.append(name).append(ext);
    return out;
}

}  // namespace

void FileSet::LoadEmployee() {
    ws_.store.readEmployee(ws_.records);
    screens_.showProfile();
}

void FileSet::SaveEmployee() {
    ws_.store.commit(employeeFileContents());
}

std::vector<FileContent> FileSet::employeeFileContents() {
    TaxProfile& profile = ws_.records.profile;
    const std::string name = screens_.saveWindow().txtSaveUser.text;
    checkEmployeeName(name);
    ws_.records.CurrentUser = name;
    FrmTaxInfo& f = screens_.taxInfo();
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
    OvertimeScreen& o = screens_.overtimeScreen();
    OvertimeData& ot = ws_.records.ot;
    const int rows = overtimeRowCount(profile.weekly());
    for (int i = 0; i < rows; ++i) {
        if (o.txtOT[i].text.empty()) o.txtOT[i].text.assign(1, '0');  // g++ 12 misreads = "0" here
        ot.OtWeekEnding[i] = o.Text1[i].text;
        ot.OtAmount[i] = o.txtOT[i].text;
    }
    if (profile.KPlanPerFlag == 0 && profile.KPlanFixFlag == 0) {
        profile.KPlanPerFlag = 1;
        f.ckKpPer.set(1);
    }
    const StateSettings& state = ws_.records.state;
    const EmployeeExtras& extras = ws_.records.extras;
    std::vector<FileContent> files{
        {member(name, ".use"),
         writeUseFile(profile, ot, state, extras, o.txtAnnual.text, o.txtApPercent.text)},
        {member(name, ".and"), writeAndFile(profile, state, extras)},
        {member(name, ".cfe"), writeCfeFile(profile)},
        {member(name, profile.weekly() ? ".ovw" : ".ovb"), writeOvertimeFile(ot, rows)}};
    if (profile.KPlanPerFlag == 1) {
        f.ckKpPer.set(1);
        profile.KPlanFixFlag = 0;
    } else if (profile.KPlanFixFlag == 1) {
        f.ckKpFix.set(1);
        profile.KPlanPerFlag = 0;
    }
    return files;
}

FileContent FileSet::stateFileContent() {
    const TaxProfile& profile = ws_.records.profile;
    StateProfileFields pf{profile.StateExemp, profile.StateStatus, profile.FedAddl,
                          profile.FedExempFlag, profile.SSMediExempFlag};
    return {member(ws_.records.CurrentUser, ".sta"), writeStateFile(ws_.records.state, pf)};
}

FileContent FileSet::cityFileContent() {
    DialogCity& c = screens_.cityScreen();
    c.CheckFor();
    c.fillVar();
    return {member(ws_.records.CurrentUser, ".cti"), writeCityFile(ws_.records.city)};
}

FileContent FileSet::nonCityFileContent() {
    DialogNonCity& n = screens_.nonCityScreen();
    n.fillEmptyWithDefaults();
    n.fillVar();
    return {member(ws_.records.CurrentUser, ".nci"), writeNonCityFile(ws_.records.nonCity)};
}

void FileSet::saveAllFiles() {
    std::vector<FileContent> files = employeeFileContents();
    files.push_back(
        {member(ws_.records.CurrentUser, ".hol"), writeLeaveFile(screens_.leaveScreen().values())});
    files.push_back(stateFileContent());
    files.push_back(cityFileContent());
    files.push_back(nonCityFileContent());
    ws_.store.commit(files);
}

bool FileSet::completeInterruptedSave(const std::filesystem::path& folder) {
    try {
        completePendingCommit(folder);
    } catch (const Error& e) {
        ws_.ui.message(messages::interruptedSave(folder.string(), e), Icon::Warning);
        return false;
    }
    return true;
}

}  // namespace corvella
