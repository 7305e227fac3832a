#include "engine/special_states.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace corvella {

namespace {

// Every stored value of these computations is a float; the arithmetic of one
// statement runs in double.
float f32(double v) {
    return static_cast<float>(v);
}

// A bi-weekly figure halved for a weekly employee, rounded to float like a stored bound.
float half(float v) {
    return f32(static_cast<double>(v) / 2.0);
}

// The exemption count as an index into the ten exemption boxes, or -1 outside them.
int exemptionIndex(int16_t n) {
    return n >= 0 && n <= 9 ? n : -1;
}

struct Table {
    const std::array<float, 10>& Min;
    const std::array<float, 10>& Amt;
    const std::array<float, 10>& Per;
};

Table tableFor(const StateSettings& s, const std::string& status) {
    if (status == "Single") return {s.StateMinBS, s.StateAmtBS, s.StatePerBS};
    return {s.StateMinBM, s.StateAmtBM, s.StatePerBM};
}

// A graduated schedule: up to the first bound the first rate on the whole wage; above a
// bound (excluded) up to the next (included), the band's rate on the part above its
// lower bound plus the tax of the full bands below, summed in float as they stack up.
template <size_t N>
struct Schedule {
    std::array<double, N> lower;  // lower[0] = 0; the last band has no upper bound
    std::array<double, N> rate;

    std::array<float, N> bases() const {
        std::array<float, N> b{};
        for (size_t k = 1; k < N; ++k)
            b[k] = f32(b[k - 1] + (lower[k] - lower[k - 1]) * rate[k - 1]);
        return b;
    }

    float tax(float w) const {
        static_assert(N >= 2);
        if (w <= lower[1]) return f32(w * rate[0]);
        const std::array<float, N> base = bases();
        size_t k = 1;
        while (k + 1 < N && w > lower[k + 1]) ++k;
        return f32((w - lower[k]) * rate[k] + base[k]);
    }
};

constexpr Schedule<9> kIowaBiWeekly{
    {0, 50, 100, 200, 450, 750, 1000, 1500, 2250},
    {0.0036, 0.0072, 0.0243, 0.045, 0.0612, 0.0648, 0.068, 0.0792, 0.0898}};
constexpr Schedule<9> kIowaWeekly{
    {0, 25, 50, 100, 225, 375, 500, 750, 1125},
    {0.0036, 0.0072, 0.0243, 0.045, 0.0612, 0.0648, 0.068, 0.0792, 0.0898}};
constexpr Schedule<10> kMissouriBiWeekly{
    {0, 38.5, 77, 115.5, 154, 192.5, 231, 269.5, 308, 346.5},
    {0.015, 0.02, 0.025, 0.03, 0.035, 0.04, 0.045, 0.05, 0.055, 0.06}};
constexpr Schedule<10> kMissouriWeekly{
    {0, 20, 40, 60, 80, 100, 120, 140, 160, 180},
    {0.015, 0.02, 0.025, 0.03, 0.035, 0.04, 0.045, 0.05, 0.055, 0.06}};

// ---------------------------------------------------------------- Louisiana

// A count typed into an exemption box: the nearest whole number, halves to even, held
// in 16 bits (a figure beyond them is taken at the limit).
int16_t louisianaCount(float v) {
    const float r = std::nearbyint(v);
    if (!(r >= -32768.0f)) return -32768;
    if (r > 32767.0f) return 32767;
    return static_cast<int16_t>(r);
}

struct LouisianaConstants {
    float P, D, L, U, r;
};

}  // namespace

void GetLouisiana(PayRunContext& c) {
    const StateSettings& st = c.state;
    const int16_t A = louisianaCount(st.StateSgExp[0]);
    const int16_t B = louisianaCount(st.StateMarExp[0]);
    float W = c.run.GrossPay;
    if (W <= 0) W = 0;
    float T = 0;

    // Per period: bi-weekly, weekly; one exemption or none, two exemptions.
    static constexpr LouisianaConstants kBiWeekly[2] = {
        {173.08f, 38.46f, 480.77f, 1923.08f, 0.016f},
        {173.08f, 38.46f, 961.54f, 3846.15f, 0.0165f}};
    static constexpr LouisianaConstants kWeekly[2] = {{86.54f, 19.23f, 240.38f, 961.54f, 0.016f},
                                                      {86.54f, 19.23f, 480.77f, 1923.08f, 0.0165f}};
    const LouisianaConstants* set = c.in.optBiWeek ? kBiWeekly : c.in.optWeek ? kWeekly : nullptr;
    if (set && A <= 2) {
        const LouisianaConstants& k = set[A == 2 ? 1 : 0];
        const float exemptions = f32(static_cast<double>(A) * k.P + static_cast<double>(B) * k.D);
        float M1 = f32(exemptions * 0.021);
        if (M1 < 0) M1 = 0;
        float M2 = f32((static_cast<double>(exemptions) - k.L) * k.r);
        if (M2 < 0) M2 = 0;
        const double credits = static_cast<double>(f32(static_cast<double>(M2) + M1));
        if (W <= k.L)
            T = f32(W * 0.021 - credits);
        else if (W <= k.U)
            T = f32(W * 0.021 + (static_cast<double>(W) - k.L) * k.r - credits);
        else
            T = f32(W * 0.021 + (static_cast<double>(W) - k.L) * k.r +
                    (static_cast<double>(W) - k.U) * 0.0135 - credits);
    }
    c.run.StateTax = T >= 0 ? T : 0;
}

void GetLouisianaPrior(PayRunContext& c) {
    const StateSettings& st = c.state;
    const int16_t A = louisianaCount(st.StateSgExp[0]);
    const int16_t B = louisianaCount(st.StateMarExp[0]);
    const float W = c.run.GrossPay;

    float P, D, L, U;
    if (c.in.optBiWeek) {
        P = 173.08f, D = 38.46f;
        L = A == 2 ? 961.54f : 480.77f;
        U = A == 2 ? 1923.08f : 961.54f;
    } else {
        P = 86.54f, D = 19.23f;
        L = A == 2 ? 480.77f : 240.38f;
        U = A == 2 ? 961.54f : 480.77f;
    }
    const float X1 = W > 0 ? f32(W * 0.021) : 0;
    const float X2 = W > L ? f32((static_cast<double>(W) - L) * 0.0135) : 0;
    const float X3 = W > U ? f32((static_cast<double>(W) - U) * 0.0135) : 0;
    const float exemptions = f32(static_cast<double>(A) * P + static_cast<double>(B) * D);
    const float Y1 = f32(exemptions * 0.021);
    const float Y2 = exemptions > L ? f32((static_cast<double>(exemptions) - L) * 0.0135) : 0;
    const float T = f32((static_cast<double>(X1) + X2 + X3) - (static_cast<double>(Y1) + Y2));
    c.run.StateTax = T > 0 ? T : 0;
}

// ---------------------------------------------------------------- Iowa and Missouri

void GetIowa(PayRunContext& c, int16_t stateExemp) {
    const int n = exemptionIndex(stateExemp);
    if (n < 0) return;
    const StateSettings& st = c.state;
    const PayRun& r = c.run;
    const float W =
        f32(static_cast<double>(r.StateWages) - r.FedTax - r.CafeStateDeduct - st.StateSgExp[n]);
    const float tax = (c.in.optBiWeek ? kIowaBiWeekly : kIowaWeekly).tax(W);
    c.run.StateTax = f32(static_cast<double>(tax) - st.StateMarExp[n]);
}

void GetMissouri(PayRunContext& c, int16_t stateExemp) {
    const int n = exemptionIndex(stateExemp);
    if (n < 0) return;
    const StateSettings& st = c.state;
    const PayRun& r = c.run;
    const int16_t spouse = c.in.spouse;

    // The federal tax is deducted only up to a yearly limit; above it, not at all.
    const double periods = c.in.optWeek ? 52 : 26;
    const float limit = f32((spouse == 1 ? 5000.0 : 10000.0) / periods);
    float X = 0;
    if (spouse == 0 || spouse == 1) {
        if (r.FedTax <= limit)
            X = f32(static_cast<double>(r.StateWages) - r.FedTax - r.CafeStateDeduct);
        else
            X = f32(static_cast<double>(r.StateWages) - r.CafeStateDeduct);
    }
    X = f32(static_cast<double>(X) - st.StateSgExp[n] - st.StateMarExp[n]);
    c.run.StateTax = (c.in.optBiWeek ? kMissouriBiWeekly : kMissouriWeekly).tax(X);
    c.result.roundState = true;
}

// ---------------------------------------------------------------- Oregon, Utah, Mass

void GetOregon(PayRunContext& c) {
    const StateSettings& st = c.state;
    PayRun& r = c.run;
    const std::string& status = c.profile.StateStatus;
    const int n = exemptionIndex(c.profile.StateExemp);
    if (n < 0) return;

    const float limit = c.in.optBiWeek ? 248.08f : 124.04f;
    float W = f32(static_cast<double>(r.GrossPay) - std::min(r.FedTax, limit));
    if (status == "Single")
        W = f32(static_cast<double>(W) - (c.in.optBiWeek ? 82.5f : 41.25f));
    else if (status == "Married")
        W = f32(static_cast<double>(W) - (c.in.optBiWeek ? 165.19f : 82.6f));

    // Three or more exemptions put a single person on the married table.
    const bool single = status == "Single" && c.profile.StateExemp < 3;
    const Table t = single ? Table{st.StateMinBS, st.StateAmtBS, st.StatePerBS}
                           : Table{st.StateMinBM, st.StateAmtBM, st.StatePerBM};
    const double credit = single ? st.StateSgExp[n] : st.StateMarExp[n];
    if (t.Min[0] <= W && W < t.Min[1]) r.StateTax = 0;
    if (t.Min[1] <= W && W < t.Min[2])
        r.StateTax = f32((static_cast<double>(W) - t.Min[1]) * t.Per[1] + t.Amt[1] - credit);
    if (W >= t.Min[2])
        r.StateTax = f32((static_cast<double>(W) - t.Min[2]) * t.Per[2] + t.Amt[2] - credit);
    r.StateTaxable = W;
}

void GetUtah(PayRunContext& c) {
    PayRun& r = c.run;
    const float W = f32(static_cast<double>(r.StateWages) - r.CafeStateDeduct);
    r.StateTaxable = W;
    const Table t = tableFor(c.state, c.profile.StateStatus);

    // The rate applies to the whole wage; the top row earns no credit.
    if (c.in.optBiWeek) {
        for (size_t i = 0; i < 6; ++i)
            if (t.Min[i] <= W && W < t.Min[i + 1])
                r.StateTax = f32(static_cast<double>(W) * t.Per[i] + t.Amt[i]);
        if (W >= t.Min[6]) {
            r.StateTax = f32(static_cast<double>(W) * t.Per[6] + t.Amt[6]);
            r.StateAllowance = 0;
        }
    }
    if (c.in.optWeek) {
        for (size_t i = 0; i < 6; ++i)
            if (half(t.Min[i]) <= W && W < half(t.Min[i + 1]))
                r.StateTax = f32(static_cast<double>(W) * t.Per[i] + t.Amt[i] / 2.0);
        if (W >= half(t.Min[6])) {
            r.StateTax = f32(static_cast<double>(W) * t.Per[6] + t.Amt[6] / 2.0);
            r.StateAllowance = 0;
        }
    }
    r.StateTax = f32(static_cast<double>(r.StateTax) - r.StateAllowance);
}

void GetMass(PayRunContext& c) {
    const int n = exemptionIndex(c.profile.StateExemp);
    if (n < 0) return;
    PayRun& r = c.run;
    const StateSettings& st = c.state;
    // Social Security and Medicare come off only until the year's total passes 2000.
    const float ytd = f32(static_cast<double>(c.in.YtdSocSec) + c.in.YtdMedi);
    float W =
        ytd > 2000 ? r.GrossPay : f32(static_cast<double>(r.GrossPay) - r.SocSecTax - r.MediTax);
    W = f32(static_cast<double>(W) - (c.in.optWeek ? st.StateMarExp[n] / 2.0 : st.StateMarExp[n]));
    r.StateTax = f32(static_cast<double>(W) * st.StatePerBS[0]);
    r.StateTaxable = W;
}

// ---------------------------------------------------------------- Kentucky and N.C.

void GetKentucky(PayRunContext& c) {
    const int n = exemptionIndex(c.profile.StateExemp);
    if (n < 0) return;
    const StateSettings& st = c.state;
    PayRun& r = c.run;
    const bool single = c.profile.StateStatus == "Single";
    const Table t = tableFor(st, c.profile.StateStatus);
    const double credit = single ? st.StateSgExp[n] : st.StateMarExp[n];

    // The minimum column holds the bracket tops and the amount column the deduction.
    std::array<float, 6> D{};
    for (size_t i = 0; i < 6; ++i) D[i] = f32(static_cast<double>(r.GrossPay) - t.Amt[i]);
    std::array<float, 5> F{};  // the tax of each full bracket
    F[0] = f32(static_cast<double>(t.Per[0]) * t.Min[0]);
    for (size_t i = 1; i < 5; ++i)
        F[i] = f32((static_cast<double>(t.Min[i]) - t.Min[i - 1]) * t.Per[i]);
    auto full = [&](size_t upTo) {
        double sum = 0;
        for (size_t i = 0; i < upTo; ++i) sum += F[i];
        return sum;
    };
    auto band = [&](size_t k) {
        return f32(full(k) + (static_cast<double>(D[k]) - t.Min[k - 1]) * t.Per[k] - credit);
    };

    if (D[0] <= t.Min[0]) r.StateTax = f32(static_cast<double>(D[0]) * t.Per[0] - credit);
    if (D[0] > t.Min[0] && D[1] <= t.Min[1]) r.StateTax = band(1);
    if (D[1] > t.Min[1] && D[2] <= t.Min[2]) r.StateTax = band(2);
    if (D[0] > t.Min[2] && D[0] <= t.Min[3]) r.StateTax = band(3);
    if (D[0] > t.Min[3]) r.StateTax = band(4);
    if (D[0] > t.Min[4]) r.StateTax = band(5);
}

void GetNC(PayRunContext& c) {
    PayRun& r = c.run;
    const StateSettings& st = c.state;
    if (!c.in.optBiWeek && !c.in.optWeek) return;
    const Table t = tableFor(st, c.profile.StateStatus);

    // The table holds bi-weekly figures; the whole wage is taxed at the row's rate less
    // the row's amount. The California box comes off in full for either frequency.
    if (c.in.optBiWeek) {
        const float W = f32(static_cast<double>(r.StateWages) - st.CalAllow - r.StateAllowance -
                            r.CafeStateDeduct);
        r.StateTaxable = W;
        for (size_t i = 0; i < 9; ++i)
            if (t.Min[i] <= W && W < t.Min[i + 1])
                r.StateTax = f32(static_cast<double>(W) * t.Per[i] - t.Amt[i]);
        if (W >= t.Min[9]) r.StateTax = f32(static_cast<double>(W) * t.Per[9] - t.Amt[9]);
    }
    if (c.in.optWeek) {
        const float W = f32(static_cast<double>(r.StateWages) - st.CalAllow -
                            r.StateAllowance / 2.0 - r.CafeStateDeduct);
        r.StateTaxable = W;
        for (size_t i = 0; i < 9; ++i)
            if (half(t.Min[i]) <= W && W < half(t.Min[i + 1]))
                r.StateTax = f32(static_cast<double>(W) * t.Per[i] - t.Amt[i] / 2.0);
        if (W >= half(t.Min[9]))
            r.StateTax = f32(static_cast<double>(W) * t.Per[9] - t.Amt[9] / 2.0);
    }
}

// ---------------------------------------------------------------- Wisconsin

void WisconsinTax(PayRunContext& c) {
    PayRun& r = c.run;
    const StateSettings& st = c.state;
    const Table t = tableFor(st, c.profile.StateStatus);
    // The California box comes off the wage; the exemption comes off the tax.
    const float W = f32(static_cast<double>(r.StateWages) - st.CalAllow - r.CafeStateDeduct);
    if (c.in.optBiWeek) {
        r.StateTaxable = W;
        for (size_t k = 0; k < 9; ++k)
            if (t.Min[k] <= W && W < t.Min[k + 1])
                r.StateTax = f32((static_cast<double>(W) - t.Min[k]) * t.Per[k] + t.Amt[k]);
        if (W >= t.Min[9])
            r.StateTax = f32((static_cast<double>(W) - t.Min[9]) * t.Per[9] + t.Amt[9]);
    }
    if (c.in.optWeek) {
        r.StateTaxable = W;
        for (size_t k = 0; k < 9; ++k)
            if (half(t.Min[k]) <= W && W < half(t.Min[k + 1]))
                r.StateTax =
                    f32((static_cast<double>(W) - t.Min[k] / 2.0) * t.Per[k] + t.Amt[k] / 2.0);
        if (W >= half(t.Min[9]))
            r.StateTax = f32((static_cast<double>(W) - t.Min[9] / 2.0) * t.Per[9] + t.Amt[9] / 2.0);
    }
    r.StateTax =
        f32(static_cast<double>(r.StateTax) -
            (c.in.optBiWeek ? static_cast<double>(r.StateAllowance) : r.StateAllowance / 2.0));
}

// ---------------------------------------------------------------- Alabama

namespace {

// A standard-deduction table: 20 bounds and 21 values, from yearly amounts. Row k
// reaches up to A + k x S a year and deducts max(D0 - k x R, F).
struct AlabamaRule {
    int A, S, D0, R, F;
};

struct AlabamaTable {
    std::array<float, 20> bound;
    std::array<float, 21> value;
};

// Yearly dollars over the pay periods, rounded to cents (no quotient falls on a half
// cent for 26 or 52 periods).
constexpr long perPeriodCents(long yearly, long periods) {
    return (yearly * 200 + periods) / (2 * periods);
}

AlabamaTable alabamaTable(const AlabamaRule& rule, long periods) {
    AlabamaTable t{};
    for (int k = 0; k < 20; ++k)
        t.bound[k] = f32(perPeriodCents(rule.A + k * rule.S, periods) / 100.0);
    for (int k = 0; k < 21; ++k)
        t.value[k] = f32(perPeriodCents(std::max(rule.D0 - k * rule.R, rule.F), periods) / 100.0);
    return t;
}

constexpr AlabamaRule kAlabamaSingle{20500, 500, 2500, 25, 2000};
constexpr AlabamaRule kAlabamaSeparate{10250, 250, 3750, 88, 2000};
constexpr AlabamaRule kAlabamaJoint{20500, 500, 7500, 175, 4000};

enum class AlabamaFiling { Single, Separate, Joint };

// The six tables, with the three published entries that depart from the rule.
const AlabamaTable& alabamaTableFor(AlabamaFiling filing, bool biWeekly) {
    static const std::array<AlabamaTable, 6> tables = [] {
        std::array<AlabamaTable, 6> t{
            alabamaTable(kAlabamaSingle, 26),   alabamaTable(kAlabamaSeparate, 26),
            alabamaTable(kAlabamaJoint, 26),    alabamaTable(kAlabamaSingle, 52),
            alabamaTable(kAlabamaSeparate, 52), alabamaTable(kAlabamaJoint, 52)};
        t[0].bound[2] = 826.99f;
        t[2].bound[2] = 826.99f;
        t[5].value[1] = 140.77f;
        return t;
    }();
    return tables[static_cast<size_t>(filing) + (biWeekly ? 0 : 3)];
}

float alabamaStandardDeduction(const AlabamaTable& t, float G) {
    float v = 0;
    if (G <= t.bound[0]) v = t.value[0];
    for (size_t k = 1; k < 20; ++k)
        if (t.bound[k - 1] < G && G <= t.bound[k]) v = t.value[k];
    if (G > t.bound[19]) v = t.value[20];
    return v;
}

struct AlabamaBands {
    double L1, L2, C1, C2;
};

}  // namespace

void GetAlabama(PayRunContext& c, int16_t stateExemp) {
    const TaxProfile& p = c.profile;
    PayRun& r = c.run;
    const float G = r.GrossPay;
    const bool biWeekly = p.biWeekly();
    const bool single = p.StateStatus == "Single";

    // Per dependent: less as pay rises.
    float perDependent;
    if (biWeekly)
        perDependent = G <= 769.23f ? 38.46f : G <= 3846.15f ? 19.23f : 11.54f;
    else
        perDependent = G <= 384.62f ? 19.23f : G <= 1923.08f ? 9.62f : 5.77f;
    const float AlaDepAllow = f32(static_cast<double>(stateExemp) * perDependent);

    float AlaStdDed = 0;
    if (p.FedStatus == "Single" && p.StateStatus == "Single")
        AlaStdDed = alabamaStandardDeduction(alabamaTableFor(AlabamaFiling::Single, biWeekly), G);
    else if (p.FedStatus == "Married" && p.StateStatus == "Single")
        AlaStdDed = alabamaStandardDeduction(alabamaTableFor(AlabamaFiling::Separate, biWeekly), G);
    else if (p.FedStatus == "Married" && p.StateStatus == "Married")
        AlaStdDed = alabamaStandardDeduction(alabamaTableFor(AlabamaFiling::Joint, biWeekly), G);

    const float E = single ? (biWeekly ? 57.69f : 28.85f) : (biWeekly ? 115.38f : 57.69f);
    const float AlaTaxable =
        f32(static_cast<double>(G) - (static_cast<double>(AlaStdDed) + E + r.FedTax + AlaDepAllow));

    static constexpr AlabamaBands kSingleBiWeekly{19.23, 115.38, 0.3846, 3.846};
    static constexpr AlabamaBands kSingleWeekly{9.62, 57.69, 0.1924, 1.9232};
    static constexpr AlabamaBands kOtherBiWeekly{38.46, 230.77, 0.7692, 7.6924};
    static constexpr AlabamaBands kOtherWeekly{19.23, 115.38, 0.3846, 3.846};
    const AlabamaBands& b = single ? (biWeekly ? kSingleBiWeekly : kSingleWeekly)
                                   : (biWeekly ? kOtherBiWeekly : kOtherWeekly);
    const double T = AlaTaxable;
    double tax;
    if (T <= b.L1)
        tax = T * 0.02;
    else if (T <= b.L2)
        tax = (T - b.L1) * 0.04 + b.C1;
    else
        tax = (T - b.L2) * 0.05 + b.C1 + b.C2;
    r.StateTax = f32(tax);
}

// ---------------------------------------------------------------- dispatch

namespace {

using StateTax = void (*)(PayRunContext&);

// The computation of each special state, in the order of SpecialState; none for Arizona,
// whose tax is the bracket table as typed.
constexpr StateTax kStateTax[] = {
    nullptr,
    [](PayRunContext& c) { c.in.louisianaPrior ? GetLouisianaPrior(c) : GetLouisiana(c); },
    [](PayRunContext& c) { GetIowa(c, c.profile.StateExemp); },
    [](PayRunContext& c) { GetMissouri(c, c.profile.StateExemp); },
    GetMass,
    GetOregon,
    GetUtah,
    GetKentucky,
    WisconsinTax,
    WisconsinTax,
    GetNC,
    [](PayRunContext& c) { GetAlabama(c, c.profile.StateExemp); },
};
static_assert(std::size(kStateTax) == kSpecialStateCount);

}  // namespace

void runSpecialStateTax(SpecialState which, PayRunContext& c) {
    if (StateTax tax = kStateTax[static_cast<size_t>(which)]) tax(c);
}

}  // namespace corvella
