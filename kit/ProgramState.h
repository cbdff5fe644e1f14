#pragma once
// The design state of the running program, which its windows and the printed report show and
// edit. The engine never reaches for it: each design is handed the state it works on.

#include "engine/DesignState.h"

namespace kord {

// The program's one design state.
DesignState& State();

// A literal decimal in its two forms, picked by the program state's DecimalComma ("0,8" / "0.8").
const char* Dec(const char* commaForm, const char* pointForm);

}  // namespace kord
