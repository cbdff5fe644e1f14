#include "report/PrintDriver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/DesignCommand.h"
#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "app/ReportSnapshot.h"
#include "engine/DesignState.h"
#include "platform/DateTime.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "qt/QtPrinterSurface.h"
#include "report/FirstPage.h"
#include "tests/app/AppFixture.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {
namespace {

using Kind = PrintRecord::Kind;
using Lines = std::vector<std::string>;

const char* const kNoPrinter =
    "Nie wybrano żadnej drukarki. Proszę przejść do Opcje --> Drukowanie / Zginanie --> "
    "Ustawienia drukarki i wybrać drukarkę.";

double LineHeight(double size, bool bold = false) {
    return PrinterSurface::LineHeightOf(Font{.name = "Arial", .size = size, .bold = bold});
}

// A recording surface made by the printer surface factory, whose records outlive it.
class KeptSurface : public RecordingSurface {
  public:
    KeptSurface(std::vector<PrintRecord>* sink, const std::string& device)
        : RecordingSurface(device), sink_(sink) {}
    ~KeptSurface() override { *sink_ = Records(); }

  private:
    std::vector<PrintRecord>* sink_;
};

int CountOf(const std::vector<PrintRecord>& records, Kind kind) {
    return static_cast<int>(std::count_if(records.begin(), records.end(),
                                          [&](const PrintRecord& r) { return r.kind == kind; }));
}

class PrintDriverTest : public AppTest, public Handover {
  protected:
    PrintDriverTest() { SetDesignOfEveryCase(); }
    ~PrintDriverTest() override { SetPrinterSurfaceFactory(nullptr); }

    // Results of each design case side by side, so that any ResultKind prints.
    void SetDesignOfEveryCase() {
        DesignState& s = State();
        s.b = 30, s.h = 50, s.beff = 120, s.hf = 12, s.d = 45, s.R = 3, s.D = 40;
        s.As2 = 2.01, s.d2 = 4, s.As11 = 15.71, s.d11 = 5;
        s.fck = 20, s.fcm = 28.2, s.phi = 2.5, s.Ef = 230, s.eps_f_lim = 0.008, s.Es = 200;
        s.fyk = 500, s.Mo = 30, s.Msd = 120, s.Mser_r = 80, s.Mser_qp = 60;
        s.alpha = 90, s.eps_fu = 0.015, s.gamma_fl = 1.25, s.k_eff = 0.8, s.gamma_fb = 1.2;
        s.gamma_ff = 1.2, s.bf = 10, s.sf = 25, s.Vfd = 100, s.tf = 0.012, s.Vfd_calc = 101;
        s.eps_fu_e = 0.0135, s.bf_c = 5, s.sf_c = 15, s.fcc_req = 35, s.eps_cu_req = 0.012;
        s.tf_c = 0.05, s.fcc = 35.5, s.eps_cu = 0.0123;
        s.applied_tf_total = 0.036, s.Vfd_applied = 290;
        s.fcc_applied = 36.5, s.eps_cu_applied = 0.013, s.applied_tf_layer = 0.12;
        s.applied_n_layers = 3;
        // The inputs of every case as the input window starts, with strips for shear and
        // confinement; the date line ticked, as the options window starts.
        FrmData& w = frmData();
        w.Option7.SetValue(true);
        w.Option12.SetValue(true);
        in = ReportInputsOf(w);
        options.printDate = true;
        host.messages.clear();
    }

    // Prints on a recording surface and returns the page-1 lines before the title block.
    Lines HeaderLines(RecordingSurface& rec) {
        Print(rec);
        Lines out;
        for (const PrintedLine& l : LinesOf(rec)) {
            if (l.text.rfind("Wzmocnienie konstrukcji", 0) == 0) break;
            if (l.text.rfind("Strona", 0) != 0) out.push_back(l.text);
        }
        return out;
    }
};

// No printer chosen: the message, OK only, no icon, no title; no surface is made or touched.
TEST_F(PrintDriverTest, NoPrinterShowsTheMessageAndPrintsNothing) {
    int made = 0;
    SetPrinterSurfaceFactory([&](const PrinterChoice&) -> std::unique_ptr<PrinterSurface> {
        ++made;
        return std::make_unique<RecordingSurface>();
    });
    options.printer = {};
    State().PrintFontName = "Times New Roman";
    PrintReport(in, options);
    EXPECT_EQ(made, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kNoPrinter);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::OK);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(host.messages[0].title, "");
    EXPECT_EQ(State().PrintFontName, "Times New Roman");

    // A surface without a device name: the same, and nothing is set or drawn on it.
    RecordingSurface nameless("");
    const Font before = nameless.CurrentFont();
    Print(nameless);
    EXPECT_TRUE(nameless.Records().empty());
    EXPECT_EQ(nameless.CurrentFont(), before);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text, kNoPrinter);
}

// The report font: the chosen name or Arial; the chosen size only strictly between 9 and 16.
TEST_F(PrintDriverTest, ReportFontAndBaseSize) {
    const struct {
        const char* name;
        double chosen;
        const char* font;
        double S;
    } cases[] = {
        {"", 0, "Arial", 12},
        {"", 9, "Arial", 12},
        {"", 16, "Arial", 12},
        {"", 10, "Arial", 10},
        {"", 15, "Arial", 15},
        {"", 9.5, "Arial", 9.5},
        {"", 15.5, "Arial", 15.5},
        {"Liberation Serif", 16, "Liberation Serif", 12},
        {"Liberation Serif", 11, "Liberation Serif", 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.chosen) + c.name);
        options.font = {c.name, c.chosen};
        State().ResultKind = Shear;
        RecordingSurface rec;
        Print(rec);
        EXPECT_EQ(State().PrintFontName, c.font);
        EXPECT_EQ(State().SymbolFontName, "Symbol");
        const auto font = [&](const std::string& text) {
            const TextRun* r = rec.FindText(text);
            return r ? r->font : Font{};
        };
        EXPECT_EQ(font("Strona 1"), (Font{.name = c.font, .size = c.S - 2}));
        EXPECT_EQ(font(" Data:"), (Font{.name = c.font, .size = c.S}));
        EXPECT_EQ(font("Wzmocnienie konstrukcji"),
                  (Font{.name = c.font, .size = c.S + 4, .bold = true}));
        EXPECT_EQ(font("Odpowiedzialność za obliczenia"), (Font{.name = c.font, .size = c.S - 2}));
        EXPECT_EQ(font("WZMACNIANIE NA ŚCINANIE"),
                  (Font{.name = c.font, .size = c.S + 4, .bold = true, .underline = true}));
        EXPECT_EQ(font("Metoda zamocowania"),
                  (Font{.name = c.font, .size = c.S, .underline = true}));
        EXPECT_EQ(font("     Zamknięte wzmocnienie"), (Font{.name = c.font, .size = c.S}));
    }
}

// The header lines of page 1 by the print options, in their order, with the labels' blanks.
TEST_F(PrintDriverTest, HeaderLinesFollowThePrintOptions) {
    options.project = "Most na Wiśle";
    options.author = "Jan Żółkiewski";
    options.company = "Biuro Projektów";
    const std::string date = " Data:      " + CurrentDateText() + "     Godzina:      ";
    const struct {
        bool date, user, project;
        Lines lines;  // the date line by its start
    } cases[] = {
        {0, 0, 0, {}},
        {1, 0, 0, {date}},
        {0, 1, 0, {" Autor:     Jan Żółkiewski", " Firma:     Biuro Projektów"}},
        {0, 0, 1, {" Projekt:  Most na Wiśle"}},
        {1,
         1,
         1,
         {" Projekt:  Most na Wiśle", " Autor:     Jan Żółkiewski", " Firma:     Biuro Projektów",
          date}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date * 100 + c.user * 10 + c.project);
        options.printDate = c.date;
        options.printUser = c.user;
        options.printProject = c.project;
        RecordingSurface rec;
        Lines lines = HeaderLines(rec);
        // The time changes while the tests run: compare the date line up to it.
        for (std::string& l : lines)
            if (l.rfind(" Data:", 0) == 0) l = l.substr(0, date.size());
        EXPECT_EQ(lines, c.lines);
    }

    // The user data ticked but not typed: the labels alone.
    options.printDate = false;
    options.printUser = true;
    options.printProject = false;
    options.author = "";
    options.company = "";
    RecordingSurface rec;
    EXPECT_EQ(HeaderLines(rec), (Lines{" Autor:     ", " Firma:     "}));
}

// Page 1: the page number and rule as a page frame has them, the logos, the title block with
// its registered signs, the disclaimer and the closing rule, and the state a section starts
// from.
TEST_F(PrintDriverTest, FirstPageLayout) {
    State().ResultKind = Confinement;
    RecordingSurface rec;
    const double SW = rec.ScaleWidth(), SH = rec.ScaleHeight();
    Print(rec);

    const auto texts = rec.Texts();
    ASSERT_GE(texts.size(), 9u);
    EXPECT_EQ(texts[0].text, "Strona 1");
    EXPECT_DOUBLE_EQ(texts[0].x, SW / 2 - 500);
    EXPECT_DOUBLE_EQ(texts[0].y, 800);
    const double rule = 800 + LineHeight(10) + 50;
    const auto lines = rec.OfKind(Kind::Line);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_DOUBLE_EQ(lines[0].x, 600);
    EXPECT_DOUBLE_EQ(lines[0].y, rule);
    EXPECT_DOUBLE_EQ(lines[0].x2, SW - 600);
    EXPECT_DOUBLE_EQ(lines[0].y2, rule);
    EXPECT_EQ(lines[0].drawWidth, 10);

    // The date line (ticked at start) on the line below the point 150 above the rule.
    const double header = rule - 150 + LineHeight(12);
    EXPECT_EQ(texts[1].text.rfind(" Data:      ", 0), 0u);
    EXPECT_DOUBLE_EQ(texts[1].y, header);
    EXPECT_DOUBLE_EQ(texts[1].x, PrinterSurface::ColumnWidthOf(Font{.size = 12}) * 9);

    const double top = header + LineHeight(12);
    // The corner logo comes first, so that page 1 has it whatever follows.
    const auto pictures = rec.OfKind(Kind::Picture);
    ASSERT_GE(pictures.size(), 2u);
    EXPECT_DOUBLE_EQ(pictures[0].x, SW - 1000);
    EXPECT_DOUBLE_EQ(pictures[0].y, SH - 1801);
    EXPECT_DOUBLE_EQ(pictures[1].x, 600);
    EXPECT_DOUBLE_EQ(pictures[1].y, top);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(pictures[i].picturePath.find("vendrik.gif"), std::string::npos);
        EXPECT_DOUBLE_EQ(pictures[i].width, 1000);
        EXPECT_DOUBLE_EQ(pictures[i].height, 800);
    }

    const Font title{.name = "Arial", .size = 16, .bold = true};
    const Font sign{.name = "Arial", .size = 12, .bold = true};
    const double second = top + LineHeight(16, true);
    const struct {
        const char* text;
        Font font;
        double y;
    } block[] = {
        {"Wzmocnienie konstrukcji żelbetowej za pomocą Systemu", title, top},
        {"Wzmacniania Materiałami Kompozytowymi Vendrik", title, second},
        {"®", sign, second - 60},
        {" Plankor", title, second},
        {"®", sign, second - 60},
        {" ", title, second + 20},
        {"Odpowiedzialność za obliczenia wykonane przy pomocy tego programu spoczywa na "
         "użytkowniku.",
         Font{.name = "Arial", .size = 10}, second + 20 + LineHeight(16, true)},
    };
    for (size_t i = 0; i < std::size(block); ++i) {
        SCOPED_TRACE(block[i].text);
        const TextRun& r = texts[2 + i];
        EXPECT_EQ(r.text, block[i].text);
        EXPECT_EQ(r.font, block[i].font);
        EXPECT_DOUBLE_EQ(r.y, block[i].y);
    }
    EXPECT_DOUBLE_EQ(texts[2].x, 1650);
    EXPECT_DOUBLE_EQ(texts[3].x, 1650);
    EXPECT_DOUBLE_EQ(texts[8].x, 1650);
    EXPECT_DOUBLE_EQ(texts[4].x, texts[3].x + texts[3].width);

    const double closing = texts[8].y + LineHeight(10) + 80;
    EXPECT_DOUBLE_EQ(lines[1].y, closing);
    EXPECT_DOUBLE_EQ(lines[1].x, 600);
    EXPECT_DOUBLE_EQ(lines[1].x2, SW - 600);

    // The section's heading: S + 4, bold, underlined, on the line below the point 100 above the
    // closing rule.
    EXPECT_EQ(texts[9].text, "WZMACNIANIA NA ŚCISKANIE");
    EXPECT_DOUBLE_EQ(texts[9].y, closing - 100 + LineHeight(16, true));
    EXPECT_EQ(texts[9].font, (Font{.name = "Arial", .size = 16, .bold = true, .underline = true}));
    EXPECT_EQ(rec.Count(Kind::NewPage), 0);
}

// None of the options ticked: the logo and the title start where a header line would, on the
// line below the point 150 above the rule, clear of the page number and the rule.
TEST_F(PrintDriverTest, WithoutHeaderLinesTheTitleStartsBelowTheRule) {
    options.printDate = false;
    RecordingSurface rec;
    Print(rec);
    const double top = 800 + LineHeight(10) + 50 - 150 + LineHeight(12);
    EXPECT_DOUBLE_EQ(rec.OfKind(Kind::Picture).at(1).y, top);
    EXPECT_DOUBLE_EQ(rec.Texts().at(1).y, top);
    EXPECT_EQ(rec.Texts().at(1).text, "Wzmocnienie konstrukcji żelbetowej za pomocą Systemu");
}

// The design case chooses the section; each print is one document with exactly one end.
TEST_F(PrintDriverTest, OneSectionAndOneEndDocPerPrint) {
    std::vector<PrintRecord> records;
    std::string device;
    SetPrinterSurfaceFactory([&](const PrinterChoice& choice) -> std::unique_ptr<PrinterSurface> {
        device = choice.DeviceName();
        return std::make_unique<KeptSurface>(&records, choice.DeviceName());
    });
    options.printer = {.printerName = "Biuro-HP"};
    const char* headings[] = {"WZMACNIANIE NA ZGINANIE", "WZMACNIANIE NA ŚCINANIE",
                              "WZMACNIANIA NA ŚCISKANIE"};
    for (short kind = 0; kind < 3; ++kind) {
        for (bool applied : {false, true}) {
            SCOPED_TRACE(kind * 10 + applied);
            State().ResultKind = kind;
            State().LaminateApplied = applied;
            State().PrintStrain = true;
            State().PrintBond = true;
            PrintReport(in, options);
            EXPECT_EQ(device, "Biuro-HP");
            EXPECT_EQ(CountOf(records, Kind::BeginDoc), 1);
            EXPECT_EQ(CountOf(records, Kind::EndDoc), 1);
            EXPECT_EQ(CountOf(records, Kind::KillDoc), 0);
            EXPECT_EQ(records.back().kind, Kind::EndDoc);
            for (short other = 0; other < 3; ++other) {
                const bool found = std::any_of(records.begin(), records.end(), [&](auto& r) {
                    return r.kind == Kind::Text && r.text.text == headings[other];
                });
                EXPECT_EQ(found, other == kind) << headings[other];
            }
        }
    }
    EXPECT_TRUE(host.messages.empty());
}

// Pressing "Drukowanie" twice gives two documents, each numbered from page 1.
TEST_F(PrintDriverTest, TwoPrintsAreTwoDocuments) {
    State().ResultKind = Shear;
    RecordingSurface rec("Recording", RecordingSurface::kA4Width, 8000);
    Print(rec);
    Print(rec);
    EXPECT_EQ(rec.Count(Kind::EndDoc), 2);
    for (int document = 1; document <= 2; ++document) {
        std::vector<std::string> numbers;
        for (const auto& r : rec.Records())
            if (r.document == document && r.kind == Kind::Text &&
                r.text.text.rfind("Strona ", 0) == 0)
                numbers.push_back(r.text.text);
        ASSERT_GE(numbers.size(), 2u);
        EXPECT_EQ(numbers[0], "Strona 1");
        EXPECT_EQ(numbers[1], "Strona 2");
    }
}

// A failure while printing abandons the document, tells the user and returns; the next print
// works again.
TEST_F(PrintDriverTest, FailuresAbandonTheDocumentAndAreShown) {
    State().ResultKind = Shear;
    const struct {
        const char* what;
        std::function<bool(const PrintRecord&)> fail;
        const char* message;
    } cases[] = {
        {"page", [](const PrintRecord& r) { return r.kind == Kind::NewPage; },
         "Drukowanie zostało przerwane. Błąd drukarki."},
        {"text",
         [](const PrintRecord& r) { return r.kind == Kind::Text && r.text.text == "Beton"; },
         "Drukowanie zostało przerwane. Błąd drukarki."},
        {"end", [](const PrintRecord& r) { return r.kind == Kind::EndDoc; },
         "Drukowanie zostało przerwane. Błąd drukarki."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.messages.clear();
        RecordingSurface rec("Recording", RecordingSurface::kA4Width, 8000);
        rec.FailOn(c.fail);
        Print(rec);
        EXPECT_EQ(rec.Count(Kind::KillDoc), 1);
        EXPECT_EQ(rec.Count(Kind::EndDoc), 0);
        EXPECT_FALSE(rec.DocumentOpen());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(host.messages[0].title, "Uwaga !!!");

        rec.FailOn(nullptr);
        Print(rec);
        EXPECT_EQ(rec.Count(Kind::EndDoc), 1);
    }
}

// A logo that cannot be loaded stops the print with a message; a PDF target is left without a
// file. A drawing box without a picture is skipped.
TEST_F(PrintDriverTest, MissingLogoStopsThePrintAndEmptyDrawingIsSkipped) {
    State().ResultKind = Shear;
    QTemporaryDir empty;
    SetProgramFolder(empty.path().toStdString());
    RecordingSurface rec;
    Print(rec);
    EXPECT_EQ(rec.Count(Kind::KillDoc), 1);
    EXPECT_EQ(rec.Count(Kind::EndDoc), 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(
        host.messages[0].text.rfind("Drukowanie zostało przerwane. Nie można wczytać rysunku", 0),
        0u);

    UseQtPrinterSurfaces();
    const QString file = QDir(empty.path()).filePath("raport.pdf");
    options.printer = {.outputFile = file.toStdString()};
    PrintReport(in, options);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(host.messages.size(), 2u);

    SetProgramFolder("");
    host.messages.clear();
    in.drawing[Shear] = Picture();
    RecordingSurface skipped;
    Print(skipped);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(skipped.Count(Kind::EndDoc), 1);
    const auto pictures = skipped.OfKind(Kind::Picture);
    EXPECT_EQ(pictures.size(), 2u + static_cast<size_t>(skipped.Count(Kind::NewPage)));
    for (const auto& p : pictures) EXPECT_NE(p.picturePath.find("vendrik.gif"), std::string::npos);
}

// Whatever the report font and however long the user data, every text stands inside the
// printable area of A4 and clear of the logo in the bottom-right corner, which every page has
// once: long lines are wrapped, and a line that would leave the page or print over the logo
// starts a new one.
TEST_F(PrintDriverTest, EveryTextStaysOnThePaper) {
    options.printUser = true;
    options.printProject = true;
    std::string longProject;
    while (longProject.size() < 3250) longProject += "Przebudowa wiaduktu drogowego nad linią ";
    in.tSection = true;
    in.rectangularSection = false;
    for (const std::string& project :
         {std::string("Przebudowa wiaduktu drogowego nad linią kolejową wraz z dojazdami"),
          longProject}) {
        options.project = project;
        for (double size : {10.0, 11.0, 12.0, 13.0, 14.0, 15.0}) {
            for (short kind = 0; kind < 3; ++kind) {
                SCOPED_TRACE(std::to_string(size) + " " + std::to_string(kind) + " " +
                             std::to_string(project.size()));
                options.font = {"", size};
                State().ResultKind = kind;
                State().LaminateApplied = static_cast<int>(size) % 2 == 1;
                RecordingSurface rec;
                Print(rec);
                EXPECT_EQ(rec.Count(Kind::EndDoc), 1);
                std::vector<int> logos(static_cast<size_t>(rec.Count(Kind::NewPage)) + 1);
                for (const PrintRecord& p : rec.OfKind(Kind::Picture))
                    if (p.x == rec.ScaleWidth() - 1000 && p.y == rec.ScaleHeight() - 1801)
                        ++logos.at(static_cast<size_t>(p.page) - 1);
                EXPECT_EQ(logos, std::vector<int>(logos.size(), 1));
                for (const TextRun& r : rec.Texts()) {
                    EXPECT_GE(r.x, 0) << r.text;
                    EXPECT_LE(r.x + r.width, rec.ScaleWidth()) << r.text;
                    const double bottom = r.y + PrinterSurface::LineHeightOf(r.font);
                    EXPECT_LE(bottom, rec.ScaleHeight()) << r.text;
                    const bool overLogo = r.x + r.width > rec.ScaleWidth() - 1000 &&
                                          bottom > rec.ScaleHeight() - 1801 &&
                                          r.y < rec.ScaleHeight() - 1001;
                    EXPECT_FALSE(overLogo) << r.text;
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// End to end: a design through the input window, printed to a PDF file on the Qt surface.

class PrintToPdfTest : public AppTest {
  protected:
    PrintToPdfTest() {
        w.Show();
        UseQtPrinterSurfaces();
        const char* keep = std::getenv("KORDELAN_REPORT_PDF_DIR");
        folder = keep ? QString(keep) : temp.path();
        QDir().mkpath(folder);
        options.Check2.SetValue(1);
        options.Check3.SetValue(1);
        options.Text1.SetText("Zofia Żółtowska");
        options.Text2.SetText("Biuro Konstrukcyjne Gęślą");
        options.Text9.SetText("Wzmocnienie stropu hali");
    }
    ~PrintToPdfTest() override { SetPrinterSurfaceFactory(nullptr); }

    // Prints the report to the named PDF file and returns its text.
    std::string PrintAndRead(const std::string& name) {
        const QString file = QDir(folder).filePath(QString::fromStdString(name) + ".pdf");
        QFile::remove(file);
        options.Printer = {.outputFile = file.toStdString()};
        PrintLastDesign();
        EXPECT_TRUE(host.messages.empty());
        EXPECT_TRUE(QFile::exists(file));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-enc", "UTF-8", file, "-"});
        EXPECT_TRUE(pdftotext.waitForFinished(30000));
        return pdftotext.readAllStandardOutput().toStdString();
    }

    static void ExpectAll(const std::string& text, const std::vector<std::string>& parts) {
        for (const auto& p : parts) EXPECT_NE(text.find(p), std::string::npos) << p;
    }

    QTemporaryDir temp;
    QString folder;
    FrmData& w = frmData();
    FrmOptions& options = frmOptions();
};

TEST_F(PrintToPdfTest, FlexureReport) {
    w.TabStrip1.Select(Flexure);
    w.Option4.SetValue(true);
    const std::pair<TextBox*, const char*> fields[] = {
        {&w.Text4(0), "0,30"},  {&w.Text1(0), "0,50"}, {&w.Text3(0), "0,80"},
        {&w.Text2(0), "0,12"},  {&w.Text5(0), "0"},    {&w.Text9(0), "0"},
        {&w.Text16, "0"},       {&w.Text17, "0"},      {&w.Text6(0), "500"},
        {&w.Text10(0), "0,05"}, {&w.Text34, "2,5"},    {&w.Text30, "500"},
        {&w.Text32, "200"},     {&w.Text24(0), "165"}, {&w.Text26(0), "0,008"},
        {&w.Text7, "30"},       {&w.Text8, "120"},     {&w.Text31, "80"},
        {&w.Text33, "60"},
    };
    for (const auto& [box, text] : fields) box->SetText(text);
    w.Option10(0).SetValue(true);
    w.Combo1(0).SetListIndex(2);
    options.Check4.SetValue(1);
    ASSERT_TRUE(DesignTab(Flexure));
    host.messages.clear();

    const std::string text = PrintAndRead("flexure");
    ExpectAll(text, {"Strona 1",
                     "Projekt:",
                     "Wzmocnienie stropu hali",
                     "Zofia Żółtowska",
                     "Biuro Konstrukcyjne Gęślą",
                     "Data:",
                     "Godzina:",
                     "Wzmocnienie konstrukcji żelbetowej za pomocą Systemu",
                     "Plankor",
                     "®",
                     "Odpowiedzialność za obliczenia",
                     "WZMACNIANIE NA ZGINANIE",
                     "Typ przekroju poprzecznego",
                     "Teowy",
                     "Szerokość półki",
                     "0,8 m",
                     "C 20/25",
                     "Wytrzymałość charakterystyczna",
                     "28,2 N/mm²",
                     "φ = 2,5",
                     "ε",
                     "f,lim",
                     "0,008",
                     "Charakterystyczne granica plastyczności",
                     "500 mm²",
                     "w odległości",
                     "Moment zginający wymagany po wzmocnieniu",
                     "120 kNm",
                     "ser,q-p",
                     "Wyniki"});
}

TEST_F(PrintToPdfTest, ShearReport) {
    w.TabStrip1.Select(Shear);
    w.Combo3.SetListIndex(1);
    w.Option7.SetValue(true);
    w.Option1.SetValue(true);
    w.Text4(1).SetText("0,3");
    w.Text14(1).SetText("0,5");
    w.Text13(1).SetText("90");
    w.Text24(1).SetText("230");
    w.Text15(1).SetText("0,015");
    w.Text26(1).SetText("0,006");
    w.Text12.SetText("100");
    w.Option10(1).SetValue(true);
    w.Combo1(1).SetListIndex(3);
    w.Text18.SetText("0,1");
    w.Text19.SetText("0,3");
    ASSERT_TRUE(DesignTab(Shear));
    host.messages.clear();

    const std::string text = PrintAndRead("shear");
    ExpectAll(text, {"WZMACNIANIE NA ŚCINANIE",
                     "Metoda zamocowania",
                     "Zamknięte wzmocnienie",
                     "Wysokość użyteczna",
                     "0,5 m",
                     "α = 90 stopni",
                     "C 25/30",
                     "230 kN/mm²",
                     "Wydłużenie przy zerwaniu",
                     "0,015",
                     "Odkształcenie graniczne",
                     "0,006",
                     "Włókno aramidowe (AFRP)",
                     "Współczynniki bezpieczeństwa",
                     "γ",
                     "ścięcia wzmocnienia AFRP",
                     "Taśmy",
                     "Szerokość taśmy",
                     "0,1 m",
                     "Przyrost siły ścinającej",
                     "100 kN",
                     "Wyniki",
                     "Wymagana grubość wzmocnienia",
                     FormatPattern(State().tf * 10, "##0.00") + " mm",
                     FormatPattern(State().Vfd_calc, "###0.00") + " kN"});
}

TEST_F(PrintToPdfTest, ConfinementReport) {
    w.TabStrip1.Select(Confinement);
    w.Option8.SetValue(true);
    w.Option3.SetValue(true);
    w.Check1.SetValue(1);
    w.Check2.SetValue(1);
    w.Text4(2).SetText("0,4");
    w.Text1(2).SetText("0,3");
    w.Text20.SetText("0,03");
    w.Option10(2).SetValue(true);
    w.Combo1(2).SetListIndex(2);
    w.Text24(2).SetText("230");
    w.Text11.SetText("0,0150");
    w.Text25.SetText("0,90");
    w.Text21.SetText("35");
    w.Text23.SetText("0,012");
    host.messages.clear();
    ASSERT_TRUE(DesignTab(Confinement));
    host.messages.clear();

    const std::string text = PrintAndRead("confinement");
    ExpectAll(text, {"WZMACNIANIA NA ŚCISKANIE",
                     "Prostokątny",
                     "Promień w narożniku",
                     "0,03 m",
                     "C 20/25",
                     "Wydłużenie przy zerwaniu",
                     "0,0150",
                     "0,90 x",
                     "0,0135",
                     "Forma wzmocnienia",
                     "Mata",
                     "Wymagania",
                     "Przyrost średniej wytrzymałości",
                     "35 N/mm²",
                     "Przyrost odkształcenia przy zniszczeniu",
                     "0,012",
                     "Wyniki",
                     FormatPattern(State().tf_c * 10, "##0.00") + " mm",
                     FormatPattern(State().fcc, "##0.00") + " N/mm²",
                     FormatPattern(State().eps_cu, "0.00000"),
                     "ε"});
}

}  // namespace
}  // namespace kord::test
