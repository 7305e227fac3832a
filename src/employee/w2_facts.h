#pragma once
// What an employee's Form W-2 needs beyond the profile: the name in its parts (the
// profile's one name line is what the check prints) and the three boxes of box 13.
#include <string>

namespace corvella {

struct W2Facts {
    std::string first{}, middle{}, last{}, suffix{};  // middle: one letter or empty
    bool statutory = false, retirementPlan = false, thirdPartySick = false;
    // Boxes 15 and 20: the state's two letters and the locality's name.
    std::string state{}, locality{};

    bool operator==(const W2Facts&) const = default;
};

}  // namespace corvella
