#pragma once
// The built-in state computations of the pay run's state step. Each writes
// c.run.StateTax; the pay run adds StateAddl and rounds afterwards.
#include <cstdint>

#include "engine/pay_calc.h"

namespace corvella {

void GetLouisiana(PayRunContext& c);
void GetLouisianaPrior(PayRunContext& c);
void GetIowa(PayRunContext& c, int16_t stateExemp);
void GetMissouri(PayRunContext& c, int16_t stateExemp);
void GetMass(PayRunContext& c);
void GetOregon(PayRunContext& c);
void GetUtah(PayRunContext& c);
void GetAlabama(PayRunContext& c, int16_t stateExemp);
void GetKentucky(PayRunContext& c);
void WisconsinTax(PayRunContext& c);
void GetNC(PayRunContext& c);

// The computation of a checked special-state box (Louisiana picks its version by the
// main window's ckLouisPrior).
void runSpecialStateTax(SpecialState which, PayRunContext& c);

}  // namespace corvella
