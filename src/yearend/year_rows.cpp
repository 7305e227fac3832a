#include "yearend/year_rows.h"

#include <algorithm>

#include "common/format.h"

namespace corvella {

namespace {

std::string digitsOf(const std::string& s) {
    std::string d;
    std::copy_if(s.begin(), s.end(), std::back_inserter(d),
                 [](char c) { return c >= '0' && c <= '9'; });
    return d;
}

}  // namespace

std::string ssnText(const std::string& typed) {
    const std::string d = digitsOf(typed);
    if (d.size() != 9) return typed;
    return d.substr(0, 3) + "-" + d.substr(3, 2) + "-" + d.substr(5);
}

std::string ssnMasked(const std::string& typed) {
    const std::string d = digitsOf(typed);
    if (d.size() != 9) return maskedSecret(typed);
    return "***-**-" + d.substr(5);
}

std::string w2Name(const EmployeeYear& e) {
    if (!e.w2 || (e.w2->first.empty() && e.w2->last.empty())) return e.profileName;
    std::string out;
    for (const std::string& part : {e.w2->first, e.w2->middle, e.w2->last, e.w2->suffix}) {
        if (part.empty()) continue;
        if (!out.empty()) out += ' ';
        out += part;
    }
    return out;
}

}  // namespace corvella
