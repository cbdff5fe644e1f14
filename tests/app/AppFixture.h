#pragma once
// A fresh program for each test: scripted host, the windows connected, empty design state, a
// chosen locale.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "app/Startup.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/Window.h"
#include "tests/support/ScriptedHost.h"

namespace kord::test {

class AppTest : public ::testing::Test {
  protected:
    explicit AppTest(bool decimalComma = true) {
        ConnectWindows();
        UseLocale(decimalComma);
    }
    ~AppTest() override { SetProgramFolder(""); }

    void UseLocale(bool decimalComma) {
        SetCurrentLocale(NumericLocale::FromName(decimalComma ? "pl_PL" : "en_US"));
        State() = DesignState{};
        State().DecimalComma = decimalComma;
    }

    // The one warning a run showed, the hourglass gone; where a control is given, the focus on it.
    void ExpectRefused(const std::string& text, const Control* focus) {
        ASSERT_EQ(host.messages.size(), 1u) << text;
        EXPECT_EQ(host.messages[0].text, text);
        EXPECT_EQ(host.messages[0].title, "Uwaga !!!");
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
        if (focus) {
            EXPECT_EQ(frmData().ActiveControl(), focus) << focus->Name();
        }
        EXPECT_EQ(host.busyDepth, 0);
    }

    std::vector<std::string> LoadedNames() const {
        std::vector<std::string> names;
        for (Window* w : Forms::Loaded()) names.push_back(w->Name());
        return names;
    }

    ScriptedHostScope scope;
    ScriptedHost& host = scope.host;
};

// The controls that the Tab key visits, in its order; within a container when one is given.
inline std::vector<std::string> TabOrder(const Window& w, const Control* within = nullptr) {
    std::vector<const Control*> order;
    for (const auto& c : w.Controls()) {
        if (!c->Focusable() || !c->TabStop()) continue;
        const Control* up = c.get();
        while (within && up && up != within) up = up->Container();
        if (!within || up) order.push_back(c.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    std::vector<std::string> names;
    for (const Control* c : order) names.push_back(c->Name());
    return names;
}

// Records the order in which windows are unloaded.
class UnloadRecorder : public WindowObserver {
  public:
    void Watch(Window& w) { w.AddObserver(this); }
    void ControlChanged(Control&, Prop) override {}
    void WindowChanged(Window& w, WindowEvent e) override {
        if (e == WindowEvent::Unloaded) order.push_back(w.Name());
    }
    std::vector<std::string> order;
};

// The beam several tests design: a rectangle 0.30 × 0.50 m, 500 mm² at 0.05 m, C20/25,
// Ef 165, Mo 30, Msd 120, Mser,r 80, Mser,q-p 60 kNm, only the desired failure modes. Fills the
// flexure tab (comma form); the design is the caller's.
inline void FillReferenceBeam() {
    FrmData& w = frmData();
    w.Option5.SetValue(true);
    const std::pair<TextBox*, const char*> fields[] = {
        {&w.Text4(0), "0,30"}, {&w.Text1(0), "0,50"},  {&w.Text3(0), "0"},      {&w.Text2(0), "0"},
        {&w.Text5(0), "0"},    {&w.Text9(0), "0"},     {&w.Text16, "0"},        {&w.Text17, "0"},
        {&w.Text6(0), "500"},  {&w.Text10(0), "0,05"}, {&w.Text34, "2,5"},      {&w.Text30, "500"},
        {&w.Text32, "200"},    {&w.Text24(0), "165"},  {&w.Text26(0), "0,008"}, {&w.Text7, "30"},
        {&w.Text8, "120"},     {&w.Text31, "80"},      {&w.Text33, "60"}};
    for (const auto& [box, text] : fields) box->SetText(text);
    w.Option10(0).SetValue(true);
    w.Combo1(0).SetListIndex(2);
    frmOptions().Check4.SetValue(1);
}

// Designable inputs of each case, in the comma form; the tab and the design are the caller's.
inline void FillFlexure(FrmData& w) {
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

inline void FillShear(FrmData& w) {
    w.Text4(1).SetText("0,30");
    w.Text14(1).SetText("0,50");
    w.Combo1(1).SetListIndex(2);
    w.Text24(1).SetText("230");
    w.Text15(1).SetText("0,015");
    w.Text12.SetText("100");
}

inline void FillConfinement(FrmData& w) {
    w.Option9.SetValue(true);
    w.Text27.SetText("0,40");
    w.Combo1(2).SetListIndex(2);
    w.Text24(2).SetText("230");
    w.Text11.SetText("0,015");
    w.Text21.SetText("35");
    w.Check2.SetValue(0);
}

}  // namespace kord::test
