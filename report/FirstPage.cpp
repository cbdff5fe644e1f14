#include "report/FirstPage.h"

#include <algorithm>

#include "platform/DateTime.h"
#include "platform/Picture.h"
#include "platform/PrinterSurface.h"
#include "platform/Symbols.h"
#include "report/PageFrame.h"
#include "report/ReportInputs.h"

namespace kord {

namespace {

// Where the title block and the logos stand, in twips.
constexpr double kNumberY = 800;
constexpr double kRuleInset = 600;
constexpr double kTitleX = 1650;
// The least room between the closing rule of the title block and the logo below it.
constexpr double kLogoClearance = 100;

constexpr int kRegistered = 174;

void PrintRegistered() {
    PrinterSurface& p = Printer();
    p.SetFontSize(p.FontSize() - 4);
    p.SetCurrentY(p.CurrentY() - 60);
    p.Print(CodePageChar(kRegistered), LineEnd::Keep);
    p.SetFontSize(p.FontSize() + 4);
}

void PrintLogo(double x, double y) {
    // Loaded from its file at each use; one that cannot be loaded stops the print.
    Printer().PaintPicture(Picture::Load(LogoPath()), x, y, kFrameLogoWidth, kFrameLogoHeight);
}

// A header line: at column 10 without the page check.
void PrintHeaderLine(const std::string& text) {
    PrintTextLine(kBodyColumn, text, PageCheck::No);
}

}  // namespace

void PrintWrapped(const std::string& text, bool endLine, double reserve) {
    PrinterSurface& p = Printer();
    const double startX = p.CurrentX();
    std::string rest = text;
    for (;;) {
        const double room = p.ScaleWidth() - p.CurrentX();
        if (p.TextWidth(rest) + reserve <= room) break;
        // The last blank up to which the text fits; none: the line stays as it is.
        size_t cut = std::string::npos;
        for (size_t j = rest.find(' ', rest.find_first_not_of(' ')); j != std::string::npos;
             j = rest.find(' ', j + 1)) {
            if (p.TextWidth(rest.substr(0, j)) > room) break;
            cut = j;
        }
        if (cut == std::string::npos) break;
        std::string head = rest.substr(0, cut);
        while (!head.empty() && head.back() == ' ') head.pop_back();
        const size_t next = rest.find_first_not_of(' ', cut);
        if (next == std::string::npos) break;
        p.Print(head);
        p.SetCurrentX(startX);
        rest = rest.substr(next);
    }
    p.Print(rest, endLine ? LineEnd::Close : LineEnd::Keep);
}

namespace {

// The title block right of the top-left logo: the title with its registered signs, the
// disclaimer and the closing rule.
void PrintTitleBlock() {
    PrinterSurface& p = Printer();
    p.SetFontBold(true);
    p.SetFontSize(p.FontSize() + 4);
    p.SetCurrentX(kTitleX);
    PrintWrapped("Wzmocnienie konstrukcji żelbetowej za pomocą Systemu", true);
    p.SetCurrentX(kTitleX);
    {
        // What follows the name on its line: ®, " Plankor", ®, all of which must fit beside it.
        Font small = p.CurrentFont();
        small.size -= 4;
        const std::string registered = CodePageChar(kRegistered);
        const double tail = 2 * PrinterSurface::MeasureText(registered, small, p.FontName()) +
                            p.TextWidth(" Plankor");
        PrintWrapped("Wzmacniania Materiałami Kompozytowymi Vendrik", false, tail);
    }
    PrintRegistered();
    p.SetCurrentY(p.CurrentY() + 60);
    p.Print(" Plankor", LineEnd::Keep);
    PrintRegistered();
    // 80, not 60: the line ends 20 twips lower than it began.
    p.SetCurrentY(p.CurrentY() + 80);
    p.Print(" ");
    p.SetCurrentX(kTitleX);
    p.SetFontSize(p.FontSize() - 6);
    p.SetFontBold(false);
    PrintWrapped(
        "Odpowiedzialność za obliczenia wykonane przy pomocy tego programu spoczywa na "
        "użytkowniku.",
        true);

    // The closing rule; the sections start from here.
    p.SetFontSize(p.FontSize() + 8);
    p.SetFontBold(true);
    p.SetDrawWidth(10);
    p.Line(kRuleInset, p.CurrentY() + 80, p.ScaleWidth() - kRuleInset, p.CurrentY() + 80);
    p.SetCurrentY(p.CurrentY() - 100);
    p.SetFontSize(p.FontSize() - 2);
}

// A surface that draws nothing and keeps only the lowest line drawn on it.
class LowestLine : public PrinterSurface {
  public:
    LowestLine(double width, double height) : PrinterSurface(width, height) {}
    std::string DeviceName() const override { return {}; }
    double bottom = 0;

  protected:
    void DoBeginDoc() override {}
    void DoText(const TextRun&) override {}
    void DoLine(double, double y1, double, double y2, int) override {
        bottom = std::max({bottom, y1, y2});
    }
    void DoPicture(const Picture&, double, double, double, double) override {}
    void DoNewPage() override {}
    void DoEndDoc() override {}
    void DoKillDoc() noexcept override {}
};

// How far down the logo and the title block beside it, started at the print position, reach:
// the block is printed on a surface that only measures, in the same state.
double TitleBlockBottom(const PrinterSurface& p) {
    LowestLine dry(p.ScaleWidth(), p.ScaleHeight());
    dry.SetFontName(p.FontName());
    dry.SetFontSize(p.FontSize());
    dry.SetFontBold(p.FontBold());
    dry.SetFontItalic(p.FontItalic());
    dry.SetCurrentY(p.CurrentY());
    {
        PrinterScope scope(dry);
        PrintTitleBlock();
    }
    return std::max(p.CurrentY() + kFrameLogoHeight, dry.bottom);
}

}  // namespace

void PrintFirstPage(const PrintOptions& options) {
    PrinterSurface& p = Printer();

    // The page number and the rule under it, as every later page has them.
    p.SetFontSize(p.FontSize() - 2);
    p.SetCurrentY(kNumberY);
    p.SetCurrentX(p.ScaleWidth() / 2 - 500);
    p.Print("Strona " + std::to_string(p.Page()));
    p.SetDrawWidth(10);
    const double rule = p.CurrentY() + 50;
    p.Line(kRuleInset, rule, p.ScaleWidth() - kRuleInset, rule);
    p.SetFontSize(p.FontSize() + 2);
    p.SetCurrentY(p.CurrentY() - 150);

    // The logo where every page frame has it, first: page 1 has it however long the header
    // lines are, and they keep clear of it.
    PrintLogo(p.ScaleWidth() - kFrameLogoWidth, p.ScaleHeight() - kFrameLogoTop);

    // The header lines; the first starts on the line below (the position is at the rule's end).
    if (options.printProject) PrintHeaderLine(" Projekt:  " + options.project);
    if (options.printUser) {
        PrintHeaderLine(" Autor:     " + options.author);
        PrintHeaderLine(" Firma:     " + options.company);
    }
    if (options.printDate)
        PrintHeaderLine(" Data:      " + CurrentDateText() +
                        "     Godzina:      " + CurrentTimeText());

    // The logo and the title block start where a header line would: below the rule, also when
    // no header line is printed. When the header lines leave no room for them above the logo
    // in the corner, they go to the next page, under its frame.
    p.SetCurrentY(std::max(p.CurrentY(), rule - 150 + p.TextHeight()));
    if (TitleBlockBottom(p) > p.ScaleHeight() - kFrameLogoTop - kLogoClearance) {
        NewPageWithFrame();
        p.SetCurrentY(p.CurrentY() + p.TextHeight());
    }
    p.SetCurrentX(kRuleInset);
    PrintLogo(kRuleInset, p.CurrentY());
    PrintTitleBlock();
}

}  // namespace kord
