#include "engine/FlexureDesign.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/DepthScan.h"
#include "engine/DesignState.h"
#include "engine/FlexureLimits.h"
#include "engine/FlexureServiceability.h"
#include "engine/MessageTexts.h"
#include "engine/Searches.h"
#include "engine/StressBlock.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

const std::string kInitialStateMessage =
    std::string(kNoInitialStateHead) + "momentu zginającego podczas wzmacniania (początkowego) Mo.";

std::string MoAboveServiceLimit(const DesignState& s, const char* combination, double limit) {
    return "Moment zginający podczas wzmacniania (początkowy) Mo = " + FormatGeneral(s.Mo) +
           " kNm nie powinien być większy od wartości momentu zginającego od obciążenia "
           "zmiennego o wartościach " +
           combination + FormatPattern(limit, "####0.00") +
           " kNm. Proszę skorygować obliczenia i wpisać mniejszą wartość.";
}

// Whether a bottom layer that is present stands at the design yield stress.
bool BottomSteelYielded(const DesignState& s) {
    const double fy = UltimateYieldStress(s.fyk);
    return (s.As11 > 0 && s.sigma_s11 == fy) || (s.As12 > 0 && s.sigma_s12 == fy);
}

// The checks of the input combination, before anything is computed: the refusal, or empty.
std::optional<DesignOutcome> InputCombinationRefusal(const DesignState& s) {
    if (s.d11 >= s.h || s.d12 >= s.h || s.d2 >= s.h) {
        return DesignOutcome::Refused(kDepthsTooLargeMessage);
    }
    // The serviceability moments are compulsory too: a scan can never meet a moment of 0.
    if (s.b == 0 || s.h == 0 || s.Ef == 0 || s.Mo == 0 || s.Msd == 0 || s.Mser_r == 0 ||
        s.Mser_qp == 0) {
        return DesignOutcome::Refused(kEmptyFieldsMessage);
    }
    if (FlexureConcrete(s).tee) {
        if (s.hf == 0) {
            return DesignOutcome::Refused("Proszę podać grubość półki przekroju teowego hf.",
                                          DesignField::FlangeDepth);
        }
        if (s.beff < s.b) {
            return DesignOutcome::Refused(
                "Szerokość półki przekroju teowego beff nie może być mniejsza od szerokości jego "
                "środnika b.",
                DesignField::FlangeWidth);
        }
        if (s.hf >= s.h) {
            return DesignOutcome::Refused(
                "Grubośc półki przekroju teowego hf = " + FormatGeneral(s.hf / 100) +
                    " m powinna być mniejsza niż wysokość tego przekroju h = " +
                    FormatGeneral(s.h / 100) + " m.",
                DesignField::FlangeDepth);
        }
    }
    // Every strength of the design scales with fck: a typed mean strength of 8.2 or less leaves
    // none.
    if (s.fck == 0) {
        return DesignOutcome::Refused(kNoMeanStrengthMessage, DesignField::MeanStrength);
    }
    if (s.As11 == 0 && s.As12 == 0) {
        return DesignOutcome::Refused(
            "Proszę podać pole przekroju zbrojenia dolnego (As11 oraz/lub As12).",
            DesignField::BottomSteel);
    }
    if (s.As11 > 0 && s.d11 == 0) {
        return DesignOutcome::Refused("Proszę podać wartość d11.", DesignField::d11);
    }
    if (s.As12 > 0 && s.d12 == 0) {
        return DesignOutcome::Refused("Proszę podać wartość d12.", DesignField::d12);
    }
    if (s.As2 > 0 && s.d2 == 0) {
        return DesignOutcome::Refused("Proszę podać wartość d2.", DesignField::d2);
    }
    return std::nullopt;
}

void SetOuterLayer(DesignState& s) {
    if (s.As11 > 0 && s.As12 == 0)
        s.OuterLayer11 = true;
    else if (s.As11 == 0 && s.As12 > 0)
        s.OuterLayer11 = false;
    else
        s.OuterLayer11 = s.d11 < s.d12;  // on a tie layer 12 is the outer one
}

enum class TrialResult { Skipped, NotCounted, Counted };

// One ultimate-state trial with the top-fibre strain eps_c and the composite strain eps_f.
TrialResult UltimateTrial(DesignState& s, const Concrete& c, const Steel& st,
                          bool onlyDesiredModes) {
    const double k = UltimateConcreteStrength(s.fck);
    const double fy = UltimateYieldStress(s.fyk);

    StressBlock(s);
    s.x = s.eps_c * c.h / (s.eps_f + s.eps_c + s.eps_o);
    const SteelStresses sig = SteelStressesAt(st, c.h, s.eps_c, s.x, fy);
    s.sigma_s11 = sig.s11;
    s.sigma_s12 = sig.s12;
    s.sigma_s2 = sig.s2;
    if (BelowFlange(c, s.x)) FlangeBlock(s, c, s.x, s.eps_c);
    s.Af = BalancingArea(ConcreteForce(s, c, k, s.x), NetTension(st, sig), s.Ef, s.eps_f);
    if (s.Af <= 0) return TrialResult::Skipped;
    s.MRd = InternalMoment(st, c.h, sig, ResultantDepth(s, c, k, s.x),
                           CompositeForce(s.Af, s.Ef, s.eps_f));
    if (onlyDesiredModes && !BottomSteelYielded(s)) return TrialResult::NotCounted;
    if (s.MRd > s.MRd_max) s.MRd_max = s.MRd;
    return TrialResult::Counted;
}

}  // namespace

void InitialState(DesignState& s) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double step = s.IterStep;
    const double depthStep = 10 * s.IterTol;
    const double tolerance = 100 * s.IterTol;
    const StepScan depths(depthStep, depthStep, c.h);
    std::int64_t hint = -1;

    s.x_o = 0;
    s.dz_T = 0;
    s.x_new = 0;
    s.M_initial = 0;
    for (s.i = step; s.i <= kRareStrain; s.i += step) {
        s.eps_c_r = s.i;
        StressBlockSls(s);
        const double t = s.eps_c_r;
        const double psi = s.psi;
        bool accepted = false;
        s.x_o = ScanDepth(
            depths, tolerance, hint, accepted,
            [&](double x) {
                const double T = NetTension(st, SteelStressesAt(st, c.h, t, x, s.fyk));
                return x - EquilibriumDepthAt(c, s.fck, T, x, psi, t);
            },
            [&](double x) {
                s.x_o = x;
                const SteelStresses sig = SteelStressesAt(st, c.h, t, x, s.fyk);
                s.sigma_s11 = sig.s11;
                s.sigma_s12 = sig.s12;
                s.sigma_s2 = sig.s2;
                if (BelowFlange(c, x)) FlangeBlock(s, c, x, t);
                s.x_new = EquilibriumDepth(s, c, s.fck, NetTension(st, sig), x);
                return std::abs(x - s.x_new) < tolerance;
            });
        if (accepted) s.x_o = ConvergedDepth(s, c, s.x_o, s.x_new, t);
        const double z = ResultantDepth(s, c, s.fck, s.x_o);
        s.M_initial = InternalMoment(st, c.h, {s.sigma_s11, s.sigma_s12, s.sigma_s2}, z, 0);
        // The moment grows with the strain: the first trial beyond Mo is the state, even where
        // one step jumps past a narrow window above a small Mo.
        if (s.M_initial > s.Mo) break;
    }
    s.eps_co = s.eps_c_r;
    s.eps_o = (c.h - s.x_o) * s.eps_c_r / s.x_o;
}

void UltimateState(DesignState& s, bool onlyDesiredModes) {
    const Concrete c = FlexureConcrete(s);
    const Steel st = FlexureSteel(s);
    const double step = s.IterStep;

    s.x = 0;
    s.dz_T = 0;
    s.MRd = 0;
    s.MRd_max = 0;
    s.Af = 0;

    // Concrete crushing: the composite strain rises until the capacity comes within 5 % below
    // Msd.
    s.eps_c = kCrushingStrain;
    const double strainEnd = s.eps_f_lim;
    for (s.i = step; s.i <= strainEnd; s.i += step) {
        s.eps_f = s.i;
        if (UltimateTrial(s, c, st, onlyDesiredModes) != TrialResult::Counted) continue;
        if (s.Msd - s.MRd > 0 && std::abs(s.Msd - s.MRd) < 0.05 * s.Msd) return;
    }

    // Still above Msd: the composite reaches its limit strain before the concrete crushes; the
    // concrete strain rises until the capacity comes within 5 % above Msd.
    if (s.MRd > s.Msd) {
        s.eps_f = s.eps_f_lim;
        for (s.i = step; s.i <= kCrushingStrain; s.i += step) {
            s.eps_c = s.i;
            if (UltimateTrial(s, c, st, onlyDesiredModes) != TrialResult::Counted) continue;
            if (s.Msd - s.MRd < 0 && std::abs(s.Msd - s.MRd) < 0.05 * s.Msd) return;
        }
    }
}

DesignOutcome DesignFlexure(DesignState& s) {
    if (std::optional<DesignOutcome> refusal = InputCombinationRefusal(s)) return *refusal;
    SetOuterLayer(s);

    // Capacity before strengthening.
    if (!CapacityUnstrengthened(s)) return DesignOutcome::Refused(kOverReinforcedMessage);
    if (s.Msd < s.MRd_o) {
        return DesignOutcome::Refused(
            "Moment zginający wymagany po wzmocnieniu Msd = " + FormatGeneral(s.Msd) +
                " kNm nie powinien być niższy od nośności obliczeniowej przekroju przed "
                "wzmocnieniem Mrd,o = " +
                FormatPattern(s.MRd_o, "####0.00") + " kNm. " + kAskHigher,
            DesignField::Msd);
    }

    // Serviceability limits before strengthening: Mo must lie within both.
    s.x_new = 0;
    s.dz_T = 0;
    s.M_initial = 0;
    SlsRareUnstrengthened(s);
    if (s.Mo > s.Mser_r_o) {
        return DesignOutcome::Refused(
            MoAboveServiceLimit(s, "wyjątkowych przed wzmocnieniem Mser,r,o = ", s.Mser_r_o),
            DesignField::Mo);
    }
    SlsQuasiPermanentUnstrengthened(s);
    if (s.Mo > s.Mser_qp_o) {
        return DesignOutcome::Refused(
            MoAboveServiceLimit(s, "prawie stałych przed wzmocnieniem Mser,q-p,o = ", s.Mser_qp_o),
            DesignField::Mo);
    }

    DesignSearches().initialState(s);
    // A depth that is not positive leaves no strain at bonding to work with.
    if (!(s.x_o > 0) || !std::isfinite(s.eps_o)) {
        return DesignOutcome::Refused(kInitialStateMessage, DesignField::Mo);
    }

    UltimateState(s, s.OnlyDesiredModes);
    if (s.MRd_max == 0) {
        return DesignOutcome::Refused(kOverReinforcedMessage);
    }
    if (s.Af > 0) {
        s.Af_req = s.Af;
    } else {
        s.Af_req = 0;
        s.MRd = s.MRd_o;
    }
    if (s.MRd_max < s.Msd) {
        return DesignOutcome::Refused(
            "Wymagana nośność obliczeniowa po wzmocnieniu Msd = " + FormatGeneral(s.Msd) +
                " kNm jest za wysoka. " + kAskLower,
            DesignField::Msd);
    }
    s.SteelAtYield = BottomSteelYielded(s);

    for (const SlsCombination& sc : {RareCombination(s), QuasiPermanentCombination(s)})
        if (!SlsCheck(s, sc)) return DesignOutcome::Refused(SlsTooHighMessage(sc));

    s.Af_applied = 0;
    s.LaminateApplied = false;
    s.PrintStrain = false;
    s.PrintBond = false;
    s.ResultKind = 0;
    return DesignOutcome::Success();
}

}  // namespace kord
