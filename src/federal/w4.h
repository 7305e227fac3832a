#pragma once
// An employee's Form W-4 as the yearly withholding reads it. Forms from 2020 on and the
// older allowance forms are both still in use: an employee need not file a new one.
#include <cstdint>

#include "common/field_range.h"

namespace corvella {

struct W4Form {
    enum class Version { Before2020, From2020 };
    enum class Status { SingleOrSeparate, MarriedJointly, HeadOfHousehold };

    Version version = Version::From2020;
    // From 2020:
    Status status = Status::SingleOrSeparate;
    bool step2 = false;       // multiple jobs, or a spouse who works
    int64_t step3Cents = 0;   // credits for the year
    int64_t step4aCents = 0;  // other income for the year
    int64_t step4bCents = 0;  // deductions for the year
    // Before 2020:
    int allowances = 0;
    bool married = false;  // false also for "Married, but withhold at the higher Single rate"

    bool operator==(const W4Form&) const = default;
};

// The values a form's figures and the withholding's other inputs may take, in dollars
// (counts as they are). Held within these, no step of the withholding can overflow.
namespace w4_fields {
inline constexpr NumberField kStep3{"Step 3 credits", ranges::kPositiveYearAmount};
inline constexpr NumberField kStep4a{"Step 4(a) other income", ranges::kPositiveYearAmount};
inline constexpr NumberField kStep4b{"Step 4(b) deductions", ranges::kPositiveYearAmount};
inline constexpr NumberField kAllowances{"number of allowances", {0, 99}};
inline constexpr NumberField kExtra{"extra withholding", ranges::kPositiveAmount};
inline constexpr NumberField kPeriodWage{"federal taxable wage", ranges::kAmount};
inline constexpr NumberField kPeriods{"pay periods a year", ranges::kPeriodsAYear};
}  // namespace w4_fields

}  // namespace corvella
