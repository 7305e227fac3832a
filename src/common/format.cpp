#include "common/format.h"

#include <cmath>
#include <cstdio>

#include "common/decimal.h"

namespace corvella {

namespace {

// Writes `n` with a comma between thousands when `grouped`; nothing for 0.
char* integerPart(char* out, uint64_t n, bool grouped, int minDigits) {
    char digits[24];
    int len = 0;
    do {
        digits[len++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    if (len == 1 && digits[0] == '0' && minDigits == 0) return out;
    while (len < minDigits) digits[len++] = '0';
    for (int i = len - 1; i >= 0; --i) {
        *out++ = digits[i];
        if (grouped && i > 0 && i % 3 == 0) *out++ = ',';
    }
    return out;
}

std::string apply(Decimal d, Pattern p) {
    if (p == Pattern::Percent) d.exp10 += 2;
    auto scaled = d.scaled(2);
    if (!scaled) {  // beyond any real amount: plain digits
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.2f", d.toDouble());
        return buf;
    }
    const uint64_t ip = *scaled / 100, fr = *scaled % 100;
    char buf[48];
    char* out = buf;
    if (d.negative && *scaled != 0) *out++ = '-';
    if (p == Pattern::Dollar2) *out++ = '$';
    const bool grouped = p == Pattern::Comma2 || p == Pattern::Dollar2;
    out = integerPart(out, ip, grouped, p == Pattern::Zero6 ? 6 : 0);
    *out++ = '.';
    if (p == Pattern::Percent) {
        if (fr != 0) {
            *out++ = static_cast<char>('0' + fr / 10);
            if (fr % 10 != 0) *out++ = static_cast<char>('0' + fr % 10);
        }
        *out++ = '%';
    } else {
        *out++ = static_cast<char>('0' + fr / 10);
        *out++ = static_cast<char>('0' + fr % 10);
    }
    return std::string(buf, out);
}

}  // namespace

// The pattern rounds the value as held, never its 7- or 15-digit text.
std::string format(double v, Pattern p) {
    const int decimals = p == Pattern::Percent ? 4 : 2;
    auto d = Decimal::roundedAt(v, decimals, Decimal::Halves::AwayFromZero);
    return apply(d ? *d : Decimal::of(v, 17), p);
}
std::string format(float v, Pattern p) {
    return format(static_cast<double>(v), p);
}

std::string maskedSecret(const std::string& number) {
    size_t digits = 0;
    for (char c : number)
        if (c >= '0' && c <= '9') ++digits;
    std::string out = number;
    for (char& c : out) {
        if (c < '0' || c > '9') continue;
        if (digits-- > 4) c = '*';
    }
    return out;
}

}  // namespace corvella
