#pragma once
// The report's page check with its page frame, and the line kit every section prints with.
//
// The report draws on the current printer surface, Printer(). A line kit operation prints one
// line starting at a tab column; whether it makes the page check before it is the caller's
// choice (PageCheck), as each section places its checks. Two safeguards keep the output on the
// paper without changing it where the page has room:
//  - a line printed without the page check that would run off the bottom of the page starts a
//    new page (with its frame) first;
//  - a line wider than the printable area is broken at the blank before the last word group
//    that fits (a number stays with its unit, "=" and ">" with their values, a closing bracket
//    with what it closes) and continued on the next line under its text, past its leading
//    blanks. A page break falls before a line, never inside one: a wrapped line whose parts
//    would not all fit above the page check starts a new page (with its frame) whole.

#include <functional>
#include <string>
#include <vector>

#include "platform/PrinterSurface.h"

namespace kord {

// The surface the report prints on. Throws std::logic_error when none is set.
PrinterSurface& Printer();
// The print driver sets it for a print run; a test sets a recording surface. nullptr clears it.
void SetPrinter(PrinterSurface* surface);

// Sets the printer surface for as long as it lives and restores the one before.
class PrinterScope {
  public:
    explicit PrinterScope(PrinterSurface& surface);
    ~PrinterScope();
    PrinterScope(const PrinterScope&) = delete;
    PrinterScope& operator=(const PrinterScope&) = delete;

  private:
    PrinterSurface* previous_;
};

// Runs a print job on a surface: sets it as Printer() while the body runs. Any failure (a
// PrintError of the surface or of a picture file, or any other exception) abandons the open
// document (KillDoc) and comes back as false with the failure's text in error; nothing escapes.
bool RunPrintJob(PrinterSurface& surface, const std::function<void()>& body, std::string& error);

// The reserves of the page checks: below ScaleHeight - reserve a new page is started.
constexpr double kPageReserve = 500;
constexpr double kBlockReserve = 4500;
// The logo of the page frame: flush with the right edge, its top this far above the bottom.
constexpr double kFrameLogoWidth = 1000;
constexpr double kFrameLogoHeight = 800;
constexpr double kFrameLogoTop = 1801;

// The page check before a line: a new page with its frame when CurrentY > ScaleHeight - 500.
void PageBreak();
// The page check before the anchorage drawing: a new page when CurrentY >= ScaleHeight - 4500.
void PageBreakBlock();
// A new page with its frame, unconditionally: page number "Strona n" at size - 2 centred at
// 800, a rule 600 in from either side 50 below it, the logo in the bottom-right corner; leaves
// bold off, DrawWidth 10, the print position at the rule's right end, 50 above the rule.
// Throws PrintError when the logo cannot be loaded.
void NewPageWithFrame();
// The logo's file.
std::string LogoPath();

// Whether a line operation makes the page check (PageBreak) before it prints.
enum class PageCheck { Yes, No };

// One piece of a printed line: a text, a symbol-font character, or a subscript.
struct LinePiece {
    enum class Kind { Text, Greek, Subscript };
    Kind kind = Kind::Text;
    std::string text;  // Text, Subscript (UTF-8)
    int code = 0;      // Greek: the symbol font's code (97 α, 101 ε, 103 γ, 106 φ, 115 σ,
                       // 120 ξ, 163 ≤)
};
inline LinePiece TextPiece(std::string text) {
    return {LinePiece::Kind::Text, std::move(text), 0};
}
inline LinePiece GreekPiece(int code) {
    return {LinePiece::Kind::Greek, {}, code};
}
inline LinePiece SubscriptPiece(std::string text) {
    return {LinePiece::Kind::Subscript, std::move(text), 0};
}

// The symbol of a value line: a Greek letter (its code, 0 for none: then the label ends with
// the Latin letter) and a subscript (empty for none).
struct ValueSymbol {
    int greek = 0;
    std::string subscript;
};

// The tab column of body lines.
constexpr int kBodyColumn = 10;

// An underlined heading: underline on, page check, Tab(column) and the text, underline off.
// Size and bold stay as the caller set them.
void PrintHeading(int column, const std::string& text, PageCheck check = PageCheck::Yes);
// A plain line: page check, Tab(column) and the text.
void PrintTextLine(int column, const std::string& text, PageCheck check = PageCheck::Yes);
// A value line at column 10: page check, the label (kept open), the Greek letter, the
// subscript, then " = " + value text + unit ending the line.
void PrintValueLine(const std::string& label, const ValueSymbol& symbol,
                    const std::string& valueText, const std::string& unit,
                    PageCheck check = PageCheck::Yes);
// The general line: page check, Tab(column), the pieces in order on one line, the last one
// ending it (a Greek letter or subscript as the last piece is followed by the line's end).
void PrintLine(int column, const std::vector<LinePiece>& pieces, PageCheck check = PageCheck::Yes);
// An empty line: page check, Tab(10) and a text of that many blanks.
void PrintBlankLine(int blanks, PageCheck check = PageCheck::Yes);

// Inside a line, keeping it open: one symbol-font character 40 twips higher than the line, in
// the font SymbolFontName, then back to PrintFontName. The symbol font's cell is that much
// taller than the text's, so the character stands on the line's baseline.
void PrintGreek(int code);
// Inside a line, keeping it open: a text two points smaller and 80 twips lower than the line.
void PrintSubscript(const std::string& text);

}  // namespace kord
