#include "federal/withholding.h"

#include <algorithm>
#include <limits>

#include "common/errors.h"
#include "common/exact_decimal.h"

namespace corvella {

namespace {

constexpr int64_t kMillion = 1'000'000;  // a rate's denominator

void check(int64_t value, int decimals, const NumberField& field) {
    if (!scaledWithin(value, decimals, field.range))
        throw RangeError(outsideRangeText(field, scaledText(value, decimals)));
}

void checkCents(int64_t cents, const NumberField& field) {
    check(cents, kCentDecimals, field);
}

// Every value below is held within its field's range, which keeps the largest sum, a
// year's tax in millionths of a cent plus a year's extra withholding over the same
// denominator, within 64 bits.
constexpr int64_t mostCents(const NumberField& f) {
    return static_cast<int64_t>(f.range.hi) * 100;
}
constexpr int64_t kMostPeriods = static_cast<int64_t>(w4_fields::kPeriods.range.hi);
constexpr int64_t kMostRate = static_cast<int64_t>(tax_year_fields::kRowRate.range.hi) * 10'000;
constexpr int64_t kMostAnnualWage =
    mostCents(w4_fields::kPeriodWage) * kMostPeriods + mostCents(w4_fields::kStep4a);
constexpr int64_t kMostTax =
    mostCents(tax_year_fields::kRowTentative) * kMillion + kMostAnnualWage * kMostRate;
constexpr int64_t kMostExtra = mostCents(w4_fields::kExtra) * kMillion * kMostPeriods;
static_assert(kMostTax <= std::numeric_limits<int64_t>::max() - kMostExtra);
static_assert(mostCents(w4_fields::kStep3) * kMillion <= kMostTax);
static_assert(w4_fields::kAllowances.range.hi * tax_year_fields::kAllowance.range.hi * 100 < 1e18);

constexpr NumberField kMedicareWages{"Medicare wages", ranges::kAmount};
constexpr NumberField kMedicareWagesBefore{"Medicare wages before the period", ranges::kYearAmount};

// The annual tax of an adjusted annual wage, in millionths of a cent.
int64_t annualTaxMicroCents(const std::vector<ScheduleRow>& rows, int64_t annualCents) {
    const ScheduleRow* row = nullptr;
    for (const ScheduleRow& r : rows) {
        checkCents(r.overCents, tax_year_fields::kRowOver);
        checkCents(r.tentativeCents, tax_year_fields::kRowTentative);
        check(r.rateMillionths, kPercentDecimals, tax_year_fields::kRowRate);
        if (r.overCents <= annualCents) row = &r;
    }
    if (!row)
        throw RangeError("the schedule has no row for an annual wage of " + centsText(annualCents));
    return row->tentativeCents * kMillion + row->rateMillionths * (annualCents - row->overCents);
}

}  // namespace

int64_t withholdingCents(const TaxYear& year, int64_t periodWageCents, int periodsPerYear,
                         const W4Form& w4, int64_t extraPerPeriodCents) {
    using namespace w4_fields;
    checkCents(periodWageCents, kPeriodWage);
    check(periodsPerYear, 0, kPeriods);
    checkCents(extraPerPeriodCents, kExtra);
    const int64_t periods = periodsPerYear;

    int64_t annual = periodWageCents * periods;
    Schedule schedule;
    int64_t creditCents = 0;
    if (w4.version == W4Form::Version::From2020) {
        checkCents(w4.step3Cents, kStep3);
        checkCents(w4.step4aCents, kStep4a);
        checkCents(w4.step4bCents, kStep4b);
        annual += w4.step4aCents - w4.step4bCents;
        if (!w4.step2) {
            const bool jointly = w4.status == W4Form::Status::MarriedJointly;
            const int64_t line1g = jointly ? year.line1gMarriedJointlyCents : year.line1gOtherCents;
            checkCents(line1g, jointly ? tax_year_fields::kLine1gMarriedJointly
                                       : tax_year_fields::kLine1gOther);
            annual -= line1g;
        }
        schedule = scheduleFor(w4.status, w4.step2);
        creditCents = w4.step3Cents;
    } else {
        check(w4.allowances, 0, kAllowances);
        checkCents(year.allowanceCents, tax_year_fields::kAllowance);
        annual -= w4.allowances * year.allowanceCents;
        schedule = w4.married ? Schedule::MarriedJointlyStandard : Schedule::SingleStandard;
    }
    annual = std::max<int64_t>(annual, 0);

    // Over a common denominator of periods times a million, so that nothing is rounded
    // before the end: the tax and the credits are per year, the extra is per period.
    const int64_t afterCredits = std::max<int64_t>(
        annualTaxMicroCents(year.schedule(schedule), annual) - creditCents * kMillion, 0);
    return divideHalfUp(afterCredits + extraPerPeriodCents * kMillion * periods,
                        periods * kMillion);
}

int64_t additionalMedicareCents(const TaxYear& year, int64_t medicareWagesThisPeriodCents,
                                int64_t wagesYearToDateBeforeCents) {
    checkCents(medicareWagesThisPeriodCents, kMedicareWages);
    checkCents(wagesYearToDateBeforeCents, kMedicareWagesBefore);
    checkCents(year.additionalMedicareThresholdCents,
               tax_year_fields::kAdditionalMedicareThreshold);
    check(year.additionalMedicareRateMillionths, kPercentDecimals,
          tax_year_fields::kAdditionalMedicareRate);
    const int64_t through = wagesYearToDateBeforeCents + medicareWagesThisPeriodCents;
    const int64_t above =
        std::min(medicareWagesThisPeriodCents, through - year.additionalMedicareThresholdCents);
    if (above <= 0) return 0;
    return divideHalfUp(above * year.additionalMedicareRateMillionths, kMillion);
}

}  // namespace corvella
