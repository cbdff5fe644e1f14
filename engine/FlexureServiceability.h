#pragma once
// The strengthened section under the serviceability moments: the composite area that keeps the
// concrete and the outer bottom steel within their limits, the largest admissible moment, and the
// strain state under the moment.

#include "engine/FlexureLimits.h"

namespace kord {

// The check of one combination after the ultimate limit state. false: the moment is beyond what
// any admissible trial reaches; the message is shown and the design stops.
bool SlsCheck(const SlsCombination& sc, DesignPointer& pointer);
inline bool SlsRareCheck(DesignPointer& pointer) {
    return SlsCheck(RareCombination(), pointer);
}
inline bool SlsQuasiPermanentCheck(DesignPointer& pointer) {
    return SlsCheck(QuasiPermanentCombination(), pointer);
}

// The state under the combination's moment of a section that needs no added composite.
void SlsStrengthened(const SlsCombination& sc);
inline void SlsRareStrengthened() {
    SlsStrengthened(RareCombination());
}
inline void SlsQuasiPermanentStrengthened() {
    SlsStrengthened(QuasiPermanentCombination());
}

}  // namespace kord
