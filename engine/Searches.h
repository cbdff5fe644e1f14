#pragma once
// The fixed-step searches of the designs, by the procedures that run them. The designs call them
// through this table, which holds the fast scans; the differential test puts its literal
// reference scans in their place and compares the two designs field by field.

#include "engine/ConfinementScan.h"
#include "engine/FlexureLimits.h"
#include "engine/ShearDesign.h"

namespace kord {

struct Searches {
    // The neutral-axis depth of the section before strengthening at concrete crushing: x, the
    // steel stresses, x_new and the flange block of its converged (or last) depth trial.
    void (*capacityDepth)(DesignState& s);
    // The initial state under Mo.
    void (*initialState)(DesignState& s);
    // The two scans of a serviceability combination before strengthening.
    void (*slsUnstrengthened)(DesignState& s, const SlsCombination& sc);
    // The two composite scans of a serviceability check.
    void (*slsComposite)(DesignState& s, const SlsCombination& sc);
    // The state of a serviceability combination without added composite.
    void (*slsStrengthened)(DesignState& s, const SlsCombination& sc);
    // The strain state of the anchorage section A whose moment first exceeds M_sd,A by less than
    // 5 %; true when found. ef: the strip strain of the last trial.
    bool (*anchorageStrains)(DesignState& s, double& ef);
    // The shear thickness scan; true when a thickness carries the demand.
    bool (*shearThickness)(DesignState& s, const ShearForm& form);
    // The confinement thickness scan of a prepared section.
    ConfinementScanResult (*confinementThickness)(DesignState& s, bool rectangular, short goal);
};

Searches& DesignSearches();

}  // namespace kord
