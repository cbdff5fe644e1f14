#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "engine/DesignState.h"
#include "engine/StrainQuantities.h"
#include "platform/NumberFormat.h"

namespace kord::test {
namespace {

// A section 50 cm high with all three layers and four distinct strain states.
DesignState Section() {
    DesignState s;
    s.h = 50;
    s.d2 = 4;
    s.d12 = 6;
    s.d11 = 2;
    s.As2 = 2;
    s.As12 = 3;
    s.As11 = 4;
    s.x_o = 12, s.eps_co = 0.0004, s.eps_o = 0.001;
    s.x = 10, s.eps_c = 0.0035, s.eps_f = 0.006;
    s.x_r = 3, s.eps_c_r = 0.0006, s.eps_f_r = 0.0009;
    s.x_qp = 15, s.eps_c_qp = 0.0008, s.eps_f_qp = 0.0005;
    return s;
}

// Leaves the process locale as the test found it.
class StrainQuantities : public ::testing::Test {
  protected:
    ~StrainQuantities() override { SetCurrentLocale(saved_); }

  private:
    NumericLocale saved_ = CurrentLocale();
};

struct BarCase {
    StrainState state;
    SteelLayer layer;
    BarGradient gradient;
    double expected;
};

TEST_F(StrainQuantities, BarStrainsFollowPlaneSections) {
    const DesignState s = Section();
    const BarCase cases[] = {
        // Top layer from the top fibre, whatever the gradient.
        {StrainState::Initial, SteelLayer::Top2, BarGradient::Soffit, 8 * 0.0004 / 12},
        {StrainState::Ultimate, SteelLayer::Top2, BarGradient::TopFibre, 6 * 0.0035 / 10},
        // Below the neutral axis the top bar is stretched.
        {StrainState::Rare, SteelLayer::Top2, BarGradient::Soffit, -0.0006 / 3},
        // Soffit gradient: soffit tension over h - x; the initial state has eps_o alone.
        {StrainState::Initial, SteelLayer::Bottom12, BarGradient::Soffit, 32 * 0.001 / 38},
        {StrainState::Ultimate, SteelLayer::Bottom12, BarGradient::Soffit, 34 * 0.007 / 40},
        {StrainState::Ultimate, SteelLayer::Bottom11, BarGradient::Soffit, 38 * 0.007 / 40},
        {StrainState::Rare, SteelLayer::Bottom11, BarGradient::Soffit, 45 * 0.0019 / 47},
        // Top-fibre gradient: top strain over x.
        {StrainState::Rare, SteelLayer::Bottom12, BarGradient::TopFibre, 41 * 0.0006 / 3},
        {StrainState::Rare, SteelLayer::Bottom11, BarGradient::TopFibre, 45 * 0.0006 / 3},
        {StrainState::QuasiPermanent, SteelLayer::Bottom12, BarGradient::TopFibre,
         29 * 0.0008 / 15},
        {StrainState::QuasiPermanent, SteelLayer::Bottom11, BarGradient::Soffit, 33 * 0.0015 / 35},
    };
    for (const BarCase& c : cases) {
        const std::optional<double> e = BarStrain(s, c.state, c.layer, c.gradient);
        ASSERT_TRUE(e.has_value());
        EXPECT_NEAR(*e, c.expected, 1e-15)
            << static_cast<int>(c.state) << " " << static_cast<int>(c.layer);
    }
}

TEST_F(StrainQuantities, StateFieldsAndLayerDepths) {
    const DesignState s = Section();
    EXPECT_EQ(SoffitStrain(s, StrainState::Initial), 0.001);
    EXPECT_EQ(SoffitStrain(s, StrainState::Ultimate), 0.006 + 0.001);
    EXPECT_EQ(SoffitStrain(s, StrainState::QuasiPermanent), 0.0005 + 0.001);
    EXPECT_EQ(CompositeStrain(s, StrainState::Initial), 0);
    EXPECT_EQ(LayerDepth(s, SteelLayer::Top2), 4);
    EXPECT_EQ(LayerDepth(s, SteelLayer::Bottom12), 44);
    EXPECT_EQ(LayerDepth(s, SteelLayer::Bottom11), 48);
}

// A depth not above 0, or not below h, leaves each quotient over it without a value.
TEST_F(StrainQuantities, UnusableDepthsGiveNoValue) {
    struct Case {
        double x;
        bool top, soffit, topFibre;
    };
    const Case cases[] = {
        {0, false, true, false}, {-2, false, true, false}, {50, true, false, true},
        {60, true, false, true}, {25, true, true, true},
    };
    for (const Case& c : cases) {
        DesignState s = Section();
        s.x_r = c.x;
        const auto st = StrainState::Rare;
        EXPECT_EQ(BarStrain(s, st, SteelLayer::Top2, BarGradient::Soffit).has_value(), c.top)
            << c.x;
        EXPECT_EQ(BarStrain(s, st, SteelLayer::Bottom12, BarGradient::Soffit).has_value(), c.soffit)
            << c.x;
        EXPECT_EQ(BarStrain(s, st, SteelLayer::Bottom11, BarGradient::TopFibre).has_value(),
                  c.topFibre)
            << c.x;
    }
    SetCurrentLocale(NumericLocale::FromName("pl_PL"));
    EXPECT_EQ(ShownValue(std::nullopt, "0.00000"), "-");
    EXPECT_EQ(ShownValue(std::numeric_limits<double>::infinity(), "0.00000"), "-");
    EXPECT_EQ(ShownValue(std::nan(""), "#0.000"), "-");
    EXPECT_EQ(ShownValue(-0.0002, "0.00000"), "-0,00020");
}

TEST_F(StrainQuantities, CompositeActsByTheStatesOwnArea) {
    struct Case {
        double reqR, reqQp, applied;
        bool rare, quasi;
    };
    const Case cases[] = {
        {0, 0, 0, false, false}, {0, 0, 1.2, true, true},   {2, 0, 0, true, false},
        {0, 2, 0, false, true},  {-1, 0, 1.2, false, true}, {3, -0.5, 0, true, false},
        {2, 2, 0, true, true},
    };
    for (const Case& c : cases) {
        DesignState s = Section();
        s.Af_req_r = c.reqR, s.Af_req_qp = c.reqQp, s.Af_applied = c.applied;
        EXPECT_EQ(CompositeActs(s, StrainState::Rare), c.rare) << c.reqR << " " << c.applied;
        EXPECT_EQ(CompositeActs(s, StrainState::QuasiPermanent), c.quasi) << c.reqQp;
        EXPECT_EQ(BottomRowSubscript(s, StrainState::Rare), std::string(c.rare ? "f" : "b"));
        EXPECT_EQ(BottomRowStrain(s, StrainState::Rare), c.rare ? 0.0009 : 0.0009 + 0.001);
        EXPECT_EQ(BottomRowStrain(s, StrainState::QuasiPermanent),
                  c.quasi ? 0.0005 : 0.0005 + 0.001);
        EXPECT_TRUE(CompositeActs(s, StrainState::Ultimate));
        EXPECT_FALSE(CompositeActs(s, StrainState::Initial));
        EXPECT_EQ(BottomRowStrain(s, StrainState::Ultimate), 0.006);
        EXPECT_EQ(BottomRowSubscript(s, StrainState::Initial), std::string("o"));
    }
}

TEST_F(StrainQuantities, FailureModeOnExactEqualities) {
    struct Case {
        bool yield;
        double epsC, epsF;
        const char* text;
    };
    const double lim = 0.0085;
    const double almostCrushing = std::nextafter(0.0035, 1.0);
    const Case cases[] = {
        {true, 0.0035, 0.004, "Uplastycznienie stali + zmiażdżenie betonu"},
        {true, 0.002, lim, "Uplastycznienie stali + oderwanie wzmocnienia"},
        {true, 0.0035, lim, "Uplastycznienie stali + oderwanie wzmocnienia"},
        {false, 0.0035, 0.004, "Zmiażdżenie betonu + brak uplastycznienia stali"},
        {false, 0.002, lim, "Oderwanie wzmocnienia + brak uplastycznienia stali"},
        {false, 0.0035, lim, "Oderwanie wzmocnienia + brak uplastycznienia stali"},
        {true, almostCrushing, 0.004, ""},
        {false, 0.002, std::nextafter(lim, 0.0), ""},
    };
    for (const Case& c : cases) {
        DesignState s;
        s.SteelAtYield = c.yield, s.eps_c = c.epsC, s.eps_f = c.epsF, s.eps_f_lim = lim;
        EXPECT_EQ(FailureModeCaption(DecideFailureMode(s)), std::string(c.text))
            << c.yield << " " << c.epsC << " " << c.epsF;
    }
}

TEST_F(StrainQuantities, PlasticHingeLimitAndLayer) {
    struct Case {
        double fck;
        bool comma;
        double limit;
        const char* text;
    };
    const Case cases[] = {{30, true, 0.45, "0,45"},  {35, true, 0.45, "0,45"},
                          {35, false, 0.45, "0.45"}, {35.5, true, 0.35, "0,35"},
                          {40, false, 0.35, "0.35"}, {50, true, 0.35, "0,35"}};
    for (const Case& c : cases) {
        DesignState s;
        s.fck = c.fck, s.DecimalComma = c.comma;
        EXPECT_EQ(PlasticHingeLimit(s), c.limit) << c.fck;
        EXPECT_EQ(PlasticHingeLimitText(s), std::string(c.text)) << c.fck;
    }
    DesignState s = Section();
    s.OuterLayer11 = true;
    EXPECT_EQ(OuterLayerNumber(s), std::string("11"));
    EXPECT_DOUBLE_EQ(*RelativeDepth(s), 10.0 / 48);
    s.OuterLayer11 = false;
    EXPECT_EQ(OuterLayerNumber(s), std::string("12"));
    EXPECT_DOUBLE_EQ(*RelativeDepth(s), 10.0 / 44);
    s.d12 = 50;
    EXPECT_FALSE(RelativeDepth(s).has_value());
    EXPECT_FALSE(PlasticHingeForms(s).has_value());
    EXPECT_EQ(RelativeDepthText(s), "-");
}

// A hinge forms while xi as shown is at or below the limit: just below, at, rounding to and above
// both maxima.
TEST_F(StrainQuantities, HingeFormsUpToTheLimitAsShown) {
    struct Case {
        double fck, xi;
        bool comma;
        const char* shown;
        bool forms;
    };
    const Case cases[] = {
        {30, 0.449, true, "0,449", true},   {30, 0.45, true, "0,450", true},
        {30, 0.4504, true, "0,450", true},  {30, 0.4496, false, "0.450", true},
        {30, 0.4506, true, "0,451", false}, {35, 0.66, true, "0,660", false},
        {40, 0.3493, false, "0.349", true}, {40, 0.35, true, "0,350", true},
        {40, 0.3504, false, "0.350", true}, {40, 0.3506, true, "0,351", false},
        {35.5, 0.40, true, "0,400", false}, {30, 0.12, true, "0,120", true},
    };
    for (const Case& c : cases) {
        SetCurrentLocale(NumericLocale::FromName(c.comma ? "pl_PL" : "en_US"));
        DesignState s;
        s.DecimalComma = c.comma;
        s.fck = c.fck;
        s.OuterLayer11 = true;
        s.h = 60, s.d11 = 10;
        s.x = c.xi * 50;
        EXPECT_EQ(RelativeDepthText(s), c.shown) << c.xi;
        EXPECT_EQ(PlasticHingeForms(s), c.forms) << c.fck << " " << c.xi;
    }
    EXPECT_EQ(PlasticHingeVerdict(true), std::string("W przekroju powstanie przegub plastyczny"));
    EXPECT_EQ(PlasticHingeVerdict(false),
              std::string("W przekroju nie powstanie przegub plastyczny"));
}

}  // namespace
}  // namespace kord::test
