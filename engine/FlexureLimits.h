#pragma once
// The section before strengthening: its design capacity and the largest moments it carries within
// the serviceability limits of the rare and the quasi-permanent load combination.

#include "engine/StressBlock.h"

namespace kord {

inline constexpr const char* kOverReinforcedMessage =
    "Przekrój poprzeczny jest przezbrojony. Jeśli pomimo niewyczerpania nośności stali nadal "
    "zachodzi potrzeba wzmocnienia przekroju, proszę przejść do Opcje --> Drukowanie / Zginanie "
    "--> Wzmocnienie przy zginaniu i odznaczyć pole Rozwiązanie tylko dla pożądanych stanów "
    "zniszczenia.";

// The fields and the concrete law of one serviceability load combination: the rare one (concrete
// limit 0.6·fck) or the quasi-permanent one (creep-reduced parabola, limit 0.45·fck). The steel
// of both stops at 0.8·fyk.
struct SlsCombination {
    bool rare;
    double& eps_c;  // top-fibre strain: eps_c_r or eps_c_qp
    double& x;      // neutral-axis depth: x_r or x_qp
    double& eps_f;  // composite strain: eps_f_r or eps_f_qp
    double& sigma_s11;
    double& sigma_s12;
    double& sigma_s2;
    double& eps_s_ser;
    double& Mser_o;    // before strengthening: the limit moment
    double& Mser_o_s;  // and the moment with the concrete at its limit
    double Mser;       // the moment of the combination
    double& Mser_calc;
    double& Mser_max;
    double& Af_trial;
    double& Af_req;
    double concreteLimit;  // top-fibre strain at the concrete's stress limit
    double creep;          // the concrete law sees eps_c/creep: 1 + phi, or 1
    void (*stressBlock)(DesignState& s);

    // The strain that the concrete law sees at the top fibre.
    double LawStrain() const { return eps_c / creep; }
};
SlsCombination RareCombination(DesignState& s);
SlsCombination QuasiPermanentCombination(DesignState& s);

// The distance of the outer bottom steel layer from the bottom face.
double OuterLayerDistance(const DesignState& s);

// What every trial of a serviceability scan works with.
struct SlsSection {
    Concrete c;
    Steel st;
    double dOuter;     // OuterLayerDistance()
    double tolerance;  // how near its equilibrium depth a depth must come before strengthening
};
SlsSection ServiceSection(const DesignState& s);
// The neutral-axis depth of the strains top at the top fibre and steel at the outer bottom layer.
inline double OuterSteelDepth(const SlsSection& sec, double top, double steel) {
    return (sec.c.h - sec.dOuter) * top / (steel + top);
}

// The stresses of a serviceability trial with the combination's top-fibre strain and depth,
// capped at ±fyk, into its stress fields (with presentOnly a layer without area keeps its field),
// and the flange block of a zone below the flange.
void SlsStresses(DesignState& s, const SlsCombination& sc, const Concrete& c, const Steel& st,
                 bool presentOnly = false);
// The equilibrium depth x_new of the trial whose stresses SlsStresses has just computed.
void SlsEquilibriumDepth(DesignState& s, const SlsCombination& sc, const Concrete& c,
                         const Steel& st);
// The internal moment of the combination's current state with the composite force F.
double SlsMoment(DesignState& s, const SlsCombination& sc, const Concrete& c, const Steel& st,
                 double F);

// MRd_o at the ultimate limit state. When only the desired failure modes are accepted and no
// bottom layer that is present yields, it sets AbortCalc, leaves MRd_o as it was and returns false
// (the section is over-reinforced).
bool CapacityUnstrengthened(DesignState& s);
// Its depth scan at the crushing strain eps_c (stress block set): x, the steel stresses, x_new
// and the flange block of the converged or the last depth trial.
void CapacityDepth(DesignState& s);
// The two scans of a combination before strengthening, its stress block set at the concrete
// limit eps_c and eps_s_ser set: the outer steel strain s.eps_s rises until the section balances
// (Mser_o_s), then the concrete strain s.i (Mser_o).
void SlsUnstrengthenedScans(DesignState& s, const SlsCombination& sc);
// Their trials: the outer steel strain es with the concrete at its limit, and the concrete strain
// e with the outer steel at its limit. true: the depth balances, and the trial's limit moment is
// set.
bool UnstrengthenedSteelTrial(DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                              double es);
bool UnstrengthenedConcreteTrial(DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                                 double e);
// Mser_r_o: concrete at 0.6·fck or the outer bottom steel at 0.8·fyk.
void SlsRareUnstrengthened(DesignState& s);
// Mser_qp_o: the creep-reduced concrete at 0.45·fck or the outer bottom steel at 0.8·fyk.
void SlsQuasiPermanentUnstrengthened(DesignState& s);

}  // namespace kord
