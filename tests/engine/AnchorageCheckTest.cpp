#include "engine/AnchorageCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "engine/AppliedLaminate.h"
#include "engine/DesignState.h"
#include "engine/FlexureDesign.h"
#include "tests/ParamNames.h"
#include "tests/engine/EngineFixture.h"

namespace kord::test {
namespace {

// ---------------------------------------------------------------------------------------------
// The bond model.

struct WidthCase {
    double bf, b, s;  // mm, cm, strips in a layer
    double k_b;
};

class BondWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(BondWidth, FactorAtItsBounds) {
    const WidthCase& c = GetParam();
    EXPECT_NEAR(BondWidthFactor(c.bf, c.b, c.s), c.k_b, 1e-6) << c.bf << " " << c.b << " " << c.s;
}

// r = bf / (10·b / s); k_b = 1.06·√((2 − max(r, 0.5)) / (1 + bf/400)), never below 1.
INSTANTIATE_TEST_SUITE_P(
    Table, BondWidth,
    ::testing::Values(WidthCase{50, 30, 2, 1.223983},    // r = 1/3 counts as 0.5: √(1.5/1.125)
                      WidthCase{75, 30, 2, 1.191337},    // r = 0.5 exactly: √(1.5/1.1875)
                      WidthCase{74.9, 30, 2, 1.191463},  // just below 0.5: still 1.5
                      WidthCase{60, 20, 2, 1.169556},    // r = 0.6: √(1.4/1.15)
                      WidthCase{100, 20, 2, 1.0},        // r = 1: 0.948 raised to 1
                      WidthCase{100, 10, 2, 1.0},        // r = 2: 0, raised to 1
                      WidthCase{100, 5, 2, 1.0}),
    NamedBy([](const WidthCase& c) { return "bf " + Num(c.bf) + " b " + Num(c.b); }));  // r = 4

// Two strips 50 × 1.2 mm side by side on a 0.30 m section, Ef 165, fctm 2.21:
// N_bd,max = 0.5 · 1.223983 · 50 · √(165000 · 1.2 · 2.21 / 1.5) / 1000 · 2 = 33.0543 kN,
// l_bd,max = 0.6 · √(165000 · 1.2 / (2.21 / 1.5)) = 219.955 mm. Two layers of them: √2 times.
TEST(BondCapacity, ByHand) {
    const BondCapacity one = BondCapacityOf(50, 1.2, 165, 1, 2.21, 30, 2);
    EXPECT_NEAR(one.k_b, 1.223983, 1e-6);
    EXPECT_NEAR(one.Nbd_max, 33.0543, 1e-4);
    EXPECT_NEAR(one.lbd_max, 219.955, 1e-3);
    const BondCapacity two = BondCapacityOf(50, 1.2, 165, 2, 2.21, 30, 2);
    EXPECT_NEAR(two.Nbd_max, 33.0543 * std::sqrt(2.0), 1e-4);
    EXPECT_NEAR(two.lbd_max, 219.955 * std::sqrt(2.0), 1e-3);
}

TEST(AnchorageLength, FromNoForceToTheCapacity) {
    EXPECT_EQ(AnchorageLength(0, 33, 220), 0.0);
    EXPECT_EQ(AnchorageLength(0, 0, 220), 0.0);  // no force needs no length, never 0/0
    EXPECT_EQ(AnchorageLength(33, 33, 220), 220.0);
    EXPECT_NEAR(*AnchorageLength(16.5, 33, 220), 220 * (1 - std::sqrt(0.5)), 1e-9);
    EXPECT_EQ(AnchorageLength(33.01, 33, 220), std::nullopt);
}

TEST(MinimumLayers, FewestThatHoldTheStrips) {
    // 0.20 m wide: four strips of 50 mm fit side by side.
    EXPECT_EQ(MinimumLayers(3, 20, 50), 1.0);
    EXPECT_EQ(MinimumLayers(4, 20, 50), 1.0);
    EXPECT_EQ(MinimumLayers(6, 20, 50), 2.0);
    EXPECT_EQ(MinimumLayers(8, 20, 50), 2.0);
    EXPECT_EQ(MinimumLayers(9, 20, 50), 3.0);
    // Equal layers only: the count divides the strips.
    EXPECT_EQ(MinimumLayers(5, 20, 50), 5.0);
    EXPECT_EQ(MinimumLayers(10, 20, 50), 5.0);
    EXPECT_EQ(MinimumLayers(26, 30, 25), 13.0);   // 12 a layer
    EXPECT_EQ(MinimumLayers(26, 30, 100), 13.0);  // 3 a layer
    EXPECT_EQ(MinimumLayers(38, 30, 100), 19.0);
    // Never more than 20 layers: then no count of equal layers holds the strips.
    EXPECT_EQ(MinimumLayers(29, 30, 25), std::nullopt);
    EXPECT_EQ(MinimumLayers(29, 30, 100), std::nullopt);
    EXPECT_EQ(MinimumLayers(77, 30, 100), std::nullopt);
    EXPECT_EQ(MinimumLayers(1, 20, 201), std::nullopt);  // not a single strip fits
    EXPECT_EQ(MinimumLayers(1, 20, 0), std::nullopt);
}

// ---------------------------------------------------------------------------------------------
// The check on a real design: 0.30 × 0.50 m, 500 mm² at 0.05 m, C20/25, Msd 120 kNm, two strips
// 50 × 1.2 mm applied.

double Psi(double t) {
    const double e = 1000 * t;
    return t > 0.002 ? 1 - 2 / (3 * e) : (0.5 - e / 12) * e;
}
double DeltaG(double t) {
    const double e = 1000 * t;
    return t > 0.002 ? ((3 * e - 4) * e + 2) / ((3 * e - 2) * 2 * e) : (8 - e) / ((6 - e) * 4);
}

double Bisect(const std::function<double(double)>& f, double lo, double hi) {
    const bool rising = f(hi) > f(lo);
    for (int n = 0; n < 200; ++n) {
        const double mid = (lo + hi) / 2;
        ((f(mid) > 0) == rising ? hi : lo) = mid;
    }
    return (lo + hi) / 2;
}

// Section A by hand: for a top strain t the depth where concrete balances steel and strips,
// then the strain whose moment is M_sd,A; the strip force of that state [kN].
double HandStripForce(double MsdA, double eps_o, double Msd, double Af) {
    const double h = 50, d = 5, b = 30, As = 5, Es = 200, Ef = 165;
    const double fcd = 0.85 * 20 / 1.5, fy = 500 / 1.15;
    struct Trial {
        double x, ef, M;
    };
    auto stateAt = [&](double t) {
        auto strip = [&](double x) { return (h - x) * t / x - MsdA / Msd * eps_o; };
        auto tension = [&](double x) {
            const double sigma = std::clamp(Es * 1000 * t * (h - d - x) / x, -fy, fy);
            return std::pair{As * sigma, std::max(0.0, strip(x)) * Af * Ef * 1000};
        };
        const double x = Bisect(
            [&](double x) {
                const auto [Ts, Nf] = tension(x);
                return fcd * Psi(t) * b * x - Ts - Nf;
            },
            1e-4, h);
        const auto [Ts, Nf] = tension(x);
        const double z = DeltaG(t) * x;
        return Trial{x, strip(x), (Ts * (h - d - z) + Nf * (h - z)) / 1000};
    };
    const double t = Bisect([&](double t) { return stateAt(t).M - MsdA; }, 1e-5, 0.0035);
    return stateAt(t).ef * Af * 100 * Ef;
}

class AnchorageCheckTest : public EngineTest {
  protected:
    AnchorageCheckTest() : EngineTest(true) {
        FillReferenceBeam();
        designed = DesignFlexure(s).success;
        s.bf_strip = 50;
        s.tf_strip = 1.2;
        applied = ApplyChosenLaminate(s, 2) == std::nullopt;
        // Section A as the window proposes it, with the moment to check.
        s.fctm = 2.21;
        s.As2_A = 0;
        s.As12_A = 0;
        s.As11_A = 5;
        s.d2_A = 0;
        s.d12_A = 0;
        s.d11_A = 5;
        s.Es_A = 200;
        s.fyk_A = 500;
        s.n_layers_bond = 1;
    }

    bool designed = false, applied = false;
};

struct VerdictCase {
    double MsdA;
    bool positive;
};

class AnchorageVerdicts : public AnchorageCheckTest,
                          public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(AnchorageVerdicts, ForceOfTheStateAgainstTheBondCapacity) {
    ASSERT_TRUE(designed && applied);
    s.Msd_A = GetParam().MsdA;
    const AnchorageOutcome o = CheckAnchorage(s);
    ASSERT_TRUE(o.verdict) << o.message;
    EXPECT_NEAR(s.k_b, 1.223983, 1e-6);
    EXPECT_NEAR(s.Nbd_max, 33.0543, 1e-4);
    EXPECT_NEAR(s.lbd_max, 219.955, 1e-3);
    // The scan's state carries M_sd,A within its 5 %; its strip force is the hand one within
    // what the depth tolerance of 0.05 cm moves it.
    EXPECT_GT(s.M_A, s.Msd_A);
    EXPECT_LT(s.M_A, 1.05 * s.Msd_A);
    const double hand = HandStripForce(s.Msd_A, s.eps_o, 120, 1.2);
    EXPECT_NEAR(s.Nfd_A, hand, 0.02 * hand);
    EXPECT_EQ(AnchoragePositive(s), GetParam().positive);
    if (GetParam().positive) {
        EXPECT_NEAR(*AnchorageLength(s), 219.955 * (1 - std::sqrt(1 - s.Nfd_A / 33.0543)), 1e-3);
    } else {
        EXPECT_EQ(AnchorageLength(s), std::nullopt);
    }
    EXPECT_TRUE(AnchorageCheckCurrent(s));
}

// At 80 kNm the strips carry about 28 kN of the 33 kN they can anchor; at 118 kNm about 70 kN.
INSTANTIATE_TEST_SUITE_P(Hand, AnchorageVerdicts,
                         ::testing::Values(VerdictCase{80, true}, VerdictCase{118, false}),
                         NamedBy([](const VerdictCase& c) { return "Msd " + Num(c.MsdA); }));

struct RefusalCase {
    const char* what;
    std::function<void(DesignState&)> change;
    std::string message;
    AnchorageField focus;
};

class AnchorageRefusals : public AnchorageCheckTest,
                          public ::testing::WithParamInterface<RefusalCase> {};

// Each refusal in its turn: the ones before it pass. The refusal writes no result and leaves no
// valid check behind.
TEST_P(AnchorageRefusals, MessageFocusAndNoVerdict) {
    ASSERT_TRUE(designed && applied);
    s.Msd_A = 80;
    ASSERT_TRUE(CheckAnchorage(s).verdict);
    const double Nfd = s.Nfd_A, Nbd = s.Nbd_max;
    GetParam().change(s);
    const AnchorageOutcome o = CheckAnchorage(s);
    EXPECT_FALSE(o.verdict);
    EXPECT_EQ(o.message, GetParam().message);
    EXPECT_EQ(o.focus, GetParam().focus);
    EXPECT_FALSE(AnchorageCheckCurrent(s));
    EXPECT_EQ(s.Nfd_A, Nfd);
    EXPECT_EQ(s.Nbd_max, Nbd);
}

const char* const kDepths = "Zbyt duża wartość d11, d12 lub d2. Proszę podać wartość prawidłową.";
const char* const kNoMoment = "Proszę podać wartośc momentu zginającego w przekroju A.";
const char* const kNoLaminate =
    "Brak zastosowanych taśm wzmacniających. Proszę najpierw przeliczyć wyniki dla "
    "zastosowanego wzmocnienia (Wymiary elementu wzmacniającego, Powrót z uaktualnieniem).";
const char* const kLayersNotWhole =
    "Liczba warstw, w których ułożone są taśmy, powinna być liczbą całkowitą nie mniejszą od 1.";
const char* const kNoEqualLayers =
    "Nie można ułożyć 29 taśm w równych warstwach: liczba taśm w warstwie nie może przekroczyć 3 "
    "(tyle mieści się obok siebie w szerokości przekroju), a liczba warstw nie może przekroczyć "
    "20. Proszę wybrać liczbę taśm, którą można ułożyć w równych warstwach, i przeliczyć wyniki "
    "dla zastosowanego wzmocnienia (Wymiary elementu wzmacniającego, Powrót z uaktualnieniem).";
const char* const kNotMultiple =
    "Całkowita liczba taśm wzmocniających powinna być wielokrotnością liczby ich warstw.";

INSTANTIATE_TEST_SUITE_P(
    InOrder, AnchorageRefusals,
    ::testing::Values(
        RefusalCase{"a bar at the height, with no moment as well",
                    [](DesignState& s) {
                        s.d12_A = 50;
                        s.Msd_A = 0;
                    },
                    kDepths, AnchorageField::None},
        RefusalCase{"top bar below the section", [](DesignState& s) { s.d2_A = 51; }, kDepths,
                    AnchorageField::None},
        RefusalCase{"no moment, no strips as well",
                    [](DesignState& s) {
                        s.Msd_A = 0;
                        s.applied_n_strips = 0;
                    },
                    kNoMoment, AnchorageField::Moment},
        RefusalCase{"no strips, no strength as well",
                    [](DesignState& s) {
                        s.applied_n_strips = 0;
                        s.fctm = 0;
                    },
                    kNoLaminate, AnchorageField::None},
        RefusalCase{"a newer design", [](DesignState& s) { s.LaminateApplied = false; },
                    kNoLaminate, AnchorageField::None},
        RefusalCase{"strips wider than the section",
                    [](DesignState& s) { s.applied_bf_strip = 301; },
                    "Taśma o szerokości bf = 301 mm jest szersza od przekroju o szerokości b = "
                    "300 mm: w przekroju nie mieści się ani jedna taśma. Proszę zastosować węższe "
                    "taśmy.",
                    AnchorageField::None},
        RefusalCase{"29 strips, 3 across, no tensile strength as well",
                    [](DesignState& s) {
                        s.applied_bf_strip = 100;
                        s.applied_n_strips = 29;
                        s.fctm = 0;
                    },
                    kNoEqualLayers, AnchorageField::Layers},
        RefusalCase{"no tensile strength, no layers as well",
                    [](DesignState& s) {
                        s.fctm = 0;
                        s.n_layers_bond = 0;
                    },
                    "Wytrzymałość średnia podłoża na rozciąganie fctm musi być większa od zera.",
                    AnchorageField::Strength},
        RefusalCase{"no layers", [](DesignState& s) { s.n_layers_bond = 0; }, kLayersNotWhole,
                    AnchorageField::Layers},
        // Half a layer would divide the 2 strips into 4 whole ones: it must not pass.
        RefusalCase{"half a layer", [](DesignState& s) { s.n_layers_bond = 0.5; }, kLayersNotWhole,
                    AnchorageField::Layers},
        RefusalCase{"5 strips in 2 layers",
                    [](DesignState& s) {
                        s.applied_n_strips = 5;
                        s.n_layers_bond = 2;
                    },
                    kNotMultiple, AnchorageField::Layers},
        RefusalCase{"a moment beyond the crushing of the section",
                    [](DesignState& s) { s.Msd_A = 400; },
                    "Przekrój A nie przenosi momentu zginającego Msd,A = 400 kNm: beton ulega "
                    "zmiażdżeniu, zanim ten moment zostanie osiągnięty. Sprawdzenie zakotwienia "
                    "nie może zostać wykonane. Proszę sprawdzić dane przekroju A.",
                    AnchorageField::Moment},
        // No strain state comes within 5 % of a moment below every moment of the section.
        RefusalCase{"every state above the moment", [](DesignState& s) { s.Msd_A = -5; },
                    "Odkształcenia profilu poprzecznego podczas wzmacniania nie mogą być "
                    "poprawnie policzone. Rozwiązaniem problemu jest podanie innej wartości "
                    "jednego z momentów zginających w przekroju A.",
                    AnchorageField::Moment}),
    NamedBy([](const RefusalCase& c) { return std::string(c.what); }));

TEST_F(AnchorageCheckTest, ValidOnlyForTheLaminateItChecked) {
    ASSERT_TRUE(designed && applied);
    EXPECT_FALSE(AnchorageCheckCurrent(s));  // no check yet
    s.Msd_A = 80;
    ASSERT_TRUE(CheckAnchorage(s).verdict);
    EXPECT_TRUE(AnchorageCheckCurrent(s));
    // Another laminate recomputed: the check belongs to the former one.
    s.bf_strip = 50;
    s.tf_strip = 1.2;
    ASSERT_EQ(ApplyChosenLaminate(s, 3), std::nullopt);
    EXPECT_FALSE(AnchorageCheckCurrent(s));
    ASSERT_TRUE(CheckAnchorage(s).verdict);
    EXPECT_TRUE(AnchorageCheckCurrent(s));
    // A refused laminate changes nothing, the check stays valid.
    s.tf_strip = 0.0025;
    ASSERT_NE(ApplyChosenLaminate(s, 1), std::nullopt);
    EXPECT_TRUE(AnchorageCheckCurrent(s));
    // A new design clears the applied laminate.
    FillReferenceBeam();
    ASSERT_TRUE(DesignFlexure(s).success);
    EXPECT_FALSE(AnchorageCheckCurrent(s));
}

}  // namespace
}  // namespace kord::test
