#pragma once
// Vacation, holiday and sick balances: the leave screen's boxes over the .hol values.
#include <array>
#include <string>

#include "common/controls.h"
#include "employee/leave_file.h"

namespace corvella {

struct LeaveAccount {
    TextBox startBalance = TextBox::numeric();
    float balance = 0;     // stored balance (shown in the balance caption)
    Label balanceCaption;  // lbVacBal, lbHolBal, lbSickBal
    std::array<TextBox, 20> counts{};
    std::array<TextBox, 20> dates{};

    // The start balance less the counts taken: the counts summed into a float, the
    // difference in double and shown with up to 15 digits. Run whenever the start
    // balance or a count changes.
    void recompute();
};

// DialogVac's values: vacation, holiday, sick.
struct LeaveScreen {
    LeaveScreen();
    LeaveAccount vac, hol, sick;

    // The file's values into the boxes, and the boxes' values for the file.
    void show(const LeaveBalances& b);
    LeaveBalances values() const;
    // clearVac: counts "0", dates empty, start balances "0", balances 0.
    void clearVac();
    // The screen opening: empty start balances become "0", the balances are recomputed.
    // What it shows then is what changed() compares with.
    void opened();
    // A box differs from what the screen showed when it opened.
    bool changed() const { return values() != atOpening_; }

  private:
    LeaveBalances atOpening_;
};

}  // namespace corvella
