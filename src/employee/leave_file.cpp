#include "employee/leave_file.h"

#include <cfloat>
#include <cmath>

#include "common/errors.h"
#include "common/linefile.h"
#include "common/number.h"

namespace corvella {

namespace {

// A box's number as the file stores it. A value beyond float range has no float text,
// so it is refused rather than written as something else.
float boxNumber(const std::string& text, const std::string& control) {
    double v = leadingNumber(text);
    if (std::fabs(v) > FLT_MAX) throw ConversionError(control, text);
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
        a->balance = r.number();
        a->startBalance = floatText(r.number());
    }
    for (int i = 0; i < 20; ++i)
        for (LeaveAccountValues* a : {&b.vac, &b.hol, &b.sick})
            a->counts[i] = floatText(r.number());
    for (int i = 0; i < 20; ++i)
        for (LeaveAccountValues* a : {&b.vac, &b.hol, &b.sick}) a->dates[i] = r.text();
    return b;
}

std::string writeLeaveFile(const LeaveBalances& b) {
    const LeaveAccountValues* accounts[] = {&b.vac, &b.hol, &b.sick};
    LineWriter w;
    for (int k = 0; k < 3; ++k)
        w.number(accounts[k]->balance)
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
