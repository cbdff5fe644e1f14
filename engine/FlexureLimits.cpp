#include "engine/FlexureLimits.h"

#include <cmath>
#include <cstdint>

#include "engine/DepthScan.h"
#include "engine/DesignState.h"
#include "engine/Searches.h"

namespace kord {

SlsCombination RareCombination() {
    DesignState& s = State();
    return {true,
            s.eps_c_r,
            s.x_r,
            s.eps_f_r,
            s.sigma_s11_r,
            s.sigma_s12_r,
            s.sigma_s2_r,
            s.eps_s_ser,
            s.Mser_r_o,
            s.Mser_r_o_s,
            s.Mser_r,
            s.Mser_r_calc,
            s.Mser_r_max,
            s.Af_r_trial,
            s.Af_req_r,
            kRareStrain,
            1,
            StressBlockSls};
}

SlsCombination QuasiPermanentCombination() {
    DesignState& s = State();
    return {false,          s.eps_c_qp,     s.x_qp,          s.eps_f_qp,    s.sigma_s11_qp,
            s.sigma_s12_qp, s.sigma_s2_qp,  s.eps_s_ser_qp,  s.Mser_qp_o,   s.Mser_qp_o_s,
            s.Mser_qp,      s.Mser_qp_calc, s.Mser_qp_max,   s.Af_qp_trial, s.Af_req_qp,
            s.eps_c_qp_lim, 1 + s.phi,      StressBlockCreep};
}

double OuterLayerDistance() {
    return State().OuterLayer11 ? State().d11 : State().d12;
}

void SlsStresses(const SlsCombination& sc, const Concrete& c, const Steel& st, bool presentOnly) {
    const double fy = State().fyk;
    if (!presentOnly || st.As11 > 0)
        sc.sigma_s11 = BottomSteelStress(c.h, st.d11, sc.eps_c, sc.x, st.Es, fy);
    if (!presentOnly || st.As12 > 0)
        sc.sigma_s12 = BottomSteelStress(c.h, st.d12, sc.eps_c, sc.x, st.Es, fy);
    if (!presentOnly || st.As2 > 0) sc.sigma_s2 = TopSteelStress(st.d2, sc.eps_c, sc.x, st.Es, fy);
    if (BelowFlange(c, sc.x)) FlangeBlock(c, sc.x, sc.LawStrain());
}

void SlsEquilibriumDepth(const SlsCombination& sc, const Concrete& c, const Steel& st) {
    const SteelStresses sig{sc.sigma_s11, sc.sigma_s12, sc.sigma_s2};
    State().x_new = EquilibriumDepth(c, State().fck, NetTension(st, sig), sc.x);
}

double SlsMoment(const SlsCombination& sc, const Concrete& c, const Steel& st, double F) {
    const double z = ResultantDepth(c, State().fck, sc.x);
    return InternalMoment(st, c.h, {sc.sigma_s11, sc.sigma_s12, sc.sigma_s2}, z, F);
}

void CapacityDepth() {
    DesignState& s = State();
    const Concrete c = FlexureConcrete();
    const Steel st = FlexureSteel();
    const double k = UltimateConcreteStrength(s.fck);
    const double fy = UltimateYieldStress(s.fyk);
    const double tolerance = 80 * s.IterTol;
    const double t = s.eps_c;
    const double psi = s.psi;
    const StepScan depths(s.IterTol, s.IterTol, c.h);
    std::int64_t hint = -1;
    bool accepted = false;
    s.x = ScanDepth(
        depths, tolerance, hint, accepted,
        [&](double x) {
            const double T = NetTension(st, SteelStressesAt(st, c.h, t, x, fy));
            return x - EquilibriumDepthAt(c, k, T, x, psi, t);
        },
        [&](double x) {
            s.x = x;
            const SteelStresses sig = SteelStressesAt(st, c.h, t, x, fy);
            s.sigma_s11 = sig.s11;
            s.sigma_s12 = sig.s12;
            s.sigma_s2 = sig.s2;
            if (BelowFlange(c, x)) FlangeBlock(c, x, t);
            s.x_new = EquilibriumDepth(c, k, NetTension(st, sig), x);
            return std::abs(x - s.x_new) < tolerance;
        });
    if (accepted) s.x = ConvergedDepth(c, s.x, s.x_new, t);
}

bool CapacityUnstrengthened() {
    DesignState& s = State();
    const Concrete c = FlexureConcrete();
    const Steel st = FlexureSteel();
    const double k = UltimateConcreteStrength(s.fck);
    const double fy = UltimateYieldStress(s.fyk);

    s.eps_c = kCrushingStrain;
    StressBlock();
    s.AbortCalc = false;

    DesignSearches().capacityDepth();

    const bool yielded = (st.As11 > 0 && s.sigma_s11 == fy) || (st.As12 > 0 && s.sigma_s12 == fy);
    if (s.OnlyDesiredModes && !yielded) {
        s.AbortCalc = true;
        return false;
    }

    const double z = ResultantDepth(c, k, s.x);
    s.MRd_o = InternalMoment(st, c.h, {s.sigma_s11, s.sigma_s12, s.sigma_s2}, z, 0);
    return true;
}

namespace {

// The two limit moments of one combination before strengthening.
void SlsUnstrengthened(const SlsCombination& sc) {
    DesignState& s = State();
    const Concrete c = FlexureConcrete();
    const Steel st = FlexureSteel();
    const double dOuter = OuterLayerDistance();
    const double tolerance = 80 * s.IterTol;
    const double step = s.IterStep;

    // The concrete at its limit: the outer steel strain rises until the section balances.
    sc.eps_c = sc.concreteLimit;
    sc.Mser_o = 0;
    sc.Mser_o_s = 0;
    sc.stressBlock();
    sc.eps_s_ser = 0.8 * s.fyk / s.Es / 1000;
    for (s.eps_s = step; s.eps_s <= sc.eps_s_ser; s.eps_s += step) {
        sc.x = (c.h - dOuter) * sc.eps_c / (s.eps_s + sc.eps_c);
        SlsStresses(sc, c, st);
        SlsEquilibriumDepth(sc, c, st);
        if (std::abs(sc.x - s.x_new) < tolerance) {
            sc.x = ConvergedDepth(c, sc.x, s.x_new, sc.LawStrain());
            sc.Mser_o_s = SlsMoment(sc, c, st, 0);
            break;
        }
    }

    // The outer steel at its limit: the concrete strain rises until the section balances.
    const double end = sc.concreteLimit;
    for (s.i = step; s.i <= end; s.i += step) {
        sc.eps_c = s.i;
        sc.stressBlock();
        sc.x = (c.h - dOuter) * sc.eps_c / (sc.eps_s_ser + sc.eps_c);
        SlsStresses(sc, c, st);
        SlsEquilibriumDepth(sc, c, st);
        if (std::abs(sc.x - s.x_new) < tolerance) {
            sc.x = ConvergedDepth(c, sc.x, s.x_new, sc.LawStrain());
            sc.Mser_o = SlsMoment(sc, c, st, 0);
            break;
        }
    }

    if (sc.Mser_o_s > sc.Mser_o) sc.Mser_o = sc.Mser_o_s;
}

}  // namespace

void SlsRareUnstrengthened() {
    SlsUnstrengthened(RareCombination());
}
void SlsQuasiPermanentUnstrengthened() {
    SlsUnstrengthened(QuasiPermanentCombination());
}

}  // namespace kord
