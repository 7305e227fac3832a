#include "engine/special_states.h"

namespace corvella {

void runSpecialStateTax(SpecialState which, PayRunContext& c) {
    const int16_t exemp = c.profile.StateExemp;
    switch (which) {
        case SpecialState::Ariz: return;  // the generic computation applies
        case SpecialState::Louis:
            return c.main.ckLouisPrior.checked() ? GetLouisianaPrior(c) : GetLouisiana(c);
        case SpecialState::Iowa: return GetIowa(c, exemp);
        case SpecialState::Missouri: return GetMissouri(c, exemp);
        case SpecialState::Mass: return GetMass(c);
        case SpecialState::Oregon: return GetOregon(c);
        case SpecialState::Utah: return GetUtah(c);
        case SpecialState::Alabama: return GetAlabama(c, exemp);
        case SpecialState::Kentucky: return GetKentucky(c);
        case SpecialState::Wiscon:
        case SpecialState::WisconApril: return WisconsinTax(c);
        case SpecialState::NC: return GetNC(c);
    }
}

// Until each state's computation is written it withholds nothing of its own.
void GetLouisiana(PayRunContext&) {}
void GetLouisianaPrior(PayRunContext&) {}
void GetIowa(PayRunContext&, int16_t) {}
void GetMissouri(PayRunContext&, int16_t) {}
void GetMass(PayRunContext&) {}
void GetOregon(PayRunContext&) {}
void GetUtah(PayRunContext&) {}
void GetAlabama(PayRunContext&, int16_t) {}
void GetKentucky(PayRunContext&) {}
void WisconsinTax(PayRunContext&) {}
void GetNC(PayRunContext&) {}

}  // namespace corvella
