#include "report/ShearSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "report/PrintDriver.h"
#include "tests/app/AppFixture.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kHeading = "WZMACNIANIE NA ŚCINANIE";

class ShearSectionTest : public AppTest, public Handover {
  protected:
    ShearSectionTest() { SetDesign(); }

    // A shear design as the state holds it after the design and the inputs on the shear tab.
    void SetDesign() {
        DesignState& s = State();
        s.ResultKind = Shear;
        s.b = 30;
        s.d = 45;
        s.alpha = 90;
        s.fck = 25;
        s.fcm = 33.2;
        s.Ef = 230;
        s.eps_fu = 0.015;
        s.gamma_fl = 1.25;
        s.eps_f_lim = 0.006 / 1.25;
        s.k_eff = 0.8;
        s.gamma_fb = 1.2;
        s.gamma_ff = 1.3;
        s.bf = 10;
        s.sf = 25;
        s.Vfd = 100;
        s.tf = 0.01234;  // 0.1234 mm
        s.Vfd_calc = 101.235;
        s.applied_tf_total = 0.036;
        s.Vfd_applied = 290.005;
        s.applied_tf_layer = 0.12;
        s.applied_n_layers = 3;
        in.closedScheme = true;
        in.shearSheet = true;
        in.concreteByClass[Shear] = true;
        in.concreteClass[Shear] = " C 25/30 ";
        in.fibreKind = " Włókno węglowe   (CFRP) ";
        in.fibreKindIndex = 0;
    }

    // The section's lines, from its main heading on, on a page too tall to fill.
    Lines Section() {
        RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
        Print(rec);
        EXPECT_EQ(rec.Count(PrintRecord::Kind::EndDoc), 1);
        const auto lines = LinesOf(rec);
        return TextsOf(lines, IndexOf(lines, kHeading));
    }
};

// A fresh design with a sheet and a concrete class: every line, in order, with the required
// thickness in mm to two decimals and the force to two decimals.
TEST_F(ShearSectionTest, SheetWithClassPrintsEveryLineInOrder) {
    const Lines expected = {
        kHeading,
        "        ",
        "Metoda zamocowania",
        "     Zamknięte wzmocnienie",
        "        ",
        "Geometria przekroju poprzecznego",
        "     Szerokość    b = 0,3 m",
        "     Wysokość użyteczna    d = 0,45 m",
        "     Kąt między kierunkiem włókien wzmocnienia a osią elementu    α = 90 stopni",
        "        ",
        "Beton",
        "     Klasa     C 25/30 ",
        "     Wytrzymałość charakterystyczna    f_{ck} = 25 N/mm²",
        "     Wytrzymałość średnia    f_{cm} = 33,2 N/mm²",
        "        ",
        "Kompozyt",
        "     Moduł sprężystości    E_{f} = 230 kN/mm²",
        "     Wydłużenie przy zerwaniu    ε_{fu} = 0,015",
        "     Odkształcenie graniczne    ε_{f,lim} = 0,006",
        "     Rodzaj włókien   Włókno węglowe   (CFRP) ",
        "        ",
        "     Współczynniki bezpieczeństwa",
        "          Stała    k = 0,8",
        "          Współczynnik dot. oderwania wzmocnienia    γ_{f,b} = 1,2",
        "          Współczynnik dot. odkształcenia wzmocnienia    γ_{f,l} = 1,25",
        "          Współczynnik dot. ścięcia wzmocnienia CFRP    γ_{f,f} = 1,3",
        "        ",
        "Forma wzmocnienia",
        "     Mata",
        "        ",
        "Przyrost siły ścinającej",
        "     Dodatkowe ścinanie    V_{fd} = 100 kN",
        "        ",
        "Wyniki",
        "     Wymagana grubość wzmocnienia    t_{f} = 0,12 mm",
        "     Dodatkowe ścinanie    V_{fd} = 101,24 kN",
    };
    EXPECT_EQ(Section(), expected);
    EXPECT_EQ(State().ShearSchemeText, "Zamknięte wzmocnienie");
    EXPECT_EQ(State().ShearFormText, "Mata");
}

// Open wrap with strips: the scheme text, "Taśmy" with the strip width and spacing in m.
TEST_F(ShearSectionTest, OpenWrapWithStripsPrintsTheStripLines) {
    in.closedScheme = false;
    in.openScheme = true;
    in.shearSheet = false;
    in.shearStrips = true;
    const Lines lines = Section();
    EXPECT_EQ(lines.at(3), "     Otwarte wzmocnienie");
    const auto form = std::find(lines.begin(), lines.end(), "Forma wzmocnienia");
    ASSERT_NE(form, lines.end());
    const Lines block(form, form + 5);
    EXPECT_EQ(block,
              (Lines{"Forma wzmocnienia", "     Taśmy", "     Szerokość taśmy    b_{f} = 0,1 m",
                     "     Odległość w osiach taśmy    s_{f} = 0,25 m", "        "}));
}

// A typed mean strength: no class line, f_cm before f_ck.
TEST_F(ShearSectionTest, TypedStrengthPrintsTheMeanStrengthFirst) {
    in.concreteByClass[Shear] = false;
    State().fcm = 30;
    State().fck = 30 - 8.2;
    const Lines lines = Section();
    const auto beton = std::find(lines.begin(), lines.end(), "Beton");
    ASSERT_NE(beton, lines.end());
    EXPECT_EQ(Lines(beton, beton + 4),
              (Lines{"Beton", "     Wytrzymałość średnia    f_{cm} = 30 N/mm²",
                     "     Wytrzymałość charakterystyczna    f_{ck} = 21,8 N/mm²", "        "}));
}

// The fibre kind's list position chooses the label of the fibre factor; the kind's text is
// printed as listed.
TEST_F(ShearSectionTest, EachFibreKindHasItsFactorLabel) {
    const struct {
        int index;
        const char* kind;
        const char* factor;
    } cases[] = {
        {0, " Włókno węglowe   (CFRP) ",
         "          Współczynnik dot. ścięcia wzmocnienia CFRP    γ_{f,f} = 1,3"},
        {1, " Włókno aramidowe (AFRP) ",
         "          Współczynnik dot. ścięcia wzmocnienia AFRP    γ_{f,f} = 1,3"},
        {2, " Włókno szklane   (GFRP) ",
         "          Współczynnik dot. ścięcia wzmocnienia GFRP    γ_{f,f} = 1,3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        in.fibreKindIndex = c.index;
        in.fibreKind = c.kind;
        const Lines lines = Section();
        EXPECT_EQ(
            std::count(lines.begin(), lines.end(), std::string("     Rodzaj włókien  ") + c.kind),
            1);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), c.factor), 1);
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const std::string& l) {
                                    return l.find("ścięcia wzmocnienia") != std::string::npos;
                                }),
                  1);
    }
}

// After the recomputation for the applied laminate: the required thickness, the applied total
// and the force it carries, then the applied layers in plain value text.
TEST_F(ShearSectionTest, AppliedLaminateAddsTheAppliedResults) {
    State().LaminateApplied = true;
    const Lines lines = Section();
    const auto results = std::find(lines.begin(), lines.end(), "Wyniki");
    ASSERT_NE(results, lines.end());
    EXPECT_EQ(Lines(results, lines.end()),
              (Lines{"Wyniki", "     Wymagana grubość wzmocnienia    t_{f} = 0,12 mm",
                     "     Grubość wszystkich warstw wzmocnienia    t_{f} = 0,36 mm",
                     "     Dodatkowe ścinanie    V_{fd} = 290,01 kN", "        ",
                     "Zastosowane wzmocnienie", "     Grubość    0,12 mm",
                     "     Wymagana liczba warstw wzmocnienia    3"}));
}

// Under a decimal-point locale the values print with points.
TEST_F(ShearSectionTest, NumbersFollowTheLocale) {
    UseLocale(false);
    SetDesign();
    const Lines lines = Section();
    EXPECT_EQ(lines.at(7), "     Wysokość użyteczna    d = 0.45 m");
    EXPECT_EQ(lines.back(), "     Dodatkowe ścinanie    V_{fd} = 101.24 kN");
}

// The greek letter stands 40 higher in the symbol font, the subscript 80 lower and two points
// smaller; the text after them is back in the report font on the line's own height.
TEST_F(ShearSectionTest, GreekLetterAndSubscriptAreOffsetAndUndone) {
    RecordingSurface rec;
    Print(rec);
    const auto texts = rec.Texts();
    size_t i = 0;
    while (i < texts.size() && texts[i].text != "     Odkształcenie graniczne    ") ++i;
    ASSERT_LT(i + 3, texts.size());
    const TextRun& label = texts[i];
    EXPECT_EQ(label.font, (Font{.name = "Arial", .size = 12}));
    EXPECT_EQ(texts[i + 1].text, "ε");
    EXPECT_EQ(texts[i + 1].font, (Font{.name = "Symbol", .size = 12}));
    EXPECT_DOUBLE_EQ(texts[i + 1].y, label.y - 40);
    EXPECT_EQ(texts[i + 2].text, "f,lim");
    EXPECT_EQ(texts[i + 2].font, (Font{.name = "Arial", .size = 10}));
    EXPECT_DOUBLE_EQ(texts[i + 2].y, label.y + 80);
    EXPECT_EQ(texts[i + 3].text, " = 0,006");
    EXPECT_EQ(texts[i + 3].font, label.font);
    EXPECT_DOUBLE_EQ(texts[i + 3].y, label.y);
}

// Headings are underlined at S, the factors' heading italic instead; body lines are plain.
TEST_F(ShearSectionTest, HeadingStyles) {
    RecordingSurface rec;
    Print(rec);
    const auto font = [&](const std::string& text) {
        const TextRun* r = rec.FindText(text);
        return r ? r->font : Font{};
    };
    EXPECT_EQ(font(kHeading), (Font{.name = "Arial", .size = 16, .bold = true, .underline = true}));
    EXPECT_EQ(font("Metoda zamocowania"), (Font{.name = "Arial", .size = 12, .underline = true}));
    EXPECT_EQ(font("Wyniki"), (Font{.name = "Arial", .size = 12, .underline = true}));
    EXPECT_EQ(font("     Współczynniki bezpieczeństwa"),
              (Font{.name = "Arial", .size = 12, .italic = true}));
    EXPECT_EQ(font("          Stała    k = 0,8"), (Font{.name = "Arial", .size = 12}));
}

// The inputs up to the form of the strengthening are printed without page checks; from there
// the checks stand before the lines the section checks, inside the form's and the shear force's
// headings, before the results' heading, and twice around "Zastosowane wzmocnienie".
TEST_F(ShearSectionTest, PageChecksStandWhereTheSectionPutsThem) {
    const auto print = [this](RecordingSurface& r) { Print(r); };
    EXPECT_EQ(LinesAfterPageChecks(print),
              (Lines{"Forma wzmocnienia", "Przyrost siły ścinającej",
                     "     Dodatkowe ścinanie    V_{fd} = 100 kN", "Wyniki",
                     "     Wymagana grubość wzmocnienia    t_{f} = 0,12 mm",
                     "     Dodatkowe ścinanie    V_{fd} = 101,24 kN"}));

    in.shearSheet = false;
    in.shearStrips = true;
    State().LaminateApplied = true;
    EXPECT_EQ(LinesAfterPageChecks(print),
              (Lines{"Forma wzmocnienia", "     Szerokość taśmy    b_{f} = 0,1 m",
                     "     Odległość w osiach taśmy    s_{f} = 0,25 m", "Przyrost siły ścinającej",
                     "     Dodatkowe ścinanie    V_{fd} = 100 kN", "Wyniki",
                     "     Wymagana grubość wzmocnienia    t_{f} = 0,12 mm",
                     "     Grubość wszystkich warstw wzmocnienia    t_{f} = 0,36 mm",
                     "     Dodatkowe ścinanie    V_{fd} = 290,01 kN", "Zastosowane wzmocnienie",
                     "     Grubość    0,12 mm", "     Wymagana liczba warstw wzmocnienia    3"}));
}

// A page started by the check inside "Forma wzmocnienia" has its number underlined (the
// underline is on at the check) and the heading on the new page below the rule.
TEST_F(ShearSectionTest, ThePageStartedInsideAHeadingFollowsTheFrame) {
    RecordingSurface tall("Recording", RecordingSurface::kA4Width, 1e7);
    Print(tall);
    const auto lines = LinesOf(tall);
    const PrintedLine& form = lines.at(IndexOf(lines, "Forma wzmocnienia"));

    RecordingSurface rec("Recording", RecordingSurface::kA4Width, form.y + 499);
    Print(rec);
    const auto page2 = rec.TextsOnPage(2);
    ASSERT_GE(page2.size(), 2u);
    EXPECT_EQ(page2[0].text, "Strona 2");
    EXPECT_EQ(page2[0].font, (Font{.name = "Arial", .size = 10, .underline = true}));
    EXPECT_EQ(page2[1].text, "Forma wzmocnienia");
    const auto rules = rec.OfKind(PrintRecord::Kind::Line);
    ASSERT_FALSE(rules.empty());
    EXPECT_EQ(rules.back().page, 2);
    EXPECT_GT(page2[1].y, rules.back().y);
}

}  // namespace
}  // namespace kord::test
