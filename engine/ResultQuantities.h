#pragma once
// Small computations on the results of a flexure design that the results window and the printed
// report both show: the concrete stresses of the serviceability states, the stress checks and
// the limit state that decides the final composite area.

#include <optional>

#include "engine/DesignState.h"

namespace kord {

// Top-fibre concrete stress [N/mm²] of the rare state: the parabola with the characteristic
// strength and the peak strain 0.002, without a cap above 0.002.
double RareConcreteStress(const DesignState& s);
// The same for the quasi-permanent state, on the strain reduced by creep, eps_c_qp / (phi + 1).
double QuasiPermanentConcreteStress(const DesignState& s);

// Stress [N/mm²] of the outer bottom steel layer in the rare and quasi-permanent states.
double RareSteelStress(const DesignState& s);
double QuasiPermanentSteelStress(const DesignState& s);
// "s11" or "s12": the subscript naming the outer bottom layer.
const char* OuterLayerSubscript(const DesignState& s);

// The limits as shown beside the stresses: 0.8·fyk for the steel, 0.6·fck and 0.45·fck for the
// concrete of the rare and the quasi-permanent state.
double SteelStressLimit(const DesignState& s);
double RareConcreteLimit(const DesignState& s);
double QuasiPermanentConcreteLimit(const DesignState& s);

// The checks behind the relation signs. The steel stress is compared as shown (rounded to the
// shown decimals) against a limit a hair above 0.8·fyk, so that a shown 0.8·fyk passes; the
// concrete stresses unrounded against 0.6001·fck and 0.4501·fck, for the same reason.
bool SteelStressWithinLimit(double shownStress, double fyk);
// The steel check of each state on the outer layer's stress as shown with two decimals.
bool RareSteelWithinLimit(const DesignState& s);
bool QuasiPermanentSteelWithinLimit(const DesignState& s);
bool RareConcreteWithinLimit(const DesignState& s);
bool QuasiPermanentConcreteWithinLimit(const DesignState& s);

// Which strengthened section a result belongs to: the one with the required composite area, or
// the one with the strips applied after the recomputation for the applied laminate.
enum class Strengthening { Required, Applied };
// The design moment capacity after strengthening [kNm]: MRd or MRd_applied.
double CapacityAfter(const DesignState& s, Strengthening which);
// The strengthening ratio, capacity after over MRd_o; empty while MRd_o is 0.
std::optional<double> StrengtheningRatio(const DesignState& s, Strengthening which);

enum class LimitState { Ultimate, Rare, QuasiPermanent };

// The state that requires the largest composite area; on equal areas the ultimate state wins
// over both serviceability states, and the rare state over the quasi-permanent one.
LimitState GoverningLimitState(const DesignState& s);
// The area [cm²] that the governing state requires.
double GoverningArea(const DesignState& s);

}  // namespace kord
