#include "tools/leave.h"

#include <cfloat>
#include <cmath>

#include "common/number.h"

namespace corvella {

void LeaveAccount::recompute() {
    // Figures beyond a float cannot be kept (the save refuses them, naming the box).
    auto fits = [](double v) { return std::fabs(v) <= FLT_MAX; };
    float taken = 0;
    bool ok = true;
    for (const auto& c : counts) {
        const double sum = static_cast<double>(taken) + leadingNumber(c.text);
        ok = ok && fits(sum);
        if (ok) taken = static_cast<float>(sum);
    }
    const double left = leadingNumber(startBalance.text) - static_cast<double>(taken);
    if (!ok || !fits(left)) {
        balance = 0;
        balanceCaption.caption = "too large";
        return;
    }
    balance = static_cast<float>(left);
    balanceCaption.caption = doubleText(left);
}

LeaveScreen::LeaveScreen() {
    for (LeaveAccount* a : {&vac, &hol, &sick}) {
        for (auto& c : a->counts) {
            c.numericOnly = true;
            c.text = "0";
        }
        a->balanceCaption.caption = "0";
    }
}

void LeaveScreen::show(const LeaveBalances& b) {
    const LeaveAccountValues* from[] = {&b.vac, &b.hol, &b.sick};
    LeaveAccount* to[] = {&vac, &hol, &sick};
    for (int k = 0; k < 3; ++k) {
        to[k]->balance = from[k]->balance;
        to[k]->balanceCaption.caption = floatText(from[k]->balance);
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
        a->balanceCaption.caption = "0";
    }
}

void LeaveScreen::opened() {
    for (LeaveAccount* a : {&vac, &hol, &sick}) {
        if (a->startBalance.text.empty()) a->startBalance.text = "0";
        a->recompute();
    }
    atOpening_ = values();
}

}  // namespace corvella
