#pragma once
// The flexure design: the composite area that a beam or slab in bending needs at the ultimate
// limit state under Msd and at the two serviceability states, given the strain state under Mo
// while the strips are bonded.

#include "engine/DesignOutcome.h"

namespace kord {

struct DesignState;

// Designs the flexure inputs of the design state. Success: the results are in the design state
// (ResultKind = 0; LaminateApplied, PrintStrain, PrintBond cleared; Af_applied = 0). Otherwise a
// check stopped it; the outcome says why and which input it concerns.
DesignOutcome DesignFlexure(DesignState& s);

// The initial state under Mo: x_o, eps_co and the soffit strain eps_o at bonding.
void InitialState(DesignState& s);

// The ultimate limit state under Msd: the crushing scan and, where needed, the limit-strain scan;
// leaves Af, MRd, MRd_max and the accepted (or last) trial in the design state.
void UltimateState(DesignState& s, bool onlyDesiredModes);

}  // namespace kord
