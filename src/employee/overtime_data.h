#pragma once
// The overtime calculator's stored values: a member of the employee file set (.use
// line 1 and 2, and the .ovw/.ovb rows), kept here so the file set needs no tool.
#include <array>
#include <string>

namespace corvella {

inline constexpr int kOtRows = 53;

struct OvertimeData {
    float AnnualSalary = 0, ApprovedPercent = 0;
    float OtEarned = 0, OtMaxAllowed = 0, OtAvailable = 0, OtPercent = 0;
    std::array<std::string, kOtRows> OtWeekEnding{}, OtAmount{};
};

// Rows of the mode: 53 for a weekly employee, 27 otherwise.
inline int overtimeRowCount(bool weekly) {
    return weekly ? 53 : 27;
}

}  // namespace corvella
