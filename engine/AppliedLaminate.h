#pragma once
// The last design recomputed for the laminate actually applied: for flexure the ultimate and both
// serviceability searches with the composite area fixed to the area of the applied strips, for
// shear and confinement the design expressions at the total thickness of the applied layers.

#include <optional>
#include <string>

#include "engine/FlexureLimits.h"

namespace kord {

// The most strips and layers the dimensioning makes whole.
inline constexpr int kMaxStrips = 200;
inline constexpr int kMaxLayers = 50;

// The whole count that covers an exact count: the first of 0, 1, … limit not below it. A count
// that floating point leaves a hair above a whole number (a relative 1e-9) stays that number.
// Empty when limit does not cover it.
std::optional<int> WholeCount(double exact, int limit);

// Only whole numbers of strips or layers, at least one, can be applied.
bool ApplicableCount(double count);

// Recomputes the last design (ResultKind) for count strips of the dimensioned width and thickness
// (bf_strip, tf_strip) or count layers of the dimensioned thickness (tf_layer). On success the
// applied fields and the recomputed states stand in the design state, LaminateApplied is set and
// LaminateGeneration advances; the result is empty. Otherwise the result is the message saying why
// the laminate was refused, and the design state is exactly as it was.
std::optional<std::string> ApplyChosenLaminate(DesignState& s, double count);

// The searches, each with the composite fixed to the area Af [cm²]. false: no trial comes within
// 5 % of Af from its side; the fields then hold the last trial.
//
// Ultimate state: composite strain at crushing, then (when the areas stayed above Af) concrete
// strain at the composite's limit strain; MRd_applied, the trial fields and SteelAtYield.
bool AppliedUltimateState(DesignState& s, double Af);
// A serviceability state: the concrete at its limit (trials beyond the steel's serviceability
// strain skipped), then (when the areas stayed above Af) the outer steel at its limit; the
// combination's trial fields, and its moment into moment.
bool AppliedServiceState(DesignState& s, const SlsCombination& sc, double Af, double& moment);

// Shear: rho_f, the effective strains and Vfd_applied for the total thickness tf [cm].
void AppliedShear(DesignState& s, double tf);
// Confinement: the pressures, ratios, Esec, eps_cu_applied and fcc_applied for the total thickness
// tf [cm]. false: the ultimate strain cannot be evaluated for it.
bool AppliedConfinement(DesignState& s, double tf);

}  // namespace kord
