#pragma once
// The anchorage check of the laminate end with its drawing.

namespace kord {

// Prints on Printer() at size S, plain, and leaves the font so; makes its own page checks.
void PrintAnchorageCheck();

}  // namespace kord
