#pragma once
// Reading a recorded report back as printed lines, and finding where its page checks stand.

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "report/PageFrame.h"
#include "report/PrintDriver.h"
#include "report/ReportInputs.h"
#include "tests/support/RecordingSurface.h"

namespace kord::test {

// Prints one section on the recording surface in the report font (Arial, the given size), from
// the surface's present position, as the report would after its first page.
inline void PrintSectionOn(RecordingSurface& rec, const std::function<void()>& section,
                           double size = 12) {
    PrinterScope scope(rec);
    State().PrintFontName = "Arial";
    State().SymbolFontName = "Symbol";
    rec.SetFontName("Arial");
    rec.SetFontSize(size);
    section();
}

// What a report test hands to the report in the program's place: the inputs of the design and
// the print options.
struct Handover {
    ReportInputs in;
    PrintOptions options;
    void Print(PrinterSurface& surface) const { PrintReport(surface, in, options); }
};

// One printed line: its runs joined, a subscript written as _{text}, a Greek letter as itself.
struct PrintedLine {
    int page = 1;
    double x = 0;
    double y = 0;      // top of its first run
    Font font;         // of its first run
    std::string text;  // "     Moduł sprężystości    E_{f} = 230 kN/mm²"
};

// The runs of a recording as lines: a run that starts where the one before it ended continues
// its line.
inline std::vector<PrintedLine> LinesOf(const RecordingSurface& rec) {
    std::vector<PrintedLine> lines;
    double end = -1;
    for (const TextRun& r : rec.Texts()) {
        const bool continues = !lines.empty() && lines.back().page == r.page &&
                               std::abs(r.x - end) < 0.5 && std::abs(r.y - lines.back().y) < 100;
        if (!continues) lines.push_back({r.page, r.x, r.y, r.font, {}});
        PrintedLine& l = lines.back();
        if (continues && r.y > l.y + 1)
            l.text += "_{" + r.text + "}";
        else
            l.text += r.text;
        end = r.x + r.width;
    }
    return lines;
}

inline std::vector<std::string> TextsOf(const std::vector<PrintedLine>& lines, size_t from = 0) {
    std::vector<std::string> out;
    for (size_t i = from; i < lines.size(); ++i) out.push_back(lines[i].text);
    return out;
}

// The index of the first line whose text is the given one, from a start; lines.size() if none.
inline size_t IndexOf(const std::vector<PrintedLine>& lines, const std::string& text,
                      size_t from = 0) {
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].text == text) return i;
    return lines.size();
}

// The lines in front of which the report makes a page check, in order.
//
// A reference print on a page too tall to fill gives every line's top. A line that starts where
// the line before it ended is then printed again on a page whose check threshold lies just above
// that point while the line itself still fits: a page check in front of it starts a new page,
// without one the line stays on page 1 at its place. (A check that a line makes after itself
// counts as standing in front of the next.) The pages are wider than any line, so that no line
// reaches the logo in the bottom-right corner. print(surface) prints the whole report; the probe
// ends with the line whose text is last, when given.
inline std::vector<std::string> LinesAfterPageChecks(
    const std::function<void(RecordingSurface&)>& print, const std::string& last = {}) {
    constexpr double kReserve = 500;
    constexpr double kWide = 3 * RecordingSurface::kA4Width;
    RecordingSurface tall("Recording", kWide, 1e7);
    print(tall);
    const auto lines = LinesOf(tall);
    std::vector<std::string> checked;
    for (size_t k = 1; k < lines.size(); ++k) {
        const PrintedLine& before = lines[k - 1];
        const double end = before.y + PrinterSurface::LineHeightOf(before.font);
        if (std::abs(lines[k].y - end) > 0.5) continue;
        RecordingSurface probe("Recording", kWide, lines[k].y + kReserve - 1);
        print(probe);
        bool stayed = false, titleMoved = false;
        for (const PrintedLine& l : LinesOf(probe)) {
            if (l.page == 1 && std::abs(l.y - lines[k].y) < 0.5 && l.text == lines[k].text)
                stayed = true;
            // A page too short for the first page's title block above its logo: no probe.
            if (l.page > 1 && l.text.rfind("Odpowiedzialność", 0) == 0) titleMoved = true;
        }
        if (!stayed && !titleMoved) checked.push_back(lines[k].text);
        if (!last.empty() && lines[k].text == last) break;
    }
    return checked;
}

}  // namespace kord::test
