#pragma once
// Decimal view of a binary float or double: either its default text form (a number of
// significant digits), or its exact value rounded to a number of decimal places.
#include <cstdint>
#include <optional>

namespace corvella {

struct Decimal {
    bool negative = false;
    uint64_t mantissa = 0;  // no trailing zeros (0 for zero)
    int exp10 = 0;          // value = mantissa * 10^exp10

    static Decimal of(double v, int significantDigits);
    static Decimal ofFloat(float v);
    static Decimal ofDouble(double v) { return of(v, 15); }

    enum class Halves { AwayFromZero, ToEven };
    // The exact binary value of `v` rounded to `decimals` places (0 to 4), with no
    // text form in between; nothing when that does not fit in 64 bits.
    static std::optional<Decimal> roundedAt(double v, int decimals, Halves halves);

    // The value rounded to `decimals` places, as an integer (value * 10^decimals);
    // nothing when that does not fit in 64 bits.
    std::optional<uint64_t> scaled(int decimals, Halves halves = Halves::AwayFromZero) const;
    bool isZero() const { return mantissa == 0; }
    double toDouble() const;
};

}  // namespace corvella
