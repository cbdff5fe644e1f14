#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/DesignCommand.h"
#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/DesignState.h"
#include "tests/app/AppFixture.h"
#include "tests/engine/DesignInputs.h"

namespace kord::test {
namespace {

constexpr double kStep = 5e-7;  // cm

const char* const kNotNumber = "Proszę wpisać wartość liczbową.";

class ShearInputTest : public AppTest {
  protected:
    explicit ShearInputTest(bool decimalComma = true) : AppTest(decimalComma) {
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

    bool Run() { return DesignTab(Shear); }

    FrmData& w = frmData();
};

TEST_F(ShearInputTest, FactorsComeFromTheOptionsWindowAndTheFibreKindPicksItsOwn) {
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

TEST_F(ShearInputTest, InputsInCentimetresAndTheTypedMeanStrength) {
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

TEST_F(ShearInputTest, ClassFixesBothStrengths) {
    ShearInput in;
    in.concreteClass = 8;
    Fill(in);
    ASSERT_TRUE(Run());
    EXPECT_EQ(State().fck, 50);
    EXPECT_DOUBLE_EQ(State().fcm, 58.2);
}

TEST_F(ShearInputTest, HourglassShowsWhileTheDesignRuns) {
    Fill({});
    ASSERT_TRUE(Run());
    EXPECT_GE(host.busyCount, 1);
    EXPECT_EQ(host.busyDepth, 0);
}

// Fields the chosen options leave unused cannot stop a design, whatever they hold.
TEST_F(ShearInputTest, UnusedFieldsAreNotChecked) {
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

class ShearFieldCases : public ShearInputTest, public ::testing::WithParamInterface<FieldCase> {};

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

TEST_F(ShearInputTest, FactorOutsideItsRangeGivesItsRangeMessage) {
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

}  // namespace
}  // namespace kord::test
