#pragma once
// The neutral-axis depth scan of one strain trial of a flexure search: the trial depth takes the
// values of its StepScan (step, 2·step, … by repeated addition, up to h) until it comes within
// tol of the depth x_new that force equilibrium gives for it.
//
// Why the first such depth can be found by bisection. For one top-fibre strain t, the gap
// g(x) = x − x_new(x) grows by more than the depth step from one trial to the next:
// - the bottom steel stresses (h − d − x)·Es·t/x fall with x and the top steel's (x − d2)·Es·t/x
//   rises, and the yield limits keep that order; a strip strain (h − x)·t/x − e0 falls with x and
//   its force, 0 at and below zero strain, with it. So the net tension T falls with x;
// - a rectangle, or a T section whose zone stays in the flange, has x_new = T/(k·ψ·width) with ψ
//   fixed by t: x_new falls with x;
// - below the flange x_new = (T − k·ψ2·(beff − b)·hf)/(k·(beff·ψ − (beff − b)·ψ2)), where ψ2 of
//   the strain (x − hf)·t/x rises with x. At fixed T, ∂x_new/∂ψ2 = (beff − b)·(x_new − hf)/
//   (k·(beff·ψ − (beff − b)·ψ2)/k), and to first order ψ − ψ2 ≈ ψ'·t·hf/x while ∂ψ2/∂x ≈
//   ψ'·t·hf/x²: near x = x_new the rise of x_new per unit of x stays below (x − hf)/x < 1, and
//   the fall of T only adds to the rise of g.
// Rounding moves g by some 1e-13 cm, far less than the 0.0005 cm or more that it rises per step.
// So "g > −tol" is false up to one trial and true from it on: that trial is the first candidate
// for |g| < tol, and when it misses (g ≥ tol: one step jumped over the window) no later trial can
// meet it. The differential test of the searches guards this against the literal scan.

#include <cmath>
#include <cstdint>

#include "engine/FastScan.h"

namespace kord {

// gap(x): x − x_new for the trial depth x, without touching the design state.
// apply(x): the trial at x as the literal scan runs it (its fields into the design state); returns
// its acceptance test.
// Returns the depth the literal scan leaves in its variable: the accepted trial's depth, or, when
// none is accepted, the first depth past the end after the last trial has been applied. hint: the
// index found for the previous strain; the search starts there and the found index is left in it.
template <class Gap, class Apply>
double ScanDepth(const StepScan& depths, double tol, std::int64_t& hint, bool& accepted, Gap gap,
                 Apply apply) {
    const std::int64_t n = depths.Count();
    accepted = false;
    if (n == 0) return depths.At(0);
    const std::int64_t j = FirstTrue(
        0, n, [&](std::int64_t k) { return gap(depths.At(k)) > -tol; }, hint);
    if (j < n) {
        hint = j;
        const double x = depths.At(j);
        if (apply(x)) {
            accepted = true;
            return x;
        }
    }
    apply(depths.At(n - 1));
    return depths.At(n);
}

}  // namespace kord
