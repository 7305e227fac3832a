#pragma once
// Withholding for a tax year from 2020 on, by the figures of its file, in whole cents
// computed exactly: no float takes part.
#include <cstdint>

#include "federal/tax_year.h"
#include "federal/w4.h"

namespace corvella {

// The period's federal income tax withholding by the annual percentage method for
// automated payroll (Pub 15-T, Worksheet 1A): the wage made annual, the form's amounts
// taken in, the tax of the form's schedule shared over the periods, the credits taken
// off and the extra withholding added, every line exact and the result rounded once,
// half up. `extraPerPeriodCents` is Step 4(c), or line 6 of a form from before 2020.
// Throws RangeError for an input outside its field in w4_fields, or a figure of `year`
// outside the range its file allows.
int64_t withholdingCents(const TaxYear& year, int64_t periodWageCents, int periodsPerYear,
                         const W4Form& w4, int64_t extraPerPeriodCents);

// The Additional Medicare Tax of the period: its rate on the part of this period's
// Medicare wages above the year's threshold once added to the wages paid before it this
// year, rounded half up; 0 until they cross it. Throws RangeError for wages outside
// ranges::kAmount (this period) or ranges::kYearAmount (the year before it), or figures
// of `year` outside their range.
int64_t additionalMedicareCents(const TaxYear& year, int64_t medicareWagesThisPeriodCents,
                                int64_t wagesYearToDateBeforeCents);

}  // namespace corvella
