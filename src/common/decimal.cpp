#include "common/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace corvella {

Decimal Decimal::of(double v, int significantDigits) {
    Decimal d;
    if (!std::isfinite(v) || v == 0.0) return d;
    d.negative = v < 0;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                             significantDigits - 1);
    const char* e = std::find(buf, res.ptr, 'e');
    std::string digits;
    digits.reserve(static_cast<size_t>(significantDigits));
    for (const char* p = buf; p < e; ++p)
        if (*p != '.') digits += *p;
    int exp = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exp);
    int exp10 = exp - (static_cast<int>(digits.size()) - 1);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exp10;
    }
    d.digits = digits;
    d.exp10 = exp10;
    return d;
}

static std::string incrementDigits(std::string s) {
    int i = static_cast<int>(s.size()) - 1;
    while (i >= 0 && s[i] == '9') s[i--] = '0';
    if (i < 0)
        s.insert(s.begin(), '1');
    else
        ++s[i];
    return s;
}

std::string Decimal::scaled(int decimals, Halves halves) const {
    if (isZero()) return "0";
    int shift = exp10 + decimals;
    if (shift >= 0) return digits + std::string(shift, '0');
    int drop = -shift;
    std::string kept, dropped;
    if (drop >= static_cast<int>(digits.size())) {
        kept = "0";
        dropped = std::string(drop - digits.size(), '0') + digits;
    } else {
        kept = digits.substr(0, digits.size() - drop);
        dropped = digits.substr(digits.size() - drop);
    }
    bool up = false;
    if (dropped[0] > '5') {
        up = true;
    } else if (dropped[0] == '5') {
        bool restZero = dropped.find_first_not_of('0', 1) == std::string::npos;
        if (halves == Halves::AwayFromZero || !restZero)
            up = true;
        else
            up = (kept.back() - '0') % 2 == 1;
    }
    if (up) kept = incrementDigits(kept);
    auto nz = kept.find_first_not_of('0');
    return nz == std::string::npos ? "0" : kept.substr(nz);
}

void splitScaled(const std::string& scaled, int decimals, std::string& intPart,
                 std::string& fraction) {
    std::string s = scaled;
    if (static_cast<int>(s.size()) <= decimals) s = std::string(decimals + 1 - s.size(), '0') + s;
    intPart = s.substr(0, s.size() - decimals);
    fraction = s.substr(s.size() - decimals);
    auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
}

}  // namespace corvella
