#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/InputWindow.h"
#include "review/ResultsWindow.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

using DesignCommandTest = AppTest;

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

class PointerWatchingHost : public ScriptedHost {
  public:
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override {
        busyAtMessage.push_back(busyDepth);
        focusAtMessage.push_back(frmData().ActiveControl() ? frmData().ActiveControl()->Name()
                                                           : "");
        return ScriptedHost::MsgBox(text, buttons, icon, title);
    }
    std::vector<int> busyAtMessage;
    std::vector<std::string> focusAtMessage;
};

// A refused design shows its message without the hourglass, on the box it concerns; the
// section and demand checks of shear and confinement move the focus before the message.
TEST_F(DesignCommandTest, ARefusalShowsItsMessageAndPutsTheFocusOnItsBox) {
    struct Case {
        int tab;
        void (*fill)(FrmData&);
        const char* box;
        const char* text;
        const char* focus;
        bool focusFirst;
    };
    const Case cases[] = {
        {0, FillFlexure, "Text8", "50", "Text8", false},
        {0, FillFlexure, "Text31", "250", "Command1", false},
        {1, FillShear, "Text19", "0,45", "Text19", false},
        {2, FillConfinement, "Text21", "20", "Text21", false},
        {2, FillConfinement, "Text20", "0,19", "Text20", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        PointerWatchingHost watching;
        SetHost(&watching);
        FrmData& w = frmData();
        w.Show();
        c.fill(w);
        if (c.tab == 1) {
            w.Option7.SetValue(true);
            w.Text18.SetText("0,1");
        }
        if (c.tab == 2 && std::string(c.box) == "Text20") {
            w.Option8.SetValue(true);
            w.Text4(2).SetText("2");
            w.Text1(2).SetText("0,4");
        }
        static_cast<TextBox*>(w.Find(c.box))->SetText(c.text);
        w.TabStrip1.Select(c.tab);
        watching.messages.clear();
        w.Command1.UserClick();
        SetHost(&host);
        ASSERT_EQ(watching.messages.size(), 1u);
        EXPECT_EQ(watching.messages[0].title, "Uwaga !!!");
        EXPECT_EQ(watching.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(watching.busyAtMessage[0], 0);
        EXPECT_GE(watching.busyCount, 1);
        ASSERT_NE(w.ActiveControl(), nullptr);
        EXPECT_EQ(w.ActiveControl()->Name(), c.focus);
        if (std::string(c.focus) != "Command1") {
            EXPECT_EQ(watching.focusAtMessage[0] == c.focus, c.focusFirst);
        }
        EXPECT_TRUE(w.IsVisible());
        EXPECT_FALSE(frmResult.Exists());
    }
}

}  // namespace
}  // namespace kord::test
