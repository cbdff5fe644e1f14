#pragma once
// Reading the flexure tab of the input window into the design state.

namespace kord {

// Copies the flexure tab into the design state in the units of the calculations (lengths cm,
// areas cm²), sets the search constants and finds the concrete strain limit of the
// quasi-permanent state. Every field that the chosen options make the design use is checked by
// its own field rule; false: a field was refused (its message shown, the focus on it) and the
// design must not run. Fields that the design does not use (the flange of a rectangular section,
// the mean strength while a class is chosen) are taken as 0 when they hold no number.
bool ReadFlexureInput(int& tab);

// The top-fibre strain at which the creep-reduced parabola reaches 0.45 of the strength, found by
// a scan in steps of 1e-8.
double CreepStrainLimit(double phi);

}  // namespace kord
