#include "engine/ShearDesign.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/ConcreteClasses.h"
#include "engine/DesignState.h"
#include "engine/FieldInput.h"
#include "platform/Host.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

const char* const kTitle = "Uwaga !!!";
const char* const kUnfilled =
    "Zostały niewypełnione pola. Proszę je wypełnić, wpisując żądane wartości.";
const char* const kNoMeanStrength =
    "Proszę podać średnią wytrzymałość betonu w jednoosiowym stanie naprężenia fcm lub klasę "
    "betonu.";
const char* const kNoStripWidth = "Proszę podać szerokość kształtki bf.";
const char* const kNoStripSpacing = "Proszę podać rozstaw osiowy kształtek sf.";
// Only a comma form exists of this one.
const char* const kSpacingAbove08d =
    "Rozstaw osiowy taśm sf przekracza wartość 0,8d (d- wysokość użyteczna przekroju), która jest "
    "największą dopuszczalną wartością. Proszę zdefiniować mniejszy rozstaw.";
const char* const kStripsOverlap =
    "Szerokość taśm wzmacniających bf przekracza ich rozstaw osiowy sf (taśmy na siebie "
    "zachodzą). Proszę zmniejszyć szerokość taśm lub zwiększyć ich rozstaw.";
const char* const kShearTooHigh =
    "Dodatkowa siła ścinająca Vfd, która ma być przeniesiona przez wzmocnienie kompozytowe, jest "
    "za wysoka. Proszę skorygować obliczenia i, jeśli to możliwe, wpisać mniejszą wartość.";

// The value of pi the design has always used; results are compared with it.
constexpr double kPi = 3.14159;
// The thickness scan ends here (cm).
constexpr double kMaxThickness = 4;

bool ReadFactor(TextBox& box, double& field) {
    const std::optional<double> v = ReadField(box, frmOptions().Rules());
    if (!v) return false;
    field = *v;
    return true;
}

}  // namespace

ShearForm ChosenShearForm() {
    const FrmData& w = frmData();
    return {w.Option6.Value(), w.Option1.Value(), w.Combo3.ListIndex() == 1};
}

double ShearTrial(double tf, const ShearForm& form) {
    DesignState& s = State();
    const double a = s.alpha * kPi / 180;
    if (form.sheet)
        s.rho_f = 2 * tf * std::sin(a) / s.b;
    else
        s.rho_f = (tf / s.b) * 2 * (s.bf / s.sf);
    const double q = std::pow(s.fcm, 2.0 / 3.0) / (s.rho_f * s.Ef);
    if (form.aramid)
        s.eps_fe_rupture = std::pow(q, 0.47) * (s.k_eff * 0.048 * s.eps_fu) / s.gamma_ff;
    else
        s.eps_fe_rupture = std::pow(q, 0.30) * (s.k_eff * 0.17 * s.eps_fu) / s.gamma_ff;
    s.eps_fe_debond = std::pow(q, 0.56) * (s.k_eff * 0.65 * 0.001) / s.gamma_fb;
    if (form.closed) {
        s.eps_fd_e = std::min(s.eps_fe_rupture, s.eps_f_lim);
    } else {
        s.eps_fd_e = std::min(s.eps_fe_rupture, s.eps_fe_debond);
        s.eps_fd_e = std::min(s.eps_fd_e, s.eps_f_lim);
    }
    return 0.9 * s.eps_fd_e * s.Ef * 100 * s.d * s.rho_f * s.b * (1 / std::tan(a) + 1) *
           std::sin(a);
}

bool ReadShearInput(int& tab) {
    DesignState& s = State();
    FrmData& w = frmData();
    FrmOptions& o = frmOptions();

    s.IterStep = 5e-7;
    if (!ReadUsedField(w.Text4(tab), FieldUnit::Metres, s.b)) return false;
    if (!ReadUsedField(w.Text13(tab), FieldUnit::AsTyped, s.alpha)) return false;
    if (!ReadUsedField(w.Text14(tab), FieldUnit::Metres, s.d)) return false;

    if (!ReadFactor(o.Text3, s.k_eff)) return false;
    if (!ReadFactor(o.Text4, s.gamma_fb)) return false;
    if (!ReadFactor(o.Text5, s.gamma_fl)) return false;
    switch (w.Combo3.ListIndex()) {
        case 0:
            if (!ReadFactor(o.Text6, s.gamma_ff)) return false;
            break;
        case 1:
            if (!ReadFactor(o.Text7, s.gamma_ff)) return false;
            break;
        case 2:
            if (!ReadFactor(o.Text8, s.gamma_ff)) return false;
            break;
        default:
            break;
    }

    if (!ReadConcreteStrength(tab)) return false;

    if (!ReadUsedField(w.Text12, FieldUnit::AsTyped, s.Vfd)) return false;
    if (!ReadUsedField(w.Text24(tab), FieldUnit::AsTyped, s.Ef)) return false;
    if (!ReadUsedField(w.Text15(tab), FieldUnit::AsTyped, s.eps_fu)) return false;
    double limit = 0;
    if (!ReadUsedField(w.Text26(tab), FieldUnit::AsTyped, limit)) return false;
    s.eps_f_lim = limit / s.gamma_fl;
    if (w.Option7.Value()) {
        if (!ReadUsedField(w.Text18, FieldUnit::Metres, s.bf)) return false;
        if (!ReadUsedField(w.Text19, FieldUnit::Metres, s.sf)) return false;
    } else {
        s.bf = ReadUnusedField(w.Text18, FieldUnit::Metres);
        s.sf = ReadUnusedField(w.Text19, FieldUnit::Metres);
    }
    return true;
}

bool DesignShear(int& /*tab*/) {
    DesignState& s = State();
    FrmData& w = frmData();

    if (s.b == 0 || s.d == 0 || s.Ef == 0 || s.eps_fu == 0 || s.Vfd == 0) {
        Warn(kUnfilled, kTitle);
        return false;
    }
    if (w.Option11(Shear).Value() && ReadUnusedField(w.Text22(Shear)) == 0) {
        Warn(kNoMeanStrength, kTitle);
        w.Text22(Shear).SetFocus();
        return false;
    }
    if (w.Option7.Value()) {
        TextBox* focus = nullptr;
        const char* problem = nullptr;
        if (s.bf == 0) {
            problem = kNoStripWidth;
            focus = &w.Text18;
        } else if (s.sf == 0) {
            problem = kNoStripSpacing;
            focus = &w.Text19;
        } else if (s.sf > 0.8 * s.d) {
            problem = kSpacingAbove08d;
            focus = &w.Text19;
        } else if (s.bf > s.sf) {
            problem = kStripsOverlap;
            focus = &w.Text18;
        }
        if (problem) {
            Warn(problem, kTitle);
            focus->SetFocus();
            return false;
        }
    }

    const ShearForm form = ChosenShearForm();
    bool hit = false;
    {
        BusyPointer busy;
        s.Vfd_calc = 0;
        // The contribution grows with the thickness: the first trial above the demand is the
        // thinnest that carries it.
        for (s.i = s.IterStep; s.i <= kMaxThickness; s.i += s.IterStep) {
            s.tf = s.i;
            s.Vfd_calc = ShearTrial(s.tf, form);
            if (s.Vfd_calc > s.Vfd) {
                hit = true;
                break;
            }
        }
    }
    if (hit) {
        s.LaminateApplied = false;
        s.ResultKind = Shear;
        return true;
    }
    s.tf = 0;
    w.Text12.SetFocus();
    Warn(kShearTooHigh, kTitle);
    return false;
}

}  // namespace kord
