#pragma once
// Exact decimals held as integers: money as cents, a rate as millionths of the amount it
// applies to. The yearly federal figures and their withholding are computed in these,
// never in floats, so that a published example comes out to the cent.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/field_range.h"

namespace corvella {

inline constexpr int kCentDecimals = 2;
// A percent with up to four decimals (6.2, 1.45, 0.9) is a whole number of millionths.
inline constexpr int kPercentDecimals = 4;

struct ScaledDecimal {
    enum class Problem { None, NotANumber, TooManyDecimals, TooLarge };
    int64_t value = 0;  // the number times 10^decimals
    Problem problem = Problem::None;
};

// A plain decimal text (an optional sign, digits, at most one point; no exponent, no
// blanks) as an integer count of 10^-decimals. Digits beyond `decimals` must be zeros:
// nothing is rounded away. TooLarge when its magnitude would not fit in 64 bits.
ScaledDecimal parseScaled(std::string_view text, int decimals);

// The shortest text parseScaled reads back to `value`: "6.2", "12900", "-0.05".
std::string scaledText(int64_t value, int decimals);
// Money as people write it: whole dollars without a point, else both cents ("8077.50").
std::string centsText(int64_t cents);

// An amount as a caption shows it ("$1,234.50", "-$3.10", "12.5") in cents; an empty
// caption is 0. Nothing for other text, or more than two decimals.
std::optional<int64_t> shownCents(std::string_view caption);

// Whether value / 10^decimals lies in `r` (whose bounds are whole numbers below 2^53 /
// 10^decimals, as every range of field_range.h is).
bool scaledWithin(int64_t value, int decimals, NumberRange r);

// n / d to the nearest integer, a half rounded up (toward plus infinity); d > 0.
int64_t divideHalfUp(int64_t n, int64_t d);

}  // namespace corvella
