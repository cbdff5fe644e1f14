// The one main of the benchmarks: the designs run on a design state built directly, with no
// windows, no host and no Qt application.

#include <benchmark/benchmark.h>

#include "engine/DesignState.h"
#include "platform/NumberFormat.h"

int main(int argc, char** argv) {
    kord::SetCurrentLocale(kord::NumericLocale::FromName("en_US"));
    kord::State().DecimalComma = false;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
