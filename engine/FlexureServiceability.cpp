#include "engine/FlexureServiceability.h"

#include <cmath>
#include <cstdint>

#include "engine/DepthScan.h"
#include "engine/DesignState.h"
#include "engine/MessageTexts.h"
#include "engine/Searches.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

// Sub-steps shared by both phases of a check, for a trial whose strains, depth, stresses and
// flange block are set: the area that balances it, its moment and the acceptance test. true:
// the trial is accepted.
bool BalancedTrial(const SlsCombination& sc, const Concrete& c, const Steel& st) {
    const DesignState& s = State();
    if (sc.eps_f > 0) {
        const double C = ConcreteForce(c, s.fck, sc.x);
        const double T = NetTension(st, {sc.sigma_s11, sc.sigma_s12, sc.sigma_s2});
        sc.Af_trial = BalancingArea(C, T, s.Ef, sc.eps_f);
    }
    if (sc.Af_trial <= 0) return false;
    sc.Mser_calc = SlsMoment(sc, c, st, CompositeForce(sc.Af_trial, s.Ef, sc.eps_f));
    if (sc.Mser_calc > sc.Mser_max) sc.Mser_max = sc.Mser_calc;
    return sc.Mser_calc < sc.Mser && std::abs(sc.Mser - sc.Mser_calc) < 0.05 * sc.Mser;
}

}  // namespace

std::string SlsTooHighMessage(const SlsCombination& sc) {
    return std::string("Moment zginający od obciążenia zmiennego o wartościach ") +
           (sc.rare ? "wyjątkowych Mser,r = " : "prawie stałych Mser,q-p = ") +
           FormatGeneral(sc.Mser) + " kNm jest za wysoki. " + kAskLower;
}

bool SlsCheck(const SlsCombination& sc) {
    DesignState& s = State();
    const Concrete c = FlexureConcrete();
    const Steel st = FlexureSteel();
    const double dOuter = OuterLayerDistance();
    const double step = s.IterStep;

    sc.Mser_max = 0;
    sc.Mser_calc = 0;
    sc.Af_trial = 0;
    sc.eps_f = 0;

    // The concrete at its limit: the composite strain rises while the outer steel stays within
    // its limit.
    sc.eps_c = sc.concreteLimit;
    sc.stressBlock();
    sc.eps_s_ser = 0.8 * s.fyk / s.Es / 1000;
    const double strainEnd = s.eps_f_lim;
    for (s.i = step; s.i <= strainEnd; s.i += step) {
        sc.eps_f = s.i;
        sc.x = sc.eps_c * c.h / (sc.eps_c + s.i + s.eps_o);
        s.eps_s = (c.h - dOuter - sc.x) * sc.eps_c / sc.x;
        if (s.eps_s > sc.eps_s_ser) continue;
        SlsStresses(sc, c, st);
        if (BalancedTrial(sc, c, st)) break;
    }

    // The outer steel at its limit: the concrete strain falls from its limit. A trial whose
    // soffit has not passed the strain at bonding gives the composite nothing to carry: it is
    // skipped and changes no field.
    if (sc.Mser_calc == 0 || sc.Mser < sc.Mser_calc) {
        for (double e = sc.concreteLimit; e >= step; e -= step) {
            const double x = (c.h - dOuter) * e / (sc.eps_s_ser + e);
            const double f = (c.h - x) * e / x - s.eps_o;
            if (!(f > 0)) continue;
            s.i = e;
            sc.eps_c = e;
            sc.stressBlock();
            sc.x = x;
            SlsStresses(sc, c, st);
            sc.eps_f = f;
            if (BalancedTrial(sc, c, st)) break;
        }
    }

    sc.Af_req = sc.Af_trial > 0 ? sc.Af_trial : 0;
    if (sc.Mser > sc.Mser_max) {
        sc.Af_trial = 0;
        return false;
    }
    if (sc.Af_trial <= 0 && sc.Mser < sc.Mser_max) DesignSearches().slsStrengthened(sc);
    return true;
}

void SlsStrengthened(const SlsCombination& sc) {
    DesignState& s = State();
    const Concrete c = FlexureConcrete();
    const Steel st = FlexureSteel();
    const double step = s.IterStep;
    const double depthStep = 10 * s.IterTol;
    const double tolerance = 100 * s.IterTol;
    const double end = sc.concreteLimit;
    const StepScan depths(depthStep, depthStep, c.h);
    std::int64_t hint = -1;

    for (s.i = step; s.i <= end; s.i += step) {
        sc.eps_c = s.i;
        sc.stressBlock();
        const double psi = s.psi;
        bool accepted = false;
        sc.x = ScanDepth(
            depths, tolerance, hint, accepted,
            [&](double x) {
                // A layer without area keeps the stress it had, times its zero area.
                const double fy = s.fyk;
                const SteelStresses sig{
                    st.As11 > 0 ? BottomSteelStress(c.h, st.d11, sc.eps_c, x, st.Es, fy)
                                : sc.sigma_s11,
                    st.As12 > 0 ? BottomSteelStress(c.h, st.d12, sc.eps_c, x, st.Es, fy)
                                : sc.sigma_s12,
                    st.As2 > 0 ? TopSteelStress(st.d2, sc.eps_c, x, st.Es, fy) : sc.sigma_s2};
                return x -
                       EquilibriumDepthAt(c, s.fck, NetTension(st, sig), x, psi, sc.LawStrain());
            },
            [&](double x) {
                sc.x = x;
                SlsStresses(sc, c, st, true);
                SlsEquilibriumDepth(sc, c, st);
                return std::abs(x - s.x_new) < tolerance;
            });
        if (accepted) sc.x = ConvergedDepth(c, sc.x, s.x_new, sc.LawStrain());
        sc.Mser_calc = SlsMoment(sc, c, st, 0);
        // The moment grows with the strain: the first trial beyond the moment is the state,
        // even where one step jumps past a narrow window above it.
        if (sc.Mser_calc > sc.Mser) break;
    }
    sc.eps_f = (c.h - sc.x) * sc.eps_c / sc.x - s.eps_o;
    sc.Af_req = 0;
}

}  // namespace kord
