#pragma once
// The processor time of the calling thread: what a computation costs, whatever else the machine
// runs at the same time (CTest runs the suite in parallel, other builds may share the cores).

#include <time.h>

#include <chrono>

namespace kord::test {

inline std::chrono::nanoseconds ThreadCpuTime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

}  // namespace kord::test
