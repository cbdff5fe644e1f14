#include "engine/FastScan.h"

#include <algorithm>
#include <cmath>

namespace kord {

namespace {

bool Passes(double v, double step, double end) {
    return step > 0 ? v > end : v < end;
}

// The longest run of additions from v that all round alike: the additions whose results stay
// inside v's binade with a margin of one unit, where the doubles are the multiples of one unit u
// and v + step rounds to v + delta with delta the multiple of u nearest to step. Returns the
// number of such additions (0 when the rounding of step to u is a tie, which depends on v) and
// delta.
std::int64_t RunFrom(double v, double step, double& delta) {
    if (!(v > 0) || !std::isfinite(v) || !std::isfinite(step)) return 0;
    int e = 0;
    std::frexp(v, &e);             // v in [2^(e-1), 2^e)
    if (e - 53 < -1021) return 0;  // no subnormal units
    const double u = std::ldexp(1.0, e - 53);
    const double q = step / u;  // exact: u is a power of two
    if (!(std::abs(q) < 0x1p52)) return 0;
    const double fl = std::floor(q);
    if (q - fl == 0.5) return 0;
    const double d = q - fl < 0.5 ? fl : fl + 1;
    if (d == 0) return 0;
    delta = d * u;
    if (v + step != v + delta) return 0;  // the rounding the run rests on, seen once

    // v, the binade's bounds and the margin in units: integers below 2^54.
    const auto V = static_cast<std::int64_t>(v / u);
    const std::int64_t lower = std::int64_t{1} << 52;  // 2^(e-1) / u
    const std::int64_t upper = std::int64_t{1} << 53;  // 2^e / u
    const auto D = static_cast<std::int64_t>(d);
    const std::int64_t room = D > 0 ? (upper - 1) - V : V - (lower + 1);
    if (room <= 0) return 0;
    return room / (D > 0 ? D : -D);
}

}  // namespace

StepScan::StepScan(double start, double step, double end) {
    double v = start;
    std::int64_t k = 0;
    for (;;) {
        if (Passes(v, step, end)) {
            runs_.push_back({k, v, 0, 1});
            count_ = k;
            return;
        }
        double delta = 0;
        const std::int64_t m = RunFrom(v, step, delta);
        if (m == 0) {
            runs_.push_back({k, v, 0, 1});
            v += step;
            ++k;
            continue;
        }
        // Values v + j·delta, j = 0 … m, are exact; the first of them past the end, if any,
        // closes the scan.
        std::int64_t lo = 0, hi = m + 1;
        while (lo < hi) {
            const std::int64_t mid = lo + (hi - lo) / 2;
            if (Passes(v + static_cast<double>(mid) * delta, step, end))
                hi = mid;
            else
                lo = mid + 1;
        }
        if (lo <= m) {
            runs_.push_back({k, v, delta, lo + 1});
            count_ = k + lo;
            return;
        }
        runs_.push_back({k, v, delta, m});
        v += static_cast<double>(m) * delta;
        k += m;
    }
}

double StepScan::At(std::int64_t k) const {
    auto it = std::upper_bound(runs_.begin(), runs_.end(), k,
                               [](std::int64_t key, const Run& r) { return key < r.k; });
    const Run& r = *(it - 1);
    return r.v + static_cast<double>(k - r.k) * r.delta;
}

}  // namespace kord
