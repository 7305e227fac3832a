#pragma once
// The vacation, holiday and sick balances of the .hol file. The start balances and the
// counts are kept as the texts of their boxes; they are read leniently when written.
#include <array>
#include <string>

namespace corvella {

struct LeaveAccountValues {
    float balance = 0;  // the stored balance (shown in the balance caption)
    std::string startBalance;
    std::array<std::string, 20> counts{}, dates{};
    bool operator==(const LeaveAccountValues&) const = default;
};

struct LeaveBalances {
    LeaveAccountValues vac, hol, sick;
    bool operator==(const LeaveBalances&) const = default;
};

// GetVac: the file's 41 lines, whole or not at all; throws ReadError.
LeaveBalances readLeaveFile(const std::string& bytes, const std::string& fileName);
// SaveVac. A start balance or count beyond float range is refused with ConversionError
// naming its box ("txtVacBal", "txtHcnt(3)").
std::string writeLeaveFile(const LeaveBalances& b);

}  // namespace corvella
