#pragma once
// The values a stored number or text may take. Each file kind names its fields with
// these next to its layout; its reader refuses a value outside them (a damaged file) and
// its writer refuses to write one, so a file the program writes always reads back.
#include <span>
#include <string>
#include <string_view>

namespace corvella {

struct NumberRange {
    double lo = 0, hi = 0;
    constexpr bool contains(double v) const { return v >= lo && v <= hi; }  // false for NaN
};

// Ranges by meaning, generous enough for any real payroll and far below what would
// overflow a sum of a year's periods.
namespace ranges {
inline constexpr NumberRange kAmount{-1e7, 1e7};       // money per period, signed
inline constexpr NumberRange kPositiveAmount{0, 1e7};  // a base or an amount never negative
inline constexpr NumberRange kPercent{-100, 100};      // a percent (5 means 5 %)
inline constexpr NumberRange kFraction{0, 1};          // a rate as a decimal (0.045)
inline constexpr NumberRange kFlag{-1, 1};             // a check box (0/1) or option (-1/0)
inline constexpr NumberRange kCount{0, 9};             // exemptions and allowances
inline constexpr NumberRange kRate{0, 1e6};            // pay per hour (as an entry box)
inline constexpr NumberRange kYearAmount{-1e9, 1e9};   // money over a year
inline constexpr NumberRange kHours{-1e6, 1e6};        // hours or days of leave
// Money over a year that is never negative, a tax rate as a percent, pay periods a year.
inline constexpr NumberRange kPositiveYearAmount{0, 1e9};
inline constexpr NumberRange kPositivePercent{0, 100};
inline constexpr NumberRange kPeriodsAYear{1, 366};
// A state or city table's rate: a decimal fraction of the wages (0.045), as every
// built-in state's figures and the city and non-resident defaults are.
inline constexpr NumberRange kTableRate{0, 1};
inline constexpr NumberRange kFloat{-3.4028235e38, 3.4028235e38};  // any float
}  // namespace ranges

// A number field: the words a message uses for it and its range.
struct NumberField {
    std::string_view name;
    NumberRange range;
};

// Texts of the lists. An empty text is a value not chosen yet, as a file written before
// the profile was filled holds; the screens put their default in its place.
namespace choices {
inline constexpr std::string_view kStatus[] = {"Single", "Married", ""};
inline constexpr std::string_view kCount[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ""};
}  // namespace choices

// A text field that holds one of a list of texts.
struct ChoiceField {
    std::string_view name;
    std::span<const std::string_view> choices;
    bool allows(std::string_view text) const {
        for (auto c : choices)
            if (c == text) return true;
        return false;
    }
};

// "the tips rate 1e+30 is outside 0 to 10000000".
std::string outsideRangeText(const NumberField& f, std::string_view valueText);
// "the federal status "Single'" is not one of "Single", "Married"".
std::string notAChoiceText(const ChoiceField& f, std::string_view text);

}  // namespace corvella
