#pragma once
// The federal figures of one tax year from 2020 on, read from its own file
// (FederalYYYY.txt), so that next year's figures are a file dropped into the working
// folder rather than a new program. The 2015 table stays Federal15.dtt's.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/field_range.h"
#include "federal/w4.h"

namespace corvella {

// One row of an annual schedule: for an adjusted annual wage from `overCents` up to the
// next row's, the tax is the tentative amount plus the rate on the part over `overCents`.
struct ScheduleRow {
    int64_t overCents = 0;
    int64_t tentativeCents = 0;
    int64_t rateMillionths = 0;  // 12 % is 120000
    bool operator==(const ScheduleRow&) const = default;
};

enum class Schedule {
    SingleStandard,
    SingleStep2,
    MarriedJointlyStandard,
    MarriedJointlyStep2,
    HeadOfHouseholdStandard,
    HeadOfHouseholdStep2,
};
inline constexpr size_t kScheduleCount = 6;

// The schedule a 2020-or-later form withholds by (married filing separately is Single's).
Schedule scheduleFor(W4Form::Status status, bool step2);

struct TaxYear {
    int year = 0;
    // Rows by ascending `overCents`, the first at 0; indexed by Schedule.
    std::array<std::vector<ScheduleRow>, kScheduleCount> schedules;
    // Taken off the annual wage when a 2020-or-later form's Step 2 box is not checked.
    int64_t line1gMarriedJointlyCents = 0;
    int64_t line1gOtherCents = 0;
    int64_t allowanceCents = 0;  // one allowance of a form from before 2020
    int64_t socialSecurityRateMillionths = 0;
    int64_t socialSecurityWageBaseCents = 0;
    int64_t medicareRateMillionths = 0;
    int64_t additionalMedicareThresholdCents = 0;
    int64_t additionalMedicareRateMillionths = 0;
    int periodsWeekly = 0;
    int periodsBiWeekly = 0;

    const std::vector<ScheduleRow>& schedule(Schedule s) const {
        return schedules[static_cast<size_t>(s)];
    }
    bool operator==(const TaxYear&) const = default;
};

// The file's fields, in its units (dollars, percents, counts): the reader refuses and the
// writer will not write a value outside its range.
namespace tax_year_fields {
using ranges::kPeriodsAYear;
using ranges::kPositivePercent;
using ranges::kPositiveYearAmount;
inline constexpr NumberField kYear{"year", {2020, 2100}};
inline constexpr NumberField kLine1gMarriedJointly{"line 1g amount for married filing jointly",
                                                   kPositiveYearAmount};
inline constexpr NumberField kLine1gOther{"line 1g amount for the other statuses",
                                          kPositiveYearAmount};
inline constexpr NumberField kAllowance{"allowance amount", kPositiveYearAmount};
inline constexpr NumberField kSocialSecurityRate{"Social Security rate", kPositivePercent};
inline constexpr NumberField kSocialSecurityWageBase{"Social Security wage base",
                                                     kPositiveYearAmount};
inline constexpr NumberField kMedicareRate{"Medicare rate", kPositivePercent};
inline constexpr NumberField kAdditionalMedicareThreshold{"Additional Medicare threshold",
                                                          kPositiveYearAmount};
inline constexpr NumberField kAdditionalMedicareRate{"Additional Medicare rate", kPositivePercent};
inline constexpr NumberField kPeriodsWeekly{"number of weekly pay periods", kPeriodsAYear};
inline constexpr NumberField kPeriodsBiWeekly{"number of bi-weekly pay periods", kPeriodsAYear};
inline constexpr NumberField kRowOver{"row's over amount", kPositiveYearAmount};
inline constexpr NumberField kRowTentative{"row's tentative amount", kPositiveYearAmount};
inline constexpr NumberField kRowRate{"row's rate", kPositivePercent};
}  // namespace tax_year_fields

// "Federal2026.txt".
std::string taxYearFileName(int year);

// The year of a file named as taxYearFileName names it, or nothing.
std::optional<int> taxYearOfFileName(const std::string& name);
inline bool isTaxYearFileName(const std::string& name) {
    return taxYearOfFileName(name).has_value();
}

// The years whose file is in `folder`, ascending; none when the folder cannot be listed.
std::vector<int> installedTaxYears(const std::filesystem::path& folder);

// Reads a whole file or nothing: throws ReadError naming the line and the field for a
// value outside its range, a number that is not one, a line that is not one of the
// layout's or has more or fewer fields, a figure given twice or missing, and a schedule
// that is empty or whose rows do not start at 0 and rise.
TaxYear readTaxYearFile(const std::string& bytes, const std::string& fileName);

// The file that reads back to `t`; throws RangeError for a record that file could not hold.
std::string writeTaxYearFile(const TaxYear& t);

}  // namespace corvella
