#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "platform/TextMetrics.h"
#include "tests/ParamNames.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

const char* const kNotNumber = "Proszę wpisać wartość liczbową.";

// A typed number in the locale's form: the cases are written with a comma.
std::string Typed(const std::string& comma, bool decimalComma) {
    std::string s = comma;
    if (!decimalComma) std::replace(s.begin(), s.end(), ',', '.');
    return s;
}

// Whether c lies on the pane, through any frames.
bool OnPane(const Control& c, const Control& pane) {
    for (const Control* p = c.Container(); p; p = p->Container())
        if (p == &pane) return true;
    return false;
}

class OptionsBothSeparators : public AppTest, public ::testing::WithParamInterface<bool> {
  protected:
    OptionsBothSeparators() : AppTest(GetParam()) {}
    bool comma() const { return GetParam(); }
};

TEST_P(OptionsBothSeparators, LoadSetsTheDefaults) {
    FrmOptions& w = frmOptions();
    EXPECT_EQ(w.Caption(), "Opcje");
    // The three tab captions must be readable side by side.
    int captions = 0;
    for (int i = 0; i < w.tbsOptions.TabCount(); ++i)
        captions += TextWidthTwips(w.tbsOptions.TabCaption(i), w.tbsOptions.Font()) + 360;
    EXPECT_LE(captions, w.tbsOptions.Width());
    EXPECT_EQ(w.Height(), 4920);
    EXPECT_EQ(w.Border(), BorderStyle::FixedDialog);
    EXPECT_FALSE(w.ShowInTaskbar());
    EXPECT_TRUE(w.KeyPreview());
    EXPECT_EQ(w.Font(), (Font{"Arial", 8.25}));
    EXPECT_EQ(w.Text1.Font(), (Font{"Arial", 8.25}));
    EXPECT_EQ(w.DefaultButton(), &w.cmdOK);

    ASSERT_EQ(w.tbsOptions.TabCount(), 3);
    EXPECT_EQ(w.tbsOptions.TabCaption(0), "Ogólne");
    EXPECT_EQ(w.tbsOptions.TabCaption(1), "Drukowanie / Zginanie");
    EXPECT_EQ(w.tbsOptions.TabCaption(2), "Współczynniki bezpieczeństwa dla kompozytów (ścinanie)");
    EXPECT_EQ(w.tbsOptions.SelectedIndex(), 0);

    EXPECT_EQ(w.Text3.Text(), comma() ? "0,8" : "0.8");
    EXPECT_EQ(w.Text4.Text(), comma() ? "1,30" : "1.30");
    EXPECT_EQ(w.Text5.Text(), comma() ? "1,25" : "1.25");
    EXPECT_EQ(w.Text6.Text(), comma() ? "1,20" : "1.20");
    EXPECT_EQ(w.Text7.Text(), comma() ? "1,25" : "1.25");
    EXPECT_EQ(w.Text8.Text(), comma() ? "1,30" : "1.30");
    EXPECT_EQ(w.Text1.Text(), "");
    EXPECT_EQ(w.Text2.Text(), "");
    EXPECT_EQ(w.Text9.Text(), "");

    struct Check {
        CheckBox* box;
        const char* caption;
        int value;
    };
    const Check checks[] = {{&w.Check2, "Dane użytkownika", 0},
                            {&w.Check1, "Data/Godzina", 1},
                            {&w.Check3, "Projekt", 0},
                            {&w.Check4, "Rozwiązanie tylko dla pożądanych stanów zniszczenia", 1}};
    for (const Check& c : checks) {
        EXPECT_EQ(c.box->Caption(), c.caption);
        EXPECT_EQ(c.box->Value(), c.value) << c.caption;
    }
    EXPECT_EQ(w.Command1.Caption(), "Ustawienia drukarki");
    EXPECT_EQ(w.Command2.Caption(), "Czcionki");
    EXPECT_EQ(w.Command4.Caption(), "Domyślne");
    EXPECT_EQ(w.Command5.Caption(), "Pomoc");
    EXPECT_EQ(w.cmdOK.Caption(), "OK");
    EXPECT_LT(w.Command5.Left(), w.cmdOK.Left());
    EXPECT_TRUE(w.Printer.DeviceName().empty());
    EXPECT_EQ(w.ReportFont.name, "");

    // The five γ letters with their subscripts; "k" has none.
    const char* subscripts[] = {"f,b", "f,l", "f,f", "f,f", "f,f"};
    for (int r = 1; r <= 5; ++r) {
        Control* g = w.Find("Label" + std::to_string(4 + r));
        Control* s = w.Find("Label" + std::to_string(9 + r));
        ASSERT_TRUE(g && s) << r;
        EXPECT_EQ(g->Caption(), "γ") << r;
        EXPECT_EQ(g->Font().name, "Symbol") << r;
        EXPECT_EQ(s->Caption(), subscripts[r - 1]) << r;
    }
    EXPECT_EQ(w.Find("Label4")->Caption(), "   k  =");
    EXPECT_EQ(w.Find("Label21")->Caption(), "- AFRP (wł. aramidowe):");

    // Every pane on the tab strip's client area, the first in front, none parked yet.
    for (PictureBox* pane : w.picOptions.Elements()) {
        EXPECT_EQ(pane->Left(), w.tbsOptions.ClientLeft()) << pane->Name();
        EXPECT_EQ(pane->Top(), w.tbsOptions.ClientTop()) << pane->Name();
        EXPECT_EQ(pane->Width(), w.tbsOptions.ClientWidth()) << pane->Name();
        EXPECT_EQ(pane->Height(), w.tbsOptions.ClientHeight()) << pane->Name();
        EXPECT_TRUE(pane->Enabled()) << pane->Name();
    }
    EXPECT_GT(w.picOptions(0).ZOrderValue(), w.picOptions(1).ZOrderValue());
    EXPECT_GT(w.picOptions(0).ZOrderValue(), w.picOptions(2).ZOrderValue());
    EXPECT_TRUE(w.Text1.CanFocus());
    EXPECT_FALSE(w.Text3.CanFocus());
    EXPECT_FALSE(w.Command1.CanFocus());
    EXPECT_TRUE(host.messages.empty());
}

TEST_P(OptionsBothSeparators, DefaultsTouchOnlyTheFactors) {
    FrmOptions& w = frmOptions();
    w.Text1.SetText("Jan Kowalski");
    w.Text2.SetText("Biuro");
    w.Text9.SetText("Most");
    w.Check1.SetValue(0);
    w.Check2.SetValue(1);
    w.Check4.SetValue(0);
    for (TextBox* t : {&w.Text3, &w.Text4, &w.Text5, &w.Text6, &w.Text7, &w.Text8})
        t->SetText(Typed("1,5", comma()));
    w.Show();
    w.tbsOptions.Select(2);
    w.Command4.UserClick();

    const std::vector<std::string> factors = {w.Text3.Text(), w.Text4.Text(), w.Text5.Text(),
                                              w.Text6.Text(), w.Text7.Text(), w.Text8.Text()};
    const std::vector<std::string> expected =
        comma() ? std::vector<std::string>{"0,8", "1,30", "1,25", "1,20", "1,25", "1,30"}
                : std::vector<std::string>{"0.8", "1.30", "1.25", "1.20", "1.25", "1.30"};
    EXPECT_EQ(factors, expected);
    EXPECT_EQ(w.Text1.Text(), "Jan Kowalski");
    EXPECT_EQ(w.Text2.Text(), "Biuro");
    EXPECT_EQ(w.Text9.Text(), "Most");
    EXPECT_EQ(w.Check1.Value(), 0);
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_EQ(w.Check3.Value(), 0);
    EXPECT_EQ(w.Check4.Value(), 0);
    EXPECT_TRUE(host.messages.empty());
}

struct FactorCase {
    const char* box;
    const char* typed;  // comma form; the point locale types it with a point
    const char* commaMessage;
    const char* pointMessage;  // nullptr: accepted
};

const char* const kK[] = {"Proszę wpisać wartość pomiędzy 0,3 a 1,0.",
                          "Proszę wpisać wartość pomiędzy 0.3 a 1.0."};
const char* const kG[] = {"Proszę wpisać wartość pomiędzy 1,0 a 1,6.",
                          "Proszę wpisać wartość pomiędzy 1.0 a 1.6."};

std::vector<FactorCase> FactorCases() {
    std::vector<FactorCase> cases = {
        {"Text3", "0,3", nullptr, nullptr},       {"Text3", "1,0", nullptr, nullptr},
        {"Text3", "1", nullptr, nullptr},         {"Text3", "0,65", nullptr, nullptr},
        {"Text3", "0,29", kK[0], kK[1]},          {"Text3", "1,01", kK[0], kK[1]},
        {"Text3", "1,3", kK[0], kK[1]},           {"Text3", "0", kK[0], kK[1]},
        {"Text3", "-0,5", kK[0], kK[1]},          {"Text3", "", kNotNumber, kNotNumber},
        {"Text3", "abc", kNotNumber, kNotNumber},
    };
    for (const char* box : {"Text4", "Text5", "Text6", "Text7", "Text8"}) {
        const FactorCase more[] = {
            {box, "1,0", nullptr, nullptr},
            {box, "1,6", nullptr, nullptr},
            {box, "1,45", nullptr, nullptr},
            {box, "0,99", kG[0], kG[1]},
            {box, "1,61", kG[0], kG[1]},
            {box, "0,8", kG[0], kG[1]},
            {box, "0", kG[0], kG[1]},
            {box, "", kNotNumber, kNotNumber},
            {box, "1,3x", kNotNumber, kNotNumber},
        };
        cases.insert(cases.end(), std::begin(more), std::end(more));
    }
    return cases;
}

TEST_P(OptionsBothSeparators, EveryFactorIsCheckedWhenTheUserLeavesIt) {
    FrmOptions& w = frmOptions();
    w.Show();
    w.tbsOptions.Select(2);
    int n = 0;
    for (const FactorCase& c : FactorCases()) {
        auto& box = static_cast<TextBox&>(*w.Find(c.box));
        const std::string typed = Typed(c.typed, comma());
        const std::string label = std::string(c.box) + " '" + typed + "'";
        // A valid start, so that the focus arrives without a check.
        box.SetText("1");
        ASSERT_TRUE(box.SetFocus()) << label;
        host.messages.clear();
        box.UserType(typed);
        // Leave by Tab and by Shift+Tab in turn.
        w.UserPressTab(n++ % 2 == 1);
        EXPECT_EQ(box.Text(), typed) << label;
        if (!c.pointMessage) {
            EXPECT_TRUE(host.messages.empty()) << label;
            EXPECT_FALSE(box.HasFocus()) << label;
            continue;
        }
        ASSERT_EQ(host.messages.size(), 1u) << label;
        EXPECT_EQ(host.messages[0].text, comma() ? c.commaMessage : c.pointMessage) << label;
        EXPECT_EQ(host.messages[0].title, "Uwaga !!!");
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(host.messages[0].buttons, MsgButtons::OK);
        EXPECT_TRUE(box.HasFocus()) << label;
        // The whole typed text is selected again for the correction.
        EXPECT_EQ(box.SelText(), typed) << label;
    }
}

INSTANTIATE_TEST_SUITE_P(CommaAndPoint, OptionsBothSeparators, ::testing::Bool(), SeparatorName);

using OptionsWindowTest = AppTest;

TEST_F(OptionsWindowTest, UserDataTakesAnyTextAndEntrySelectsIt) {
    FrmOptions& w = frmOptions();
    w.Show();
    for (TextBox* t : {&w.Text1, &w.Text2, &w.Text9}) {
        t->SetText("abc");
        ASSERT_TRUE(w.Check1.SetFocus());
        ASSERT_TRUE(t->SetFocus());
        EXPECT_EQ(t->SelText(), "abc") << t->Name();
        t->UserType("");
        w.UserPressTab(false);
        EXPECT_FALSE(t->HasFocus()) << t->Name();
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(OptionsWindowTest, AFailedCheckCancelsTheMoveThatCausedIt) {
    FrmOptions& w = frmOptions();
    FrmData& data = frmData();
    w.Show();
    w.tbsOptions.Select(2);
    w.Text4.UserType("0");

    // "Domyślne": no defaults written.
    w.Command4.UserClick();
    EXPECT_EQ(w.Text4.Text(), "0");
    // A tab click and Ctrl+Shift+Tab: the pane stays.
    w.tbsOptions.UserSelect(0);
    EXPECT_TRUE(w.UserKeyDown(KeyTab, true, true));
    EXPECT_EQ(w.tbsOptions.SelectedIndex(), 2);
    EXPECT_EQ(w.picOptions(2).Left(), 210);
    // "OK" by the mouse and by Enter: the window stays, the status bar is not written.
    w.cmdOK.UserClick();
    w.UserPressEnter();
    EXPECT_TRUE(w.IsVisible());
    EXPECT_EQ(data.StatusBar1.Panels(1).text, "Projekt:");

    ASSERT_EQ(host.messages.size(), 5u);
    for (const MsgBoxCall& m : host.messages)
        EXPECT_EQ(m.text, "Proszę wpisać wartość pomiędzy 1,0 a 1,6.");
    EXPECT_TRUE(w.Text4.HasFocus());
    EXPECT_EQ(w.Text4.Text(), "0");

    // Once corrected, Enter runs "OK".
    w.Text4.UserType("1,4");
    w.UserPressEnter();
    EXPECT_FALSE(w.IsVisible());
    EXPECT_EQ(host.messages.size(), 5u);
}

TEST_F(OptionsWindowTest, LeavingTowardsHelpChecksNothing) {
    FrmOptions& w = frmOptions();
    w.Show();
    w.tbsOptions.Select(2);
    w.Text8.UserType("abc");
    w.Command5.UserClick();
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(host.helpShown.size(), 1u);
    EXPECT_NE(host.helpShown[0].find("Help/Kordelan-Help.hlp"), std::string::npos);
    EXPECT_TRUE(w.Command5.HasFocus());
    EXPECT_EQ(w.Text8.Text(), "abc");
}

TEST_F(OptionsWindowTest, OkWritesTheStatusBarAndHides) {
    FrmData& data = frmData();
    FrmOptions& w = frmOptions();
    w.Show();
    w.cmdOK.UserClick();
    EXPECT_EQ(data.StatusBar1.Panels(1).text, "Projekt: ");
    EXPECT_EQ(data.StatusBar1.Panels(2).text, "Autor: ");
    EXPECT_EQ(data.StatusBar1.Panels(3).text, "Firma: ");
    EXPECT_EQ(data.StatusBar1.Panels(4).style, PanelStyle::Date);
    EXPECT_FALSE(w.IsVisible());
    EXPECT_TRUE(w.IsLoaded());

    // Shown modally, as "Opcje" does: "OK" ends the modal showing and keeps the settings.
    host.modalScripts.push_back([](Window& win) {
        auto& o = static_cast<FrmOptions&>(win);
        o.Text9.UserType("Wiadukt WA-12");
        o.Text1.UserType("Jan Kowalski");
        o.Text2.UserType("Biuro Projektowe");
        o.Check2.UserClick();
        o.cmdOK.UserClick();
    });
    w.ShowModal();
    EXPECT_EQ(host.modalWindows, std::vector<std::string>{"frmOptions"});
    EXPECT_FALSE(w.IsVisible());
    EXPECT_EQ(data.StatusBar1.Panels(1).text, "Projekt: Wiadukt WA-12");
    EXPECT_EQ(data.StatusBar1.Panels(2).text, "Autor: Jan Kowalski");
    EXPECT_EQ(data.StatusBar1.Panels(3).text, "Firma: Biuro Projektowe");
    EXPECT_EQ(&frmOptions(), &w);
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(OptionsWindowTest, CtrlTabStopsAtTheLastAndCtrlShiftTabWraps) {
    struct KeyCase {
        int start;
        int key;
        bool ctrl;
        bool shift;
        bool used;
        int selected;
    };
    const KeyCase cases[] = {
        {0, KeyTab, true, false, true, 1},    {1, KeyTab, true, false, true, 2},
        {2, KeyTab, true, false, true, 2},    {2, KeyTab, true, true, true, 1},
        {1, KeyTab, true, true, true, 0},     {0, KeyTab, true, true, true, 2},
        {0, KeyTab, false, false, false, 0},  {1, KeyTab, false, true, false, 1},
        {0, KeyEnter, true, false, false, 0}, {2, KeyEscape, true, true, false, 2},
    };
    FrmOptions& w = frmOptions();
    w.Show();
    for (const KeyCase& c : cases) {
        w.tbsOptions.Select(c.start);
        EXPECT_EQ(w.UserKeyDown(c.key, c.ctrl, c.shift), c.used) << c.start << c.key << c.shift;
        EXPECT_EQ(w.tbsOptions.SelectedIndex(), c.selected) << c.start << c.key << c.shift;
        // The key changes the pane as a click on the tab does.
        for (int i = 0; i < 3; ++i) {
            const PictureBox& pane = w.picOptions(i);
            EXPECT_EQ(pane.Left(), i == c.selected ? 210 : -20000) << i;
            EXPECT_EQ(pane.Enabled(), i == c.selected) << i;
            EXPECT_EQ(pane.Top(), w.tbsOptions.ClientTop()) << i;
            EXPECT_EQ(pane.Width(), w.tbsOptions.ClientWidth()) << i;
        }
    }
    EXPECT_TRUE(host.messages.empty());

    // From "Autor" or "Firma" the focus lands on the tab strip, in both directions.
    for (const bool back : {false, true}) {
        w.tbsOptions.Select(0);
        ASSERT_TRUE((back ? w.Text2 : w.Text1).SetFocus());
        EXPECT_TRUE(w.UserKeyDown(KeyTab, true, back));
        EXPECT_EQ(w.ActiveControl(), &w.tbsOptions) << back;
        EXPECT_EQ(w.tbsOptions.SelectedIndex(), back ? 2 : 1);
    }
}

TEST_F(OptionsWindowTest, OnlyTheSelectedPaneTakesTheFocus) {
    FrmOptions& w = frmOptions();
    w.Show();
    EXPECT_TRUE(w.Text1.HasFocus());
    w.tbsOptions.Select(1);
    EXPECT_FALSE(w.Text1.CanFocus());
    EXPECT_FALSE(w.Text1.SetFocus());
    EXPECT_FALSE(w.Text3.SetFocus());
    EXPECT_TRUE(w.Command1.SetFocus());
    EXPECT_FALSE(w.Text1.EffectivelyShown());

    // Tab runs through the tab strip, the selected pane and the buttons below only.
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        w.UserPressTab(false);
        order.push_back(w.ActiveControl()->Name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Command2", "Check4", "Command5", "cmdOK",
                                               "tbsOptions", "Command1"}));

    // Clicks on a parked pane do nothing.
    w.Check1.UserClick();
    EXPECT_EQ(w.Check1.Value(), 1);
    w.tbsOptions.Select(0);
    w.Check1.UserClick();
    EXPECT_EQ(w.Check1.Value(), 0);
}

TEST_F(OptionsWindowTest, EveryControlOfTheSelectedPaneIsShown) {
    FrmOptions& w = frmOptions();
    w.Show();
    for (int i = 0; i < 3; ++i) {
        w.tbsOptions.Select(i);
        int count = 0;
        for (const auto& c : w.Controls()) {
            if (!OnPane(*c, w.picOptions(i))) continue;
            ++count;
            EXPECT_TRUE(c->EffectivelyShown()) << c->Name() << " on pane " << i;
            EXPECT_TRUE(c->EffectivelyEnabled()) << c->Name();
        }
        EXPECT_GT(count, 3) << i;
    }
    for (const Control* b : {&w.Command5, &w.cmdOK}) {
        EXPECT_TRUE(b->EffectivelyShown()) << b->Name();
        EXPECT_LE(b->Top() + b->Height(), w.Height());
        EXPECT_GE(b->Top(), w.tbsOptions.Top() + w.tbsOptions.Height());
    }
}

TEST_F(OptionsWindowTest, FirstReferenceCreatesTheWindowWithoutShowingIt) {
    EXPECT_FALSE(frmOptions.Exists());
    EXPECT_EQ(frmOptions().Check4.Value(), 1);
    EXPECT_TRUE(frmOptions.Exists());
    EXPECT_TRUE(frmOptions().IsLoaded());
    EXPECT_FALSE(frmOptions().IsVisible());
    EXPECT_EQ(frmOptions().Text6.Text(), "1,20");
    EXPECT_EQ(host.windowsCreated, std::vector<std::string>{"frmOptions"});
    EXPECT_TRUE(host.modalWindows.empty());
    EXPECT_FALSE(frmData.Exists());
}

TEST_F(OptionsWindowTest, CloseBoxKeepsTheSettings) {
    FrmData& data = frmData();
    FrmOptions& w = frmOptions();
    w.Show();
    w.Text1.UserType("Anna Nowak");
    w.Check3.UserClick();
    w.tbsOptions.Select(2);
    w.Text6.UserType("1,35");
    // Even a field left invalid does not hold the window open.
    w.Text7.UserType("abc");
    EXPECT_EQ(host.messages.size(), 0u);
    w.UserCloseBox();
    Forms::Collect();
    EXPECT_TRUE(host.messages.empty());
    ASSERT_TRUE(frmOptions.Exists());
    EXPECT_EQ(&frmOptions(), &w);
    EXPECT_TRUE(w.IsLoaded());
    EXPECT_FALSE(w.IsVisible());
    EXPECT_EQ(w.Text1.Text(), "Anna Nowak");
    EXPECT_EQ(w.Check3.Value(), 1);
    EXPECT_EQ(w.Text6.Text(), "1,35");
    EXPECT_EQ(data.StatusBar1.Panels(2).text, "Autor: Anna Nowak");
    EXPECT_EQ(host.quitCount, 0);
}

// Records what the font dialog was offered.
class FontRecordingHost : public ScriptedHost {
  public:
    bool ChooseFont(Font& font, int minSize, int maxSize) override {
        offered.push_back(font);
        limits.emplace_back(minSize, maxSize);
        return ScriptedHost::ChooseFont(font, minSize, maxSize);
    }
    std::vector<Font> offered;
    std::vector<std::pair<int, int>> limits;
};

TEST_F(OptionsWindowTest, PrinterChoiceIsKeptOnCancel) {
    FrmOptions& w = frmOptions();
    w.Show();
    w.tbsOptions.Select(1);
    host.printerAnswers.push_back(PrinterChoice{"HP LaserJet 4050", ""});
    host.printerAnswers.push_back(std::nullopt);
    host.printerAnswers.push_back(PrinterChoice{"", "/tmp/raport.pdf"});
    w.Command1.UserClick();
    EXPECT_EQ(w.Printer.DeviceName(), "HP LaserJet 4050");
    w.Command1.UserClick();
    EXPECT_EQ(w.Printer.DeviceName(), "HP LaserJet 4050");
    w.Command1.UserClick();
    EXPECT_EQ(w.Printer.DeviceName(), "/tmp/raport.pdf");
    EXPECT_TRUE(host.printerAnswers.empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(OptionsWindowTest, FontChoiceStartsFromTheCurrentFontAndKeepsItsSizeWithinLimits) {
    FontRecordingHost fonts;
    SetHost(&fonts);
    FrmOptions& w = frmOptions();
    w.Show();
    w.tbsOptions.Select(1);
    struct FontCase {
        std::optional<Font> answer;
        Font kept;
    };
    const FontCase cases[] = {
        {Font{"Times New Roman", 20}, Font{"Times New Roman", 15}},
        {std::nullopt, Font{"Times New Roman", 15}},
        {Font{"Arial", 6, true}, Font{"Arial", 10, true}},
        {Font{"Courier New", 11.5}, Font{"Courier New", 11.5}},
        {Font{"Arial", 15}, Font{"Arial", 15}},
    };
    for (const FontCase& c : cases) fonts.fontAnswers.push_back(c.answer);
    std::vector<Font> expectedOffers = {Font{"Arial", 12}};
    for (const FontCase& c : cases) {
        w.Command2.UserClick();
        EXPECT_EQ(w.ReportFont, c.kept) << c.kept.name << c.kept.size;
        expectedOffers.push_back(c.kept);
    }
    expectedOffers.pop_back();
    EXPECT_EQ(fonts.offered, expectedOffers);
    // Only the sizes the report prints: 9 and 16 would print at 12.
    for (const auto& l : fonts.limits) EXPECT_EQ(l, std::make_pair(10, 15));
    EXPECT_TRUE(fonts.messages.empty());
    SetHost(&host);
}

}  // namespace
}  // namespace kord::test
