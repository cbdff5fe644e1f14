#include "engine/Searches.h"

#include "engine/AnchorageCheck.h"
#include "engine/FlexureDesign.h"
#include "engine/FlexureServiceability.h"

namespace kord {

Searches& DesignSearches() {
    // One table a thread: a test may put its literal scans in place on one thread while designs
    // run through the fast ones on others.
    static thread_local Searches searches{
        CapacityDepth,   InitialState,     SlsUnstrengthenedScans, SlsCompositeScans,
        SlsStrengthened, AnchorageStrains, ShearThickness,         ConfinementThickness};
    return searches;
}

}  // namespace kord
