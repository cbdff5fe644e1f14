#pragma once
// The strengthened section under the serviceability moments: the composite area that keeps the
// concrete and the outer bottom steel within their limits, the largest admissible moment, and the
// strain state under the moment.

#include <string>

#include "engine/FlexureLimits.h"

namespace kord {

// The check of one combination after the ultimate limit state. false: the moment is beyond what
// any admissible trial reaches, and the design stops with SlsTooHighMessage.
bool SlsCheck(const SlsCombination& sc);
std::string SlsTooHighMessage(const SlsCombination& sc);

// The state under the combination's moment of a section that needs no added composite.
void SlsStrengthened(const SlsCombination& sc);
inline void SlsRareStrengthened() {
    SlsStrengthened(RareCombination());
}
inline void SlsQuasiPermanentStrengthened() {
    SlsStrengthened(QuasiPermanentCombination());
}

}  // namespace kord
