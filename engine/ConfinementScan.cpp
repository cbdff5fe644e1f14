// The confinement thickness scan without evaluating every thickness.
//
// The goal tests are not monotone in the thickness (the Mander ratio peaks, k_fl falls, the
// ultimate strain may cease to exist), so the first accepted thickness cannot be bisected for.
// Instead the scan bounds whole runs of thicknesses. Every quantity of a trial is a chain of
// double operations on the thickness, and each operation is monotone in each operand once the
// operand's sign is known (rounding to nearest is monotone). Applying the same operations, in the
// same order, to the bounds of the operands therefore encloses exactly the doubles that every
// trial of the run computes; only pow, which the library rounds within an ulp rather than
// exactly, is widened by a few ulps. A run that no trial of it can stop is passed over whole;
// one that might is halved, down to a few trials that are evaluated as the literal scan does.
// The largest strength and strain met, which the messages after a fruitless scan compare, are
// found the same way: a run whose bound stays below the largest exact value known adds nothing.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/FastScan.h"

namespace kord {

namespace {

// The thickness scan ends here (cm).
constexpr double kMaxThickness = 4;
// Runs up to this many trials are evaluated one by one.
constexpr std::int64_t kLiteralRun = 32;

// The doubles a quantity takes over a run of trials lie in [lo, hi]; NaN bounds: unknown.
struct Range {
    double lo, hi;
    bool Known() const { return !std::isnan(lo) && !std::isnan(hi); }
};
Range Point(double v) {
    return {v, v};
}
Range operator+(Range a, Range b) {
    return {a.lo + b.lo, a.hi + b.hi};
}
Range operator-(Range a, Range b) {
    return {a.lo - b.hi, a.hi - b.lo};
}
Range operator*(Range a, Range b) {
    const double c[] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
    for (double v : c)
        if (std::isnan(v)) return {NAN, NAN};
    return {*std::min_element(c, c + 4), *std::max_element(c, c + 4)};
}
Range operator/(Range a, Range b) {
    if (!(b.lo > 0 || b.hi < 0)) return {NAN, NAN};
    const double c[] = {a.lo / b.lo, a.lo / b.hi, a.hi / b.lo, a.hi / b.hi};
    for (double v : c)
        if (std::isnan(v)) return {NAN, NAN};
    return {*std::min_element(c, c + 4), *std::max_element(c, c + 4)};
}
Range Sqrt(Range a) {
    if (!(a.lo >= 0)) return {NAN, NAN};
    return {std::sqrt(a.lo), std::sqrt(a.hi)};
}
Range Max(Range a, Range b) {
    return {std::max(a.lo, b.lo), std::max(a.hi, b.hi)};
}
double Widened(double v, double towards, int ulps) {
    for (int k = 0; k < ulps; ++k) v = std::nextafter(v, towards);
    return v;
}
// pow is monotone in each argument over a positive base, so its extremes over a box lie at the
// corners.
Range Pow(Range base, Range exponent) {
    if (!(base.lo > 0)) return {NAN, NAN};
    const double c[] = {std::pow(base.lo, exponent.lo), std::pow(base.lo, exponent.hi),
                        std::pow(base.hi, exponent.lo), std::pow(base.hi, exponent.hi)};
    for (double v : c)
        if (std::isnan(v)) return {NAN, NAN};
    return {Widened(*std::min_element(c, c + 4), -INFINITY, 4),
            Widened(*std::max_element(c, c + 4), INFINITY, 4)};
}

// Whether the trials of a run give an ultimate strain.
enum class Strain { All, None, Unknown };

struct RunBounds {
    Strain strain;
    Range eps;   // the ultimate strain, where it exists
    Range peak;  // the confined peak strength
};

// The bounds of the trials with thicknesses in [t0, t1], following ConfinementTrial operation by
// operation.
RunBounds BoundsOf(double t0, double t1, bool rectangular) {
    const DesignState& s = State();
    const Range tf{t0, t1};
    Range p{}, r = Point(1);
    if (rectangular) {
        const Range rho_fx = Point(2 * s.bf_c) * tf / Point(s.sf_c * s.h);
        const Range rho_fy = Point(2 * s.bf_c) * tf / Point(s.sf_c * s.b);
        const auto pressure = [&s](Range rho) {
            return rho * Point(s.ke) * Point(s.ks) * Point(s.Ef) * Point(1000) * Point(s.eps_fu_e);
        };
        p = pressure(rho_fx);
        r = pressure(rho_fy) / p;
    } else {
        const Range rho_fc = Point(4 * s.bf_c) * tf / Point(s.sf_c * s.D);
        p = Point(0.5) * rho_fc * Point(s.ke) * Point(s.ks) * Point(s.Ef) * Point(1000) *
            Point(s.eps_fu_e);
    }
    const Range fco = Point(s.fco);
    const Range fcc_fco =
        Point(2.254) * Sqrt(Point(1) + Point(7.94) * p / fco) - Point(2) * p / fco - Point(1.254);
    const Range k_fl =
        Point(1) - (Point(0.6) * r * r - Point(1.4) * r + Point(0.8)) * Sqrt(p / fco);
    RunBounds b{Strain::Unknown, {NAN, NAN}, k_fl * fcc_fco * fco};
    const Range peakStrain = Point(0.002) * (Point(1) + Point(5) * (k_fl * fcc_fco - Point(1)));
    if (!b.peak.Known() || !peakStrain.Known()) return b;  // also a peak strain that may be 0
    const Range Esec = b.peak / peakStrain;
    if (!Esec.Known()) return b;
    if (Esec.hi <= 0 || !(s.Esec_u > 0)) {
        b.strain = Strain::None;
        return b;
    }
    if (!(Esec.lo > 0)) return b;
    const Range Ec = Point(s.Ec), Esec_u = Point(s.Esec_u);
    const Range bracket = (Ec - Esec_u) * Esec / (Esec_u * (Ec - Esec));
    if (!bracket.Known()) return b;
    if (bracket.hi <= 0) {
        b.strain = Strain::None;
        return b;
    }
    if (!(bracket.lo > 0)) return b;
    b.eps = Pow(bracket, Point(1) - Esec / Ec) * peakStrain;
    if (b.eps.Known() && std::isfinite(b.eps.lo) && std::isfinite(b.eps.hi)) b.strain = Strain::All;
    return b;
}

class ThicknessScan {
  public:
    ThicknessScan(bool rectangular, short goal)
        : s_(State()),
          rectangular_(rectangular),
          goal_(goal),
          thicknesses_(s_.IterStep, s_.IterStep, kMaxThickness) {}

    ConfinementScanResult Run() {
        const std::int64_t n = thicknesses_.Count();
        s_.eps_cu_max = 0;
        s_.fcc_max = 0;
        if (n == 0) {
            s_.i = thicknesses_.At(0);
            return {};
        }
        // The first trial as the literal scan runs it (it alone may refuse the strain goal).
        std::int64_t stop = -1;
        if (Step(0)) stop = 0;
        if (result_.strainAtFirstStep) return result_;
        if (stop < 0) stop = Scan(1, n);

        // The largest values met over the runs passed over.
        for (const Skipped& run : skipped_) Largest(run, run.from, run.to);

        // The fields of the last trial evaluated.
        const std::int64_t last = stop < n ? stop : n - 1;
        const double tf = thicknesses_.At(last);
        const ConfinementTrialResult trial =
            ConfinementTrial(tf, rectangular_, CircularKfl::Evaluated);
        s_.tf_c = tf;
        s_.eps_cu = eps_;
        if (goal_ == StrengthGoal || goal_ == BothGoals)
            s_.fcc = ConfinedStrength(s_.eps_cu, trial.peak);
        s_.i = stop < n ? tf : thicknesses_.At(n);
        result_.strainComputed = computed_;
        return result_;
    }

  private:
    // A run passed over: its trials all give an ultimate strain, or none does and the strain of
    // an earlier trial, carried, stands for them all.
    struct Skipped {
        std::int64_t from, to;
        bool all;
        double carried;
    };

    bool WantsStrength() const { return goal_ == StrengthGoal || goal_ == BothGoals; }

    // One trial as the literal scan runs it; true when it stops the scan.
    bool Step(std::int64_t k) {
        s_.tf_c = thicknesses_.At(k);
        s_.i = s_.tf_c;
        const ConfinementTrialResult trial =
            ConfinementTrial(s_.tf_c, rectangular_, CircularKfl::Evaluated);
        if (trial.ultimateStrain) {
            eps_ = *trial.ultimateStrain;
            computed_ = true;
        }
        s_.eps_cu = eps_;
        const auto confinedStrength = [this, &trial] {
            s_.fcc = ConfinedStrength(s_.eps_cu, trial.peak);
            s_.fcc_max = std::max(s_.fcc_max, s_.fcc);
        };
        s_.eps_cu_max = std::max(s_.eps_cu_max, s_.eps_cu);
        const bool strainMet = computed_ && s_.eps_cu >= s_.eps_cu_req;
        if (goal_ == StrengthGoal) {
            confinedStrength();
            if (s_.fcc >= s_.fcc_req) result_.hit = true;
        } else if (goal_ == StrainGoal) {
            if (k == 0 && computed_ && s_.eps_cu > s_.eps_cu_req) {
                result_.strainAtFirstStep = true;
                result_.strainComputed = true;
                return true;
            }
            if (strainMet) {
                confinedStrength();
                result_.hit = true;
            }
        } else if (goal_ == BothGoals) {
            confinedStrength();
            if (s_.fcc >= s_.fcc_req && strainMet) result_.hit = true;
        }
        return result_.hit;
    }

    // The trials [from, to) after those before them; the index of the trial that stops the scan,
    // or to.
    std::int64_t Scan(std::int64_t from, std::int64_t to) {
        if (to - from <= kLiteralRun) {
            for (std::int64_t k = from; k < to; ++k)
                if (Step(k)) return k;
            return to;
        }
        const RunBounds b = BoundsOf(thicknesses_.At(from), thicknesses_.At(to - 1), rectangular_);
        if (b.strain != Strain::Unknown) {
            const bool all = b.strain == Strain::All;
            const Range eps = all ? b.eps : Point(eps_);
            const bool strainKnown = all || computed_;
            const Range fcc = Max(Max(eps * Point(s_.Esec_u), b.peak), Point(s_.fco));
            bool may = false;
            if (goal_ == StrengthGoal) may = fcc.hi >= s_.fcc_req;
            if (goal_ == StrainGoal) may = strainKnown && eps.hi >= s_.eps_cu_req;
            if (goal_ == BothGoals)
                may = fcc.hi >= s_.fcc_req && strainKnown && eps.hi >= s_.eps_cu_req;
            if (fcc.Known() && eps.Known() && !may) {
                skipped_.push_back({from, to, all, eps_});
                if (all) {
                    eps_ = ConfinementTrial(thicknesses_.At(to - 1), rectangular_,
                                            CircularKfl::Evaluated)
                               .ultimateStrain.value_or(NAN);
                    computed_ = true;
                }
                return to;
            }
        }
        const std::int64_t mid = from + (to - from) / 2;
        const std::int64_t k = Scan(from, mid);
        return k < mid ? k : Scan(mid, to);
    }

    // Raises eps_cu_max and fcc_max by the trials [from, to) of a run passed over; the later half
    // first, where a rising value is largest.
    void Largest(const Skipped& run, std::int64_t from, std::int64_t to) {
        const bool strength = WantsStrength();
        if (to - from > kLiteralRun) {
            const RunBounds b =
                BoundsOf(thicknesses_.At(from), thicknesses_.At(to - 1), rectangular_);
            const Range eps = run.all ? b.eps : Point(run.carried);
            const Range fcc = Max(Max(eps * Point(s_.Esec_u), b.peak), Point(s_.fco));
            // A run whose strains are all carried adds no strain of its own.
            const bool strainBelow = !run.all || eps.hi <= s_.eps_cu_max;
            const bool strengthBelow = !strength || fcc.hi <= s_.fcc_max;
            if (eps.Known() && fcc.Known() && strainBelow && strengthBelow) return;
            const std::int64_t mid = from + (to - from) / 2;
            Largest(run, mid, to);
            Largest(run, from, mid);
            return;
        }
        for (std::int64_t k = from; k < to; ++k) {
            const ConfinementTrialResult trial =
                ConfinementTrial(thicknesses_.At(k), rectangular_, CircularKfl::Evaluated);
            const double eps = run.all ? trial.ultimateStrain.value_or(NAN) : run.carried;
            s_.eps_cu_max = std::max(s_.eps_cu_max, eps);
            if (strength) s_.fcc_max = std::max(s_.fcc_max, ConfinedStrength(eps, trial.peak));
        }
    }

    DesignState& s_;
    const bool rectangular_;
    const short goal_;
    const StepScan thicknesses_;
    double eps_ = State().eps_cu;  // the ultimate strain carried from trial to trial
    bool computed_ = false;
    ConfinementScanResult result_{};
    std::vector<Skipped> skipped_;
};

}  // namespace

ConfinementScanResult ConfinementThickness(bool rectangular, short goal) {
    return ThicknessScan(rectangular, goal).Run();
}

}  // namespace kord
