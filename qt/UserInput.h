#pragma once
// Widgets → model: the user's focus moves, keys, presses, clicks, typing and selecting go to the
// model, which decides (QtBinding's eventFilter and On…), and what Qt's input is in the model's
// terms.

#include <Qt>

#include "platform/Control.h"

namespace kord {

// The key codes the windows' key handlers know; 0 for keys they never see.
int WindowKeyCode(int qtKey);

// Whether a focus move was the user's, and by what; `cause` is set only when it was.
bool UserFocusCause(Qt::FocusReason reason, FocusCause& cause);

}  // namespace kord
