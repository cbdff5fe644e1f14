#pragma once
// A benchmark case runs twice: with the program's searches and with the literal scans that the
// tests keep as their reference, so that the two times stand side by side.

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "engine/DesignState.h"
#include "tests/engine/LiteralScans.h"

namespace kord {

// Registers name/literal and name/fast: each iteration starts from inputs and runs run, whose
// result must be expected.
inline void RegisterCase(const std::string& name, const DesignState& inputs,
                         std::function<bool()> run, bool expected) {
    for (bool literal : {true, false}) {
        benchmark::RegisterBenchmark((name + (literal ? "/literal" : "/fast")).c_str(),
                                     [inputs, run, expected, literal](benchmark::State& bs) {
                                         const Searches saved = DesignSearches();
                                         if (literal) DesignSearches() = test::LiteralSearches();
                                         for (auto _ : bs) {
                                             State() = inputs;
                                             if (run() != expected) {
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
