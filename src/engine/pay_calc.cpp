#include "engine/pay_calc.h"

#include <cmath>

#include "city/city.h"
#include "common/errors.h"
#include "common/format.h"
#include "engine/special_states.h"
#include "federal/federal.h"
#include "federal/withholding.h"
#include "state/state_tax.h"

namespace corvella {

namespace {

Currency cur(float v) {
    return Currency::fromDouble(v);
}

// The numeric value of a box that has passed the checks: empty text counts 0.
float boxFloat(const std::string& text) {
    auto v = strictNumber(text);
    return v ? static_cast<float>(*v) : 0.0f;
}

std::string comma(float v) {
    return format(v, Pattern::Comma2);
}

// No period has more hours or dollars than this; far larger figures are typing errors
// and would overflow the exact currency sums.
constexpr double kLargestEntry = 1e6;

}  // namespace

float overtimePay(float otVar, float otHrs, float rate) {
    return static_cast<float>(static_cast<double>(otVar * rate) +
                              static_cast<double>(rate) * (otHrs * 1.5));
}

std::optional<PayRunRefusal> checkPayRunInputs(const std::array<std::string, 8>& amounts,
                                               const std::string& txtStateAdj,
                                               const std::string& txtCalAllow) {
    using Kind = PayRunRefusal::Kind;
    for (int i = 0; i < 8; ++i) {
        const std::string& t = amounts[static_cast<size_t>(i)];
        if (leadingNumber(t) == 0) continue;  // shown as "0" and taken as 0
        auto v = strictNumber(t);
        if (!v) return PayRunRefusal{Kind::NotANumber, i, "", t};
        if (std::abs(*v) > kLargestEntry) return PayRunRefusal{Kind::TooLarge, i, "", t};
    }
    const std::pair<const std::string*, const char*> stateBoxes[] = {{&txtStateAdj, "txtStateAdj"},
                                                                     {&txtCalAllow, "txtCalAllow"}};
    for (auto [text, name] : stateBoxes) {
        if (text->empty()) continue;  // filled with "0" by the run
        auto v = strictNumber(*text);
        if (!v || std::abs(*v) > kLargestEntry)
            return PayRunRefusal{v ? Kind::TooLarge : Kind::NotANumber, -1, name, *text};
    }
    return std::nullopt;
}

namespace {

// Social Security's wage base and rate and Medicare's rate: the year's, or 2015's.
struct PayrollRates {
    double socSecBase, socSecRate, mediRate;
};

PayrollRates payrollRates(const PayRunContext& c) {
    if (!c.in.year) return {kSocSecBase, kSocSecRate, kMediRate};
    const TaxYear& y = *c.in.year;
    return {static_cast<double>(y.socialSecurityWageBaseCents) / 100,
            static_cast<double>(y.socialSecurityRateMillionths) / 1e6,
            static_cast<double>(y.medicareRateMillionths) / 1e6};
}

// A float amount as whole cents, as its caption shows it.
int64_t centsOf(double v) {
    return std::llround(v * 100);
}

}  // namespace

void GetSocSec(PayRunContext& c) {
    PayRun& r = c.run;
    const TaxProfile& p = c.profile;
    const PayrollRates rates = payrollRates(c);
    const Currency base = Currency::fromDouble(rates.socSecBase);
    const Currency ytd = c.in.YtdWages + cur(r.GrossPay) - cur(r.CafeDeduct);
    const float socSecYtd = ytd.toFloat();
    const float socSecRoom = (base - ytd).toFloat();
    if (socSecRoom >= 0) {
        float wages = r.GrossPay - r.CafeDeduct - p.MiscDeduct;
        r.SocSecTax = static_cast<float>(wages * rates.socSecRate);
        if (r.SocSecTax > 0 && p.SelfEmpFlag == 1)
            r.SocSecTax = static_cast<float>((r.GrossPay - r.CafeDeduct) * (2 * rates.socSecRate));
    } else {
        r.SocSecTax = 0;
    }
    if (socSecYtd > rates.socSecBase && c.in.YtdWages < base) {
        double room = (base - c.in.YtdWages).toDouble();
        r.SocSecTax = static_cast<float>(room * rates.socSecRate);
        if (r.SocSecTax > 0 && p.SelfEmpFlag == 1)
            r.SocSecTax = static_cast<float>(room * (2 * rates.socSecRate));
    }
}

void GetMedicare(PayRunContext& c) {
    PayRun& r = c.run;
    float wages = r.GrossPay - c.profile.MiscDeduct - r.CafeDeduct;
    r.MediTax = static_cast<float>(wages * payrollRates(c).mediRate);
    if (c.profile.SelfEmpFlag == 1) r.MediTax = r.MediTax * 2;
    r.AddlMediTax = 0;
    // Withheld from employees only: the self-employed settle it on their return.
    if (!c.in.year || c.profile.SelfEmpFlag == 1) return;
    try {
        r.AddlMediTax =
            static_cast<float>(static_cast<double>(additionalMedicareCents(
                                   *c.in.year, centsOf(wages), centsOf(c.in.YtdWages.toDouble()))) /
                               100);
    } catch (const RangeError&) {
        r.AddlMediTax = NAN;  // wages no ledger holds: the run is refused as unsound
    }
    r.MediTax += r.AddlMediTax;
}

namespace {

// One of SDI or SUI: by rate up to the annual wage base, or a flat amount per period.
float contribution(bool useBase, float rate, float wageBase, Currency ytd, float gross,
                   float ytdWithGross) {
    if (!useBase) return wageBase;
    if (ytd.toDouble() >= static_cast<double>(wageBase)) return 0;
    float tax = static_cast<float>(static_cast<double>(rate) * 0.01 * gross);
    if (ytdWithGross > wageBase) {
        double room = (cur(wageBase) - ytd).toDouble();
        tax = static_cast<float>(room * rate * 0.01);
    }
    return tax;
}

}  // namespace

void GetSDI_SUI(PayRunContext& c) {
    PayRun& r = c.run;
    StateSettings& s = c.state;
    s.StateAddl = boxFloat(c.in.txtStateAdj);
    s.CalAllow = boxFloat(c.in.txtCalAllow);
    r.SdiYtdWages = (c.in.YtdWages + cur(r.GrossPay)).toFloat();
    r.SuiYtdWages = r.SdiYtdWages;
    r.SdiTax = contribution(c.in.useSdiBase, s.SdiRate, s.SdiWageBase, c.in.YtdWages, r.GrossPay,
                            r.SdiYtdWages);
    r.SuiTax = contribution(c.in.useSuiBase, s.SuiRate, s.SuiWageBase, c.in.YtdWages, r.GrossPay,
                            r.SuiYtdWages);
}

namespace {

void stateStep(PayRunContext& c) {
    for (SpecialState s : kSpecialStateOrder)
        if (c.in.isChecked(s)) runSpecialStateTax(s, c);
    bool builtIn = false;
    for (SpecialState s : kSpecialStateOrder)
        if (s != SpecialState::Missouri && c.in.isChecked(s)) builtIn = true;
    if (!builtIn) {
        StateTaxInput in;
        in.StateWages = c.run.StateWages;
        in.StateAllowance = c.run.StateAllowance;
        in.CafeStateDeduct = c.run.CafeStateDeduct;
        in.StateStatus = c.profile.StateStatus;
        in.biWeeklySelected = c.in.optBiWeek;
        in.weeklySelected = c.in.optWeek;
        GetState(c.state, in, c.run.StateTax, c.run.StateTaxable);
    }
}

}  // namespace

void finishPayRun(PayRunContext& c) {
    PayRun& r = c.run;
    PayResult& m = c.result;
    const TaxProfile& p = c.profile;
    m.Label13 = r.StateWages != 0 ? format(r.GrossPay, Pattern::Dollar2) : "";
    r.FedTax = roundCents(r.FedTax + p.FedAddl);
    m.MuniDeduct = p.MuniDeduct;
    m.BondDeduct = p.BondDeduct;
    m.DuesDeduct = p.DuesDeduct;
    m.MiscDeduct = p.MiscDeduct;
    for (float* v :
         {&r.SocSecTax, &r.MediTax, &r.CityTax, &m.MuniDeduct, &m.BondDeduct, &m.DuesDeduct,
          &r.PensionDeduct, &m.MiscDeduct, &r.KPlanDeduct, &r.SdiTax, &r.SuiTax, &r.CafeDeduct})
        *v = roundCents(*v);
    if (p.FedExempFlag == 1) r.FedTax = 0;
    r.StateTax = roundCents(r.StateTax + c.state.StateAddl);
    if (m.roundState) r.StateTax = roundDollarsEven(r.StateTax);
    if (r.StateTax < 0) r.StateTax = 0;

    const float shown[11] = {r.FedTax,        r.SocSecTax,  r.MediTax,    r.StateTax,
                             r.CityTax,       m.MuniDeduct, m.BondDeduct, m.DuesDeduct,
                             r.PensionDeduct, m.MiscDeduct, r.KPlanDeduct};
    for (int i = 0; i < 11; ++i) m.lbTaxDed[static_cast<size_t>(i)] = comma(shown[i]);
    m.lbSDI = comma(r.SdiTax);
    m.lbSUI = comma(r.SuiTax);
    m.lbCafe = comma(r.CafeDeduct);

    m.TaxDeduct = static_cast<double>(r.StateTax) + r.FedTax + r.SdiTax + r.SuiTax + r.CityTax +
                  r.MediTax + r.SocSecTax;
    m.TotDeduct = m.BondDeduct + m.MuniDeduct + m.MiscDeduct + m.DuesDeduct + r.KPlanDeduct +
                  r.PensionDeduct + r.CafeDeduct;
    // Tips were received in cash: taxed as gross pay, not paid again.
    r.NetPay = static_cast<float>(static_cast<double>(r.GrossPay) -
                                  (static_cast<double>(m.TotDeduct) + m.TaxDeduct) - m.TipsPay);

    m.lbTaxes = format(m.TaxDeduct, Pattern::Dollar2);
    m.lbDeduct = format(m.TotDeduct, Pattern::Dollar2);
    m.lbNet = format(r.NetPay, Pattern::Dollar2);
    m.lbOverT = format(m.TotalOt, Pattern::Dollar2);
    m.lbTips = format(m.TotalTips, Pattern::Dollar2);
    for (auto& t : m.txtAmount)
        if (leadingNumber(t) == 0) t.clear();
    m.StateAddl = c.state.StateAddl;
    m.CalAllow = c.state.CalAllow;
}

namespace {

// The federal withholding of a year after 2019 by its worksheet, before the extra amount
// (the run adds the profile's, as for 2015). `allowances` is the profile's count when it
// reads as one.
float yearWithholding(const PayRunContext& c, std::optional<double> allowances) {
    const TaxProfile& p = c.profile;
    W4Form w4 = c.in.w4;
    if (w4.version == W4Form::Version::Before2020) {
        const bool counts = allowances && *allowances >= 0 && *allowances <= 9 &&
                            *allowances == static_cast<int>(*allowances);
        w4.allowances = counts ? static_cast<int>(*allowances) : 0;
        w4.married = p.FedStatus == "Married";
    }
    const TaxYear& y = *c.in.year;
    try {
        const int64_t cents = withholdingCents(
            y, centsOf(c.run.FedWages), p.biWeekly() ? y.periodsBiWeekly : y.periodsWeekly, w4, 0);
        return static_cast<float>(static_cast<double>(cents) / 100);
    } catch (const RangeError&) {
        return NAN;  // wages no ledger holds: the run is refused as unsound
    }
}

void runAll(PayRunContext& c) {
    PayResult& m = c.result;
    PayRun& r = c.run;
    const TaxProfile& p = c.profile;

    r.CafeDeduct = c.in.CafeAmt;
    m.roundState = c.in.roundState;
    m.PayRate = p.HourRate != 0 ? p.HourRate : c.in.DefaultPayRate;
    m.chrsin = m.PayRate;
    m.txtAmount = c.in.txtAmount;
    for (auto& t : m.txtAmount)
        if (leadingNumber(t) == 0) t.assign(1, '0');  // g++ 12 misreads = "0" here
    m.StrHrs = boxFloat(m.txtAmount[0]);
    m.StrHrs2 = boxFloat(m.txtAmount[1]);
    m.OtVar = boxFloat(m.txtAmount[2]);
    m.OtHrs = boxFloat(m.txtAmount[3]);
    m.Avas = boxFloat(m.txtAmount[4]);
    m.VacDys = boxFloat(m.txtAmount[5]);
    m.Addit = Currency::fromDouble(strictNumber(m.txtAmount[6]).value_or(0));
    m.TipsHrs = boxFloat(m.txtAmount[7]);

    // Allowances: a count outside 0..9 or another status finds no entry and counts 0,
    // so that no run takes over (and doubles again) an earlier run's amount.
    r.FedAllowance = 0;
    auto count = strictNumber(p.FedExemp);
    if (count && *count >= 0 && *count <= 9 && *count == static_cast<int>(*count)) {
        int n = static_cast<int>(*count);
        if (p.FedStatus == "Single") r.FedAllowance = c.fed.FedAllowSingle[n];
        if (p.FedStatus == "Married") r.FedAllowance = c.fed.FedAllowMarried[n];
    }
    r.StateAllowance = r.CityAllowance = 0;
    if (p.StateExemp >= 0 && p.StateExemp <= 9) {
        int n = p.StateExemp;
        if (p.StateStatus == "Single") {
            r.StateAllowance = c.state.StateSgExp[n];
            r.CityAllowance = c.city.CitySgExp[n];
        } else if (p.StateStatus == "Married") {
            r.StateAllowance = c.state.StateMarExp[n];
            r.CityAllowance = c.city.CityMarExp[n];
        }
    }

    if (!c.in.opt1x) m.OtVar = m.OtVar * 2;
    const float rate = m.PayRate;
    m.RegPay1 = m.StrHrs * rate;
    m.RegPay2 = p.HourRate2 * m.StrHrs2;
    m.TipsPay = p.TipsRate * m.TipsHrs;
    m.TotalOt = overtimePay(m.OtVar, m.OtHrs, rate);
    m.TotalTips = p.TipsRate * m.TipsHrs;

    // Gross pay: five parts each rounded to currency, added exactly.
    const double straight =
        static_cast<double>(p.HourRate2) * m.StrHrs2 + static_cast<double>(m.StrHrs) * rate +
        static_cast<double>(rate) * (m.OtHrs * 1.5) + static_cast<double>(m.Avas) * rate;
    Currency gross = Currency::fromDouble(straight) + m.Addit +
                     Currency::fromDouble(static_cast<double>(m.OtVar) * rate) +
                     Currency::fromDouble(static_cast<double>(rate) * m.VacDys) +
                     Currency::fromDouble(static_cast<double>(p.TipsRate) * m.TipsHrs);
    r.GrossPay = gross.toFloat();

    r.KPlanDeduct = p.KPlanPerFlag == 1
                        ? static_cast<float>(static_cast<double>(p.KPlanAmt) * 0.01 * r.GrossPay)
                        : p.KPlanAmt;
    r.PensionDeduct = static_cast<float>(static_cast<double>(p.PensionPct) * 0.01 * r.GrossPay);
    r.StateWages = r.GrossPay - p.MiscDeduct - r.KPlanDeduct;
    if (p.biWeekly()) r.FedAllowance = r.FedAllowance * 2;  // the table holds weekly amounts
    if (c.in.year) {
        // The worksheet takes an older form's allowances off the annual wage itself.
        r.FedAllowance = 0;
        r.FedWages = r.StateWages - r.PensionDeduct - r.CafeDeduct;
        if (p.FedExempFlag == 0) r.FedTax = yearWithholding(c, count);
    } else {
        r.FedWages = r.StateWages - r.PensionDeduct - r.FedAllowance - r.CafeDeduct;
        if (p.FedExempFlag == 0) {
            if (p.FedStatus == "Single")
                GetFedSingle(c.fed, r.FedWages, p.BiWeeklyFlag, p.WeeklyFlag, r.FedTax);
            else
                GetFedMarried(c.fed, r.FedWages, p.BiWeeklyFlag, p.WeeklyFlag, r.FedTax);
        }
    }
    GetSocSec(c);
    GetMedicare(c);
    if (p.SSMediExempFlag == 1) r.SocSecTax = r.MediTax = r.AddlMediTax = 0;
    r.CafeStateDeduct = p.CafeStateFlag == 1 ? r.CafeDeduct : 0;

    stateStep(c);

    CityTaxInput city;
    city.StateWages = r.StateWages;
    city.StateStatus = p.StateStatus;
    city.biWeekly = p.biWeekly();
    city.weekly = p.weekly();
    city.nonResident = p.NonCityFlag == 1;
    GetCityTax(c.city, c.nonCity, city, r.CityAllowance, r.CityTax);

    GetSDI_SUI(c);
    finishPayRun(c);
}

}  // namespace

PayResult computePayRun(const PayRunInputs& in, const TaxProfile& profile,
                        const StateSettings& state, const CityTable& city,
                        const NonCityTable& nonCity, const FedTable& fed) {
    PayRunContext c(in, profile, state, city, nonCity, fed);
    runAll(c);
    return std::move(c.result);
}

std::optional<std::string> unsoundAmount(const PayResult& r) {
    // The ledger's currency totals stop at 9e14; an amount beyond it is a saturated sum
    // or a rate no employee has.
    constexpr double kLargest = 9e14;
    auto bad = [](double v) { return !std::isfinite(v) || std::fabs(v) > kLargest; };
    const PayRun& p = r.run;
    const std::pair<double, const char*> amounts[] = {
        {p.GrossPay, "gross pay"},
        {p.StateWages, "state wages"},
        {p.FedWages, "federal wages"},
        {p.FedAllowance, "federal allowance"},
        {p.StateAllowance, "state allowance"},
        {p.CityAllowance, "city allowance"},
        {p.KPlanDeduct, "K plan deduction"},
        {p.PensionDeduct, "pension deduction"},
        {p.CafeDeduct, "cafeteria deduction"},
        {p.CafeStateDeduct, "cafeteria state deduction"},
        {p.FedTax, "federal tax"},
        {p.SocSecTax, "Social Security tax"},
        {p.MediTax, "Medicare tax"},
        {p.StateTax, "state tax"},
        {p.CityTax, "city tax"},
        {p.SdiTax, "SDI"},
        {p.SuiTax, "SUI"},
        {p.SdiYtdWages, "SDI wages to date"},
        {p.SuiYtdWages, "SUI wages to date"},
        {p.NetPay, "net pay"},
        {r.Addit.toDouble(), "dollar amount"},
        {r.RegPay1, "pay at rate 1"},
        {r.RegPay2, "pay at rate 2"},
        {r.TipsPay, "tips pay"},
        {r.TotalOt, "overtime pay"},
        {r.TotalTips, "tips"},
        {r.TaxDeduct, "total taxes"},
        {r.TotDeduct, "total deductions"},
        {r.MuniDeduct, "credit union deduction"},
        {r.BondDeduct, "bond deduction"},
        {r.DuesDeduct, "dues deduction"},
        {r.MiscDeduct, "misc. deduction"},
    };
    for (const auto& [v, name] : amounts)
        if (bad(v)) return name;
    return std::nullopt;
}

}  // namespace corvella
