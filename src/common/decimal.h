#pragma once
// Decimal view of a binary float or double, as the system's formatter sees it:
// the value rounded to a number of significant digits, then handled as decimal digits.
#include <cstdint>
#include <optional>

namespace corvella {

struct Decimal {
    bool negative = false;
    uint64_t mantissa = 0;  // at most 17 digits, no trailing zeros (0 for zero)
    int exp10 = 0;          // value = mantissa * 10^exp10

    static Decimal of(double v, int significantDigits);
    static Decimal ofFloat(float v);
    static Decimal ofDouble(double v) { return of(v, 15); }

    enum class Halves { AwayFromZero, ToEven };
    // The value rounded to `decimals` places, as an integer (value * 10^decimals);
    // nothing when that does not fit in 64 bits.
    std::optional<uint64_t> scaled(int decimals, Halves halves = Halves::AwayFromZero) const;
    bool isZero() const { return mantissa == 0; }
    double toDouble() const;
};

}  // namespace corvella
