#include "employee/leave_file.h"

#include <cfloat>
#include <cmath>

#include "common/errors.h"
#include "common/linefile.h"
#include "common/number.h"

namespace corvella {

namespace {

// Balances, start balances and counts are hours or days; the reader and writer share it.
constexpr NumberField kLeave{"leave balance or count", ranges::kHours};

// A box's number as the file stores it. A value the file may not hold is refused rather
// than written as something else.
float boxNumber(const std::string& text, const std::string& control) {
    double v = leadingNumber(text);
    if (!kLeave.range.contains(v)) throw ConversionError(control, text);
    return static_cast<float>(v);
}

std::string indexed(const char* name, int i) {
    return name + ("(" + std::to_string(i) + ")");
}

struct Names {
    const char* start;
    const char* count;
};
constexpr Names kNames[] = {
    {"txtVacBal", "txtVcnt"}, {"txtHolBal", "txtHcnt"}, {"txtSickBal", "txtScnt"}};

}  // namespace

LeaveBalances readLeaveFile(const std::string& bytes, const std::string& fileName) {
    LeaveBalances b;
    FieldReader r(bytes, fileName);
    for (LeaveAccountValues* a : {&b.vac, &b.hol, &b.sick}) {
        a->balance = r.number(kLeave);
        a->startBalance = floatText(r.number(kLeave));
    }
    r.endLine();
    for (int i = 0; i < 20; ++i) {
        for (LeaveAccountValues* a : {&b.vac, &b.hol, &b.sick})
            a->counts[i] = floatText(r.number(kLeave));
        r.endLine();
    }
    for (int i = 0; i < 20; ++i) {
        for (LeaveAccountValues* a : {&b.vac, &b.hol, &b.sick}) a->dates[i] = r.text();
        r.endLine();
    }
    r.expectEnd();
    return b;
}

std::string writeLeaveFile(const LeaveBalances& b) {
    const LeaveAccountValues* accounts[] = {&b.vac, &b.hol, &b.sick};
    LineWriter w;
    for (int k = 0; k < 3; ++k)
        w.number(accounts[k]->balance, kLeave)
            .number(boxNumber(accounts[k]->startBalance, kNames[k].start));
    w.endLine();
    for (int i = 0; i < 20; ++i) {
        for (int k = 0; k < 3; ++k)
            w.number(boxNumber(accounts[k]->counts[i], indexed(kNames[k].count, i)));
        w.endLine();
    }
    for (int i = 0; i < 20; ++i) {
        for (const LeaveAccountValues* a : accounts) w.text(a->dates[i]);
        w.endLine();
    }
    return w.bytes();
}

}  // namespace corvella
