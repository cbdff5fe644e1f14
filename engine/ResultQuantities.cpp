#include "engine/ResultQuantities.h"

#include <cmath>
#include <string>

#include "platform/NumberFormat.h"

namespace kord {

namespace {
// The evaluation order is kept fixed so that the window and the report show the same digits.
double ParabolaStress(double e, double fck) {
    const double q = 2.0 - e / 0.002;
    const double p = e * fck;
    return (q * p) / 0.002;
}
}  // namespace

double RareConcreteStress(const DesignState& s) {
    return ParabolaStress(s.eps_c_r, s.fck);
}

double QuasiPermanentConcreteStress(const DesignState& s) {
    return ParabolaStress(s.eps_c_qp / (s.phi + 1.0), s.fck);
}

double RareSteelStress(const DesignState& s) {
    return s.OuterLayer11 ? s.sigma_s11_r : s.sigma_s12_r;
}

double QuasiPermanentSteelStress(const DesignState& s) {
    return s.OuterLayer11 ? s.sigma_s11_qp : s.sigma_s12_qp;
}

const char* OuterLayerSubscript(const DesignState& s) {
    return s.OuterLayer11 ? "s11" : "s12";
}

bool SteelStressWithinLimit(double shownStress, double fyk) {
    return shownStress <= 0.800001 * fyk;
}

double SteelStressLimit(const DesignState& s) {
    return 0.8 * s.fyk;
}

double RareConcreteLimit(const DesignState& s) {
    return 0.6 * s.fck;
}

double QuasiPermanentConcreteLimit(const DesignState& s) {
    return 0.45 * s.fck;
}

namespace {
// The stress is shown with two decimals; the check reads back what is shown. A stress that
// shows no number fails.
bool ShownSteelWithinLimit(double stress, double fyk) {
    const std::optional<double> shown = ParseNumber(FormatPattern(stress, "0.00"));
    return shown && SteelStressWithinLimit(*shown, fyk);
}
}  // namespace

bool RareSteelWithinLimit(const DesignState& s) {
    return ShownSteelWithinLimit(RareSteelStress(s), s.fyk);
}

bool QuasiPermanentSteelWithinLimit(const DesignState& s) {
    return ShownSteelWithinLimit(QuasiPermanentSteelStress(s), s.fyk);
}

bool RareConcreteWithinLimit(const DesignState& s) {
    return RareConcreteStress(s) <= 0.6001 * s.fck;
}

bool QuasiPermanentConcreteWithinLimit(const DesignState& s) {
    return QuasiPermanentConcreteStress(s) <= 0.4501 * s.fck;
}

double CapacityAfter(const DesignState& s, Strengthening which) {
    return which == Strengthening::Applied ? s.MRd_applied : s.MRd;
}

std::optional<double> StrengtheningRatio(const DesignState& s, Strengthening which) {
    if (s.MRd_o == 0) return std::nullopt;
    const double ratio = CapacityAfter(s, which) / s.MRd_o;
    if (!std::isfinite(ratio)) return std::nullopt;
    return ratio;
}

LimitState GoverningLimitState(const DesignState& s) {
    if (s.Af_req >= s.Af_req_r && s.Af_req >= s.Af_req_qp) return LimitState::Ultimate;
    if (s.Af_req >= s.Af_req_r) return LimitState::QuasiPermanent;
    if (s.Af_req_r >= s.Af_req_qp) return LimitState::Rare;
    return LimitState::QuasiPermanent;
}

double GoverningArea(const DesignState& s) {
    switch (GoverningLimitState(s)) {
        case LimitState::Ultimate:
            return s.Af_req;
        case LimitState::Rare:
            return s.Af_req_r;
        case LimitState::QuasiPermanent:
            break;
    }
    return s.Af_req_qp;
}

}  // namespace kord
