#pragma once
// A benchmark case runs twice: with the program's searches and with the literal scans that the
// tests keep as their reference, so that the two times stand side by side.

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "engine/DesignState.h"
#include "tests/engine/LiteralScans.h"

namespace kord {

// Registers name/literal and name/fast: each iteration runs run on a copy of inputs, and its
// result must be expected.
inline void RegisterCase(const std::string& name, const DesignState& inputs,
                         std::function<bool(DesignState&)> run, bool expected) {
    for (bool literal : {true, false}) {
        benchmark::RegisterBenchmark((name + (literal ? "/literal" : "/fast")).c_str(),
                                     [inputs, run, expected, literal](benchmark::State& bs) {
                                         const Searches saved = DesignSearches();
                                         if (literal) DesignSearches() = test::LiteralSearches();
                                         for (auto _ : bs) {
                                             DesignState s = inputs;
                                             if (run(s) != expected) {
                                                 bs.SkipWithError("unexpected outcome");
                                                 break;
                                             }
                                         }
                                         DesignSearches() = saved;
                                     })
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.2);
    }
}

}  // namespace kord
