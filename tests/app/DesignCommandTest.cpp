#include <gtest/gtest.h>

#include "app/InputWindow.h"
#include "review/ResultsWindow.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

using DesignCommandTest = AppTest;

void FillFlexure(FrmData& w) {
    w.Option5.SetValue(true);
    w.Text4(0).SetText("0,30");
    w.Text1(0).SetText("0,50");
    w.Combo1(0).SetListIndex(2);
    w.Text6(0).SetText("500");
    w.Text10(0).SetText("0,05");
    w.Text24(0).SetText("165");
    w.Text7.SetText("20");
    w.Text8.SetText("150");
    w.Text31.SetText("100");
    w.Text33.SetText("80");
}

void FillShear(FrmData& w) {
    w.Text4(1).SetText("0,30");
    w.Text14(1).SetText("0,50");
    w.Combo1(1).SetListIndex(2);
    w.Text24(1).SetText("230");
    w.Text15(1).SetText("0,015");
    w.Text12.SetText("100");
}

void FillConfinement(FrmData& w) {
    w.Option9.SetValue(true);
    w.Text27.SetText("0,40");
    w.Combo1(2).SetListIndex(2);
    w.Text24(2).SetText("230");
    w.Text11.SetText("0,015");
    w.Text21.SetText("35");
    w.Check2.SetValue(0);
}

TEST_F(DesignCommandTest, ObliczanieDesignsTheSelectedTabAndShowsTheResults) {
    struct Case {
        int tab;
        void (*fill)(FrmData&);
    };
    for (const Case& c : {Case{0, FillFlexure}, Case{1, FillShear}, Case{2, FillConfinement}}) {
        SCOPED_TRACE(c.tab);
        FrmData& w = frmData();
        w.Show();
        // Every tab holds inputs; only the selected one is designed.
        FillFlexure(w);
        FillShear(w);
        FillConfinement(w);
        c.fill(w);
        w.TabStrip1.Select(c.tab);
        State().ResultKind = -1;
        w.Command1.UserClick();
        for (const MsgBoxCall& m : host.messages) ADD_FAILURE() << m.text;
        EXPECT_EQ(State().ResultKind, c.tab);
        EXPECT_EQ(w.ActiveTab, c.tab);
        EXPECT_FALSE(w.IsVisible());
        ASSERT_TRUE(frmResult.Exists());
        EXPECT_TRUE(frmResult().IsVisible());
        frmResult().Command2.UserClick();
        Forms::Collect();
        EXPECT_TRUE(frmData().IsVisible());
        EXPECT_FALSE(frmResult.Exists());
    }
}

TEST_F(DesignCommandTest, AProblemKeepsTheInputWindowAndShowsNoResults) {
    FrmData& w = frmData();
    w.Show();
    FillShear(w);
    w.Text12.SetText("0");
    w.TabStrip1.Select(1);
    State().ResultKind = 2;
    w.UserPressEnter();
    EXPECT_FALSE(host.messages.empty());
    EXPECT_TRUE(w.IsVisible());
    EXPECT_FALSE(frmResult.Exists());
    EXPECT_EQ(State().ResultKind, 2);
}

}  // namespace
}  // namespace kord::test
