#pragma once
#include "state/dialog_state.h"

namespace corvella {

// The preset of a built-in state: rewrites the state screen's table and exemption boxes
// and captions for that state (LouisianaSet, IowaSet, …). Arizona has none.
void runStatePreset(DialogState& screen, SpecialState which);

}  // namespace corvella
