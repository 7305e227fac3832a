#pragma once
// Decimal view of a binary float or double, as the system's formatter sees it:
// the value rounded to a number of significant digits, then handled as decimal digits.
#include <string>

namespace corvella {

struct Decimal {
    bool negative = false;
    std::string digits = "0";  // integer mantissa without leading zeros ("0" for zero)
    int exp10 = 0;             // value = digits * 10^exp10

    static Decimal of(double v, int significantDigits);
    static Decimal ofFloat(float v) { return of(static_cast<double>(v), 7); }
    static Decimal ofDouble(double v) { return of(v, 15); }

    enum class Halves { AwayFromZero, ToEven };
    // The value rounded to `decimals` places, as integer digits (value * 10^decimals).
    std::string scaled(int decimals, Halves halves = Halves::AwayFromZero) const;
    bool isZero() const { return digits == "0"; }
};

// Inserts the point: ("12345", 2) -> integer part "123", fraction "45".
void splitScaled(const std::string& scaled, int decimals, std::string& intPart,
                 std::string& fraction);

}  // namespace corvella
