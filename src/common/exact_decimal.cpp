#include "common/exact_decimal.h"

#include <cmath>
#include <limits>

namespace corvella {

ScaledDecimal parseScaled(std::string_view t, int decimals) {
    using Problem = ScaledDecimal::Problem;
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    uint64_t magnitude = 0;
    bool overflow = false, point = false, nonZeroBeyond = false;
    int digits = 0, fraction = 0;
    auto push = [&](unsigned digit) {
        if (overflow || magnitude > (std::numeric_limits<uint64_t>::max() - digit) / 10)
            overflow = true;
        else
            magnitude = magnitude * 10 + digit;
    };
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return {0, Problem::NotANumber};
        ++digits;
        const auto digit = static_cast<unsigned>(c - '0');
        if (!point) {
            push(digit);
        } else if (fraction < decimals) {
            push(digit);
            ++fraction;
        } else if (digit != 0) {
            nonZeroBeyond = true;
        }
    }
    if (digits == 0) return {0, Problem::NotANumber};
    if (nonZeroBeyond) return {0, Problem::TooManyDecimals};
    for (; fraction < decimals; ++fraction) push(0);
    if (overflow || magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
        return {0, Problem::TooLarge};
    const auto value = static_cast<int64_t>(magnitude);
    return {negative ? -value : value, Problem::None};
}

namespace {

std::string fixedText(int64_t value, int decimals, bool trimZeros) {
    // Through the unsigned magnitude, so that the most negative value has one too.
    const uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<size_t>(decimals + 1) - digits.size(), '0');
    std::string out = value < 0 ? "-" : "";
    const size_t whole = digits.size() - static_cast<size_t>(decimals);
    out.append(digits, 0, whole);
    std::string fraction = digits.substr(whole);
    if (trimZeros)
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) out.append(".").append(fraction);
    return out;
}

}  // namespace

std::string scaledText(int64_t value, int decimals) {
    return fixedText(value, decimals, true);
}

std::string centsText(int64_t cents) {
    return fixedText(cents, kCentDecimals, cents % 100 == 0);
}

bool scaledWithin(int64_t value, int decimals, NumberRange r) {
    const double scale = std::pow(10.0, decimals);
    // Rounding a value beyond 2^53 to double never carries it across such a bound.
    const auto v = static_cast<double>(value);
    return v >= r.lo * scale && v <= r.hi * scale;
}

int64_t divideHalfUp(int64_t n, int64_t d) {
    int64_t q = n / d, r = n % d;
    if (r < 0) {  // to the floor first
        --q;
        r += d;
    }
    return r >= d - r ? q + 1 : q;
}

std::optional<int64_t> shownCents(std::string_view caption) {
    std::string plain;
    for (char c : caption)
        if (c != '$' && c != ',') plain += c;
    if (plain.empty()) return 0;
    const ScaledDecimal d = parseScaled(plain, kCentDecimals);
    if (d.problem != ScaledDecimal::Problem::None) return std::nullopt;
    return d.value;
}

}  // namespace corvella
