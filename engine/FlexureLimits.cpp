#include "engine/FlexureLimits.h"

#include <cmath>
#include <cstdint>

#include "engine/DepthScan.h"
#include "engine/DesignState.h"
#include "engine/Searches.h"

namespace kord {

SlsCombination RareCombination(DesignState& s) {
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

SlsCombination QuasiPermanentCombination(DesignState& s) {
    return {false,          s.eps_c_qp,     s.x_qp,          s.eps_f_qp,    s.sigma_s11_qp,
            s.sigma_s12_qp, s.sigma_s2_qp,  s.eps_s_ser_qp,  s.Mser_qp_o,   s.Mser_qp_o_s,
            s.Mser_qp,      s.Mser_qp_calc, s.Mser_qp_max,   s.Af_qp_trial, s.Af_req_qp,
            s.eps_c_qp_lim, 1 + s.phi,      StressBlockCreep};
}

double OuterLayerDistance(const DesignState& s) {
    return s.OuterLayer11 ? s.d11 : s.d12;
}

void SlsStresses(DesignState& s, const SlsCombination& sc, const Concrete& c, const Steel& st,
                 bool presentOnly) {
    const double fy = s.fyk;
    if (!presentOnly || st.As11 > 0)
        sc.sigma_s11 = BottomSteelStress(c.h, st.d11, sc.eps_c, sc.x, st.Es, fy);
    if (!presentOnly || st.As12 > 0)
        sc.sigma_s12 = BottomSteelStress(c.h, st.d12, sc.eps_c, sc.x, st.Es, fy);
    if (!presentOnly || st.As2 > 0) sc.sigma_s2 = TopSteelStress(st.d2, sc.eps_c, sc.x, st.Es, fy);
    if (BelowFlange(c, sc.x)) FlangeBlock(s, c, sc.x, sc.LawStrain());
}

void SlsEquilibriumDepth(DesignState& s, const SlsCombination& sc, const Concrete& c,
                         const Steel& st) {
    const SteelStresses sig{sc.sigma_s11, sc.sigma_s12, sc.sigma_s2};
    s.x_new = EquilibriumDepth(s, c, s.fck, NetTension(st, sig), sc.x);
}

double SlsMoment(DesignState& s, const SlsCombination& sc, const Concrete& c, const Steel& st,
                 double F) {
    const double z = ResultantDepth(s, c, s.fck, sc.x);
    return InternalMoment(st, c.h, {sc.sigma_s11, sc.sigma_s12, sc.sigma_s2}, z, F);
}

void CapacityDepth(DesignState& s) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
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
            if (BelowFlange(c, x)) FlangeBlock(s, c, x, t);
            s.x_new = EquilibriumDepth(s, c, k, NetTension(st, sig), x);
            return std::abs(x - s.x_new) < tolerance;
        });
    if (accepted) s.x = ConvergedDepth(s, c, s.x, s.x_new, t);
}

bool CapacityUnstrengthened(DesignState& s) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double k = UltimateConcreteStrength(s.fck);
    const double fy = UltimateYieldStress(s.fyk);

    s.eps_c = kCrushingStrain;
    StressBlock(s);
    s.AbortCalc = false;

    DesignSearches().capacityDepth(s);

    const bool yielded = (st.As11 > 0 && s.sigma_s11 == fy) || (st.As12 > 0 && s.sigma_s12 == fy);
    if (s.OnlyDesiredModes && !yielded) {
        s.AbortCalc = true;
        return false;
    }

    const double z = ResultantDepth(s, c, k, s.x);
    s.MRd_o = InternalMoment(st, c.h, {s.sigma_s11, s.sigma_s12, s.sigma_s2}, z, 0);
    return true;
}

SlsSection ServiceSection(const DesignState& s) {
    return {FlexureConcrete(s), FlexureSteel(s), OuterLayerDistance(s), 80 * s.IterTol};
}

namespace {

// The rest of a trial before strengthening whose depth is set: its stresses and equilibrium
// depth; when the depth balances, the converged depth, and the trial's moment into moment.
bool Balances(DesignState& s, const SlsCombination& sc, const SlsSection& sec, double& moment) {
    SlsStresses(s, sc, sec.c, sec.st);
    SlsEquilibriumDepth(s, sc, sec.c, sec.st);
    if (!(std::abs(sc.x - s.x_new) < sec.tolerance)) return false;
    sc.x = ConvergedDepth(s, sec.c, sc.x, s.x_new, sc.LawStrain());
    moment = SlsMoment(s, sc, sec.c, sec.st, 0);
    return true;
}

}  // namespace

bool UnstrengthenedSteelTrial(DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                              double es) {
    sc.x = OuterSteelDepth(sec, sc.eps_c, es);
    return Balances(s, sc, sec, sc.Mser_o_s);
}

bool UnstrengthenedConcreteTrial(DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                                 double e) {
    sc.eps_c = e;
    sc.stressBlock(s);
    sc.x = OuterSteelDepth(sec, e, sc.eps_s_ser);
    return Balances(s, sc, sec, sc.Mser_o);
}

// Both scans test a depth x fixed by the strains against its equilibrium depth x_new, through
// the gap g = x − x_new. With x_new = T'/D (D > 0, see EquilibriumDepth), "g > −tol" is
// T' < D·(x + tol) and "g < tol" is T' > D·(x − tol): the net steel tension against the
// concrete force of a zone one tolerance deeper or shallower, with the trial's block factors.
// - The first scan holds the top fibre at t and raises the outer steel strain: x falls. The
//   bottom steel tensions (h − d − x)·Es·t/x rise and the top steel's compression falls, so T
//   rises; the concrete force of x ± tol falls: of a rectangle kψw·(x ± tol) with ψ fixed; below
//   a flange k·[b·ψ·(x ± tol) + (beff − b)·(∫ over the flange of the stress ± tol·(ψ − ψ2))],
//   where ψ2 falls with the strain under the flange. Only +tol·(ψ − ψ2) rises, by some
//   tol·ψ'·t·hf/x² a unit of x against the flange integral's fall of at least
//   0.3·t·hf²/x²: it cannot win while hf > 2·tol. So "g < tol" is false up to one trial and true
//   from it on, and "g ≤ −tol" once true stays true: only the first trial with g < tol can
//   balance.
// - The second scan holds the outer steel at eps_s_ser and raises the top strain e, so
//   x = (h − d1)·e/(eps_s_ser + e) rises. The strain at depth y is e·(1 − y/(h − d1)) −
//   eps_s_ser·y/(h − d1): it rises above the outer layer, so the other bottom layers' tensions
//   fall and, with d2 < h − d1, the top steel's compression rises: T falls. ψ, x + tol and the
//   flange integral rise (the ψ2 term again bounded by hf > 2·tol), so "g > −tol" is false up to
//   one trial and true from it on; "g ≥ tol" once true stays true where x ≥ tol, as x − tol ≥ 0
//   then rises. Trials on from the first with g > −tol are walked while x < tol.
// x changes by 1e-6 cm a step or more, the gaps by as much; rounding moves them by some 1e-13.
// The differential test of the searches guards this against the literal scans.
void SlsUnstrengthenedScans(DesignState& s, const SlsCombination& sc) {
    const SlsSection sec = ServiceSection(s);
    const Concrete& c = sec.c;
    const Steel& st = sec.st;
    const double step = s.IterStep;
    const double tol = sec.tolerance;
    const bool thinFlange = c.tee && !(c.hf > 2 * tol);
    // x − x_new of the depth x at the top-fibre strain top, without touching the design state.
    auto gap = [&](double x, double top, double psi) {
        const double T = NetTension(st, SteelStressesAt(st, c.h, top, x, s.fyk));
        return x - EquilibriumDepthAt(c, s.fck, T, x, psi, top / sc.creep);
    };

    const StepScan steelStrains(step, step, sc.eps_s_ser);
    const std::int64_t n = steelStrains.Count();
    if (thinFlange) {
        for (s.eps_s = step; s.eps_s <= sc.eps_s_ser; s.eps_s += step)
            if (UnstrengthenedSteelTrial(s, sc, sec, s.eps_s)) break;
    } else {
        auto steelTrial = [&](std::int64_t k) {
            return UnstrengthenedSteelTrial(s, sc, sec, steelStrains.At(k));
        };
        auto depth = [&](std::int64_t k) {
            return OuterSteelDepth(sec, sc.eps_c, steelStrains.At(k));
        };
        const double psi = s.psi;
        const std::int64_t j =
            FirstTrue(0, n, [&](std::int64_t k) { return gap(depth(k), sc.eps_c, psi) < tol; });
        // The zone leaves the flange as x falls: the last trial below it wrote the flange block.
        const std::int64_t below =
            c.tee ? FirstTrue(0, n, [&](std::int64_t k) { return !BelowFlange(c, depth(k)); }) : 0;
        bool accepted = false;
        if (j < n) {
            if (0 < below && below - 1 < j) steelTrial(below - 1);
            accepted = steelTrial(j);
        }
        if (!accepted) RunAgain({below - 1, n - 1}, steelTrial);
        s.eps_s = steelStrains.At(accepted ? j : n);
    }

    const StepScan topStrains(step, step, sc.concreteLimit);
    const std::int64_t n2 = topStrains.Count();
    if (thinFlange || (st.As2 > 0 && !(st.d2 < c.h - sec.dOuter))) {
        const double end = sc.concreteLimit;
        for (s.i = step; s.i <= end; s.i += step)
            if (UnstrengthenedConcreteTrial(s, sc, sec, s.i)) break;
        return;
    }
    auto concreteTrial = [&](std::int64_t k) {
        return UnstrengthenedConcreteTrial(s, sc, sec, topStrains.At(k));
    };
    std::int64_t k = FirstTrue(0, n2, [&](std::int64_t m) {
        const double e = topStrains.At(m);
        return gap(OuterSteelDepth(sec, e, sc.eps_s_ser), e, ConcreteBlock(e / sc.creep).psi) >
               -tol;
    });
    bool accepted = false;
    for (; k < n2; ++k) {
        accepted = concreteTrial(k);
        if (accepted || !(sc.x < tol)) break;
    }
    // The zone deepens as x rises: the last trial wrote every field, a flange block included.
    if (!accepted && n2 > 0) concreteTrial(n2 - 1);
    s.i = topStrains.At(accepted ? k : n2);
}

namespace {

// The two limit moments of one combination before strengthening.
void SlsUnstrengthened(DesignState& s, const SlsCombination& sc) {
    sc.eps_c = sc.concreteLimit;
    sc.Mser_o = 0;
    sc.Mser_o_s = 0;
    sc.stressBlock(s);
    sc.eps_s_ser = 0.8 * s.fyk / s.Es / 1000;
    DesignSearches().slsUnstrengthened(s, sc);
    if (sc.Mser_o_s > sc.Mser_o) sc.Mser_o = sc.Mser_o_s;
}

}  // namespace

void SlsRareUnstrengthened(DesignState& s) {
    SlsUnstrengthened(s, RareCombination(s));
}
void SlsQuasiPermanentUnstrengthened(DesignState& s) {
    SlsUnstrengthened(s, QuasiPermanentCombination(s));
}

}  // namespace kord
