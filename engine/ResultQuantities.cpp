#include "engine/ResultQuantities.h"

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

bool RareConcreteWithinLimit(const DesignState& s) {
    return RareConcreteStress(s) <= 0.6001 * s.fck;
}

bool QuasiPermanentConcreteWithinLimit(const DesignState& s) {
    return QuasiPermanentConcreteStress(s) <= 0.4501 * s.fck;
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
