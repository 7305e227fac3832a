#pragma once
// The overtime calculator's boxes (the window itself comes later).
#include <array>
#include <string>

#include "common/controls.h"
#include "employee/overtime_data.h"

namespace corvella {

// The calculator window's boxes (Form2): salary, percentage, and the rows.
struct OvertimeScreen {
    TextBox txtAnnual = TextBox::numeric();
    TextBox txtApPercent = TextBox::numeric();
    std::array<TextBox, kOtRows> Text1{};  // week ending
    std::array<TextBox, kOtRows> txtOT{};  // overtime amount

    // Puts the stored values into the boxes (FillInOT).
    void FillInOT(const OvertimeData& d, bool weekly);
    // A new employee: empty dates and "0" amounts, salary 11440, percent 0 (ClearAll).
    void ClearAll(OvertimeData& d, bool weekly);
};

}  // namespace corvella
