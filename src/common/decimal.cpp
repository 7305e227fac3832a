#include "common/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace corvella {

namespace {

constexpr uint64_t kPow10[] = {1ULL,
                               10ULL,
                               100ULL,
                               1000ULL,
                               10000ULL,
                               100000ULL,
                               1000000ULL,
                               10000000ULL,
                               100000000ULL,
                               1000000000ULL,
                               10000000000ULL,
                               100000000000ULL,
                               1000000000000ULL,
                               10000000000000ULL,
                               100000000000000ULL,
                               1000000000000000ULL,
                               10000000000000000ULL,
                               100000000000000000ULL,
                               1000000000000000000ULL,
                               10000000000000000000ULL};

}  // namespace

Decimal Decimal::of(double v, int significantDigits) {
    Decimal d;
    if (!std::isfinite(v) || v == 0.0) return d;
    d.negative = v < 0;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                             significantDigits - 1);
    const char* e = std::find(buf, res.ptr, 'e');
    uint64_t m = 0;
    int digits = 0;
    for (const char* p = buf; p < e; ++p)
        if (*p != '.') {
            m = m * 10 + static_cast<uint64_t>(*p - '0');
            ++digits;
        }
    int exp = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exp);
    int exp10 = exp - (digits - 1);
    while (m != 0 && m % 10 == 0) {
        m /= 10;
        ++exp10;
    }
    d.mantissa = m;
    d.exp10 = exp10;
    return d;
}

Decimal Decimal::ofFloat(float v) {
    // Fast path: a float's 24-bit mantissa times 10^k (k <= 15) is exact in a long
    // double's 64 bits, so rounding that product to 7 digits rounds the exact value,
    // as the general path does.
    const double a = std::fabs(static_cast<double>(v));
    if (!(a >= 1e-9 && a < 1e7)) return of(static_cast<double>(v), 7);
    static constexpr double kBelow[] = {1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2,
                                        1e-1, 1,    10,   100,  1e3,  1e4,  1e5,  1e6};
    int e = 6;
    while (e > -9 && a < kBelow[e + 9]) --e;  // 10^e <= a < 10^(e+1)
    const int k = 6 - e;
    uint64_t m;
    if (k <= 8) {  // 24 + 19 bits: exact in a double as well, and much cheaper
        m = static_cast<uint64_t>(std::nearbyint(a * static_cast<double>(kPow10[k])));
    } else {
        long double x = static_cast<long double>(a) * static_cast<long double>(kPow10[k]);
        m = static_cast<uint64_t>(std::nearbyintl(x));
    }
    int exp10 = -k;
    if (m == 10000000ULL) {  // rounded up into the next decade
        m = 1000000ULL;
        ++exp10;
    } else if (m < 1000000ULL || m > 10000000ULL) {
        return of(static_cast<double>(v), 7);
    }
    while (m != 0 && m % 10 == 0) {
        m /= 10;
        ++exp10;
    }
    Decimal d;
    d.negative = v < 0;
    d.mantissa = m;
    d.exp10 = exp10;
    return d;
}

std::optional<Decimal> Decimal::roundedAt(double v, int decimals, Halves halves) {
    Decimal d;
    if (!std::isfinite(v)) return std::nullopt;
    if (v == 0.0) return d;
    d.negative = v < 0;
    // |v| = m * 2^q exactly, m below 2^53; m * 10^decimals fits in 128 bits.
    int e = 0;
    const double f = std::frexp(std::fabs(v), &e);
    const auto m = static_cast<uint64_t>(std::ldexp(f, 53));
    const int q = e - 53;
    using u128 = unsigned __int128;
    u128 n = static_cast<u128>(m) * kPow10[decimals];
    if (q >= 0) {
        if (q >= 64 || (n >> (64 - q)) != 0) return std::nullopt;
        n <<= q;
    } else if (-q >= 128) {
        n = 0;  // below 2^-60: far from half a unit
    } else {
        const int s = -q;
        const u128 kept = n >> s;
        const u128 rest = n - (kept << s);
        const u128 half = static_cast<u128>(1) << (s - 1);
        const bool up =
            rest > half || (rest == half && (halves == Halves::AwayFromZero || (kept & 1) != 0));
        n = kept + (up ? 1 : 0);
    }
    if ((n >> 64) != 0) return std::nullopt;
    auto units = static_cast<uint64_t>(n);
    int exp10 = -decimals;
    while (units != 0 && units % 10 == 0) {
        units /= 10;
        ++exp10;
    }
    d.mantissa = units;
    d.exp10 = units == 0 ? 0 : exp10;
    if (units == 0) d.negative = false;
    return d;
}

std::optional<uint64_t> Decimal::scaled(int decimals, Halves halves) const {
    if (mantissa == 0) return 0;
    int shift = exp10 + decimals;
    if (shift >= 0) {
        if (shift > 19) return std::nullopt;
        uint64_t p = kPow10[shift];
        if (mantissa > UINT64_MAX / p) return std::nullopt;
        return mantissa * p;
    }
    int drop = -shift;
    if (drop > 19) return 0;  // far below half a unit
    const uint64_t p = kPow10[drop];
    uint64_t kept = mantissa / p;
    uint64_t rest = mantissa % p;
    uint64_t half = p / 2;
    bool up = rest > half || (rest == half && (halves == Halves::AwayFromZero || kept % 2 == 1));
    return kept + (up ? 1 : 0);
}

double Decimal::toDouble() const {
    std::string s = std::to_string(mantissa) + "e" + std::to_string(exp10);
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return negative ? -v : v;
}

}  // namespace corvella
