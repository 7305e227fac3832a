#include "employee/employee_files.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <span>

#include "common/errors.h"
#include "common/linefile.h"
#include "common/number.h"

// Each reader works on copies and hands them over only when the whole member has been
// read, so a damaged file leaves the records as they were instead of half replaced.

namespace corvella {

namespace {

// OtPercent is kept with two decimals: the "##.##" text of the float, read back as a
// number (the pattern rounds the value as held, halves away from zero).
double twoDecimals(float v) {
    return roundCents(static_cast<double>(v));
}

// Reserved fields, `perLine` to a line after `first` more on the current line.
template <size_t N>
void readRaw(FieldReader& r, std::array<std::string, N>& fields, size_t first = N,
             size_t perLine = N) {
    for (size_t i = 0; i < N; ++i) {
        fields[i] = r.raw();
        if (i + 1 == first || (i + 1 > first && (i + 1 - first) % perLine == 0) || i + 1 == N)
            r.endLine();
    }
}

void writeRaw(LineWriter& w, std::span<const std::string> fields) {
    for (const auto& f : fields) w.raw(f);
}

// What each number and list field may hold, shared by the readers and writers below.
namespace use {
using namespace ranges;
constexpr NumberField kOtEarned{"overtime earned", kYearAmount};
constexpr NumberField kOtMaxAllowed{"overtime allowed", kYearAmount};
constexpr NumberField kOtAvailable{"overtime available", kYearAmount};
constexpr NumberField kAnnualSalary{"annual salary", kYearAmount};
constexpr NumberField kApprovedPercent{"approved percent", kPercent};
constexpr NumberField kOtPercent{"overtime percent", {-1e6, 1e6}};
constexpr NumberField kHourRate{"pay rate 1", kRate};
constexpr NumberField kHourRate2{"pay rate 2", kRate};
constexpr NumberField kTipsRate{"tips rate", kRate};
constexpr ChoiceField kFedExemp{"federal exemptions", choices::kCount};
constexpr ChoiceField kFedStatus{"federal status", choices::kStatus};
constexpr NumberField kPensionPct{"pension percent", kPercent};
constexpr NumberField kMuniDeduct{"credit union deduction", kAmount};
constexpr NumberField kBondDeduct{"bond deduction", kAmount};
constexpr NumberField kMiscDeduct{"misc. deduction", kAmount};
constexpr NumberField kDuesDeduct{"dues deduction", kAmount};
constexpr NumberField kKPlanAmt{"K plan amount or percent", kPositiveAmount};
constexpr NumberField kNonCityFlag{"non-resident flag", kFlag};
constexpr NumberField kWeeklyFlag{"weekly flag", kFlag};
constexpr NumberField kBiWeeklyFlag{"bi-weekly flag", kFlag};
constexpr NumberField kWisconAprilFlag{"Wisconsin flag", kFlag};
}  // namespace use

namespace extras {
using namespace ranges;
// Check print offsets are small whole steps (a typed value outside the list is allowed).
constexpr NumberField kHorzOffset{"horizontal offset", {-1000, 1000}};
constexpr NumberField kVertOffset{"vertical offset", {-1000, 1000}};
constexpr NumberField kSpouseFlag{"Spouse Works flag", kFlag};
constexpr NumberField kCalAllow{"California allowance", kAmount};
constexpr NumberField kRoundStateFlag{"Round State flag", kFlag};
constexpr NumberField kUtahFlag{"Utah flag", kFlag};
constexpr NumberField kWisconFlag{"Wisconsin Prior to 4/1/14 flag", kFlag};
constexpr NumberField kAlabamaFlag{"Alabama flag", kFlag};
constexpr NumberField kNCFlag{"N.C. flag", kFlag};
constexpr NumberField kKPlanPerFlag{"K plan percent flag", kFlag};
constexpr NumberField kKPlanFixFlag{"K plan fixed flag", kFlag};
}  // namespace extras

namespace cafe {
using namespace ranges;
constexpr NumberField kCafeAmt{"cafeteria amount", kAmount};
constexpr NumberField kCafeStateFlag{"cafeteria state flag", kFlag};
constexpr NumberField kSelfEmpFlag{"self-employed flag", kFlag};
}  // namespace cafe

// An overtime row's amount is kept as its box's text; the file holds its number.
constexpr NumberField kOtRowAmount{"overtime amount", ranges::kYearAmount};

}  // namespace

EmployeeExtras EmployeeExtras::newEmployee() {
    EmployeeExtras x;
    x.andLine2.fill("0");
    x.andLine3.fill("0");
    x.andLine4.fill("#FALSE#");
    x.andLine6.fill("\"\"");
    x.andLine8.fill("0");
    return x;
}

void readUseFile(const std::string& bytes, const std::string& fileName, TaxProfile& p,
                 OvertimeData& ot, StateSettings& s, EmployeeExtras& x) {
    TaxProfile np = p;
    OvertimeData no = ot;
    int16_t wisconApril = 0;
    EmployeeExtras nx = x;
    FieldReader r(bytes, fileName);
    no.OtEarned = r.number(use::kOtEarned);
    no.OtMaxAllowed = r.number(use::kOtMaxAllowed);
    no.OtAvailable = r.number(use::kOtAvailable);
    r.endLine();
    no.AnnualSalary = r.number(use::kAnnualSalary);
    no.ApprovedPercent = r.number(use::kApprovedPercent);
    no.OtPercent = r.number(use::kOtPercent);
    r.endLine();
    np.HourRate = r.number(use::kHourRate);
    np.HourRate2 = r.number(use::kHourRate2);
    np.TipsRate = r.number(use::kTipsRate);
    r.endLine();
    np.FedExemp = r.text(use::kFedExemp);
    np.FedStatus = r.text(use::kFedStatus);
    np.PensionPct = r.number(use::kPensionPct);
    r.endLine();
    np.MuniDeduct = r.number(use::kMuniDeduct);
    np.BondDeduct = r.number(use::kBondDeduct);
    np.MiscDeduct = r.number(use::kMiscDeduct);
    r.endLine();
    np.DuesDeduct = r.number(use::kDuesDeduct);
    np.KPlanAmt = r.number(use::kKPlanAmt);
    np.NonCityFlag = r.integer(use::kNonCityFlag);
    r.endLine();
    np.WeeklyFlag = r.integer(use::kWeeklyFlag);
    np.BiWeeklyFlag = r.integer(use::kBiWeeklyFlag);
    np.DedCaption5 = r.text();
    r.endLine();
    np.DedCaption6 = r.text();
    np.DedCaption7 = r.text();
    np.DedCaption8 = r.text();
    np.DedCaption9 = r.text();
    r.endLine();
    wisconApril = r.integer(use::kWisconAprilFlag);
    readRaw(r, nx.useReserved, 3, 4);  // three after the flag, then lines of four
    r.expectEnd();
    p = std::move(np);
    ot = std::move(no);
    s.WisconAprilFlag = wisconApril;
    x = std::move(nx);
}

std::string writeUseFile(const TaxProfile& p, const OvertimeData& ot, const StateSettings& s,
                         const EmployeeExtras& x, const std::string& annualBox,
                         const std::string& percentBox) {
    LineWriter w;
    // The maximum and the amount left are recomputed by the calculator before any use.
    w.number(ot.OtEarned, use::kOtEarned).integer(0).integer(0).endLine();
    w.number(leadingNumber(annualBox), use::kAnnualSalary)
        .number(leadingNumber(percentBox), use::kApprovedPercent)
        .number(twoDecimals(ot.OtPercent), use::kOtPercent)
        .endLine();
    w.number(p.HourRate, use::kHourRate)
        .number(p.HourRate2, use::kHourRate2)
        .number(p.TipsRate, use::kTipsRate)
        .endLine();
    w.text(p.FedExemp, use::kFedExemp)
        .text(p.FedStatus, use::kFedStatus)
        .number(p.PensionPct, use::kPensionPct)
        .endLine();
    w.number(p.MuniDeduct, use::kMuniDeduct)
        .number(p.BondDeduct, use::kBondDeduct)
        .number(p.MiscDeduct, use::kMiscDeduct)
        .endLine();
    w.number(p.DuesDeduct, use::kDuesDeduct)
        .number(p.KPlanAmt, use::kKPlanAmt)
        .integer(p.NonCityFlag, use::kNonCityFlag)
        .endLine();
    w.truth(p.WeeklyFlag != 0).truth(p.BiWeeklyFlag != 0).text(p.DedCaption5).endLine();
    w.text(p.DedCaption6).text(p.DedCaption7).text(p.DedCaption8).text(p.DedCaption9).endLine();
    w.integer(s.WisconAprilFlag, use::kWisconAprilFlag);
    const std::span<const std::string> reserved(x.useReserved);
    writeRaw(w, reserved.first(3));
    w.endLine();
    for (size_t from = 3; from < reserved.size(); from += 4) {
        writeRaw(w, reserved.subspan(from, 4));
        w.endLine();
    }
    return w.bytes();
}

void readAndFile(const std::string& bytes, const std::string& fileName, TaxProfile& p,
                 StateSettings& s, EmployeeExtras& x) {
    TaxProfile np = p;
    StateSettings ns = s;
    EmployeeExtras nx = x;
    FieldReader r(bytes, fileName);
    nx.HorzOffset = r.number(extras::kHorzOffset);
    nx.VertOffset = r.number(extras::kVertOffset);
    ns.SpouseFlag = r.integer(extras::kSpouseFlag);
    r.endLine();
    ns.CalAllow = r.number(extras::kCalAllow);
    readRaw(r, nx.andLine2);
    readRaw(r, nx.andLine3);
    readRaw(r, nx.andLine4);
    np.EmpAddress = r.text();
    np.EmpCityStateZip = r.text();
    np.EmpSSN = r.text();
    r.endLine();
    np.EmpName = r.text();
    readRaw(r, nx.andLine6);
    ns.RoundStateFlag = r.integer(extras::kRoundStateFlag);
    ns.UtahFlag = r.integer(extras::kUtahFlag);
    ns.WisconFlag = r.integer(extras::kWisconFlag);
    ns.AlabamaFlag = r.integer(extras::kAlabamaFlag);
    r.endLine();
    ns.NCFlag = r.integer(extras::kNCFlag);
    readRaw(r, nx.andLine8);
    np.KPlanPerFlag = r.integer(extras::kKPlanPerFlag);
    np.KPlanFixFlag = r.integer(extras::kKPlanFixFlag);
    r.endLine();
    r.expectEnd();
    p = std::move(np);
    s = ns;
    x = std::move(nx);
}

std::string writeAndFile(const TaxProfile& p, const StateSettings& s, const EmployeeExtras& x) {
    LineWriter w;
    w.number(x.HorzOffset, extras::kHorzOffset)
        .number(x.VertOffset, extras::kVertOffset)
        .integer(s.SpouseFlag, extras::kSpouseFlag)
        .endLine();
    w.number(s.CalAllow, extras::kCalAllow);
    writeRaw(w, x.andLine2);
    w.endLine();
    writeRaw(w, x.andLine3);
    w.endLine();
    writeRaw(w, x.andLine4);
    w.endLine();
    w.text(p.EmpAddress).text(p.EmpCityStateZip).text(p.EmpSSN).endLine();
    w.text(p.EmpName);
    writeRaw(w, x.andLine6);
    w.endLine();
    w.integer(s.RoundStateFlag, extras::kRoundStateFlag)
        .integer(s.UtahFlag, extras::kUtahFlag)
        .integer(s.WisconFlag, extras::kWisconFlag)
        .integer(s.AlabamaFlag, extras::kAlabamaFlag)
        .endLine();
    w.integer(s.NCFlag, extras::kNCFlag);
    writeRaw(w, x.andLine8);
    w.endLine();
    w.integer(p.KPlanPerFlag, extras::kKPlanPerFlag)
        .integer(p.KPlanFixFlag, extras::kKPlanFixFlag)
        .endLine();
    return w.bytes();
}

void readCfeFile(const std::string& bytes, const std::string& fileName, TaxProfile& p) {
    FieldReader r(bytes, fileName);
    float amount = r.number(cafe::kCafeAmt);
    int16_t stateFlag = r.integer(cafe::kCafeStateFlag);
    int16_t selfEmp = r.integer(cafe::kSelfEmpFlag);
    r.endLine();
    r.expectEnd();
    p.CafeAmt = amount;
    p.CafeStateFlag = stateFlag;
    p.SelfEmpFlag = selfEmp;
}

std::string writeCfeFile(const TaxProfile& p) {
    LineWriter w;
    w.number(p.CafeAmt, cafe::kCafeAmt)
        .integer(p.CafeStateFlag, cafe::kCafeStateFlag)
        .integer(p.SelfEmpFlag, cafe::kSelfEmpFlag)
        .endLine();
    return w.bytes();
}

void readOvertimeFile(const std::string& bytes, const std::string& fileName, int rows,
                      OvertimeData& ot) {
    const int n = std::clamp(rows, 0, kOtRows);
    auto weekEnding = ot.OtWeekEnding;
    auto amount = ot.OtAmount;
    FieldReader r(bytes, fileName);
    for (int i = 0; i < n; ++i) {
        weekEnding[i] = r.text();
        r.endLine();
        // Written as a number, kept as the box's text as it was written.
        const int line = r.line();
        amount[i] = r.text();
        auto v = strictNumber(amount[i]);
        if (!amount[i].empty() && (!v || !kOtRowAmount.range.contains(*v)))
            throw ReadError(fileName, line, outsideRangeText(kOtRowAmount, amount[i]));
        r.endLine();
    }
    r.expectEnd();
    ot.OtWeekEnding = std::move(weekEnding);
    ot.OtAmount = std::move(amount);
}

std::string writeOvertimeFile(const OvertimeData& ot, int rows) {
    const int n = std::clamp(rows, 0, kOtRows);
    LineWriter w;
    for (int i = 0; i < n; ++i) {
        w.text(ot.OtWeekEnding[i]).endLine();
        w.number(leadingNumber(ot.OtAmount[i]), kOtRowAmount).endLine();
    }
    return w.bytes();
}

}  // namespace corvella
