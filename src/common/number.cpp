#include "common/number.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

#include "common/decimal.h"
#include "common/errors.h"

namespace corvella {

namespace {

// Whether a number text beyond a double's range is too small (rather than too large):
// the power of ten of its first significant digit is negative.
bool underflows(const std::string& s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    long intDigits = 0, fractionZeros = 0;
    bool significant = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        significant = significant || s[i] != '0';
        if (significant) ++intDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && s[i] == '0' && !significant; ++i) ++fractionZeros;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    }
    long exp = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
            exp = std::min(exp * 10 + (s[i] - '0'), 100000L);
        if (negative) exp = -exp;
    }
    return (intDigits > 0 ? intDigits : -fractionZeros) + exp < 0;
}

double parseDouble(const std::string& s) {
    double v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    (void)p;
    // Too small to hold is 0; too large is caught by the range checks.
    if (ec == std::errc::result_out_of_range) return underflows(s) ? 0.0 : HUGE_VAL;
    return v;
}

// The common case of a box: an optional sign, at most 15 digits and one point, nothing
// else. An integer below 10^15 divided by an exact power of ten is correctly rounded,
// as the general parse would round it.
std::optional<double> plainDecimal(std::string_view t) {
    static constexpr double kPow10[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    uint64_t mant = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            if (++digits > 15) return std::nullopt;
            mant = mant * 10 + static_cast<uint64_t>(c - '0');
            if (point) ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    double v = static_cast<double>(mant) / kPow10[decimals];
    return negative ? -v : v;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Plain decimal text of a Decimal: no exponent, no trailing zeros.
std::string plainText(const Decimal& d) {
    if (d.isZero()) return "0";
    std::string digits = std::to_string(d.mantissa);
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (d.exp10 >= 0) return out + digits + std::string(d.exp10, '0');
    int intLen = n + d.exp10;
    if (intLen > 0) return out + digits.substr(0, intLen) + "." + digits.substr(intLen);
    return out + "0." + std::string(-intLen, '0') + digits;
}

// The held value rounded to `decimals` places (0 to 4); an integer below 2^53 divided by
// an exact power of ten is correctly rounded.
double rounded(double v, int decimals, Decimal::Halves halves) {
    static constexpr double kPow10[] = {1, 10, 100, 1000, 10000};
    if (!std::isfinite(v)) return 0;  // as the text form reads it
    auto d = Decimal::roundedAt(v, decimals, halves);
    if (!d) return v;  // beyond any real amount: no fraction left to round
    auto n = d->scaled(decimals);
    if (!n || *n >= (1ULL << 53)) return d->toDouble();  // through its digits, still rounded
    const double out = static_cast<double>(*n) / kPow10[decimals];
    return d->negative ? -out : out;
}

}  // namespace

double leadingNumber(std::string_view text) {
    if (auto v = plainDecimal(text)) return *v;
    std::string s;
    size_t i = 0, n = text.size();
    auto skip = [&] {
        while (i < n && isBlank(text[i])) ++i;
    };
    skip();
    if (i < n && (text[i] == '+' || text[i] == '-')) s += text[i++];
    bool digits = false, point = false;
    for (;; ++i) {
        skip();
        if (i >= n) break;
        char c = text[i];
        if (c >= '0' && c <= '9') {
            s += c;
            digits = true;
        } else if (c == '.' && !point) {
            s += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    skip();
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        size_t save = i;
        std::string e = "e";
        ++i;
        skip();
        if (i < n && (text[i] == '+' || text[i] == '-')) e += text[i++];
        bool expDigits = false;
        for (;; ++i) {
            skip();
            if (i >= n || text[i] < '0' || text[i] > '9') break;
            e += text[i];
            expDigits = true;
        }
        if (expDigits)
            s += e;
        else
            i = save;
    }
    if (s[0] == '+') s.erase(0, 1);
    if (s == "-" || s == ".") return 0.0;
    double v = parseDouble(s);
    return std::isfinite(v) ? v : 0.0;
}

std::optional<double> strictNumber(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    std::string_view t = text.substr(b, e - b);
    if (auto v = plainDecimal(t)) return v;
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    std::string s;
    int mantDigits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') s += t[i++], ++mantDigits;
    if (i < t.size() && t[i] == '.') {
        s += t[i++];
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') s += t[i++], ++mantDigits;
    }
    if (mantDigits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) s += t[i++];
        int expDigits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') s += t[i++], ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    if (s[0] == '.') s.insert(s.begin(), '0');
    double v = parseDouble(s);
    if (!std::isfinite(v)) return std::nullopt;
    return negative ? -v : v;
}

float strictFloat(std::string_view text, std::string_view control) {
    auto v = strictNumber(text);
    if (!v || std::fabs(*v) > FLT_MAX)
        throw ConversionError(std::string(control), std::string(text));
    return static_cast<float>(*v);
}

std::string floatText(float v) {
    return plainText(Decimal::ofFloat(v));
}
std::string doubleText(double v) {
    return plainText(Decimal::ofDouble(v));
}

float roundCents(float v) {
    auto d = Decimal::roundedAt(v, 2, Decimal::Halves::AwayFromZero);
    if (d) {
        auto n = d->scaled(2);
        if (n && *n < (1u << 24)) {  // the float division is then correctly rounded
            float f = static_cast<float>(*n) / 100.0f;
            return d->negative ? -f : f;
        }
    }
    return static_cast<float>(rounded(v, 2, Decimal::Halves::AwayFromZero));
}

double roundCents(double v) {
    return rounded(v, 2, Decimal::Halves::AwayFromZero);
}

float roundDollarsEven(float v) {
    return static_cast<float>(rounded(v, 0, Decimal::Halves::ToEven));
}

Currency Currency::fromDouble(double v) {
    if (!std::isfinite(v)) return Currency();
    auto d = Decimal::roundedAt(v, 4, Decimal::Halves::AwayFromZero);
    auto n = d ? d->scaled(4) : std::nullopt;
    if (!n || *n > static_cast<uint64_t>(INT64_MAX))
        return v < 0 ? Currency(INT64_MIN) : Currency(INT64_MAX);
    const auto units = static_cast<int64_t>(*n);
    return Currency(d->negative ? -units : units);
}

int64_t Currency::saturate(int64_t a, int64_t b, int sign) {
    int64_t out;
    bool overflow =
        sign > 0 ? __builtin_add_overflow(a, b, &out) : __builtin_sub_overflow(a, b, &out);
    if (!overflow) return out;
    const bool up = sign > 0 ? b > 0 : b < 0;  // never negates INT64_MIN
    return up ? INT64_MAX : INT64_MIN;
}

}  // namespace corvella
