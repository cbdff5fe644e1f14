#pragma once
// The printer as the report sees it: a drawing surface in twips (1/1440 inch) measured from the
// top-left corner of the printable area, with a print position, a font, text printed item by
// item with tab columns, lines, pictures and pages.
//
// The base class holds all the behaviour the report relies on (where text goes, how the print
// position moves, the tab columns, the pages) and the text measurement, so that every surface
// lays out a report identically; a concrete surface only draws. Measurement uses the real metrics
// of the face that draws the text ("Arial" is drawn with the metric-compatible Liberation Sans):
// unhinted design advances without kerning, as the printer of the report measures them.
//
// Failures: an operation that cannot be carried out throws PrintError. The surface has then
// already abandoned its document (no half-written job is left, a partial PDF file is deleted).

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/Control.h"
#include "platform/Host.h"
#include "platform/Picture.h"

namespace kord {

// The printer or a file that printing needs failed; the text is meant for the user (Polish).
class PrintError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// How much taller the symbol font's cell is than the text face's, above the shared baseline.
constexpr double kSymbolCellRise = 40;

// How a Print item leaves the line: ended (the print position goes to the start of the next
// line) or kept open (the next item continues where this one stopped).
enum class LineEnd { Close, Keep };

// One text run as drawn: its page, the top-left corner of its first character cell, the text
// (UTF-8), the font as set on the surface, the face that draws it and its width.
struct TextRun {
    int page = 1;
    double x = 0;
    double y = 0;
    std::string text;
    Font font;
    std::string face;
    double width = 0;
    double ascent = 0;    // from the top of the cell to the baseline
    double lead = 0;      // space inside the width before the first glyph
    double drawSize = 0;  // the size in points the face draws the glyphs at
};

class PrinterSurface {
  public:
    virtual ~PrinterSurface() = default;
    PrinterSurface(const PrinterSurface&) = delete;
    PrinterSurface& operator=(const PrinterSurface&) = delete;

    // The chosen printer's name, or the output file's name when printing to a file.
    virtual std::string DeviceName() const = 0;

    // The printable area.
    double ScaleWidth() const { return scaleWidth_; }
    double ScaleHeight() const { return scaleHeight_; }

    // The print position: where the next text's first character cell has its top-left corner.
    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }
    void SetCurrentX(double x) { x_ = x; }
    void SetCurrentY(double y) { y_ = y; }

    // The font of the text printed next. "Symbol" stands for the symbol font: its letters are
    // passed as their Unicode characters (SymbolChar) and drawn in the last text face set, where
    // the symbol font would stand them: its cell reaches kSymbolCellRise higher than the text
    // face's and shares its baseline, so a letter printed that much higher sits on the line.
    // The less-or-equal sign stands on the baseline as tall as the face's digits, with a blank of
    // the text face before it.
    const Font& CurrentFont() const { return font_; }
    const std::string& FontName() const { return font_.name; }
    void SetFontName(const std::string& name);
    double FontSize() const { return font_.size; }
    void SetFontSize(double points) { font_.size = points; }
    bool FontBold() const { return font_.bold; }
    void SetFontBold(bool b) { font_.bold = b; }
    bool FontItalic() const { return font_.italic; }
    void SetFontItalic(bool i) { font_.italic = i; }
    bool FontUnderline() const { return font_.underline; }
    void SetFontUnderline(bool u) { font_.underline = u; }

    // Width of drawn lines in device pixels.
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int pixels) { drawWidth_ = pixels; }

    // The current page, 1 on the first page of a document.
    int Page() const { return page_; }

    // A text item drawn at the print position, which then moves right by its width. Close ends
    // the line: CurrentX returns to 0 and CurrentY grows by the line height of the font in
    // effect. An empty text with Close only ends the line.
    void Print(const std::string& text, LineEnd end = LineEnd::Close);
    // The Tab(n) item: moves CurrentX to column n (column 1 at X = 0, each as wide as
    // ColumnWidth()). When the print position already lies right of column n, the line ends
    // first and the position goes to column n of the new line. The line stays open.
    void Tab(int column);
    // Tab(column) followed by the text.
    void PrintAt(int column, const std::string& text, LineEnd end = LineEnd::Close);
    // X of column n in the font in effect.
    double ColumnX(int column) const;

    // Measurements in the font in effect.
    double TextWidth(const std::string& text) const;
    // Line height (ascent + descent + external leading) times the number of lines of the text.
    double TextHeight(const std::string& text = {}) const;
    // The tab column width: the classic average character width of the face.
    double ColumnWidth() const;

    // A straight line DrawWidth pixels wide; the print position moves to its end point.
    void Line(double x1, double y1, double x2, double y2);
    // A picture with its top-left corner at (x, y), at its own size (15 twips a pixel) or scaled
    // to width x height. The print position does not move. An empty picture (a file that could
    // not be loaded) is an error: PrintError.
    void PaintPicture(const Picture& picture, double x, double y);
    void PaintPicture(const Picture& picture, double x, double y, double width, double height);

    // Ends the page and starts the next: Page grows by 1, the print position returns to (0, 0).
    void NewPage();
    // Ends the document and hands it to the printer. Nothing happens when nothing was drawn.
    // The next output starts a new document at page 1.
    void EndDoc();
    // Abandons the document: nothing of it is printed, a partial output file is deleted.
    void KillDoc();

    // Whether a document is open (something was drawn since the last EndDoc or KillDoc).
    bool DocumentOpen() const { return open_; }
    // The last failure's text, empty when none.
    const std::string& LastError() const { return lastError_; }

    // Measurement in any font, as the surfaces measure (twips).
    // textFont is the text font whose face draws the symbol font's letters.
    static double MeasureText(const std::string& text, const Font& font,
                              const std::string& textFont = "Arial");
    static double LineHeightOf(const Font& font, const std::string& textFont = "Arial");
    static double AscentOf(const Font& font, const std::string& textFont = "Arial");
    static double ColumnWidthOf(const Font& font, const std::string& textFont = "Arial");
    // The installed face that draws a font name (FontFace).
    static std::string FaceFor(const std::string& fontName, const std::string& textFont = "Arial");

  protected:
    PrinterSurface(double scaleWidth, double scaleHeight);

    // The concrete surface draws. Coordinates are twips on the printable area. DoBeginDoc comes
    // before the first drawing of a document. DoEndDoc and DoKillDoc are called also when no
    // document is open (then they do nothing but, for a recording, take note). Each may throw
    // PrintError; the base class then abandons the document (DoKillDoc) and passes it on.
    virtual void DoBeginDoc() = 0;
    virtual void DoText(const TextRun& run) = 0;
    virtual void DoLine(double x1, double y1, double x2, double y2, int drawWidth) = 0;
    virtual void DoPicture(const Picture& picture, double x, double y, double width,
                           double height) = 0;
    virtual void DoNewPage() = 0;
    virtual void DoEndDoc() = 0;
    // Must not throw.
    virtual void DoKillDoc() noexcept = 0;

    void SetScale(double width, double height) {
        scaleWidth_ = width;
        scaleHeight_ = height;
    }

  private:
    // One run of a Print item at the print position, which moves past it.
    void PrintRun(const std::string& text);
    void EndLine();
    void EnsureDocument();
    template <class F>
    void Guarded(F&& f);
    void ResetDocument();

    double scaleWidth_;
    double scaleHeight_;
    double x_ = 0;
    double y_ = 0;
    Font font_{.name = "Arial", .size = 10};
    // The last text font set (not the symbol font): the symbol font's letters are drawn in it.
    std::string textFont_ = "Arial";
    int drawWidth_ = 1;
    int page_ = 1;
    bool open_ = false;
    std::string lastError_;
};

// The surfaces the report prints on are made by a factory that the program sets at start (the Qt
// surface: UseQtPrinterSurfaces in qt/QtPrinterSurface.h); tests set their own.
using PrinterSurfaceFactory =
    std::function<std::unique_ptr<PrinterSurface>(const PrinterChoice& choice)>;
void SetPrinterSurfaceFactory(PrinterSurfaceFactory factory);
// A surface for the chosen printer or file; nullptr when no factory is set.
std::unique_ptr<PrinterSurface> MakePrinterSurface(const PrinterChoice& choice);

}  // namespace kord
