#include "engine/AppliedLaminate.h"

#include <cmath>

#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/ShearDesign.h"
#include "engine/StressBlock.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

const char* const kNotApplied = " Wyniki nie zostały uaktualnione.";

bool WithinFivePercent(double area, double target) {
    return std::abs(area - target) < 0.05 * target;
}

std::string NoStateMessage(const DesignState& s, const char* state) {
    return "Dla zastosowanego przekroju wzmocnienia Af = " +
           FormatPattern(s.Af_applied * 100, "####0.00") + " mm2 nie można wyznaczyć " + state +
           "." + kNotApplied + " Proszę zmienić liczbę lub wymiary taśm wzmacniających.";
}

// One ultimate trial at the state's eps_c and eps_f: depth, steel stresses, flange block and the
// area that balances it.
double UltimateTrialArea(DesignState& s, const Concrete& c, const Steel& st) {
    StressBlock(s);
    s.x = c.h * s.eps_c / (s.eps_c + s.eps_f + s.eps_o);
    const SteelStresses sig = SteelStressesAt(st, c.h, s.eps_c, s.x, UltimateYieldStress(s.fyk));
    s.sigma_s11 = sig.s11;
    s.sigma_s12 = sig.s12;
    s.sigma_s2 = sig.s2;
    if (BelowFlange(c, s.x)) FlangeBlock(s, c, s.x, s.eps_c);
    s.Af = BalancingArea(ConcreteForce(s, c, UltimateConcreteStrength(s.fck), s.x),
                         NetTension(st, sig), s.Ef, s.eps_f);
    return s.Af;
}

// The three flexure searches for the area of the applied strips; the message of the first that
// finds no state, or empty.
std::optional<std::string> FlexureSearches(DesignState& s) {
    s.MRd_applied = 0;
    s.Af = 0;
    if (!AppliedUltimateState(s, s.Af_applied))
        return NoStateMessage(s, "stanu granicznego nośności");
    s.Mser_r_applied = 0;
    if (!AppliedServiceState(s, RareCombination(s), s.Af_applied, s.Mser_r_applied))
        return NoStateMessage(
            s, "stanu granicznego użytkowalności od obciążeń zmiennych o wartościach wyjątkowych");
    s.Mser_qp_applied = 0;
    if (!AppliedServiceState(s, QuasiPermanentCombination(s), s.Af_applied, s.Mser_qp_applied))
        return NoStateMessage(
            s,
            "stanu granicznego użytkowalności od obciążeń zmiennych o wartościach prawie stałych");
    return std::nullopt;
}

}  // namespace

std::optional<int> WholeCount(double exact, int limit) {
    for (int n = 0; n <= limit; ++n)
        if (n >= exact - 1e-9 * std::abs(exact)) return n;
    return std::nullopt;
}

bool ApplicableCount(double count) {
    return std::isfinite(count) && count >= 1 && count == std::floor(count);
}

bool AppliedUltimateState(DesignState& s, double Af) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double step = s.IterStep;

    // Concrete crushing: the area falls towards the applied one as the composite strain grows.
    bool found = false;
    s.eps_c = kCrushingStrain;
    for (s.i = step; s.i <= s.eps_f_lim; s.i += step) {
        s.eps_f = s.i;
        const double area = UltimateTrialArea(s, c, st);
        if (area < Af && WithinFivePercent(area, Af)) {
            found = true;
            break;
        }
    }
    // Still more area than applied at the composite's limit strain: the composite reaches it
    // before the concrete crushes, and the area rises towards the applied one with the concrete
    // strain.
    if (!found && s.Af > Af) {
        s.eps_f = s.eps_f_lim;
        for (s.i = step; s.i <= kCrushingStrain; s.i += step) {
            s.eps_c = s.i;
            const double area = UltimateTrialArea(s, c, st);
            if (area > Af && WithinFivePercent(area, Af)) {
                found = true;
                break;
            }
        }
    }

    const double fy = UltimateYieldStress(s.fyk);
    s.SteelAtYield = (s.As11 > 0 && s.sigma_s11 == fy) || (s.As12 > 0 && s.sigma_s12 == fy);
    if (!found) return false;
    const double z = ResultantDepth(s, c, UltimateConcreteStrength(s.fck), s.x);
    s.MRd_applied = InternalMoment(st, c.h, {s.sigma_s11, s.sigma_s12, s.sigma_s2}, z,
                                   CompositeForce(s.Af, s.Ef, s.eps_f));
    return std::isfinite(s.MRd_applied);
}

bool AppliedServiceState(DesignState& s, const SlsCombination& sc, double Af, double& moment) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double dOuter = OuterLayerDistance(s);
    const double step = s.IterStep;

    sc.Af_trial = 0;
    moment = 0;
    sc.eps_s_ser = 0.8 * s.fyk / s.Es / 1000;
    // The area of a trial whose strains, depth, stresses and flange block are set; a trial whose
    // soffit has not passed the strain at bonding keeps the last area.
    auto accepted = [&]() {
        if (sc.eps_f > 0) {
            const double T = NetTension(st, {sc.sigma_s11, sc.sigma_s12, sc.sigma_s2});
            sc.Af_trial = BalancingArea(ConcreteForce(s, c, s.fck, sc.x), T, s.Ef, sc.eps_f);
        }
        return sc.Af_trial > 0 && sc.Af_trial < Af && WithinFivePercent(sc.Af_trial, Af);
    };

    // The concrete at its limit: the composite strain grows while the outer steel stays within
    // its limit.
    bool found = false;
    sc.eps_c = sc.concreteLimit;
    sc.stressBlock(s);
    for (s.i = step; s.i <= s.eps_f_lim; s.i += step) {
        sc.eps_f = s.i;
        sc.x = c.h * sc.eps_c / (sc.eps_c + sc.eps_f + s.eps_o);
        s.eps_s = (c.h - dOuter - sc.x) * sc.eps_c / sc.x;
        if (s.eps_s > sc.eps_s_ser) continue;
        SlsStresses(s, sc, c, st);
        if (accepted()) {
            found = true;
            break;
        }
    }
    // Still more area than applied: the outer steel at its limit, the concrete strain falling.
    if (!found && sc.Af_trial > Af) {
        for (s.i = sc.concreteLimit; s.i >= step; s.i -= step) {
            sc.eps_c = s.i;
            sc.stressBlock(s);
            sc.x = (c.h - dOuter) * sc.eps_c / (sc.eps_c + sc.eps_s_ser);
            sc.eps_f = (c.h - sc.x) * sc.eps_c / sc.x - s.eps_o;
            SlsStresses(s, sc, c, st);
            if (accepted()) {
                found = true;
                break;
            }
        }
    }
    if (!found) return false;
    moment = SlsMoment(s, sc, c, st, CompositeForce(sc.Af_trial, s.Ef, sc.eps_f));
    return std::isfinite(moment);
}

void AppliedShear(DesignState& s, double tf) {
    s.Vfd_applied = ShearTrial(s, tf, ChosenShearForm(s));
}

bool AppliedConfinement(DesignState& s, double tf) {
    const ConfinementTrialResult trial =
        ConfinementTrial(s, tf, s.ColumnRectangular, CircularKfl::One);
    if (!trial.ultimateStrain) return false;
    s.eps_cu_applied = *trial.ultimateStrain;
    s.fcc_applied = ConfinedStrength(s, s.eps_cu_applied, trial.peak);
    return true;
}

std::optional<std::string> ApplyChosenLaminate(DesignState& state, double count) {
    // A refused laminate leaves no trace: the searches work on a copy, which takes the state's
    // place only once the laminate is applied.
    DesignState s = state;
    const bool strips = s.ResultKind != Shear && s.ResultKind != Confinement;
    if (!ApplicableCount(count)) {
        return std::string(strips ? "Liczba zastosowanych taśm wzmacniających"
                                  : "Liczba zastosowanych warstw wzmocnienia") +
               " powinna być liczbą całkowitą nie mniejszą od 1." + kNotApplied;
    }

    auto refuse = [](std::string message) {
        return std::optional<std::string>(std::move(message));
    };

    if (s.ResultKind == Shear) {
        s.n_layers = count;
        s.tf_total_shear = s.tf_layer * count / 10;
        AppliedShear(s, s.tf_total_shear);
        if (!std::isfinite(s.Vfd_applied)) {
            return refuse("Dla zastosowanej grubości wzmocnienia t = " +
                          FormatPattern(s.tf_total_shear * 10, "##0.000") +
                          " mm nie można wyznaczyć siły ścinającej przenoszonej przez "
                          "wzmocnienie." +
                          kNotApplied + " Proszę zmienić liczbę lub grubość warstw wzmocnienia.");
        }
        s.applied_tf_total = s.tf_total_shear;
    } else if (s.ResultKind == Confinement) {
        s.n_layers = count;
        s.tf_total_conf = s.tf_layer * count / 10;
        if (!AppliedConfinement(s, s.tf_total_conf)) {
            return refuse("Dla zastosowanej grubości wzmocnienia t = " +
                          FormatPattern(s.tf_total_conf * 10, "##0.000") +
                          " mm nie można wyznaczyć odkształcenia wzmocnionego elementu przy "
                          "zniszczeniu." +
                          kNotApplied + " Proszę zmienić liczbę lub grubość warstw wzmocnienia.");
        }
        s.applied_tf_total = s.tf_total_conf;
    } else {
        s.n_strips = count;
        s.Af_applied = s.tf_strip * s.bf_strip * count / 100;
        if (std::optional<std::string> problem = FlexureSearches(s))
            return refuse(std::move(*problem));
        s.applied_bf_strip = s.bf_strip;
        s.applied_tf_strip = s.tf_strip;
        s.applied_n_strips = s.n_strips;
        s.applied_Af = s.Af_applied;
    }
    if (!strips) {
        s.applied_tf_layer = s.tf_layer;
        s.applied_n_layers = s.n_layers;
    }
    s.LaminateApplied = true;
    ++s.LaminateGeneration;
    state = std::move(s);
    return std::nullopt;
}

}  // namespace kord
