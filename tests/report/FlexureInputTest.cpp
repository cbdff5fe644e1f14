#include "report/FlexureReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "platform/Paths.h"
#include "platform/Picture.h"
#include "report/PrintDriver.h"
#include "tests/app/AppFixture.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kHeading = "WZMACNIANIE NA ZGINANIE";

class FlexureReportInputTest : public AppTest, public Handover {
  protected:
    FlexureReportInputTest() {
        DesignState& s = State();
        s.ResultKind = Flexure;
        s.b = 30;
        s.h = 50;
        s.beff = 120;
        s.hf = 12;
        s.As2 = 2.01;  // 201 mm²
        s.d2 = 4;
        s.As11 = 15.71;
        s.d11 = 5;
        s.d12 = 7.5;
        s.fck = 20;
        s.fcm = 28.2;
        s.phi = 2.5;
        s.Ef = 165;
        s.eps_f_lim = 0.008;
        s.Es = 200;
        s.fyk = 500;
        s.Mo = 30;
        s.Msd = 120.5;
        s.Mser_r = 80;
        s.Mser_qp = 60;
        in.drawing[Flexure] = Picture::Load(ProgramPath("Drawings/flexure-1.jpg"));
        in.tSection = true;
        in.concreteByClass[Flexure] = true;
        in.concreteClass[Flexure] = " C 20/25 ";
    }

    // The lines of the report from its main heading up to "Wyniki"; the results sections that
    // follow are not part of the input data.
    Lines Report(RecordingSurface& rec) {
        Print(rec);
        EXPECT_EQ(rec.Count(PrintRecord::Kind::EndDoc), 1);
        Lines lines = TextsOf(LinesOf(rec));
        const auto from = std::find(lines.begin(), lines.end(), kHeading);
        const auto to = std::find(from, lines.end(), "Wyniki");
        return Lines(from, to == lines.end() ? to : to + 1);
    }

    Lines Report() {
        RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
        return Report(rec);
    }
};

// A T section with its concrete class: every line of the input data, in order, in plain value
// text (areas in mm², lengths in m); all three steel layers, the one not given with area 0.
TEST_F(FlexureReportInputTest, TSectionPrintsEveryInputLine) {
    const Lines expected = {
        kHeading,
        "        ",
        "Typ przekroju poprzecznego",
        "     Teowy",
        "        ",
        "Geometria przekroju poprzecznego",
        "     Szerokość    b = 0,3 m",
        "     Szerokość półki    b_{eff} = 1,2 m",
        "     Wysokość    h = 0,5 m",
        "     Grubość półki    h_{f} = 0,12 m",
        "        ",
        "Beton",
        "     Klasa     C 20/25 ",
        "     Wytrzymałość charakterystyczna    f_{ck} = 20 N/mm²",
        "     Wytrzymałość średnia    f_{cm} = 28,2 N/mm²",
        "     Współczynnik pełzania    φ = 2,5",
        "        ",
        "Kompozyt",
        "     Moduł sprężystości    E_{f} = 165 kN/mm²",
        "     Odkształcenie graniczne    ε_{f,lim} = 0,008",
        "        ",
        "Zbrojenie",
        "     Moduł sprężystości    E_{s} = 200 kN/mm²",
        "     Charakterystyczne granica plastyczności    f_{yk} = 500 N/mm²",
        "     Górne    A_{s2} = 201 mm²      w odległości    d_{2} = 0,04 m",
        "     Dolne    A_{s12} = 0 mm²      w odległości    d_{12} = 0,075 m",
        "     Dolne    A_{s11} = 1571 mm²      w odległości    d_{11} = 0,05 m",
        "        ",
        "Momenty zginające",
        "     Moment zginający podczas wzmacniania (początkowy)    M_{o} = 30 kNm",
        "     Moment zginający wymagany po wzmocnieniu    M_{sd} = 120,5 kNm",
        "     Moment zginający od obciążenia zmiennego o wartościach wyjątkowych    M_{ser,r} = "
        "80 kNm",
        "     Moment zginający od obciążenia zmiennego o wartościach prawie stałych    "
        "M_{ser,q-p} = 60 kNm",
        "        ",
        "Wyniki",
    };
    EXPECT_EQ(Report(), expected);
    EXPECT_EQ(State().SectionTypeText, "Teowy");
}

// A rectangle: no flange lines; a typed mean strength: no class line, f_cm first.
TEST_F(FlexureReportInputTest, RectangleWithTypedStrength) {
    in.tSection = false;
    in.rectangularSection = true;
    in.concreteByClass[Flexure] = false;
    State().fcm = 30;
    State().fck = 30 - 8.2;
    const Lines lines = Report();
    const Lines head(lines.begin() + 2, lines.begin() + 16);
    EXPECT_EQ(head, (Lines{"Typ przekroju poprzecznego", "     Prostokątny", "        ",
                           "Geometria przekroju poprzecznego", "     Szerokość    b = 0,3 m",
                           "     Wysokość    h = 0,5 m", "        ", "Beton",
                           "     Wytrzymałość średnia    f_{cm} = 30 N/mm²",
                           "     Wytrzymałość charakterystyczna    f_{ck} = 21,8 N/mm²",
                           "     Współczynnik pełzania    φ = 2,5", "        ", "Kompozyt",
                           "     Moduł sprężystości    E_{f} = 165 kN/mm²"}));
    EXPECT_EQ(State().SectionTypeText, "Prostokątny");
}

// The input data makes no page check; the first is the one before "Wyniki".
TEST_F(FlexureReportInputTest, OnlyWynikiHasAPageCheck) {
    const auto print = [this](RecordingSurface& r) { Print(r); };
    EXPECT_EQ(LinesAfterPageChecks(print, "Wyniki"), (Lines{"Wyniki"}));
}

// "Wyniki" at S + 2, plain, at column 9; a page started by its check numbers the page at S.
TEST_F(FlexureReportInputTest, WynikiIsTwoPointsLargerAndItsPageNumberAtS) {
    RecordingSurface tall("Recording", RecordingSurface::kA4Width, 1e7);
    Print(tall);
    const TextRun* results = tall.FindText("Wyniki");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->font, (Font{.name = "Arial", .size = 14}));
    EXPECT_DOUBLE_EQ(results->x, PrinterSurface::ColumnWidthOf(results->font) * 8);

    // A wide page: nothing before "Wyniki" reaches the logo.
    RecordingSurface rec("Recording", 3 * RecordingSurface::kA4Width, results->y + 499);
    Print(rec);
    const auto page2 = rec.TextsOnPage(2);
    ASSERT_GE(page2.size(), 2u);
    EXPECT_EQ(page2[0].text, "Strona 2");
    EXPECT_EQ(page2[0].font, (Font{.name = "Arial", .size = 12}));
    EXPECT_EQ(page2[1].text, "Wyniki");
}

// The section drawing at its own size, 3800 from the left on the line below the blank line;
// the next heading one line below the point 3100 further down.
TEST_F(FlexureReportInputTest, DrawingStandsBesideTheHead) {
    RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
    Print(rec);
    const auto pictures = rec.OfKind(PrintRecord::Kind::Picture);
    ASSERT_GE(pictures.size(), 3u);  // two logos, then the drawing
    const PrintRecord& drawing = pictures[2];
    EXPECT_NE(drawing.picturePath.find("flexure-1.jpg"), std::string::npos);
    EXPECT_DOUBLE_EQ(drawing.x, 3800);
    EXPECT_DOUBLE_EQ(drawing.width, 270 * 15);
    EXPECT_DOUBLE_EQ(drawing.height, 200 * 15);
    const double line = PrinterSurface::LineHeightOf(Font{.name = "Arial", .size = 12});
    const auto lines = LinesOf(rec);
    const size_t blank = IndexOf(lines, kHeading) + 1;
    EXPECT_DOUBLE_EQ(drawing.y, lines.at(blank).y + line);
    EXPECT_DOUBLE_EQ(lines.at(blank + 1).y, drawing.y + 3100 + line);
    EXPECT_EQ(lines.at(blank + 1).text, "Typ przekroju poprzecznego");
}

// At a large report font the long moment rows no longer fit the width: they continue on the
// next line where they started, and nothing reaches past the right edge.
TEST_F(FlexureReportInputTest, LongRowsWrapAtLargeSizes) {
    options.font = {"", 15};
    RecordingSurface rec("Recording", RecordingSurface::kA4Width, 1e7);
    const Lines lines = Report(rec);
    const auto it =
        std::find(lines.begin(), lines.end(),
                  "     Moment zginający od obciążenia zmiennego o wartościach wyjątkowych");
    ASSERT_NE(it, lines.end());
    EXPECT_EQ(*(it + 1), "M_{ser,r} = 80 kNm");
    const auto all = LinesOf(rec);
    const PrintedLine& first = all.at(IndexOf(all, *it));
    const PrintedLine& second = all.at(IndexOf(all, *(it + 1)));
    EXPECT_DOUBLE_EQ(second.x, first.x + rec.TextWidth("     "));
    EXPECT_GT(second.y, first.y);
    for (const TextRun& r : rec.Texts()) EXPECT_LE(r.x + r.width, rec.ScaleWidth()) << r.text;
}

}  // namespace
}  // namespace kord::test
