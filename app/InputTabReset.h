#pragma once

#include "engine/DesignState.h"

namespace kord {

class FrmData;

// Puts the text boxes of one tab (0 to 2) to the texts the window starts with. The mean strength
// is not among them: the concrete class writes it.
void SetStartTexts(FrmData& w, int tab);

// Puts every field, option, list and check box of one tab of the input window back to its start
// state; the other tabs, the options and the design state stay as they are.
void ResetInputTab(DesignCase tab);

}  // namespace kord
