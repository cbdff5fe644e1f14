#include "tests/engine/LiteralScans.h"

#include <algorithm>
#include <cmath>

#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/FlexureServiceability.h"
#include "engine/StressBlock.h"

namespace kord::test {

double LiteralCreepStrainLimit(double phi) {
    double e = 0;
    for (; e <= 0.02; e += 1e-8) {
        const double r = (e / (1 + phi)) / 0.002;
        if ((2 - r) * r > 0.45) return e;
    }
    return e;
}

void LiteralCapacityDepth(DesignState& s) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double k = UltimateConcreteStrength(s.fck);
    const double fy = UltimateYieldStress(s.fyk);
    const double step = s.IterTol;
    const double tolerance = 80 * s.IterTol;
    for (s.x = step; s.x <= c.h; s.x += step) {
        const SteelStresses sig = SteelStressesAt(st, c.h, s.eps_c, s.x, fy);
        s.sigma_s11 = sig.s11;
        s.sigma_s12 = sig.s12;
        s.sigma_s2 = sig.s2;
        if (BelowFlange(c, s.x)) FlangeBlock(s, c, s.x, s.eps_c);
        s.x_new = EquilibriumDepth(s, c, k, NetTension(st, sig), s.x);
        if (std::abs(s.x - s.x_new) < tolerance) {
            s.x = ConvergedDepth(s, c, s.x, s.x_new, s.eps_c);
            break;
        }
    }
}

void LiteralInitialState(DesignState& s) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double step = s.IterStep;
    const double depthStep = 10 * s.IterTol;
    const double tolerance = 100 * s.IterTol;

    s.x_o = 0;
    s.dz_T = 0;
    s.x_new = 0;
    s.M_initial = 0;
    for (s.i = step; s.i <= kRareStrain; s.i += step) {
        s.eps_c_r = s.i;
        StressBlockSls(s);
        for (s.x_o = depthStep; s.x_o <= c.h; s.x_o += depthStep) {
            const SteelStresses sig = SteelStressesAt(st, c.h, s.eps_c_r, s.x_o, s.fyk);
            s.sigma_s11 = sig.s11;
            s.sigma_s12 = sig.s12;
            s.sigma_s2 = sig.s2;
            if (BelowFlange(c, s.x_o)) FlangeBlock(s, c, s.x_o, s.eps_c_r);
            s.x_new = EquilibriumDepth(s, c, s.fck, NetTension(st, sig), s.x_o);
            if (std::abs(s.x_o - s.x_new) < tolerance) {
                s.x_o = ConvergedDepth(s, c, s.x_o, s.x_new, s.eps_c_r);
                break;
            }
        }
        const double z = ResultantDepth(s, c, s.fck, s.x_o);
        s.M_initial = InternalMoment(st, c.h, {s.sigma_s11, s.sigma_s12, s.sigma_s2}, z, 0);
        if (s.M_initial > s.Mo) break;
    }
    s.eps_co = s.eps_c_r;
    s.eps_o = (c.h - s.x_o) * s.eps_c_r / s.x_o;
}

void LiteralSlsUnstrengthenedScans(DesignState& s, const SlsCombination& sc) {
    const SlsSection sec = ServiceSection(s);
    const double step = s.IterStep;
    for (s.eps_s = step; s.eps_s <= sc.eps_s_ser; s.eps_s += step)
        if (UnstrengthenedSteelTrial(s, sc, sec, s.eps_s)) break;
    const double end = sc.concreteLimit;
    for (s.i = step; s.i <= end; s.i += step)
        if (UnstrengthenedConcreteTrial(s, sc, sec, s.i)) break;
}

void LiteralSlsCompositeScans(DesignState& s, const SlsCombination& sc) {
    const SlsSection sec = ServiceSection(s);
    const double step = s.IterStep;
    const double strainEnd = s.eps_f_lim;
    for (s.i = step; s.i <= strainEnd; s.i += step)
        if (CompositeStrainTrial(s, sc, sec, s.i) == SlsTrial::Accepted) break;
    if (sc.Mser_calc == 0 || sc.Mser < sc.Mser_calc) {
        for (double e = sc.concreteLimit; e >= step; e -= step)
            if (ConcreteStrainTrial(s, sc, sec, e) == SlsTrial::Accepted) break;
    }
}

void LiteralSlsStrengthened(DesignState& s, const SlsCombination& sc) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double step = s.IterStep;
    const double depthStep = 10 * s.IterTol;
    const double tolerance = 100 * s.IterTol;
    const double end = sc.concreteLimit;

    for (s.i = step; s.i <= end; s.i += step) {
        sc.eps_c = s.i;
        sc.stressBlock(s);
        for (sc.x = depthStep; sc.x <= c.h; sc.x += depthStep) {
            SlsStresses(s, sc, c, st, true);
            SlsEquilibriumDepth(s, sc, c, st);
            if (std::abs(sc.x - s.x_new) < tolerance) {
                sc.x = ConvergedDepth(s, c, sc.x, s.x_new, sc.LawStrain());
                break;
            }
        }
        sc.Mser_calc = SlsMoment(s, sc, c, st, 0);
        if (sc.Mser_calc > sc.Mser) break;
    }
    sc.eps_f = (c.h - sc.x) * sc.eps_c / sc.x - s.eps_o;
    sc.Af_req = 0;
}

bool LiteralAnchorageStrains(DesignState& s, double& ef) {
    const Concrete c = FlexureConcrete(s);
    const Steel st{s.As11_A, s.As12_A, s.As2_A, s.d11_A, s.d12_A, s.d2_A, s.Es_A};
    const double fcd = UltimateConcreteStrength(s.fck);
    const double fy = UltimateYieldStress(s.fyk_A);
    const double step = s.IterStep;
    const double depthStep = 10 * s.IterTol;
    const double tolerance = 100 * s.IterTol;
    auto stripStrain = [&s](double x) {
        return (s.h - x) * s.eps_c_A / x - (s.Msd_A / s.Msd) * s.eps_o;
    };
    auto stripForce = [&s](double e) { return e > 0 ? CompositeForce(s.applied_Af, s.Ef, e) : 0; };
    for (s.i = step; s.i <= kCrushingStrain; s.i += step) {
        s.eps_c_A = s.i;
        StressBlockAnchorage(s);
        SteelStresses sig{};
        for (s.x_A = depthStep; s.x_A <= c.h; s.x_A += depthStep) {
            sig = SteelStressesAt(st, c.h, s.eps_c_A, s.x_A, fy);
            const double T = NetTension(st, sig) + stripForce(stripStrain(s.x_A));
            if (BelowFlange(c, s.x_A)) FlangeBlock(s, c, s.x_A, s.eps_c_A);
            s.x_new = EquilibriumDepth(s, c, fcd, T, s.x_A);
            if (std::abs(s.x_A - s.x_new) < tolerance) {
                s.x_A = ConvergedDepth(s, c, s.x_A, s.x_new, s.eps_c_A);
                break;
            }
        }
        s.sigma_s11 = sig.s11;
        s.sigma_s12 = sig.s12;
        s.sigma_s2 = sig.s2;
        ef = stripStrain(s.x_A);
        const double z = ResultantDepth(s, c, fcd, s.x_A);
        s.M_A = InternalMoment(st, c.h, sig, z, stripForce(ef));
        if (s.M_A > s.Msd_A && std::abs(s.Msd_A - s.M_A) < 0.05 * s.Msd_A) return true;
    }
    return false;
}

bool LiteralShearThickness(DesignState& s, const ShearForm& form) {
    s.Vfd_calc = 0;
    for (s.i = s.IterStep; s.i <= 4; s.i += s.IterStep) {
        s.tf = s.i;
        s.Vfd_calc = ShearTrial(s, s.tf, form);
        if (s.Vfd_calc > s.Vfd) return true;
    }
    return false;
}

ConfinementScanResult LiteralConfinementThickness(DesignState& s, bool rectangular, short goal) {
    ConfinementScanResult r;
    s.eps_cu_max = 0;
    s.fcc_max = 0;
    for (s.i = s.IterStep; s.i <= 4; s.i += s.IterStep) {
        s.tf_c = s.i;
        const ConfinementTrialResult trial =
            ConfinementTrial(s, s.tf_c, rectangular, CircularKfl::Evaluated);
        if (trial.ultimateStrain) {
            s.eps_cu = *trial.ultimateStrain;
            r.strainComputed = true;
        }
        const auto confinedStrength = [&s, &trial] {
            s.fcc = ConfinedStrength(s, s.eps_cu, trial.peak);
            s.fcc_max = std::max(s.fcc_max, s.fcc);
        };
        s.eps_cu_max = std::max(s.eps_cu_max, s.eps_cu);
        const bool strainMet = r.strainComputed && s.eps_cu >= s.eps_cu_req;
        if (goal == StrengthGoal) {
            confinedStrength();
            if (s.fcc >= s.fcc_req) r.hit = true;
        } else if (goal == StrainGoal) {
            if (s.tf_c == s.IterStep && r.strainComputed && s.eps_cu > s.eps_cu_req) {
                r.strainAtFirstStep = true;
                return r;
            }
            if (strainMet) {
                confinedStrength();
                r.hit = true;
            }
        } else if (goal == BothGoals) {
            confinedStrength();
            if (s.fcc >= s.fcc_req && strainMet) r.hit = true;
        }
        if (r.hit) break;
    }
    return r;
}

Searches LiteralSearches() {
    return {LiteralCapacityDepth,     LiteralInitialState,        LiteralSlsUnstrengthenedScans,
            LiteralSlsCompositeScans, LiteralSlsStrengthened,     LiteralAnchorageStrains,
            LiteralShearThickness,    LiteralConfinementThickness};
}

}  // namespace kord::test
