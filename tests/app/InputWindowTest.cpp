#include <gtest/gtest.h>

#include <filesystem>

#include "app/InputWindow.h"
#include "tests/ParamNames.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

std::string DrawingOf(FrmData& w, int tab) {
    return std::filesystem::path(w.Picture1(tab).Picture().Path()).filename().string();
}

struct LoadCase {
    bool comma;
    const char* fcm;
    const char* creep;
    const char* limitFlexure;
    const char* limitShear;
    const char* factor;
};

class InputWindowLoad : public AppTest, public ::testing::WithParamInterface<LoadCase> {
  protected:
    InputWindowLoad() : AppTest(GetParam().comma) {}
};

TEST_P(InputWindowLoad, StartValuesFollowTheDecimalSeparator) {
    const LoadCase& c = GetParam();
    FrmData& w = frmData();
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(w.Text22(k).Text(), c.fcm) << k;
        EXPECT_FALSE(w.Text22(k).Enabled()) << k;
        EXPECT_TRUE(w.Option10(k).Value()) << k;
        EXPECT_EQ(w.Combo1(k).ListIndex(), 0) << k;
        EXPECT_EQ(w.Combo1(k).ListCount(), 9) << k;
        EXPECT_EQ(w.Text4(k).Text(), "0") << k;
        EXPECT_EQ(w.Text24(k).Text(), "0") << k;
    }
    EXPECT_EQ(w.Text34.Text(), c.creep);
    EXPECT_EQ(w.Text26(0).Text(), c.limitFlexure);
    EXPECT_EQ(w.Text26(1).Text(), c.limitShear);
    EXPECT_EQ(w.Text25.Text(), c.factor);
    EXPECT_EQ(w.Text13(1).Text(), "90");
    EXPECT_EQ(w.Text30.Text(), "500");
    EXPECT_EQ(w.Text32.Text(), "200");
    EXPECT_EQ(State().fck, 12);
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, InputWindowLoad,
                         ::testing::Values(LoadCase{true, "20,20", "2,5", "0,008", "0,006", "0,9"},
                                           LoadCase{false, "20.20", "2.5", "0.008", "0.006",
                                                    "0.9"}),
                         NamedBy([](const LoadCase& c) { return Separator(c.comma); }));

using InputWindowTest = AppTest;

TEST_F(InputWindowTest, LoadSelectsTheDefaultOptionsRowsAndDrawings) {
    FrmData& w = frmData();
    EXPECT_TRUE(w.Option4.Value());
    EXPECT_TRUE(w.Option1.Value());
    EXPECT_TRUE(w.Option6.Value());
    EXPECT_TRUE(w.Option8.Value());
    EXPECT_TRUE(w.Option3.Value());
    EXPECT_EQ(w.Check1.Value(), 1);
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_EQ(w.Combo3.ListIndex(), 0);
    EXPECT_EQ(w.Combo3.Text(), " Włókno węglowe   (CFRP) ");
    EXPECT_EQ(w.Combo1(1).Text(), " C 12/15 ");
    EXPECT_EQ(DrawingOf(w, 0), "flexure-1.jpg");
    EXPECT_EQ(DrawingOf(w, 1), "shear-3.jpg");
    EXPECT_EQ(DrawingOf(w, 2), "confinement-1.jpg");
    EXPECT_FALSE(w.Picture1(0).Picture().IsEmpty());

    struct RowState {
        const char* control;
        bool enabled;
    };
    const RowState rows[] = {
        {"Text2(0)", true},  {"Label60", true},     {"Text3(0)", true},  {"Text18", false},
        {"Label72", false},  {"Text19", false},     {"Label73", false},  {"Text4(2)", true},
        {"Text1(2)", true},  {"Text20", true},      {"Text27", false},   {"Label52", false},
        {"Text28", false},   {"Label95", false},    {"Text29", false},   {"Text21", true},
        {"Label117", true},  {"Text23", true},      {"Label107", true},  {"Label78", false},
        {"Label77", false},  {"Label80", false},    {"Label111", false}, {"Label34(1)", false},
        {"Combo1(2)", true}, {"Label37(0)", false},
    };
    for (const RowState& r : rows) EXPECT_EQ(w.Ctl(r.control).Enabled(), r.enabled) << r.control;

    struct Letter {
        const char* label;
        const char* text;
    };
    const Letter letters[] = {{"Label101", "ε"}, {"Label102", "ε"}, {"Label103", "ε"},
                              {"Label105", "ε"}, {"Label106", "ε"}, {"Label107", "ε"},
                              {"Label108", "ε"}, {"Label104", "α"}, {"Label127", "φ"},
                              {"Label99", "®"},  {"Label100", "®"}};
    for (const Letter& l : letters) EXPECT_EQ(w.Ctl(l.label).Caption(), l.text) << l.label;

    EXPECT_EQ(w.DefaultButton(), &w.Command1);
    EXPECT_EQ(w.TabStrip1.TabCaption(1), "    ELEMENTY ŚCINANE    ");
    EXPECT_EQ(w.Frame4(2).Caption(), "Wprowadzanie danych");
    ASSERT_EQ(w.StatusBar1.PanelCount(), 5);
    EXPECT_EQ(w.StatusBar1.Panels(1).text, "Projekt:");
    EXPECT_EQ(w.StatusBar1.Panels(2).text, "Autor:");
    EXPECT_EQ(w.StatusBar1.Panels(3).text, "Firma:");
    EXPECT_EQ(w.StatusBar1.Panels(4).style, PanelStyle::Date);
    EXPECT_EQ(w.StatusBar1.Panels(5).style, PanelStyle::Time);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(InputWindowTest, OnlyTheFrontPageTakesTheFocus) {
    FrmData& w = frmData();
    w.Show();
    EXPECT_TRUE(w.Text4(0).CanFocus());
    EXPECT_FALSE(w.Text4(1).CanFocus());
    EXPECT_FALSE(w.Text4(2).SetFocus());
    w.TabStrip1.Select(2);
    EXPECT_TRUE(w.Text4(2).CanFocus());
    EXPECT_FALSE(w.Text4(0).CanFocus());
    EXPECT_FALSE(w.Text4(0).EffectivelyShown());
}

// Each page: left column, then right column; frames top to bottom, rows left to right.
TEST_F(InputWindowTest, TabFollowsTheReadingOrderOfEachPage) {
    FrmData& w = frmData();
    using Names = std::vector<std::string>;
    EXPECT_EQ(
        TabOrder(w, &w.Frame4(0)),
        (Names{"Option4",     "Option5",     "Text4(0)",    "Text3(0)",  "Text1(0)", "Text2(0)",
               "Option10(0)", "Combo1(0)",   "Option11(0)", "Text22(0)", "Text34",   "Text24(0)",
               "Text26(0)",   "Command9(0)", "Text32",      "Text30",    "Text5(0)", "Text9(0)",
               "Text16",      "Text17",      "Text6(0)",    "Text10(0)", "Text7",    "Text8",
               "Text31",      "Text33"}));
    EXPECT_EQ(TabOrder(w, &w.Frame4(1)),
              (Names{"Option1", "Option2", "Text4(1)", "Text14(1)", "Text13(1)", "Option10(1)",
                     "Combo1(1)", "Option11(1)", "Text22(1)", "Text24(1)", "Text15(1)", "Text26(1)",
                     "Combo3", "Command9(1)", "Option6", "Option7", "Text18", "Text19", "Text12"}));
    EXPECT_EQ(
        TabOrder(w, &w.Frame4(2)),
        (Names{"Option8",     "Option9",     "Text4(2)",    "Text1(2)",  "Text20",    "Text27",
               "Option10(2)", "Combo1(2)",   "Option11(2)", "Text22(2)", "Text24(2)", "Text11",
               "Text25",      "Command9(2)", "Option3",     "Option12",  "Text28",    "Text29",
               "Check1",      "Text21",      "Check2",      "Text23"}));
    const Names all = TabOrder(w);
    EXPECT_EQ(Names(all.end() - 8, all.end()),
              (Names{"Command6", "Command5", "Command8", "Command1", "Command3", "Command7",
                     "Command4", "Command2"}));
    // The keyboard walks it, passing over the disabled diameter row.
    w.Show();
    w.TabStrip1.Select(2);
    w.Text1(2).SetFocus();
    w.UserPressTab(false);
    EXPECT_EQ(w.ActiveControl(), &w.Text20);
    w.UserPressTab(false);
    EXPECT_EQ(w.ActiveControl(), &w.Option10(2));
}

TEST_F(InputWindowTest, ConcreteClassRuleSetsStrengthAndMeanStrength) {
    struct ClassCase {
        int position;
        double fck;
        const char* comma;
        const char* point;
    };
    const ClassCase classes[] = {
        {0, 12, "20,20", "20.20"}, {1, 16, "24,20", "24.20"}, {2, 20, "28,20", "28.20"},
        {3, 25, "33,20", "33.20"}, {4, 30, "38,20", "38.20"}, {5, 35, "43,20", "43.20"},
        {6, 40, "48,20", "48.20"}, {7, 45, "53,20", "53.20"}, {8, 50, "58,20", "58.20"}};
    for (bool comma : {true, false}) {
        UseLocale(comma);
        FrmData& w = frmData();
        for (const ClassCase& c : classes) {
            for (int k = 0; k < 3; ++k) {
                State().fck = -1;
                w.Combo1(k).SetListIndex(c.position);
                EXPECT_EQ(State().fck, c.fck) << c.position;
                EXPECT_EQ(w.Text22(k).Text(), comma ? c.comma : c.point) << c.position << k;
            }
        }
        w.Unload();
        Forms::Collect();
    }
}

TEST_F(InputWindowTest, MeanStrengthKeepsTheShownValueUntilAClassIsChosenAgain) {
    FrmData& w = frmData();
    w.Combo1(1).SetListIndex(3);
    w.Option11(1).SetValue(true);
    EXPECT_TRUE(w.Text22(1).Enabled());
    EXPECT_TRUE(w.Ctl("Label77").Enabled());
    EXPECT_FALSE(w.Combo1(1).Enabled());
    EXPECT_EQ(w.Text22(1).Text(), "33,20");
    w.Text22(1).SetText("41,5");
    w.Option10(1).SetValue(true);
    EXPECT_EQ(w.Text22(1).Text(), "33,20");
    EXPECT_FALSE(w.Text22(1).Enabled());
    EXPECT_TRUE(w.Combo1(1).Enabled());
    // The other tabs are untouched.
    EXPECT_EQ(w.Text22(0).Text(), "20,20");
}

TEST_F(InputWindowTest, SectionTypeEnablesTheFlangeRowsAndKeepsTheirTexts) {
    FrmData& w = frmData();
    w.Text2(0).SetText("0,12");
    w.Option5.SetValue(true);
    EXPECT_EQ(DrawingOf(w, 0), "flexure-2.jpg");
    for (const char* c : {"Text2(0)", "Label5(0)", "Label60", "Label15(0)", "Text3(0)", "Label6(0)",
                          "Label59", "Label16(0)"})
        EXPECT_FALSE(w.Ctl(c).Enabled()) << c;
    EXPECT_EQ(w.Text2(0).Text(), "0,12");
    w.Option4.SetValue(true);
    EXPECT_EQ(DrawingOf(w, 0), "flexure-1.jpg");
    EXPECT_TRUE(w.Text2(0).Enabled());
    EXPECT_TRUE(w.Ctl("Label59").Enabled());
    EXPECT_EQ(w.Text2(0).Text(), "0,12");
}

TEST_F(InputWindowTest, ShearDrawingDependsOnBothOptionGroups) {
    struct ShearCase {
        bool closed;
        bool strips;
        bool groupFirst;  // set the wrap group last, or the form group last
        const char* drawing;
    };
    const ShearCase cases[] = {
        {true, false, true, "shear-3.jpg"},  {true, false, false, "shear-3.jpg"},
        {true, true, true, "shear-4.jpg"},   {true, true, false, "shear-4.jpg"},
        {false, false, true, "shear-1.jpg"}, {false, false, false, "shear-1.jpg"},
        {false, true, true, "shear-2.jpg"},  {false, true, false, "shear-2.jpg"},
    };
    FrmData& w = frmData();
    for (const ShearCase& c : cases) {
        // Start from the opposite state so that the clicks really run.
        w.Option1.SetValue(!c.closed);
        w.Option2.SetValue(c.closed);
        w.Option6.SetValue(c.strips);
        w.Option7.SetValue(!c.strips);
        auto wrap = [&] { (c.closed ? w.Option1 : w.Option2).SetValue(true); };
        auto form = [&] { (c.strips ? w.Option7 : w.Option6).SetValue(true); };
        if (c.groupFirst) {
            form();
            wrap();
        } else {
            wrap();
            form();
        }
        EXPECT_EQ(DrawingOf(w, 1), c.drawing) << c.closed << c.strips << c.groupFirst;
        EXPECT_EQ(w.Text18.Enabled(), c.strips);
        EXPECT_EQ(w.Ctl("Label73").Enabled(), c.strips);
    }
}

TEST_F(InputWindowTest, TabChangeReloadsAllThreeDrawings) {
    FrmData& w = frmData();
    w.Option5.SetValue(true);
    w.Option2.SetValue(true);
    w.Option7.SetValue(true);
    w.Option9.SetValue(true);
    for (int k = 0; k < 3; ++k) w.Picture1(k).SetPicture(Picture());
    w.TabStrip1.Select(1);
    EXPECT_EQ(DrawingOf(w, 0), "flexure-2.jpg");
    EXPECT_EQ(DrawingOf(w, 1), "shear-2.jpg");
    EXPECT_EQ(DrawingOf(w, 2), "confinement-2.jpg");
    EXPECT_GT(w.Frame4(1).ZOrderValue(), w.Frame4(0).ZOrderValue());
    EXPECT_GT(w.Frame4(1).ZOrderValue(), w.Frame4(2).ZOrderValue());
}

TEST_F(InputWindowTest, ColumnShapeSwitchesRows) {
    FrmData& w = frmData();
    w.Option9.SetValue(true);
    EXPECT_EQ(DrawingOf(w, 2), "confinement-2.jpg");
    EXPECT_TRUE(w.Text27.Enabled());
    EXPECT_TRUE(w.Ctl("Label53").Enabled());
    for (const char* c : {"Text4(2)", "Label7(2)", "Text1(2)", "Label14(2)", "Text20", "Label44"})
        EXPECT_FALSE(w.Ctl(c).Enabled()) << c;
    w.Option8.SetValue(true);
    EXPECT_FALSE(w.Text27.Enabled());
    EXPECT_TRUE(w.Text20.Enabled());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(InputWindowTest, StripsOnARectangularColumnWarnOnceAndKeepBothChoices) {
    const char* warning =
        "Wzmacnianie słupa o przekroju prostokątnym przy użyciu taśm jest niewskazane z powodu "
        "nieznacznego zwiększenia nośności, które w ten sposób można uzyskać. Proszę wybrać "
        "wzmocnienie z zastosowaniem maty.";
    FrmData& w = frmData();
    w.Option12.SetValue(true);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, warning);
    EXPECT_EQ(host.messages[0].title, "Uwaga !!!");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(w.Option12.Value());
    EXPECT_TRUE(w.Option8.Value());
    EXPECT_TRUE(w.Text28.Enabled());

    w.Option9.SetValue(true);
    EXPECT_EQ(host.messages.size(), 1u);
    w.Option8.SetValue(true);
    EXPECT_EQ(host.messages.size(), 2u);

    // A circular column with strips shows nothing.
    w.Option3.SetValue(true);
    w.Option9.SetValue(true);
    w.Option12.SetValue(true);
    EXPECT_EQ(host.messages.size(), 2u);
    w.Option3.SetValue(true);
    EXPECT_FALSE(w.Text29.Enabled());
}

TEST_F(InputWindowTest, AtLeastOneRequirementStaysTicked) {
    FrmData& w = frmData();
    w.Check2.UserClick();  // not on the front page: no effect
    EXPECT_EQ(w.Check2.Value(), 1);
    w.TabStrip1.Select(2);
    w.Show();
    w.Check2.UserClick();
    EXPECT_EQ(w.Check2.Value(), 0);
    EXPECT_FALSE(w.Text23.Enabled());
    EXPECT_FALSE(w.Ctl("Label88").Enabled());
    w.Check1.UserClick();
    EXPECT_EQ(w.Check1.Value(), 0);
    EXPECT_EQ(w.Check2.Value(), 1);
    EXPECT_FALSE(w.Text21.Enabled());
    EXPECT_FALSE(w.Ctl("Label57").Enabled());
    EXPECT_TRUE(w.Text23.Enabled());
    EXPECT_TRUE(w.Ctl("Label49").Enabled());
}

TEST_F(InputWindowTest, MissingDrawingsLeaveEmptyPicturesAndTheWindowWorks) {
    const auto empty = std::filesystem::temp_directory_path() / "kordelan-no-drawings";
    std::filesystem::create_directories(empty);
    SetProgramFolder(empty.string());
    FrmData& w = frmData();
    w.Show();
    EXPECT_TRUE(w.Picture1(0).Picture().IsEmpty());
    EXPECT_TRUE(w.Image1.Picture().IsEmpty());
    w.Option5.SetValue(true);
    w.TabStrip1.Select(1);
    EXPECT_TRUE(w.Picture1(1).Picture().IsEmpty());
    EXPECT_EQ(DrawingOf(w, 0), "flexure-2.jpg");
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace kord::test
