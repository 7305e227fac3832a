#include "tools/leave.h"

#include "common/linefile.h"
#include "common/number.h"

namespace corvella {

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
    LineWriter w;
    for (const LeaveAccount* a : {&vac, &hol, &sick})
        w.number(a->balance).number(static_cast<float>(leadingNumber(a->startBalance.text)));
    w.endLine();
    for (int i = 0; i < 20; ++i) {
        for (const LeaveAccount* a : {&vac, &hol, &sick})
            w.number(static_cast<float>(leadingNumber(a->counts[i].text)));
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
