#pragma once
// The strengthened section under the serviceability moments: the composite area that keeps the
// concrete and the outer bottom steel within their limits, the largest admissible moment, and the
// strain state under the moment.

#include <string>

#include "engine/FlexureLimits.h"

namespace kord {

// The check of one combination after the ultimate limit state. false: the moment is beyond what
// any admissible trial reaches, and the design stops with SlsTooHighMessage.
bool SlsCheck(DesignState& s, const SlsCombination& sc);
std::string SlsTooHighMessage(const SlsCombination& sc);

// The two composite scans of a check, its fields cleared, the stress block of the concrete limit
// eps_c and eps_s_ser set: the composite strain s.i rises with the concrete at its limit; then,
// unless a trial was accepted, the concrete strain falls with the outer steel at its limit.
void SlsCompositeScans(DesignState& s, const SlsCombination& sc);
// Their trials: the composite strain f with the concrete at its limit, skipped (eps_f, x and
// s.eps_s set) while the outer steel passes its limit; and the concrete strain e with the outer
// steel at its limit, skipped without a trace while the soffit has not passed the strain at
// bonding.
enum class SlsTrial { Skipped, Rejected, Accepted };
SlsTrial CompositeStrainTrial(DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                              double f);
SlsTrial ConcreteStrainTrial(DesignState& s, const SlsCombination& sc, const SlsSection& sec,
                             double e);

// The state under the combination's moment of a section that needs no added composite.
void SlsStrengthened(DesignState& s, const SlsCombination& sc);
inline void SlsRareStrengthened(DesignState& s) {
    SlsStrengthened(s, RareCombination(s));
}
inline void SlsQuasiPermanentStrengthened(DesignState& s) {
    SlsStrengthened(s, QuasiPermanentCombination(s));
}

}  // namespace kord
