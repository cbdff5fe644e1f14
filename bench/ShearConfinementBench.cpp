// Shear and confinement designs from the inputs in the design state: a typical design, a thick one
// and one whose requirement is out of reach, so that its scan runs the whole way to 4 cm.

#include <benchmark/benchmark.h>

#include "bench/BenchCases.h"
#include "engine/ConcreteClasses.h"
#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/ShearDesign.h"
#include "tests/engine/WorstInputs.h"

namespace kord {
namespace {

struct ShearCase {
    bool closed;
    bool sheet;
    int fibre;
    double d;  // cm
    double Ef, efu, alpha, Vfd;
};

// The concrete class by its list position.
void Concrete(DesignState& s, int position) {
    s.fck = kConcreteClasses[static_cast<size_t>(position)].fck;
    s.fcm = s.fck + kFcmOverFck;
}

// The default safety factors, C 12/15, b = 0.3 m, εf,lim 0.006, strips 0.1 m at 0.3 m.
DesignState ShearInputs(const ShearCase& c) {
    DesignState s;
    s.IterStep = 5e-7;
    s.ShearClosed = c.closed;
    s.ShearSheet = c.sheet;
    s.ShearAramid = c.fibre == 1;
    s.b = 30;
    s.d = c.d;
    s.alpha = c.alpha;
    s.k_eff = 0.8;
    s.gamma_fb = 1.3;
    s.gamma_fl = 1.25;
    const double gammaFf[] = {1.2, 1.25, 1.3};
    s.gamma_ff = gammaFf[c.fibre];
    Concrete(s, 0);
    s.Vfd = c.Vfd;
    s.Ef = c.Ef;
    s.eps_fu = c.efu;
    s.eps_f_lim = 0.006 / s.gamma_fl;
    s.bf = 10;
    s.sf = 30;
    return s;
}

struct ColumnCase {
    bool rectangular;
    short goal;
    double fcc, ecu;
};

// A 0.4 × 0.3 m column with R = 0.03 m, or one of D = 0.4 m; C 20/25, a carbon sheet of
// εfu 0.015 with the factor 0.9.
DesignState ColumnInputs(const ColumnCase& c) {
    DesignState s;
    s.IterStep = 5e-7;
    s.ColumnRectangular = c.rectangular;
    s.ConfinementSheet = true;
    s.ConfinementGoal = c.goal;
    s.b = 40;
    s.h = 30;
    s.R = 3;
    s.D = 40;
    Concrete(s, 2);
    s.Ef = 230;
    s.eps_fu_e = 0.015 * 0.9;
    s.fcc_req = c.fcc;
    s.eps_cu_req = c.ecu;
    return s;
}

bool Shear(DesignState& s) {
    return DesignShear(s).success;
}
bool Column(DesignState& s) {
    return DesignConfinement(s).success;
}

[[maybe_unused]] const bool registered = [] {
    // A carbon sheet, closed wrap, 100 kN on d = 0.5 m: 0.10 mm, 20 thousand steps.
    RegisterCase("ShearTypical", ShearInputs({true, true, 0, 50, 230, 0.015, 90, 100}), Shear,
                 true);
    // Glass strips, open wrap, 300 kN on d = 1.2 m, debonding: 3.4 mm, 680 thousand steps.
    RegisterCase("ShearHeavy", ShearInputs({false, false, 2, 120, 70, 0.03, 90, 300}), Shear, true);
    // Fibres at 150° carry nothing: all eight million steps, then the refusal.
    RegisterCase("ShearOutOfReach", ShearInputs({true, true, 0, 50, 230, 0.015, 150, 100}), Shear,
                 false);
    // A circular column of 0.4 m to 40 N/mm²: 0.13 mm, 25 thousand steps.
    RegisterCase("ConfinementTypical", ColumnInputs({false, StrengthGoal, 40, 0}), Column, true);
    // A rectangular 0.4 × 0.3 m column to 95 N/mm² and a strain of 0.05: 3.5 mm, 700 thousand
    // steps.
    RegisterCase("ConfinementHeavy", ColumnInputs({true, BothGoals, 95, 0.05}), Column, true);
    // A strain of 0.16 that no wrap gives: all eight million steps, then the refusal.
    RegisterCase("ConfinementOutOfReach", ColumnInputs({false, BothGoals, 30, 0.16}), Column,
                 false);
    // The worst columns of the confinement scan.
    RegisterCase("ConfinementInteriorStrainPeak", test::InteriorStrainPeak(), Column, false);
    RegisterCase("ConfinementSlowlyRisingStrain", test::SlowlyRisingStrain(), Column, false);
    RegisterCase("ConfinementLevellingStrain", test::LevellingStrain(), Column, false);
    RegisterCase("ConfinementNoConfinement", test::NoConfinement(), Column, false);
    RegisterCase("ConfinementGapAtTwiceDiameter", test::GapAtTwiceDiameter(), Column, false);
    return true;
}();

}  // namespace
}  // namespace kord
