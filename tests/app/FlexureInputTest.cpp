#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "app/InputReaders.h"
#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/DesignState.h"
#include "tests/ParamNames.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

class FlexureInputTest : public AppTest {
  protected:
    FlexureInputTest() : AppTest(false) {
        FrmData& w = frmData();
        w.Show();
        w.Text4(0).SetText("0.3");
        w.Text1(0).SetText("0.45");
        w.Text3(0).SetText("1.2");
        w.Text2(0).SetText("0.12");
        w.Text5(0).SetText("226");
        w.Text16.SetText("308");
        w.Text6(0).SetText("1257");
        w.Text9(0).SetText("0.035");
        w.Text17.SetText("0.09");
        w.Text10(0).SetText("0.04");
        w.Text34.SetText("2.5");
        w.Text24(0).SetText("165");
        w.Text26(0).SetText("0.0085");
        w.Text7.SetText("40");
        w.Text8.SetText("180");
        w.Text31.SetText("120");
        w.Text33.SetText("90");
        w.Command1.SetFocus();
    }

    bool Read() { return ReadFlexureInput(Flexure); }

    FrmData& w = frmData();
};

TEST_F(FlexureInputTest, ConvertsIntoTheUnitsOfTheCalculations) {
    DesignState& s = State();
    s.x = 9;
    s.eps_c = 9;
    ASSERT_TRUE(Read());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(s.IterStep, 5e-7);
    EXPECT_EQ(s.IterTol, 0.0005);
    EXPECT_DOUBLE_EQ(s.b, 30);
    EXPECT_DOUBLE_EQ(s.h, 45);
    EXPECT_DOUBLE_EQ(s.beff, 120);
    EXPECT_DOUBLE_EQ(s.hf, 12);
    EXPECT_DOUBLE_EQ(s.As2, 2.26);
    EXPECT_DOUBLE_EQ(s.As12, 3.08);
    EXPECT_DOUBLE_EQ(s.As11, 12.57);
    EXPECT_DOUBLE_EQ(s.d2, 3.5);
    EXPECT_DOUBLE_EQ(s.d12, 9);
    EXPECT_DOUBLE_EQ(s.d11, 4);
    EXPECT_EQ(s.fck, 12);  // the first class at load
    EXPECT_DOUBLE_EQ(s.fcm, 20.2);
    EXPECT_EQ(s.phi, 2.5);
    EXPECT_EQ(s.fyk, 500);
    EXPECT_EQ(s.Es, 200);
    EXPECT_EQ(s.Ef, 165);
    EXPECT_EQ(s.eps_f_lim, 0.0085);
    EXPECT_EQ(s.Mo, 40);
    EXPECT_EQ(s.Msd, 180);
    EXPECT_EQ(s.Mser_r, 120);
    EXPECT_EQ(s.Mser_qp, 90);
    EXPECT_NEAR(s.eps_c_qp_lim, 0.00180867, 1e-12);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.eps_c, 0);
}

// The design works on copies of the section shape and the failure-mode option.
TEST_F(FlexureInputTest, CopiesTheShapeAndTheFailureModeOption) {
    DesignState& s = State();
    for (const bool tee : {true, false}) {
        for (const int only : {0, 1}) {
            (tee ? w.Option4 : w.Option5).SetValue(true);
            frmOptions().Check4.SetValue(only);
            ASSERT_TRUE(Read());
            EXPECT_EQ(s.TeeSection, tee);
            EXPECT_EQ(s.OnlyDesiredModes, only == 1);
        }
    }
}

TEST_F(FlexureInputTest, ConcreteStrengthFromTheClassOrTheTypedMean) {
    DesignState& s = State();
    w.Combo1(0).SetListIndex(8);
    w.Text22(0).SetText("nonsense");  // not used while a class is chosen
    ASSERT_TRUE(Read());
    EXPECT_EQ(s.fck, 50);
    EXPECT_DOUBLE_EQ(s.fcm, 58.2);

    w.Option11(0).SetValue(true);
    w.Text22(0).SetText("5");
    ASSERT_TRUE(Read());
    EXPECT_EQ(s.fck, 0);  // not 5 − 8.2
    EXPECT_EQ(s.fcm, 5);

    w.Text22(0).SetText("38.2");
    ASSERT_TRUE(Read());
    EXPECT_NEAR(s.fck, 30, 1e-12);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FlexureInputTest, RectangularSectionTakesTheFlangeFieldsLeniently) {
    DesignState& s = State();
    w.Option5.SetValue(true);
    w.Text3(0).SetText("wide");
    w.Text2(0).SetText("1e307");  // a hundred times that is no finite number
    ASSERT_TRUE(Read());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(s.beff, 0);
    EXPECT_EQ(s.hf, 0);

    w.Text3(0).SetText("7");  // out of range, but not used
    w.Text2(0).SetText("0.1");
    ASSERT_TRUE(Read());
    EXPECT_DOUBLE_EQ(s.beff, 700);
    EXPECT_DOUBLE_EQ(s.hf, 10);
}

struct Refusal {
    const char* field;
    const char* text;
    bool meanStrength;  // "Średnia wytrzymałość" chosen
    const char* message;
};

const Refusal kRefusals[] = {
    {"Text4(0)", "", false, "Proszę wpisać wartość liczbową."},
    {"Text1(0)", "2.5", false, "Proszę wpisać wartość pomiędzy 0.05 a 2.00 m."},
    {"Text3(0)", "wide", false, "Proszę wpisać wartość liczbową."},
    {"Text2(0)", "0.65", false, "Proszę wpisać wartość pomiędzy 0.07 a 0.60 m."},
    {"Text5(0)", "20", false, "Proszę wpisać wartość pomiędzy 50 a 8000 mm2."},
    {"Text16", "x", false, "Proszę wpisać wartość liczbową."},
    {"Text6(0)", "9000", false, "Proszę wpisać wartość pomiędzy 50 a 8000 mm2."},
    {"Text9(0)", "1.5", false, "Proszę wpisać wartość pomiędzy 0.01 a 1.00 m."},
    {"Text17", "-0.05", false, "Proszę wpisać wartość pomiędzy 0.01 a 1.00 m."},
    {"Text10(0)", "0,04", false, "Proszę wpisać wartość liczbową."},
    {"Text22(0)", "101", true, "PProszę wpisać wartość pomiędzy 3 a 100 N/mm2."},
    {"Text34", "9", false, "Proszę wpisać wartość pomiędzy 0 a 8."},
    {"Text30", "0", false, "Proszę wpisać wartość pomiędzy 200 a 800 N/mm2."},
    {"Text32", "", false, "Proszę wpisać wartość liczbową."},
    {"Text24(0)", "900", false, "Proszę wpisać wartość pomiędzy 10 a 800 kN/mm2."},
    {"Text26(0)", "0", false, "Proszę wpisać wartość pomiędzy 0.002 a 0.015."},
    {"Text7", "-1", false, "Proszę wpisać wartość pomiędzy 1 a 6000 kNm."},
    {"Text8", "abc", false, "Proszę wpisać wartość liczbową."},
    {"Text31", "9000", false, "Proszę wpisać wartość pomiędzy 2 a 8000 kNm."},
    {"Text33", "1", false, "Proszę wpisać wartość pomiędzy 2 a 8000 kNm."},
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.field << " \"" << r.text << '"';
}

class FlexureInputRefusalTest : public FlexureInputTest,
                                public ::testing::WithParamInterface<Refusal> {};

TEST_P(FlexureInputRefusalTest, AFieldTheDesignUsesIsCheckedByItsOwnRule) {
    const Refusal& r = GetParam();
    if (r.meanStrength) w.Option11(0).SetValue(true);
    auto& box = static_cast<TextBox&>(w.Ctl(r.field));
    box.SetText(r.text);
    w.Command1.SetFocus();
    EXPECT_FALSE(Read());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, r.message);
    EXPECT_EQ(host.messages[0].title, "Uwaga !!!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(box.HasFocus());
    EXPECT_EQ(box.Text(), r.text);      // the typed text stays
    EXPECT_EQ(State().IterStep, 5e-7);  // the fields before the refused one are written
}

INSTANTIATE_TEST_SUITE_P(EveryFieldTheDesignReads, FlexureInputRefusalTest,
                         ::testing::ValuesIn(kRefusals),
                         NamedBy([](const Refusal& r) { return std::string(r.field); }));

}  // namespace
}  // namespace kord::test
