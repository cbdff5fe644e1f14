#pragma once
// Confinement of a circular column, or of a rectangular one with rounded corners, by a bonded
// sheet or strips: the composite thickness that gives the required confined strength, ultimate
// strain, or both.

#include <optional>

#include "engine/DesignOutcome.h"

namespace kord {

struct DesignState;

// The requirements of a confinement design (ConfinementGoal).
enum ConfinementGoalKind : short { StrengthGoal = 1, StrainGoal = 2, BothGoals = 3 };

// How a circular column's k_fl is taken. The design evaluates the unequal-pressure factor at
// r = 1, where its bracket rounds to 2^-53 rather than 0 (k_fl an ulp below 1 once p > fco/4);
// the recomputation takes 1. Results are compared with both.
enum class CircularKfl { Evaluated, One };

struct ConfinementTrialResult {
    double peak;                           // confined peak strength fp [N/mm²]
    std::optional<double> ultimateStrain;  // empty when the model gives it no value
};

// One composite thickness tf [cm]: the pressures, ratios, fcc_fco, k_fl and Esec into the design
// state; the design scans it, the recomputation evaluates it once.
ConfinementTrialResult ConfinementTrial(DesignState& s, double tf, bool rectangular,
                                        CircularKfl kfl);
// The rest of a trial, a function of the double kf = k_fl·fcc_fco alone: the peak, Esec into the
// design state and the ultimate strain.
ConfinementTrialResult ConfinementPeak(DesignState& s, double kf);

// The confined strength: the largest of eps_cu·Esec_u, the peak and fco.
double ConfinedStrength(const DesignState& s, double eps_cu, double peak);

// Checks the confinement inputs of the design state and scans the thickness. On success the
// results stand in the design state, ResultKind = 2 and LaminateApplied is cleared.
DesignOutcome DesignConfinement(DesignState& s);

}  // namespace kord
