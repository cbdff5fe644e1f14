#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/InputWindow.h"
#include "engine/DesignState.h"
#include "review/StrainDiagrams.h"
#include "review/StrainWindow.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

// A flexure result made by hand: all three layers, four distinct states, the rare top bar below
// its neutral axis.
void HandMadeDesign() {
    DesignState& s = State();
    s.ResultKind = 0;
    s.h = 50, s.d2 = 4, s.d12 = 6, s.d11 = 2;
    s.As2 = 2, s.As12 = 3, s.As11 = 4;
    s.OuterLayer11 = true;
    s.fck = 25;
    s.x_o = 12, s.eps_co = 0.0004, s.eps_o = 0.001;
    s.x = 10, s.eps_c = 0.0035, s.eps_f = 0.006, s.eps_f_lim = 0.0085, s.SteelAtYield = true;
    s.x_r = 3, s.eps_c_r = 0.0006, s.eps_f_r = 0.0009;
    s.x_qp = 15, s.eps_c_qp = 0.0008, s.eps_f_qp = 0.0005;
    s.Af_req_r = 2, s.Af_req_qp = 0, s.Af_applied = 0;
}

// The strain range of this ultimate state is 0.01, so one unit of strain is 9000 drawing units,
// and h = 50 cm gives 1.8 units per cm.
void RoundDiagramDesign() {
    HandMadeDesign();
    DesignState& s = State();
    s.d12 = 5, s.d11 = 3;
    s.eps_o = 0.0005, s.eps_c = 0.0035, s.eps_f = 0.006, s.x = 10;
}

class StrainWindowTest : public AppTest {
  protected:
    std::string Caption(const std::string& name) { return frmStrain().Lbl(name).Caption(); }
    bool Shown(const std::string& name) { return frmStrain().Lbl(name).Visible(); }
};

TEST_F(StrainWindowTest, ShowsTheFourStates) {
    HandMadeDesign();
    FrmStrain& w = frmStrain();
    const std::map<std::string, std::string> expected = {
        // Initial state: bottom bars on eps_o over h - x_o.
        {"Label2", "0,120"},
        {"Label3", "0,00040"},
        {"Label46", "0,00027"},
        {"Label47", "0,00084"},
        {"Label50", "0,00095"},
        {"Label4", "0,00100"},
        // Ultimate state: bottom bars on eps_f + eps_o over h - x.
        {"Label6", "0,100"},
        {"Label7", "0,00350"},
        {"Label51", "0,00210"},
        {"Label54", "0,00595"},
        {"Label56", "0,00665"},
        {"Label9", "0,00600"},
        // Rare state: bottom bars on eps_c_r over x_r; the top bar lies below the axis.
        {"Label61", "0,030"},
        {"Label55", "0,00060"},
        {"Label31", "-0,00020"},
        {"Label37", "0,00820"},
        {"Label38", "0,00900"},
        {"Label53", "0,00090"},
        // Quasi-permanent state, without composite: the bottom fibres.
        {"Label128", "0,150"},
        {"Label129", "0,00080"},
        {"Label130", "0,00059"},
        {"Label131", "0,00155"},
        {"Label132", "0,00176"},
        {"Label133", "0,00150"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(Caption(name), text) << name;

    EXPECT_EQ(w.Caption(), "Wzmacnianie na zginanie - odkształcenia przekroju poprzecznego");
    EXPECT_EQ(w.Width(), 13170);
    EXPECT_EQ(w.Height(), 7785);
    EXPECT_EQ(w.DefaultButton(), &w.Command2);
    // Every strain symbol reads epsilon, the two of the hinge block xi.
    int epsilons = 0;
    for (const auto& c : w.Controls())
        if (c->Kind() == ControlKind::Label && c->Font().name == "Symbol") {
            if (c->Caption() == "ε") ++epsilons;
        }
    EXPECT_EQ(epsilons, 43);
    EXPECT_EQ(w.Label153.Caption(), "ξ");
    EXPECT_EQ(w.Label160.Caption(), "ξ");
    EXPECT_EQ(w.Label33.Caption(), "Uplastycznienie stali + zmiażdżenie betonu");
}

TEST_F(StrainWindowTest, PicturesAndTheirLabelsAreFlatOnTheWindowColour) {
    FrmStrain& w = frmStrain();
    int labels = 0;
    for (PictureBox* p : {&w.Picture1, &w.Picture2, &w.Picture3, &w.Picture4}) {
        EXPECT_TRUE(p->Border() && p->FlatBorder() && p->WindowColours()) << p->Name();
        for (const Control* c : w.ChildrenOf(p)) {
            EXPECT_TRUE(c->WindowColours()) << c->Name();
            ++labels;
        }
    }
    EXPECT_EQ(labels, 2 * (5 + 6 + 6 + 6) + 2 + 1 + 1 + 1);
}

TEST_F(StrainWindowTest, PointLocaleWritesPoints) {
    UseLocale(false);
    HandMadeDesign();
    EXPECT_EQ(Caption("Label31"), "-0.00020");
    EXPECT_EQ(Caption("Label6"), "0.100");
    EXPECT_EQ(Caption("Label161"), "0.45");
}

// The bottom rows of the rare and quasi-permanent states, in the frames and in the pictures.
TEST_F(StrainWindowTest, BottomRowSwitchesPerState) {
    struct Case {
        double reqR, reqQp, applied;
        bool rare, quasi;
    };
    const Case cases[] = {
        {0, 0, 0, false, false}, {0, 0, 1.2, true, true},   {2, 0, 0, true, false},
        {0, 2, 0, false, true},  {-1, 0, 1.2, false, true},
    };
    const std::string composite = "Wzmocnienie                       =";
    const std::string fibres = "Dolne włókna                      =";
    for (const Case& c : cases) {
        UseLocale(true);
        HandMadeDesign();
        State().Af_req_r = c.reqR, State().Af_req_qp = c.reqQp, State().Af_applied = c.applied;
        FrmStrain& w = frmStrain();
        const std::string at = std::to_string(c.reqR) + " " + std::to_string(c.reqQp) + " " +
                               std::to_string(c.applied);
        EXPECT_EQ(Caption("Label60"), c.rare ? composite : fibres) << at;
        EXPECT_EQ(Caption("Label49"), c.rare ? "f" : "b") << at;
        EXPECT_EQ(Caption("Label53"), c.rare ? "0,00090" : "0,00190") << at;
        EXPECT_EQ(Caption("Label71"), c.rare ? "f" : "b") << at;
        EXPECT_EQ(Shown("Label68") && Shown("Label69"), c.rare) << at;
        EXPECT_EQ(Caption("Label122"), c.quasi ? composite : fibres) << at;
        EXPECT_EQ(Caption("Label127"), c.quasi ? "f" : "b") << at;
        EXPECT_EQ(Caption("Label133"), c.quasi ? "0,00050" : "0,00150") << at;
        EXPECT_EQ(Caption("Label145"), c.quasi ? "f" : "b") << at;
        EXPECT_EQ(Shown("Label142") && Shown("Label143"), c.quasi) << at;
        // The soffit: two parts and a tick with the composite, one segment without; three
        // steel lines and three lines of the depth dimension either way.
        EXPECT_EQ(w.Picture2.Drawing().size(), c.rare ? 12u : 10u) << at;
        EXPECT_EQ(w.Picture4.Drawing().size(), c.quasi ? 12u : 10u) << at;
        // The ultimate state always has its composite.
        EXPECT_EQ(Caption("Label24"), composite);
        EXPECT_EQ(w.Picture3.Drawing().size(), 12u);
        w.Unload();
    }
}

TEST_F(StrainWindowTest, FailureModeTextsAndAcceptance) {
    struct Case {
        bool yield;
        double epsC, epsF;
        const char* text;
    };
    const double notQuiteCrushing = std::nextafter(0.0035, 0.0);
    const Case cases[] = {
        {true, 0.0035, 0.004, "Uplastycznienie stali + zmiażdżenie betonu"},
        {true, 0.0035, 0.0085, "Uplastycznienie stali + oderwanie wzmocnienia"},
        {false, 0.0035, 0.004, "Zmiażdżenie betonu + brak uplastycznienia stali"},
        {false, 0.0035, 0.0085, "Oderwanie wzmocnienia + brak uplastycznienia stali"},
        {true, notQuiteCrushing, 0.004, "0"},
    };
    for (const Case& c : cases) {
        HandMadeDesign();
        State().SteelAtYield = c.yield, State().eps_c = c.epsC, State().eps_f = c.epsF;
        State().PrintStrain = false;
        FrmStrain& w = frmStrain();
        w.Show();
        EXPECT_EQ(w.Label33.Caption(), c.text);
        w.Command2.UserClick();
        EXPECT_EQ(State().FailureModeText, c.text);
        EXPECT_TRUE(State().PrintStrain);
        EXPECT_FALSE(frmStrain.Exists());
    }
}

TEST_F(StrainWindowTest, ClosingThroughTheFrameAcceptsNothing) {
    HandMadeDesign();
    State().FailureModeText = "earlier";
    frmStrain().UserCloseBox();
    EXPECT_FALSE(frmStrain.Exists());
    EXPECT_EQ(State().FailureModeText, "earlier");
    EXPECT_FALSE(State().PrintStrain);
}

TEST_F(StrainWindowTest, HelpAndExit) {
    HandMadeDesign();
    frmStrain().Show();
    frmStrain().Command3.UserClick();
    EXPECT_EQ(host.helpShown.size(), 1u);
    frmStrain().Command1.UserClick();
    EXPECT_TRUE(Forms::Loaded().empty());
    EXPECT_FALSE(State().PrintStrain);
}

// Each opening after a new design is a fresh load.
TEST_F(StrainWindowTest, EachOpeningShowsTheCurrentDesign) {
    HandMadeDesign();
    host.modalScripts.push_back([](Window& w) { static_cast<FrmStrain&>(w).Command2_Click(); });
    frmStrain().ShowModal();
    EXPECT_FALSE(frmStrain.Exists());
    State().x = 20;
    State().As2 = 0;
    host.modalScripts.push_back([this](Window&) {
        EXPECT_EQ(Caption("Label6"), "0,200");
        EXPECT_FALSE(Shown("Label8"));
    });
    frmStrain().ShowModal();
    EXPECT_EQ(host.modalWindows, (std::vector<std::string>{"frmStrain", "frmStrain"}));
}

TEST_F(StrainWindowTest, AbsentLayersAreHiddenEverywhere) {
    HandMadeDesign();
    State().As2 = 0, State().As12 = 0;
    FrmStrain& w = frmStrain();
    for (const StrainStateControls& c : StrainStateTable()) {
        for (int r : {StrainStateControls::S2Row, StrainStateControls::S12Row}) {
            const auto& row = c.rows[static_cast<size_t>(r)];
            for (const char* name : {row.caption, row.value, row.symbol, row.sub})
                EXPECT_FALSE(Shown(name)) << name;
        }
        const auto& s11 = c.rows[StrainStateControls::S11Row];
        for (const char* name : {s11.caption, s11.value, s11.symbol, s11.sub})
            EXPECT_TRUE(Shown(name)) << name;
        for (const char* name : {c.s2.epsilon, c.s2.sub, c.s12.epsilon, c.s12.sub})
            EXPECT_FALSE(Shown(name)) << name;
        EXPECT_TRUE(Shown(c.s11.epsilon)) << c.picture;
    }
    // Only the s11 line is left among the steel lines: none at the levels of s2 and s12.
    EXPECT_EQ(w.Picture3.Drawing().size(), 10u);
    EXPECT_EQ(w.Picture1.Drawing().size(), 8u);
    const float y12 = 5 + 44 * 1.8f, y2 = 5 + 4 * 1.8f;
    for (const PictureBox* p : {&w.Picture1, &w.Picture2, &w.Picture3, &w.Picture4})
        for (const DrawnLine& l : p->Drawing()) {
            EXPECT_GT(std::abs(l.y1 - y12), 0.01) << p->Name();
            EXPECT_GT(std::abs(l.y1 - y2), 0.01) << p->Name();
        }
}

TEST_F(StrainWindowTest, PlasticHingeBlock) {
    struct Case {
        double fck;
        bool outer11;
        double x;
        const char* limit;
        const char* layer;
        const char* xi;
        bool forms;
    };
    // h - d11 = 48, h - d12 = 44. A hinge forms up to the limit as shown.
    const Case cases[] = {
        {35, true, 0.449 * 48, "0,45", "11", "0,449", true},
        {35, true, 0.45 * 48, "0,45", "11", "0,450", true},
        {35, true, 0.4504 * 48, "0,45", "11", "0,450", true},
        {35, true, 0.4506 * 48, "0,45", "11", "0,451", false},
        {35.5, true, 0.4494 * 48, "0,35", "11", "0,449", false},
        {40, false, 0.3494 * 44, "0,35", "12", "0,349", true},
        {40, false, 0.35 * 44, "0,35", "12", "0,350", true},
        {40, false, 0.3496 * 44, "0,35", "12", "0,350", true},
        {40, false, 0.3506 * 44, "0,35", "12", "0,351", false},
        {25, false, 10, "0,45", "12", "0,227", true},
    };
    for (const Case& c : cases) {
        HandMadeDesign();
        State().fck = c.fck, State().OuterLayer11 = c.outer11, State().x = c.x;
        FrmStrain& w = frmStrain();
        EXPECT_EQ(w.Label161.Caption(), c.limit) << c.fck;
        EXPECT_EQ(w.Label157.Caption(), c.layer);
        EXPECT_EQ(w.Label158.Caption(), c.xi);
        EXPECT_EQ(w.Label162.Caption(), c.forms ? "W przekroju powstanie przegub plastyczny"
                                                : "W przekroju nie powstanie przegub plastyczny")
            << c.xi;
        w.Unload();
    }
}

TEST_F(StrainWindowTest, UltimateDiagramAsWorkedOut) {
    RoundDiagramDesign();
    FrmStrain& w = frmStrain();
    // Axis A = 5 + (0.006 + 0.0005)·9000 = 63.5; top strain 31.5 units, soffit 58.5 of which
    // the composite's 54; layers at y = 5 + 4·1.8, 5 + 45·1.8, 5 + 47·1.8.
    const std::vector<DrawnLine> expected = {
        {5, 95, 95, 5},              // strain line
        {63.5, 5, 63.5, 96},         // zero-strain axis
        {95, 5, 63.5, 5},            // top-fibre strain
        {5, 95, 9.5, 95},            // soffit strain at bonding
        {9.5, 96, 63.5, 96},         // the composite's increment
        {9.5, 95, 9.5, 96},          // tick
        {63.5, 89.6, 9.3875, 89.6},  // s11: 37/40 of 58.5
        {63.5, 86, 12.3125, 86},     // s12: 35/40 of 58.5
        {63.5, 12.2, 82.4, 12.2},    // s2: 6/10 of 31.5
        {44.45, 4, 44.45, 24},       // depth dimension at 0.7·A
        {43.45, 5, 45.45, 5},        // its ticks
        {43.45, 23, 45.45, 23},
    };
    const std::vector<DrawnLine>& got = w.Picture3.Drawing();
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x1, expected[i].x1, 1e-4) << i;
        EXPECT_NEAR(got[i].y1, expected[i].y1, 1e-4) << i;
        EXPECT_NEAR(got[i].x2, expected[i].x2, 1e-4) << i;
        EXPECT_NEAR(got[i].y2, expected[i].y2, 1e-4) << i;
    }
    EXPECT_EQ(w.Picture3.ScaleWidth(), 100);
    EXPECT_EQ(w.Picture3.ScaleHeight(), 100);
    EXPECT_NEAR(State().StrainScale, 9000, 1e-9);
    EXPECT_NEAR(State().DepthScale, 1.8, 1e-12);

    // Labels, in twips inside the 2940 x 2340 drawing area behind a 30-twip border: one unit
    // is 29.4 twips across and 23.4 down.
    struct Place {
        const char* name;
        int left, top;
    };
    const Place places[] = {
        {"Label72", 30 + 1632, 30 - 47},    // epsilon c at (A - 8, -2)
        {"Label73", 30 + 1720, 30 + 23},    // c at (A - 5, 1)
        {"Label75", 30, 30 + 2129},         // epsilon o at the left edge, (0, 91)
        {"Label77", 30 + 1955, 30 + 2129},  // epsilon f at (A + 3, 91)
        {"Label90", 30 + 1573, 30 + 192},   // s2 compressed: left of the axis, (A - 10, y2 - 4)
        // s11 at (A + 3, y11 - 6) would cover epsilon f: it stands just above it. s12, stretched,
        // right at (A + 3, y12 - 6), would cover s11: it stands just above that.
        {"Label92", 30 + 1955, 30 + 1609},
        {"Label94", 30 + 1955, 30 + 1869},
        {"Label97", 30 + 1189, 30 + 211},  // x at (0.7·A - 4, x·D / 2)
    };
    for (const Place& p : places) {
        const Label& l = w.Lbl(p.name);
        EXPECT_EQ(l.Left(), p.left) << p.name;
        EXPECT_EQ(l.Top(), p.top) << p.name;
        EXPECT_TRUE(l.Visible()) << p.name;
    }
}

// A deep section puts the bottom bars' symbols where those of the soffit stand: no two symbols
// of one diagram overlap.
TEST_F(StrainWindowTest, SymbolsOfADeepSectionDoNotOverlap) {
    FrmData& d = frmData();
    d.Show();
    FillReferenceBeam();
    const std::pair<TextBox*, const char*> fields[] = {
        {&d.Text4(0), "1,2"}, {&d.Text1(0), "2,0"}, {&d.Text24(0), "300"}, {&d.Text6(0), "8000"},
        {&d.Text7, "2000"},   {&d.Text8, "9500"},   {&d.Text31, "7000"},   {&d.Text33, "6000"}};
    for (const auto& [box, text] : fields) box->SetText(text);
    d.Combo1(0).SetListIndex(8);
    d.Command1.UserClick();
    ASSERT_TRUE(host.messages.empty());
    FrmStrain& w = frmStrain();
    for (const StrainStateControls& c : StrainStateTable()) {
        // Each visible label with the number of its symbol.
        std::vector<std::pair<int, const Label*>> labels;
        int symbol = 0;
        for (const auto& [a, b] : {std::pair{c.top.epsilon, c.top.sub},
                                   {c.composite.epsilon, c.composite.sub},
                                   {c.soffit.epsilon, c.soffit.sub},
                                   {c.s11.epsilon, c.s11.sub},
                                   {c.s12.epsilon, c.s12.sub},
                                   {c.s2.epsilon, c.s2.sub},
                                   {c.axisX, c.axisSub}}) {
            for (const char* name : {a, b})
                if (name && w.Lbl(name).Visible()) labels.emplace_back(symbol, &w.Lbl(name));
            ++symbol;
        }
        for (const auto& [i, a] : labels)
            for (const auto& [j, b] : labels)
                EXPECT_FALSE(i < j && a->Left() < b->Left() + b->Width() &&
                             b->Left() < a->Left() + a->Width() &&
                             a->Top() < b->Top() + b->Height() && b->Top() < a->Top() + a->Height())
                    << c.picture << ": " << a->Name() << " " << b->Name();
    }
}

TEST_F(StrainWindowTest, SidesOfTheLayerLabelsFollowTheSigns) {
    RoundDiagramDesign();
    // The neutral axis below layer 12 and the top bar below it too.
    State().x = 46, State().d2 = 47;
    FrmStrain& w = frmStrain();
    const double A = 63.5;
    // s12 lies above the axis: its line points right, its labels stand left at A - 12.
    const DrawnLine& s12 = w.Picture3.Drawing()[7];
    EXPECT_GT(s12.x2, A);
    EXPECT_EQ(w.Lbl("Label92").Left(), 30 + static_cast<int>(std::lround((A - 12) * 29.4)));
    // s2 below the axis: its line points left, its labels stand right at A + 3.
    const DrawnLine& s2 = w.Picture3.Drawing()[8];
    EXPECT_LT(s2.x2, A);
    EXPECT_EQ(w.Lbl("Label90").Left(), 30 + static_cast<int>(std::lround((A + 3) * 29.4)));
}

// Depths not above 0 or not below h, and a zero strain range: "-" and no line, never a
// non-finite number.
TEST_F(StrainWindowTest, UnusableDepthsAndScales) {
    HandMadeDesign();
    State().x = 50;   // ultimate depth at h: no tension depth
    State().x_r = 0;  // rare depth at 0
    FrmStrain& w = frmStrain();
    EXPECT_EQ(Caption("Label51"), "0,00322");
    EXPECT_EQ(Caption("Label54"), "-");
    EXPECT_EQ(Caption("Label56"), "-");
    EXPECT_EQ(Caption("Label31"), "-");
    EXPECT_EQ(Caption("Label37"), "-");
    EXPECT_EQ(Caption("Label38"), "-");
    EXPECT_EQ(Caption("Label61"), "0,000");
    // No s11 or s12 line in the ultimate picture; no s2 line in the rare one, whose bottom
    // bars are drawn on the soffit gradient over h - x_r.
    EXPECT_EQ(w.Picture3.Drawing().size(), 10u);
    EXPECT_EQ(w.Picture2.Drawing().size(), 11u);
    EXPECT_FALSE(Shown("Label92"));
    EXPECT_FALSE(Shown("Label94"));
    EXPECT_TRUE(Shown("Label90"));
    EXPECT_FALSE(Shown("Label84"));
    w.Unload();

    HandMadeDesign();
    State().eps_o = 0, State().eps_c = 0, State().eps_f = 0;
    State().d11 = 50;  // no effective depth either
    FrmStrain& z = frmStrain();
    for (const PictureBox* p : {&z.Picture1, &z.Picture2, &z.Picture3, &z.Picture4})
        EXPECT_TRUE(p->Drawing().empty()) << p->Name();
    EXPECT_EQ(State().StrainScale, 0);
    EXPECT_EQ(State().Axis_r, 0);
    EXPECT_FALSE(Shown("Label72"));
    EXPECT_FALSE(Shown("Label97"));
    EXPECT_EQ(z.Label158.Caption(), "-");
    EXPECT_EQ(z.Label162.Caption(), "-");
    for (const auto& c : z.Controls()) {
        EXPECT_EQ(c->Caption().find("nan"), std::string::npos) << c->Name();
        EXPECT_EQ(c->Caption().find("inf"), std::string::npos) << c->Name();
    }
}

}  // namespace
}  // namespace kord::test
