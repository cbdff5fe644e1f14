#pragma once
// Confinement of a circular column, or of a rectangular one with rounded corners, by a bonded
// sheet or strips: the composite thickness that gives the required confined strength, ultimate
// strain, or both.

namespace kord {

// Reads the confinement tab into the design state. Only the fields that the chosen options make
// the design use are checked; false when one was refused (its message shown, the focus on it).
bool ReadConfinementInput(int& tab);

// Checks the inputs and scans the thickness. True on success: the results stand in the design
// state, ResultKind = 2 and LaminateApplied is cleared. False after a message.
bool DesignConfinement(int& tab);

}  // namespace kord
