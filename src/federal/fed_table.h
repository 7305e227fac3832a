#pragma once
#include <array>
#include <string>

namespace corvella {

struct FedRow {
    float Over = 0, NotOver = 0, Subtract = 0, Rate = 0, Add = 0;
};

// The federal withholding tables; exists only during a pay run.
struct FedTable {
    // Sections 0..3: single bi-weekly, single weekly, married bi-weekly, married weekly.
    std::array<std::array<FedRow, 8>, 4> sections{};
    std::array<float, 10> FedAllowSingle{}, FedAllowMarried{};
    std::string FedTableVer;

    // Sets every number to 0; the version text stays.
    void clearNumbers();
};

}  // namespace corvella
