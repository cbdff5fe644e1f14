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
// Where the run's products k_fl·fcc_fco are a few doubles only, the values that follow them are
// not bounded but evaluated, one for each such double (FewProducts).

#include "engine/ConfinementScan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <queue>
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

Range Intersection(Range a, Range b) {
    if (!b.Known() || !a.Known()) return a;
    return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)};
}

// k_fl·fcc_fco falls with the pressure where fcc_fco rises, and their enclosures add what cancels.
// As a real function of the pressure p and of beta = 0.6·r² − 1.4·r + 0.8, with u = p/fco,
// kf = (1 − beta·√u)·(2.254·√(1 + 7.94·u) − 2·u − 1.254); about a point c of the run's pressures
// the mean value theorem bounds it by kf(c) + kf_p·(p − c) + kf_beta·(beta − beta_c). A trial
// computes kf in doubles within some 20 ulps of its terms' sizes; 1e-13 of them is allowed.
// Returns the bound, or an unknown range where the pressure is not positive.
Range CentredKf(Range p, Range beta, double fco) {
    if (!(p.lo > 0) || !p.Known() || !beta.Known() || !(fco > 0)) return {NAN, NAN};
    const Range u = p / Point(fco);
    const Range root = Sqrt(Point(1) + Point(7.94) * u), su = Sqrt(u);
    const Range f = Point(2.254) * root - Point(2) * u - Point(1.254);
    const Range k = Point(1) - beta * su;
    const Range df = (Point(2.254 * 7.94 / 2) / root - Point(2)) / Point(fco);
    const Range dk = Point(0) - beta / (Point(2) * su * Point(fco));
    const Range dp = dk * f + k * df;
    const double c = p.lo + (p.hi - p.lo) / 2;
    const double betaC = beta.lo + (beta.hi - beta.lo) / 2;
    const double kfC = (1 - betaC * std::sqrt(c / fco)) *
                       (2.254 * std::sqrt(1 + 7.94 * c / fco) - 2 * c / fco - 1.254);
    const double size = (1 + 2.254 * root.hi + 2 * u.hi + 1.254) *
                        (1 + std::max(std::abs(beta.lo), std::abs(beta.hi)) * su.hi);
    const Range rounding{-1e-13 * size, 1e-13 * size};
    const Range bound =
        Point(kfC) + rounding + dp * (p - Point(c)) + (Point(0) - su * f) * (beta - Point(betaC));
    return bound.Known() && std::isfinite(bound.lo) && std::isfinite(bound.hi) ? bound
                                                                               : Range{NAN, NAN};
}

// Whether the trials of a run give an ultimate strain.
enum class Strain { All, None, Unknown };

struct RunBounds {
    bool same;  // the trials share their pressure and ratio, and so every value
    Strain strain;
    Range eps;   // the ultimate strain, where it exists
    Range peak;  // the confined peak strength
    Range kf;    // k_fl·fcc_fco, of which all that follows in a trial is a function
};

// Where the pressure is a minute fraction of fco (strips whose gap is within rounding of twice the
// diameter leave ks some 1e-30), the trials' values differ by a few ulps or not at all, and the
// widening of pow and the ranges' slack exceed that difference: no run could be set aside beside
// the largest value met nor, with a requirement within ulps of what the trials give, beside the
// requirement. But a trial's peak and strain are a function of the one double kf = k_fl·fcc_fco
// (ConfinementPeak), and the range of kf holds every trial's kf. When that range holds only a few
// doubles, evaluating each of them gives the exact extremes of what the run's trials may give; if
// it holds one double, all the trials give the same values. Empty when the range holds more.
std::optional<RunBounds> FewProducts(const DesignState& s, Range kf) {
    constexpr int kFewDoubles = 16;
    if (!kf.Known() || !std::isfinite(kf.lo) || !std::isfinite(kf.hi) || kf.lo > kf.hi)
        return std::nullopt;
    std::vector<double> products{kf.lo};
    while (products.back() < kf.hi) {
        if (products.size() == kFewDoubles) return std::nullopt;
        products.push_back(std::nextafter(products.back(), INFINITY));
    }
    RunBounds b{kf.lo == kf.hi, Strain::Unknown, {INFINITY, -INFINITY}, {INFINITY, -INFINITY}, kf};
    int strains = 0;
    DesignState scratch = s;  // a bound leaves the design's Esec as it was
    for (const double x : products) {
        const ConfinementTrialResult trial = ConfinementPeak(scratch, x);
        if (std::isnan(trial.peak)) return std::nullopt;
        b.peak = {std::min(b.peak.lo, trial.peak), std::max(b.peak.hi, trial.peak)};
        if (!trial.ultimateStrain) continue;
        ++strains;
        b.eps = {std::min(b.eps.lo, *trial.ultimateStrain),
                 std::max(b.eps.hi, *trial.ultimateStrain)};
    }
    if (strains == 0) {
        b.strain = Strain::None;
        b.eps = {NAN, NAN};
    } else if (strains == static_cast<int>(products.size())) {
        b.strain = Strain::All;
    } else {
        b.eps = {NAN, NAN};
    }
    return b;
}

// The bounds of the trials with thicknesses in [t0, t1], following ConfinementTrial operation by
// operation.
RunBounds BoundsOf(const DesignState& s, double t0, double t1, bool rectangular) {
    const Range tf{t0, t1};
    Range p{}, r = Point(1);
    if (rectangular) {
        const Range rho_fx = Point(2 * s.bf_c) * tf / Point(s.sf_c * s.h);
        const Range rho_fy = Point(2 * s.bf_c) * tf / Point(s.sf_c * s.b);
        const auto pressure = [&s](Range rho) {
            return rho * Point(s.ke) * Point(s.ks) * Point(s.Ef) * Point(1000) * Point(s.eps_fu_e);
        };
        p = pressure(rho_fx);
        // Both pressures are the thickness times their own chain of constants, so in reals
        // their ratio is (sf·h)/(sf·b) whatever the thickness; each trial's doubles stray from
        // it by some 15 ulps, far within 1e-14.
        const double ratio = (s.sf_c * s.h) / (s.sf_c * s.b);
        r = Intersection(pressure(rho_fy) / p, {ratio * (1 - 1e-14), ratio * (1 + 1e-14)});
    } else {
        const Range rho_fc = Point(4 * s.bf_c) * tf / Point(s.sf_c * s.D);
        p = Point(0.5) * rho_fc * Point(s.ke) * Point(s.ks) * Point(s.Ef) * Point(1000) *
            Point(s.eps_fu_e);
    }
    const Range fco = Point(s.fco);
    const Range fcc_fco =
        Point(2.254) * Sqrt(Point(1) + Point(7.94) * p / fco) - Point(2) * p / fco - Point(1.254);
    const Range beta = Point(0.6) * r * r - Point(1.4) * r + Point(0.8);
    const Range k_fl = Point(1) - beta * Sqrt(p / fco);
    const Range kf = Intersection(k_fl * fcc_fco, CentredKf(p, beta, s.fco));
    if (std::optional<RunBounds> few = FewProducts(s, kf)) return *few;
    RunBounds b{p.lo == p.hi && r.lo == r.hi, Strain::Unknown, {NAN, NAN}, kf * fco, kf};
    const Range peakStrain = Point(0.002) * (Point(1) + Point(5) * (kf - Point(1)));
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

// Near a largest ultimate strain the enclosures above are wide (they follow every operand's range,
// not the cancelling of their effects), so none of the run can be set aside. There the strain is
// bounded by the mean value theorem instead, as a real function of x = k_fl·fcc_fco: with
// ps = 0.002·(5x − 4), E = x·fco/ps, B = (Ec − Esec_u)·E/(Esec_u·(Ec − E)) and e = 1 − E/Ec the
// strain is h = B^e·ps, and (ln h)' = E'·(e·Ec/(E·(Ec − E)) − ln B/Ec) + 0.01/ps with
// E' = −0.008·fco/ps². A trial computes h in doubles from its own x; while ps ≥ 1e-5,
// |Ec − E| ≥ Ec/100, |ln B| ≤ 100 and |e| ≤ 10, the rounding of that chain (E within some 1e4 ulps,
// B and e within 100 times that, pow within |ln B| and |e| times theirs) stays below 1e-9 of h;
// the bound allows 1e-7. Returns an upper bound of the strains of trials whose x lies in kf, or
// infinity where the conditions fail.
double StrainCeiling(const DesignState& s, Range kf) {
    const double fco = s.fco, Ec = s.Ec, Eu = s.Esec_u;
    const Range ps = Point(0.002) * (Point(1) + Point(5) * (kf - Point(1)));
    if (!ps.Known() || !(ps.lo >= 1e-5) || !(Ec > 0) || !(Eu > 0)) return INFINITY;
    const Range E = kf * Point(fco) / ps;
    const Range gap = Point(Ec) - E;
    if (!E.Known() || !(E.lo > 0) || !(gap.lo >= Ec / 100 || gap.hi <= -Ec / 100)) return INFINITY;
    const Range B = Point(Ec - Eu) * E / (Point(Eu) * gap);
    if (!B.Known() || !(B.lo > 0)) return INFINITY;
    const Range lnB{Widened(std::log(B.lo), -INFINITY, 4), Widened(std::log(B.hi), INFINITY, 4)};
    const Range e = Point(1) - E / Point(Ec);
    if (!(std::max(-lnB.lo, lnB.hi) <= 100) || !(std::max(-e.lo, e.hi) <= 10)) return INFINITY;
    const Range dE = Point(-0.008 * fco) / (ps * ps);
    const Range g = dE * (e * Point(Ec) / (E * gap) - lnB / Point(Ec)) + Point(0.01) / ps;
    const Range slope = Pow(B, e) * ps * g;
    // h at a point of kf, in the trials' own operations.
    const double c = kf.lo + (kf.hi - kf.lo) / 2;
    const double psc = 0.002 * (1 + 5 * (c - 1));
    const double Esec = c * fco / psc;
    const double hc = std::pow((Ec - Eu) * Esec / (Eu * (Ec - Esec)), 1 - Esec / Ec) * psc;
    const double rise = (slope * (kf - Point(c))).hi;
    if (!(hc > 0) || !std::isfinite(hc) || !std::isfinite(rise)) return INFINITY;
    constexpr double rounding = 1e-7;
    return (hc * (1 + rounding) + std::max(0.0, rise) * (1 + 1e-6)) * (1 + rounding);
}

class ThicknessScan {
  public:
    ThicknessScan(DesignState& s, bool rectangular, short goal)
        : s_(s),
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
        Largest(true);
        if (WantsStrength()) Largest(false);

        // The fields of the last trial evaluated.
        const std::int64_t last = stop < n ? stop : n - 1;
        const double tf = thicknesses_.At(last);
        const ConfinementTrialResult trial =
            ConfinementTrial(s_, tf, rectangular_, CircularKfl::Evaluated);
        s_.tf_c = tf;
        s_.eps_cu = eps_;
        if (goal_ == StrengthGoal || goal_ == BothGoals)
            s_.fcc = ConfinedStrength(s_, s_.eps_cu, trial.peak);
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
            ConfinementTrial(s_, s_.tf_c, rectangular_, CircularKfl::Evaluated);
        if (trial.ultimateStrain) {
            eps_ = *trial.ultimateStrain;
            computed_ = true;
        }
        s_.eps_cu = eps_;
        const auto confinedStrength = [this, &trial] {
            s_.fcc = ConfinedStrength(s_, s_.eps_cu, trial.peak);
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
        const RunBounds b =
            BoundsOf(s_, thicknesses_.At(from), thicknesses_.At(to - 1), rectangular_);
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
                    eps_ = ConfinementTrial(s_, thicknesses_.At(to - 1), rectangular_,
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

    // A part of a run passed over, with an upper bound of what its trials give the largest value
    // sought.
    struct Piece {
        double bound;
        std::int64_t from, to;
        const Skipped* run;
        bool operator<(const Piece& o) const { return bound < o.bound; }
    };

    // Raises eps_cu_max (strain) or fcc_max by the trials of the runs passed over, best bound
    // first: a piece whose bound does not exceed the largest exact value found cannot raise it,
    // nor can any piece after it.
    void Largest(bool strain) {
        double& largest = strain ? s_.eps_cu_max : s_.fcc_max;
        std::priority_queue<Piece> pieces;
        const auto push = [&](const Skipped& run, std::int64_t from, std::int64_t to) {
            // A run whose strains are all carried adds no strain of its own.
            if (strain && !run.all) return;
            const RunBounds b =
                BoundsOf(s_, thicknesses_.At(from), thicknesses_.At(to - 1), rectangular_);
            Range eps = run.all ? b.eps : Point(run.carried);
            if (run.all) eps.hi = std::min(eps.hi, StrainCeiling(s_, b.kf));
            const Range fcc = Max(Max(eps * Point(s_.Esec_u), b.peak), Point(s_.fco));
            double bound = strain ? eps.hi : fcc.hi;
            if (!eps.Known() || !fcc.Known() || std::isnan(bound)) bound = INFINITY;
            // Trials alike: one stands for them all.
            if (b.same) to = from + 1;
            pieces.push({bound, from, to, &run});
        };
        for (const Skipped& run : skipped_) push(run, run.from, run.to);
        while (!pieces.empty() && pieces.top().bound > largest) {
            const Piece piece = pieces.top();
            pieces.pop();
            if (piece.to - piece.from > kLiteralRun) {
                const std::int64_t mid = piece.from + (piece.to - piece.from) / 2;
                push(*piece.run, piece.from, mid);
                push(*piece.run, mid, piece.to);
                continue;
            }
            for (std::int64_t k = piece.from; k < piece.to; ++k) {
                const ConfinementTrialResult trial =
                    ConfinementTrial(s_, thicknesses_.At(k), rectangular_, CircularKfl::Evaluated);
                const double eps =
                    piece.run->all ? trial.ultimateStrain.value_or(NAN) : piece.run->carried;
                s_.eps_cu_max = std::max(s_.eps_cu_max, eps);
                if (WantsStrength())
                    s_.fcc_max = std::max(s_.fcc_max, ConfinedStrength(s_, eps, trial.peak));
            }
        }
    }

    DesignState& s_;
    const bool rectangular_;
    const short goal_;
    const StepScan thicknesses_;
    double eps_ = s_.eps_cu;  // the ultimate strain carried from trial to trial
    bool computed_ = false;
    ConfinementScanResult result_{};
    std::vector<Skipped> skipped_;
};

}  // namespace

ConfinementScanResult ConfinementThickness(DesignState& s, bool rectangular, short goal) {
    return ThicknessScan(s, rectangular, goal).Run();
}

}  // namespace kord
