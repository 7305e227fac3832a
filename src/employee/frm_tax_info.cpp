#include "employee/frm_tax_info.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

#include "common/errors.h"
#include "common/exact_decimal.h"
#include "common/number.h"
#include "common/stored_text.h"

namespace corvella {

namespace {

constexpr std::array<std::string_view, 10> kCounts = {"0", "1", "2", "3", "4",
                                                      "5", "6", "7", "8", "9"};
constexpr std::array<std::string_view, 2> kStatuses = {"Single", "Married"};

template <size_t N>
bool inList(const std::array<std::string_view, N>& items, const std::string& text) {
    for (auto item : items)
        if (item == text) return true;
    return false;
}

// The pay run relies on the lists holding one of their items.
template <size_t N>
void checkListItem(const std::array<std::string_view, N>& items, const TextBox& box,
                   const char* name) {
    if (!inList(items, box.text)) throw ConversionError(name, box.text);
}

int16_t stateCount(const TextBox& box) {
    auto v = strictNumber(box.text);
    if (!v || *v != std::floor(*v) || *v < 0 || *v > 9)
        throw ConversionError("cboDepend2", box.text);
    return static_cast<int16_t>(*v);
}

// Lenient reading of an amount box; only a value beyond float range is refused.
float amount(const TextBox& box, const char* name) {
    double v = leadingNumber(box.text);
    if (std::fabs(v) > FLT_MAX) throw ConversionError(name, box.text);
    return static_cast<float>(v);
}

int16_t checkValue(int16_t flag) {
    return flag != 0 ? 1 : 0;
}

void defaultIfEmpty(std::string& field, const char* text) {
    if (field.empty()) field = text;
}

void defaultIfEmpty(TextBox& box, const char* text) {
    if (box.text.empty()) box.text = text;
}

}  // namespace

FrmTaxInfo::FrmTaxInfo() {
    for (TextBox* b :
         {&txtHourRate, &txtHourRate2, &txtTipsRate, &txtFedAddL, &txtPension, &txtKplan, &txtDues,
          &txtBond, &txtMisc, &txtMuni, &txtCafe, &txtW4Step3, &txtW4Step4a, &txtW4Step4b})
        b->numericOnly = true;
    // A change made in code runs the unit handlers just as a click does.
    ckKpFix.onChange = [this] { ckKpFix_Click(); };
    ckKpPer.onChange = [this] { ckKpPer_Click(); };
}

void FrmTaxInfo::load(TaxProfile& p) {
    defaultIfEmpty(p.FedExemp, "0");
    defaultIfEmpty(p.FedStatus, "Single");
    if (p.StateStatus.empty() || p.StateStatus == "0") p.StateStatus = "Single";
    defaultIfEmpty(p.EmpName, "Employee's Name");
    defaultIfEmpty(p.EmpAddress, "Employee's Address for Check");
    defaultIfEmpty(p.EmpCityStateZip, "City, State Zip Code");
    defaultIfEmpty(p.EmpSSN, "Soc Sec #");

    if (p.WeeklyFlag != -1 && p.BiWeeklyFlag != -1) p.WeeklyFlag = -1;
    // The options are one group: weekly wins when a file claims both.
    optWeek.value = p.WeeklyFlag == -1 ? -1 : 0;
    optBiWeek.value = p.WeeklyFlag == -1 ? 0 : -1;

    // Exactly one unit is checked from here on; a value that is neither 0 nor 1 counts
    // as unset.
    if (p.KPlanPerFlag == 1 || p.KPlanFixFlag != 1) {
        p.KPlanPerFlag = 1;
        p.KPlanFixFlag = 0;
    } else {
        p.KPlanPerFlag = 0;
    }
    ckKpPer.set(p.KPlanPerFlag);
    ckKpFix.set(p.KPlanFixFlag);

    txtName.text = p.EmpName;
    txtAddress.text = p.EmpAddress;
    txtStateCityZip.text = p.EmpCityStateZip;
    txtSSnum.text = p.EmpSSN;
    cboDepend.text = p.FedExemp;
    cboStatus.text = p.FedStatus;
    cboDepend2.text = std::to_string(p.StateExemp);
    cboStatus2.text = p.StateStatus;
    txtHourRate.text = floatText(p.HourRate);
    txtHourRate2.text = floatText(p.HourRate2);
    txtTipsRate.text = floatText(p.TipsRate);
    txtFedAddL.text = floatText(p.FedAddl);
    ckFedExemp.set(checkValue(p.FedExempFlag));
    ckSSMediExemp.set(checkValue(p.SSMediExempFlag));
    ckSelfEmp.set(checkValue(p.SelfEmpFlag));
    ckNonCity.set(checkValue(p.NonCityFlag));
    txtPension.text = floatText(p.PensionPct);
    txtKplan.text = floatText(p.KPlanAmt);
    txtDues.text = floatText(p.DuesDeduct);
    txtBond.text = floatText(p.BondDeduct);
    txtMisc.text = floatText(p.MiscDeduct);
    txtMuni.text = floatText(p.MuniDeduct);
    txtCafe.text = floatText(p.CafeAmt);
    ckCafeState.set(checkValue(p.CafeStateFlag));
    txtTax5.text = p.DedCaption5;
    txtTax6.text = p.DedCaption6;
    txtTax7.text = p.DedCaption7;
    txtTax8.text = p.DedCaption8;
    txtTax9.text = p.DedCaption9;

    defaultIfEmpty(txtTax5, "CrUnion");
    defaultIfEmpty(txtTax6, "Bond");
    defaultIfEmpty(txtTax7, "Dues");
    defaultIfEmpty(txtTax8, "Pension");
    defaultIfEmpty(txtTax9, "Health Ins");

    if (leadingNumber(txtHourRate.text) == 0) txtHourRate.text = "7.5";
}

void FrmTaxInfo::store(TaxProfile& p) {
    // Every conversion that can refuse runs before anything is stored.
    checkListItem(kCounts, cboDepend, "cboDepend");
    checkListItem(kStatuses, cboStatus, "cboStatus");
    const int16_t stateExemp = stateCount(cboDepend2);
    checkListItem(kStatuses, cboStatus2, "cboStatus2");
    const float pension = amount(txtPension, "txtPension");
    const float muni = amount(txtMuni, "txtMuni");
    const float bond = amount(txtBond, "txtBond");
    const float misc = amount(txtMisc, "txtMisc");
    const float dues = amount(txtDues, "txtDues");
    const float kplan = amount(txtKplan, "txtKplan");
    const float fedAddl = amount(txtFedAddL, "txtFedAddL");
    const float cafe = amount(txtCafe, "txtCafe");
    const float rate2 = strictFloat(txtHourRate2.text, "txtHourRate2");
    const float tips = strictFloat(txtTipsRate.text, "txtTipsRate");
    const std::string rate1Text = leadingNumber(txtHourRate.text) == 0 ? "7.5" : txtHourRate.text;
    const float rate1 = strictFloat(rate1Text, "txtHourRate");

    p.FedExemp = cboDepend.text;
    p.FedStatus = cboStatus.text;
    p.StateExemp = stateExemp;
    p.StateStatus = cboStatus2.text;

    p.PensionPct = pension;
    p.MuniDeduct = muni;
    p.BondDeduct = bond;
    p.MiscDeduct = misc;
    p.DuesDeduct = dues;
    p.KPlanAmt = kplan;
    p.FedAddl = fedAddl;
    p.CafeAmt = cafe;

    p.FedExempFlag = ckFedExemp.value;
    p.SSMediExempFlag = ckSSMediExemp.value;
    p.SelfEmpFlag = ckSelfEmp.value;
    p.NonCityFlag = ckNonCity.value;
    p.KPlanPerFlag = ckKpPer.value;
    p.KPlanFixFlag = ckKpFix.value;
    p.CafeStateFlag = ckCafeState.value;
    p.WeeklyFlag = optWeek.value;
    p.BiWeeklyFlag = optBiWeek.value;

    p.HourRate2 = rate2;
    p.TipsRate = tips;

    p.EmpAddress = txtAddress.text;
    p.EmpCityStateZip = txtStateCityZip.text;
    p.EmpSSN = txtSSnum.text;
    p.EmpName = txtName.text;
    p.DedCaption5 = txtTax5.text;
    p.DedCaption6 = txtTax6.text;
    p.DedCaption7 = txtTax7.text;
    p.DedCaption8 = txtTax8.text;
    p.DedCaption9 = txtTax9.text;

    txtHourRate.text = rate1Text;
    p.HourRate = rate1;
}

void FrmTaxInfo::show(TaxProfile& p) {
    txtHourRate.text = floatText(p.HourRate);
    txtHourRate2.text = floatText(p.HourRate2);
    txtTipsRate.text = floatText(p.TipsRate);
    txtPension.text = floatText(p.PensionPct);
    txtMuni.text = floatText(p.MuniDeduct);
    txtBond.text = floatText(p.BondDeduct);
    txtMisc.text = floatText(p.MiscDeduct);
    txtDues.text = floatText(p.DuesDeduct);
    txtKplan.text = floatText(p.KPlanAmt);
    txtCafe.text = floatText(p.CafeAmt);
    cboDepend.text = p.FedExemp;
    cboStatus.text = p.FedStatus;
    ckNonCity.set(p.NonCityFlag);
    ckCafeState.set(p.CafeStateFlag);
    ckSelfEmp.set(p.SelfEmpFlag);
    ckKpFix.set(p.KPlanFixFlag);
    ckKpPer.set(p.KPlanPerFlag);
    optWeek.value = p.WeeklyFlag;
    optBiWeek.value = p.BiWeeklyFlag;
    txtAddress.text = p.EmpAddress;
    txtStateCityZip.text = p.EmpCityStateZip;
    txtSSnum.text = p.EmpSSN;
    txtName.text = p.EmpName;
    txtTax5.text = p.DedCaption5;
    txtTax6.text = p.DedCaption6;
    txtTax7.text = p.DedCaption7;
    txtTax8.text = p.DedCaption8;
    txtTax9.text = p.DedCaption9;
    p.CafeStateFlag = ckCafeState.value;
    p.SelfEmpFlag = ckSelfEmp.value;
    p.NonCityFlag = ckNonCity.value;
}

void FrmTaxInfo::showStateFields(const TaxProfile& p) {
    cboDepend2.text = std::to_string(p.StateExemp);
    cboStatus2.text = p.StateStatus;
    txtFedAddL.text = floatText(p.FedAddl);
    ckFedExemp.set(p.FedExempFlag);
    ckSSMediExemp.set(p.SSMediExempFlag);
}

void FrmTaxInfo::takeForSave(TaxProfile& p) {
    const float rate1 = strictFloat(txtHourRate.text, "txtHourRate");
    const float rate2 = strictFloat(txtHourRate2.text, "txtHourRate2");
    const float tips = strictFloat(txtTipsRate.text, "txtTipsRate");
    p.HourRate = rate1;
    p.HourRate2 = rate2;
    p.TipsRate = tips;
    if (p.WeeklyFlag != -1 && p.BiWeeklyFlag != -1) {
        p.WeeklyFlag = -1;
        optWeek.value = -1;
        optBiWeek.value = 0;
    }
    if (p.KPlanPerFlag == 0 && p.KPlanFixFlag == 0) {
        p.KPlanPerFlag = 1;
        ckKpPer.set(1);
    }
}

void FrmTaxInfo::settleKPlanUnit(TaxProfile& p) {
    if (p.KPlanPerFlag == 1) {
        ckKpPer.set(1);
        p.KPlanFixFlag = 0;
    } else if (p.KPlanFixFlag == 1) {
        ckKpFix.set(1);
        p.KPlanPerFlag = 0;
    }
}

void FrmTaxInfo::showW4(const std::optional<W4Form>& w4) {
    const W4Form f = w4.value_or(W4Form{.version = W4Form::Version::Before2020});
    cboW4Version.text = kW4Versions[static_cast<size_t>(f.version)];
    cboW4Status.text = kW4Statuses[static_cast<size_t>(f.status)];
    ckW4Step2.set(f.step2 ? 1 : 0);
    txtW4Step3.text = centsText(f.step3Cents);
    txtW4Step4a.text = centsText(f.step4aCents);
    txtW4Step4b.text = centsText(f.step4bCents);
    cboW4Version_Click();
}

void FrmTaxInfo::cboW4Version_Click() {
    const bool from2020 = cboW4Version.text != kW4Versions[0];
    cboW4Status.enabled = ckW4Step2.enabled = from2020;
    txtW4Step3.enabled = txtW4Step4a.enabled = txtW4Step4b.enabled = from2020;
}

namespace {

int64_t w4Amount(const TextBox& box, const char* control, const NumberField& f) {
    const std::string& text = box.text;
    if (text.find_first_not_of(' ') == std::string::npos) return 0;
    const ScaledDecimal v = parseScaled(text, kCentDecimals);
    if (v.problem == ScaledDecimal::Problem::NotANumber)
        throw ConversionError(control, text, "is not an amount in dollars and cents");
    if (v.problem == ScaledDecimal::Problem::TooManyDecimals)
        throw ConversionError(control, text, "has more than two decimals");
    if (v.value < 0) throw ConversionError(control, text, "is below zero; enter 0 or more");
    if (v.problem != ScaledDecimal::Problem::None || !scaledWithin(v.value, kCentDecimals, f.range))
        throw ConversionError(control, text,
                              "is larger than any real amount (" + doubleText(f.range.hi) + ")");
    return v.value;
}

template <size_t N>
size_t listIndex(const std::string& text, const std::string_view (&list)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (text == list[i]) return i;
    return 0;  // the lists' boxes hold only their texts
}

}  // namespace

std::optional<W4Form> FrmTaxInfo::takeW4(const std::optional<W4Form>& before) const {
    W4Form f;
    f.version = static_cast<W4Form::Version>(listIndex(cboW4Version.text, kW4Versions));
    f.status = static_cast<W4Form::Status>(listIndex(cboW4Status.text, kW4Statuses));
    f.step2 = ckW4Step2.checked();
    f.step3Cents = w4Amount(txtW4Step3, "txtW4Step3", w4_fields::kStep3);
    f.step4aCents = w4Amount(txtW4Step4a, "txtW4Step4a", w4_fields::kStep4a);
    f.step4bCents = w4Amount(txtW4Step4b, "txtW4Step4b", w4_fields::kStep4b);
    if (f.version == W4Form::Version::Before2020) {
        if (!before) return std::nullopt;
        f = W4Form{.version = W4Form::Version::Before2020};  // its figures are the profile's
    }
    return f;
}

void FrmTaxInfo::showW2(const std::optional<W2Facts>& w2) {
    const W2Facts f = w2.value_or(W2Facts{});
    txtW2First.text = f.first;
    txtW2Middle.text = f.middle;
    txtW2Last.text = f.last;
    txtW2Suffix.text = f.suffix;
    txtW2State.text = f.state;
    txtW2Locality.text = f.locality;
    ckW2Statutory.set(f.statutory ? 1 : 0);
    ckW2Retirement.set(f.retirementPlan ? 1 : 0);
    ckW2ThirdPartySick.set(f.thirdPartySick ? 1 : 0);
}

namespace {

const std::string& w2Text(const TextBox& box, const char* control) {
    if (auto problem = storedTextProblem(box.text))
        throw ConversionError(control, box.text, *problem);
    return box.text;
}

}  // namespace

std::optional<W2Facts> FrmTaxInfo::takeW2(const std::optional<W2Facts>& before) const {
    W2Facts f;
    f.first = w2Text(txtW2First, "txtW2First");
    f.middle = w2Text(txtW2Middle, "txtW2Middle");
    if (auto problem = middleInitialProblem(f.middle))
        throw ConversionError("txtW2Middle", f.middle, *problem);
    f.last = w2Text(txtW2Last, "txtW2Last");
    f.suffix = w2Text(txtW2Suffix, "txtW2Suffix");
    // Typed as "oh" it is still Ohio.
    f.state = w2Text(txtW2State, "txtW2State");
    for (char& c : f.state)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (auto problem = stateLettersProblem(f.state))
        throw ConversionError("txtW2State", txtW2State.text, *problem);
    f.locality = w2Text(txtW2Locality, "txtW2Locality");
    f.statutory = ckW2Statutory.checked();
    f.retirementPlan = ckW2Retirement.checked();
    f.thirdPartySick = ckW2ThirdPartySick.checked();
    if (!before && f == W2Facts{}) return std::nullopt;
    return f;
}

void FrmTaxInfo::ClearAll(TaxProfile& p) {
    p = TaxProfile::resetValues();
    cboDepend.text = "0";
    cboDepend2.text = "0";
    cboStatus.text = "Single";
    cboStatus2.text = "Single";
    optWeek.value = -1;
    optBiWeek.value = 0;
    ckKpPer.set(1);
    ckKpFix.set(0);
    ckSelfEmp.set(0);
    ckFedExemp.set(0);
    ckSSMediExemp.set(0);
    ckNonCity.set(0);
    ckCafeState.set(0);
    for (TextBox* b : {&txtPension, &txtKplan, &txtDues, &txtBond, &txtMisc, &txtMuni, &txtCafe,
                       &txtHourRate2, &txtTipsRate, &txtFedAddL})
        b->text = "0";
    txtHourRate.text = "7.5";  // the profile's rate stays 0 until the screen is stored
    txtName.text = p.EmpName;
    txtAddress.text = p.EmpAddress;
    txtStateCityZip.text = p.EmpCityStateZip;
    txtSSnum.text = p.EmpSSN;
    txtTax5.text = "CrUnion";
    txtTax6.text = "Bond";
    txtTax7.text = "Dues";
    txtTax8.text = "Pension";
    txtTax9.text = "Misc.";
    p.DedCaption5 = txtTax5.text;
    p.DedCaption6 = txtTax6.text;
    p.DedCaption7 = txtTax7.text;
    p.DedCaption8 = txtTax8.text;
    p.DedCaption9 = txtTax9.text;
}

void FrmTaxInfo::ckKpFix_Click() {
    if (ckKpFix.checked()) ckKpPer.set(0);
}

void FrmTaxInfo::ckKpPer_Click() {
    if (ckKpPer.checked()) ckKpFix.set(0);
}

}  // namespace corvella
