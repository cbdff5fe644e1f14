#pragma once
// Shear strengthening of a web with a bonded sheet or L-shaped strips, closed or open wrap: the
// composite thickness that carries the additional shear force.

namespace kord {

// Reads the shear tab and the composite safety factors into the design state. Only the fields
// that the chosen options make the design use are checked; false when one was refused (its
// message shown, the focus on it).
bool ReadShearInput(int& tab);

// Checks the inputs and scans the thickness. True on success: the results stand in the design
// state, ResultKind = 1 and LaminateApplied is cleared. False after a message.
bool DesignShear(int& tab);

}  // namespace kord
