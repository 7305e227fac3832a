#pragma once
#include "engine/pay_calc.h"

namespace corvella {

// The built-in computation of a checked special state in the pay run's state step
// (GetLouisiana, GetIowa, …); writes c.run.StateTax.
void runSpecialStateTax(SpecialState which, PayRunContext& c);

}  // namespace corvella
