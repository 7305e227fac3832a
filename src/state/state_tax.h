#pragma once
#include <string>

#include "state/state_settings.h"

namespace corvella {

// Inputs of the generic state computation.
struct StateTaxInput {
    float StateWages = 0;
    float StateAllowance = 0;
    float CafeStateDeduct = 0;
    std::string StateStatus;        // "Single" selects the single table, anything else married
    bool biWeeklySelected = false;  // the profile screen's optBiWeek
    bool weeklySelected = false;    // the profile screen's optWeek
};

// GetState: the generic bracket computation. `stateTax` is the value the run holds
// (normally 0); `stateTaxable` receives the taxable wages.
void GetState(const StateSettings& s, const StateTaxInput& in, float& stateTax,
              float& stateTaxable);

}  // namespace corvella
