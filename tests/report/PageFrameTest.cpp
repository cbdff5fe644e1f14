#include "report/PageFrame.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cctype>
#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "platform/Paths.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/RecordingSurface.h"

namespace kord {
namespace {

using Kind = PrintRecord::Kind;

double LineHeight(double size) {
    return PrinterSurface::LineHeightOf(Font{.name = "Arial", .size = size});
}

class PageFrameTest : public ::testing::Test {
  protected:
    PageFrameTest() : scope(rec) {
        savedText = State().PrintFontName;
        savedSymbol = State().SymbolFontName;
        State().PrintFontName = "Arial";
        State().SymbolFontName = "Symbol";
        rec.SetFontName("Arial");
        rec.SetFontSize(12);
    }
    ~PageFrameTest() override {
        State().PrintFontName = savedText;
        State().SymbolFontName = savedSymbol;
    }
    double SW() const { return rec.ScaleWidth(); }
    double SH() const { return rec.ScaleHeight(); }

    RecordingSurface rec;
    PrinterScope scope;
    std::string savedText, savedSymbol;
};

// PageBreak starts a page only above its threshold; PageBreakBlock already at it.
TEST_F(PageFrameTest, PageChecksAtTheirThresholds) {
    struct Case {
        void (*check)();
        double reserveFromBottom;  // CurrentY = ScaleHeight - this
        bool newPage;
    };
    const std::vector<Case> cases = {
        {PageBreak, 500, false},          {PageBreak, 499.99, true},
        {PageBreak, 499, true},           {PageBreak, 1000, false},
        {PageBreakBlock, 4500, true},     {PageBreakBlock, 4499, true},
        {PageBreakBlock, 4500.01, false}, {PageBreakBlock, 6000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reserveFromBottom);
        rec.Clear();
        rec.SetCurrentY(SH() - c.reserveFromBottom);
        c.check();
        EXPECT_EQ(rec.Count(Kind::NewPage), c.newPage ? 1 : 0);
        rec.KillDoc();
    }
}

// The frame: "Strona n" two points smaller at 800, centred less 500; a rule 10 pixels wide,
// 600 in from either side, 50 below the number's line; the logo flush with the right edge,
// 1001 above the bottom; then the size back, bold off, the position at the rule's right end
// moved up by 100.
TEST_F(PageFrameTest, FrameStandsWhereThePageFrameIsDrawn) {
    rec.SetFontBold(true);
    rec.SetFontItalic(true);
    rec.SetCurrentY(SH() - 400);
    PageBreak();

    ASSERT_EQ(rec.Count(Kind::NewPage), 1);
    const auto texts = rec.TextsOnPage(2);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Strona 2");
    EXPECT_DOUBLE_EQ(texts[0].x, SW() / 2 - 500);
    EXPECT_DOUBLE_EQ(texts[0].y, 800);
    EXPECT_EQ(texts[0].font.size, 10);
    EXPECT_FALSE(texts[0].font.bold);
    EXPECT_TRUE(texts[0].font.italic);  // italic is left as it was

    const double rule = 800 + LineHeight(10) + 50;
    const auto lines = rec.OfKind(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].page, 2);
    EXPECT_DOUBLE_EQ(lines[0].x, 600);
    EXPECT_DOUBLE_EQ(lines[0].x2, SW() - 600);
    EXPECT_DOUBLE_EQ(lines[0].y, rule);
    EXPECT_DOUBLE_EQ(lines[0].y2, rule);
    EXPECT_EQ(lines[0].drawWidth, 10);

    const auto pictures = rec.OfKind(Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].picturePath, LogoPath());
    EXPECT_DOUBLE_EQ(pictures[0].x, SW() - 1000);
    EXPECT_DOUBLE_EQ(pictures[0].y, SH() - 1801);
    EXPECT_DOUBLE_EQ(pictures[0].width, 1000);
    EXPECT_DOUBLE_EQ(pictures[0].height, 800);

    EXPECT_EQ(rec.FontSize(), 12);
    EXPECT_FALSE(rec.FontBold());
    EXPECT_EQ(rec.DrawWidth(), 10);
    EXPECT_DOUBLE_EQ(rec.CurrentX(), SW() - 600);
    EXPECT_DOUBLE_EQ(rec.CurrentY(), rule - 100);

    // The next line starts one line height lower, below the rule.
    PrintTextLine(10, "     Beton");
    const auto line = rec.Texts().back();
    EXPECT_EQ(line.page, 2);
    EXPECT_DOUBLE_EQ(line.x, rec.ColumnX(10));
    EXPECT_DOUBLE_EQ(line.y, rule - 100 + LineHeight(12));
    EXPECT_GT(line.y, rule);

    // The third page's number.
    rec.SetCurrentY(SH());
    PageBreak();
    EXPECT_EQ(rec.TextsOnPage(3).at(0).text, "Strona 3");
}

// The page number takes the size in effect at the check, less 2.
TEST_F(PageFrameTest, PageNumberSizeFollowsTheSizeAtTheCheck) {
    for (double size : {10.0, 14.0, 17.0}) {
        SCOPED_TRACE(size);
        rec.Clear();
        rec.SetFontSize(size);
        rec.SetCurrentY(SH());
        PageBreak();
        EXPECT_EQ(rec.Texts().at(0).font.size, size - 2);
        EXPECT_EQ(rec.FontSize(), size);
        EXPECT_DOUBLE_EQ(rec.CurrentY(), 800 + LineHeight(size - 2) + 50 - 100);
    }
}

// The heading is underlined, and so is a page number its own check prints; the underline is
// off afterwards.
TEST_F(PageFrameTest, HeadingIsUnderlined) {
    rec.SetCurrentY(SH() - 300);
    PrintHeading(10, "Dane materiałowe");
    const auto texts = rec.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Strona 2");
    EXPECT_TRUE(texts[0].font.underline);
    EXPECT_EQ(texts[1].text, "Dane materiałowe");
    EXPECT_TRUE(texts[1].font.underline);
    EXPECT_DOUBLE_EQ(texts[1].x, rec.ColumnX(10));
    EXPECT_FALSE(rec.FontUnderline());
}

// A Greek letter's cell stands 40 higher in the symbol font at the line's size, its baseline on
// the line's; a subscript 80 lower and two points smaller; the line's own font and height come
// back before " = ".
TEST_F(PageFrameTest, GreekAndSubscriptOffsetsAndFontRestored) {
    rec.SetCurrentY(3000);
    PrintValueLine("     Odkształcenie graniczne    ", {.greek = 101, .subscript = "f,lim"},
                   "0,0085", "");
    const auto t = rec.Texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].text, "     Odkształcenie graniczne    ");
    EXPECT_DOUBLE_EQ(t[0].x, rec.ColumnX(10));
    EXPECT_DOUBLE_EQ(t[0].y, 3000);

    EXPECT_EQ(t[1].text, "ε");
    EXPECT_EQ(t[1].font.name, "Symbol");
    EXPECT_EQ(t[1].font.size, 12);
    EXPECT_DOUBLE_EQ(t[1].x, t[0].x + t[0].width);
    EXPECT_DOUBLE_EQ(t[1].y, 2960);
    EXPECT_DOUBLE_EQ(t[1].y + t[1].ascent, t[0].y + t[0].ascent);

    EXPECT_EQ(t[2].text, "f,lim");
    EXPECT_EQ(t[2].font.name, "Arial");
    EXPECT_EQ(t[2].font.size, 10);
    EXPECT_DOUBLE_EQ(t[2].x, t[1].x + t[1].width);
    EXPECT_DOUBLE_EQ(t[2].y, 3080);

    EXPECT_EQ(t[3].text, " = 0,0085");
    EXPECT_EQ(t[3].font.name, "Arial");
    EXPECT_EQ(t[3].font.size, 12);
    EXPECT_DOUBLE_EQ(t[3].x, t[2].x + t[2].width);
    EXPECT_DOUBLE_EQ(t[3].y, 3000);

    EXPECT_EQ(rec.FontName(), "Arial");
    EXPECT_EQ(rec.FontSize(), 12);
    EXPECT_DOUBLE_EQ(rec.CurrentY(), 3000 + LineHeight(12));
    EXPECT_DOUBLE_EQ(rec.CurrentX(), 0);
}

// After a Greek letter the font goes back to the report's font, whatever it is.
TEST_F(PageFrameTest, GreekReturnsToTheReportFont) {
    State().PrintFontName = "Times New Roman";
    rec.SetFontName("Times New Roman");
    rec.SetCurrentY(2000);
    PrintLine(10, {TextPiece("     Naprężenie    "), GreekPiece(115), SubscriptPiece("s"),
                   TextPiece(" = 120,00 N/mm   "), GreekPiece(163), TextPiece(" 320,00 N/mm")});
    const auto t = rec.Texts();
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[1].text, "σ");
    EXPECT_EQ(t[1].face, "Liberation Serif");
    EXPECT_EQ(t[4].text, "≤");
    EXPECT_DOUBLE_EQ(t[4].y, 1960);
    EXPECT_EQ(t[5].font.name, "Times New Roman");
    EXPECT_DOUBLE_EQ(t[5].y, 2000);
    EXPECT_EQ(rec.FontName(), "Times New Roman");
}

TEST_F(PageFrameTest, ValueLineWithLatinSymbolAndBlankLine) {
    rec.SetCurrentY(2000);
    PrintValueLine("     Moduł sprężystości    E", {.subscript = "f"}, "165", " kN/mm");
    PrintBlankLine(8);
    const auto t = rec.Texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1].text, "f");
    EXPECT_DOUBLE_EQ(t[1].y, 2080);
    EXPECT_EQ(t[2].text, " = 165 kN/mm");
    EXPECT_EQ(t[3].text, "        ");
    EXPECT_DOUBLE_EQ(t[3].x, rec.ColumnX(10));
    EXPECT_DOUBLE_EQ(t[3].y, 2000 + LineHeight(12));
    EXPECT_DOUBLE_EQ(rec.CurrentY(), 2000 + 2 * LineHeight(12));
}

// Without its page check a line below the PageBreak threshold stays on the page as long as it
// fits; one that would run off the bottom goes to a new page with its frame.
TEST_F(PageFrameTest, LineWithoutCheckMovesToANewPageOnlyWhenItWouldNotFit) {
    struct Case {
        double y;
        PageCheck check;
        bool newPage;
    };
    const double lh = LineHeight(12);
    const std::vector<Case> cases = {
        {SH() - 400, PageCheck::Yes, true},       {SH() - 400, PageCheck::No, false},
        {SH() - lh - 0.01, PageCheck::No, false}, {SH() - lh + 1, PageCheck::No, true},
        {SH() + 500, PageCheck::No, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y);
        rec.Clear();
        rec.SetCurrentX(0);
        rec.SetCurrentY(c.y);
        PrintTextLine(10, "     Wysokość przekroju    h = 0,5 m", c.check);
        EXPECT_EQ(rec.Count(Kind::NewPage), c.newPage ? 1 : 0);
        const auto line = rec.Texts().back();
        EXPECT_EQ(line.page, c.newPage ? 2 : 1);
        if (!c.newPage) {
            EXPECT_DOUBLE_EQ(line.y, c.y);
        }
        rec.KillDoc();
    }
    // A subscript reaches lower than its line: it counts.
    rec.Clear();
    rec.SetCurrentX(0);
    rec.SetCurrentY(SH() - lh - 10);
    PrintValueLine("     Pole    A", {.subscript = "s2"}, "12", " cm", PageCheck::No);
    EXPECT_EQ(rec.Count(Kind::NewPage), 1);
}

std::string Words(int count) {
    std::string s = "     Zbrojenie";
    for (int i = 1; i <= count; ++i) s += " pręt" + std::to_string(i);
    return s;
}

// A line wider than the printable area breaks at the last blank that fits and goes on under its
// text on the next line, past its leading blanks; a line that fits is one run.
TEST_F(PageFrameTest, TooWideLineIsWrappedAtTheLastBlankThatFits) {
    const double start = rec.ColumnX(10);
    // The longest line of words that still fits prints unchanged.
    int fitting = 1;
    while (start + rec.TextWidth(Words(fitting + 1)) <= SW()) ++fitting;
    rec.SetCurrentY(2000);
    PrintTextLine(10, Words(fitting));
    ASSERT_EQ(rec.Texts().size(), 1u);

    rec.Clear();
    const std::string text = Words(fitting + 8);
    rec.SetCurrentY(2000);
    PrintTextLine(10, text);
    const auto t = rec.Texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, Words(fitting));
    EXPECT_LE(t[0].x + t[0].width, SW());
    EXPECT_DOUBLE_EQ(t[0].y, 2000);
    EXPECT_DOUBLE_EQ(t[1].x, start + rec.TextWidth("     "));
    EXPECT_DOUBLE_EQ(t[1].y, 2000 + LineHeight(12));
    EXPECT_EQ(t[0].text + " " + t[1].text, text);
    EXPECT_DOUBLE_EQ(rec.CurrentY(), 2000 + 2 * LineHeight(12));
}

// A page break falls before a wrapped line, never inside it: a line whose later part would
// meet the page check moves whole to the next page, under its frame; without checks both parts
// stay on the page while they fit.
TEST_F(PageFrameTest, WrappedLineIsNeverSplitAcrossPages) {
    const double start = rec.ColumnX(10);
    int fitting = 1;
    while (start + rec.TextWidth(Words(fitting + 1)) <= SW()) ++fitting;
    const double lh = LineHeight(12);
    const double y = SH() - 500 - lh / 2;
    for (const PageCheck check : {PageCheck::Yes, PageCheck::No}) {
        SCOPED_TRACE(check == PageCheck::Yes);
        rec.KillDoc();
        rec.Clear();
        rec.SetCurrentX(0);
        rec.SetCurrentY(y);
        PrintTextLine(10, Words(fitting + 3), check);
        const auto t = rec.Texts();
        if (check == PageCheck::Yes) {
            ASSERT_EQ(t.size(), 3u);
            EXPECT_EQ(t[0].text, "Strona 2");
            EXPECT_EQ(t[1].page, 2);
            EXPECT_EQ(t[1].text, Words(fitting));
            EXPECT_EQ(t[2].page, 2);
            EXPECT_DOUBLE_EQ(t[2].x, start + rec.TextWidth("     "));
            EXPECT_DOUBLE_EQ(t[2].y, t[1].y + lh);
        } else {
            ASSERT_EQ(t.size(), 2u);
            EXPECT_EQ(t[1].page, 1);
            EXPECT_DOUBLE_EQ(t[1].y, y + lh);
        }
    }
    // Nor does a line without checks whose second part would run off the bottom.
    rec.KillDoc();
    rec.Clear();
    rec.SetCurrentX(0);
    rec.SetCurrentY(SH() - 1.5 * lh);
    PrintTextLine(10, Words(fitting + 3), PageCheck::No);
    const auto t = rec.Texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].page, 2);
    EXPECT_EQ(t[2].page, 2);
}

// A line with a Greek letter and a subscript breaks inside its text and keeps the symbols on
// the first line.
TEST_F(PageFrameTest, WrapKeepsSymbolsInTheirPlace) {
    std::string tail = " = 0,0035";
    for (int i = 0; i < 40; ++i) tail += " dalej";
    rec.SetCurrentY(2000);
    PrintLine(10, {TextPiece("     Odkształcenie    "), GreekPiece(101), SubscriptPiece("c"),
                   TextPiece(tail)});
    const auto t = rec.Texts();
    ASSERT_GE(t.size(), 5u);
    EXPECT_EQ(t[1].text, "ε");
    EXPECT_EQ(t[2].text, "c");
    EXPECT_EQ(t[3].text.rfind(" = 0,0035", 0), 0u);
    EXPECT_LE(t[3].x + t[3].width, SW());
    EXPECT_EQ(t[4].text.rfind("dalej", 0), 0u);
    EXPECT_DOUBLE_EQ(t[4].x, rec.ColumnX(10) + rec.TextWidth("     "));
    EXPECT_DOUBLE_EQ(t[4].y, 2000 + LineHeight(12));
    EXPECT_EQ(t[4].font.size, 12);
    EXPECT_EQ(t[4].font.name, "Arial");
}

// Wherever the right edge falls, a wrapped line never ends with a number or "=" and never goes
// on with "=" or ")": the symbol, its value and its unit stay together ("M_Ed = 100 kNm") under
// the text, a bracket with what it closes.
TEST_F(PageFrameTest, WrapKeepsAValueWithItsUnit) {
    const double under = rec.ColumnX(10) + rec.TextWidth("     ");
    for (int words = 1; words < 40; ++words) {
        SCOPED_TRACE(words);
        rec.Clear();
        rec.SetCurrentY(2000);
        PrintValueLine(Words(words) + "    M", {.subscript = "Ed"}, "100", " kNm");
        const auto lines = test::LinesOf(rec);
        for (size_t k = 1; k < lines.size(); ++k) {
            EXPECT_DOUBLE_EQ(lines[k].x, under);
            EXPECT_NE(lines[k].text.rfind('=', 0), 0u) << lines[k].text;
            const std::string& before = lines[k - 1].text;
            const std::string last = before.substr(before.find_last_of(' ') + 1);
            EXPECT_NE(last, "=") << before;
            EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(last[0]))) << before;
        }
        EXPECT_NE(lines.back().text.find("= 100 kNm"), std::string::npos);
    }
}

// Wherever the right edge falls, a closing bracket stays with what it closes.
TEST_F(PageFrameTest, WrapKeepsABracketWithWhatItCloses) {
    for (double width = 6000; width < 8000; width += 10) {
        RecordingSurface narrow("Recording", width, 1e6);
        PrinterScope scope(narrow);
        narrow.SetFontSize(12);
        PrintLine(10, {TextPiece("     od obciążeń zmiennych o wartościach wyjątkowych  ( M"),
                       SubscriptPiece("ser,r"), TextPiece(" )")});
        for (const auto& l : test::LinesOf(narrow))
            EXPECT_NE(l.text.rfind(')', 0), 0u) << width << " " << l.text;
    }
}

// A logo that cannot be loaded stops the print run: the document is abandoned and the failure
// comes back to the caller, who keeps running.
TEST_F(PageFrameTest, MissingLogoAbandonsThePrintRun) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const std::string folder = ProgramFolder();
    SetProgramFolder(empty.path().toStdString());

    std::string error;
    const bool ok = RunPrintJob(
        rec,
        [] {
            PrintTextLine(10, "     Strona pierwsza", PageCheck::No);
            Printer().SetCurrentY(Printer().ScaleHeight());
            PrintTextLine(10, "     Strona druga");
            Printer().EndDoc();
        },
        error);
    SetProgramFolder(folder);

    EXPECT_FALSE(ok);
    EXPECT_NE(error.find("vendrik.gif"), std::string::npos) << error;
    EXPECT_EQ(rec.Count(Kind::KillDoc), 1);
    EXPECT_EQ(rec.Count(Kind::EndDoc), 0);
    EXPECT_FALSE(rec.DocumentOpen());
    EXPECT_EQ(rec.FindText("Strona druga"), nullptr);
    EXPECT_EQ(&Printer(), &rec);  // the surface in effect before is back
}

TEST_F(PageFrameTest, PrintJobRunsOnItsSurface) {
    RecordingSurface other("Inna");
    std::string error;
    EXPECT_TRUE(RunPrintJob(
        other,
        [] {
            PrintTextLine(10, "     Tekst");
            Printer().EndDoc();
        },
        error));
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(other.Count(Kind::EndDoc), 1);
    EXPECT_NE(other.FindText("Tekst"), nullptr);
    EXPECT_TRUE(rec.Texts().empty());
    EXPECT_EQ(&Printer(), &rec);
}

}  // namespace
}  // namespace kord
