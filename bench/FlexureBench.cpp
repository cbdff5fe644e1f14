// Flexure designs from the inputs in the design state to its results.

#include <benchmark/benchmark.h>

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

void RunDesign(benchmark::State& st, const Beam& beam) {
    const DesignState inputs = Inputs(beam);
    for (auto _ : st) {
        State() = inputs;
        if (!DesignFlexure().success) {
            st.SkipWithError("the design was refused");
            break;
        }
        benchmark::DoNotOptimize(State().Af_req);
    }
}

// A beam 0.30 × 0.50 m with 500 mm² of steel, C20/25: crushing with yielded steel, composite for
// the rare combination, none for the quasi-permanent one.
void BM_FlexureTypical(benchmark::State& st) {
    RunDesign(st, {false, 2, 30, 50, 0, 0, 0, 0, 0, 0, 5, 5, 30, 200, 100, 70});
}

// A T beam 2.00 m deep with three steel layers and Mo close to its serviceability limit: the
// initial and the no-composite serviceability states scan deep compression zones at thousands of
// strain steps.
void BM_FlexureHeavy(benchmark::State& st) {
    RunDesign(st, {true, 4, 30, 200, 150, 15, 10, 5, 20, 12, 40, 5, 3900, 7500, 4200, 4100});
}

BENCHMARK(BM_FlexureTypical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlexureHeavy)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kord
