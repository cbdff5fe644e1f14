// Random designs of every case through the literal scans and through the program's searches: the
// whole design state bit for bit, the outcome with its message and focus.
//
// The suite runs a few designs of each case. KORDELAN_DIFFERENTIAL_DESIGNS sets how many
// (scripts/differential.sh runs 10000), KORDELAN_DIFFERENTIAL_SHARD=k/n only every n-th of them
// from the k-th, so that shards run side by side.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/AnchorageCheck.h"
#include "engine/AppliedLaminate.h"
#include "engine/ConcreteClasses.h"
#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/FlexureDesign.h"
#include "engine/ShearDesign.h"
#include "engine/StressBlock.h"
#include "tests/CpuTime.h"
#include "tests/engine/EngineFixture.h"
#include "tests/engine/LiteralScans.h"
#include "tests/engine/StateFields.h"
#include "tests/engine/WorstInputs.h"

namespace kord::test {
namespace {

int EnvInt(const char* name, int otherwise) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : otherwise;
}

// Typed inputs: uniform within a field's range, often at one of its bounds, sometimes 0 where 0
// means "not given"; with as many decimals as a user types.
class Inputs {
  public:
    explicit Inputs(std::uint64_t seed) : rng_(seed) {}

    double Uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    bool Chance(double p) { return Uniform(0, 1) < p; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    // A number of the range [lo, hi] with the given decimals, a bound one time in eight.
    double Field(double lo, double hi, int decimals) {
        const double scale = std::pow(10.0, decimals);
        const double v = Chance(0.125) ? (Chance(0.5) ? lo : hi) : Uniform(lo, hi);
        return std::round(v * scale) / scale;
    }
    // The same, or 0 with the chance p.
    double Optional(double p, double lo, double hi, int decimals) {
        return Chance(p) ? 0 : Field(lo, hi, decimals);
    }
    // A moment of about scale (its field range [lo, hi]), or anywhere in the range.
    double Moment(double scale, double lo, double hi) {
        const double v = Chance(0.15) ? Field(lo, hi, 0) : scale * Uniform(0.02, 3);
        return std::clamp(std::round(v), lo, hi);
    }
    void Concrete(DesignState& s) {
        if (Chance(0.3)) {
            s.MeanStrengthTyped = true;
            s.fcm = Field(3, 100, 1);
            s.fck = std::max(0.0, s.fcm - kFcmOverFck);
        } else {
            s.MeanStrengthTyped = false;
            s.fck = kConcreteClasses[static_cast<std::size_t>(Pick(9))].fck;
            s.fcm = s.fck + kFcmOverFck;
        }
    }

  private:
    std::mt19937_64 rng_;
};

// What one random draw designs: its own state, and the strips of an applied laminate.
struct Draw {
    DesignState s;
    double count = 0;
};

void FlexureInputs(Inputs& in, DesignState& s) {
    s.TeeSection = in.Chance(0.5);
    s.OnlyDesiredModes = in.Chance(0.5);
    s.IterStep = 5e-7;
    s.IterTol = 0.0005;
    s.b = in.Field(0.05, 2, 2) * 100;
    s.h = in.Field(0.05, 2, 2) * 100;
    s.beff = in.Field(0.2, 6, 2) * 100;
    s.hf = in.Field(0.07, 0.6, 2) * 100;
    s.As2 = in.Optional(0.5, 50, 8000, 0) / 100;
    s.As12 = in.Optional(0.6, 50, 8000, 0) / 100;
    s.As11 = in.Optional(0.15, 50, 8000, 0) / 100;
    s.d2 = in.Field(0.01, 1, 2) * 100;
    s.d12 = in.Field(0.01, 1, 2) * 100;
    s.d11 = in.Field(0.01, 1, 2) * 100;
    // Distances that leave room in the section, most of the time.
    if (in.Chance(0.8)) {
        for (double* d : {&s.d2, &s.d12, &s.d11}) *d = std::min(*d, std::round(s.h * 0.4));
    }
    in.Concrete(s);
    s.phi = in.Field(0, 8, 1);
    s.fyk = in.Field(200, 800, 0);
    s.Es = in.Field(150, 250, 0);
    s.Ef = in.Field(10, 800, 0);
    s.eps_f_lim = in.Field(0.002, 0.015, 4);
    // Moments around what the section carries: fck·b·h²/10 in kNm.
    const double scale = s.fck * (s.TeeSection ? std::max(s.b, s.beff) : s.b) * s.h * s.h * 1e-4;
    s.Mo = in.Moment(0.02 * scale, 1, 6000);
    s.Msd = in.Moment(0.5 * scale, 5, 10000);
    s.Mser_r = in.Moment(0.2 * scale, 2, 8000);
    s.Mser_qp = in.Moment(0.15 * scale, 2, 8000);
    s.eps_c_qp_lim = CreepStrainLimit(s.phi);
    s.x = 0;
    s.eps_c = 0;
}

void ShearInputs(Inputs& in, DesignState& s) {
    s.ShearSheet = in.Chance(0.5);
    s.ShearClosed = in.Chance(0.5);
    const int fibre = in.Pick(3);
    s.ShearAramid = fibre == 1;
    s.IterStep = 5e-7;
    s.b = in.Field(0.05, 2, 2) * 100;
    s.alpha = in.Field(30, 150, 0);
    s.d = in.Field(0.2, 4, 2) * 100;
    s.k_eff = in.Field(0.3, 1, 2);
    s.gamma_fb = in.Field(1, 1.6, 2);
    s.gamma_fl = in.Field(1, 1.6, 2);
    s.gamma_ff = in.Field(1, 1.6, 2);
    in.Concrete(s);
    s.Vfd = in.Field(10, 400, 0);
    s.Ef = in.Field(10, 800, 0);
    s.eps_fu = in.Field(0.002, 0.08, 3);
    s.eps_f_lim = in.Field(0.002, 0.015, 4) / s.gamma_fl;
    s.bf = in.Field(0.01, 0.8, 2) * 100;
    s.sf = in.Field(0.03, 1.5, 2) * 100;
}

void ConfinementInputs(Inputs& in, DesignState& s) {
    s.ColumnRectangular = in.Chance(0.5);
    s.ConfinementSheet = in.Chance(0.5);
    s.IterStep = 5e-7;
    const double w = in.Field(0.05, 2, 2), h = in.Field(0.05, 2, 2);
    s.b = std::max(w, h) * 100;
    s.h = std::min(w, h) * 100;
    s.R = in.Field(0, 0.5, 2) * 100;
    if (in.Chance(0.7)) s.R = std::round(s.R * s.h / 100);  // a radius that fits, mostly
    s.D = in.Field(0.05, 4, 2) * 100;
    in.Concrete(s);
    s.Ef = in.Field(10, 800, 0);
    s.eps_fu_e = in.Field(0.002, 0.08, 3) * in.Field(0.1, 1, 1);
    s.bf_c = in.Field(0.01, 0.8, 2) * 100;
    s.sf_c = in.Field(0.03, 1.5, 2) * 100;
    s.ConfinementGoal = static_cast<short>(1 + in.Pick(3));
    s.fcc_req = std::max(std::round(s.fcm * in.Uniform(1, 2.5)), in.Field(5, 120, 0));
    if (in.Chance(0.2)) s.fcc_req = in.Field(5, 120, 0);
    s.fcc_req = std::min(s.fcc_req, 120.0);
    s.eps_cu_req = in.Field(0.002, 0.16, 4);
    // Strips whose gap is twice the diameter as typed: in cm it computes as 2D or within rounding
    // of it, and ks is 0 or some 1e-30. Sometimes moved by an ulp or two either way.
    if (in.Chance(0.15)) {
        s.ConfinementSheet = false;
        const double D = in.Field(0.05, 0.7, 2), bf = in.Field(0.01, 0.1, 2);
        s.D = D * 100;
        s.bf_c = bf * 100;
        s.sf_c = std::round((bf + 2 * D) * 100) / 100 * 100;
        for (int k = in.Pick(5) - 2; k != 0; k += k > 0 ? -1 : 1)
            s.sf_c = std::nextafter(s.sf_c, k > 0 ? INFINITY : 0);
    }
}

// A flexure design that succeeded, with strips ready to be applied: the count from 1 to the limit,
// most often around the count the required area needs.
bool DesignedWithStrips(Inputs& in, DesignState& s, double& count) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        FlexureInputs(in, s);
        if (!DesignFlexure(s).success) continue;
        s.bf_strip =
            std::vector<double>{50, 80, 100, 120, 150}[static_cast<std::size_t>(in.Pick(5))];
        s.tf_strip = std::vector<double>{1.2, 1.4, 2.0, 2.8}[static_cast<std::size_t>(in.Pick(4))];
        const double area = std::max({s.Af_req, s.Af_req_r, s.Af_req_qp}) * 100;
        const double needed = std::max(1.0, std::ceil(area / (s.bf_strip * s.tf_strip)));
        const int pick = in.Pick(4);
        count = pick == 0   ? 1 + in.Pick(kMaxStrips)
                : pick == 1 ? kMaxStrips
                            : std::clamp(needed + in.Pick(3) - 1, 1.0, double(kMaxStrips));
        return true;
    }
    return false;
}

// Section A after an applied laminate: the design's reinforcement or other bars, a moment up to
// the design's, layers from the fewest up to 20.
bool AnchorageInputs(Inputs& in, Draw& draw) {
    DesignState& s = draw.s;
    for (int attempt = 0; attempt < 50; ++attempt) {
        double count = 0;
        if (!DesignedWithStrips(in, s, count) || ApplyChosenLaminate(s, count)) continue;
        const bool own = in.Chance(0.6);
        s.fctm = in.Field(0.2, 8, 2);
        s.As2_A = own ? s.As2 : in.Optional(0.5, 50, 8000, 0) / 100;
        s.As12_A = own ? s.As12 : in.Optional(0.5, 50, 8000, 0) / 100;
        s.As11_A = own ? s.As11 : in.Field(50, 8000, 0) / 100;
        s.d2_A = own ? s.d2 : std::min(in.Field(0.01, 1, 2) * 100, std::round(s.h * 0.4));
        s.d12_A = own ? s.d12 : std::min(in.Field(0.01, 1, 2) * 100, std::round(s.h * 0.4));
        s.d11_A = own ? s.d11 : std::min(in.Field(0.01, 1, 2) * 100, std::round(s.h * 0.4));
        s.Es_A = own ? s.Es : in.Field(150, 250, 0);
        s.fyk_A = own ? s.fyk : in.Field(200, 800, 0);
        const std::optional<double> least = MinimumLayers(s.applied_n_strips, s.b, s.bf_strip);
        s.n_layers_bond = least ? std::min(20.0, *least + (in.Chance(0.7) ? 0 : in.Pick(3))) : 1;
        s.Msd_A = std::max(1.0, std::round(in.Uniform(0, 1) * s.Msd));
        return true;
    }
    return false;
}

std::string Said(const DesignOutcome& o) {
    return o.success ? "success"
                     : o.message + " | " + o.title + " | " + std::to_string(int(o.focus)) +
                           (o.focusFirst ? " first" : "");
}

struct Tally {
    int compared = 0, succeeded = 0, different = 0;
    double slowest = 0;  // ms of the slowest design through the program's searches
    int slowestDesign = -1;
    std::map<std::string, int> outcomes;
};

// A preparation that every random draw passes.
template <void (*Fill)(Inputs&, DesignState&)>
bool Always(Inputs& in, Draw& draw) {
    Fill(in, draw.s);
    return true;
}

// Runs the designs of one case through both searches, each on states of its own, the draws split
// over threads (KORDELAN_DIFFERENTIAL_THREADS, by default what the machine runs side by side
// over the shards). prepare fills a draw from the random inputs (false: no design to compare);
// run runs the case on it and says how it ended.
Tally Compare(const char* name, int reduced, std::uint64_t seed,
              const std::function<bool(Inputs&, Draw&)>& prepare,
              const std::function<std::string(Draw&)>& run) {
    const int designs = EnvInt("KORDELAN_DIFFERENTIAL_DESIGNS", reduced);
    int shard = 0, shards = 1;
    if (const char* v = std::getenv("KORDELAN_DIFFERENTIAL_SHARD"))
        std::sscanf(v, "%d/%d", &shard, &shards);
    const int workers = std::max(
        1, EnvInt("KORDELAN_DIFFERENTIAL_THREADS",
                  static_cast<int>(std::thread::hardware_concurrency()) / std::max(1, shards)));
    std::vector<Tally> tallies(static_cast<std::size_t>(workers));
    // The differences by design, reported in the order of the designs.
    std::vector<std::map<int, std::string>> differences(tallies.size());
    auto work = [&](int w) {
        Tally& t = tallies[static_cast<std::size_t>(w)];
        for (int n = shard + w * shards; n < designs; n += shards * workers) {
            Inputs in(seed * 1000003 + static_cast<std::uint64_t>(n));
            Draw inputs;
            if (!prepare(in, inputs)) continue;
            Draw literalDraw = inputs;
            std::string literal;
            {
                SearchesScope use(LiteralSearches());
                literal = run(literalDraw);
            }
            Draw fastDraw = inputs;
            const auto start = std::chrono::steady_clock::now();
            const std::string fast = run(fastDraw);
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            if (ms > t.slowest) {
                t.slowest = ms;
                t.slowestDesign = n;
            }
            const std::vector<std::string> differ = DifferentFields(fastDraw.s, literalDraw.s);
            ++t.compared;
            t.succeeded += fast == "success";
            ++t.outcomes[fast.substr(0, 48)];
            if (fast != literal || !differ.empty()) {
                ++t.different;
                std::string fields;
                for (const std::string& f : differ) fields += f + " ";
                differences[static_cast<std::size_t>(w)][n] =
                    std::string(name) + " design " + std::to_string(n) + ": fast \"" + fast +
                    "\", literal \"" + literal + "\", fields differing: " + fields;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w) threads.emplace_back(work, w);
    work(0);
    for (std::thread& thread : threads) thread.join();

    Tally t;
    std::map<int, std::string> differing;
    for (std::size_t w = 0; w < tallies.size(); ++w) {
        const Tally& part = tallies[w];
        t.compared += part.compared;
        t.succeeded += part.succeeded;
        t.different += part.different;
        if (part.slowest > t.slowest) {
            t.slowest = part.slowest;
            t.slowestDesign = part.slowestDesign;
        }
        for (const auto& [said, count] : part.outcomes) t.outcomes[said] += count;
        differing.merge(differences[w]);
    }
    for (const auto& [n, message] : differing) ADD_FAILURE() << message;
    std::printf("%s: %d designs compared, %d succeeded, %d differ; slowest %.2f ms (design %d)\n",
                name, t.compared, t.succeeded, t.different, t.slowest, t.slowestDesign);
    for (const auto& [said, count] : t.outcomes) std::printf("  %6d  %s\n", count, said.c_str());
    return t;
}

class Differential : public EngineTest {};

TEST_F(Differential, Flexure) {
    const Tally t = Compare("flexure", 100, 1, Always<FlexureInputs>,
                            [](Draw& d) { return Said(DesignFlexure(d.s)); });
    EXPECT_GT(t.succeeded, 0);
}

TEST_F(Differential, AppliedLaminate) {
    const Tally t = Compare(
        "applied laminate", 30, 2,
        [](Inputs& in, Draw& d) { return DesignedWithStrips(in, d.s, d.count); },
        [](Draw& d) { return ApplyChosenLaminate(d.s, d.count).value_or("success"); });
    EXPECT_GT(t.succeeded, 0);
}

TEST_F(Differential, Anchorage) {
    const Tally t = Compare("anchorage", 20, 3, AnchorageInputs, [](Draw& d) {
        const AnchorageOutcome o = CheckAnchorage(d.s);
        return o.verdict ? std::string("success")
                         : o.message + " | " + std::to_string(int(o.focus));
    });
    EXPECT_GT(t.succeeded, 0);
}

TEST_F(Differential, Shear) {
    const Tally t = Compare("shear", 40, 4, Always<ShearInputs>,
                            [](Draw& d) { return Said(DesignShear(d.s)); });
    EXPECT_GT(t.succeeded, 0);
}

TEST_F(Differential, Confinement) {
    const Tally t = Compare("confinement", 16, 5, Always<ConfinementInputs>,
                            [](Draw& d) { return Said(DesignConfinement(d.s)); });
    EXPECT_GT(t.succeeded, 0);
}

// The columns on which the confinement scan works longest, each in its way.
TEST_F(Differential, WorstColumns) {
    for (const DesignState& inputs : {InteriorStrainPeak(), SlowlyRisingStrain(), LevellingStrain(),
                                      NoConfinement(), GapAtTwiceDiameter()}) {
        s = inputs;
        std::string literal;
        DesignState literalState;
        {
            SearchesScope use(LiteralSearches());
            literal = Said(DesignConfinement(s));
            literalState = s;
        }
        s = inputs;
        const auto start = ThreadCpuTime();
        EXPECT_EQ(Said(DesignConfinement(s)), literal);
        // Within the 50 ms of a click, with room for a sanitizer's build.
        EXPECT_LT(ThreadCpuTime() - start, std::chrono::milliseconds(50));
        EXPECT_EQ(DifferentFields(s, literalState), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace kord::test
