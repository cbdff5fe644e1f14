#pragma once
// Fixed-step scans answered without walking them trial by trial.
//
// A scan variable starts at a value and advances by repeated addition of its step while it does
// not pass its end; the first trial that meets the scan's test is taken. The k-th value is not
// start + k·step: every addition rounds. StepScan replays those additions exactly, so any trial
// can be evaluated on its own, and FirstTrue finds the first trial of a monotone test by
// galloping and bisection over the trial index.

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kord {

class StepScan {
  public:
    // The values start, start + step, … that do not pass end (not above it for a positive step,
    // not below it for a negative one).
    StepScan(double start, double step, double end);

    // How many values the scan takes.
    std::int64_t Count() const { return count_; }
    // The value after k additions, 0 ≤ k ≤ Count(); At(Count()) is the first value past the end,
    // the one a loop leaves in its variable when no trial was taken.
    double At(std::int64_t k) const;

  private:
    // At(k + j) = v + j·delta for 0 ≤ j < n.
    struct Run {
        std::int64_t k;
        double v;
        double delta;
        std::int64_t n;
    };
    std::vector<Run> runs_;
    std::int64_t count_ = 0;
};

// The first index in [lo, hi) at which test holds, for a test that is false up to some index and
// true from there on; hi when it never holds. The search gallops outward from hint (when it lies
// in [lo, hi)), so a scan whose answer moves little from one call to the next costs a few tests.
template <class Test>
std::int64_t FirstTrue(std::int64_t lo, std::int64_t hi, Test test, std::int64_t hint = -1) {
    if (lo >= hi) return hi;
    if (hint < lo || hint >= hi) hint = lo;
    // Invariant: test is false below lo (or lo is the start) and true at hi (or hi is the end).
    if (test(hint)) {
        std::int64_t step = 1;
        hi = hint;
        while (hi - step >= lo && test(hi - step)) {
            hi -= step;
            step *= 2;
        }
        if (hi - step >= lo) lo = hi - step + 1;
    } else {
        std::int64_t step = 1;
        lo = hint + 1;
        while (lo + step - 1 < hi && !test(lo + step - 1)) {
            lo += step;
            step *= 2;
        }
        if (lo + step - 1 < hi) hi = lo + step - 1;
    }
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (test(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// Runs trial(k) once for each index of ks that is not negative, in ascending order. A scan
// answered by searching leaves in the state what its probes wrote; put back as it was before
// them, the state takes the literal scan's fields from the trials that wrote them last, run again
// in the order the literal scan ran them.
template <class Trial>
void RunAgain(std::initializer_list<std::int64_t> ks, Trial trial) {
    std::vector<std::int64_t> order(ks);
    std::sort(order.begin(), order.end());
    order.erase(std::unique(order.begin(), order.end()), order.end());
    for (const std::int64_t k : order)
        if (k >= 0) trial(k);
}

}  // namespace kord
