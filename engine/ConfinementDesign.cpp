#include "engine/ConfinementDesign.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "app/InputWindow.h"
#include "engine/ConcreteClasses.h"
#include "engine/DesignState.h"
#include "engine/FieldInput.h"
#include "platform/Host.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

const char* const kTitle = "Uwaga !!!";
const char* const kNoGeometry =
    "Zostały niewypełnione pola, odnoszące się do geometrii przekroju poprzecznego. Proszę je "
    "wypełnić, wpisując żądane wartości.";
const char* const kRadiusTooLarge =
    "Promień R na rogach przekroju poprzecznego musi być mniejszy od połowy szerokości oraz "
    "wysokości tego przekroju.";
const char* const kNoDiameter = "Proszę podać średnicę słupa D.";
const char* const kNoMeanStrength =
    "Proszę podać średnią wytrzymałość betonu w jednoosiowym stanie naprężenia fcm lub klasę "
    "betonu.";
const char* const kNoModulus = "Proszę podać moduł sprężystości wzmocnienia kompozytowego Ef.";
const char* const kNoRuptureStrain =
    "Proszę podać wartość wydłużenia (odkształcenia jednostkowego) przy zerwaniu efu.";
const char* const kNoStripWidth = "Proszę podać szerokość taśmy wzmacniającej bf.";
const char* const kNoStripSpacing = "Proszę podać rozstaw osiowy taśm wzmacniających sf.";
const char* const kStripsOverlap =
    "Szerokość taśm wzmacniających bf przekracza ich rozstaw osiowy sf (taśmy na siebie "
    "zachodzą). Proszę zmniejszyć szerokość taśm lub zwiększyć ich rozstaw.";
const char* const kNoRequiredStrength =
    "Proszę podać wartość średniej wytrzymałości wzmocnionego elementu fcc.";
const char* const kNoRequiredStrain =
    "Proszę podać wartość odkształcenia (skrócenia) wzmocnionego elementu przy zniszczeniu ecu.";
const char* const kStrengthBelowUnconfined =
    "Wymagana średnia wytrzymałość wzmocnionego elementu fcc jest niższa niż elementu "
    "niewzmocnionego. Proszę podać wyższą wartość wymaganej wielkości albo wzmocnienie nie "
    "będzie konieczne.";
const char* const kBadGeometry =
    "Wybrany do wzmacniania przekrój poprzeczny nie może być skutecznie wzmocniony z powodu "
    "niewłaściwej geometrii. Należy zwiększyć promień wyokrągleń lub zmienić kształt przekroju "
    "(co jest niestety niepraktyczne) - zmniejszając stosunek długości jego boków.";
const char* const kStripsTooNarrow =
    "Szerokość taśm wzmacniających jest zbyt mała. Proszę ją zwiększyć.";
const char* const kStrainBelowUnconfinedHead =
    "Odkształcenie (skrócenie) wzmocnionego elementu przy zniszczeniu ecu = ";
const char* const kStrainBelowUnconfinedTail =
    " nie powinno być niższe niż elementu niewzmocnionego. Proszę podać wyższą wartość wymaganej "
    "wielkości albo wzmocnienie nie będzie konieczne.";
const char* const kStrengthTooHigh =
    "Wymagana średnia wytrzymałość wzmocnionego elementu fcc jest za wysoka. Proszę skorygować "
    "obliczenia i, jeśli to możliwe, wpisać mniejszą wartość.";
const char* const kStrainTooHigh =
    "Wymagane odkształcenie (skrócenie) wzmocnionego elementu przy zniszczeniu ecu jest za "
    "wysokie. Proszę skorygować obliczenia i, jeśli to możliwe, wpisać mniejszą wartość.";
const char* const kUnexpected =
    "Wystąpił niespodziewany błąd w obliczeniach. W oparciu o wprowadzone dane nie można uzyskać "
    "efektu wzmocnienia.";

// 4 − 3.14159: the corners cut off a rectangle by rounding them with the radius R, over R².
constexpr double kCornerFactor = 0.85841;
// The thickness scan ends here (cm).
constexpr double kMaxThickness = 4;

enum Goal : short { StrengthGoal = 1, StrainGoal = 2, BothGoals = 3 };

bool Refuse(const char* message, TextBox* focus = nullptr) {
    Warn(message, kTitle);
    if (focus) focus->SetFocus();
    return false;
}

// The section's effectiveness factors ke and ks, after the geometry checks. On a problem the
// field concerned and the message are returned.
struct Problem {
    TextBox* focus;
    const char* message;
};

std::optional<Problem> PrepareSection(DesignState& s, FrmData& w, bool rectangular) {
    if (rectangular) {
        const double halfGap = (s.sf_c - s.bf_c) / 2;
        s.A_uncf = ((s.b - 2 * s.R) * (s.b - 2 * s.R) + (s.h - 2 * s.R) * (s.h - 2 * s.R)) / 3;
        s.Ag = s.b * s.h - kCornerFactor * s.R * s.R;
        if (s.A_uncf >= s.Ag) return Problem{&w.Text20, kBadGeometry};
        s.ke = 1 - s.A_uncf / s.Ag;
        if (s.b - halfGap <= 0 || s.h - halfGap <= 0) return Problem{&w.Text28, kStripsTooNarrow};
        s.k_strip = std::sqrt((s.h - halfGap) * (s.b - halfGap) / (s.h * s.b));
        s.Ag_s = (s.h - halfGap) * (s.b - halfGap) -
                 kCornerFactor * (s.k_strip * s.R) * (s.k_strip * s.R);
        if (s.Ag_s <= 0) return Problem{&w.Text28, kStripsTooNarrow};
        s.b_cl = s.b - 2 * s.R * s.k_strip - halfGap;
        s.h_cl = s.h - 2 * s.R * s.k_strip - halfGap;
        s.A_uncf_s = 0;
        if (s.b_cl > 0) s.A_uncf_s += s.b_cl * s.b_cl / 3;
        if (s.h_cl > 0) s.A_uncf_s += s.h_cl * s.h_cl / 3;
        if (s.Ag_s <= s.A_uncf_s) return Problem{&w.Text28, kStripsTooNarrow};
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

ConfinementTrialResult ConfinementTrial(double tf, bool rectangular, CircularKfl kfl) {
    DesignState& s = State();
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
    ConfinementTrialResult t{s.k_fl * s.fcc_fco * s.fco, std::nullopt};
    const double peakStrain = 0.002 * (1 + 5 * (s.k_fl * s.fcc_fco - 1));
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

double ConfinedStrength(double eps_cu, double peak) {
    const DesignState& s = State();
    double fcc = eps_cu * s.Esec_u;
    if (peak > fcc) fcc = peak;
    if (fcc < s.fco) fcc = s.fco;
    return fcc;
}

bool ReadConfinementInput(int& tab) {
    DesignState& s = State();
    FrmData& w = frmData();
    const bool rectangular = w.Option8.Value();

    s.IterStep = 5e-7;
    double width = 0, height = 0;
    if (rectangular) {
        if (!ReadUsedField(w.Text4(tab), FieldUnit::AsTyped, width)) return false;
        if (!ReadUsedField(w.Text1(tab), FieldUnit::AsTyped, height)) return false;
    } else {
        width = ReadUnusedField(w.Text4(tab));
        height = ReadUnusedField(w.Text1(tab));
    }
    // b takes the larger side, whichever box it was typed into.
    if (width >= height) {
        s.b = width * 100;
        s.h = height * 100;
    } else {
        s.b = height * 100;
        s.h = width * 100;
    }
    if (rectangular) {
        s.D = ReadUnusedField(w.Text27, FieldUnit::Metres);
        if (!ReadUsedField(w.Text20, FieldUnit::Metres, s.R)) return false;
    } else {
        if (!ReadUsedField(w.Text27, FieldUnit::Metres, s.D)) return false;
        s.R = ReadUnusedField(w.Text20, FieldUnit::Metres);
    }

    if (!ReadConcreteStrength(tab)) return false;

    if (!ReadUsedField(w.Text24(tab), FieldUnit::AsTyped, s.Ef)) return false;
    double rupture = 0, factor = 0;
    if (!ReadUsedField(w.Text11, FieldUnit::AsTyped, rupture)) return false;
    if (!ReadUsedField(w.Text25, FieldUnit::AsTyped, factor)) return false;
    s.eps_fu_e = rupture * factor;

    if (w.Option12.Value()) {
        if (!ReadUsedField(w.Text28, FieldUnit::Metres, s.bf_c)) return false;
        if (!ReadUsedField(w.Text29, FieldUnit::Metres, s.sf_c)) return false;
    } else {
        s.bf_c = ReadUnusedField(w.Text28, FieldUnit::Metres);
        s.sf_c = ReadUnusedField(w.Text29, FieldUnit::Metres);
    }
    const bool strength = w.Check1.Checked();
    const bool strain = w.Check2.Checked();
    if (strength) {
        if (!ReadUsedField(w.Text21, FieldUnit::AsTyped, s.fcc_req)) return false;
    } else {
        s.fcc_req = ReadUnusedField(w.Text21);
    }
    if (strain) {
        if (!ReadUsedField(w.Text23, FieldUnit::AsTyped, s.eps_cu_req)) return false;
    } else {
        s.eps_cu_req = ReadUnusedField(w.Text23);
    }
    if (strength && strain)
        s.ConfinementGoal = BothGoals;
    else if (strength)
        s.ConfinementGoal = StrengthGoal;
    else if (strain)
        s.ConfinementGoal = StrainGoal;
    return true;
}

bool DesignConfinement(int& /*tab*/) {
    DesignState& s = State();
    FrmData& w = frmData();
    const bool rectangular = w.Option8.Value();
    const short goal = s.ConfinementGoal;
    const bool wantsStrength = goal == StrengthGoal || goal == BothGoals;
    const bool wantsStrain = goal == StrainGoal || goal == BothGoals;

    // Nothing of an earlier run may stand for this one's results.
    s.eps_cu = 0;
    s.fcc = 0;

    if (rectangular) {
        if (s.b == 0 || s.h == 0) return Refuse(kNoGeometry);
        if (s.R >= s.h / 2) return Refuse(kRadiusTooLarge, &w.Text20);
    } else if (s.D == 0) {
        return Refuse(kNoDiameter, &w.Text27);
    }
    if (w.Option11(Confinement).Value() && ReadUnusedField(w.Text22(Confinement)) == 0)
        return Refuse(kNoMeanStrength, &w.Text22(Confinement));
    if (s.Ef == 0) return Refuse(kNoModulus, &w.Text24(Confinement));
    if (s.eps_fu_e == 0) return Refuse(kNoRuptureStrain, &w.Text11);
    if (w.Option12.Value()) {
        if (s.bf_c == 0) return Refuse(kNoStripWidth, &w.Text28);
        if (s.sf_c == 0) return Refuse(kNoStripSpacing, &w.Text29);
        if (s.bf_c > s.sf_c) return Refuse(kStripsOverlap, &w.Text28);
    }
    if (wantsStrength && s.fcc_req == 0) return Refuse(kNoRequiredStrength, &w.Text21);
    if (wantsStrain && s.eps_cu_req == 0) return Refuse(kNoRequiredStrain, &w.Text23);
    s.fco = s.fcm;
    if (wantsStrength && s.fcc_req < s.fcm) return Refuse(kStrengthBelowUnconfined, &w.Text21);

    std::optional<BusyPointer> busy;
    busy.emplace();
    // Failures from here on restore the default pointer first. The section checks then give the
    // focus before their message, the requirement checks after it.
    auto fail = [&busy](TextBox* focus, const std::string& message) {
        busy.reset();
        if (focus) focus->SetFocus();
        Warn(message, kTitle);
        return false;
    };
    auto failThenFocus = [&busy](TextBox* focus, const std::string& message) {
        busy.reset();
        Warn(message, kTitle);
        if (focus) focus->SetFocus();
        return false;
    };

    s.Ec = 9975 * std::pow(s.fck + 8, 1.0 / 3.0);
    s.beta_c = s.Ec / s.fco - 1 / 0.002;
    if (s.beta_c < 0) s.beta_c = 0;
    s.Esec_u = s.Ec / (2 * s.beta_c * s.eps_fu_e + 1);
    if (w.Option3.Value()) {
        // A sheet is strips without gaps.
        s.bf_c = 10;
        s.sf_c = 10;
    }
    if (const std::optional<Problem> p = PrepareSection(s, w, rectangular))
        return fail(p->focus, p->message);

    s.eps_cu_max = 0;
    s.fcc_max = 0;
    bool strainComputed = false;
    bool hit = false;
    for (s.i = s.IterStep; s.i <= kMaxThickness; s.i += s.IterStep) {
        s.tf_c = s.i;
        const ConfinementTrialResult trial =
            ConfinementTrial(s.tf_c, rectangular, CircularKfl::Evaluated);
        if (trial.ultimateStrain) {
            s.eps_cu = *trial.ultimateStrain;
            strainComputed = true;
        }
        const auto confinedStrength = [&s, &trial] {
            s.fcc = ConfinedStrength(s.eps_cu, trial.peak);
            s.fcc_max = std::max(s.fcc_max, s.fcc);
        };
        s.eps_cu_max = std::max(s.eps_cu_max, s.eps_cu);
        const bool strainMet = strainComputed && s.eps_cu >= s.eps_cu_req;
        if (goal == StrengthGoal) {
            confinedStrength();
            if (s.fcc >= s.fcc_req) hit = true;
        } else if (goal == StrainGoal) {
            if (s.tf_c == s.IterStep && strainComputed && s.eps_cu > s.eps_cu_req) {
                return failThenFocus(&w.Text23, kStrainBelowUnconfinedHead +
                                                    FormatGeneral(s.eps_cu_req) +
                                                    kStrainBelowUnconfinedTail);
            }
            if (strainMet) {
                confinedStrength();
                hit = true;
            }
        } else if (goal == BothGoals) {
            confinedStrength();
            if (s.fcc >= s.fcc_req && strainMet) hit = true;
        }
        if (hit) break;
    }
    busy.reset();

    // Without an ultimate strain no requirement can lead to a design: say so rather than ask
    // for a lower one.
    if (!strainComputed) return failThenFocus(nullptr, kUnexpected);
    if (!hit) {
        // Both requirements: the strength is named unless it alone was reached.
        if (wantsStrength &&
            !(wantsStrain && s.fcc_max >= s.fcc_req && s.eps_cu_max < s.eps_cu_req))
            return failThenFocus(&w.Text21, kStrengthTooHigh);
        if (wantsStrain) return failThenFocus(&w.Text23, kStrainTooHigh);
        return failThenFocus(nullptr, kUnexpected);
    }
    if (s.eps_cu < 0) return failThenFocus(nullptr, kUnexpected);
    s.LaminateApplied = false;
    s.ResultKind = Confinement;
    return true;
}

}  // namespace kord
