#pragma once
// The overtime calculator's stored values and its boxes (the window itself comes later).
#include <array>
#include <string>

#include "common/controls.h"

namespace corvella {

inline constexpr int kOtRows = 53;

struct OvertimeData {
    float AnnualSalary = 0, ApprovedPercent = 0;
    float OtEarned = 0, OtMaxAllowed = 0, OtAvailable = 0, OtPercent = 0;
    std::array<std::string, kOtRows> OtWeekEnding{}, OtAmount{};
};

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

// Rows of the mode: 53 for a weekly employee, 27 otherwise.
inline int overtimeRowCount(bool weekly) {
    return weekly ? 53 : 27;
}

}  // namespace corvella
