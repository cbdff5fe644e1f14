// The one main of the benchmarks: the designs run on a design state built directly (the click
// cases excepted, which drive the real windows). After the usual report a table sets the literal
// and the fast time of each case side by side.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/NumberFormat.h"

namespace {

class SideBySide : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
            // name/literal or name/fast, then the run's settings.
            const std::string name = r.benchmark_name();
            const std::size_t literal = name.find("/literal"), fast = name.find("/fast");
            const std::size_t cut = literal != std::string::npos ? literal : fast;
            if (cut == std::string::npos) continue;
            const std::string base = name.substr(0, cut);
            // Every case reports in milliseconds.
            Times& t = times_[base];
            (literal != std::string::npos ? t.literal : t.fast) = r.GetAdjustedRealTime();
            if (order_.empty() || order_.back() != base) order_.push_back(base);
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-34s %12s %12s %10s\n", "case", "literal ms", "fast ms", "ratio");
        for (const std::string& name : order_) {
            const Times& t = times_[name];
            std::printf("%-34s %12.3f %12.3f %9.0fx\n", name.c_str(), t.literal, t.fast,
                        t.fast > 0 ? t.literal / t.fast : 0.0);
        }
    }

  private:
    struct Times {
        double literal = 0, fast = 0;
    };
    std::map<std::string, Times> times_;
    std::vector<std::string> order_;
};

}  // namespace

int main(int argc, char** argv) {
    kord::SetCurrentLocale(kord::NumericLocale::FromName("en_US"));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SideBySide reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
