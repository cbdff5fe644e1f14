#pragma once
// The flexure results: the ultimate limit state, the two serviceability states, the governing state
// and the applied laminate.

#include <vector>

#include "report/PageFrame.h"

namespace kord {

// Prints on Printer() at size S, plain, and leaves the font so; makes its own page checks.
void PrintFlexureResults();

}  // namespace kord
