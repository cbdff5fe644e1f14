#include "report/ConfinementSection.h"

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

const char* const kHeading = "WZMACNIANIA NA ŚCISKANIE";

class ConfinementSectionTest : public AppTest, public Handover {
  protected:
    ConfinementSectionTest() {
        DesignState& s = State();
        s.ResultKind = Confinement;
        s.b = 40;
        s.h = 30;
        s.R = 3;
        s.D = 45;
        s.fck = 20;
        s.fcm = 28.2;
        s.Ef = 230;
        s.eps_fu_e = 0.9 * 0.015;
        s.bf_c = 5;
        s.sf_c = 15;
        s.fcc_req = 35;
        s.eps_cu_req = 0.012;
        s.tf_c = 0.05;  // 0.50 mm
        s.fcc = 35.455;
        s.eps_cu = 0.0123456;
        s.applied_tf_total = 0.06;
        s.fcc_applied = 36.5;
        s.eps_cu_applied = 0.013;
        s.applied_tf_layer = 0.2;
        s.applied_n_layers = 3;
        in.rectangularColumn = true;
        in.confinementSheet = true;
        in.concreteByClass[Confinement] = true;
        in.concreteClass[Confinement] = " C 20/25 ";
        in.strengthRequired = true;
        in.strainRequired = true;
        // As typed, trailing zeros included.
        in.ruptureStrain = "0,0150";
        in.ruptureStrainFactor = "0,90";
        host.messages.clear();
    }

    Lines Section() {
        RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
        Print(rec);
        EXPECT_EQ(rec.Count(PrintRecord::Kind::EndDoc), 1);
        EXPECT_TRUE(host.messages.empty());
        const auto lines = LinesOf(rec);
        return TextsOf(lines, IndexOf(lines, kHeading));
    }

    // The lines from the first with this text up to the next blank line, that one included.
    static Lines Block(const Lines& lines, const std::string& first) {
        auto from = std::find(lines.begin(), lines.end(), first);
        auto to = std::find(from, lines.end(), "        ");
        return Lines(from, to == lines.end() ? to : to + 1);
    }
};

// A rectangular column with a sheet, a concrete class and both requirements: every line, in
// order. The typed composite values keep their trailing zeros; their product is plain.
TEST_F(ConfinementSectionTest, RectangularColumnPrintsEveryLineInOrder) {
    const Lines expected = {
        kHeading,
        "        ",
        "Typ przekroju poprzecznego",
        "     Prostokątny",
        "        ",
        "Geometria przekroju poprzecznego",
        "     Szerokość    b = 0,4 m",
        "     Wysokość    h = 0,3 m",
        "     Promień w narożniku    R = 0,03 m",
        "        ",
        "Beton",
        "     Klasa     C 20/25 ",
        "     Wytrzymałość charakterystyczna    f_{ck} = 20 N/mm²",
        "     Wytrzymałość średnia    f_{cm} = 28,2 N/mm²",
        "        ",
        "Kompozyt",
        "     Moduł sprężystości    E_{f} = 230 kN/mm²",
        "     Wydłużenie przy zerwaniu    ε_{fu} = 0,0150",
        "     Obliczeniowa wartość wydłużenia przy zerwaniu    ε_{fu,e} = 0,90 x ε_{fu} = 0,0135",
        "        ",
        "Forma wzmocnienia",
        "     Mata",
        "        ",
        "Wymagania",
        "     Przyrost średniej wytrzymałości",
        "     Średnia wytrzymałość po wzmocnieniu    f_{cc} = 35 N/mm²",
        "     Przyrost odkształcenia przy zniszczeniu",
        "     Odkształcenie przy zniszczeniu po wzmocnieniu    ε_{cu} = 0,012",
        "        ",
        "Wyniki",
        "     Wymagana grubość wzmocnienia    t_{f} = 0,50 mm",
        "     Średnia wytrzymałość po wzmocnieniu    f_{cc} = 35,46 N/mm²",
        "     Odkształcenie przy zniszczeniu po wzmocnieniu    ε_{cu} = 0,01235",
    };
    EXPECT_EQ(Section(), expected);
    EXPECT_EQ(State().ColumnSectionText, "Prostokątny");
}

// A circular column with strips and a typed mean strength.
TEST_F(ConfinementSectionTest, CircularColumnWithStripsAndTypedStrength) {
    in.rectangularColumn = false;
    in.circularColumn = true;
    in.confinementSheet = false;
    in.concreteByClass[Confinement] = false;
    State().fcm = 30;
    State().fck = 30 - 8.2;
    const Lines lines = Section();
    EXPECT_EQ(Block(lines, "Typ przekroju poprzecznego"),
              (Lines{"Typ przekroju poprzecznego", "     Kołowy", "        "}));
    EXPECT_EQ(
        Block(lines, "Geometria przekroju poprzecznego"),
        (Lines{"Geometria przekroju poprzecznego", "     Średnica    D = 0,45 m", "        "}));
    EXPECT_EQ(Block(lines, "Beton"),
              (Lines{"Beton", "     Wytrzymałość średnia    f_{cm} = 30 N/mm²",
                     "     Wytrzymałość charakterystyczna    f_{ck} = 21,8 N/mm²", "        "}));
    EXPECT_EQ(Block(lines, "Forma wzmocnienia"),
              (Lines{"Forma wzmocnienia", "     Taśmy", "     Szerokość    b_{f} = 0,05 m",
                     "     Odległość w osiach taśmy    s_{f} = 0,15 m", "        "}));
    EXPECT_EQ(State().ColumnSectionText, "Kołowy");
}

// The typed texts are printed unchanged, whatever they hold.
TEST_F(ConfinementSectionTest, TypedTextsArePrintedExactlyAsTyped) {
    const struct {
        const char* strain;
        const char* factor;
    } cases[] = {{"0,02", "0,50"}, {"0.0150", "1"}, {"", ""}, {" 0,015 ", "0,9000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strain);
        in.ruptureStrain = c.strain;
        in.ruptureStrainFactor = c.factor;
        const Lines lines = Section();
        EXPECT_EQ(Block(lines, "Kompozyt").at(2),
                  std::string("     Wydłużenie przy zerwaniu    ε_{fu} = ") + c.strain);
        EXPECT_EQ(Block(lines, "Kompozyt").at(3),
                  std::string("     Obliczeniowa wartość wydłużenia przy zerwaniu    ε_{fu,e} = ") +
                      c.factor + " x ε_{fu} = 0,0135");
    }
}

// Each requirement ticked prints its title and value; none ticked leaves the heading alone.
TEST_F(ConfinementSectionTest, RequirementsByTheirBoxes) {
    const std::string strengthTitle = "     Przyrost średniej wytrzymałości";
    const std::string strength = "     Średnia wytrzymałość po wzmocnieniu    f_{cc} = 35 N/mm²";
    const std::string strainTitle = "     Przyrost odkształcenia przy zniszczeniu";
    const std::string strain =
        "     Odkształcenie przy zniszczeniu po wzmocnieniu    ε_{cu} = 0,012";
    const struct {
        bool strength, strain;
        Lines block;
    } cases[] = {
        {1, 0, {"Wymagania", strengthTitle, strength, "        "}},
        {0, 1, {"Wymagania", strainTitle, strain, "        "}},
        {1, 1, {"Wymagania", strengthTitle, strength, strainTitle, strain, "        "}},
        {0, 0, {"Wymagania", "        "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strength * 10 + c.strain);
        in.strengthRequired = c.strength;
        in.strainRequired = c.strain;
        EXPECT_EQ(Block(Section(), "Wymagania"), c.block);
    }
}

// After the recomputation for the applied laminate: the required and the applied thickness,
// the strength and strain with the applied layers, then the layers in plain value text.
TEST_F(ConfinementSectionTest, AppliedLaminateResults) {
    State().LaminateApplied = true;
    const Lines lines = Section();
    const auto results = std::find(lines.begin(), lines.end(), "Wyniki");
    ASSERT_NE(results, lines.end());
    EXPECT_EQ(Lines(results, lines.end()),
              (Lines{"Wyniki", "     Wymagana grubość wzmocnienia    t_{f} = 0,50 mm",
                     "     Zastosowana grubość wzmocnienia    t_{f} = 0,60 mm",
                     "     Średnia wytrzymałość po wzmocnieniu    f_{cc} = 36,50 N/mm²",
                     "     Odkształcenie przy zniszczeniu po wzmocnieniu    ε_{cu} = 0,01300",
                     "        ", "Zastosowane wzmocnienie", "     Grubość    0,2 mm",
                     "     Wymagana liczba warstw wzmocnienia    3"}));
}

// No page check before the requirements; from there after the lines that call for one, never
// after the last result line.
TEST_F(ConfinementSectionTest, PageChecksFollowTheLinesThatCallForThem) {
    const auto print = [this](RecordingSurface& r) { Print(r); };
    EXPECT_EQ(LinesAfterPageChecks(print),
              (Lines{"     Średnia wytrzymałość po wzmocnieniu    f_{cc} = 35 N/mm²",
                     "     Przyrost odkształcenia przy zniszczeniu",
                     "     Odkształcenie przy zniszczeniu po wzmocnieniu    ε_{cu} = 0,012",
                     "        ", "     Wymagana grubość wzmocnienia    t_{f} = 0,50 mm",
                     "     Średnia wytrzymałość po wzmocnieniu    f_{cc} = 35,46 N/mm²",
                     "     Odkształcenie przy zniszczeniu po wzmocnieniu    ε_{cu} = 0,01235"}));

    State().LaminateApplied = true;
    EXPECT_EQ(LinesAfterPageChecks(print),
              (Lines{"     Średnia wytrzymałość po wzmocnieniu    f_{cc} = 35 N/mm²",
                     "     Przyrost odkształcenia przy zniszczeniu",
                     "     Odkształcenie przy zniszczeniu po wzmocnieniu    ε_{cu} = 0,012",
                     "        ", "     Wymagana grubość wzmocnienia    t_{f} = 0,50 mm",
                     "     Zastosowana grubość wzmocnienia    t_{f} = 0,60 mm",
                     "     Średnia wytrzymałość po wzmocnieniu    f_{cc} = 36,50 N/mm²",
                     "     Odkształcenie przy zniszczeniu po wzmocnieniu    ε_{cu} = 0,01300",
                     "Zastosowane wzmocnienie", "     Grubość    0,2 mm",
                     "     Wymagana liczba warstw wzmocnienia    3"}));
}

// The two-symbol line: each ε in the symbol font 40 higher, each subscript 80 lower and two
// points smaller, the texts between them back on the line.
TEST_F(ConfinementSectionTest, DesignRuptureStrainLineTypesetsBothSymbols) {
    RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
    Print(rec);
    const auto texts = rec.Texts();
    auto it = std::find_if(texts.begin(), texts.end(), [](const TextRun& r) {
        return r.text == "     Obliczeniowa wartość wydłużenia przy zerwaniu    ";
    });
    ASSERT_NE(it, texts.end());
    const double y = it->y;
    const struct {
        const char* text;
        const char* font;
        double size, dy;
    } runs[] = {{"ε", "Symbol", 12, -40}, {"fu,e", "Arial", 10, 80}, {" = 0,90 x ", "Arial", 12, 0},
                {"ε", "Symbol", 12, -40}, {"fu", "Arial", 10, 80},   {" = 0,0135", "Arial", 12, 0}};
    for (const auto& r : runs) {
        ++it;
        ASSERT_NE(it, texts.end());
        EXPECT_EQ(it->text, r.text);
        EXPECT_EQ(it->font.name, r.font);
        EXPECT_EQ(it->font.size, r.size);
        EXPECT_DOUBLE_EQ(it->y, y + r.dy);
    }
}

// A heading printed without a page check that would not fit starts a new page first; its page
// number is not underlined, the heading is.
TEST_F(ConfinementSectionTest, HeadingThatDoesNotFitStartsAPlainNumberedPage) {
    constexpr double kWide = 3 * RecordingSurface::kA4Width;
    RecordingSurface tall("Recording", kWide, 1e7);
    Print(tall);
    const auto lines = LinesOf(tall);
    const PrintedLine& heading = lines.at(IndexOf(lines, "Wymagania"));

    RecordingSurface rec("Recording", kWide,
                         heading.y + PrinterSurface::LineHeightOf(heading.font) - 1);
    Print(rec);
    const auto page2 = rec.TextsOnPage(2);
    ASSERT_GE(page2.size(), 2u);
    EXPECT_EQ(page2[0].text, "Strona 2");
    EXPECT_FALSE(page2[0].font.underline);
    EXPECT_EQ(page2[1].text, "Wymagania");
    EXPECT_TRUE(page2[1].font.underline);
    for (const PrintedLine& l : LinesOf(rec)) {
        if (l.page == 1) {
            EXPECT_LT(l.y, heading.y) << l.text;
        }
    }
}

}  // namespace
}  // namespace kord::test
