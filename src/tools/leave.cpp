#include "tools/leave.h"

namespace corvella {

LeaveScreen::LeaveScreen() {
    for (LeaveAccount* a : {&vac, &hol, &sick})
        for (auto& c : a->counts) c.numericOnly = true;
}

void LeaveScreen::show(const LeaveBalances& b) {
    const LeaveAccountValues* from[] = {&b.vac, &b.hol, &b.sick};
    LeaveAccount* to[] = {&vac, &hol, &sick};
    for (int k = 0; k < 3; ++k) {
        to[k]->balance = from[k]->balance;
        to[k]->startBalance.text = from[k]->startBalance;
        for (int i = 0; i < 20; ++i) {
            to[k]->counts[i].text = from[k]->counts[i];
            to[k]->dates[i].text = from[k]->dates[i];
        }
    }
}

LeaveBalances LeaveScreen::values() const {
    LeaveBalances b;
    const LeaveAccount* from[] = {&vac, &hol, &sick};
    LeaveAccountValues* to[] = {&b.vac, &b.hol, &b.sick};
    for (int k = 0; k < 3; ++k) {
        to[k]->balance = from[k]->balance;
        to[k]->startBalance = from[k]->startBalance.text;
        for (int i = 0; i < 20; ++i) {
            to[k]->counts[i] = from[k]->counts[i].text;
            to[k]->dates[i] = from[k]->dates[i].text;
        }
    }
    return b;
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
