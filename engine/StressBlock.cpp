#include "engine/StressBlock.h"

#include <cstdint>

#include "engine/DesignState.h"
#include "engine/FastScan.h"

namespace kord {

double CreepStrainLimit(double phi) {
    // The creep-reduced parabola (2 − r)·r rises with the strain until r = 1, where it is 1, and
    // r grows by some 5e-7 a step, far more than rounding: "beyond 0.45, or r ≥ 1" is false up to
    // the first strain beyond 0.45 and true from it on.
    const StepScan strains(0, 1e-8, 0.02);
    const std::int64_t k = FirstTrue(0, strains.Count(), [&](std::int64_t k) {
        const double r = (strains.At(k) / (1 + phi)) / 0.002;
        return (2 - r) * r > 0.45 || r >= 1;
    });
    // One step past the end when none qualifies; with phi within its range the limit comes far
    // earlier.
    return strains.At(k);
}

BlockFactors ConcreteBlock(double s) {
    const double e = 1000 * s;  // per mille
    if (s > 0.002) return {1 - 2 / (3 * e), ((3 * e - 4) * e + 2) / ((3 * e - 2) * 2 * e)};
    return {(0.5 - e / 12) * e, (8 - e) / ((6 - e) * 4)};
}

namespace {
void SetBlock(DesignState& s, double strain) {
    const BlockFactors f = ConcreteBlock(strain);
    s.psi = f.psi;
    s.deltaG = f.deltaG;
}
}  // namespace

void StressBlock(DesignState& s) {
    SetBlock(s, s.eps_c);
}
void StressBlockSls(DesignState& s) {
    SetBlock(s, s.eps_c_r);
}
void StressBlockCreep(DesignState& s) {
    SetBlock(s, s.eps_c_qp / (1 + s.phi));
}
void StressBlockAnchorage(DesignState& s) {
    SetBlock(s, s.eps_c_A);
}

void StressBlockFlange(DesignState& s) {
    const BlockFactors f = ConcreteBlock(s.eps_c2);
    s.psi2 = f.psi;
    s.deltaG2 = f.deltaG;
}

Concrete FlexureConcrete(const DesignState& s) {
    return {s.TeeSection, s.b, s.h, s.beff, s.hf};
}

Steel FlexureSteel(const DesignState& s) {
    return {s.As11, s.As12, s.As2, s.d11, s.d12, s.d2, s.Es};
}

namespace {
// First capped at +fy, then raised to −fy: a yielded layer stands at exactly ±fy.
double Limited(double sigma, double fy) {
    if (sigma > fy) sigma = fy;
    if (sigma < -fy) sigma = -fy;
    return sigma;
}
}  // namespace

double BottomSteelStress(double h, double d, double t, double x, double Es, double fy) {
    return Limited((h - d - x) * Es * t * 1000 / x, fy);
}

double TopSteelStress(double d, double t, double x, double Es, double fy) {
    return Limited((x - d) * Es * t * 1000 / x, fy);
}

SteelStresses SteelStressesAt(const Steel& st, double h, double t, double x, double fy) {
    return {BottomSteelStress(h, st.d11, t, x, st.Es, fy),
            BottomSteelStress(h, st.d12, t, x, st.Es, fy), TopSteelStress(st.d2, t, x, st.Es, fy)};
}

double NetTension(const Steel& st, const SteelStresses& s) {
    return st.As12 * s.s12 + st.As11 * s.s11 - st.As2 * s.s2;
}

void FlangeBlock(DesignState& s, const Concrete& c, double x, double t) {
    s.eps_c2 = (x - c.hf) * t / x;
    StressBlockFlange(s);
}

double ConvergedDepth(DesignState& s, const Concrete& c, double trial, double x_new, double t) {
    const double x = (x_new + trial) / 2;
    if (BelowFlange(c, x) && !BelowFlange(c, trial)) FlangeBlock(s, c, x, t);
    return x;
}

double EquilibriumDepth(const DesignState& s, const Concrete& c, double k, double T, double x) {
    return EquilibriumDepth(c, k, T, x, s.psi, s.psi2);
}

double EquilibriumDepth(const Concrete& c, double k, double T, double x, double psi, double psi2) {
    if (!c.tee) return T / (k * psi * c.b);
    if (x <= c.hf) return T / (k * psi * c.beff);
    return (T - k * psi2 * (c.beff - c.b) * c.hf) / (k * (c.beff * psi - (c.beff - c.b) * psi2));
}

double EquilibriumDepthAt(const Concrete& c, double k, double T, double x, double psi, double t) {
    // The flange block as FlangeBlock computes it.
    const double psi2 = BelowFlange(c, x) ? ConcreteBlock((x - c.hf) * t / x).psi : 0;
    return EquilibriumDepth(c, k, T, x, psi, psi2);
}

double ConcreteForce(const DesignState& s, const Concrete& c, double k, double x) {
    if (!c.tee) return k * s.psi * c.b * x;
    if (x <= c.hf) return k * s.psi * c.beff * x;
    const double Cf = k * s.psi * c.beff * x;
    const double Cw = k * s.psi2 * (c.beff - c.b) * (x - c.hf);
    return Cf - Cw;
}

double ResultantDepth(DesignState& s, const Concrete& c, double k, double x) {
    if (!BelowFlange(c, x)) return s.deltaG * x;
    // The part of the flange-wide block below the flange is missing beside the web, so the
    // resultant moves up.
    const double Cf = k * s.psi * c.beff * x;
    const double Cw = k * s.psi2 * (c.beff - c.b) * (x - c.hf);
    s.dz_T = Cw * ((x - c.hf) * s.deltaG2 + c.hf - s.deltaG * x) / (Cf - Cw);
    return s.deltaG * x - s.dz_T;
}

double InternalMoment(const Steel& st, double h, const SteelStresses& s, double z, double F) {
    return ((h - st.d12 - z) * s.s12 * st.As12 + (h - st.d11 - z) * s.s11 * st.As11 +
            (z - st.d2) * s.s2 * st.As2 + (h - z) * F) /
           1000;
}

double BalancingArea(double C, double T, double Ef, double f) {
    return (C - T) / (f * Ef * 1000);
}

}  // namespace kord
