#include "state/state_presets.h"

namespace corvella {

void runStatePreset(DialogState&, SpecialState) {}

}  // namespace corvella
