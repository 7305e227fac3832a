#include "engine/special_states.h"

namespace corvella {

void runSpecialStateTax(SpecialState, PayRunContext&) {}

}  // namespace corvella
