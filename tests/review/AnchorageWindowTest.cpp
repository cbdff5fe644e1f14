#include "review/AnchorageWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/AnchorageCheck.h"
#include "engine/AppliedLaminate.h"
#include "engine/DesignState.h"
#include "platform/NumberFormat.h"
#include "review/DimensioningWindow.h"
#include "review/ResultsWindow.h"
#include "tests/ParamNames.h"
#include "tests/app/AppFixture.h"

namespace kord::test {
namespace {

const char* const kFieldTitle = "Uwaga !!!";
const char* const kCheckTitle = "Uwaga!!!";
const char* const kPositive = "Wynik sprawdzenia jest POZYTYWNY.";
const char* const kNegative = "Wynik sprawdzenia jest NEGATYWNY.";

// A flexure design (0.30 × 0.50 m, 500 mm² at 0.05 m, C20/25, Msd 120 kNm) recomputed for two
// strips 50 × 1.2 mm through the dimensioning window, then "Zakotwienie".
class BondTest : public AppTest {
  protected:
    BondTest() {
        FrmData& w = frmData();
        w.Show();
        FillReferenceBeam();
        w.Command1.UserClick();
        Apply("2");
    }

    void Apply(const char* strips) {
        frmResult().Command5.UserClick();
        FrmDim& d = frmDim();
        d.Text1.UserType("50");
        d.Text2.UserType("1,2");
        d.Command3.UserClick();
        d.Text5.UserType(strips);
        d.Command5.UserClick();
        host.messages.clear();
    }

    FrmBond& Open() {
        frmResult().Command7.UserClick();
        return frmBond();
    }

    // Obliczanie pressed with the focus on a box that passes.
    void Compute(FrmBond& w) {
        w.Text32.SetFocus();
        w.Command4.UserClick();
    }

    void ExpectMessage(const std::string& text, const std::string& title, const Control* focus) {
        ASSERT_EQ(host.messages.size(), 1u) << text;
        EXPECT_EQ(host.messages[0].text, text);
        EXPECT_EQ(host.messages[0].title, title);
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
        if (focus) {
            EXPECT_EQ(frmBond().ActiveControl(), focus) << focus->Name();
        }
        host.messages.clear();
    }

    void ExpectNoResult(FrmBond& w) {
        for (const Control* c :
             std::vector<const Control*>{&w.Label17, &w.Label16, &w.Label29, &w.Label30, &w.Label31,
                                         &w.Line1, &w.Label32, &w.Label33, &w.Label34, &w.Label35})
            EXPECT_FALSE(c->Visible()) << c->Name();
        for (const Label* v : {&w.Label11, &w.Label14, &w.Label27}) {
            EXPECT_TRUE(v->Visible()) << v->Name();
            EXPECT_EQ(v->Caption(), "0") << v->Name();
        }
    }

    DesignState& s = State();
};

TEST_F(BondTest, OpensModallyWithTheDesignProposed) {
    ASSERT_TRUE(s.LaminateApplied);
    FrmBond& w = Open();
    EXPECT_EQ(host.modalWindows, (std::vector<std::string>{"frmDim", "frmBond"}));
    EXPECT_EQ(w.Caption(), "Wzmacnianie elementów zginanych - sprawdzanie zakotwienia");
    EXPECT_EQ(w.Width(), 10710);
    EXPECT_EQ(w.Height(), 6465);
    EXPECT_EQ(w.Frame4.Caption(), "Sprwdzanie przyczepności zamocowania");
    const std::pair<const TextBox*, const char*> proposed[] = {
        {&w.Text1, "2,21"}, {&w.Text2, "0"},    {&w.Text32, "200"}, {&w.Text30, "500"},
        {&w.Text3, "0"},    {&w.Text5, "0"},    {&w.Text16, "0"},   {&w.Text17, "0"},
        {&w.Text4, "500"},  {&w.Text6, "0,05"}, {&w.Text7, "1"}};
    int tab = 0;
    for (const auto& [box, text] : proposed) {
        EXPECT_EQ(box->Text(), text) << box->Name();
        EXPECT_EQ(box->TabIndex(), tab++) << box->Name();
    }
    EXPECT_EQ(w.Command4.TabIndex(), 11);
    EXPECT_EQ(w.Label38.Caption(), "2");
    EXPECT_NEAR(s.nf_max, 6, 1e-12);
    EXPECT_TRUE(w.Picture1.Picture().Path().ends_with("Drawings/bond.jpg"));
    EXPECT_EQ(w.DefaultButton(), &w.Command2);
    ExpectNoResult(w);
}

struct FieldCase {
    const char* box;
    const char* text;
    const char* message;  // nullptr: passes
};

class BondFields : public BondTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(BondFields, CheckedWhenLeft) {
    FrmBond& w = Open();
    auto& box = static_cast<TextBox&>(*w.Find(GetParam().box));
    box.UserType(GetParam().text);
    w.UserPressTab(false);
    if (!GetParam().message) {
        EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
        EXPECT_NE(w.ActiveControl(), &box);
        return;
    }
    ExpectMessage(GetParam().message, kFieldTitle, &box);
    EXPECT_EQ(box.Text(), GetParam().text);
}

const char* const kAreas = "Proszę wprowadzić wartość pomiędzy 50 a 8000 mm2.";
const char* const kDepths = "Proszę wprowadzić wartość pomiędzy 0,01 a 1,00 m.";

INSTANTIATE_TEST_SUITE_P(
    Table, BondFields,
    ::testing::Values(
        FieldCase{"Text1", "2,21", nullptr},  // the proposed text
        FieldCase{"Text1", "0,19", "Proszę wprowadzić wartość pomiędzy 0,20 a 8,00 N/mm2."},
        FieldCase{"Text1", "2,5", nullptr},
        FieldCase{"Text1", "abc", "Proszę wprowadzić wartośc liczbową."},
        FieldCase{"Text2", "0", nullptr},
        FieldCase{"Text2", "0,5", "Proszę wprowadzić wartość pomiędzy 1 a 120 kNm."},
        FieldCase{"Text2", "120,5", "Proszę wprowadzić wartość pomiędzy 1 a 120 kNm."},
        FieldCase{"Text32", "149", "Proszę wprowadzić wartość pomiędzy 150 a 250 kN/mm2."},
        FieldCase{"Text30", "801", "Proszę wprowadzić wartość pomiędzy 200 a 800 N/mm2."},
        // The design has no top steel: its 0 passes, a typed small area does not.
        FieldCase{"Text3", "0", nullptr}, FieldCase{"Text3", "40", kAreas},
        FieldCase{"Text16", "8001", kAreas}, FieldCase{"Text4", "500", nullptr},
        FieldCase{"Text5", "0", nullptr}, FieldCase{"Text5", "1,2", kDepths},
        FieldCase{"Text6", "0,005", kDepths}, FieldCase{"Text6", "0,05", nullptr},
        FieldCase{"Text7", "21", "Proszę wprowadzić wartość pomiędzy 1 a 20 warstwami."},
        FieldCase{"Text7", "2", nullptr}),
    NamedBy([](const FieldCase& c) { return std::string(c.box) + " " + c.text; }));

TEST_F(BondTest, ObliczanieChecksEveryBoxThenItsOwnChecksInTurn) {
    FrmBond& w = Open();
    const int busy = host.busyCount;
    w.Text1.SetText("x");
    w.Text2.SetText("y");
    Compute(w);
    // Every box first, in the order the check reads them: the moment before the strength.
    ExpectMessage("Proszę wprowadzić wartośc liczbową.", kFieldTitle, &w.Text2);
    w.Text2.SetText("80");
    Compute(w);
    ExpectMessage("Proszę wprowadzić wartośc liczbową.", kFieldTitle, &w.Text1);
    w.Text1.SetText("2,21");
    w.Text3.SetText("40");
    Compute(w);
    ExpectMessage(kAreas, kFieldTitle, &w.Text3);
    w.Text3.SetText("0");

    // Then the check's own, with its own title: a bar at the section's height, no moment.
    w.Text6.SetText("0,5");
    w.Text2.SetText("0");
    Compute(w);
    ExpectMessage("Zbyt duża wartość d11, d12 lub d2. Proszę podać wartość prawidłową.",
                  kCheckTitle, &w.Command4);
    w.Text6.SetText("0,05");
    Compute(w);
    ExpectMessage("Proszę podać wartośc momentu zginającego w przekroju A.", kCheckTitle, &w.Text2);
    w.Text2.SetText("80");
    w.Text7.SetText("3");
    Compute(w);
    ExpectMessage(
        "Całkowita liczba taśm wzmocniających powinna być wielokrotnością liczby ich warstw.",
        kCheckTitle, &w.Text7);
    EXPECT_EQ(host.busyCount, busy);  // no search ran
    ExpectNoResult(w);
    EXPECT_FALSE(AnchorageCheckCurrent(s));
}

TEST_F(BondTest, PositiveAndNegativeVerdicts) {
    FrmBond& w = Open();
    const int busy = host.busyCount;
    w.Text2.SetText("80");
    Compute(w);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.busyDepth, 0);
    EXPECT_EQ(host.busyCount, busy + 1);  // the hourglass over the search
    EXPECT_TRUE(AnchorageCheckCurrent(s));
    EXPECT_EQ(w.Label17.Caption(), kPositive);
    EXPECT_TRUE(w.Label17.Visible());
    EXPECT_EQ(w.Label16.Caption(), " < ");
    EXPECT_TRUE(w.Label16.Visible());
    EXPECT_EQ(w.Label11.Caption(), FormatPattern(s.Nfd_A, "####0.00"));
    EXPECT_EQ(w.Label14.Caption(), "33,05");
    EXPECT_EQ(w.Label27.Caption(), "220");
    EXPECT_EQ(w.Label34.Caption(), FormatPattern(*AnchorageLength(s), "####0"));
    for (const Control* c :
         std::vector<const Control*>{&w.Label32, &w.Label33, &w.Label34, &w.Label35})
        EXPECT_TRUE(c->Visible()) << c->Name();
    for (const Control* c :
         std::vector<const Control*>{&w.Label29, &w.Label30, &w.Label31, &w.Line1})
        EXPECT_FALSE(c->Visible()) << c->Name();

    w.Text2.SetText("118");
    Compute(w);
    EXPECT_EQ(w.Label17.Caption(), kNegative);
    EXPECT_EQ(w.Label16.Caption(), " > ");
    for (const Control* c :
         std::vector<const Control*>{&w.Label32, &w.Label33, &w.Label34, &w.Label35})
        EXPECT_FALSE(c->Visible()) << c->Name();
    for (const Control* c :
         std::vector<const Control*>{&w.Label29, &w.Label30, &w.Label31, &w.Line1})
        EXPECT_TRUE(c->Visible()) << c->Name();
    EXPECT_EQ(w.Label29.Caption(), "- Zwiększ przekrój taśm");
    EXPECT_EQ(w.Label30.Caption(), "- Zastosuj zakotwienie mechaniczne");

    // A check that stops shows no verdict and leaves none for the report.
    w.Text2.SetText("0");
    Compute(w);
    host.messages.clear();
    ExpectNoResult(w);
    EXPECT_FALSE(AnchorageCheckCurrent(s));
}

TEST_F(BondTest, PowrotHidesMarksTheReportAndKeepsTheBoxes) {
    FrmBond& w = Open();
    w.Text2.UserType("80");
    w.Text7.UserType("2");
    w.Command2.UserClick();
    EXPECT_FALSE(w.IsVisible());
    EXPECT_TRUE(frmBond.Exists());
    EXPECT_TRUE(s.PrintBond);  // without any "Obliczanie"
    FrmBond& again = Open();
    EXPECT_EQ(&again, &w);
    EXPECT_EQ(again.Text2.Text(), "80");
    EXPECT_EQ(again.Text7.Text(), "1");  // proposed again
}

TEST_F(BondTest, ResultOfAnotherLaminateIsNotShown) {
    FrmBond& w = Open();
    w.Text2.SetText("80");
    Compute(w);
    ASSERT_EQ(w.Label17.Caption(), kPositive);
    w.Command2.UserClick();
    // Reopened for the same laminate: the result stays.
    Open();
    EXPECT_TRUE(w.Label17.Visible());
    w.Command2.UserClick();
    Apply("3");
    Open();
    EXPECT_EQ(w.Label38.Caption(), "3");
    ExpectNoResult(w);
}

struct EditCase {
    const char* what;
    const char* layers;  // Text7 when the check runs
    const char* box;     // typed after the check
    const char* text;
    bool reopened;  // "Powrót", then "Zakotwienie" again
};

class BondEdits : public BondTest, public ::testing::WithParamInterface<EditCase> {};

// Once a box no longer holds what the check read, the window shows no verdict until the next
// "Obliczanie"; the report still has the check that was made.
TEST_P(BondEdits, NoVerdictBesideOtherValues) {
    const EditCase& c = GetParam();
    FrmBond& w = Open();
    w.Text2.SetText("80");
    w.Text7.SetText(c.layers);
    Compute(w);
    ASSERT_TRUE(w.Label17.Visible());
    if (c.box) static_cast<TextBox&>(*w.Find(c.box)).UserType(c.text);
    if (c.reopened) {
        w.Command2.UserClick();
        Open();
    }
    ExpectNoResult(w);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(AnchorageCheckCurrent(s));
    EXPECT_EQ(s.Msd_A, 80);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BondEdits,
    ::testing::Values(EditCase{"moment typed", "1", "Text2", "100", false},
                      EditCase{"moment typed then reopened", "1", "Text2", "300", true},
                      EditCase{"bar area typed", "1", "Text4", "450", false},
                      EditCase{"layers proposed again on reopening", "2", nullptr, "", true}),
    NamedBy([](const EditCase& c) { return std::string(c.what); }));

// After a new design the boxes that hold what the window proposed follow the new section; the
// boxes the user typed into keep the user's values.
TEST_F(BondTest, ProposedBoxesFollowANewDesignTypedOnesStay) {
    FrmBond& w = Open();
    w.Text4.UserType("450");
    w.Text32.UserType("210");
    w.Command2.UserClick();
    frmResult().Command2.UserClick();  // back to the input
    FrmData& d = frmData();
    const std::pair<TextBox*, const char*> fields[] = {{&d.Text5(0), "200"},
                                                       {&d.Text9(0), "0,04"},
                                                       {&d.Text6(0), "600"},
                                                       {&d.Text10(0), "0,06"},
                                                       {&d.Text30, "400"}};
    for (const auto& [box, text] : fields) box->SetText(text);
    d.Combo1(0).SetListIndex(3);
    d.Command1.UserClick();
    Apply("2");
    Open();
    const std::pair<const TextBox*, std::string> expected[] = {
        {&w.Text4, "450"},
        {&w.Text32, "210"},
        {&w.Text3, "200"},
        {&w.Text5, "0,04"},
        {&w.Text6, "0,06"},
        {&w.Text30, "400"},
        {&w.Text16, "0"},
        {&w.Text2, "0"},
        {&w.Text1, FormatPattern(0.3 * std::pow(s.fck, 2.0 / 3.0), "#0.00")}};
    for (const auto& [box, text] : expected) EXPECT_EQ(box->Text(), text) << box->Name();
    EXPECT_NE(w.Text1.Text(), "2,21");
}

// Strips 25 mm wide, twelve across the section: the window proposes equal layers that its own
// field rule and check accept.
TEST_F(BondTest, ProposedLayersPassTheWindowsOwnChecks) {
    s.applied_bf_strip = 25;
    const std::pair<double, const char*> cases[] = {{24, "2"}, {26, "13"}};
    for (const auto& [strips, layers] : cases) {
        s.applied_n_strips = strips;
        FrmBond& w = Open();
        EXPECT_EQ(w.Text7.Text(), layers);
        w.Text2.SetText("80");
        w.Text7.SetFocus();
        Compute(w);
        for (const MsgBoxCall& m : host.messages)
            EXPECT_EQ(m.text.find("warstw"), std::string::npos) << strips << ": " << m.text;
        host.messages.clear();
        w.Command2.UserClick();
    }
}

// Strips 100 mm wide, three across the section: 29 or 77 strips fit no count of equal layers up
// to 20. Nothing is proposed; the field and the check say why in one message.
TEST_F(BondTest, StripsThatFitNoEqualLayersAreNamedInOneMessage) {
    s.applied_bf_strip = 100;
    const std::pair<double, const char*> cases[] = {{29, "20"}, {77, "30"}};
    for (const auto& [strips, layers] : cases) {
        s.applied_n_strips = strips;
        FrmBond& w = Open();
        EXPECT_EQ(w.Text7.Text(), "0");
        const std::string message =
            "Nie można ułożyć " + FormatGeneral(strips) +
            " taśm w równych warstwach: liczba taśm w warstwie nie może przekroczyć 3 (tyle "
            "mieści się obok siebie w szerokości przekroju), a liczba warstw nie może przekroczyć "
            "20. Proszę wybrać liczbę taśm, którą można ułożyć w równych warstwach, i przeliczyć "
            "wyniki dla zastosowanego wzmocnienia (Wymiary elementu wzmacniającego, Powrót z "
            "uaktualnieniem).";
        w.Text7.UserType(layers);
        w.UserPressTab(false);
        ExpectMessage(message, kFieldTitle, &w.Text7);
        w.Text2.SetText("80");
        Compute(w);
        ExpectMessage(message, kFieldTitle, &w.Text7);
        ExpectNoResult(w);
        w.Command2.UserClick();
    }
}

TEST_F(BondTest, NoStripFittingAcrossTheSectionIsRefused) {
    s.applied_bf_strip = 301;  // wider than the 300 mm of the section
    FrmBond& w = Open();
    EXPECT_EQ(w.Text7.Text(), "0");  // nothing proposed
    w.Text2.SetText("80");
    w.Text7.SetText("1");
    Compute(w);
    ExpectMessage(
        "Taśma o szerokości bf = 301 mm jest szersza od przekroju o szerokości b = 300 mm: w "
        "przekroju nie mieści się ani jedna taśma. Proszę zastosować węższe taśmy.",
        kCheckTitle, nullptr);
    ExpectNoResult(w);
}

}  // namespace
}  // namespace kord::test
