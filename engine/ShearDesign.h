#pragma once
// Shear strengthening of a web with a bonded sheet or L-shaped strips, closed or open wrap: the
// composite thickness that carries the additional shear force.

#include "engine/DesignOutcome.h"

namespace kord {

struct DesignState;

// The options that choose the shear expressions.
struct ShearForm {
    bool sheet;   // a sheet, else L-shaped strips
    bool closed;  // a closed wrap, else an open one
    bool aramid;  // AFRP has its own rupture expression
};

// The form of the design state's shear options.
ShearForm ChosenShearForm(const DesignState& s);

// One composite thickness tf [cm]: rho_f and the effective strains into the design state. Returns
// the shear force the composite carries; the design scans it, the recomputation evaluates it once.
double ShearTrial(DesignState& s, double tf, const ShearForm& form);

// The thickness scan: tf from IterStep up to 4 cm until the contribution Vfd_calc exceeds Vfd
// (true); the fields of the taken or the last trial.
bool ShearThickness(DesignState& s, const ShearForm& form);

// Checks the shear inputs of the design state and scans the thickness. On success the results
// stand in the design state, ResultKind = 1 and LaminateApplied is cleared.
DesignOutcome DesignShear(DesignState& s);

}  // namespace kord
