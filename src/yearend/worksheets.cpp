#include "yearend/worksheets.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>

#include "common/decimal.h"
#include "common/errors.h"
#include "common/exact_decimal.h"
#include "engine/form_wages.h"

namespace corvella {

namespace {

constexpr int64_t kMillion = 1000000;

// A ledger amount in cents: its text rounded to the cent, as the ledger shows it.
int64_t ledgerCents(float v) {
    const Decimal d = Decimal::ofFloat(v);
    const auto scaled = d.scaled(kCentDecimals);
    if (!scaled) throw RangeError("a ledger amount is too large for a worksheet");
    const auto cents = static_cast<int64_t>(*scaled);
    return d.negative ? -cents : cents;
}

int64_t atRate(int64_t cents, int64_t rateMillionths) {
    if (rateMillionths != 0 && std::llabs(cents) > INT64_MAX / std::llabs(rateMillionths))
        throw RangeError("the wages are too large for a worksheet");
    return divideHalfUp(cents * rateMillionths, kMillion);
}

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t dayNumber(const Date& d) {
    const int y = d.year - (d.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (d.month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + d.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<int64_t>(era) * 146097 + doe - 719468;
}

// One row's amounts and wages as the forms take them, the Social Security wage base and
// the Additional Medicare threshold applied in date order through the year.
struct RowFigures {
    const DatedRow* row = nullptr;
    int64_t fed = 0, ss = 0, medi = 0, state = 0, city = 0, sdi = 0, kplan = 0;
    PeriodWages wages;
    int64_t ssWages = 0, ssTips = 0;  // under the wage base, tips apart
    int64_t additionalMedicareWages = 0;
};

std::vector<RowFigures> rowFigures(const EmployeeYear& e, const TaxYear& y) {
    std::vector<RowFigures> out;
    int64_t ssSoFar = 0, medicareSoFar = 0;
    for (const DatedRow& r : e.rows) {
        const LedgerRow& a = r.amounts;
        RowFigures f;
        f.row = &r;
        f.fed = ledgerCents(a.Fed);
        f.ss = ledgerCents(a.SS);
        f.medi = ledgerCents(a.Medi);
        f.state = ledgerCents(a.State);
        f.city = ledgerCents(a.City);
        f.sdi = ledgerCents(a.SDI);
        f.kplan = ledgerCents(a.Kplan);
        PeriodPay pay;
        pay.gross = ledgerCents(a.Gross);
        pay.tips = ledgerCents(a.Tips);
        pay.misc = ledgerCents(a.Misc);
        pay.kplan = f.kplan;
        pay.pension = ledgerCents(a.Pension);
        pay.cafe = ledgerCents(a.Cafe);
        pay.selfEmployed = e.selfEmployed;
        pay.socialSecurityMedicareExempt = e.socialSecurityMedicareExempt;
        f.wages = periodWages(pay);

        // What the year's wages through this row put under the base, less what those
        // before it did: a correction after the base was reached takes back nothing.
        const int64_t base = y.socialSecurityWageBaseCents;
        const int64_t under =
            std::min(ssSoFar + f.wages.socialSecurity, base) - std::min(ssSoFar, base);
        ssSoFar += f.wages.socialSecurity;
        // Tips take their part of it first, never more than all of it.
        const int64_t tips = e.socialSecurityMedicareExempt ? 0 : pay.tips;
        f.ssTips = std::clamp(tips, std::min<int64_t>(0, under), std::max<int64_t>(0, under));
        f.ssWages = under - f.ssTips;

        // Withheld from employees only: the self-employed settle it on their return.
        const int64_t threshold = y.additionalMedicareThresholdCents;
        const int64_t through = medicareSoFar + f.wages.medicare;
        if (!e.selfEmployed)
            f.additionalMedicareWages = std::max<int64_t>(0, through - threshold) -
                                        std::max<int64_t>(0, medicareSoFar - threshold);
        medicareSoFar = through;
        out.push_back(f);
    }
    return out;
}

}  // namespace

std::string plainCents(int64_t cents) {
    const bool negative = cents < 0;
    const uint64_t m = negative ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
    std::string frac = std::to_string(m % 100);
    if (frac.size() < 2) frac.insert(0, "0");
    return (negative ? "-" : "") + std::to_string(m / 100) + "." + frac;
}

W2Worksheet w2Worksheet(int year, const TaxYear& figures, const CompanyFacts& employer,
                        const std::vector<EmployeeYear>& employees,
                        std::vector<std::string> warnings) {
    W2Worksheet w;
    w.year = year;
    w.employer = employer;
    w.warnings = std::move(warnings);
    for (const EmployeeYear& e : employees) {
        if (e.rows.empty()) continue;
        W2Form f;
        f.name = e.name;
        f.employeeName = w2Name(e);
        f.address = e.address;
        f.cityStateZip = e.cityStateZip;
        f.ssn = e.ssn;
        int64_t kplan = 0, sdi = 0, localWages = 0;
        for (const RowFigures& r : rowFigures(e, figures)) {
            f.box1 += r.wages.federal;
            f.box2 += r.fed;
            f.box3 += r.ssWages;
            f.box4 += r.ss;
            f.box5 += r.wages.medicare;
            f.box6 += r.medi;
            f.box7 += r.ssTips;
            f.box16 += r.wages.state;
            f.box17 += r.state;
            f.box19 += r.city;
            localWages += r.wages.state;
            kplan += r.kplan;
            sdi += r.sdi;
        }
        // Local wages are the state's (the city tax is figured on them), for an employee
        // who paid a local tax.
        if (f.box19 != 0) f.box18 = localWages;
        if (kplan != 0) f.box12.push_back({"D", kplan});
        if (sdi != 0) f.box14.push_back({"SDI", sdi});
        if (e.w2) {
            f.statutory = e.w2->statutory;
            f.retirementPlan = e.w2->retirementPlan;
            f.thirdPartySick = e.w2->thirdPartySick;
            f.box15 = e.w2->state;
            f.box20 = e.w2->locality;
        }
        W3Totals& t = w.w3;
        ++t.count;
        t.box1 += f.box1;
        t.box2 += f.box2;
        t.box3 += f.box3;
        t.box4 += f.box4;
        t.box5 += f.box5;
        t.box6 += f.box6;
        t.box7 += f.box7;
        t.box16 += f.box16;
        t.box17 += f.box17;
        t.box18 += f.box18;
        t.box19 += f.box19;
        w.forms.push_back(std::move(f));
    }
    return w;
}

Form941 form941Worksheet(int year, int quarter, const TaxYear& figures,
                         const CompanyFacts& employer, const std::vector<EmployeeYear>& employees,
                         std::vector<std::string> warnings) {
    if (quarter < 1 || quarter > 4) throw Error("The quarter must be 1, 2, 3 or 4.");
    Form941 f;
    f.year = year;
    f.quarter = quarter;
    f.employer = employer;
    f.warnings = std::move(warnings);
    const int firstMonth = 3 * (quarter - 1) + 1;
    const int64_t twelfth = dayNumber(Date{year, firstMonth + 2, 12});
    const int64_t ssRate = 2 * figures.socialSecurityRateMillionths;
    const int64_t medicareRate = 2 * figures.medicareRateMillionths;

    // What each pay date adds, for the deposit liabilities.
    struct DateFigures {
        int64_t fed = 0, withheld = 0;
        std::array<int64_t, 3> wages{}, selfEmployed{};  // Social Security, tips, Medicare
    };
    std::map<int64_t, std::pair<Date, DateFigures>> byDate;
    int64_t withheld = 0;
    std::array<int64_t, 3> selfEmployed{};
    for (const EmployeeYear& e : employees) {
        bool paidForTheTwelfth = false;
        for (const RowFigures& r : rowFigures(e, figures)) {
            const Date& d = r.row->date;
            if (d.year != year || d.month < firstMonth || d.month > firstMonth + 2) continue;
            const int64_t day = dayNumber(d);
            const int64_t periodDays = r.row->weekly ? 7 : 14;
            if (day >= twelfth && day - periodDays < twelfth) paidForTheTwelfth = true;
            f.line2 += r.wages.federal;
            f.line3 += r.fed;
            f.line5a.wages += r.ssWages;
            f.line5b.wages += r.ssTips;
            f.line5c.wages += r.wages.medicare;
            f.line5d.wages += r.additionalMedicareWages;
            withheld += r.ss + r.medi;
            auto& [date, add] = byDate[day];
            date = d;
            add.fed += r.fed;
            add.withheld += r.ss + r.medi;
            const std::array<int64_t, 3> wages = {r.ssWages, r.ssTips, r.wages.medicare};
            for (size_t k = 0; k < 3; ++k) {
                add.wages[k] += wages[k];
                if (e.selfEmployed) {
                    add.selfEmployed[k] += wages[k];
                    selfEmployed[k] += wages[k];
                }
            }
        }
        if (paidForTheTwelfth) ++f.line1;
    }
    f.line5a.tax = atRate(f.line5a.wages, ssRate);
    f.line5b.tax = atRate(f.line5b.wages, ssRate);
    f.line5c.tax = atRate(f.line5c.wages, medicareRate);
    f.line5d.tax = atRate(f.line5d.wages, figures.additionalMedicareRateMillionths);
    f.line5e = f.line5a.tax + f.line5b.tax + f.line5c.tax + f.line5d.tax;
    f.line6 = f.line3 + f.line5e;
    // The employees' share is half the Social Security and Medicare taxes and all of the
    // Additional Medicare; what was withheld beyond or short of it is line 7. The
    // self-employed had both halves withheld, so all of their taxes are their share.
    const auto taxesOn = [&](const std::array<int64_t, 3>& w) {
        return atRate(w[0], ssRate) + atRate(w[1], ssRate) + atRate(w[2], medicareRate);
    };
    const int64_t ownTaxes = taxesOn(selfEmployed);
    const int64_t shared = f.line5a.tax + f.line5b.tax + f.line5c.tax - ownTaxes;
    f.line7 = withheld - (ownTaxes + divideHalfUp(shared, 2) + f.line5d.tax);
    f.line10 = f.line6 + f.line7;
    f.line12 = f.line10;

    // Each date's liability: its withholding and the employer's share of the taxes on the
    // quarter's wages through it, less that of the dates before, so the dates add up to
    // line 12 to the cent.
    std::array<int64_t, 3> wagesThrough{}, ownThrough{};
    int64_t employerBefore = 0;
    for (const auto& [day, entry] : byDate) {
        const auto& [date, add] = entry;
        for (size_t k = 0; k < 3; ++k) {
            wagesThrough[k] += add.wages[k];
            ownThrough[k] += add.selfEmployed[k];
        }
        const int64_t own = taxesOn(ownThrough);
        const int64_t sharedThrough = taxesOn(wagesThrough) - own;
        const int64_t employer = sharedThrough - divideHalfUp(sharedThrough, 2);
        const int64_t liability = add.fed + add.withheld + employer - employerBefore;
        employerBefore = employer;
        f.daily.push_back({date, liability});
        f.months[static_cast<size_t>(date.month - firstMonth)] += liability;
        f.monthsTotal += liability;
    }
    return f;
}

}  // namespace corvella
