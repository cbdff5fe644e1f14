// Shear and confinement designs from the inputs in the design state: a typical design, a thick one
// and one whose requirement is out of reach, so that its scan runs the whole way to 4 cm.

#include <benchmark/benchmark.h>

#include "engine/ConcreteClasses.h"
#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/ShearDesign.h"

namespace kord {
namespace {

struct ShearCase {
    bool closed;
    bool sheet;
    int fibre;
    double d;  // cm
    double Ef, efu, alpha, Vfd;
};

// The concrete class by its list position.
void Concrete(DesignState& s, int position) {
    s.fck = kConcreteClasses[static_cast<size_t>(position)].fck;
    s.fcm = s.fck + kFcmOverFck;
}

// The default safety factors, C 12/15, b = 0.3 m, εf,lim 0.006, strips 0.1 m at 0.3 m.
DesignState ShearInputs(const ShearCase& c) {
    DesignState s;
    s.IterStep = 5e-7;
    s.ShearClosed = c.closed;
    s.ShearSheet = c.sheet;
    s.ShearAramid = c.fibre == 1;
    s.b = 30;
    s.d = c.d;
    s.alpha = c.alpha;
    s.k_eff = 0.8;
    s.gamma_fb = 1.3;
    s.gamma_fl = 1.25;
    const double gammaFf[] = {1.2, 1.25, 1.3};
    s.gamma_ff = gammaFf[c.fibre];
    Concrete(s, 0);
    s.Vfd = c.Vfd;
    s.Ef = c.Ef;
    s.eps_fu = c.efu;
    s.eps_f_lim = 0.006 / s.gamma_fl;
    s.bf = 10;
    s.sf = 30;
    return s;
}

void RunShear(benchmark::State& bs, const ShearCase& c, bool expected) {
    const DesignState inputs = ShearInputs(c);
    for (auto _ : bs) {
        State() = inputs;
        if (DesignShear().success != expected) bs.SkipWithError("unexpected outcome");
        benchmark::DoNotOptimize(State().tf);
    }
    bs.counters["tf_mm"] = State().tf * 10;
}

// A carbon sheet, closed wrap, 100 kN on d = 0.5 m: 0.10 mm, 20 thousand steps.
void BM_ShearTypical(benchmark::State& bs) {
    RunShear(bs, {true, true, 0, 50, 230, 0.015, 90, 100}, true);
}
// Glass strips, open wrap, 300 kN on d = 1.2 m, debonding: 3.4 mm, 680 thousand steps.
void BM_ShearHeavy(benchmark::State& bs) {
    RunShear(bs, {false, false, 2, 120, 70, 0.03, 90, 300}, true);
}
// Fibres at 150° carry nothing: all eight million steps, then the refusal.
void BM_ShearOutOfReach(benchmark::State& bs) {
    RunShear(bs, {true, true, 0, 50, 230, 0.015, 150, 100}, false);
}

struct ColumnCase {
    bool rectangular;
    short goal;
    double fcc, ecu;
};

// A 0.4 × 0.3 m column with R = 0.03 m, or one of D = 0.4 m; C 20/25, a carbon sheet of
// εfu 0.015 with the factor 0.9.
DesignState ColumnInputs(const ColumnCase& c) {
    DesignState s;
    s.IterStep = 5e-7;
    s.ColumnRectangular = c.rectangular;
    s.ConfinementSheet = true;
    s.ConfinementGoal = c.goal;
    s.b = 40;
    s.h = 30;
    s.R = 3;
    s.D = 40;
    Concrete(s, 2);
    s.Ef = 230;
    s.eps_fu_e = 0.015 * 0.9;
    s.fcc_req = c.fcc;
    s.eps_cu_req = c.ecu;
    return s;
}

void RunColumn(benchmark::State& bs, const ColumnCase& c, bool expected) {
    const DesignState inputs = ColumnInputs(c);
    for (auto _ : bs) {
        State() = inputs;
        if (DesignConfinement().success != expected) bs.SkipWithError("unexpected outcome");
        benchmark::DoNotOptimize(State().tf_c);
    }
    bs.counters["tf_mm"] = State().tf_c * 10;
}

// A circular column of 0.4 m to 40 N/mm²: 0.13 mm, 25 thousand steps.
void BM_ConfinementTypical(benchmark::State& bs) {
    RunColumn(bs, {false, StrengthGoal, 40, 0}, true);
}
// A rectangular 0.4 × 0.3 m column to 95 N/mm² and a strain of 0.05: 3.5 mm, 700 thousand
// steps.
void BM_ConfinementHeavy(benchmark::State& bs) {
    RunColumn(bs, {true, BothGoals, 95, 0.05}, true);
}
// A strain of 0.16 that no wrap gives: all eight million steps, then the refusal.
void BM_ConfinementOutOfReach(benchmark::State& bs) {
    RunColumn(bs, {false, BothGoals, 30, 0.16}, false);
}

BENCHMARK(BM_ShearTypical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShearHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShearOutOfReach)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfinementTypical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfinementHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfinementOutOfReach)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kord
