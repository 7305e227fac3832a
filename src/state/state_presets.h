#pragma once
// The presets of the built-in states: each rewrites the state screen's table and
// exemption boxes and captions for its state. Arizona has none.
#include "state/dialog_state.h"

namespace corvella {

void LouisianaSet(DialogState& s);
// The two-field Louisiana form: the table locked, row 1 and the first exemption boxes kept.
void LouisianaLayout(DialogState& s);
void IowaSet(DialogState& s);
void MissouriSet(DialogState& s);
void MassSet(DialogState& s);
void OregonSet(DialogState& s);
void UtahSet(DialogState& s);
void KentuckySet(DialogState& s);
void NCSet(DialogState& s);
void WisconsinSet(DialogState& s);
void WisconsinAprilSet(DialogState& s);
void AlabamaSet(DialogState& s);

// The preset of `which`.
void runStatePreset(DialogState& s, SpecialState which);

}  // namespace corvella
