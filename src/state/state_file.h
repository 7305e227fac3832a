#pragma once
// The employee's state file (<name>.sta; the defaults are ".sta"): 23 lines.
#include <cstdint>
#include <string>

#include "state/state_settings.h"

namespace corvella {

// The five profile values that travel in the state file.
struct StateProfileFields {
    int16_t StateExemp = 0;
    std::string StateStatus;
    float FedAddl = 0;
    int16_t FedExempFlag = 0;
    int16_t SSMediExempFlag = 0;
};

// Reads lines 1 to 23 straight into the records, in file order, so that on a ReadError
// the fields read before the failure keep their new values and the rest their old ones.
void readStateFile(const std::string& bytes, const std::string& fileName, StateSettings& s,
                   StateProfileFields& p);

// The file's bytes from the records.
std::string writeStateFile(const StateSettings& s, const StateProfileFields& p);

}  // namespace corvella
