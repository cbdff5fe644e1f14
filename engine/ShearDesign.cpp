#include "engine/ShearDesign.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/DesignState.h"
#include "engine/FastScan.h"
#include "engine/MessageTexts.h"
#include "engine/Searches.h"

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

ShearForm ChosenShearForm(const DesignState& s) {
    return {s.ShearSheet, s.ShearClosed, s.ShearAramid};
}

double ShearTrial(DesignState& s, double tf, const ShearForm& form) {
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

bool ShearThickness(DesignState& s, const ShearForm& form) {
    s.Vfd_calc = 0;
    // The contribution grows with the thickness, so the first trial above the demand is the
    // thinnest that carries it: rho_f grows as tf, each effective strain falls as q^c with
    // q ∝ 1/tf and c < 1 (rho_f·q^c ∝ tf^(1−c)) or is the fixed limit, and the smallest of
    // growing products grows. The remaining factor 0.9·Ef·100·d·b·(1/tan a + 1)·sin a is fixed;
    // where it is not positive no trial carries a positive demand. One step changes tf by at
    // least 1.25e-7 of itself, far more than rounding, so "above the demand" is false up to one
    // trial and true from it on.
    const StepScan thicknesses(s.IterStep, s.IterStep, kMaxThickness);
    const std::int64_t n = thicknesses.Count();
    if (n == 0) return false;
    const std::int64_t k = FirstTrue(
        0, n, [&](std::int64_t k) { return ShearTrial(s, thicknesses.At(k), form) > s.Vfd; });
    // The taken trial, or the last one, evaluated last: its fields are the scan's.
    s.i = thicknesses.At(k < n ? k : n - 1);
    s.tf = s.i;
    s.Vfd_calc = ShearTrial(s, s.tf, form);
    if (k < n) return true;
    s.i = thicknesses.At(n);
    return false;
}

DesignOutcome DesignShear(DesignState& s) {
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

    const ShearForm form = ChosenShearForm(s);
    if (DesignSearches().shearThickness(s, form)) {
        s.LaminateApplied = false;
        s.ResultKind = Shear;
        return DesignOutcome::Success();
    }
    s.tf = 0;
    return DesignOutcome::Refused(kShearTooHigh, DesignField::ShearForce, true);
}

}  // namespace kord
