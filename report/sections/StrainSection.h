#pragma once
// The strain states of the cross-section with the failure mode and the plastic-hinge check.

namespace kord {

// Prints on Printer() at size S, plain, and leaves the font so; makes its own page checks.
void PrintStrainSection();

}  // namespace kord
