#include "engine/AppliedLaminate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/FlexureDesign.h"
#include "engine/ShearDesign.h"
#include "engine/StressBlock.h"
#include "tests/ParamNames.h"
#include "tests/engine/EngineFixture.h"

namespace kord::test {
namespace {

// Every field a recomputation may write, for telling that a refused one wrote none.
std::vector<double> Written(const DesignState& s) {
    return {s.n_strips,
            s.Af_applied,
            s.MRd_applied,
            s.Mser_r_applied,
            s.Mser_qp_applied,
            s.Af,
            s.eps_c,
            s.eps_f,
            s.x,
            s.sigma_s11,
            s.sigma_s12,
            s.sigma_s2,
            s.eps_c2,
            s.dz_T,
            s.psi,
            s.deltaG,
            s.psi2,
            s.deltaG2,
            s.Af_r_trial,
            s.eps_c_r,
            s.x_r,
            s.eps_f_r,
            s.eps_s,
            s.eps_s_ser,
            s.sigma_s11_r,
            s.sigma_s12_r,
            s.sigma_s2_r,
            s.Af_qp_trial,
            s.eps_c_qp,
            s.x_qp,
            s.eps_f_qp,
            s.eps_s_ser_qp,
            s.sigma_s11_qp,
            s.sigma_s12_qp,
            s.sigma_s2_qp,
            s.n_layers,
            s.tf_total_shear,
            s.tf_total_conf,
            s.rho_f,
            s.eps_fd_e,
            s.Vfd_applied,
            s.rho_fx,
            s.rho_fy,
            s.rho_fc,
            s.El_x,
            s.El_y,
            s.El,
            s.fl_x,
            s.fl_y,
            s.fl,
            s.fcc_fco,
            s.k_fl,
            s.Esec,
            s.eps_cu_applied,
            s.fcc_applied,
            s.applied_bf_strip,
            s.applied_tf_strip,
            s.applied_n_strips,
            s.applied_Af,
            s.applied_tf_layer,
            s.applied_n_layers,
            s.applied_tf_total,
            s.i,
            double(s.LaminateGeneration),
            double(s.SteelAtYield),
            double(s.LaminateApplied)};
}

// The parabola-rectangle law written out again.
double Psi(double t) {
    const double e = 1000 * t;
    return t > 0.002 ? 1 - 2 / (3 * e) : (0.5 - e / 12) * e;
}
double DeltaG(double t) {
    const double e = 1000 * t;
    return t > 0.002 ? ((3 * e - 4) * e + 2) / ((3 * e - 2) * 2 * e) : (8 - e) / ((6 - e) * 4);
}

// 0.30 × 0.50 m, 500 mm² at 0.05 m, C20/25, fyk 500, Ef 165, εf,lim 0.008, Mo 30 kNm.
class AppliedLaminateTest : public EngineTest {
  protected:
    AppliedLaminateTest() : EngineTest(true) {}

    bool DesignBeam(const char* Msd) {
        FillReferenceBeam(Msd);
        return DesignFlexure(s).success;
    }

    // One strip 100 mm wide whose thickness gives the area Af [cm²].
    std::optional<std::string> ApplyArea(double Af) {
        s.bf_strip = 100;
        s.tf_strip = Af;
        return ApplyChosenLaminate(s, 1);
    }
};

struct CountCase {
    double exact;
    int limit;
    std::optional<int> whole;
};

class WholeCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(WholeCounts, FirstWholeNumberNotBelow) {
    EXPECT_EQ(WholeCount(GetParam().exact, GetParam().limit), GetParam().whole) << GetParam().exact;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, WholeCounts,
    ::testing::Values(CountCase{0, kMaxStrips, 0}, CountCase{0.3, kMaxStrips, 1},
                      CountCase{3.0, kMaxStrips, 3}, CountCase{3.01, kMaxStrips, 4},
                      // 4,20 mm² of strips of 0,6 mm² is 7.000000000000001 in floating point.
                      CountCase{4.2 / 0.6, kMaxStrips, 7}, CountCase{7 + 1e-7, kMaxStrips, 8},
                      CountCase{200, kMaxStrips, 200}, CountCase{200.001, kMaxStrips, {}},
                      CountCase{50, kMaxLayers, 50}, CountCase{50.01, kMaxLayers, {}}),
    NamedBy([](const CountCase& c) {
        return std::string(c.limit == kMaxLayers ? "layers " : "strips ") +
               (c.whole ? std::to_string(*c.whole) : "refused");
    }));

TEST(ApplicableCounts, OnlyWholeNumbersFromOne) {
    for (double n : {1.0, 2.0, 7.0, 200.0}) EXPECT_TRUE(ApplicableCount(n)) << n;
    for (double n : {0.0, 0.5, 2.5, -1.0, std::nan("")}) EXPECT_FALSE(ApplicableCount(n)) << n;
}

// The design needed the composite at its limit strain (Msd 120) or the concrete crushing
// (Msd 200); the applied area equal to the required one gives the capacity back within the 5 %
// of the acceptance.
TEST_F(AppliedLaminateTest, RequiredAreaGivesTheDesignCapacityBack) {
    for (const char* Msd : {"120", "200"}) {
        ASSERT_TRUE(DesignBeam(Msd));
        const double MRd = s.MRd;
        ASSERT_EQ(ApplyArea(s.Af_req), std::nullopt) << Msd;
        EXPECT_NEAR(s.MRd_applied, MRd, 0.05 * MRd) << Msd;
        EXPECT_GT(s.MRd_applied, 0.95 * s.Msd) << Msd;
        // The design results themselves stay.
        EXPECT_EQ(s.MRd, MRd);
    }
}

// Phase 1 (crushing) takes the first area below the applied one, phase 2 (composite at its limit
// strain) the first above; the moment is that of the accepted trial, written out by hand.
TEST_F(AppliedLaminateTest, EachPhaseApproachesTheAppliedAreaFromItsSide) {
    ASSERT_TRUE(DesignBeam("120"));
    const struct {
        double Af;
        bool crushing;
    } cases[] = {{5.0, true}, {0.5, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(AppliedUltimateState(s, c.Af)) << c.Af;
        if (c.crushing) {
            EXPECT_EQ(s.eps_c, kCrushingStrain);
            EXPECT_LT(s.Af, c.Af);
            EXPECT_GT(s.Af, 0.95 * c.Af);
        } else {
            EXPECT_EQ(s.eps_f, s.eps_f_lim);
            EXPECT_GT(s.Af, c.Af);
            EXPECT_LT(s.Af, 1.05 * c.Af);
        }
        const double x = 50 * s.eps_c / (s.eps_c + s.eps_f + s.eps_o);
        EXPECT_NEAR(s.x, x, 1e-12);
        const double sigma = std::min(200e3 * s.eps_c * (45 - x) / x, 500 / 1.15);
        const double C = 0.85 * 20 / 1.5 * Psi(s.eps_c) * 30 * x;
        const double T = 5 * sigma;
        const double z = DeltaG(s.eps_c) * x;
        EXPECT_NEAR(s.Af, (C - T) / (165e3 * s.eps_f), 1e-9);
        EXPECT_NEAR(s.MRd_applied, (T * (45 - z) + (C - T) * (50 - z)) / 1000, 1e-9);
        EXPECT_EQ(s.SteelAtYield, sigma == 500 / 1.15);
    }
}

TEST_F(AppliedLaminateTest, ServiceStatesApproachTheAppliedAreaFromBelow) {
    ASSERT_TRUE(DesignBeam("120"));
    for (double Af : {0.5, 5.0}) {
        double moment = 0;
        ASSERT_TRUE(AppliedServiceState(s, RareCombination(s), Af, moment)) << Af;
        EXPECT_LT(s.Af_r_trial, Af);
        EXPECT_GT(s.Af_r_trial, 0.95 * Af);
        // Either the concrete at its limit with the outer steel within its own, or the steel at
        // its limit.
        const bool concreteAtLimit = s.eps_c_r == kRareStrain;
        const double eps_s = (45 - s.x_r) * s.eps_c_r / s.x_r;
        if (concreteAtLimit)
            EXPECT_LE(eps_s, s.eps_s_ser + 1e-15);
        else
            EXPECT_NEAR(eps_s, s.eps_s_ser, 1e-12);
        EXPECT_GT(moment, 0);
        ASSERT_TRUE(AppliedServiceState(s, QuasiPermanentCombination(s), Af, moment)) << Af;
        EXPECT_LT(s.Af_qp_trial, Af);
        EXPECT_GT(s.Af_qp_trial, 0.95 * Af);
    }
}

TEST_F(AppliedLaminateTest, AcceptedLaminateIsKeptApartAndMarked) {
    ASSERT_TRUE(DesignBeam("120"));
    s.bf_strip = 50;
    s.tf_strip = 1.2;
    ASSERT_EQ(ApplyChosenLaminate(s, 2), std::nullopt);
    EXPECT_TRUE(s.LaminateApplied);
    EXPECT_EQ(s.LaminateGeneration, 1);
    EXPECT_EQ(s.n_strips, 2);
    EXPECT_NEAR(s.Af_applied, 1.2, 1e-12);
    EXPECT_EQ(s.applied_n_strips, 2);
    EXPECT_EQ(s.applied_bf_strip, 50);
    EXPECT_EQ(s.applied_tf_strip, 1.2);
    EXPECT_EQ(s.applied_Af, s.Af_applied);
    EXPECT_GT(s.MRd_applied, s.Msd);
    EXPECT_GT(s.Mser_r_applied, 0);
    EXPECT_GT(s.Mser_qp_applied, 0);
    ASSERT_EQ(ApplyChosenLaminate(s, 3), std::nullopt);
    EXPECT_EQ(s.LaminateGeneration, 2);
}

struct Refusal {
    double count;
    double Af;  // cm²; with 1 strip of 100 mm
    const char* message;
};

class FlexureRefusals : public AppliedLaminateTest,
                        public ::testing::WithParamInterface<Refusal> {};

// A laminate refused after an accepted one leaves every field as the accepted one left it.
TEST_P(FlexureRefusals, ChangeNothing) {
    ASSERT_TRUE(DesignBeam("120"));
    s.bf_strip = 50;
    s.tf_strip = 1.2;
    ASSERT_EQ(ApplyChosenLaminate(s, 2), std::nullopt);
    s.bf_strip = 100;
    s.tf_strip = GetParam().Af;
    s.n_strips = 7;  // as the dimensioning left it
    const std::vector<double> before = Written(s);
    EXPECT_EQ(ApplyChosenLaminate(s, GetParam().count), GetParam().message);
    EXPECT_EQ(Written(s), before);
}

INSTANTIATE_TEST_SUITE_P(
    EachSearchAndTheCount, FlexureRefusals,
    ::testing::Values(
        Refusal{1, 0.0025,
                "Dla zastosowanego przekroju wzmocnienia Af = 0,25 mm2 nie można wyznaczyć stanu "
                "granicznego nośności. Wyniki nie zostały uaktualnione. Proszę zmienić liczbę lub "
                "wymiary taśm wzmacniających."},
        Refusal{1, 0.01,
                "Dla zastosowanego przekroju wzmocnienia Af = 1,00 mm2 nie można wyznaczyć stanu "
                "granicznego użytkowalności od obciążeń zmiennych o wartościach wyjątkowych. "
                "Wyniki nie zostały uaktualnione. Proszę zmienić liczbę lub wymiary taśm "
                "wzmacniających."},
        Refusal{1, 0.05,
                "Dla zastosowanego przekroju wzmocnienia Af = 5,00 mm2 nie można wyznaczyć stanu "
                "granicznego użytkowalności od obciążeń zmiennych o wartościach prawie stałych. "
                "Wyniki nie zostały uaktualnione. Proszę zmienić liczbę lub wymiary taśm "
                "wzmacniających."},
        Refusal{0, 1,
                "Liczba zastosowanych taśm wzmacniających powinna być liczbą całkowitą "
                "nie mniejszą od 1. Wyniki nie zostały uaktualnione."},
        Refusal{2.5, 1,
                "Liczba zastosowanych taśm wzmacniających powinna być liczbą całkowitą "
                "nie mniejszą od 1. Wyniki nie zostały uaktualnione."}),
    NamedBy([](const Refusal& c) { return "count " + Num(c.count) + " Af " + Num(c.Af); }));

// ---------------------------------------------------------------------------------------------
// Shear and confinement.

struct ShearForm {
    bool sheet, closed;
    int fibre;  // 0 CFRP, 1 AFRP
};

class AppliedShear : public AppliedLaminateTest, public ::testing::WithParamInterface<ShearForm> {};

TEST_P(AppliedShear, RequiredThicknessGivesTheDesignForceBack) {
    s.IterStep = 5e-7;
    s.ShearSheet = GetParam().sheet;
    s.ShearClosed = GetParam().closed;
    s.ShearAramid = GetParam().fibre == 1;
    s.b = Local("0.3") * 100;
    s.d = Local("0.5") * 100;
    s.alpha = 60;
    s.k_eff = 0.8;
    s.gamma_fb = 1.3;
    s.gamma_fl = 1.25;
    s.gamma_ff = GetParam().fibre == 1 ? 1.25 : 1.2;
    ChooseConcrete(2, nullptr);
    s.Vfd = 80;
    s.Ef = 230;
    s.eps_fu = Local("0.015");
    s.eps_f_lim = Local("0.006") / s.gamma_fl;
    s.bf = Local("0.1") * 100;
    s.sf = Local("0.3") * 100;
    ASSERT_TRUE(DesignShear(s).success);

    // One layer as thick as required.
    s.tf_layer = s.tf * 10;
    ASSERT_EQ(ApplyChosenLaminate(s, 1), std::nullopt);
    EXPECT_DOUBLE_EQ(s.tf_total_shear, s.tf);
    EXPECT_DOUBLE_EQ(s.Vfd_applied, s.Vfd_calc);
    EXPECT_EQ(s.applied_n_layers, 1);
    EXPECT_EQ(s.applied_tf_layer, s.tf_layer);
    EXPECT_TRUE(s.LaminateApplied);
    // Two layers carry more.
    ASSERT_EQ(ApplyChosenLaminate(s, 2), std::nullopt);
    EXPECT_GT(s.Vfd_applied, s.Vfd_calc);
}

INSTANTIATE_TEST_SUITE_P(Forms, AppliedShear,
                         ::testing::Values(ShearForm{true, true, 0}, ShearForm{true, false, 0},
                                           ShearForm{false, false, 0}, ShearForm{true, true, 1},
                                           ShearForm{false, true, 1}),
                         NamedBy([](const ShearForm& c) {
                             return std::string(c.sheet ? "sheet" : "strips") +
                                    (c.closed ? " closed" : " open") +
                                    (c.fibre ? " AFRP" : " CFRP");
                         }));

struct ColumnForm {
    bool rectangular;
    bool strengthGoal;
};

class AppliedConfinement : public AppliedLaminateTest,
                           public ::testing::WithParamInterface<ColumnForm> {
  protected:
    void DesignColumn() {
        s.IterStep = 5e-7;
        s.ColumnRectangular = GetParam().rectangular;
        s.ConfinementSheet = true;
        s.ConfinementGoal = GetParam().strengthGoal ? StrengthGoal : StrainGoal;
        s.b = Local("0.4") * 100;
        s.h = Local("0.3") * 100;
        s.D = Local("0.4") * 100;
        s.R = Local("0.03") * 100;
        ChooseConcrete(2, nullptr);
        s.Ef = 230;
        s.eps_fu_e = Local("0.015") * Local("0.9");
        s.bf_c = s.sf_c = 0;
        s.fcc_req = 35;
        s.eps_cu_req = Local("0.012");
        ASSERT_TRUE(DesignConfinement(s).success);
    }
};

TEST_P(AppliedConfinement, RequiredThicknessGivesTheDesignStrengthBack) {
    DesignColumn();
    s.tf_layer = s.tf_c * 10;
    ASSERT_EQ(ApplyChosenLaminate(s, 1), std::nullopt);
    EXPECT_DOUBLE_EQ(s.tf_total_conf, s.tf_c);
    EXPECT_NEAR(s.fcc_applied, s.fcc, 1e-9 * s.fcc);
    EXPECT_NEAR(s.eps_cu_applied, s.eps_cu, 1e-9 * s.eps_cu);
    if (!GetParam().rectangular) {
        EXPECT_EQ(s.k_fl, 1);
    }
    EXPECT_EQ(s.applied_tf_total, s.tf_c);
}

// A concrete whose ultimate secant modulus equals its modulus (no strain gain, as beta_c = 0
// gives) leaves the ultimate strain without a value: the layers are refused, nothing changes.
TEST_P(AppliedConfinement, StrainWithoutAValueRefusesTheLayers) {
    DesignColumn();
    s.Esec_u = s.Ec;
    s.tf_layer = 0.5;
    const std::vector<double> before = Written(s);
    EXPECT_EQ(ApplyChosenLaminate(s, 2),
              "Dla zastosowanej grubości wzmocnienia t = 1,000 mm nie można wyznaczyć "
              "odkształcenia wzmocnionego elementu przy zniszczeniu. Wyniki nie zostały "
              "uaktualnione. Proszę zmienić liczbę lub grubość warstw wzmocnienia.");
    EXPECT_EQ(Written(s), before);
}

INSTANTIATE_TEST_SUITE_P(Columns, AppliedConfinement,
                         ::testing::Values(ColumnForm{true, true}, ColumnForm{false, true},
                                           ColumnForm{false, false}),
                         NamedBy([](const ColumnForm& c) {
                             return std::string(c.rectangular ? "rectangular" : "circular") +
                                    (c.strengthGoal ? " strength" : " strain");
                         }));

}  // namespace
}  // namespace kord::test
