#include "engine/FlexureServiceability.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

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
bool BalancedTrial(DesignState& s, const SlsCombination& sc, const Concrete& c, const Steel& st) {
    if (sc.eps_f > 0) {
        const double C = ConcreteForce(s, c, s.fck, sc.x);
        const double T = NetTension(st, {sc.sigma_s11, sc.sigma_s12, sc.sigma_s2});
        sc.Af_trial = BalancingArea(C, T, s.Ef, sc.eps_f);
    }
    if (sc.Af_trial <= 0) return false;
    sc.Mser_calc = SlsMoment(s, sc, c, st, CompositeForce(sc.Af_trial, s.Ef, sc.eps_f));
    if (sc.Mser_calc > sc.Mser_max) sc.Mser_max = sc.Mser_calc;
    return sc.Mser_calc < sc.Mser && std::abs(sc.Mser - sc.Mser_calc) < 0.05 * sc.Mser;
}

}  // namespace

std::string SlsTooHighMessage(const SlsCombination& sc) {
    return std::string("Moment zginający od obciążenia zmiennego o wartościach ") +
           (sc.rare ? "wyjątkowych Mser,r = " : "prawie stałych Mser,q-p = ") +
           FormatGeneral(sc.Mser) + " kNm jest za wysoki. " + kAskLower;
}

namespace {

// The depth and the outer steel strain of the first scan's trial with the composite strain f.
double CompositeTrialDepth(const DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                           double f) {
    return sc.eps_c * sec.c.h / (sc.eps_c + f + s.eps_o);
}
double OuterSteelStrain(const SlsCombination& sc, const SlsSection& sec, double x) {
    return (sec.c.h - sec.dOuter - x) * sc.eps_c / x;
}
// The composite strain of the second scan's trial with the top strain e and the depth x.
double SoffitCompositeStrain(const DesignState& s, const SlsSection& sec, double e, double x) {
    return (sec.c.h - x) * e / x - s.eps_o;
}

}  // namespace

SlsTrial CompositeStrainTrial(DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                              double f) {
    sc.eps_f = f;
    sc.x = CompositeTrialDepth(s, sc, sec, f);
    s.eps_s = OuterSteelStrain(sc, sec, sc.x);
    if (s.eps_s > sc.eps_s_ser) return SlsTrial::Skipped;
    SlsStresses(s, sc, sec.c, sec.st);
    return BalancedTrial(s, sc, sec.c, sec.st) ? SlsTrial::Accepted : SlsTrial::Rejected;
}

SlsTrial ConcreteStrainTrial(DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                             double e) {
    const double x = OuterSteelDepth(sec, e, sc.eps_s_ser);
    const double f = SoffitCompositeStrain(s, sec, e, x);
    if (!(f > 0)) return SlsTrial::Skipped;
    s.i = e;
    sc.eps_c = e;
    sc.stressBlock(s);
    sc.x = x;
    SlsStresses(s, sc, sec.c, sec.st);
    sc.eps_f = f;
    return BalancedTrial(s, sc, sec.c, sec.st) ? SlsTrial::Accepted : SlsTrial::Rejected;
}

// Why the composite scans can be searched. Both raise the neutral axis from trial to trial: the
// first holds the top fibre at its limit t and raises the composite strain, so
// x = t·h/(t + f + eps_o) falls; the second holds the outer steel at eps_s_ser and lowers the top
// strain e, so x = (h − d1)·e/(eps_s_ser + e) falls and with it the strain of every fibre above
// the outer layer, e·(1 − y/(h − d1)) − eps_s_ser·y/(h − d1).
// - Skipped trials come last: in the first scan the outer steel strain (h − d1 − x)·t/x rises as
//   x falls; in the second the soffit strain eps_s_ser·h/(h − d1) + e·d1/(h − d1) falls with e.
// - The concrete force C falls (every fibre of a shrinking zone is less compressed) and the net
//   steel tension T rises (the bottom layers stretch more, the top layer shortens less; in the
//   second scan where d2 < h − d1): the area (C − T)/(f·Ef·1000) is positive on a first run of
//   trials only.
// - With the area that balances it, a trial's moment is the moment about the soffit of the
//   concrete compression, plus (h − d2)·As2·σ2, minus d·As·σ of each bottom layer. The first term
//   falls (every fibre's stress falls and its lever h − y stays positive, x < h), so do the
//   others: the moment falls strictly. The running maximum is the moment of the first trial with
//   an area, and the first trial below Mser is the only one that can lie within 5 % below it.
// Forces and moments change by some 1e-5 of themselves a step, rounding by 1e-16: each test
// changes its answer once. Where a premise fails (a strain at bonding of −step or less, so that x
// may reach h; a top layer at or below the outer bottom layer in the second scan) the scan runs
// trial by trial. The differential test of the searches guards this against the literal scans.
void SlsCompositeScans(DesignState& s, const SlsCombination& sc) {
    const SlsSection sec = ServiceSection(s);
    const Concrete& c = sec.c;
    const double step = s.IterStep;

    // Trials [0, evaluated) are not skipped and each writes the trial's fields, a flange block
    // while the zone reaches below the flange (trials [0, below)), the moment and dz_T only with
    // a positive area. The probes write the state: it is put back, and the trials that the literal
    // scan ran last for each field run again. Returns the last trial evaluated and whether it was
    // accepted.
    auto search = [&](std::int64_t evaluated, std::int64_t below, auto trial) {
        const DesignState before = s;
        const std::int64_t areas = FirstTrue(0, evaluated, [&](std::int64_t k) {
            trial(k);
            return sc.Af_trial <= 0;
        });
        const std::int64_t j = FirstTrue(0, areas, [&](std::int64_t k) {
            trial(k);
            return sc.Mser_calc < sc.Mser;
        });
        const bool accepted = j < areas && trial(j) == SlsTrial::Accepted;
        const std::int64_t end = accepted ? j : evaluated - 1;
        s = before;
        RunAgain({areas > 0 ? 0 : -1, std::min(end, below - 1), std::min(end, areas - 1),
                  std::min({end, areas - 1, below - 1}), end},
                 trial);
        return std::pair{end, accepted};
    };

    const StepScan composite(step, step, s.eps_f_lim);
    const std::int64_t n = composite.Count();
    if (s.eps_o + step > 0) {
        auto depth = [&](std::int64_t k) {
            return CompositeTrialDepth(s, sc, sec, composite.At(k));
        };
        auto trial = [&](std::int64_t k) {
            return CompositeStrainTrial(s, sc, sec, composite.At(k));
        };
        const std::int64_t evaluated = FirstTrue(0, n, [&](std::int64_t k) {
            return OuterSteelStrain(sc, sec, depth(k)) > sc.eps_s_ser;
        });
        const std::int64_t below =
            c.tee ? FirstTrue(0, n, [&](std::int64_t k) { return !BelowFlange(c, depth(k)); }) : 0;
        const auto [end, accepted] = search(evaluated, below, trial);
        // A skipped trial last leaves its strains and depth.
        if (!accepted && end < n - 1) trial(n - 1);
        s.i = composite.At(accepted ? end : n);
    } else {
        for (s.i = step; s.i <= s.eps_f_lim; s.i += step)
            if (CompositeStrainTrial(s, sc, sec, s.i) == SlsTrial::Accepted) break;
    }

    if (!(sc.Mser_calc == 0 || sc.Mser < sc.Mser_calc)) return;
    const StepScan tops(sc.concreteLimit, -step, step);
    if (sec.st.As2 > 0 && !(sec.st.d2 < c.h - sec.dOuter)) {
        for (double e = sc.concreteLimit; e >= step; e -= step)
            if (ConcreteStrainTrial(s, sc, sec, e) == SlsTrial::Accepted) break;
        return;
    }
    auto depth = [&](std::int64_t k) { return OuterSteelDepth(sec, tops.At(k), sc.eps_s_ser); };
    const std::int64_t evaluated = FirstTrue(0, tops.Count(), [&](std::int64_t k) {
        return !(SoffitCompositeStrain(s, sec, tops.At(k), depth(k)) > 0);
    });
    const std::int64_t below =
        c.tee ? FirstTrue(0, evaluated, [&](std::int64_t k) { return !BelowFlange(c, depth(k)); })
              : 0;
    search(evaluated, below,
           [&](std::int64_t k) { return ConcreteStrainTrial(s, sc, sec, tops.At(k)); });
}

bool SlsCheck(DesignState& s, const SlsCombination& sc) {
    sc.Mser_max = 0;
    sc.Mser_calc = 0;
    sc.Af_trial = 0;
    sc.eps_f = 0;
    sc.eps_c = sc.concreteLimit;
    sc.stressBlock(s);
    sc.eps_s_ser = 0.8 * s.fyk / s.Es / 1000;
    DesignSearches().slsComposite(s, sc);

    sc.Af_req = sc.Af_trial > 0 ? sc.Af_trial : 0;
    if (sc.Mser > sc.Mser_max) {
        sc.Af_trial = 0;
        return false;
    }
    if (sc.Af_trial <= 0 && sc.Mser < sc.Mser_max) DesignSearches().slsStrengthened(s, sc);
    return true;
}

void SlsStrengthened(DesignState& s, const SlsCombination& sc) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double step = s.IterStep;
    const double depthStep = 10 * s.IterTol;
    const double tolerance = 100 * s.IterTol;
    const double end = sc.concreteLimit;
    const StepScan depths(depthStep, depthStep, c.h);
    std::int64_t hint = -1;
    const double fy = s.fyk;

    // Trial by trial: each depth comes from a grid, so the moment grows with the strain only on
    // the whole. It falls at some trials, by a jump of the depth or a depth scan that does not
    // converge, and can fall back below Mser after passing it: the first trial beyond Mser cannot
    // be found by bisection.
    for (s.i = step; s.i <= end; s.i += step) {
        sc.eps_c = s.i;
        sc.stressBlock(s);
        const double psi = s.psi;
        const double t = sc.LawStrain();
        bool accepted = false;
        sc.x = ScanDepth(
            depths, tolerance, hint, accepted,
            [&](double x) {
                // A layer without area keeps the stress it had, times its zero area.
                const SteelStresses sig{
                    st.As11 > 0 ? BottomSteelStress(c.h, st.d11, sc.eps_c, x, st.Es, fy)
                                : sc.sigma_s11,
                    st.As12 > 0 ? BottomSteelStress(c.h, st.d12, sc.eps_c, x, st.Es, fy)
                                : sc.sigma_s12,
                    st.As2 > 0 ? TopSteelStress(st.d2, sc.eps_c, x, st.Es, fy) : sc.sigma_s2};
                return x - EquilibriumDepthAt(c, s.fck, NetTension(st, sig), x, psi, t);
            },
            [&](double x) {
                sc.x = x;
                SlsStresses(s, sc, c, st, true);
                SlsEquilibriumDepth(s, sc, c, st);
                return std::abs(x - s.x_new) < tolerance;
            });
        if (accepted) sc.x = ConvergedDepth(s, c, sc.x, s.x_new, t);
        sc.Mser_calc = SlsMoment(s, sc, c, st, 0);
        // The moment grows with the strain: the first trial beyond the moment is the state,
        // even where one step jumps past a narrow window above it.
        if (sc.Mser_calc > sc.Mser) break;
    }
    sc.eps_f = (c.h - sc.x) * sc.eps_c / sc.x - s.eps_o;
    sc.Af_req = 0;
}

}  // namespace kord
