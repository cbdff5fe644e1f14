#include "engine/Searches.h"

#include "engine/AnchorageCheck.h"
#include "engine/FlexureDesign.h"
#include "engine/FlexureServiceability.h"

namespace kord {

Searches& DesignSearches() {
    static Searches searches{CapacityDepth,     InitialState,        SlsUnstrengthenedScans,
                             SlsCompositeScans, SlsStrengthened,     AnchorageStrains,
                             ShearThickness,    ConfinementThickness};
    return searches;
}

}  // namespace kord
