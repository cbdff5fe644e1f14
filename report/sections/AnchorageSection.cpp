#include "report/sections/AnchorageSection.h"

#include <string>
#include <vector>

#include "engine/AnchorageCheck.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/Picture.h"
#include "platform/PrinterSurface.h"
#include "report/PageFrame.h"
#include "report/ShearSection.h"

namespace kord {

namespace {

constexpr int kSectionColumn = 9;
// The drawing of the anchorage zone: its left edge, the gap above it, the room it takes.
constexpr double kDrawingLeft = 1000;
constexpr double kDrawingGap = 100;
constexpr double kDrawingRoom = 4300;

void Separator() {
    PrintBlankLine(8, PageCheck::No);
}

std::string Plain(double v) {
    return FormatGeneral(v);
}

void PlainValue(const std::string& label, const std::string& subscript, double value,
                const std::string& unit) {
    PrintValueLine(label, {0, subscript}, Plain(value), unit);
}

// An area of steel at section A and its depth, on one line.
void SteelLayer(const char* label, const char* areaSub, double area, const char* depthSub,
                double depth) {
    PrintLine(kBodyColumn,
              {TextPiece(label), SubscriptPiece(areaSub),
               TextPiece(" = " + Plain(area * 100) + Squared(" mm") + "      w odległości    d"),
               SubscriptPiece(depthSub), TextPiece(" = " + Plain(depth / 100) + " m")});
}

// The drawing stands below the heading, on a new page when the page has no room for it.
void PrintDrawing() {
    PrinterSurface& p = Printer();
    DesignState& s = State();
    p.SetCurrentY(p.CurrentY() + 80);
    s.y_bond = p.CurrentY() + kDrawingGap;
    if (s.y_bond > p.ScaleHeight() - kBlockReserve) {
        const int page = p.Page();
        PageBreakBlock();
        s.y_bond = p.CurrentY();
        // On a new page the print position lies above the frame's rule, which the drawing
        // would cover: it starts where the next line would.
        if (p.Page() != page) s.y_bond += p.TextHeight();
    }
    // A drawing that cannot be loaded leaves its room empty.
    const Picture drawing = Picture::Load(ProgramPath("Drawings/bond.jpg"));
    if (!drawing.IsEmpty()) p.PaintPicture(drawing, kDrawingLeft, s.y_bond);
    p.SetCurrentY(p.CurrentY() + kDrawingRoom);
}

void PrintVerdict(const DesignState& s) {
    PrintHeading(kBodyColumn, "Sprawdzenie");
    if (!AnchoragePositive(s)) {
        PrintTextLine(kBodyColumn, "     Wynik sprawdzenia zamocowania jest NEGATYWNY.");
        PrintTextLine(kBodyColumn, "     - Należy zwiększyć przekrój wzmocnienia");
        PrintTextLine(kBodyColumn, "     - Należy taśmę zamocować mechanicznie");
        return;
    }
    PrintTextLine(kBodyColumn, "     Wynik sprawdzenia zamocowania jest POZYTYWNY.");
    PrintValueLine("     Wymagana długość zamocowania dla przekroju A    l", {0, "bd,A"},
                   FormatPattern(AnchorageLength(s).value_or(0), "####0"), " mm");
}

}  // namespace

void PrintAnchorageCheck() {
    PrinterSurface& p = Printer();
    const DesignState& s = State();
    Separator();
    p.SetFontSize(p.FontSize() + 2);
    PrintTextLine(kSectionColumn, "Sprawdzanie zamocowania");
    p.SetFontSize(p.FontSize() - 2);

    // Only a check of the laminate the report shows is printed; an older check, or one that
    // stopped with a message, would print values that belong to nothing on these pages.
    if (!AnchorageCheckCurrent(s)) {
        PrintTextLine(kBodyColumn,
                      "     Dla zastosowanego wzmocnienia nie wykonano sprawdzenia zamocowania.");
        return;
    }

    PrintDrawing();

    PrintHeading(kBodyColumn, "Własności przekroju");
    PlainValue("     Wytrzymałość średnia podłoża na rozciąganie    f", "ctm", s.fctm,
               Squared(" N/mm"));
    PlainValue("     Moment obliczeniowy w przekroju A    M", "sd,A", s.Msd_A, " kNm");
    Separator();

    PrintHeading(kBodyColumn, "Zbrojenie w przekroju A");
    PlainValue("     Moduł sprężystości    E", "s", s.Es_A, Squared(" kN/mm"));
    PlainValue("     Charakterystyczne granica plastyczności    f", "yk", s.fyk_A,
               Squared(" N/mm"));
    SteelLayer("     Górne    A", "s2", s.As2_A, "2", s.d2_A);
    SteelLayer("     Dolne    A", "s12", s.As12_A, "12", s.d12_A);
    SteelLayer("     Dolne    A", "s11", s.As11_A, "11", s.d11_A);
    Separator();

    PrintHeading(kBodyColumn, "Wzmocnienie taśmami kompozytowymi w przekroju A");
    PrintTextLine(kBodyColumn, "     Liczba taśm:  " + Plain(s.applied_n_strips) +
                                   " Liczba warstw: " + Plain(s.n_layers_bond));
    Separator();

    PrintHeading(kBodyColumn, "Wyniki");
    PrintValueLine("     Maksymalna siła, jak może być przeniesiona przez wzmocnienie    N",
                   {0, "bd,max"}, FormatPattern(s.Nbd_max, "####0.00"), " kN");
    PrintValueLine("     Siła rozciągająca we wzmocnieniu    N", {0, "fd,A"},
                   FormatPattern(s.Nfd_A, "####0.00"), " kN");
    PrintLine(kBodyColumn, {TextPiece("     Długość zamocowania odpowiadająca sile N"),
                            SubscriptPiece("bd,max"), TextPiece("    l"), SubscriptPiece("bd,max"),
                            TextPiece(" = " + FormatPattern(s.lbd_max, "####0") + " mm")});
    Separator();

    PrintVerdict(s);
}

}  // namespace kord
