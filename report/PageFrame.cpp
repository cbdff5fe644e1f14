#include "report/PageFrame.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/Paths.h"
#include "platform/Picture.h"
#include "platform/Symbols.h"

namespace kord {

namespace {

PrinterSurface*& Current() {
    static PrinterSurface* surface = nullptr;
    return surface;
}

// Offsets of the characters inside a line. A symbol-font letter is printed as much higher as the
// symbol font's cell is taller than the text's, so that it sits on the line's baseline.
constexpr double kGreekRise = kSymbolCellRise;
constexpr double kSubscriptDrop = 80;
constexpr double kSubscriptShrink = 2;

std::string SymbolFont() {
    return State().SymbolFontName.empty() ? std::string("Symbol") : State().SymbolFontName;
}

// The font a piece is printed in, in the surface's present state.
Font PieceFont(const PrinterSurface& p, const LinePiece& piece) {
    Font f = p.CurrentFont();
    if (piece.kind == LinePiece::Kind::Greek) f.name = SymbolFont();
    if (piece.kind == LinePiece::Kind::Subscript) f.size -= kSubscriptShrink;
    return f;
}

const std::string& PieceText(const LinePiece& piece, std::string& scratch) {
    if (piece.kind != LinePiece::Kind::Greek) return piece.text;
    scratch = SymbolChar(piece.code);
    return scratch;
}

double PieceWidth(const PrinterSurface& p, const LinePiece& piece) {
    std::string scratch;
    return PrinterSurface::MeasureText(PieceText(piece, scratch), PieceFont(p, piece),
                                       p.FontName());
}

// How far below the top of its line a piece reaches.
double PieceBottom(const PrinterSurface& p, const LinePiece& piece) {
    const double height = PrinterSurface::LineHeightOf(PieceFont(p, piece), p.FontName());
    switch (piece.kind) {
        case LinePiece::Kind::Greek:
            return height - kGreekRise;
        case LinePiece::Kind::Subscript:
            return height + kSubscriptDrop;
        case LinePiece::Kind::Text:
            break;
    }
    return height;
}

std::string TrimRight(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::string TrimLeft(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

struct Split {
    std::vector<LinePiece> head;  // what fits on this line
    std::vector<LinePiece> tail;  // what goes on the next one; empty when nothing is left
};

// Whether a word holds on to the word after it, so that no line ends with it: a number keeps
// its unit, "=" its value, an operator or an opening bracket what it applies to.
bool HoldsNextWord(const std::string& word) {
    if (word == "=" || word == ">" || word == "x" || word == "/" || word == "(") return true;
    const size_t digit = word.size() > 1 && (word[0] == '-' || word[0] == '+') ? 1 : 0;
    return digit < word.size() && word[digit] >= '0' && word[digit] <= '9';
}

// Whether a word holds on to the word before it, so that no line starts with it: "=" and ">"
// stay with what they compare, a closing bracket with what it closes.
bool HoldsPreviousWord(const std::string& word) {
    return word == "=" || word == ">" || (!word.empty() && word[0] == ')');
}

// Whether the blank at j of a text is a place to break: not inside a word group.
bool BreaksGroup(const std::string& text, size_t wordStart, size_t j) {
    const size_t next = std::min(text.find(' ', j + 1), text.size());
    return !HoldsNextWord(text.substr(wordStart, j - wordStart)) &&
           !HoldsPreviousWord(text.substr(j + 1, next - j - 1));
}

// Splits a line that would reach past the right edge of the printable area, printed from x =
// start, at the blank before the last word group that fits; where no group fits, at the last
// blank that fits, and where not even the first word fits, at the first blank. Blanks at the
// start of the line are indentation, not places to break.
Split SplitToFit(const PrinterSurface& p, double start, const std::vector<LinePiece>& pieces) {
    const double limit = p.ScaleWidth();
    double total = start;
    for (const auto& piece : pieces) total += PieceWidth(p, piece);
    if (total <= limit) return {pieces, {}};

    using At = std::optional<std::pair<size_t, size_t>>;
    At group, blank, firstGroup, firstBlank;
    bool content = false;
    double x = start;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const LinePiece& piece = pieces[i];
        if (piece.kind == LinePiece::Kind::Text) {
            const Font font = PieceFont(p, piece);
            size_t wordStart = 0;
            for (size_t j = 0; j < piece.text.size(); ++j) {
                if (piece.text[j] != ' ') {
                    content = true;
                    continue;
                }
                const bool breaksGroup = BreaksGroup(piece.text, wordStart, j);
                wordStart = j + 1;
                if (!content) continue;
                if (!firstBlank) firstBlank = {i, j};
                if (breaksGroup && !firstGroup) firstGroup = {i, j};
                if (x + PrinterSurface::MeasureText(piece.text.substr(0, j), font, font.name) <=
                    limit) {
                    blank = {i, j};
                    if (breaksGroup) group = {i, j};
                }
            }
        } else {
            content = true;
        }
        x += PieceWidth(p, piece);
    }
    const At at = group ? group : blank ? blank : firstGroup ? firstGroup : firstBlank;
    if (!at) return {pieces, {}};

    const auto [i, j] = *at;
    Split s;
    s.head.assign(pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(i));
    s.head.push_back(TextPiece(TrimRight(pieces[i].text.substr(0, j))));
    const std::string rest = TrimLeft(pieces[i].text.substr(j));
    if (!rest.empty()) s.tail.push_back(TextPiece(rest));
    s.tail.insert(s.tail.end(), pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1, pieces.end());
    // Nothing but blanks left: the line ends here.
    if (s.tail.size() == 1 && s.tail[0].kind == LinePiece::Kind::Text &&
        TrimLeft(s.tail[0].text).empty())
        s.tail.clear();
    return s;
}

// The blanks a line starts with: a wrapped line goes on under its text, past them.
std::string Indentation(const std::vector<LinePiece>& pieces) {
    if (pieces.empty() || pieces[0].kind != LinePiece::Kind::Text) return {};
    const std::string& text = pieces[0].text;
    return text.substr(0, std::min(text.find_first_not_of(' '), text.size()));
}

// Where a line started with Tab(column) from the present position has its top.
double LineTop(const PrinterSurface& p, int column) {
    return p.CurrentY() + (p.CurrentX() > p.ColumnX(column) ? p.TextHeight() : 0.0);
}

// Whether one printed line with its top at top, printed from x = start, would run off the bottom
// of the printable area (checked only for lines without a page check) or into the logo of the
// page frame.
bool LineNeedsNewPage(const PrinterSurface& p, double top, double start,
                      const std::vector<LinePiece>& pieces, PageCheck check) {
    double bottom = top + p.TextHeight();
    double right = start;
    for (const auto& piece : pieces) {
        bottom = std::max(bottom, top + PieceBottom(p, piece));
        right += PieceWidth(p, piece);
    }
    right = std::min(right, p.ScaleWidth());
    const bool offPage = check == PageCheck::No && bottom > p.ScaleHeight();
    const bool intoLogo = right > p.ScaleWidth() - kFrameLogoWidth &&
                          bottom > p.ScaleHeight() - kFrameLogoTop &&
                          top < p.ScaleHeight() - kFrameLogoTop + kFrameLogoHeight;
    return offPage || intoLogo;
}

// Whether the whole line, wrapped as it would be printed from the present position, stays on
// this page: no part of it would meet the page check or run off the page or into the logo.
bool LineFitsOnPage(const PrinterSurface& p, int column, const std::string& indentation,
                    std::vector<LinePiece> pieces, PageCheck check) {
    double top = LineTop(p, column);
    for (bool continuation = false; !pieces.empty(); continuation = true) {
        if (continuation && check == PageCheck::Yes && top > p.ScaleHeight() - kPageReserve)
            return false;
        const double start = p.ColumnX(column) + (continuation ? p.TextWidth(indentation) : 0.0);
        Split split = SplitToFit(p, start, pieces);
        if (LineNeedsNewPage(p, top, start, split.head, check)) return false;
        pieces = std::move(split.tail);
        top += p.TextHeight();
    }
    return true;
}

// A new page with its frame inside a line's style: the page number is printed plain.
void NewPageForLine(PrinterSurface& p) {
    const bool underline = p.FontUnderline(), italic = p.FontItalic();
    p.SetFontUnderline(false);
    p.SetFontItalic(false);
    NewPageWithFrame();
    p.SetFontUnderline(underline);
    p.SetFontItalic(italic);
}

// Prints one physical line: Tab(column), indented by that many twips, the pieces, the line's end.
void PrintPieces(int column, double indent, const std::vector<LinePiece>& pieces) {
    PrinterSurface& p = Printer();
    p.Tab(column);
    p.SetCurrentX(p.CurrentX() + indent);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const bool last = i + 1 == pieces.size();
        const LinePiece& piece = pieces[i];
        switch (piece.kind) {
            case LinePiece::Kind::Text:
                p.Print(piece.text, last ? LineEnd::Close : LineEnd::Keep);
                continue;
            case LinePiece::Kind::Greek:
                PrintGreek(piece.code);
                break;
            case LinePiece::Kind::Subscript:
                PrintSubscript(piece.text);
                break;
        }
        if (last) p.Print({});
    }
    if (pieces.empty()) p.Print({});
}

// A line of the kit: its page check, then the line, broken where it is wider than the page, each
// continuation under the line's text. A page break falls before a line, never inside one: a line
// whose parts would not all fit on the page, by the page check or by the bottom and the logo,
// starts a new page first; that page's number is printed plain whatever style the line has. Only
// a line taller than a whole page makes the check again before its later parts.
void PrintKitLine(int column, std::vector<LinePiece> pieces, PageCheck check) {
    PrinterSurface& p = Printer();
    const std::string indentation = Indentation(pieces);
    if (check == PageCheck::Yes) PageBreak();
    if (!LineFitsOnPage(p, column, indentation, pieces, check)) NewPageForLine(p);
    bool continuation = false;
    do {
        if (continuation && check == PageCheck::Yes) PageBreak();
        // Measured in the font in effect: a page frame turns bold off.
        const auto indent = [&] { return continuation ? p.TextWidth(indentation) : 0.0; };
        const auto start = [&] { return p.ColumnX(column) + indent(); };
        Split split = SplitToFit(p, start(), pieces);
        if (LineNeedsNewPage(p, LineTop(p, column), start(), split.head, check)) {
            NewPageForLine(p);
            split = SplitToFit(p, start(), pieces);
        }
        PrintPieces(column, indent(), split.head);
        pieces = std::move(split.tail);
        continuation = true;
    } while (!pieces.empty());
}

}  // namespace

PrinterSurface& Printer() {
    if (!Current()) throw std::logic_error("No printer surface is set.");
    return *Current();
}

void SetPrinter(PrinterSurface* surface) {
    Current() = surface;
}

PrinterScope::PrinterScope(PrinterSurface& surface) : previous_(Current()) {
    Current() = &surface;
}

PrinterScope::~PrinterScope() {
    Current() = previous_;
}

bool RunPrintJob(PrinterSurface& surface, const std::function<void()>& body, std::string& error) {
    PrinterScope scope(surface);
    try {
        body();
        return true;
    } catch (const PrintError& e) {
        error = e.what();
    } catch (const std::exception& e) {
        error = std::string("Błąd drukowania: ") + e.what();
    } catch (...) {
        error = "Błąd drukowania.";
    }
    if (surface.DocumentOpen()) surface.KillDoc();
    return false;
}

std::string LogoPath() {
    return ProgramPath("Drawings/vendrik.gif");
}

void NewPageWithFrame() {
    PrinterSurface& p = Printer();
    p.NewPage();
    p.SetFontBold(false);
    p.SetFontSize(p.FontSize() - 2);
    p.SetCurrentY(800);
    p.SetCurrentX(p.ScaleWidth() / 2 - 500);
    p.Print("Strona " + std::to_string(p.Page()));
    p.SetDrawWidth(10);
    const double rule = p.CurrentY() + 50;
    p.Line(600, rule, p.ScaleWidth() - 600, rule);
    p.SetFontSize(p.FontSize() + 2);
    p.SetCurrentY(p.CurrentY() - 100);
    // Loaded anew for every page; a logo that cannot be loaded stops the print (PrintError).
    p.PaintPicture(Picture::Load(LogoPath()), p.ScaleWidth() - kFrameLogoWidth,
                   p.ScaleHeight() - kFrameLogoTop, kFrameLogoWidth, kFrameLogoHeight);
}

void PageBreak() {
    PrinterSurface& p = Printer();
    if (p.CurrentY() > p.ScaleHeight() - kPageReserve) NewPageWithFrame();
}

void PageBreakBlock() {
    PrinterSurface& p = Printer();
    if (p.CurrentY() >= p.ScaleHeight() - kBlockReserve) NewPageWithFrame();
}

void PrintHeading(int column, const std::string& text, PageCheck check) {
    PrinterSurface& p = Printer();
    p.SetFontUnderline(true);
    PrintKitLine(column, {TextPiece(text)}, check);
    p.SetFontUnderline(false);
}

void PrintTextLine(int column, const std::string& text, PageCheck check) {
    PrintKitLine(column, {TextPiece(text)}, check);
}

void PrintValueLine(const std::string& label, const ValueSymbol& symbol,
                    const std::string& valueText, const std::string& unit, PageCheck check) {
    std::vector<LinePiece> pieces{TextPiece(label)};
    if (symbol.greek != 0) pieces.push_back(GreekPiece(symbol.greek));
    if (!symbol.subscript.empty()) pieces.push_back(SubscriptPiece(symbol.subscript));
    pieces.push_back(TextPiece(" = " + valueText + unit));
    PrintKitLine(kBodyColumn, std::move(pieces), check);
}

void PrintLine(int column, const std::vector<LinePiece>& pieces, PageCheck check) {
    PrintKitLine(column, pieces, check);
}

void PrintBlankLine(int blanks, PageCheck check) {
    PrintKitLine(kBodyColumn,
                 {TextPiece(std::string(static_cast<size_t>(std::max(blanks, 0)), ' '))}, check);
}

void PrintGreek(int code) {
    PrinterSurface& p = Printer();
    const std::string textFont =
        State().PrintFontName.empty() ? p.FontName() : State().PrintFontName;
    p.SetFontName(SymbolFont());
    p.SetCurrentY(p.CurrentY() - kGreekRise);
    p.Print(SymbolChar(code), LineEnd::Keep);
    p.SetFontName(textFont);
    p.SetCurrentY(p.CurrentY() + kGreekRise);
}

void PrintSubscript(const std::string& text) {
    PrinterSurface& p = Printer();
    p.SetFontSize(p.FontSize() - kSubscriptShrink);
    p.SetCurrentY(p.CurrentY() + kSubscriptDrop);
    p.Print(text, LineEnd::Keep);
    p.SetFontSize(p.FontSize() + kSubscriptShrink);
    p.SetCurrentY(p.CurrentY() - kSubscriptDrop);
}

}  // namespace kord
