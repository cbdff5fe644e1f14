#include <gtest/gtest.h>

#include <map>

#include "app/InputWindow.h"
#include "tests/ParamNames.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

// Everything a user can see of one page: texts, captions, choices, enabled states, the drawing.
std::map<std::string, std::string> Snapshot(FrmData& w, int tab) {
    std::map<std::string, std::string> snap;
    for (const auto& c : w.Controls()) {
        bool onPage = false;
        for (const Control* p = c.get(); p; p = p->Container())
            if (p == &w.Frame4(tab)) onPage = true;
        if (!onPage) continue;
        std::string state = c->Text() + "|" + (c->Enabled() ? "on" : "off");
        if (c->Kind() == ControlKind::OptionButton)
            state += static_cast<OptionButton&>(*c).Value() ? "|set" : "|clear";
        if (c->Kind() == ControlKind::CheckBox)
            state += "|" + std::to_string(static_cast<CheckBox&>(*c).Value());
        if (c->Kind() == ControlKind::ComboBox)
            state += "|" + std::to_string(static_cast<ComboBox&>(*c).ListIndex());
        if (c->Kind() == ControlKind::PictureBox)
            state += "|" + static_cast<PictureBox&>(*c).Picture().Path();
        snap[c->Name()] = state;
    }
    return snap;
}

// Changes everything on a tab that the user can change.
void Scramble(FrmData& w) {
    for (const auto& c : w.Controls())
        if (c->Kind() == ControlKind::TextBox) c->SetText("7");
    w.Option5.SetValue(true);
    w.Option2.SetValue(true);
    w.Option7.SetValue(true);
    w.Option9.SetValue(true);
    w.Option12.SetValue(true);
    w.Check1.SetValue(0);
    for (int k = 0; k < 3; ++k) {
        w.Combo1(k).SetListIndex(5);
        w.Option11(k).SetValue(true);
    }
    w.Combo3.SetListIndex(2);
}

class InputTabResetTest : public AppTest, public ::testing::WithParamInterface<bool> {
  protected:
    InputTabResetTest() : AppTest(GetParam()) {}
};

TEST_P(InputTabResetTest, NowyGivesBackAFreshlyLoadedTabAndTouchesNothingElse) {
    std::vector<std::map<std::string, std::string>> fresh;
    {
        FrmData& w = frmData();
        for (int k = 0; k < 3; ++k) fresh.push_back(Snapshot(w, k));
        w.Unload();
        Forms::Collect();
    }
    for (int tab = 0; tab < 3; ++tab) {
        SCOPED_TRACE(tab);
        FrmData& w = frmData();
        w.Show();
        Scramble(w);
        std::vector<std::map<std::string, std::string>> before;
        for (int k = 0; k < 3; ++k) before.push_back(Snapshot(w, k));
        w.TabStrip1.Select(tab);
        host.messages.clear();
        w.Command2.UserClick();
        EXPECT_EQ(w.ActiveTab, tab);
        EXPECT_EQ(w.TabStrip1.SelectedIndex(), tab);
        for (int k = 0; k < 3; ++k) {
            const auto now = Snapshot(w, k);
            for (const auto& [name, state] : (k == tab ? fresh[k] : before[k]))
                EXPECT_EQ(now.at(name), state) << name;
        }
        // "Mata" is chosen before "Prostokątny": no warning about strips.
        EXPECT_TRUE(host.messages.empty());
        w.Unload();
        Forms::Collect();
    }
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, InputTabResetTest, ::testing::Bool(), SeparatorName);

}  // namespace
}  // namespace kord::test
