#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/DesignState.h"
#include "engine/ShearDesign.h"
#include "platform/NumberFormat.h"
#include "tests/engine/DesignInputs.h"
#include "tests/engine/EngineFixture.h"

namespace kord::test {
namespace {

constexpr double kStep = 5e-7;  // cm
constexpr double kPi = 3.14159;

const char* const kUnfilled =
    "Zostały niewypełnione pola. Proszę je wypełnić, wpisując żądane wartości.";
const char* const kNoMeanStrength =
    "Proszę podać średnią wytrzymałość betonu w jednoosiowym stanie naprężenia fcm lub klasę "
    "betonu.";
const char* const kSpacingAbove08d =
    "Rozstaw osiowy taśm sf przekracza wartość 0,8d (d- wysokość użyteczna przekroju), która jest "
    "największą dopuszczalną wartością. Proszę zdefiniować mniejszy rozstaw.";
const char* const kStripsOverlap =
    "Szerokość taśm wzmacniających bf przekracza ich rozstaw osiowy sf (taśmy na siebie "
    "zachodzą). Proszę zmniejszyć szerokość taśm lub zwiększyć ich rozstaw.";
const char* const kShearTooHigh =
    "Dodatkowa siła ścinająca Vfd, która ma być przeniesiona przez wzmocnienie kompozytowe, jest "
    "za wysoka. Proszę skorygować obliczenia i, jeśli to możliwe, wpisać mniejszą wartość.";

enum class Governs { Limit, Rupture, Debonding };

class ShearDesignTest : public EngineTest {
  protected:
    explicit ShearDesignTest(bool decimalComma = true) : EngineTest(decimalComma) {}

    // The inputs as the shear reader leaves them, with the default safety factors of the options
    // window.
    void Fill(const ShearInput& in) {
        s.IterStep = kStep;
        s.ShearSheet = in.sheet;
        s.ShearClosed = in.closed;
        s.ShearAramid = in.fibre == AFRP;
        s.b = Metres(in.b);
        s.alpha = Typed(in.alpha);
        s.d = Metres(in.d);
        s.k_eff = 0.8;
        s.gamma_fb = 1.3;
        s.gamma_fl = 1.25;
        const double gammaFf[] = {1.2, 1.25, 1.3};
        s.gamma_ff = gammaFf[in.fibre];
        ChooseConcrete(in.concreteClass, in.fcm);
        s.Vfd = Typed(in.Vfd);
        s.Ef = Typed(in.Ef);
        s.eps_fu = Typed(in.efu);
        s.eps_f_lim = Typed(in.limit) / s.gamma_fl;
        s.bf = Metres(in.bf);
        s.sf = Metres(in.sf);
    }

    bool Run() {
        outcome = DesignShear(s);
        return outcome.success;
    }

    void ExpectRefused(const std::string& text, DesignField focus) {
        EngineTest::ExpectRefused(outcome, text, focus);
    }

    DesignOutcome outcome;
};

// The thickness at which a closed sheet wrap carries Vfd when the limit strain governs:
// Vfd = 0.9·εf,lim·Ef·100·d·(2·tf·sin a/b)·b·(cot a + 1)·sin a, solved for tf (b cancels).
double ClosedSheetAtLimit(double dCm, double alphaDeg, double Ef, double epsLim, double Vfd) {
    const double a = alphaDeg * kPi / 180;
    return Vfd /
           (0.9 * epsLim * Ef * 100 * dCm * 2 * std::sin(a) * std::sin(a) * (1 / std::tan(a) + 1));
}

TEST_F(ShearDesignTest, ClosedSheetAtTheLimitStrainMeetsTheClosedFormWithinOneStep) {
    Fill({});
    ASSERT_TRUE(Run());
    // εf,lim = 0.006 / γf,l = 0.006 / 1.25.
    EXPECT_DOUBLE_EQ(s.eps_f_lim, 0.0048);
    EXPECT_EQ(s.eps_fd_e, s.eps_f_lim);
    const double exact = ClosedSheetAtLimit(50, 90, 230, 0.0048, 100);
    EXPECT_NEAR(exact, 0.0100643988849, 1e-12);
    EXPECT_GT(s.tf, exact);
    EXPECT_LE(s.tf, exact + kStep * (1 + 1e-6));
    EXPECT_GT(s.Vfd_calc, 100);
    EXPECT_LT(s.Vfd_calc, 100 * (1 + kStep / exact * 1.01));
    EXPECT_EQ(s.ResultKind, Shear);
}

// Each case solved by hand for the strain that governs it: with q = fcm^(2/3)/(ρf·Ef) the
// contribution is K·ε·ρf, K = 0.9·Ef·100·d·b·(cot a + 1)·sin a, and ε is a constant (limit) or
// a power of ρf (rupture q^0.30, aramid rupture q^0.47, debonding q^0.56), so ρf and tf follow
// in closed form; the scan takes the first step past that thickness.
struct ShearCase {
    const char* name;
    ShearInput input;
    double tf;  // cm, the exact thickness
    Governs governs;
    double gammaFf;
};

const ShearCase kShearCases[] = {
    {"CfrpSheetClosedLimit", {.fibre = CFRP}, 0.0100643988849, Governs::Limit, 1.20},
    {"CfrpSheetOpenDebonding",
     {.fibre = CFRP, .closed = false, .alpha = "60"},
     0.0117380800321,
     Governs::Debonding,
     1.20},
    {"CfrpStripsClosedRupture",
     {.fibre = CFRP, .sheet = false, .efu = "0,010", .concreteClass = 3},
     0.039176719973,
     Governs::Rupture,
     1.20},
    {"CfrpStripsOpenRupture",
     {.fibre = CFRP, .sheet = false, .closed = false, .alpha = "45", .efu = "0,005"},
     0.0740804595766,
     Governs::Rupture,
     1.20},
    {"AfrpSheetClosedRupture",
     {.fibre = AFRP, .fcm = "40"},
     0.0180385610336,
     Governs::Rupture,
     1.25},
    {"AfrpSheetOpenDebonding",
     {.fibre = AFRP, .closed = false, .efu = "0,03"},
     0.0206531954479,
     Governs::Debonding,
     1.25},
    {"AfrpStripsClosedLimit",
     {.fibre = AFRP, .sheet = false, .alpha = "120", .efu = "0,05"},
     0.0824889121403,
     Governs::Limit,
     1.25},
    {"AfrpStripsOpenRupture",
     {.fibre = AFRP, .sheet = false, .closed = false, .efu = "0,01"},
     0.174174048977,
     Governs::Rupture,
     1.25},
    {"GfrpSheetClosedRupture",
     {.fibre = GFRP, .Ef = "70", .efu = "0,01"},
     0.0554434328562,
     Governs::Rupture,
     1.30},
    {"GfrpSheetOpenLimit",
     {.fibre = GFRP, .closed = false, .Ef = "20", .efu = "0,03", .Vfd = "20"},
     0.0231481174354,
     Governs::Limit,
     1.30},
    {"GfrpStripsClosedLimit",
     {.fibre = GFRP, .sheet = false, .Ef = "70", .efu = "0,03"},
     0.0992062175801,
     Governs::Limit,
     1.30},
    {"GfrpStripsOpenDebonding",
     {.fibre = GFRP,
      .sheet = false,
      .closed = false,
      .d = "1,2",
      .Ef = "70",
      .efu = "0,03",
      .Vfd = "300"},
     0.33805575619,
     Governs::Debonding,
     1.30},
};

class ShearCases : public ShearDesignTest, public ::testing::WithParamInterface<ShearCase> {};

TEST_P(ShearCases, ThicknessIsTheFirstStepPastTheExactOne) {
    const ShearCase& c = GetParam();
    Fill(c.input);
    s.LaminateApplied = true;
    ASSERT_TRUE(Run());
    EXPECT_DOUBLE_EQ(s.gamma_ff, c.gammaFf);
    switch (c.governs) {
        case Governs::Limit:
            EXPECT_EQ(s.eps_fd_e, s.eps_f_lim);
            break;
        case Governs::Rupture:
            EXPECT_EQ(s.eps_fd_e, s.eps_fe_rupture);
            break;
        case Governs::Debonding:
            EXPECT_EQ(s.eps_fd_e, s.eps_fe_debond);
            break;
    }
    EXPECT_GT(s.tf, c.tf - 1e-11);
    EXPECT_LE(s.tf, c.tf + kStep + 1e-11);
    const double demand = ParseNumber(c.input.Vfd).value();
    EXPECT_GT(s.Vfd_calc, demand);
    EXPECT_LT(s.Vfd_calc, demand * 1.0015);
    EXPECT_EQ(s.ResultKind, Shear);
    EXPECT_FALSE(s.LaminateApplied);
}

INSTANTIATE_TEST_SUITE_P(FibreFormAndWrap, ShearCases, ::testing::ValuesIn(kShearCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShearDesignTest, OpenWrapNeverExceedsTheDebondingStrainClosedWrapMay) {
    ShearInput in;  // the debonding strain lies below the limit strain here
    Fill(in);
    ASSERT_TRUE(Run());
    EXPECT_GT(s.eps_fd_e, s.eps_fe_debond);
    in.closed = false;
    Fill(in);
    ASSERT_TRUE(Run());
    EXPECT_EQ(s.eps_fd_e, s.eps_fe_debond);
}

TEST_F(ShearDesignTest, EmptyRequiredValueGivesTheUnfilledMessageAndNoFocus) {
    for (double DesignState::*field : {&DesignState::b, &DesignState::d, &DesignState::Ef,
                                       &DesignState::eps_fu, &DesignState::Vfd}) {
        Fill({});
        s.*field = 0;
        EXPECT_FALSE(Run());
        ExpectRefused(kUnfilled, DesignField::None);
    }
}

TEST_F(ShearDesignTest, TypedMeanStrengthOfZeroIsAskedFor) {
    ShearInput in;
    in.fcm = "0";
    Fill(in);
    EXPECT_FALSE(Run());
    ExpectRefused(kNoMeanStrength, DesignField::MeanStrength);
}

struct StripCase {
    const char* name;
    const char* bf;
    const char* sf;
    const char* d;
    const char* message;  // nullptr: accepted
    DesignField focus;
};

const StripCase kStripCases[] = {
    {"NoWidth", "0", "0,3", "0,5", "Proszę podać szerokość kształtki bf.", DesignField::StripWidth},
    {"NoSpacing", "0,1", "0", "0,5", "Proszę podać rozstaw osiowy kształtek sf.",
     DesignField::StripSpacing},
    {"SpacingAbove08d", "0,1", "0,41", "0,5", kSpacingAbove08d, DesignField::StripSpacing},
    {"Overlap", "0,31", "0,3", "0,5", kStripsOverlap, DesignField::StripWidth},
    {"SpacingAt08dWidthAtSpacing", "0,4", "0,4", "0,5", nullptr, DesignField::None},
    {"AtBoundsOfAnotherDepth", "0,2", "0,2", "0,25", nullptr, DesignField::None},
};

class ShearStripCases : public ShearDesignTest, public ::testing::WithParamInterface<StripCase> {};

TEST_P(ShearStripCases, StripsAreChecked) {
    const StripCase& c = GetParam();
    ShearInput in;
    in.sheet = false;
    in.bf = c.bf;
    in.sf = c.sf;
    in.d = c.d;
    Fill(in);
    if (!c.message) {
        EXPECT_TRUE(Run());
        return;
    }
    EXPECT_FALSE(Run());
    ExpectRefused(c.message, c.focus);
}

INSTANTIATE_TEST_SUITE_P(Strips, ShearStripCases, ::testing::ValuesIn(kStripCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ShearDesignPointTest : public ShearDesignTest {
  protected:
    ShearDesignPointTest() : ShearDesignTest(false) {}
};

TEST_F(ShearDesignPointTest, SpacingMessageKeepsItsCommaUnderAPointLocale) {
    Fill({.sheet = false,
          .b = "0.3",
          .d = "0.5",
          .efu = "0.015",
          .limit = "0.006",
          .bf = "0.1",
          .sf = "0.45"});
    EXPECT_FALSE(Run());
    ExpectRefused(kSpacingAbove08d, DesignField::StripSpacing);
}

// A thin sheet: each step adds 1.4 % to the contribution, far more than the 0.15 % window, and
// the first step past the exact thickness is still the answer.
TEST_F(ShearDesignTest, ThinSheetStepsPastTheWindowAndStillStopsThere) {
    ShearInput in;
    in.d = "4";
    in.Ef = "800";
    in.Vfd = "10";
    Fill(in);
    ASSERT_TRUE(Run());
    EXPECT_EQ(s.eps_fd_e, s.eps_f_lim);
    const double exact = ClosedSheetAtLimit(400, 90, 800, 0.0048, 10);
    EXPECT_NEAR(exact, 3.6169e-5, 1e-9);
    EXPECT_GT(s.tf, exact);
    EXPECT_LE(s.tf, exact + kStep * (1 + 1e-6));
    EXPECT_NEAR(s.tf, 73 * kStep, 1e-15);
    EXPECT_GT(s.Vfd_calc, 10 * 1.0015);
}

TEST_F(ShearDesignTest, DemandOutOfReachScansToFourCentimetresAndRefuses) {
    ShearInput in;
    in.alpha = "150";
    Fill(in);
    EXPECT_FALSE(Run());
    ExpectRefused(kShearTooHigh, DesignField::ShearForce);
    EXPECT_TRUE(outcome.focusFirst);  // the focus moves before the message shows
    EXPECT_EQ(s.tf, 0);
}

}  // namespace
}  // namespace kord::test
