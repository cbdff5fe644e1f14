#pragma once

namespace kord {

class Window;

// Closes every window without asking: the calling window first, or, called from the input
// window, the input window last. The program ends when no window is left.
void ExitProgram(Window& caller);

}  // namespace kord
