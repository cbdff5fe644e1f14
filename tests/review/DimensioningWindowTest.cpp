#include "review/DimensioningWindow.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/DesignState.h"
#include "platform/NumberFormat.h"
#include "platform/Symbols.h"
#include "platform/TextMetrics.h"
#include "review/ResultsWindow.h"
#include "tests/ParamNames.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

const char* const kCommandTitle = "Uwaga!!!";
const char* const kFieldTitle = "Uwaga !!!";
const char* const kNoSizes = "Proszę podać wymiary wzmocnienia.";
const char* const kTooSmall = "Podane wymiary wzmocnienia są zbyt małe.";
const char* const kFewerStrips =
    "Wprowadzana wartość nie powinna być mniejsza od liczby wymaganych taśm wzmacniających.";
const char* const kStripsNotWhole =
    "Wprowadzana wartość (liczba taśm wzmacniających) powinna być liczba całkowitą.";
const char* const kFewerLayers =
    "Wprowadzana wartość nie powinna być mniejsza od liczby wymaganych warstw wzmocnienia.";

class DimTest : public AppTest {
  protected:
    explicit DimTest(bool comma = true) : AppTest(comma) { frmData().Show(); }

    // The dimensioning window of a design with these results, as the results window opens it.
    FrmDim& Open(short kind) {
        s.ResultKind = kind;
        s.b = 30;
        frmData().Hide();
        frmResult().ShowResults();
        frmResult().Command5.UserClick();
        return frmDim();
    }

    FrmDim& Strips(double requiredArea, const char* width, const char* thickness) {
        s.Af_req = requiredArea;
        FrmDim& w = Open(Flexure);
        w.Text1.UserType(width);
        w.Text2.UserType(thickness);
        w.Command3.UserClick();
        return w;
    }

    void ExpectMessage(const std::string& text, const std::string& title, const Control* focus) {
        ASSERT_EQ(host.messages.size(), 1u) << text;
        EXPECT_EQ(host.messages[0].text, text);
        EXPECT_EQ(host.messages[0].title, title);
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
        if (focus) {
            EXPECT_EQ(focus->Owner().ActiveControl(), focus) << focus->Name();
        }
        host.messages.clear();
    }

    // A flexure design with Msd 120 kNm on 0.30 × 0.50 m, 500 mm² at 0.05 m, C20/25.
    void DesignBeam() {
        FrmData& w = frmData();
        FillReferenceBeam();
        w.Command1.UserClick();
        ASSERT_TRUE(frmResult.Exists() && frmResult().IsVisible());
    }

    // The beam designed and its strips counted for these sizes.
    FrmDim& DimensionBeam(const char* width, const char* thickness) {
        DesignBeam();
        frmResult().Command5.UserClick();
        FrmDim& w = frmDim();
        w.Text1.UserType(width);
        w.Text2.UserType(thickness);
        w.Command3.UserClick();
        return w;
    }

    DesignState& s = State();
};

TEST_F(DimTest, OpensModallyAndStartsWithNothingDimensioned) {
    s.Msd = 120.126;
    s.Mser_r = 80;
    s.Mser_qp = 60.004;
    s.Af_req = 0.2;
    s.Af_req_r = 0.53136;  // the largest required area
    s.Af_req_qp = 0.1;
    FrmDim& w = Open(Flexure);
    EXPECT_EQ(host.modalWindows, std::vector<std::string>{"frmDim"});
    EXPECT_EQ(w.Caption(), "Wprowadzanie wymiarów elementu wzmacniającego");
    EXPECT_EQ(w.Width(), 6855);
    EXPECT_EQ(w.Height(), 4830);
    EXPECT_EQ(w.Command2.Caption(), "      Powrót      (bez uaktualnienia)");
    EXPECT_EQ(w.Command5.Caption(), "        Powrót         (z uaktualnieniem)");
    EXPECT_EQ(w.Command6(0).Caption(), " Właściwości materiałów Vendrik Plankor");
    EXPECT_EQ(w.Command6(1).Caption(), "Własności taśm Vendrik Plankor");
    EXPECT_EQ(w.DefaultButton(), &w.Command2);
    EXPECT_FALSE(w.Command5.Enabled());
    EXPECT_FALSE(w.Text5.Enabled());
    EXPECT_FALSE(w.Label59.Enabled());
    EXPECT_EQ(w.Label32.Caption(), "120,13");
    EXPECT_EQ(w.Label48.Caption(), "80,00");
    EXPECT_EQ(w.Label55.Caption(), "60,00");
    EXPECT_EQ(w.Label8.Caption(), "53,14");
    EXPECT_EQ(w.Label47.Caption(), SymbolChar(101));
    // The strip frame stands in front: its fields take the focus, the layer frame's do not.
    EXPECT_TRUE(w.Text1.CanFocus());
    EXPECT_FALSE(w.Text3.CanFocus());
    EXPECT_EQ(w.ActiveControl(), &w.Text1);
}

TEST_F(DimTest, LayerFrameShowsTheRowOfItsCase) {
    s.Vfd_calc = 123.456;
    s.tf = 0.01234;
    FrmDim& shear = Open(Shear);
    EXPECT_EQ(shear.Frame2.Caption(), "Shear Strengthening");
    EXPECT_TRUE(shear.Text3.CanFocus());
    EXPECT_FALSE(shear.Text1.CanFocus());
    EXPECT_EQ(shear.ActiveControl(), &shear.Text3);  // not the data-sheet button above it
    EXPECT_EQ(shear.Label35.Caption(), "123,46");
    EXPECT_EQ(shear.Label14.Caption(), "0,12");
    EXPECT_TRUE(shear.Label35.EffectivelyShown());
    EXPECT_FALSE(shear.Label39.EffectivelyShown());
    EXPECT_FALSE(shear.Label47.EffectivelyShown());
    shear.Command2.UserClick();
    EXPECT_FALSE(frmDim.Exists());

    s.fcc = 45.678;
    s.eps_cu = 0.0123456;
    s.tf_c = 0.05678;
    FrmDim& column = Open(Confinement);
    EXPECT_EQ(column.Frame2.Caption(), "Confinement");
    EXPECT_FALSE(column.Label35.EffectivelyShown());
    EXPECT_TRUE(column.Label39.EffectivelyShown());
    EXPECT_TRUE(column.Label47.EffectivelyShown());
    EXPECT_EQ(column.Label39.Caption(), "45,68");
    EXPECT_EQ(column.Label43.Caption(), "0,01235");
    EXPECT_EQ(column.Label14.Caption(), "0,57");
}

struct StripCase {
    double area;  // cm²
    const char* width;
    const char* thickness;
    const char* count;    // nullptr: refused
    const char* applied;  // mm²
};

class StripCounts : public DimTest, public ::testing::WithParamInterface<StripCase> {};

TEST_P(StripCounts, RoundedUpFromTheShownArea) {
    const StripCase& c = GetParam();
    FrmDim& w = Strips(c.area, c.width, c.thickness);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(w.Label4.Caption(), c.count);
    EXPECT_EQ(w.Text5.Text(), c.count);
    EXPECT_EQ(w.Label7.Caption(), c.applied);
    EXPECT_EQ(FormatGeneral(s.n_strips), c.count);
    EXPECT_NEAR(s.Af_applied * 100, s.n_strips * s.bf_strip * s.tf_strip, 1e-9);
    EXPECT_TRUE(w.Command5.Enabled());
    EXPECT_EQ(w.DefaultButton(), &w.Command5);
    EXPECT_TRUE(w.Text5.Enabled());
    EXPECT_TRUE(w.Label59.Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Edges, StripCounts,
    ::testing::Values(
        // 4,20 mm² of strips of 0,6 mm²: 7.000000000000001 in floating point, 7 strips.
        StripCase{0.042, "5", "0,12", "7", "4,20"},
        // Shown as 4,20 although it lies above: the count follows what is shown.
        StripCase{0.04204, "5", "0,12", "7", "4,20"}, StripCase{0.18, "50", "0,12", "3", "18,00"},
        StripCase{0.1806, "50", "0,12", "4", "24,00"}, StripCase{0.5, "5", "0,05", "200", "50,00"},
        StripCase{0, "50", "1,2", "0", "0,00"}),
    NamedBy([](const StripCase& c) { return "area " + Num(c.area); }));

struct StripRefusal {
    const char* width;
    const char* thickness;
    double area;
    const char* message;
};

class StripRefusals : public DimTest, public ::testing::WithParamInterface<StripRefusal> {};

// A refused "Obliczenia" after an accepted one: no field of the design state and no label moves.
// The sizes are set as a text the field rules never saw (the command has its own bounds).
TEST_P(StripRefusals, ChangeNothing) {
    FrmDim& w = Strips(GetParam().area, "50", "1,2");
    ASSERT_TRUE(host.messages.empty());
    const std::vector<double> before{s.bf_strip, s.tf_strip, s.n_strips, s.Af_applied};
    w.Text1.SetText(GetParam().width);
    w.Text2.SetText(GetParam().thickness);
    w.Command3_Click();
    ExpectMessage(GetParam().message, kCommandTitle, &w.Text1);
    EXPECT_EQ((std::vector<double>{s.bf_strip, s.tf_strip, s.n_strips, s.Af_applied}), before);
    EXPECT_EQ(w.Text5.Text(), "1");
    EXPECT_EQ(w.Label4.Caption(), "1");
    EXPECT_EQ(w.Label7.Caption(), "60,00");
}

INSTANTIATE_TEST_SUITE_P(Sizes, StripRefusals,
                         ::testing::Values(StripRefusal{"4,99", "1,2", 0.5, kNoSizes},
                                           StripRefusal{"601", "1,2", 0.5, kNoSizes},
                                           StripRefusal{"0", "1,2", 0.5, kNoSizes},
                                           StripRefusal{"50", "0,049", 0.5, kNoSizes},
                                           StripRefusal{"50", "20,01", 0.5, kNoSizes},
                                           StripRefusal{"50", "x", 0.5, kNoSizes},
                                           // 50,01 mm² of strips of 0,25 mm²: 200.04 strips.
                                           StripRefusal{"5", "0,05", 0.5001, kTooSmall}),
                         NamedBy([](const StripRefusal& c) {
                             return std::string("width ") + c.width + " thickness " + c.thickness;
                         }));

TEST_F(DimTest, FieldsAreCheckedWhenLeft) {
    s.Af_req = 0.5;
    FrmDim& w = Open(Flexure);
    // The width's range follows the section: 10 × b.
    w.Text1.UserType("400");
    w.UserPressTab(false);
    ExpectMessage("Proszę wpisać wartość pomiędzy 5 a 300 mm.", kFieldTitle, &w.Text1);
    EXPECT_EQ(w.Text1.Text(), "400");
    // 0 passes the field; "Obliczenia" refuses it.
    w.Text1.UserType("0");
    w.UserPressTab(false);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(w.ActiveControl(), &w.Text2);
    w.Text2.UserType("x");
    w.UserPressTab(false);
    ExpectMessage("Proszę wpisać wartość liczbową.", kFieldTitle, &w.Text2);
    w.Text2.UserType("0,04");
    w.UserPressTab(false);
    ExpectMessage("Proszę wpisać wartość pomiędzy 0,05 a 20 mm.", kFieldTitle, &w.Text2);
    w.Text2.UserType("1");
    w.Command3.UserClick();
    ExpectMessage(kNoSizes, kCommandTitle, &w.Text1);
}

class PointLocale : public DimTest {
  protected:
    PointLocale() : DimTest(false) {}
};

TEST_F(PointLocale, RangeMessagesInThePointForm) {
    s.tf = 0.1;
    FrmDim& w = Open(Shear);
    w.Text3.UserType("10.5");
    w.Command4.UserClick();
    ExpectMessage("Proszę wpisać wartość pomiędzy 0.05 a 10 mm.", kFieldTitle, &w.Text3);
}

TEST_F(DimTest, CountChecksOnEveryChange) {
    FrmDim& w = Strips(0.18, "50", "0,12");  // 3 strips of 6 mm²
    ASSERT_EQ(w.Text5.Text(), "3");
    w.Text5.UserType("2");
    ExpectMessage(kFewerStrips, kFieldTitle, &w.Text5);
    EXPECT_EQ(w.Label7.Caption(), "12,00");
    w.Text5.UserType("3,5");
    ExpectMessage(kStripsNotWhole, kFieldTitle, &w.Text5);
    EXPECT_EQ(w.Label7.Caption(), "21,00");
    w.Text5.UserType("");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(w.Command5.Enabled());
    w.Text5.UserType("4");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(w.Command5.Enabled());
    EXPECT_EQ(w.Label7.Caption(), "24,00");
    // The checks write nothing into the design state.
    EXPECT_EQ(s.n_strips, 3);
    EXPECT_NEAR(s.Af_applied, 0.18, 1e-12);
}

struct LayerCase {
    short kind;
    double required;  // cm
    const char* layer;
    const char* count;  // nullptr: refused
    const char* total;
};

class LayerCounts : public DimTest, public ::testing::WithParamInterface<LayerCase> {};

TEST_P(LayerCounts, RoundedUpToTheLimitOfFifty) {
    const LayerCase& c = GetParam();
    (c.kind == Shear ? s.tf : s.tf_c) = c.required;
    FrmDim& w = Open(c.kind);
    w.Text3.UserType(c.layer);
    w.Command4.UserClick();
    if (!c.count) {
        ExpectMessage(
            "Podana grubość pojedynczego wzmocnienia jest zbyt mała i powoduje konieczność "
            "zastosowania zbyt dużej liczby warstw. Proszę przyjąć wzmocnienie o większej "
            "grubości.",
            kCommandTitle, &w.Text3);
        EXPECT_EQ(s.tf_layer, 0);
        EXPECT_EQ(w.Text4.Text(), "0");
        return;
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(w.Label11.Caption(), c.count);
    EXPECT_EQ(w.Text4.Text(), c.count);
    EXPECT_EQ(w.Label27.Caption(), c.total);
    const double total = c.kind == Shear ? s.tf_total_shear : s.tf_total_conf;
    EXPECT_NEAR(total, s.n_layers * s.tf_layer / 10, 1e-12);
    EXPECT_TRUE(w.Command5.Enabled());
    EXPECT_TRUE(w.Text4.Enabled());
    EXPECT_TRUE(w.Label58.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Edges, LayerCounts,
                         ::testing::Values(LayerCase{Shear, 0.07, "0,1", "7",
                                                     "0,700"},  // 7.000000000000001
                                           LayerCase{Shear, 0.0701, "0,1", "8", "0,800"},
                                           LayerCase{Confinement, 0.5, "0,1", "50", "5,000"},
                                           LayerCase{Confinement, 0.5005, "0,1", nullptr, ""},
                                           LayerCase{Shear, 0.013, "0,13", "1", "0,130"}),
                         NamedBy([](const LayerCase& c) {
                             return (c.kind == Shear ? "shear " : "confinement ") + Num(c.required);
                         }));

TEST_F(DimTest, LayerCountChecks) {
    s.tf = 0.05;
    FrmDim& w = Open(Shear);
    w.Text3.UserType("0,2");
    w.Command4.UserClick();
    ASSERT_EQ(w.Text4.Text(), "3");
    w.Text4.UserType("2");
    ExpectMessage(kFewerLayers, kFieldTitle, &w.Text4);
    EXPECT_EQ(w.Label27.Caption(), "0,400");
    w.Text4.UserType("3,5");
    ExpectMessage("Wprowadzana wartość (liczba warstw wzmocnienia) powinna być liczba całkowitą.",
                  kFieldTitle, &w.Text4);
}

// ---------------------------------------------------------------------------------------------
// The recomputation from the window.

TEST_F(DimTest, RecomputationRewritesTheResultsAndOpensTheAnchorage) {
    DesignBeam();
    FrmResult& r = frmResult();
    EXPECT_FALSE(r.Command7.Enabled());
    r.Command5.UserClick();
    FrmDim& w = frmDim();
    w.Text1.UserType("50");
    w.Text2.UserType("1,2");
    w.Command3.UserClick();
    w.Text5.UserType("2");
    w.Command5.UserClick();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(frmDim.Exists());
    EXPECT_TRUE(s.LaminateApplied);

    for (const char* name : {"Label1", "Label77", "Label82", "Label33"})
        EXPECT_EQ(r.Find(name)->Caption(), "120,00") << name;
    EXPECT_EQ(r.Label52.Caption(), FormatPattern(s.MRd_applied, "###0.00"));
    EXPECT_EQ(r.Label39.Caption(), "=   " + FormatPattern(s.MRd_applied / s.MRd_o, "#0.00"));
    EXPECT_EQ(r.Label39.Caption(), "=   1,72");  // two decimals here
    EXPECT_EQ(r.Label94.Caption(), FormatPattern(s.Mser_r_applied, "####0.00"));
    EXPECT_EQ(r.Label40.Caption(), FormatPattern(s.Mser_qp_applied, "####0.00"));
    EXPECT_EQ(r.Label59.Caption(), FormatPattern(s.sigma_s11_r, "###0.00"));
    for (const Control* c : {static_cast<Control*>(&r.Label2), static_cast<Control*>(&r.Label84(0)),
                             static_cast<Control*>(&r.Label84(1))})
        EXPECT_EQ(c->Caption(), "Zastosowany przekrój wzmocnienia") << c->Name();
    EXPECT_EQ(r.Label74.Caption(), "Ostateczny przyjęty przekrój wzmocnienia");
    EXPECT_TRUE(r.Command7.Enabled());
    // A second visit starts afresh.
    r.Command5.UserClick();
    EXPECT_EQ(frmDim().Text1.Text(), "0");
    EXPECT_FALSE(frmDim().Command5.Enabled());
}

TEST_F(DimTest, RefusedRecomputationKeepsWindowAndResults) {
    FrmDim& w = DimensionBeam("300", "20");
    FrmResult& r = frmResult();
    const std::string ratio = r.Label39.Caption();
    w.Text5.UserType("200");  // 1 200 000 mm²: no quasi-permanent state within 5 % of it
    w.Command5.UserClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, kCommandTitle);
    EXPECT_TRUE(frmDim.Exists());
    EXPECT_EQ(w.ActiveControl(), &w.Text5);
    EXPECT_FALSE(s.LaminateApplied);
    EXPECT_FALSE(r.Command7.Enabled());
    EXPECT_EQ(r.Label39.Caption(), ratio);
    EXPECT_EQ(host.busyDepth, 0);
}

// The recomputation applies the laminate the boxes show: sizes changed after "Obliczenia" are
// counted again (the proposed count follows them, a typed one stays), and refused sizes or fewer
// strips than required apply nothing.
TEST_F(DimTest, RecomputationCountsChangedSizesAgain) {
    struct Case {
        const char* count;  // typed after "Obliczenia" of 5 × 0,5 mm (22 strips); or proposed
        const char* width;
        const char* thickness;
        const char* message;  // nullptr: applied
        int strips;           // applied
    };
    const Case cases[] = {
        {"1", "5", "0,5", kFewerStrips, 0}, {nullptr, "50", "1,2", nullptr, 1},
        {"23", "10", "0,5", nullptr, 23},   {"30", "5", "0,25", kFewerStrips, 0},
        {nullptr, "0", "1,2", kNoSizes, 0}, {nullptr, "5", "0,05", kTooSmall, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " " + c.thickness);
        FrmDim& w = DimensionBeam("5", "0,5");
        ASSERT_EQ(w.Label4.Caption(), "22");
        if (c.count) w.Text5.UserType(c.count);
        w.Text1.UserType(c.width);
        w.Text2.UserType(c.thickness);
        host.messages.clear();
        w.Command5.UserClick();
        if (c.message) {
            const bool count = c.message == kFewerStrips;
            ExpectMessage(c.message, count ? kFieldTitle : kCommandTitle,
                          count ? &w.Text5 : &w.Text1);
            EXPECT_TRUE(frmDim.Exists());
            EXPECT_FALSE(s.LaminateApplied);
            EXPECT_FALSE(frmResult().Command7.Enabled());
            w.Command2.UserClick();
        } else {
            EXPECT_TRUE(host.messages.empty());
            EXPECT_FALSE(frmDim.Exists());
            EXPECT_EQ(s.applied_bf_strip, ParseNumber(c.width));
            EXPECT_EQ(s.applied_tf_strip, ParseNumber(c.thickness));
            EXPECT_EQ(s.applied_n_strips, c.strips);
        }
        frmResult().Command2.UserClick();
    }
}

TEST_F(DimTest, FewerLayersThanRequiredAreNotApplied) {
    s.tf = 0.05;
    FrmDim& w = Open(Shear);
    w.Text3.UserType("0,2");
    w.Command4.UserClick();
    w.Text4.UserType("2");
    ExpectMessage(kFewerLayers, kFieldTitle, &w.Text4);
    w.Command5.UserClick();
    ExpectMessage(kFewerLayers, kFieldTitle, &w.Text4);
    EXPECT_TRUE(frmDim.Exists());
    EXPECT_FALSE(s.LaminateApplied);
    EXPECT_EQ(s.n_layers, 3);
}

// "Obliczenia" for other strips and back without recomputing: the strips whose capacity the
// results show stay the applied ones.
TEST_F(DimTest, DimensionedStripsStayApartFromTheAppliedOnes) {
    DesignBeam();
    frmResult().Command5.UserClick();
    FrmDim& w = frmDim();
    w.Text1.UserType("50");
    w.Text2.UserType("1,2");
    w.Command3.UserClick();
    w.Text5.UserType("2");
    w.Command5.UserClick();
    const double MRd = s.MRd_applied;

    frmResult().Command5.UserClick();
    FrmDim& again = frmDim();
    again.Text1.UserType("100");
    again.Text2.UserType("1,4");
    again.Command3.UserClick();
    again.Command2.UserClick();
    EXPECT_FALSE(frmDim.Exists());
    EXPECT_EQ(s.bf_strip, 100);
    EXPECT_EQ(s.applied_bf_strip, 50);
    EXPECT_EQ(s.applied_tf_strip, 1.2);
    EXPECT_EQ(s.applied_n_strips, 2);
    EXPECT_NEAR(s.applied_Af, 1.2, 1e-12);
    EXPECT_EQ(s.MRd_applied, MRd);
    EXPECT_TRUE(s.LaminateApplied);
}

TEST_F(DimTest, LayersOfAShearDesignRecomputed) {
    FrmData& d = frmData();
    d.TabStrip1.Select(Shear);
    d.Combo3.SetListIndex(0);
    d.Option6.SetValue(true);
    d.Option1.SetValue(true);
    const std::pair<TextBox*, const char*> fields[] = {
        {&d.Text4(1), "0,3"},  {&d.Text14(1), "0,5"},   {&d.Text13(1), "90"},
        {&d.Text24(1), "230"}, {&d.Text15(1), "0,015"}, {&d.Text26(1), "0,006"},
        {&d.Text12, "100"}};
    for (const auto& [box, text] : fields) box->SetText(text);
    d.Option10(1).SetValue(true);
    d.Combo1(1).SetListIndex(0);
    d.Command1.UserClick();
    FrmResult& r = frmResult();
    r.Command5.UserClick();
    FrmDim& w = frmDim();
    w.Text3.UserType("0,13");
    w.Command4.UserClick();
    w.Command5.UserClick();
    EXPECT_FALSE(frmDim.Exists());
    EXPECT_EQ(r.Label3.Caption(), "Grubość wszystkich warstw wzmocnienia    t    =");
    // The caption names its letter: the row's own "t" goes, its "f" stands under the caption's.
    std::vector<std::pair<std::string, bool>> symbols;
    for (const Control* c : r.ChildrenOf(&r.Frame1)) {
        const bool inRow = c->Top() > r.Label3.Top() - 150 && c->Top() < r.Label3.Top() + 150;
        if (!inRow || (c->Caption() != "t" && c->Caption() != "f")) continue;
        symbols.emplace_back(c->Caption(), c->Visible());
        if (c->Caption() == "f") {
            EXPECT_EQ(c->Left(), r.Label3.Left() + TextWidthTwips("Grubość wszystkich warstw "
                                                                  "wzmocnienia    t",
                                                                  r.Label3.Font()));
        }
    }
    EXPECT_EQ(symbols, (std::vector<std::pair<std::string, bool>>{{"t", false}, {"f", true}}));
    EXPECT_EQ(r.Label5.Caption(), "0,13");
    EXPECT_EQ(r.Label48.Caption(), FormatPattern(s.Vfd_applied, "###0.00"));
    EXPECT_GE(s.Vfd_applied, s.Vfd);
    EXPECT_FALSE(r.Command7.Enabled());
}

}  // namespace
}  // namespace kord::test
