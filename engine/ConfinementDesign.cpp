#include "engine/ConfinementDesign.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "engine/ConfinementScan.h"
#include "engine/DesignState.h"
#include "engine/MessageTexts.h"
#include "engine/Searches.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

const char* const kNoGeometry =
    "Zostały niewypełnione pola, odnoszące się do geometrii przekroju poprzecznego. Proszę je "
    "wypełnić, wpisując żądane wartości.";
const char* const kRadiusTooLarge =
    "Promień R na rogach przekroju poprzecznego musi być mniejszy od połowy szerokości oraz "
    "wysokości tego przekroju.";
const char* const kNoDiameter = "Proszę podać średnicę słupa D.";
const char* const kNoModulus = "Proszę podać moduł sprężystości wzmocnienia kompozytowego Ef.";
const char* const kNoRuptureStrain =
    "Proszę podać wartość wydłużenia (odkształcenia jednostkowego) przy zerwaniu efu.";
const char* const kNoStripWidth = "Proszę podać szerokość taśmy wzmacniającej bf.";
const char* const kNoStripSpacing = "Proszę podać rozstaw osiowy taśm wzmacniających sf.";
const char* const kNoRequiredStrength =
    "Proszę podać wartość średniej wytrzymałości wzmocnionego elementu fcc.";
const char* const kNoRequiredStrain =
    "Proszę podać wartość odkształcenia (skrócenia) wzmocnionego elementu przy zniszczeniu ecu.";
const std::string kStrengthBelowUnconfined =
    std::string(
        "Wymagana średnia wytrzymałość wzmocnionego elementu fcc jest niższa niż "
        "elementu niewzmocnionego. ") +
    kAskHigher;
const char* const kBadGeometry =
    "Wybrany do wzmacniania przekrój poprzeczny nie może być skutecznie wzmocniony z powodu "
    "niewłaściwej geometrii. Należy zwiększyć promień wyokrągleń lub zmienić kształt przekroju "
    "(co jest niestety niepraktyczne) - zmniejszając stosunek długości jego boków.";
const char* const kStripsTooNarrow =
    "Szerokość taśm wzmacniających jest zbyt mała. Proszę ją zwiększyć.";
const char* const kStrainBelowUnconfinedHead =
    "Odkształcenie (skrócenie) wzmocnionego elementu przy zniszczeniu ecu = ";
const std::string kStrainBelowUnconfinedTail =
    std::string(" nie powinno być niższe niż elementu niewzmocnionego. ") + kAskHigher;
const std::string kStrengthTooHigh =
    std::string("Wymagana średnia wytrzymałość wzmocnionego elementu fcc jest za wysoka. ") +
    kAskLower;
const std::string kStrainTooHigh =
    std::string(
        "Wymagane odkształcenie (skrócenie) wzmocnionego elementu przy zniszczeniu ecu "
        "jest za wysokie. ") +
    kAskLower;
const char* const kUnexpected =
    "Wystąpił niespodziewany błąd w obliczeniach. W oparciu o wprowadzone dane nie można uzyskać "
    "efektu wzmocnienia.";

// 4 − 3.14159: the corners cut off a rectangle by rounding them with the radius R, over R².
constexpr double kCornerFactor = 0.85841;

// The section's effectiveness factors ke and ks, after the geometry checks. On a problem the
// refusal is returned; it gives the focus before its message.
std::optional<DesignOutcome> PrepareSection(DesignState& s, bool rectangular) {
    auto problem = [](const char* message, DesignField focus) {
        return DesignOutcome::Refused(message, focus, true);
    };
    if (rectangular) {
        const double halfGap = (s.sf_c - s.bf_c) / 2;
        s.A_uncf = ((s.b - 2 * s.R) * (s.b - 2 * s.R) + (s.h - 2 * s.R) * (s.h - 2 * s.R)) / 3;
        s.Ag = s.b * s.h - kCornerFactor * s.R * s.R;
        if (s.A_uncf >= s.Ag) return problem(kBadGeometry, DesignField::CornerRadius);
        s.ke = 1 - s.A_uncf / s.Ag;
        if (s.b - halfGap <= 0 || s.h - halfGap <= 0)
            return problem(kStripsTooNarrow, DesignField::StripWidth);
        s.k_strip = std::sqrt((s.h - halfGap) * (s.b - halfGap) / (s.h * s.b));
        s.Ag_s = (s.h - halfGap) * (s.b - halfGap) -
                 kCornerFactor * (s.k_strip * s.R) * (s.k_strip * s.R);
        if (s.Ag_s <= 0) return problem(kStripsTooNarrow, DesignField::StripWidth);
        s.b_cl = s.b - 2 * s.R * s.k_strip - halfGap;
        s.h_cl = s.h - 2 * s.R * s.k_strip - halfGap;
        s.A_uncf_s = 0;
        if (s.b_cl > 0) s.A_uncf_s += s.b_cl * s.b_cl / 3;
        if (s.h_cl > 0) s.A_uncf_s += s.h_cl * s.h_cl / 3;
        if (s.Ag_s <= s.A_uncf_s) return problem(kStripsTooNarrow, DesignField::StripWidth);
        s.ks = (s.Ag_s - s.A_uncf_s) / (s.Ag - s.A_uncf);
    } else {
        s.ke = 1;
        const double gap = s.sf_c - s.bf_c;
        // Strips further apart than twice the diameter confine nothing.
        s.ks = gap >= 2 * s.D ? 0 : (1 - gap / (2 * s.D)) * (1 - gap / (2 * s.D));
    }
    return std::nullopt;
}

}  // namespace

ConfinementTrialResult ConfinementTrial(DesignState& s, double tf, bool rectangular,
                                        CircularKfl kfl) {
    double p = 0, r = 1;  // the larger lateral pressure and the ratio of the smaller to it
    if (rectangular) {
        s.rho_fx = 2 * s.bf_c * tf / (s.sf_c * s.h);
        s.rho_fy = 2 * s.bf_c * tf / (s.sf_c * s.b);
        s.El_x = s.rho_fx * s.ke * s.ks * s.Ef * 1000;
        s.El_y = s.rho_fy * s.ke * s.ks * s.Ef * 1000;
        s.fl_x = s.El_x * s.eps_fu_e;
        s.fl_y = s.El_y * s.eps_fu_e;
        p = s.fl_x;
        r = s.fl_y / s.fl_x;
    } else {
        s.rho_fc = 4 * s.bf_c * tf / (s.sf_c * s.D);
        s.El = 0.5 * s.rho_fc * s.ke * s.ks * s.Ef * 1000;
        s.fl = s.El * s.eps_fu_e;
        p = s.fl;
    }
    s.fcc_fco = 2.254 * std::sqrt(1 + 7.94 * p / s.fco) - 2 * p / s.fco - 1.254;
    if (!rectangular && kfl == CircularKfl::One)
        s.k_fl = 1;
    else
        s.k_fl = 1 - (0.6 * r * r - 1.4 * r + 0.8) * std::sqrt(p / s.fco);
    return ConfinementPeak(s, s.k_fl * s.fcc_fco);
}

ConfinementTrialResult ConfinementPeak(DesignState& s, double kf) {
    ConfinementTrialResult t{kf * s.fco, std::nullopt};
    const double peakStrain = 0.002 * (1 + 5 * (kf - 1));
    s.Esec = peakStrain != 0 ? t.peak / peakStrain : 0;
    if (s.Esec > 0 && s.Esec_u > 0) {
        const double bracket = (s.Ec - s.Esec_u) * s.Esec / (s.Esec_u * (s.Ec - s.Esec));
        if (bracket > 0) {
            const double eps = std::pow(bracket, 1 - s.Esec / s.Ec) * peakStrain;
            if (std::isfinite(eps)) t.ultimateStrain = eps;
        }
    }
    return t;
}

double ConfinedStrength(const DesignState& s, double eps_cu, double peak) {
    double fcc = eps_cu * s.Esec_u;
    if (peak > fcc) fcc = peak;
    if (fcc < s.fco) fcc = s.fco;
    return fcc;
}

namespace {

using F = DesignField;

DesignOutcome Refuse(const std::string& message, F focus = F::None) {
    return DesignOutcome::Refused(message, focus);
}

bool WantsStrength(short goal) {
    return goal == StrengthGoal || goal == BothGoals;
}

bool WantsStrain(short goal) {
    return goal == StrainGoal || goal == BothGoals;
}

// The checks of the inputs before anything is computed: the refusal, or empty.
std::optional<DesignOutcome> InputRefusal(DesignState& s, bool rectangular, short goal) {
    const bool wantsStrength = WantsStrength(goal);
    const bool wantsStrain = WantsStrain(goal);
    if (rectangular) {
        if (s.b == 0 || s.h == 0) return Refuse(kNoGeometry);
        if (s.R >= s.h / 2) return Refuse(kRadiusTooLarge, F::CornerRadius);
    } else if (s.D == 0) {
        return Refuse(kNoDiameter, F::Diameter);
    }
    if (s.MeanStrengthTyped && s.fcm == 0) return Refuse(kNoMeanStrengthMessage, F::MeanStrength);
    if (s.Ef == 0) return Refuse(kNoModulus, F::Modulus);
    if (s.eps_fu_e == 0) return Refuse(kNoRuptureStrain, F::RuptureStrain);
    if (!s.ConfinementSheet) {
        if (s.bf_c == 0) return Refuse(kNoStripWidth, F::StripWidth);
        if (s.sf_c == 0) return Refuse(kNoStripSpacing, F::StripSpacing);
        if (s.bf_c > s.sf_c) return Refuse(kStripsOverlapMessage, F::StripWidth);
    }
    if (wantsStrength && s.fcc_req == 0) return Refuse(kNoRequiredStrength, F::RequiredStrength);
    if (wantsStrain && s.eps_cu_req == 0) return Refuse(kNoRequiredStrain, F::RequiredStrain);
    s.fco = s.fcm;
    if (wantsStrength && s.fcc_req < s.fcm)
        return Refuse(kStrengthBelowUnconfined, F::RequiredStrength);
    return std::nullopt;
}

// The unconfined concrete's moduli; a sheet is strips without gaps.
void UnconfinedConcrete(DesignState& s) {
    s.Ec = 9975 * std::pow(s.fck + 8, 1.0 / 3.0);
    s.beta_c = s.Ec / s.fco - 1 / 0.002;
    if (s.beta_c < 0) s.beta_c = 0;
    s.Esec_u = s.Ec / (2 * s.beta_c * s.eps_fu_e + 1);
    if (s.ConfinementSheet) {
        s.bf_c = 10;
        s.sf_c = 10;
    }
}

// What the thickness scan found: whether a trial met the goal, whether any gave an ultimate
// strain; or the refusal of a strain goal that the thinnest trial already exceeds.
struct ThicknessScan {
    bool hit = false;
    bool strainComputed = false;
    std::optional<DesignOutcome> refusal;
};

// The thickness in steps of IterStep up to 4 cm, to the first that meets the goal.
ThicknessScan ScanThickness(DesignState& s, bool rectangular, short goal) {
    const ConfinementScanResult found = DesignSearches().confinementThickness(s, rectangular, goal);
    ThicknessScan scan;
    scan.hit = found.hit;
    scan.strainComputed = found.strainComputed;
    if (found.strainAtFirstStep) {
        scan.refusal = Refuse(
            kStrainBelowUnconfinedHead + FormatGeneral(s.eps_cu_req) + kStrainBelowUnconfinedTail,
            F::RequiredStrain);
    }
    return scan;
}

// The outcome of a finished scan.
DesignOutcome ScanOutcome(DesignState& s, const ThicknessScan& scan, short goal) {
    const bool wantsStrength = WantsStrength(goal);
    const bool wantsStrain = WantsStrain(goal);
    // Without an ultimate strain no requirement can lead to a design: say so rather than ask
    // for a lower one.
    if (!scan.strainComputed) return Refuse(kUnexpected);
    if (!scan.hit) {
        // Both requirements: the strength is named unless it alone was reached.
        if (wantsStrength &&
            !(wantsStrain && s.fcc_max >= s.fcc_req && s.eps_cu_max < s.eps_cu_req))
            return Refuse(kStrengthTooHigh, F::RequiredStrength);
        if (wantsStrain) return Refuse(kStrainTooHigh, F::RequiredStrain);
        return Refuse(kUnexpected);
    }
    if (s.eps_cu < 0) return Refuse(kUnexpected);
    s.LaminateApplied = false;
    s.ResultKind = Confinement;
    return DesignOutcome::Success();
}

}  // namespace

DesignOutcome DesignConfinement(DesignState& s) {
    const bool rectangular = s.ColumnRectangular;
    const short goal = s.ConfinementGoal;

    // Nothing of an earlier run may stand for this one's results.
    s.eps_cu = 0;
    s.fcc = 0;

    if (std::optional<DesignOutcome> refusal = InputRefusal(s, rectangular, goal)) return *refusal;
    UnconfinedConcrete(s);
    if (std::optional<DesignOutcome> problem = PrepareSection(s, rectangular)) return *problem;
    const ThicknessScan scan = ScanThickness(s, rectangular, goal);
    if (scan.refusal) return *scan.refusal;
    return ScanOutcome(s, scan, goal);
}

}  // namespace kord
