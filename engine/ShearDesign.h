#pragma once
// Shear strengthening of a web with a bonded sheet or L-shaped strips, closed or open wrap: the
// composite thickness that carries the additional shear force.

namespace kord {

// The options that choose the shear expressions.
struct ShearForm {
    bool sheet;   // a sheet, else L-shaped strips
    bool closed;  // a closed wrap, else an open one
    bool aramid;  // AFRP has its own rupture expression
};

// The form the shear tab's options choose.
ShearForm ChosenShearForm();

// One composite thickness tf [cm]: rho_f and the effective strains into the design state. Returns
// the shear force the composite carries; the design scans it, the recomputation evaluates it once.
double ShearTrial(double tf, const ShearForm& form);

// Reads the shear tab and the composite safety factors into the design state. Only the fields
// that the chosen options make the design use are checked; false when one was refused (its
// message shown, the focus on it).
bool ReadShearInput(int& tab);

// Checks the inputs and scans the thickness. True on success: the results stand in the design
// state, ResultKind = 1 and LaminateApplied is cleared. False after a message.
bool DesignShear(int& tab);

}  // namespace kord
