// The one main of the benchmarks: the designs run on the windows' fields, so they need the Qt
// application (offscreen) and a host that answers instead of a person.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "engine/DesignState.h"
#include "platform/NumberFormat.h"
#include "platform/ScriptedHost.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    kord::ScriptedHostScope scope;
    // The benchmarks type their numbers with a decimal point.
    kord::SetCurrentLocale(kord::NumericLocale::FromName("en_US"));
    kord::State().DecimalComma = false;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
