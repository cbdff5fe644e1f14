#pragma once
// The thickness scan of a confinement design, which finds the trial the literal scan would stop
// at without evaluating every thickness.

namespace kord {

struct DesignState;

// How the thickness scan ended.
struct ConfinementScanResult {
    bool hit = false;                // a thickness met the goal: the last trial's
    bool strainComputed = false;     // some trial gave an ultimate strain
    bool strainAtFirstStep = false;  // the strain goal is exceeded by the thinnest wrap already
};
// The thickness scan of a prepared section: tf_c from IterStep up to 4 cm until a thickness meets
// the goal; the fields of the trial that met it, or of the last, and eps_cu_max, fcc_max.
ConfinementScanResult ConfinementThickness(DesignState& s, bool rectangular, short goal);

}  // namespace kord
