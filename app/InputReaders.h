#pragma once
// Reading the tabs of the input window into the design state, with copies of the options and
// choices the design uses. Every field that the chosen options make the design use is checked by
// its own field rule; false: a field was refused (its message shown, the focus on it) and the
// design must not run. Fields that the design does not use (the flange of a rectangular section,
// the mean strength while a class is chosen) are taken as 0 when they hold no number.

#include "engine/DesignState.h"

namespace kord {

// The flexure tab in the units of the calculations (lengths cm, areas cm²), the section shape and
// the failure-mode option, the search constants and the concrete strain limit of the
// quasi-permanent state.
bool ReadFlexureInput(DesignCase tab);

// The shear tab, the form and wrap, the fibre and the composite safety factors of the options
// window.
bool ReadShearInput(DesignCase tab);

// The confinement tab, the column shape, the form and the requirements.
bool ReadConfinementInput(DesignCase tab);

}  // namespace kord
