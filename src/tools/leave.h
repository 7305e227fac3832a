#pragma once
// Vacation, holiday and sick balances: the leave screen's values and the .hol file.
#include <array>
#include <string>

#include "common/controls.h"

namespace corvella {

struct LeaveAccount {
    TextBox startBalance = TextBox::numeric();
    float balance = 0;  // stored balance (shown in the balance caption)
    std::array<TextBox, 20> counts{};
    std::array<TextBox, 20> dates{};
};

// DialogVac's values: vacation, holiday, sick.
struct LeaveScreen {
    LeaveScreen();
    LeaveAccount vac, hol, sick;

    // GetVac: reads the file's 41 lines into the boxes; throws ReadError.
    void read(const std::string& fileBytes, const std::string& fileName);
    // SaveVac: the file's bytes from the boxes.
    std::string write() const;
    // clearVac: counts "0", dates empty, start balances "0", balances 0.
    void clearVac();
};

}  // namespace corvella
