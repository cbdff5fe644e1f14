// Flexure designs from the inputs in the design state to its results, the recomputation for an
// applied laminate and the anchorage check, each with the literal and the program's searches.

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/BenchCases.h"
#include "engine/AnchorageCheck.h"
#include "engine/AppliedLaminate.h"
#include "engine/ConcreteClasses.h"
#include "engine/DesignState.h"
#include "engine/FlexureDesign.h"
#include "engine/StressBlock.h"

namespace kord {
namespace {

// The inputs in the units of the calculations: lengths cm, areas cm², moments kNm.
struct Beam {
    bool tee;
    int concreteClass;
    double b, h, beff, hf, As2, d2, As12, d12, As11, d11;
    double Mo, Msd, Mser_r, Mser_qp;
};

DesignState Inputs(const Beam& beam) {
    DesignState s;
    s.TeeSection = beam.tee;
    s.OnlyDesiredModes = true;
    s.IterStep = 5e-7;
    s.IterTol = 0.0005;
    s.b = beam.b;
    s.h = beam.h;
    s.beff = beam.beff;
    s.hf = beam.hf;
    s.As2 = beam.As2;
    s.d2 = beam.d2;
    s.As12 = beam.As12;
    s.d12 = beam.d12;
    s.As11 = beam.As11;
    s.d11 = beam.d11;
    s.fck = kConcreteClasses[static_cast<size_t>(beam.concreteClass)].fck;
    s.fcm = s.fck + kFcmOverFck;
    s.phi = 2.5;
    s.fyk = 500;
    s.Es = 200;
    s.Ef = 165;
    s.eps_f_lim = 0.008;
    s.Mo = beam.Mo;
    s.Msd = beam.Msd;
    s.Mser_r = beam.Mser_r;
    s.Mser_qp = beam.Mser_qp;
    s.eps_c_qp_lim = CreepStrainLimit(s.phi);
    return s;
}

bool Design(DesignState& s) {
    return DesignFlexure(s).success;
}

// A beam 0.30 × 0.50 m with 500 mm² of steel, C20/25: crushing with yielded steel, composite for
// the rare combination, none for the quasi-permanent one.
const Beam kTypical{false, 2, 30, 50, 0, 0, 0, 0, 0, 0, 5, 5, 30, 200, 100, 70};
// An ordinary beam 0.30 × 0.50 m with 1000 mm², C20/25, Mo 50, Msd 250, Mser 100/80 kNm.
const Beam kOrdinary{false, 2, 30, 50, 0, 0, 0, 0, 0, 0, 10, 5, 50, 250, 100, 80};
// A T beam 2.00 m deep with three steel layers and Mo close to its serviceability limit: the
// initial and the no-composite serviceability states scan deep compression zones at thousands of
// strain steps.
const Beam kHeavy{true, 4, 30, 200, 150, 15, 10, 5, 20, 12, 40, 5, 3900, 7500, 4200, 4100};
// The deepest, widest rectangle with 8000 mm² of steel and C50/60; its Mo comes just under the
// rare limit moment, so the initial state runs to the rare strain with depths near 1 m.
const Beam kDeep{false, 8, 200, 200, 0, 0, 0, 0, 0, 0, 80, 5, 1, 10000, 8000, 8000};

// The worst initial-state search: kDeep with Mo a hair under its Mser_r_o and Mser_qp_o.
DesignState WorstInitialState() {
    DesignState s = Inputs(kDeep);
    DesignState designed = s;
    DesignFlexure(designed);
    s.Mo = std::floor(std::min(designed.Mser_r_o, designed.Mser_qp_o)) - 1;
    return s;
}

// The state after a design, with strips bf × tf [mm] ready to be applied.
DesignState Designed(const DesignState& inputs, double bf, double tf) {
    DesignState s = inputs;
    DesignFlexure(s);
    s.bf_strip = bf;
    s.tf_strip = tf;
    return s;
}

// The state after a design and an applied laminate, with section A as the anchorage window
// proposes it and the moment M_sd,A.
DesignState Anchorage(const DesignState& designed, double n, double MsdA) {
    DesignState s = designed;
    ApplyChosenLaminate(s, n);
    s.fctm = 2.21;
    s.As2_A = s.As2;
    s.As12_A = s.As12;
    s.As11_A = s.As11;
    s.d2_A = s.d2;
    s.d12_A = s.d12;
    s.d11_A = s.d11;
    s.Es_A = s.Es;
    s.fyk_A = s.fyk;
    s.n_layers_bond = *MinimumLayers(n, s.b, s.bf_strip);
    s.Msd_A = MsdA;
    return s;
}

bool Check(DesignState& s) {
    return CheckAnchorage(s).verdict;
}

[[maybe_unused]] const bool registered = [] {
    RegisterCase("FlexureTypical", Inputs(kTypical), Design, true);
    RegisterCase("FlexureOrdinaryBeam", Inputs(kOrdinary), Design, true);
    RegisterCase("FlexureHeavy", Inputs(kHeavy), Design, true);
    RegisterCase("FlexureWorstInitialState", WorstInitialState(), Design, true);

    // Two strips 50 × 1.2 mm on the typical beam; on the heavy beam six strips 100 × 2 mm in two
    // layers.
    const DesignState typical = Designed(Inputs(kTypical), 50, 1.2);
    const DesignState heavy = Designed(Inputs(kHeavy), 100, 2);
    RegisterCase(
        "AppliedTypical", typical, [](DesignState& s) { return !ApplyChosenLaminate(s, 2); }, true);
    RegisterCase(
        "AppliedHeavy", heavy, [](DesignState& s) { return !ApplyChosenLaminate(s, 6); }, true);

    RegisterCase("AnchorageTypical", Anchorage(typical, 2, 80), Check, true);
    // 2 m deep, M_sd,A so small that every strain's moment is more than 5 % above it: all 7000
    // strains, each with a depth scan over the 2 m, and the refusal.
    RegisterCase("AnchorageDeepSection", Anchorage(heavy, 6, 1), Check, false);
    // The same section at 7500 kNm: the state near 0.0017, some 3500 strains in.
    RegisterCase("AnchorageDeepAccepted", Anchorage(heavy, 6, 7500), Check, true);
    return true;
}();

}  // namespace
}  // namespace kord
