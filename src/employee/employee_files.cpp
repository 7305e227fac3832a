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

template <size_t N>
void readRaw(FieldReader& r, std::array<std::string, N>& fields) {
    for (auto& f : fields) f = r.raw();
}

void writeRaw(LineWriter& w, std::span<const std::string> fields) {
    for (const auto& f : fields) w.raw(f);
}

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
    no.OtEarned = r.number();
    no.OtMaxAllowed = r.number();
    no.OtAvailable = r.number();
    no.AnnualSalary = r.number();
    no.ApprovedPercent = r.number();
    no.OtPercent = r.number();
    np.HourRate = r.number();
    np.HourRate2 = r.number();
    np.TipsRate = r.number();
    np.FedExemp = r.text();
    np.FedStatus = r.text();
    np.PensionPct = r.number();
    np.MuniDeduct = r.number();
    np.BondDeduct = r.number();
    np.MiscDeduct = r.number();
    np.DuesDeduct = r.number();
    np.KPlanAmt = r.number();
    np.NonCityFlag = r.integer();
    np.WeeklyFlag = r.integer();
    np.BiWeeklyFlag = r.integer();
    np.DedCaption5 = r.text();
    np.DedCaption6 = r.text();
    np.DedCaption7 = r.text();
    np.DedCaption8 = r.text();
    np.DedCaption9 = r.text();
    wisconApril = r.integer();
    readRaw(r, nx.useReserved);
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
    w.number(ot.OtEarned).integer(0).integer(0).endLine();
    w.number(leadingNumber(annualBox))
        .number(leadingNumber(percentBox))
        .number(twoDecimals(ot.OtPercent))
        .endLine();
    w.number(p.HourRate).number(p.HourRate2).number(p.TipsRate).endLine();
    w.text(p.FedExemp).text(p.FedStatus).number(p.PensionPct).endLine();
    w.number(p.MuniDeduct).number(p.BondDeduct).number(p.MiscDeduct).endLine();
    w.number(p.DuesDeduct).number(p.KPlanAmt).integer(p.NonCityFlag).endLine();
    w.truth(p.WeeklyFlag != 0).truth(p.BiWeeklyFlag != 0).text(p.DedCaption5).endLine();
    w.text(p.DedCaption6).text(p.DedCaption7).text(p.DedCaption8).text(p.DedCaption9).endLine();
    w.integer(s.WisconAprilFlag);
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
    nx.HorzOffset = r.number();
    nx.VertOffset = r.number();
    ns.SpouseFlag = r.integer();
    ns.CalAllow = r.number();
    readRaw(r, nx.andLine2);
    readRaw(r, nx.andLine3);
    readRaw(r, nx.andLine4);
    np.EmpAddress = r.text();
    np.EmpCityStateZip = r.text();
    np.EmpSSN = r.text();
    np.EmpName = r.text();
    readRaw(r, nx.andLine6);
    ns.RoundStateFlag = r.integer();
    ns.UtahFlag = r.integer();
    ns.WisconFlag = r.integer();
    ns.AlabamaFlag = r.integer();
    ns.NCFlag = r.integer();
    readRaw(r, nx.andLine8);
    np.KPlanPerFlag = r.integer();
    np.KPlanFixFlag = r.integer();
    p = std::move(np);
    s = ns;
    x = std::move(nx);
}

std::string writeAndFile(const TaxProfile& p, const StateSettings& s, const EmployeeExtras& x) {
    LineWriter w;
    w.number(x.HorzOffset).number(x.VertOffset).integer(s.SpouseFlag).endLine();
    w.number(s.CalAllow);
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
    w.integer(s.RoundStateFlag)
        .integer(s.UtahFlag)
        .integer(s.WisconFlag)
        .integer(s.AlabamaFlag)
        .endLine();
    w.integer(s.NCFlag);
    writeRaw(w, x.andLine8);
    w.endLine();
    w.integer(p.KPlanPerFlag).integer(p.KPlanFixFlag).endLine();
    return w.bytes();
}

void readCfeFile(const std::string& bytes, const std::string& fileName, TaxProfile& p) {
    FieldReader r(bytes, fileName);
    float amount = r.number();
    int16_t stateFlag = r.integer();
    int16_t selfEmp = r.integer();
    p.CafeAmt = amount;
    p.CafeStateFlag = stateFlag;
    p.SelfEmpFlag = selfEmp;
}

std::string writeCfeFile(const TaxProfile& p) {
    LineWriter w;
    w.number(p.CafeAmt).integer(p.CafeStateFlag).integer(p.SelfEmpFlag).endLine();
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
        // Written as a number, kept as the box's text: a number as it stands, or empty.
        const int line = r.line();
        std::string text = r.raw();
        auto v = strictNumber(text);
        if (!text.empty() && (!v || std::fabs(*v) > FLT_MAX))
            throw ReadError(fileName, line, "\"" + text + "\" is not an overtime amount");
        amount[i] = std::move(text);
    }
    ot.OtWeekEnding = std::move(weekEnding);
    ot.OtAmount = std::move(amount);
}

std::string writeOvertimeFile(const OvertimeData& ot, int rows) {
    const int n = std::clamp(rows, 0, kOtRows);
    LineWriter w;
    for (int i = 0; i < n; ++i) {
        w.text(ot.OtWeekEnding[i]).endLine();
        w.number(leadingNumber(ot.OtAmount[i])).endLine();
    }
    return w.bytes();
}

}  // namespace corvella
