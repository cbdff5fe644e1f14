#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "platform/NumberFormat.h"
#include "tests/ParamNames.h"
#include "tests/engine/DesignInputs.h"
#include "tests/engine/EngineFixture.h"

namespace kord::test {
namespace {

constexpr double kStep = 5e-7;  // cm

const char* const kStripsOverlap =
    "Szerokość taśm wzmacniających bf przekracza ich rozstaw osiowy sf (taśmy na siebie "
    "zachodzą). Proszę zmniejszyć szerokość taśm lub zwiększyć ich rozstaw.";
const char* const kStripsTooNarrow =
    "Szerokość taśm wzmacniających jest zbyt mała. Proszę ją zwiększyć.";
const char* const kBadGeometry =
    "Wybrany do wzmacniania przekrój poprzeczny nie może być skutecznie wzmocniony z powodu "
    "niewłaściwej geometrii. Należy zwiększyć promień wyokrągleń lub zmienić kształt przekroju "
    "(co jest niestety niepraktyczne) - zmniejszając stosunek długości jego boków.";
const char* const kStrengthTooHigh =
    "Wymagana średnia wytrzymałość wzmocnionego elementu fcc jest za wysoka. Proszę skorygować "
    "obliczenia i, jeśli to możliwe, wpisać mniejszą wartość.";
const char* const kStrainTooHigh =
    "Wymagane odkształcenie (skrócenie) wzmocnionego elementu przy zniszczeniu ecu jest za "
    "wysokie. Proszę skorygować obliczenia i, jeśli to możliwe, wpisać mniejszą wartość.";
const char* const kUnexpected =
    "Wystąpił niespodziewany błąd w obliczeniach. W oparciu o wprowadzone dane nie można uzyskać "
    "efektu wzmocnienia.";
const char* const kNoRequiredStrength =
    "Proszę podać wartość średniej wytrzymałości wzmocnionego elementu fcc.";
const char* const kNoRequiredStrain =
    "Proszę podać wartość odkształcenia (skrócenia) wzmocnionego elementu przy zniszczeniu ecu.";

class ConfinementDesignTest : public EngineTest {
  protected:
    explicit ConfinementDesignTest(bool decimalComma = true) : EngineTest(decimalComma) {}

    // The inputs as the confinement reader leaves them.
    void Fill(const ColumnInput& in) {
        s.IterStep = kStep;
        s.ColumnRectangular = in.rectangular;
        s.ConfinementSheet = in.sheet;
        const double width = Metres(in.b), height = Metres(in.h);
        s.b = std::max(width, height);
        s.h = std::min(width, height);
        s.D = Metres(in.D);
        s.R = Metres(in.R);
        ChooseConcrete(in.concreteClass, in.fcm);
        s.Ef = Typed(in.Ef);
        s.eps_fu_e = Typed(in.efu) * Typed(in.factor);
        s.bf_c = Metres(in.bf);
        s.sf_c = Metres(in.sf);
        s.fcc_req = Typed(in.fcc);
        s.eps_cu_req = Typed(in.ecu);
        s.ConfinementGoal = static_cast<short>(in.goal);
    }

    bool Run() {
        outcome = DesignConfinement(s);
        return outcome.success;
    }

    void ExpectRefused(const std::string& text, DesignField focus) {
        EngineTest::ExpectRefused(outcome, text, focus);
    }

    DesignOutcome outcome;
};

// Concrete of C 20/25 (fco = 28.2) with εfu,e = 0.9 · 0.015 = 0.0135:
// Ec = 9975 · 28^(1/3) = 30289.975, βc = Ec/28.2 − 500 = 574.1126,
// Esec,u = Ec / (2 · βc · 0.0135 + 1) = 1835.6404.
// The 0.40 × 0.30 m column with R = 3 cm: A_uncf = (34² + 24²)/3 = 577.3333 cm²,
// Ag = 1200 − 0.85841 · 9 = 1192.2743 cm², ke = 1 − A_uncf/Ag = 0.5157714.
TEST_F(ConfinementDesignTest, MaterialAndSectionFactorsOfARectangularColumn) {
    Fill({});
    ASSERT_TRUE(Run());
    EXPECT_DOUBLE_EQ(s.b, 40);
    EXPECT_DOUBLE_EQ(s.h, 30);
    EXPECT_DOUBLE_EQ(s.R, 3);
    EXPECT_DOUBLE_EQ(s.fco, 28.2);
    EXPECT_DOUBLE_EQ(s.eps_fu_e, 0.0135);
    EXPECT_NEAR(s.Ec, 30289.975, 1e-3);
    EXPECT_NEAR(s.beta_c, 574.1126, 1e-4);
    EXPECT_NEAR(s.Esec_u, 1835.6404, 1e-4);
    EXPECT_NEAR(s.A_uncf, 577.33333, 1e-5);
    EXPECT_NEAR(s.Ag, 1192.27431, 1e-5);
    EXPECT_NEAR(s.ke, 0.5157714, 1e-7);
    // A sheet is strips 10 cm wide at 10 cm.
    EXPECT_EQ(s.bf_c, 10);
    EXPECT_EQ(s.sf_c, 10);
    EXPECT_EQ(s.k_strip, 1);
    EXPECT_DOUBLE_EQ(s.Ag_s, s.Ag);
    EXPECT_DOUBLE_EQ(s.ks, 1);
    // h ≤ b: the ratio of the pressures is h/b.
    EXPECT_DOUBLE_EQ(s.fl_y / s.fl_x, 0.75);
}

// The thinnest wraps, solved outside the program by bisection of the confinement model over a
// continuous thickness; the scan takes the first step at or past each.
struct ColumnCase {
    const char* name;
    ColumnInput input;
    double tf;   // cm
    double fcc;  // N/mm² at that thickness (≥ the requirement)
    double ecu;  // at that thickness (≥ the requirement)
    double ks;
    double tolerance = 3e-3;  // relative, of fcc and εcu
};

const ColumnCase kColumnCases[] = {
    // A circular column: k_fl = 1 and the peak governs fcc, so 40 = fcc_fco · 28.2.
    {"CircularStrength",
     {.rectangular = false, .goal = Strength, .fcc = "40"},
     0.0127496346531,
     40,
     0.01914988539,
     1},
    {"CircularStrain",
     {.rectangular = false, .goal = Strain, .ecu = "0,01"},
     0.00123674366929,
     29.51150628,
     0.01,
     1},
    {"CircularBothStrainGoverns",
     {.rectangular = false, .goal = Both, .fcc = "35", .ecu = "0,025"},
     0.0259175024646,
     49.42005737,
     0.025,
     1},
    // Gap 10 cm on D = 40 cm: ks = (1 − 10/80)² = 0.765625.
    {"CircularStripsBothStrengthGoverns",
     {.rectangular = false,
      .sheet = false,
      .goal = Both,
      .bf = "0,1",
      .sf = "0,2",
      .fcc = "40",
      .ecu = "0,01"},
     0.0333051680735,
     40,
     0.01914988539,
     0.765625},
    {"RectangularStrength", {.goal = Strength}, 0.0110433574137, 35, 0.01552676911, 1},
    {"RectangularStrain", {.goal = Strain}, 0.00470148211467, 31.17117978, 0.012, 1},
    {"RectangularBothStrengthGoverns", {.goal = Both}, 0.0110433574137, 35, 0.01552676911, 1},
    {"RectangularStripsStrain",
     {.sheet = false, .goal = Strain, .bf = "0,2", .sf = "0,3"},
     0.00985302524804,
     31.17117978,
     0.012,
     0.71574192},
    {"SquareStrength",
     {.goal = Strength, .b = "0,3", .h = "0,3", .R = "0,05"},
     0.00741555894061,
     35,
     0.01552676911,
     1},
    // The thinnest column of the weakest concrete with the stiffest wrap: one step of 5e-7 cm
    // raises fcc by 0.33 % and εcu by 2.5 %, past the tolerance windows; the values are those
    // of the step taken (29 and 9 steps).
    {"ThinWrapStrengthStepsPastTheWindow",
     {.rectangular = false,
      .goal = Strength,
      .D = "0,05",
      .fcm = "3",
      .Ef = "800",
      .efu = "0,08",
      .factor = "1",
      .fcc = "5"},
     1.43527824209e-05,
     5.016444773,
     0.2311530135,
     1,
     1e-8},
    {"ThinWrapStrainStepsPastTheWindow",
     {.rectangular = false,
      .goal = Strain,
      .D = "0,05",
      .fcm = "3",
      .Ef = "800",
      .efu = "0,08",
      .factor = "1",
      .ecu = "0,16"},
     4.0381220916e-06,
     3.731970852,
     0.1639617578,
     1,
     1e-8},
};

class ColumnCases : public ConfinementDesignTest,
                    public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ColumnCases, ThicknessIsTheFirstStepThatMeetsTheRequirement) {
    const ColumnCase& c = GetParam();
    Fill(c.input);
    s.LaminateApplied = true;
    ASSERT_TRUE(Run());
    EXPECT_EQ(s.ConfinementGoal, c.input.goal);
    EXPECT_GT(s.tf_c, c.tf - 1e-11);
    EXPECT_LE(s.tf_c, c.tf + kStep + 1e-11);
    EXPECT_NEAR(s.fcc, c.fcc, c.tolerance * c.fcc);
    EXPECT_NEAR(s.eps_cu, c.ecu, c.tolerance * c.ecu);
    EXPECT_NEAR(s.ks, c.ks, 1e-8);
    if (c.input.goal != Strain) {
        EXPECT_GE(s.fcc, ParseNumber(c.input.fcc).value());
    }
    if (c.input.goal != Strength) {
        EXPECT_GE(s.eps_cu, ParseNumber(c.input.ecu).value());
    }
    EXPECT_GE(s.fcc, s.fco);
    EXPECT_EQ(s.ResultKind, Confinement);
    EXPECT_FALSE(s.LaminateApplied);
}

INSTANTIATE_TEST_SUITE_P(ShapeFormAndGoal, ColumnCases, ::testing::ValuesIn(kColumnCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfinementDesignTest, RequiredStrengthOfTheUnconfinedColumnNeedsTheFirstStepOnly) {
    ColumnInput in;
    in.fcc = "28,2";
    Fill(in);
    ASSERT_TRUE(Run());
    EXPECT_EQ(s.tf_c, kStep);
    EXPECT_GE(s.fcc, 28.2);
}

// With the mean strength 100 the concrete modulus is below 500·fco, βc = 0 and Esec,u = Ec: the
// ultimate-strain model has no solution, so the strain is never computed.
TEST_F(ConfinementDesignTest, StrainNeverComputedEndsWithTheUnexpectedErrorEvenAfterASuccess) {
    ColumnInput ok;
    ok.rectangular = false;
    ok.fcc = "40";
    Fill(ok);
    ASSERT_TRUE(Run());
    ASSERT_GT(s.eps_cu, 0);
    s.ResultKind = Shear;

    ColumnInput in;
    in.rectangular = false;
    in.fcm = "100";
    in.fcc = "110";
    Fill(in);
    EXPECT_FALSE(Run());
    ExpectRefused(kUnexpected, DesignField::None);
    EXPECT_EQ(s.beta_c, 0);
    EXPECT_EQ(s.eps_cu, 0);
    EXPECT_EQ(s.ResultKind, Shear);

    // Asking for a strain instead: no strain was ever computed, so none can be met.
    in.goal = Strain;
    in.ecu = "0,01";
    Fill(in);
    EXPECT_FALSE(Run());
    ExpectRefused(kUnexpected, DesignField::None);
}

// Strips 5 cm wide at 70 cm on a 30 cm column leave a gap of 65 cm ≥ 2·D: they confine
// nothing, so no thickness raises the strength.
TEST_F(ConfinementDesignTest, StripsFurtherApartThanTwiceTheDiameterConfineNothing) {
    ColumnInput in;
    in.rectangular = false;
    in.sheet = false;
    in.D = "0,3";
    in.bf = "0,05";
    in.sf = "0,7";
    in.fcc = "30";
    Fill(in);
    EXPECT_FALSE(Run());
    ExpectRefused(kStrengthTooHigh, DesignField::RequiredStrength);
    EXPECT_EQ(s.ks, 0);
    EXPECT_DOUBLE_EQ(s.fcc_max, 28.2);
}

// The strength is reached early, the strain of 0.16 never: the strain is named.
TEST_F(ConfinementDesignTest, BothGoalsWithTheStrainOutOfReachNameTheStrain) {
    ColumnInput in;
    in.rectangular = false;
    in.goal = Both;
    in.fcc = "30";
    in.ecu = "0,16";
    Fill(in);
    EXPECT_FALSE(Run());
    ExpectRefused(kStrainTooHigh, DesignField::RequiredStrain);
    EXPECT_GE(s.fcc_max, 30);
    EXPECT_LT(s.eps_cu_max, 0.16);
}

struct FirstStepCase {
    bool comma;
    const char* ecu;
    const char* quoted;
};

class FirstStepRefusal : public ConfinementDesignTest,
                         public ::testing::WithParamInterface<FirstStepCase> {
  protected:
    FirstStepRefusal() : ConfinementDesignTest(GetParam().comma) {}
};

// The unconfined column already fails at εcu = 0.00804.
TEST_P(FirstStepRefusal, RequiredStrainBelowTheUnconfinedOneIsQuoted) {
    ColumnInput in;
    in.rectangular = false;
    in.goal = Strain;
    in.ecu = GetParam().ecu;
    in.efu = GetParam().comma ? "0,015" : "0.015";
    in.factor = GetParam().comma ? "0,9" : "0.9";
    in.D = GetParam().comma ? "0,4" : "0.4";
    in.R = "0";
    in.b = "0";
    in.h = "0";
    Fill(in);
    EXPECT_FALSE(Run());
    ExpectRefused(std::string("Odkształcenie (skrócenie) wzmocnionego elementu przy zniszczeniu "
                              "ecu = ") +
                      GetParam().quoted +
                      " nie powinno być niższe niż elementu niewzmocnionego. Proszę podać "
                      "wyższą wartość wymaganej wielkości albo wzmocnienie nie będzie konieczne.",
                  DesignField::RequiredStrain);
    EXPECT_EQ(s.tf_c, kStep);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, FirstStepRefusal,
                         ::testing::Values(FirstStepCase{true, "0,0075", "0,0075"},
                                           FirstStepCase{false, "0.005", "0.005"}),
                         NamedBy([](const FirstStepCase& c) { return Separator(c.comma); }));

struct CheckCase {
    const char* name;
    ColumnInput input;
    const char* message;
    DesignField focus;
};

const CheckCase kCheckCases[] = {
    {"NoSide",
     {.h = "0"},
     "Zostały niewypełnione pola, odnoszące się do geometrii przekroju poprzecznego. Proszę je "
     "wypełnić, wpisując żądane wartości.",
     DesignField::None},
    {"RadiusHalfTheSmallerSide",
     {.R = "0,15"},
     "Promień R na rogach przekroju poprzecznego musi być mniejszy od połowy szerokości oraz "
     "wysokości tego przekroju.",
     DesignField::CornerRadius},
    {"NoDiameter",
     {.rectangular = false, .D = "0"},
     "Proszę podać średnicę słupa D.",
     DesignField::Diameter},
    {"NoMeanStrength",
     {.fcm = "0"},
     "Proszę podać średnią wytrzymałość betonu w jednoosiowym stanie naprężenia fcm lub klasę "
     "betonu.",
     DesignField::MeanStrength},
    {"NoModulus",
     {.Ef = "0"},
     "Proszę podać moduł sprężystości wzmocnienia kompozytowego Ef.",
     DesignField::Modulus},
    {"NoRuptureStrain",
     {.efu = "0"},
     "Proszę podać wartość wydłużenia (odkształcenia jednostkowego) przy zerwaniu efu.",
     DesignField::RuptureStrain},
    {"NoStripWidth",
     {.sheet = false, .bf = "0", .sf = "0,3"},
     "Proszę podać szerokość taśmy wzmacniającej bf.",
     DesignField::StripWidth},
    {"NoStripSpacing",
     {.sheet = false, .bf = "0,1", .sf = "0"},
     "Proszę podać rozstaw osiowy taśm wzmacniających sf.",
     DesignField::StripSpacing},
    {"StripsOverlap",
     {.sheet = false, .bf = "0,3", .sf = "0,2"},
     kStripsOverlap,
     DesignField::StripWidth},
    {"NoRequiredStrength",
     {.goal = Strength, .fcc = "0"},
     kNoRequiredStrength,
     DesignField::RequiredStrength},
    {"NoRequiredStrain",
     {.goal = Strain, .ecu = "0"},
     kNoRequiredStrain,
     DesignField::RequiredStrain},
    {"BothMissingAsksForTheStrengthFirst",
     {.goal = Both, .fcc = "0", .ecu = "0"},
     kNoRequiredStrength,
     DesignField::RequiredStrength},
    {"StrengthBelowTheUnconfined",
     {.fcc = "28"},
     "Wymagana średnia wytrzymałość wzmocnionego elementu fcc jest niższa niż elementu "
     "niewzmocnionego. Proszę podać wyższą wartość wymaganej wielkości albo wzmocnienie nie "
     "będzie konieczne.",
     DesignField::RequiredStrength},
    // (200² + 30²)/3 = 13633 cm² unconfined of 6000 cm².
    {"TooSlender", {.b = "2", .h = "0,3", .R = "0"}, kBadGeometry, DesignField::CornerRadius},
    // Half gap 74,5 cm on 30 cm sides.
    {"GapWiderThanTheSide",
     {.sheet = false, .b = "0,3", .h = "0,3", .R = "0", .bf = "0,01", .sf = "1,5"},
     kStripsTooNarrow,
     DesignField::StripWidth},
    // Half gap 8 cm on 50 × 20 cm: the unconfined parabolas of 42 × 12 cm cover it.
    {"UnconfinedBetweenStrips",
     {.sheet = false, .b = "0,5", .h = "0,2", .R = "0", .bf = "0,04", .sf = "0,2"},
     kStripsTooNarrow,
     DesignField::StripWidth},
};

class ColumnChecks : public ConfinementDesignTest,
                     public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ColumnChecks, RefusedWithItsMessageAndFocus) {
    const CheckCase& c = GetParam();
    Fill(c.input);
    s.ResultKind = Flexure;
    EXPECT_FALSE(Run());
    ExpectRefused(c.message, c.focus);
    // The section's own checks give the focus before their message.
    EXPECT_EQ(outcome.focusFirst, c.message == kBadGeometry || c.message == kStripsTooNarrow);
    EXPECT_EQ(s.ResultKind, Flexure);
}

INSTANTIATE_TEST_SUITE_P(Checks, ColumnChecks, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kord::test
