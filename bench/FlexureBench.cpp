// Flexure designs from the input window's fields to the results in the design state.

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/DesignState.h"
#include "engine/FlexureDesign.h"
#include "engine/FlexureInput.h"

namespace kord {
namespace {

using Fields = std::vector<std::pair<const char*, const char*>>;

void EnterFlexure(bool tee, int concreteClass, const Fields& fields) {
    FrmData& w = frmData();
    w.Show();
    w.TabStrip1.Select(0);
    if (tee)
        w.Option4.SetValue(true);
    else
        w.Option5.SetValue(true);
    w.Option10(0).SetValue(true);
    w.Combo1(0).SetListIndex(concreteClass);
    for (const auto& [name, text] : fields) static_cast<TextBox&>(w.Ctl(name)).SetText(text);
    frmOptions().Check4.SetValue(1);
}

void RunDesign(benchmark::State& st) {
    for (auto _ : st) {
        int tab = 0;
        if (!ReadFlexureInput(tab) || !DesignFlexure(tab)) {
            st.SkipWithError("the design was refused");
            break;
        }
        benchmark::DoNotOptimize(State().Af_req);
    }
}

// A beam 0.30 × 0.50 m with 500 mm² of steel, C20/25: crushing with yielded steel, composite for
// the rare combination, none for the quasi-permanent one.
void BM_FlexureTypical(benchmark::State& st) {
    EnterFlexure(false, 2,
                 {{"Text4(0)", "0.30"},
                  {"Text1(0)", "0.50"},
                  {"Text3(0)", "0"},
                  {"Text2(0)", "0"},
                  {"Text5(0)", "0"},
                  {"Text9(0)", "0"},
                  {"Text16", "0"},
                  {"Text17", "0"},
                  {"Text6(0)", "500"},
                  {"Text10(0)", "0.05"},
                  {"Text34", "2.5"},
                  {"Text30", "500"},
                  {"Text32", "200"},
                  {"Text24(0)", "165"},
                  {"Text26(0)", "0.008"},
                  {"Text7", "30"},
                  {"Text8", "200"},
                  {"Text31", "100"},
                  {"Text33", "70"}});
    RunDesign(st);
}

// A T beam 2.00 m deep with three steel layers and Mo close to its serviceability limit: the
// initial and the no-composite serviceability states scan deep compression zones at thousands of
// strain steps.
void BM_FlexureHeavy(benchmark::State& st) {
    EnterFlexure(true, 4,
                 {{"Text4(0)", "0.30"},
                  {"Text1(0)", "2.00"},
                  {"Text3(0)", "1.50"},
                  {"Text2(0)", "0.15"},
                  {"Text5(0)", "1000"},
                  {"Text9(0)", "0.05"},
                  {"Text16", "2000"},
                  {"Text17", "0.12"},
                  {"Text6(0)", "4000"},
                  {"Text10(0)", "0.05"},
                  {"Text34", "2.5"},
                  {"Text30", "500"},
                  {"Text32", "200"},
                  {"Text24(0)", "165"},
                  {"Text26(0)", "0.008"},
                  {"Text7", "3900"},
                  {"Text8", "7500"},
                  {"Text31", "4200"},
                  {"Text33", "4100"}});
    RunDesign(st);
}

BENCHMARK(BM_FlexureTypical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlexureHeavy)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kord
