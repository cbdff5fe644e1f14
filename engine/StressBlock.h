#pragma once
// The material laws of a flexural section and the relations every flexure search builds on.
//
// A trial state is a linear strain distribution: the top-fibre concrete strain and the
// neutral-axis depth. The concrete follows the parabola-rectangle law (the stress-block
// factors), the reinforcing steel is elastic-plastic, the composite linear elastic. Units are
// those of the design state: cm, cm², N/mm², kN/mm², kNm. A stress in N/mm² times an area in cm²
// is 100 N; a length in cm times that force, divided by 1000, is kNm.

namespace kord {

struct DesignState;

// Strain levels of the top concrete fibre.
inline constexpr double kCrushingStrain = 0.0035;  // ultimate limit state
inline constexpr double kRareStrain = 0.00073509;  // the parabola reaches 0.6·fck

// The design strengths of the ultimate limit state.
inline double UltimateConcreteStrength(double fck) {
    return 0.85 * fck / 1.5;
}
inline double UltimateYieldStress(double fyk) {
    return fyk / 1.15;
}

// The top-fibre strain at which the creep-reduced parabola reaches 0.45 of the strength, found by
// a scan in steps of 1e-8.
double CreepStrainLimit(double phi);

// The stress-block factors of a compression zone whose top fibre has the strain s: the mean
// stress as a fraction of the strength, and the depth of the resultant as a fraction of the
// zone's depth.
struct BlockFactors {
    double psi;
    double deltaG;
};
BlockFactors ConcreteBlock(double s);

// The law applied to the strain fields of the design state (each writes psi and deltaG, the
// flange block psi2 and deltaG2).
void StressBlock(DesignState& s);           // eps_c: ultimate state, capacity before strengthening
void StressBlockSls(DesignState& s);        // eps_c_r: initial state and rare combination
void StressBlockCreep(DesignState& s);      // eps_c_qp/(1 + phi): quasi-permanent combination
void StressBlockAnchorage(DesignState& s);  // eps_c_A: anchorage section
void StressBlockFlange(DesignState& s);     // eps_c2: the zone of a T section below its flange

// The concrete outline of a section.
struct Concrete {
    bool tee;  // T section; otherwise rectangular (beff and hf are then not used)
    double b, h, beff, hf;
};
// The section of the flexure design: the design state's dimensions and shape.
Concrete FlexureConcrete(const DesignState& s);

// The three steel layers: bottom layers 11 and 12 (distances from the bottom face), top layer 2
// (distance from the top face).
struct Steel {
    double As11, As12, As2;
    double d11, d12, d2;
    double Es;
};
Steel FlexureSteel(const DesignState& s);

struct SteelStresses {
    double s11, s12, s2;  // bottom layers tension positive, top layer compression positive
};

// The stress of a bottom layer (tension positive) at the distance d from the bottom face, for a
// top-fibre strain t and a neutral-axis depth x, limited to ±fy.
double BottomSteelStress(double h, double d, double t, double x, double Es, double fy);
// The stress of the top layer (compression positive) at the distance d from the top face.
double TopSteelStress(double d, double t, double x, double Es, double fy);
SteelStresses SteelStressesAt(const Steel& st, double h, double t, double x, double fy);
// The net steel tension T = As12·σ12 + As11·σ11 − As2·σ2.
double NetTension(const Steel& st, const SteelStresses& s);

// Whether the compression zone of depth x reaches below the flange of a T section.
inline bool BelowFlange(const Concrete& c, double x) {
    return c.tee && x > c.hf;
}
// For a zone below the flange: the strain at the underside of the flange, eps_c2 = (x − hf)·t/x,
// and its stress block. t is the strain that the concrete law sees at the top fibre (creep-reduced
// in the quasi-permanent states).
void FlangeBlock(DesignState& s, const Concrete& c, double x, double t);
// The depth a converged depth scan takes: the mean of the trial depth and its equilibrium depth.
// The flange block stays the trial's; only when the trial lay within the flange and the mean
// lies below it is the block computed for the mean, so no block of an earlier computation is used.
double ConvergedDepth(DesignState& s, const Concrete& c, double trial, double x_new, double t);

// The neutral-axis depth that force equilibrium gives for a trial of depth x with the net steel
// tension T and the strength k (flange block current when the zone reaches below the flange).
double EquilibriumDepth(const DesignState& s, const Concrete& c, double k, double T, double x);
// The same from the stress-block factors psi of the zone and psi2 of its part below the flange.
double EquilibriumDepth(const Concrete& c, double k, double T, double x, double psi, double psi2);
// The same for the top-fibre strain t (the one the concrete law sees), with the flange block
// evaluated here: the design state is not touched.
double EquilibriumDepthAt(const Concrete& c, double k, double T, double x, double psi, double t);
// The concrete compression C of the zone of depth x.
double ConcreteForce(const DesignState& s, const Concrete& c, double k, double x);
// The depth of the concrete resultant below the top face; below the flange of a T section it
// moves up by dz_T, which it writes.
double ResultantDepth(DesignState& s, const Concrete& c, double k, double x);
// The internal moment in kNm about the concrete resultant at depth z; F is the composite force
// (Af·Ef·1000·f), 0 without composite.
double InternalMoment(const Steel& st, double h, const SteelStresses& s, double z, double F);
inline double CompositeForce(double Af, double Ef, double f) {
    return Af * Ef * 1000 * f;
}
// The composite area in cm² that balances a trial with composite strain f.
double BalancingArea(double C, double T, double Ef, double f);

}  // namespace kord
