#include <gtest/gtest.h>

#include "app/InputWindow.h"
#include "platform/NumberFormat.h"
#include "tests/ParamNames.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

struct RuleCase {
    const char* box;
    int tab;
    double lower, upper;
    bool zeroSkips;
    const char* comma;
    const char* point;  // nullptr: the same text
};

const char* const kNotNumber = "Proszę wpisać wartość liczbową.";

// The ranges and texts as the users have always seen them.
const RuleCase kRules[] = {
    {"Text1(0)", 0, 0.05, 2.00, true, "Proszę wpisać wartość pomiędzy 0,05 a 2,00 m.",
     "Proszę wpisać wartość pomiędzy 0.05 a 2.00 m."},
    {"Text1(2)", 2, 0.05, 2.00, true, "Proszę wpisać wartość pomiędzy 0,05 a 2,00 m.",
     "Proszę wpisać wartość pomiędzy 0.05 a 2.00 m."},
    {"Text2(0)", 0, 0.07, 0.60, true, "Proszę wpisać wartość pomiędzy 0,07 a 0,60 m.",
     "Proszę wpisać wartość pomiędzy 0.07 a 0.60 m."},
    {"Text3(0)", 0, 0.20, 6.00, true, "Proszę wpisać wartość pomiędzy 0,20 a 6,00 m.",
     "Proszę wpisać wartość pomiędzy 0.20 a 6.00 m."},
    {"Text4(0)", 0, 0.05, 2.00, true, "Proszę wpisać wartość pomiędzy 0,05 a 2,00 m.",
     "Proszę wpisać wartość pomiędzy 0.05 a 2.00 m."},
    {"Text4(1)", 1, 0.05, 2.00, true, "Proszę wpisać wartość pomiędzy 0,05 a 2,00 m.",
     "Proszę wpisać wartość pomiędzy 0.05 a 2.00 m."},
    {"Text4(2)", 2, 0.05, 2.00, true, "Proszę wpisać wartość pomiędzy 0,05 a 2,00 m.",
     "Proszę wpisać wartość pomiędzy 0.05 a 2.00 m."},
    {"Text5(0)", 0, 50, 8000, true, "Proszę wpisać wartość pomiędzy 50 a 8000 mm2.", nullptr},
    {"Text6(0)", 0, 50, 8000, true, "Proszę wpisać wartość pomiędzy 50 a 8000 mm2.", nullptr},
    {"Text7", 0, 1, 6000, true, "Proszę wpisać wartość pomiędzy 1 a 6000 kNm.", nullptr},
    {"Text8", 0, 5, 10000, true, "Proszę wpisać wartość pomiędzy 5 a 10000 kNm.", nullptr},
    {"Text9(0)", 0, 0.01, 1.00, true, "Proszę wpisać wartość pomiędzy 0,01 a 1,00 m.",
     "Proszę wpisać wartość pomiędzy 0.01 a 1.00 m."},
    {"Text10(0)", 0, 0.01, 1.00, true, "Proszę wpisać wartość pomiędzy 0,01 a 1,00 m.",
     "Proszę wpisać wartość pomiędzy 0.01 a 1.00 m."},
    {"Text11", 2, 0.002, 0.080, true, "Proszę wpisać wartość pomiędzy 0,002 a 0,080.",
     "Proszę wpisać wartość pomiędzy 0.002 a 0.080."},
    {"Text12", 1, 10, 400, true, "Proszę wpisać wartość pomiędzy 10 a 400 kN.", nullptr},
    {"Text13(1)", 1, 30, 150, false, "Proszę wpisać wartość pomiędzy 30 a 150 stopniami.", nullptr},
    {"Text14(1)", 1, 0.20, 4.00, true, "Proszę wpisać wartość pomiędzy 0,20 a 4,00 m.",
     "Proszę wpisać wartość pomiędzy 0.20 a 4.00 m."},
    {"Text15(1)", 1, 0.002, 0.080, true, "Proszę wpisać wartość pomiędzy 0,002 a 0,080.",
     "Proszę wpisać wartość pomiędzy 0.002 a 0.080."},
    {"Text16", 0, 50, 8000, true, "Proszę wpisać wartość pomiędzy 50 a 8000 mm2.", nullptr},
    {"Text17", 0, 0.01, 1.00, true, "Proszę wpisać wartość pomiędzy 0,01 a 1,00 m.",
     "Proszę wpisać wartość pomiędzy 0.01 a 1.00 m."},
    {"Text18", 1, 0.01, 0.80, true, "Proszę wpisać wartość pomiędzy 0,01 a 0,80 m.",
     "Proszę wpisać wartość pomiędzy 0.01 a 0.80 m."},
    {"Text19", 1, 0.03, 1.50, true, "Proszę wpisać wartość pomiędzy 0,03 a 1,50 m.",
     "Proszę wpisać wartość pomiędzy 0.03 a 1.50 m."},
    {"Text20", 2, 0.00, 0.50, true, "Proszę wpisać wartość pomiędzy 0,00 a 0,50 m.",
     "Proszę wpisać wartość pomiędzy 0.00 a 0.50 m."},
    {"Text21", 2, 5, 120, true, "Proszę wpisać wartość pomiędzy 5 a 120 N/mm2.", nullptr},
    {"Text22(0)", 0, 3, 100, true, "PProszę wpisać wartość pomiędzy 3 a 100 N/mm2.", nullptr},
    {"Text22(1)", 1, 3, 100, true, "PProszę wpisać wartość pomiędzy 3 a 100 N/mm2.", nullptr},
    {"Text22(2)", 2, 3, 100, true, "PProszę wpisać wartość pomiędzy 3 a 100 N/mm2.", nullptr},
    {"Text23", 2, 0.002, 0.160, true, "Proszę wpisać wartość pomiędzy 0,002 a 0,160.",
     "Proszę wpisać wartość pomiędzy 0.002 a 0.160."},
    {"Text24(0)", 0, 10, 800, true, "Proszę wpisać wartość pomiędzy 10 a 800 kN/mm2.", nullptr},
    {"Text24(1)", 1, 10, 800, true, "Proszę wpisać wartość pomiędzy 10 a 800 kN/mm2.", nullptr},
    {"Text24(2)", 2, 10, 800, true, "Proszę wpisać wartość pomiędzy 10 a 800 kN/mm2.", nullptr},
    {"Text25", 2, 0.1, 1.0, false, "Proszę wpisać wartość pomiędzy 0,1 a 1,0 x efu.",
     "Proszę wpisać wartość pomiędzy 0.1 a 1.0 x efu."},
    {"Text26(0)", 0, 0.002, 0.015, false, "Proszę wpisać wartość pomiędzy 0,002 a 0,015.",
     "Proszę wpisać wartość pomiędzy 0.002 a 0.015."},
    {"Text26(1)", 1, 0.002, 0.015, false, "Proszę wpisać wartość pomiędzy 0,002 a 0,015.",
     "Proszę wpisać wartość pomiędzy 0.002 a 0.015."},
    {"Text27", 2, 0.05, 4.00, true, "Proszę wpisać wartość pomiędzy 0,05 a 4,00 m.",
     "Proszę wpisać wartość pomiędzy 0.05 a 4.00 m."},
    {"Text28", 2, 0.01, 0.80, true, "Proszę wpisać wartość pomiędzy 0,01 a 0,80 m.",
     "Proszę wpisać wartość pomiędzy 0.01 a 0.80 m."},
    {"Text29", 2, 0.03, 1.50, true, "Proszę wpisać wartość pomiędzy 0,03 a 1,50 m.",
     "Proszę wpisać wartość pomiędzy 0.03 a 1.50 m."},
    {"Text30", 0, 200, 800, false, "Proszę wpisać wartość pomiędzy 200 a 800 N/mm2.", nullptr},
    {"Text31", 0, 2, 8000, true, "Proszę wpisać wartość pomiędzy 2 a 8000 kNm.", nullptr},
    {"Text32", 0, 150, 250, false, "Proszę wpisać wartość pomiędzy 150 a 250 kN/mm2.", nullptr},
    {"Text33", 0, 2, 8000, true, "Proszę wpisać wartość pomiędzy 2 a 8000 kNm.", nullptr},
    {"Text34", 0, 0, 8, false, "Proszę wpisać wartość pomiędzy 0 a 8.", nullptr},
};

class FieldRuleTest : public AppTest, public ::testing::WithParamInterface<bool> {
  protected:
    FieldRuleTest() : AppTest(GetParam()) {}

    // Makes the field's row usable, as the user would by choosing the options.
    void Reach(FrmData& w, const RuleCase& c) {
        w.TabStrip1.Select(c.tab);
        w.Option11(c.tab).SetValue(true);
        w.Option7.SetValue(true);
        w.Option12.SetValue(true);
        (std::string(c.box) == "Text27" ? w.Option9 : w.Option8).SetValue(true);
        host.messages.clear();
    }

    // Types the text into the field and leaves it with Tab, as a user does. Returns the message
    // shown, or "" when none.
    std::string Leave(FrmData& w, TextBox& box, const std::string& text) {
        host.messages.clear();
        box.UserType(text);
        w.UserPressTab(false);
        if (host.messages.empty()) return "";
        EXPECT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, "Uwaga !!!");
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
        // The field has the focus again and keeps what was typed.
        EXPECT_EQ(w.ActiveControl(), &box);
        EXPECT_EQ(box.Text(), text);
        return host.messages[0].text;
    }
};

TEST_P(FieldRuleTest, EveryFieldChecksNumberAndRange) {
    const bool comma = GetParam();
    FrmData& w = frmData();
    w.Show();
    for (const RuleCase& c : kRules) {
        SCOPED_TRACE(c.box);
        Reach(w, c);
        auto& box = static_cast<TextBox&>(w.Ctl(c.box));
        ASSERT_TRUE(box.CanFocus());
        const std::string range = comma || !c.point ? c.comma : c.point;
        auto text = [](double v) { return FormatGeneral(v); };
        const double span = c.upper - c.lower;

        EXPECT_EQ(Leave(w, box, ""), kNotNumber);
        EXPECT_EQ(Leave(w, box, "abc"), kNotNumber);
        EXPECT_EQ(Leave(w, box, comma ? "1.5" : "1,5"), kNotNumber);
        EXPECT_EQ(Leave(w, box, text(c.lower)), "");
        EXPECT_EQ(Leave(w, box, text(c.upper)), "");
        EXPECT_EQ(Leave(w, box, text(c.upper + span * 1e-3)), range);
        EXPECT_EQ(Leave(w, box, text(c.lower - span * 1e-3)), range);
        EXPECT_EQ(Leave(w, box, "0"), c.zeroSkips || c.lower == 0 ? "" : range);
        EXPECT_EQ(Leave(w, box, text(c.lower)), "");
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, FieldRuleTest, ::testing::Bool(), SeparatorName);

using FieldFocusTest = AppTest;

TEST_F(FieldFocusTest, EnteringAFieldSelectsItsWholeText) {
    FrmData& w = frmData();
    w.Show();
    w.Text30.SetFocus();
    EXPECT_EQ(w.Text30.SelStart(), 0);
    EXPECT_EQ(w.Text30.SelLength(), 3);
    w.Text26(0).SetFocus();
    EXPECT_EQ(w.Text26(0).SelText(), "0,008");
}

TEST_F(FieldFocusTest, FailedLeavingCancelsTheTabChangeAndTheButton) {
    FrmData& w = frmData();
    w.Show();
    w.Text7.UserType("-1");
    w.TabStrip1.UserSelect(1);
    EXPECT_EQ(w.TabStrip1.SelectedIndex(), 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Proszę wpisać wartość pomiędzy 1 a 6000 kNm.");
    EXPECT_EQ(w.ActiveControl(), &w.Text7);

    int opened = 0;
    w.Command5.Click = [&] { ++opened; };
    w.Command5.UserClick();
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(w.ActiveControl(), &w.Text7);
}

TEST_F(FieldFocusTest, ExitHelpNewAndOpenLeaveWithoutACheck) {
    FrmData& w = frmData();
    w.Show();
    for (CommandButton* b : {&w.Command7, &w.Command2, &w.Command8}) {
        int pressed = 0;
        b->Click = [&] { ++pressed; };
        w.Text8.UserType("abc");
        b->UserClick();
        EXPECT_EQ(pressed, 1) << b->Name();
        EXPECT_TRUE(host.messages.empty()) << b->Name();
    }
}

TEST_F(FieldFocusTest, EnterRunsTheFieldCheckBeforeTheDefaultCommand) {
    FrmData& w = frmData();
    w.Show();
    int designs = 0;
    w.Command1.Click = [&] { ++designs; };
    w.Text8.UserType("abc");
    w.UserPressEnter();
    EXPECT_EQ(designs, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kNotNumber);
    EXPECT_EQ(w.ActiveControl(), &w.Text8);
    w.Text8.UserType("250");
    w.UserPressEnter();
    EXPECT_EQ(designs, 1);
}

TEST_F(FieldFocusTest, ProgramFocusMovesAndWrittenTextsRunNoCheck) {
    FrmData& w = frmData();
    w.Show();
    w.Text7.UserType("abc");
    w.Text8.SetFocus();  // from code
    w.Text31.SetText("xyz");
    w.Option5.SetValue(true);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FieldFocusTest, TwoInvalidFieldsDoNotSendTheFocusBackAndForth) {
    FrmData& w = frmData();
    w.Show();
    w.Text8.UserType("abc");
    w.Text7.UserType("abc");  // the click into Text7 leaves Text8: its check fails
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(w.ActiveControl(), &w.Text8);
    // Text7 never had the focus, so nothing was typed there and it ran no check.
    EXPECT_EQ(w.Text7.Text(), "0");
}

}  // namespace
}  // namespace kord::test
