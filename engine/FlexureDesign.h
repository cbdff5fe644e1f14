#pragma once
// The flexure design: the composite area that a beam or slab in bending needs at the ultimate
// limit state under Msd and at the two serviceability states, given the strain state under Mo
// while the strips are bonded.

namespace kord {

// Runs after ReadFlexureInput. true: the design succeeded and its results are in the design state
// (ResultKind = 0; LaminateApplied, PrintStrain, PrintBond cleared; Af_applied = 0). false: a check
// stopped it, its message shown and the focus on the field concerned. Showing the results is the
// caller's business.
bool DesignFlexure(int& tab);

// The initial state under Mo: x_o, eps_co and the soffit strain eps_o at bonding.
void InitialState();

// The ultimate limit state under Msd: the crushing scan and, where needed, the limit-strain scan;
// leaves Af, MRd, MRd_max and the accepted (or last) trial in the design state.
void UltimateState(bool onlyDesiredModes);

}  // namespace kord
