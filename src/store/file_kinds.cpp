#include "store/file_kinds.h"

#include <iterator>
#include <regex>

#include "city/city.h"
#include "employee/company_header.h"
#include "employee/employee_files.h"
#include "federal/federal.h"
#include "federal/tax_year.h"
#include "state/state_file.h"
#include "store/company_file.h"
#include "store/tax_year_mode.h"
#include "store/w2_file.h"
#include "store/w4_file.h"

namespace corvella {

namespace {

StateProfileFields stateFields(const TaxProfile& p) {
    return {p.StateExemp, p.StateStatus, p.FedAddl, p.FedExempFlag, p.SSMediExempFlag};
}

void readProfile(const std::string& b, const std::string& f, EmployeeRecords& r) {
    readUseFile(b, f, r.profile, r.ot, r.state, r.extras);
}
std::string writeProfile(const EmployeeRecords& r, const SaveValues& v) {
    return writeUseFile(r.profile, r.ot, r.state, r.extras, v.annualBox, v.percentBox);
}
void readExtras(const std::string& b, const std::string& f, EmployeeRecords& r) {
    readAndFile(b, f, r.profile, r.state, r.extras);
}
std::string writeExtras(const EmployeeRecords& r, const SaveValues&) {
    return writeAndFile(r.profile, r.state, r.extras);
}
void readCafeteria(const std::string& b, const std::string& f, EmployeeRecords& r) {
    readCfeFile(b, f, r.profile);
}
std::string writeCafeteria(const EmployeeRecords& r, const SaveValues&) {
    return writeCfeFile(r.profile);
}
void readOvertime(const std::string& b, const std::string& f, EmployeeRecords& r) {
    readOvertimeFile(b, f, overtimeRowCount(r.profile.weekly()), r.ot);
}
std::string writeOvertime(const EmployeeRecords& r, const SaveValues&) {
    return writeOvertimeFile(r.ot, overtimeRowCount(r.profile.weekly()));
}

// Read into copies: a damaged file must not leave the settings half replaced.
void readState(const std::string& b, const std::string& f, EmployeeRecords& r) {
    StateSettings state = r.state;
    StateProfileFields pf = stateFields(r.profile);
    readStateFile(b, f, state, pf);
    r.state = std::move(state);
    r.profile.StateExemp = pf.StateExemp;
    r.profile.StateStatus = pf.StateStatus;
    r.profile.FedAddl = pf.FedAddl;
    r.profile.FedExempFlag = pf.FedExempFlag;
    r.profile.SSMediExempFlag = pf.SSMediExempFlag;
}
std::string writeState(const EmployeeRecords& r, const SaveValues&) {
    return writeStateFile(r.state, stateFields(r.profile));
}
void readCity(const std::string& b, const std::string& f, EmployeeRecords& r) {
    CityTable city = r.city;
    readCityFile(b, f, city);
    r.city = std::move(city);
}
std::string writeCity(const EmployeeRecords& r, const SaveValues&) {
    return writeCityFile(r.city);
}
void readNonCity(const std::string& b, const std::string& f, EmployeeRecords& r) {
    NonCityTable nonCity = r.nonCity;
    readNonCityFile(b, f, nonCity);
    r.nonCity = std::move(nonCity);
}
std::string writeNonCity(const EmployeeRecords& r, const SaveValues&) {
    return writeNonCityFile(r.nonCity);
}
void readW4(const std::string& b, const std::string& f, EmployeeRecords& r) {
    r.w4 = readW4File(b, f);
}
std::string writeW4(const EmployeeRecords& r, const SaveValues&) {
    return writeW4File(*r.w4);
}
bool hasW4(const EmployeeRecords& r) {
    return r.w4.has_value();
}
void readW2(const std::string& b, const std::string& f, EmployeeRecords& r) {
    r.w2 = readW2File(b, f);
}
std::string writeW2(const EmployeeRecords& r, const SaveValues&) {
    return writeW2File(*r.w2);
}
bool hasW2(const EmployeeRecords& r) {
    return r.w2.has_value();
}
std::string writeLeave(const EmployeeRecords&, const SaveValues& v) {
    return writeLeaveFile(v.leave);
}

}  // namespace

// The leave balances are the leave screen's working copy, read when it opens; the ledger
// and a saved pay period have commands of their own.
constexpr FileKindRow kFileKinds[12] = {
    {FileKind::Profile, ".use", "", true, true, readProfile, writeProfile, nullptr},
    {FileKind::Extras, ".and", "", true, true, readExtras, writeExtras, nullptr},
    {FileKind::Cafeteria, ".cfe", "", true, true, readCafeteria, writeCafeteria, nullptr},
    {FileKind::Overtime, ".ovw", ".ovb", true, true, readOvertime, writeOvertime, nullptr},
    {FileKind::State, ".sta", "", false, true, readState, writeState, nullptr},
    {FileKind::City, ".cti", "", false, true, readCity, writeCity, nullptr},
    {FileKind::NonCity, ".nci", "", false, true, readNonCity, writeNonCity, nullptr},
    {FileKind::W4, ".w4", "", true, true, readW4, writeW4, hasW4},
    {FileKind::W2, ".w2i", "", true, true, readW2, writeW2, hasW2},
    {FileKind::Leave, ".hol", "", false, true, nullptr, writeLeave, nullptr},
    {FileKind::PayPeriod, ".prv", "", false, false, nullptr, nullptr, nullptr},
    {FileKind::Ledger, ".yrw", ".yrb", false, false, nullptr, nullptr, nullptr},
};

constexpr bool inKindOrder() {
    for (size_t i = 0; i < std::size(kFileKinds); ++i)
        if (static_cast<size_t>(kFileKinds[i].kind) != i) return false;
    return std::size(kFileKinds) == static_cast<size_t>(FileKind::Ledger) + 1;
}
static_assert(inKindOrder(), "one row per kind, in the order of FileKind");

const FileKindRow& fileKind(FileKind kind) {
    return kFileKinds[static_cast<size_t>(kind)];
}

std::string memberName(const std::string& name, FileKind kind, bool weekly) {
    const std::string_view ext = extensionOf(kind, weekly);
    std::string out;
    out.reserve(name.size() + ext.size());
    return out.append(name).append(ext);
}

std::string keptLedgerName(const std::string& name, bool weekly, int year) {
    return memberName(name, FileKind::Ledger, weekly) + "." + std::to_string(year);
}

std::optional<KeptLedger> keptLedgerOf(const std::string& fileName) {
    static const std::regex kept(R"((.+)(\.yr[wb])\.([0-9]{4}))");
    std::smatch m;
    if (!std::regex_match(fileName, m, kept)) return std::nullopt;
    const bool weekly = m[2].str() == extensionOf(FileKind::Ledger, true);
    if (!weekly && m[2].str() != extensionOf(FileKind::Ledger, false)) return std::nullopt;
    return KeptLedger{m[1].str(), weekly, std::stoi(m[3].str())};
}

bool isWrittenFile(const std::string& fileName) {
    // A copy kept aside: "<file>.<tag>-YYYYMMDD-HHMMSS", "-N" added when that was taken.
    static const std::regex kept(R"((.+)\.[a-z]+-[0-9]{8}-[0-9]{6}(-[0-9]+)?)");
    std::smatch m;
    const std::string file = std::regex_match(fileName, m, kept) ? m[1].str() : fileName;
    if (file == kHeaderFileName || file == kFedFileName || file == kTaxYearModeFileName ||
        file == kCompanyFileName || isTaxYearFileName(file) || keptLedgerOf(file))
        return true;
    auto endsWith = [&](std::string_view ext) {
        return !ext.empty() && file.size() >= ext.size() &&
               file.compare(file.size() - ext.size(), ext.size(), ext) == 0;
    };
    for (const FileKindRow& row : kFileKinds)
        if (endsWith(row.ext) || endsWith(row.biWeeklyExt)) return true;
    return endsWith(".xlsx") || endsWith(".pdf");
}

}  // namespace corvella
