#include "platform/PrinterSurface.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/Symbols.h"
#include "qt/QtPrinterSurface.h"
#include "tests/SmallDisk.h"
#include "tests/support/RecordingSurface.h"

namespace kord {
namespace {

using Kind = PrintRecord::Kind;

// Twips of one design unit of a 2048-unit em at a size in points.
double Em2048(double units, double points) {
    return units / 2048.0 * points * 20.0;
}

Font Arial(double size, bool bold = false, bool italic = false) {
    return Font{.name = "Arial", .size = size, .bold = bold, .italic = italic};
}

class PrinterSurfaceTest : public ::testing::Test {
  protected:
    PrinterSurfaceTest() {
        s.SetFontName("Arial");
        s.SetFontSize(12);
    }
    RecordingSurface s;
};

// The tab column width is the classic weighted average of the lowercase letters and the blank,
// from the face's own advances; Arial regular's is 904/2048 em. The face's all-glyph average
// (QFontMetrics::averageCharWidth) is far wider and would move every column.
TEST_F(PrinterSurfaceTest, ColumnWidthIsTheClassicAverageOfTheFace) {
    struct Case {
        Font font;
        double units;  // per 2048 em
    };
    const std::vector<Case> cases = {
        {Arial(12), 904},
        {Arial(10), 904},
        {Arial(15), 904},
        {Arial(12, true), 980},
        {Arial(12, false, true), 904},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.font.size);
        EXPECT_DOUBLE_EQ(PrinterSurface::ColumnWidthOf(c.font), Em2048(c.units, c.font.size));
    }
    Font liberation = Arial(12);
    liberation.name = "Liberation Sans";
    EXPECT_DOUBLE_EQ(PrinterSurface::ColumnWidthOf(liberation), Em2048(904, 12));

    QFont q(QStringLiteral("Liberation Sans"));
    q.setPixelSize(2048);
    EXPECT_GT(QFontMetricsF(q).averageCharWidth(), 1.2 * 904);

    // Tab(10) stands nine columns in.
    s.Tab(10);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 9 * Em2048(904, 12));
    EXPECT_DOUBLE_EQ(s.ColumnX(1), 0);
}

// Widths are the sum of the design advances, without kerning; the line height is ascent +
// descent + external leading (1854 + 434 + 67 for Arial).
TEST_F(PrinterSurfaceTest, TextIsMeasuredWithTheFacesRealMetrics) {
    // S 1366, t 569, r 682, o 1139, n 1139, a 1139, blank 569, 2 1139.
    EXPECT_NEAR(PrinterSurface::MeasureText("Strona 2", Arial(10)), Em2048(7742, 10), 1e-9);
    // "AV" and "To" would be kerned closer by a layout engine; the printer does not kern.
    EXPECT_NEAR(
        PrinterSurface::MeasureText("AV", Arial(12)),
        PrinterSurface::MeasureText("A", Arial(12)) + PrinterSurface::MeasureText("V", Arial(12)),
        1e-9);
    EXPECT_NEAR(PrinterSurface::LineHeightOf(Arial(12)), Em2048(2355, 12), 1e-9);
    EXPECT_NEAR(PrinterSurface::AscentOf(Arial(12)), Em2048(1854, 12), 1e-9);
    EXPECT_NEAR(s.TextHeight(), Em2048(2355, 12), 1e-9);
    EXPECT_NEAR(s.TextHeight("a\nb"), 2 * Em2048(2355, 12), 1e-9);
    EXPECT_GT(PrinterSurface::MeasureText("Strona 2", Arial(10, true)),
              PrinterSurface::MeasureText("Strona 2", Arial(10)));
}

TEST_F(PrinterSurfaceTest, FacesThatDrawTheFonts) {
    EXPECT_EQ(PrinterSurface::FaceFor("Arial"), "Liberation Sans");
    EXPECT_EQ(PrinterSurface::FaceFor("ARIAL"), "Liberation Sans");
    EXPECT_EQ(PrinterSurface::FaceFor("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(PrinterSurface::FaceFor("Symbol", "Arial"), "Liberation Sans");
    EXPECT_EQ(PrinterSurface::FaceFor("Symbol", "Times New Roman"), "Liberation Serif");
    EXPECT_EQ(PrinterSurface::FaceFor("DejaVu Sans"), "DejaVu Sans");
}

// The symbol font's letters and the report font's ² and ® are real glyphs of the report face,
// and a symbol-font letter measures as the report face draws it.
TEST_F(PrinterSurfaceTest, SymbolLettersAreDrawnInTheReportFace) {
    Font symbol = Arial(12);
    symbol.name = "Symbol";
    for (int code : {97, 101, 103, 106, 115, 120}) {
        SCOPED_TRACE(code);
        const std::string letter = SymbolChar(code);
        ASSERT_FALSE(letter.empty());
        const double w = PrinterSurface::MeasureText(letter, symbol, "Arial");
        EXPECT_GT(w, 0);
        EXPECT_DOUBLE_EQ(w, PrinterSurface::MeasureText(letter, Arial(12)));
    }
    EXPECT_GT(PrinterSurface::MeasureText(CodePageChar(178), Arial(12)), 0);
    EXPECT_GT(PrinterSurface::MeasureText(CodePageChar(174), Arial(12)), 0);

    s.SetFontName("Symbol");
    s.Print(SymbolChar(101), LineEnd::Keep);
    s.SetFontName("Arial");
    const auto runs = s.Texts();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "ε");
    EXPECT_EQ(runs[0].font.name, "Symbol");
    EXPECT_EQ(runs[0].face, "Liberation Sans");
}

// A symbol-font letter printed 40 twips higher than the text stands on the text's baseline at
// every report size; the less-or-equal sign too, drawn as tall as the digits (Liberation Sans
// draws it 1231 units high, its digits 1430) with a blank of the text face before it.
TEST_F(PrinterSurfaceTest, SymbolFontSitsOnTheBaselineOfTheText) {
    for (double size = 9; size <= 16; ++size) {
        SCOPED_TRACE(size);
        s.Clear();
        s.SetFontSize(size);
        s.SetCurrentX(0);
        s.SetCurrentY(2000);
        s.Print("= 12,00", LineEnd::Keep);
        s.SetFontName("Symbol");
        s.SetCurrentY(2000 - kSymbolCellRise);
        s.Print(SymbolChar(115) + SymbolChar(163), LineEnd::Keep);
        s.SetFontName("Arial");
        s.SetCurrentY(2000);
        s.Print(" 0,6");
        const auto t = s.Texts();
        ASSERT_EQ(t.size(), 4u);
        const double baseline = t[0].y + t[0].ascent;
        EXPECT_DOUBLE_EQ(baseline, 2000 + Em2048(1854, size));
        for (const TextRun& r : t) EXPECT_DOUBLE_EQ(r.y + r.ascent, baseline) << r.text;
        EXPECT_DOUBLE_EQ(t[1].drawSize, size);

        const TextRun& sign = t[2];
        EXPECT_EQ(sign.text, "≤");
        EXPECT_DOUBLE_EQ(sign.x, t[1].x + t[1].width);
        EXPECT_DOUBLE_EQ(sign.lead, Em2048(569, size));
        EXPECT_NEAR(sign.drawSize, size * 1430 / 1231, 1e-9);
        EXPECT_NEAR(sign.width, sign.lead + Em2048(1124, sign.drawSize), 1e-9);
        EXPECT_DOUBLE_EQ(t[3].x, sign.x + sign.width);
    }
}

// An item followed by ";" keeps the line open; the last item ends it.
TEST_F(PrinterSurfaceTest, PrintContinuesAndEndsLines) {
    s.SetCurrentX(100);
    s.SetCurrentY(1000);
    s.Print("ab", LineEnd::Keep);
    s.Print("cd");
    const auto runs = s.Texts();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_DOUBLE_EQ(runs[0].x, 100);
    EXPECT_DOUBLE_EQ(runs[1].x, 100 + s.TextWidth("ab"));
    EXPECT_DOUBLE_EQ(runs[1].y, 1000);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 1000 + s.TextHeight());
    // An empty item only ends the line, in the font in effect at its end.
    const double y = s.CurrentY();
    s.SetFontSize(10);
    s.Print({});
    EXPECT_DOUBLE_EQ(s.CurrentY(), y + PrinterSurface::LineHeightOf(Arial(10)));
    EXPECT_EQ(s.Texts().size(), 2u);
}

// Tab(n) moves to column n; only a position right of the column ends the line first.
TEST_F(PrinterSurfaceTest, TabEndsTheLineOnlyWhenRightOfTheColumn) {
    const double col10 = s.ColumnX(10);
    struct Case {
        double x;
        bool newLine;
    };
    const std::vector<Case> cases = {
        {0, false},           {col10 - 1, false},           {col10, false},
        {col10 + 0.01, true}, {s.ScaleWidth() - 600, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        s.SetCurrentX(c.x);
        s.SetCurrentY(2000);
        s.Tab(10);
        EXPECT_DOUBLE_EQ(s.CurrentX(), col10);
        EXPECT_DOUBLE_EQ(s.CurrentY(), c.newLine ? 2000 + s.TextHeight() : 2000);
    }
    // The column width is the one of the font in effect.
    s.SetCurrentX(0);
    s.SetFontSize(16);
    s.Tab(10);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 9 * Em2048(904, 16));
}

TEST_F(PrinterSurfaceTest, LinesPicturesAndPages) {
    s.SetDrawWidth(10);
    s.Line(600, 1200, 9000, 1250);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 9000);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 1250);

    const Picture logo = Picture::Load(ProgramPath("Drawings/vendrik.gif"));
    ASSERT_FALSE(logo.IsEmpty());
    s.PaintPicture(logo, 100, 200);
    s.PaintPicture(logo, 300, 400, 1000, 800);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 9000);  // pictures leave the position alone
    EXPECT_DOUBLE_EQ(s.CurrentY(), 1250);

    s.NewPage();
    EXPECT_EQ(s.Page(), 2);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 0);
    s.Print("x");

    const auto lines = s.OfKind(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].drawWidth, 10);
    EXPECT_DOUBLE_EQ(lines[0].y2, 1250);
    const auto pictures = s.OfKind(Kind::Picture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_DOUBLE_EQ(pictures[0].width, logo.WidthPx() * 15.0);
    EXPECT_DOUBLE_EQ(pictures[0].height, logo.HeightPx() * 15.0);
    EXPECT_DOUBLE_EQ(pictures[1].width, 1000);
    EXPECT_DOUBLE_EQ(pictures[1].height, 800);
    EXPECT_EQ(s.Texts().back().page, 2);

    // The document ends once; the next output starts a new one at page 1.
    s.EndDoc();
    EXPECT_FALSE(s.DocumentOpen());
    EXPECT_EQ(s.Page(), 1);
    s.Print("y");
    EXPECT_EQ(s.Records().back().document, 2);
    EXPECT_EQ(s.Records().back().page, 1);
    EXPECT_EQ(s.Count(Kind::BeginDoc), 2);
    EXPECT_EQ(s.Count(Kind::EndDoc), 1);
}

// A failing drawing abandons the document and reports the failure.
TEST_F(PrinterSurfaceTest, FailuresAbandonTheDocument) {
    s.Print("first");
    EXPECT_THROW(s.PaintPicture(Picture::Load("/nonexistent/vendrik.gif"), 0, 0), PrintError);
    EXPECT_FALSE(s.DocumentOpen());
    EXPECT_EQ(s.Count(Kind::KillDoc), 1);
    EXPECT_NE(s.LastError().find("/nonexistent/vendrik.gif"), std::string::npos);

    s.FailOn([](const PrintRecord& r) { return r.kind == Kind::NewPage; });
    s.Print("again");
    EXPECT_THROW(s.NewPage(), PrintError);
    EXPECT_FALSE(s.DocumentOpen());
    EXPECT_EQ(s.Count(Kind::KillDoc), 2);
    EXPECT_EQ(s.Page(), 1);
}

// ---- The Qt surface, printing to a PDF file ----

std::string RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return {};
    return p.readAllStandardOutput().toStdString();
}

std::string PdfText(const QString& file, int page) {
    return RunTool(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
         QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
}

TEST(QtPrinterSurfaceTest, PrintsPagesToAPdfFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("raport.pdf"));
    QtPrinterSurface q(PrinterChoice{.printerName = "", .outputFile = file.toStdString()});
    EXPECT_EQ(q.DeviceName(), file.toStdString());
    // A4 with its 12-point borders, as the recording surface assumes.
    EXPECT_NEAR(q.ScaleWidth(), RecordingSurface::kA4Width, 0.5);
    EXPECT_NEAR(q.ScaleHeight(), RecordingSurface::kA4Height, 0.5);

    q.SetFontName("Arial");
    q.SetFontSize(12);
    q.SetCurrentY(1440);
    q.PrintAt(10, "Wzmocnienie konstrukcji żelbetowej", LineEnd::Keep);
    q.SetFontName("Symbol");
    q.Print(SymbolChar(101), LineEnd::Keep);
    q.SetFontName("Arial");
    q.Print(" = 25 mm" + CodePageChar(178));
    q.SetDrawWidth(10);
    q.Line(600, 3000, q.ScaleWidth() - 600, 3000);
    q.PaintPicture(Picture::Load(ProgramPath("Drawings/vendrik.gif")), q.ScaleWidth() - 1000,
                   q.ScaleHeight() - 1801, 1000, 800);
    q.NewPage();
    q.SetCurrentY(800);
    q.SetCurrentX(q.ScaleWidth() / 2 - 500);
    q.Print("Strona 2");
    EXPECT_FALSE(QFile::exists(file));  // nothing is written before the end
    q.EndDoc();
    ASSERT_TRUE(QFile::exists(file));

    const std::string info = RunTool(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(
        QString::fromStdString(info).contains(QRegularExpression(QStringLiteral("Pages: +2\n"))))
        << info;
    const std::string page1 = PdfText(file, 1);
    EXPECT_NE(page1.find("Wzmocnienie konstrukcji żelbetowej"), std::string::npos) << page1;
    EXPECT_NE(page1.find("ε"), std::string::npos) << page1;
    EXPECT_NE(page1.find("mm²"), std::string::npos) << page1;
    EXPECT_EQ(page1.find("Strona 2"), std::string::npos);
    EXPECT_NE(PdfText(file, 2).find("Strona 2"), std::string::npos);

    // The text stands where the twips put it: Tab(10) is 9 x 904/2048 em in from the printable
    // area's left edge (12 points in from the paper's).
    const std::string boxes =
        RunTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                 QStringLiteral("1"), QStringLiteral("-bbox"), file, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Wzmocnienie</word>"));
    const auto m = word.match(QString::fromStdString(boxes));
    ASSERT_TRUE(m.hasMatch()) << boxes;
    const double expectedX = 12 + 9 * Em2048(904, 12) / 20.0;
    EXPECT_NEAR(m.captured(1).toDouble(), expectedX, 0.5);
}

TEST(QtPrinterSurfaceTest, AnAbandonedPrintLeavesNoFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("przerwany.pdf"));
    {
        QtPrinterSurface q(PrinterChoice{.outputFile = file.toStdString()});
        q.Print("Strona 1");
        q.NewPage();
        q.Print("Strona 2");
        q.KillDoc();
        EXPECT_FALSE(q.DocumentOpen());
        q.EndDoc();  // nothing left to end
    }
    EXPECT_FALSE(QFile::exists(file));
    {
        // Dropped with its document open, as when a print run fails half-way.
        QtPrinterSurface q(PrinterChoice{.outputFile = file.toStdString()});
        q.Print("Strona 1");
    }
    EXPECT_FALSE(QFile::exists(file));
}

TEST(QtPrinterSurfaceTest, UnavailableTargetsFailWithoutOutput) {
    QtPrinterSurface toMissingFolder(PrinterChoice{.outputFile = "/nonexistent-folder/r.pdf"});
    EXPECT_THROW(toMissingFolder.Print("x"), PrintError);
    EXPECT_FALSE(toMissingFolder.DocumentOpen());
    EXPECT_NE(toMissingFolder.LastError().find("/nonexistent-folder/r.pdf"), std::string::npos);

    QtPrinterSurface toMissingPrinter(PrinterChoice{.printerName = "Kordelan-brak-drukarki"});
    EXPECT_EQ(toMissingPrinter.DeviceName(), "Kordelan-brak-drukarki");
    EXPECT_THROW(toMissingPrinter.Print("x"), PrintError);
    EXPECT_NE(toMissingPrinter.LastError().find("niedostępna"), std::string::npos);
}

// Three pages of text and pictures, more than a nearly full small disk takes; false on failure.
bool PrintThreePages(QtPrinterSurface& q) {
    try {
        q.SetFontName("Arial");
        for (int page = 1; page <= 3; ++page) {
            for (int line = 0; line < 40; ++line)
                q.Print("Strona " + std::to_string(page) + ", wiersz " + std::to_string(line) +
                        ": zbrojenie żelbetowe ąćęłńóśźż");
            q.PaintPicture(Picture::Load(ProgramPath("Drawings/vendrik.gif")), 600, 600, 1000, 800);
            q.NewPage();
        }
        q.EndDoc();
        return true;
    } catch (const PrintError&) {
        return false;
    }
}

// A report that the disk cannot hold whole is not printed: the PDF writer's short write is a
// failure with its message, and the partial file is removed; a read-only folder fails at once.
TEST(QtPrinterSurfaceTest, ADiskThatFillsUpOrIsReadOnlyFailsThePrint) {
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "fills up");
        test::SmallDisk disk("256k");
        if (!disk.Mounted()) GTEST_SKIP() << "No disk to fill: " << disk.Why();
        const std::string file = (disk.Path() / "raport.pdf").string();
        if (readOnly)
            ASSERT_TRUE(disk.MakeReadOnly());
        else
            disk.Fill(8 * 1024);
        QtPrinterSurface q(PrinterChoice{.outputFile = file});
        EXPECT_FALSE(PrintThreePages(q));
        EXPECT_NE(q.LastError().find("Nie można zapisać pliku " + file), std::string::npos)
            << q.LastError();
        EXPECT_FALSE(q.DocumentOpen());
        EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
    }
}

// A print that fails over an earlier PDF, reached through a link, leaves both as they were; one
// that succeeds replaces the PDF and keeps the link.
TEST(QtPrinterSurfaceTest, AFailedPrintKeepsThePreviousPdfAndTheLinkToIt) {
    test::SmallDisk disk("256k");
    if (!disk.Mounted()) GTEST_SKIP() << "No disk to fill: " << disk.Why();
    const std::filesystem::path old = disk.Path() / "stary.pdf";
    const std::filesystem::path link = disk.Path() / "raport.pdf";
    std::ofstream(old) << "%PDF-1.4 poprzedni raport";
    std::filesystem::create_symlink("stary.pdf", link);
    ASSERT_EQ(::chmod(old.c_str(), 0640), 0);
    ASSERT_EQ(::setxattr(old.c_str(), "user.projekt", "most", 4, 0), 0);
    disk.Fill(8 * 1024);
    QtPrinterSurface q(PrinterChoice{.outputFile = link.string()});
    EXPECT_FALSE(PrintThreePages(q));
    EXPECT_EQ(q.LastError(), "Nie można zapisać pliku " + link.string() + ".");
    EXPECT_EQ(std::filesystem::read_symlink(link), "stary.pdf");
    std::stringstream kept;
    kept << std::ifstream(old).rdbuf();
    EXPECT_EQ(kept.str(), "%PDF-1.4 poprzedni raport");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.Path()), {}), 3);

    std::filesystem::remove(disk.Path() / "filler");
    // Each "Drukowanie" prints on a surface of its own.
    QtPrinterSurface q2(PrinterChoice{.outputFile = link.string()});
    EXPECT_TRUE(PrintThreePages(q2)) << q2.LastError();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_GT(std::filesystem::file_size(old), 1000u);
    // The new PDF is the old file's in all but its bytes.
    struct stat st {};
    ASSERT_EQ(::stat(old.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    char value[8] = {};
    EXPECT_EQ(::getxattr(old.c_str(), "user.projekt", value, sizeof value), 4);
    EXPECT_STREQ(value, "most");
}

// The words of a PDF page as pdftotext boxes them: text, left and right edge in points.
struct PdfWord {
    std::string text;
    double left = 0;
    double right = 0;
};

std::vector<PdfWord> PdfWords(const QString& file) {
    const QString boxes = QString::fromStdString(
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")}));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        words.push_back(
            {m.captured(3).toStdString(), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

// The words of the recorded runs as the layout placed them, each from its first character's left
// edge to its last one's right edge, in points from the paper's edge. A run starts a word: a
// subscript or a sign is boxed apart from its neighbours.
std::vector<PdfWord> LaidOutWords(const RecordingSurface& rec) {
    std::vector<PdfWord> words;
    for (const TextRun& r : rec.Texts()) {
        const QString text = QString::fromStdString(r.text);
        const auto at = [&](qsizetype n) {
            const double twips =
                n == 0 ? r.lead
                       : PrinterSurface::MeasureText(text.left(n).toStdString(), r.font, r.face);
            return QtPrinterSurface::kPdfMarginPoints + (r.x + twips) / 20;
        };
        bool open = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            open = open && text[i] != QLatin1Char(' ');
            if (text[i] == QLatin1Char(' ')) continue;
            if (!open) words.push_back({{}, at(i), 0});
            words.back().text += QString(text[i]).toStdString();
            words.back().right = at(i + 1);
            open = true;
        }
    }
    return words;
}

TEST(QtPrinterSurfaceTest, EveryPieceStandsWhereTheLayoutPutItAtAnySize) {
    // Neither 11 nor 13 points is a whole number of the PDF's 600-dpi pixels: glyphs laid out at
    // the device's whole pixel sizes would drift by more than a point along the line.
    for (const Font& font : {Font{"Arial", 11}, Font{"Times New Roman", 13}}) {
        const auto print = [&](PrinterSurface& p) {
            p.SetFontName(font.name);
            p.SetFontSize(font.size);
            p.SetCurrentY(1440);
            p.PrintAt(10, "     Stan graniczny użytkowalności od obciążeń zmiennych    M",
                      LineEnd::Keep);
            p.SetFontSize(font.size - 2);
            p.SetCurrentY(1520);
            p.Print("ser,r", LineEnd::Keep);
            p.SetFontSize(font.size);
            p.SetCurrentY(1440);
            p.Print(" = 400,75 > 0,8 x f", LineEnd::Keep);
            p.SetFontName("Symbol");
            p.Print(SymbolChar(163), LineEnd::Keep);
            p.SetFontName(font.name);
            p.Print(" 400 N/mm" + CodePageChar(178));
            p.EndDoc();
        };
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("raport.pdf"));
        QtPrinterSurface q(PrinterChoice{.printerName = "", .outputFile = file.toStdString()});
        print(q);
        RecordingSurface rec;
        print(rec);
        const std::vector<PdfWord> drawn = PdfWords(file);
        const std::vector<PdfWord> placed = LaidOutWords(rec);
        ASSERT_EQ(drawn.size(), placed.size()) << font.name;
        for (size_t i = 0; i < drawn.size(); ++i) {
            const std::string text = drawn[i].text == "&gt;" ? ">" : drawn[i].text;
            EXPECT_EQ(text, placed[i].text) << font.name;
            EXPECT_NEAR(drawn[i].left, placed[i].left, 0.05) << font.name << " " << text;
            EXPECT_NEAR(drawn[i].right, placed[i].right, 0.05) << font.name << " " << text;
        }
    }
}

TEST(QtPrinterSurfaceTest, TheFactoryMakesQtSurfaces) {
    UseQtPrinterSurfaces();
    const auto made = MakePrinterSurface(PrinterChoice{.outputFile = "/tmp/x.pdf"});
    ASSERT_NE(made, nullptr);
    EXPECT_NE(dynamic_cast<QtPrinterSurface*>(made.get()), nullptr);
    SetPrinterSurfaceFactory(nullptr);
    EXPECT_EQ(MakePrinterSurface(PrinterChoice{.outputFile = "/tmp/x.pdf"}), nullptr);
}

}  // namespace
}  // namespace kord
