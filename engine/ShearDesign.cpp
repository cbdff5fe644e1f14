#include "engine/ShearDesign.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "engine/DesignState.h"
#include "engine/MessageTexts.h"

namespace kord {

namespace {

const char* const kNoStripWidth = "Proszę podać szerokość kształtki bf.";
const char* const kNoStripSpacing = "Proszę podać rozstaw osiowy kształtek sf.";
// Only a comma form exists of this one.
const char* const kSpacingAbove08d =
    "Rozstaw osiowy taśm sf przekracza wartość 0,8d (d- wysokość użyteczna przekroju), która jest "
    "największą dopuszczalną wartością. Proszę zdefiniować mniejszy rozstaw.";
const std::string kShearTooHigh =
    std::string(
        "Dodatkowa siła ścinająca Vfd, która ma być przeniesiona przez wzmocnienie "
        "kompozytowe, jest za wysoka. ") +
    kAskLower;

// The value of pi the design has always used; results are compared with it.
constexpr double kPi = 3.14159;
// The thickness scan ends here (cm).
constexpr double kMaxThickness = 4;

}  // namespace

ShearForm ChosenShearForm() {
    const DesignState& s = State();
    return {s.ShearSheet, s.ShearClosed, s.ShearAramid};
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

DesignOutcome DesignShear() {
    DesignState& s = State();

    if (s.b == 0 || s.d == 0 || s.Ef == 0 || s.eps_fu == 0 || s.Vfd == 0)
        return DesignOutcome::Refused(kEmptyFieldsMessage);
    if (s.MeanStrengthTyped && s.fcm == 0)
        return DesignOutcome::Refused(kNoMeanStrengthMessage, DesignField::MeanStrength);
    if (!s.ShearSheet) {
        if (s.bf == 0) return DesignOutcome::Refused(kNoStripWidth, DesignField::StripWidth);
        if (s.sf == 0) return DesignOutcome::Refused(kNoStripSpacing, DesignField::StripSpacing);
        if (s.sf > 0.8 * s.d)
            return DesignOutcome::Refused(kSpacingAbove08d, DesignField::StripSpacing);
        if (s.bf > s.sf)
            return DesignOutcome::Refused(kStripsOverlapMessage, DesignField::StripWidth);
    }

    const ShearForm form = ChosenShearForm();
    s.Vfd_calc = 0;
    // The contribution grows with the thickness: the first trial above the demand is the
    // thinnest that carries it.
    for (s.i = s.IterStep; s.i <= kMaxThickness; s.i += s.IterStep) {
        s.tf = s.i;
        s.Vfd_calc = ShearTrial(s.tf, form);
        if (s.Vfd_calc > s.Vfd) {
            s.LaminateApplied = false;
            s.ResultKind = Shear;
            return DesignOutcome::Success();
        }
    }
    s.tf = 0;
    return DesignOutcome::Refused(kShearTooHigh, DesignField::ShearForce, true);
}

}  // namespace kord
