#pragma once
// How Corvella reads, stores, rounds and writes numbers.
//  - Money, hours and rates are 32-bit floats; products are formed in double from float
//    operands and double constants, then stored back into float.
//  - Currency is an exact count of ten-thousandths of a dollar.
//  - The default text form of a number (files, plain boxes and labels) has up to 7
//    significant digits for a float and 15 for a double. Rounding to cents or dollars
//    works on the value as held, never on that text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvella {

// Leading number of a text (lenient): blanks anywhere are skipped, an optional sign,
// digits, point and exponent are taken, reading stops at the first character that
// cannot continue the number; no number gives 0.
double leadingNumber(std::string_view text);

// Strict conversion: the whole text, less leading and trailing blanks, must be a
// number (sign, digits, one point, optional exponent). Empty text is not a number.
std::optional<double> strictNumber(std::string_view text);

// Strict conversion to float; throws ConversionError naming `control` when the text
// is not a number or is out of float range.
float strictFloat(std::string_view text, std::string_view control);

// The float text form: up to 7 significant digits, shortest, plain decimal notation,
// no trailing zeros, whole numbers without a point, "0.5" with its zero.
std::string floatText(float v);
// The same with up to 15 significant digits, for doubles.
std::string doubleText(double v);

// Rounds the value as held to cents, halves away from zero, as the display patterns round.
float roundCents(float v);
double roundCents(double v);
// Rounds to whole dollars, halves to the even dollar ("Round State").
float roundDollarsEven(float v);

class Currency {
  public:
    constexpr Currency() = default;
    // Rounds a double to four decimals, halves away from zero.
    static Currency fromDouble(double v);
    static constexpr Currency fromUnits(int64_t units) { return Currency(units); }
    constexpr int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / 10000.0; }
    float toFloat() const { return static_cast<float>(toDouble()); }
    // Sums saturate at the type's range instead of wrapping around.
    Currency operator+(Currency o) const { return Currency(saturate(units_, o.units_, 1)); }
    Currency operator-(Currency o) const { return Currency(saturate(units_, o.units_, -1)); }
    Currency& operator+=(Currency o) {
        units_ = saturate(units_, o.units_, 1);
        return *this;
    }
    constexpr bool operator==(const Currency&) const = default;
    constexpr auto operator<=>(const Currency&) const = default;

  private:
    constexpr explicit Currency(int64_t units) : units_(units) {}
    static int64_t saturate(int64_t a, int64_t b, int sign);
    int64_t units_ = 0;
};

}  // namespace corvella
