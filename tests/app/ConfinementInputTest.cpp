#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/DesignCommand.h"
#include "app/InputWindow.h"
#include "engine/DesignState.h"
#include "tests/app/AppFixture.h"
#include "tests/engine/DesignInputs.h"

namespace kord::test {
namespace {

const char* const kNotNumber = "Proszę wpisać wartość liczbową.";

class ConfinementInputTest : public AppTest {
  protected:
    explicit ConfinementInputTest(bool decimalComma = true) : AppTest(decimalComma) {
        w.Show();
        w.TabStrip1.Select(Confinement);
    }

    void Fill(const ColumnInput& in) {
        (in.rectangular ? w.Option8 : w.Option9).SetValue(true);
        (in.sheet ? w.Option3 : w.Option12).SetValue(true);
        // Ticking first: the window keeps at least one requirement ticked.
        w.Check1.SetValue(1);
        w.Check2.SetValue(1);
        if (in.goal == Strength) w.Check2.SetValue(0);
        if (in.goal == Strain) w.Check1.SetValue(0);
        w.Text4(2).SetText(in.b);
        w.Text1(2).SetText(in.h);
        w.Text20.SetText(in.R);
        w.Text27.SetText(in.D);
        if (in.fcm) {
            w.Option11(2).SetValue(true);
            w.Text22(2).SetText(in.fcm);
        } else {
            w.Option10(2).SetValue(true);
            w.Combo1(2).SetListIndex(in.concreteClass);
        }
        w.Text24(2).SetText(in.Ef);
        w.Text11.SetText(in.efu);
        w.Text25.SetText(in.factor);
        w.Text28.SetText(in.bf);
        w.Text29.SetText(in.sf);
        w.Text21.SetText(in.fcc);
        w.Text23.SetText(in.ecu);
        // The window's own warning about strips on a rectangular column is not the design's.
        host.messages.clear();
    }

    bool Run() { return DesignTab(Confinement); }

    FrmData& w = frmData();
};

// b takes the larger side whichever box holds it; texts that order differently from their
// numbers (a leading blank, an exponent) change nothing.
TEST_F(ConfinementInputTest, SwappingTheTypedSidesChangesNothing) {
    Fill({});
    ASSERT_TRUE(Run());
    const DesignState reference = State();
    const std::pair<const char*, const char*> sides[] = {
        {"0,3", "0,4"}, {"3e-1", "0,4"}, {"0,4", " 0,3"}, {"0,3", " 0,4"}, {"0,40", "0,3"}};
    for (const auto& [b, h] : sides) {
        ColumnInput in;
        in.b = b;
        in.h = h;
        Fill(in);
        ASSERT_TRUE(Run()) << b << " " << h;
        const DesignState& s = State();
        EXPECT_EQ(s.b, 40) << b << " " << h;
        EXPECT_EQ(s.h, 30) << b << " " << h;
        EXPECT_EQ(s.tf_c, reference.tf_c) << b << " " << h;
        EXPECT_EQ(s.fcc, reference.fcc) << b << " " << h;
        EXPECT_EQ(s.eps_cu, reference.eps_cu) << b << " " << h;
    }
}

struct FieldCase {
    const char* name;
    ColumnInput input;
    const char* box;
    const char* text;
    const char* message;  // nullptr: the field is not used and the design succeeds
};

const FieldCase kFieldCases[] = {
    {"Width", {}, "Text4(2)", "x", kNotNumber},
    {"Height", {}, "Text1(2)", "2,5", "Proszę wpisać wartość pomiędzy 0,05 a 2,00 m."},
    {"Radius", {}, "Text20", "-0,1", "Proszę wpisać wartość pomiędzy 0,00 a 0,50 m."},
    {"Diameter",
     {.rectangular = false},
     "Text27",
     "5",
     "Proszę wpisać wartość pomiędzy 0,05 a 4,00 m."},
    {"MeanStrength",
     {.fcm = "30"},
     "Text22(2)",
     "2",
     "PProszę wpisać wartość pomiędzy 3 a 100 N/mm2."},
    {"Modulus", {}, "Text24(2)", "900", "Proszę wpisać wartość pomiędzy 10 a 800 kN/mm2."},
    {"Rupture", {}, "Text11", "", kNotNumber},
    {"Factor", {}, "Text25", "0", "Proszę wpisać wartość pomiędzy 0,1 a 1,0 x efu."},
    {"StripWidth",
     {.sheet = false, .bf = "0,1", .sf = "0,2"},
     "Text28",
     "0,9",
     "Proszę wpisać wartość pomiędzy 0,01 a 0,80 m."},
    {"StripSpacing", {.sheet = false, .bf = "0,1", .sf = "0,2"}, "Text29", "a", kNotNumber},
    {"RequiredStrength",
     {.goal = Both},
     "Text21",
     "121",
     "Proszę wpisać wartość pomiędzy 5 a 120 N/mm2."},
    {"RequiredStrain",
     {.goal = Strain},
     "Text23",
     "0,2",
     "Proszę wpisać wartość pomiędzy 0,002 a 0,160."},
    // Not used by the chosen options.
    {"CircularIgnoresTheSides", {.rectangular = false, .fcc = "40"}, "Text4(2)", "x", nullptr},
    {"CircularIgnoresTheRadius", {.rectangular = false, .fcc = "40"}, "Text20", "9", nullptr},
    {"RectangularIgnoresTheDiameter", {}, "Text27", "x", nullptr},
    {"ClassIgnoresTheMeanStrength", {}, "Text22(2)", "x", nullptr},
    {"SheetIgnoresTheStripWidth", {}, "Text28", "x", nullptr},
    {"SheetIgnoresTheStripSpacing", {}, "Text29", "", nullptr},
    {"StrengthGoalIgnoresTheStrain", {.goal = Strength}, "Text23", "x", nullptr},
    {"StrainGoalIgnoresTheStrength", {.goal = Strain}, "Text21", "x", nullptr},
};

class ColumnFields : public ConfinementInputTest,
                     public ::testing::WithParamInterface<FieldCase> {};

TEST_P(ColumnFields, OnlyUsedFieldsAreCheckedEachWithItsOwnMessage) {
    const FieldCase& c = GetParam();
    Fill(c.input);
    auto* box = static_cast<TextBox*>(w.Find(c.box));
    ASSERT_NE(box, nullptr);
    box->SetText(c.text);
    if (!c.message) {
        EXPECT_TRUE(Run());
        EXPECT_TRUE(host.messages.empty());
        return;
    }
    EXPECT_FALSE(Run());
    ExpectRefused(c.message, box);
    EXPECT_EQ(box->Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Fields, ColumnFields, ::testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfinementInputTest, HourglassShowsWhileTheDesignRuns) {
    Fill({});
    ASSERT_TRUE(Run());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_GE(host.busyCount, 1);
    EXPECT_EQ(host.busyDepth, 0);
}

}  // namespace
}  // namespace kord::test
