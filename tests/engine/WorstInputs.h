#pragma once
// The inputs on which the searches of the program work longest, named: the benchmark times them and
// the differential test compares them with the literal scans.

#include "engine/ConcreteClasses.h"
#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"

namespace kord::test {

// A column as the confinement reader leaves it: sides b ≥ h, R, D [cm], typed fcm, Ef, the design
// rupture strain, strips bf at sf [cm] (a sheet: 10 at 10), the goal and its requirements.
inline DesignState Column(bool rectangular, bool sheet, double b, double h, double R, double D,
                          double fcm, double Ef, double eps_fu_e, double bf, double sf, short goal,
                          double fcc, double ecu) {
    DesignState s;
    s.IterStep = 5e-7;
    s.ColumnRectangular = rectangular;
    s.ConfinementSheet = sheet;
    s.b = b;
    s.h = h;
    s.R = R;
    s.D = D;
    s.MeanStrengthTyped = true;
    s.fcm = fcm;
    s.fck = fcm - 8.2 < 0 ? 0 : fcm - 8.2;
    s.Ef = Ef;
    s.eps_fu_e = eps_fu_e;
    s.bf_c = bf;
    s.sf_c = sf;
    s.ConfinementGoal = goal;
    s.fcc_req = fcc;
    s.eps_cu_req = ecu;
    return s;
}

// A rectangular column whose ultimate strain peaks inside the scan below a required strain it
// never reaches: the largest strain has to be found about the peak.
inline DesignState InteriorStrainPeak() {
    return Column(true, true, 179, 148, 34, 0, 11.6, 102, 0.016, 10, 10, StrainGoal, 0, 0.0986);
}
// A rectangular sheet to a strength and a strain out of reach, its strain rising ever more slowly.
inline DesignState SlowlyRisingStrain() {
    return Column(true, true, 70, 46, 0, 0, 28.2, 265, 0.0168, 10, 10, BothGoals, 94, 0.1332);
}
// A circular column with strips to a strength out of reach, whose ultimate strain levels off
// towards 4 cm.
inline DesignState LevellingStrain() {
    return Column(false, false, 0, 0, 0, 334, 20.2, 90, 0.0657, 31, 78, BothGoals, 96, 0.0434);
}
// Strips further apart than twice the diameter confine nothing: every thickness gives the same
// trial.
inline DesignState NoConfinement() {
    return Column(false, false, 0, 0, 0, 50, 28.2, 230, 0.0135, 5, 150, StrengthGoal, 60, 0);
}

// A circular column of 0.05 m in strips 0.19 m wide at 0.29 m, C 35/45, to 120 N/mm²: the gap,
// 0.10 m = 2D, computes as 9.999999999999993 cm, so ks is some 1e-31 rather than 0 and the trials
// differ in their pressures alone, not in any value that follows.
inline DesignState GapAtTwiceDiameter() {
    DesignState s = Column(false, false, 0, 0, 0, 0.05 * 100, 0, 359, 0.062 * 0.52, 0.19 * 100,
                           0.29 * 100, StrengthGoal, 120, 0);
    s.MeanStrengthTyped = false;
    s.fck = kConcreteClasses[5].fck;
    s.fcm = s.fck + kFcmOverFck;
    return s;
}

}  // namespace kord::test
