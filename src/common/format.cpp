#include "common/format.h"

#include "common/decimal.h"

namespace corvella {

namespace {

std::string group(const std::string& intPart) {
    std::string out;
    int n = static_cast<int>(intPart.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += intPart[i];
    }
    return out;
}

std::string apply(const Decimal& d, Pattern p) {
    if (p == Pattern::Percent) {
        Decimal pct = d;
        pct.exp10 += 2;
        std::string s = pct.scaled(2), ip, fr;
        splitScaled(s, 2, ip, fr);
        while (!fr.empty() && fr.back() == '0') fr.pop_back();
        std::string sign = (pct.negative && s != "0") ? "-" : "";
        return sign + (ip == "0" ? "" : ip) + "." + fr + "%";
    }
    std::string s = d.scaled(2), ip, fr;
    splitScaled(s, 2, ip, fr);
    std::string sign = (d.negative && s != "0") ? "-" : "";
    switch (p) {
        case Pattern::Comma2:
            return sign + (ip == "0" ? "" : group(ip)) + "." + fr;
        case Pattern::Dollar2:
            return sign + "$" + (ip == "0" ? "" : group(ip)) + "." + fr;
        case Pattern::Plain2:
            return sign + (ip == "0" ? "" : ip) + "." + fr;
        case Pattern::Zero6:
            if (ip.size() < 6) ip = std::string(6 - ip.size(), '0') + ip;
            return sign + ip + "." + fr;
        case Pattern::Percent:
            break;
    }
    return {};
}

}  // namespace

std::string format(float v, Pattern p) {
    return apply(Decimal::ofFloat(v), p);
}
std::string format(double v, Pattern p) {
    return apply(Decimal::ofDouble(v), p);
}

}  // namespace corvella
