// Shear and confinement designs from the input window's fields: a typical design, a thick one and
// one whose requirement is out of reach, so that its scan runs the whole way to 4 cm. The numbers
// are typed with a decimal point, as the benchmarks' main sets the locale.

#include <benchmark/benchmark.h>

#include "app/InputWindow.h"
#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/ShearDesign.h"

namespace kord {
namespace {

struct ShearCase {
    bool closed;
    bool sheet;
    int fibre;
    const char* d;
    const char* Ef;
    const char* efu;
    const char* alpha;
    const char* Vfd;
};

void FillShear(FrmData& w, const ShearCase& c) {
    (c.closed ? w.Option1 : w.Option2).SetValue(true);
    (c.sheet ? w.Option6 : w.Option7).SetValue(true);
    w.Combo3.SetListIndex(c.fibre);
    w.Text4(Shear).SetText("0.3");
    w.Text14(Shear).SetText(c.d);
    w.Text13(Shear).SetText(c.alpha);
    w.Text24(Shear).SetText(c.Ef);
    w.Text15(Shear).SetText(c.efu);
    w.Text26(Shear).SetText("0.006");
    w.Text12.SetText(c.Vfd);
    w.Text18.SetText("0.1");
    w.Text19.SetText("0.3");
}

void RunShear(benchmark::State& bs, const ShearCase& c, bool expected) {
    FrmData& w = frmData();
    FillShear(w, c);
    for (auto _ : bs) {
        int tab = Shear;
        const bool ok = ReadShearInput(tab) && DesignShear(tab);
        if (ok != expected) bs.SkipWithError("unexpected outcome");
        benchmark::DoNotOptimize(State().tf);
    }
    bs.counters["tf_mm"] = State().tf * 10;
}

// A carbon sheet, closed wrap, 100 kN on d = 0.5 m: 0.10 mm, 20 thousand steps.
void BM_ShearTypical(benchmark::State& bs) {
    RunShear(bs, {true, true, 0, "0.5", "230", "0.015", "90", "100"}, true);
}
// Glass strips, open wrap, 300 kN on d = 1.2 m, debonding: 3.4 mm, 680 thousand steps.
void BM_ShearHeavy(benchmark::State& bs) {
    RunShear(bs, {false, false, 2, "1.2", "70", "0.03", "90", "300"}, true);
}
// Fibres at 150° carry nothing: all eight million steps, then the refusal.
void BM_ShearOutOfReach(benchmark::State& bs) {
    RunShear(bs, {true, true, 0, "0.5", "230", "0.015", "150", "100"}, false);
}

struct ColumnCase {
    bool rectangular;
    int goal;  // 1 strength, 2 strain, 3 both
    const char* fcc;
    const char* ecu;
};

void FillColumn(FrmData& w, const ColumnCase& c) {
    (c.rectangular ? w.Option8 : w.Option9).SetValue(true);
    w.Option3.SetValue(true);
    w.Check1.SetValue(1);
    w.Check2.SetValue(1);
    if (c.goal == 1) w.Check2.SetValue(0);
    if (c.goal == 2) w.Check1.SetValue(0);
    w.Text4(Confinement).SetText("0.4");
    w.Text1(Confinement).SetText("0.3");
    w.Text20.SetText("0.03");
    w.Text27.SetText("0.4");
    w.Combo1(Confinement).SetListIndex(2);  // C 20/25
    w.Text24(Confinement).SetText("230");
    w.Text11.SetText("0.015");
    w.Text25.SetText("0.9");
    w.Text21.SetText(c.fcc);
    w.Text23.SetText(c.ecu);
}

void RunColumn(benchmark::State& bs, const ColumnCase& c, bool expected) {
    FrmData& w = frmData();
    FillColumn(w, c);
    for (auto _ : bs) {
        int tab = Confinement;
        const bool ok = ReadConfinementInput(tab) && DesignConfinement(tab);
        if (ok != expected) bs.SkipWithError("unexpected outcome");
        benchmark::DoNotOptimize(State().tf_c);
    }
    bs.counters["tf_mm"] = State().tf_c * 10;
}

// A circular column of 0.4 m to 40 N/mm²: 0.13 mm, 25 thousand steps.
void BM_ConfinementTypical(benchmark::State& bs) {
    RunColumn(bs, {false, 1, "40", "0"}, true);
}
// A rectangular 0.4 × 0.3 m column to 95 N/mm² and a strain of 0.05: 3.5 mm, 700 thousand
// steps.
void BM_ConfinementHeavy(benchmark::State& bs) {
    RunColumn(bs, {true, 3, "95", "0.05"}, true);
}
// A strain of 0.16 that no wrap gives: all eight million steps, then the refusal.
void BM_ConfinementOutOfReach(benchmark::State& bs) {
    RunColumn(bs, {false, 3, "30", "0.16"}, false);
}

BENCHMARK(BM_ShearTypical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShearHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShearOutOfReach)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfinementTypical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfinementHeavy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConfinementOutOfReach)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kord
