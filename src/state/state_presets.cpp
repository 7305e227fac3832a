#include "state/state_presets.h"

namespace corvella {

void runStatePreset(DialogState& s, SpecialState which) {
    switch (which) {
        case SpecialState::Ariz: return;
        case SpecialState::Louis: return LouisianaSet(s);
        case SpecialState::Iowa: return IowaSet(s);
        case SpecialState::Missouri: return MissouriSet(s);
        case SpecialState::Mass: return MassSet(s);
        case SpecialState::Oregon: return OregonSet(s);
        case SpecialState::Utah: return UtahSet(s);
        case SpecialState::Kentucky: return KentuckySet(s);
        case SpecialState::Wiscon: return WisconsinSet(s);
        case SpecialState::WisconApril: return WisconsinAprilSet(s);
        case SpecialState::NC: return NCSet(s);
        case SpecialState::Alabama: return AlabamaSet(s);
    }
}

// Until each state's preset is written it leaves the screen as it is.
void LouisianaSet(DialogState&) {}
void IowaSet(DialogState&) {}
void MissouriSet(DialogState&) {}
void MassSet(DialogState&) {}
void OregonSet(DialogState&) {}
void UtahSet(DialogState&) {}
void KentuckySet(DialogState&) {}
void NCSet(DialogState&) {}
void WisconsinSet(DialogState&) {}
void WisconsinAprilSet(DialogState&) {}
void AlabamaSet(DialogState&) {}

}  // namespace corvella
