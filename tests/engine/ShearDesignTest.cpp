#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/DesignState.h"
#include "engine/ShearDesign.h"
#include "platform/NumberFormat.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

constexpr double kStep = 5e-7;  // cm
constexpr double kPi = 3.14159;

const char* const kTitle = "Uwaga !!!";
const char* const kNotNumber = "Proszę wpisać wartość liczbową.";
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

enum Fibre { CFRP = 0, AFRP = 1, GFRP = 2 };
enum class Governs { Limit, Rupture, Debonding };

// The shear tab as the user fills it; numbers in the comma form.
struct ShearInput {
    Fibre fibre = CFRP;
    bool sheet = true;
    bool closed = true;
    const char* b = "0,3";
    const char* d = "0,5";
    const char* alpha = "90";
    const char* Ef = "230";
    const char* efu = "0,015";
    const char* limit = "0,006";
    const char* Vfd = "100";
    int concreteClass = 0;      // C 12/15
    const char* fcm = nullptr;  // typed mean strength instead of a class
    const char* bf = "0,1";
    const char* sf = "0,3";
};

class ShearDesignTest : public AppTest {
  protected:
    explicit ShearDesignTest(bool decimalComma = true) : AppTest(decimalComma) {
        w.Show();
        w.TabStrip1.Select(Shear);
    }

    void Fill(const ShearInput& in) {
        w.Combo3.SetListIndex(in.fibre);
        (in.sheet ? w.Option6 : w.Option7).SetValue(true);
        (in.closed ? w.Option1 : w.Option2).SetValue(true);
        w.Text4(1).SetText(in.b);
        w.Text14(1).SetText(in.d);
        w.Text13(1).SetText(in.alpha);
        w.Text24(1).SetText(in.Ef);
        w.Text15(1).SetText(in.efu);
        w.Text26(1).SetText(in.limit);
        w.Text12.SetText(in.Vfd);
        if (in.fcm) {
            w.Option11(1).SetValue(true);
            w.Text22(1).SetText(in.fcm);
        } else {
            w.Option10(1).SetValue(true);
            w.Combo1(1).SetListIndex(in.concreteClass);
        }
        w.Text18.SetText(in.bf);
        w.Text19.SetText(in.sf);
    }

    bool Run() {
        int tab = Shear;
        return ReadShearInput(tab) && DesignShear(tab);
    }

    // The one message the run showed, with its focus.
    void ExpectRefused(const std::string& text, const Control* focus) {
        ASSERT_EQ(host.messages.size(), 1u) << text;
        EXPECT_EQ(host.messages[0].text, text);
        EXPECT_EQ(host.messages[0].title, kTitle);
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
        if (focus) {
            EXPECT_EQ(w.ActiveControl(), focus) << focus->Name();
        }
    }

    FrmData& w = frmData();
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
    const DesignState& s = State();
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
    EXPECT_TRUE(host.messages.empty());
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
    State().LaminateApplied = true;
    ASSERT_TRUE(Run());
    const DesignState& s = State();
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
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(FibreFormAndWrap, ShearCases, ::testing::ValuesIn(kShearCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShearDesignTest, OpenWrapNeverExceedsTheDebondingStrainClosedWrapMay) {
    ShearInput in;  // the debonding strain lies below the limit strain here
    Fill(in);
    ASSERT_TRUE(Run());
    EXPECT_GT(State().eps_fd_e, State().eps_fe_debond);
    in.closed = false;
    Fill(in);
    ASSERT_TRUE(Run());
    EXPECT_EQ(State().eps_fd_e, State().eps_fe_debond);
}

TEST_F(ShearDesignTest, FactorsComeFromTheOptionsWindowAndTheFibreKindPicksItsOwn) {
    FrmOptions& o = frmOptions();
    o.Text3.SetText("0,7");
    o.Text4.SetText("1,4");
    o.Text5.SetText("1,5");
    o.Text6.SetText("1,6");
    o.Text7.SetText("1,0");
    o.Text8.SetText("1,1");
    const double expected[] = {1.6, 1.0, 1.1};
    for (Fibre f : {CFRP, AFRP, GFRP}) {
        ShearInput in;
        in.fibre = f;
        Fill(in);
        ASSERT_TRUE(Run()) << f;
        EXPECT_DOUBLE_EQ(State().gamma_ff, expected[f]) << f;
        EXPECT_DOUBLE_EQ(State().k_eff, 0.7);
        EXPECT_DOUBLE_EQ(State().gamma_fb, 1.4);
        EXPECT_DOUBLE_EQ(State().gamma_fl, 1.5);
        EXPECT_DOUBLE_EQ(State().eps_f_lim, 0.006 / 1.5);
    }
}

TEST_F(ShearDesignTest, InputsInCentimetresAndTheTypedMeanStrength) {
    ShearInput in;
    in.sheet = false;
    in.b = "0,25";
    in.d = "0,45";
    in.alpha = "75";
    in.fcm = "5";
    in.bf = "0,05";
    in.sf = "0,2";
    Fill(in);
    ASSERT_TRUE(Run());
    const DesignState& s = State();
    EXPECT_DOUBLE_EQ(s.b, 25);
    EXPECT_DOUBLE_EQ(s.d, 45);
    EXPECT_DOUBLE_EQ(s.alpha, 75);
    EXPECT_DOUBLE_EQ(s.bf, 5);
    EXPECT_DOUBLE_EQ(s.sf, 20);
    EXPECT_DOUBLE_EQ(s.Vfd, 100);
    EXPECT_DOUBLE_EQ(s.fcm, 5);
    EXPECT_EQ(s.fck, 0);  // 5 − 8.2 is below zero; shear does not need fck
    EXPECT_DOUBLE_EQ(s.IterStep, kStep);
}

TEST_F(ShearDesignTest, ClassFixesBothStrengths) {
    ShearInput in;
    in.concreteClass = 8;
    Fill(in);
    ASSERT_TRUE(Run());
    EXPECT_EQ(State().fck, 50);
    EXPECT_DOUBLE_EQ(State().fcm, 58.2);
}

TEST_F(ShearDesignTest, HourglassShowsWhileTheScanRuns) {
    Fill({});
    ASSERT_TRUE(Run());
    EXPECT_GE(host.busyCount, 1);
    EXPECT_EQ(host.busyDepth, 0);
}

// Fields the chosen options leave unused cannot stop a design, whatever they hold.
TEST_F(ShearDesignTest, UnusedFieldsAreNotChecked) {
    Fill({});
    w.Text18.SetText("abc");
    w.Text19.SetText("");
    w.Text22(1).SetText("x");
    frmOptions().Text7.SetText("?");
    frmOptions().Text8.SetText("9");
    EXPECT_TRUE(Run());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(State().bf, 0);
    EXPECT_EQ(State().sf, 0);
}

struct FieldCase {
    const char* name;
    ShearInput input;
    const char* box;  // the field given the text
    const char* text;
    const char* message;
};

const char* const kFactorK = "Proszę wpisać wartość pomiędzy 0,3 a 1,0.";
const char* const kFactorGamma = "Proszę wpisać wartość pomiędzy 1,0 a 1,6.";

const FieldCase kFieldCases[] = {
    {"Width", {}, "Text4(1)", "abc", kNotNumber},
    {"WidthRange", {}, "Text4(1)", "2,5", "Proszę wpisać wartość pomiędzy 0,05 a 2,00 m."},
    {"Angle", {}, "Text13(1)", "0", "Proszę wpisać wartość pomiędzy 30 a 150 stopniami."},
    {"Depth", {}, "Text14(1)", "5", "Proszę wpisać wartość pomiędzy 0,20 a 4,00 m."},
    {"Demand", {}, "Text12", "500", "Proszę wpisać wartość pomiędzy 10 a 400 kN."},
    {"Modulus", {}, "Text24(1)", "", kNotNumber},
    {"Rupture", {}, "Text15(1)", "0,1", "Proszę wpisać wartość pomiędzy 0,002 a 0,080."},
    {"Limit", {}, "Text26(1)", "0", "Proszę wpisać wartość pomiędzy 0,002 a 0,015."},
    {"MeanStrength",
     {.fcm = "40"},
     "Text22(1)",
     "101",
     "PProszę wpisać wartość pomiędzy 3 a 100 N/mm2."},
    {"StripWidth", {.sheet = false}, "Text18", "abc", kNotNumber},
    {"StripSpacing",
     {.sheet = false},
     "Text19",
     "2",
     "Proszę wpisać wartość pomiędzy 0,03 a 1,50 m."},
};

class ShearFieldCases : public ShearDesignTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(ShearFieldCases, UsedFieldIsRefusedWithItsOwnMessageAndFocus) {
    const FieldCase& c = GetParam();
    Fill(c.input);
    auto* box = static_cast<TextBox*>(w.Find(c.box));
    ASSERT_NE(box, nullptr);
    box->SetText(c.text);
    State().ResultKind = Flexure;
    EXPECT_FALSE(Run());
    ExpectRefused(c.message, box);
    EXPECT_EQ(box->Text(), c.text);
    EXPECT_EQ(State().ResultKind, Flexure);
}

INSTANTIATE_TEST_SUITE_P(Fields, ShearFieldCases, ::testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShearDesignTest, FactorOutsideItsRangeGivesItsRangeMessage) {
    struct {
        TextBox& box;
        Fibre fibre;
        const char* text;
        const char* message;
    } cases[] = {
        {frmOptions().Text3, CFRP, "0,2", kFactorK},
        {frmOptions().Text4, CFRP, "1,7", kFactorGamma},
        {frmOptions().Text5, CFRP, "0", kFactorGamma},
        {frmOptions().Text6, CFRP, "2", kFactorGamma},
        {frmOptions().Text7, AFRP, "x", kNotNumber},
        {frmOptions().Text8, GFRP, "0,9", kFactorGamma},
    };
    for (auto& c : cases) {
        frmOptions().Command4_Click();  // the defaults
        ShearInput in;
        in.fibre = c.fibre;
        Fill(in);
        c.box.SetText(c.text);
        host.messages.clear();
        EXPECT_FALSE(Run()) << c.box.Name();
        ExpectRefused(c.message, nullptr);
    }
}

TEST_F(ShearDesignTest, EmptyRequiredValueGivesTheUnfilledMessageAndKeepsTheFocus) {
    for (const char* box : {"Text4(1)", "Text14(1)", "Text24(1)", "Text15(1)", "Text12"}) {
        Fill({});
        static_cast<TextBox*>(w.Find(box))->SetText("0");
        w.Text13(1).SetFocus();
        host.messages.clear();
        EXPECT_FALSE(Run()) << box;
        ExpectRefused(kUnfilled, &w.Text13(1));
    }
}

TEST_F(ShearDesignTest, TypedMeanStrengthOfZeroIsAskedFor) {
    ShearInput in;
    in.fcm = "0";
    Fill(in);
    EXPECT_FALSE(Run());
    ExpectRefused(kNoMeanStrength, &w.Text22(1));
}

struct StripCase {
    const char* name;
    const char* bf;
    const char* sf;
    const char* d;
    const char* message;  // nullptr: accepted
    const char* focus;
};

const StripCase kStripCases[] = {
    {"NoWidth", "0", "0,3", "0,5", "Proszę podać szerokość kształtki bf.", "Text18"},
    {"NoSpacing", "0,1", "0", "0,5", "Proszę podać rozstaw osiowy kształtek sf.", "Text19"},
    {"SpacingAbove08d", "0,1", "0,41", "0,5", kSpacingAbove08d, "Text19"},
    {"Overlap", "0,31", "0,3", "0,5", kStripsOverlap, "Text18"},
    {"SpacingAt08dWidthAtSpacing", "0,4", "0,4", "0,5", nullptr, nullptr},
    {"AtBoundsOfAnotherDepth", "0,2", "0,2", "0,25", nullptr, nullptr},
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
        EXPECT_TRUE(host.messages.empty());
        return;
    }
    EXPECT_FALSE(Run());
    ExpectRefused(c.message, w.Find(c.focus));
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
    ExpectRefused(kSpacingAbove08d, &w.Text19);
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
    const DesignState& s = State();
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
    ExpectRefused(kShearTooHigh, &w.Text12);
    EXPECT_EQ(State().tf, 0);
}

}  // namespace
}  // namespace kord::test
