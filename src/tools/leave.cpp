#include "tools/leave.h"

#include <cfloat>
#include <cmath>

#include "common/errors.h"
#include "common/linefile.h"
#include "common/number.h"

namespace corvella {

namespace {

// A box's number as the file stores it. A value beyond float range has no float text,
// so it is refused rather than written as something else.
float boxNumber(const TextBox& box, const std::string& control) {
    double v = leadingNumber(box.text);
    if (std::fabs(v) > FLT_MAX) throw ConversionError(control, box.text);
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

LeaveScreen::LeaveScreen() {
    for (LeaveAccount* a : {&vac, &hol, &sick})
        for (auto& c : a->counts) c.numericOnly = true;
}

void LeaveScreen::read(const std::string& fileBytes, const std::string& fileName) {
    FieldReader r(fileBytes, fileName);
    for (LeaveAccount* a : {&vac, &hol, &sick}) {
        a->balance = r.number();
        a->startBalance.text = floatText(r.number());
    }
    for (int i = 0; i < 20; ++i)
        for (LeaveAccount* a : {&vac, &hol, &sick}) a->counts[i].text = floatText(r.number());
    for (int i = 0; i < 20; ++i)
        for (LeaveAccount* a : {&vac, &hol, &sick}) a->dates[i].text = r.text();
}

std::string LeaveScreen::write() const {
    const LeaveAccount* accounts[] = {&vac, &hol, &sick};
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
        for (const LeaveAccount* a : {&vac, &hol, &sick}) w.text(a->dates[i].text);
        w.endLine();
    }
    return w.bytes();
}

void LeaveScreen::clearVac() {
    for (LeaveAccount* a : {&vac, &hol, &sick}) {
        for (auto& c : a->counts) c.text = "0";
        for (auto& d : a->dates) d.text.clear();
        a->startBalance.text = "0";
        a->balance = 0;
    }
}

}  // namespace corvella
