#include "report/ShearSection.h"

#include <algorithm>

#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "platform/Picture.h"
#include "platform/PrinterSurface.h"
#include "platform/Symbols.h"
#include "report/PageFrame.h"
#include "report/ReportInputs.h"

namespace kord {

namespace {

constexpr int kHeadingColumn = 7;
constexpr double kDrawingX = 1300;
constexpr double kDrawingOffset = 2500;
constexpr double kDrawingDepth = 3100;

constexpr int kAlpha = 97;
constexpr int kEpsilon = 101;
constexpr int kGamma = 103;

void Blank() {
    PrintBlankLine(8, PageCheck::No);
}

// The partial factor of the fibre kind chosen in the list, by its list position.
const char* FibreFactorLabel(int listIndex) {
    switch (listIndex) {
        case 0:
            return "          Współczynnik dot. ścięcia wzmocnienia CFRP    ";
        case 1:
            return "          Współczynnik dot. ścięcia wzmocnienia AFRP    ";
        case 2:
            return "          Współczynnik dot. ścięcia wzmocnienia GFRP    ";
        default:
            return nullptr;
    }
}

}  // namespace

std::string Squared(const std::string& unit) {
    return unit + CodePageChar(178);
}

void PrintCaseHead(const std::string& heading, const Picture& drawing) {
    PrinterSurface& p = Printer();
    PrintHeading(kHeadingColumn, heading, PageCheck::No);
    p.SetFontBold(false);
    p.SetFontSize(p.FontSize() - 4);
    PrintBlankLine(8, PageCheck::No);
    p.SetCurrentX(kDrawingX);
    if (!drawing.IsEmpty()) p.PaintPicture(drawing, p.CurrentX() + kDrawingOffset, p.CurrentY());
    // Whatever the drawing's height; the next tabbed line follows the tab rule from X = 1300.
    p.SetCurrentY(p.CurrentY() + kDrawingDepth);
}

void PrintConcreteLines(const ReportInputs& in, int tab) {
    const DesignState& s = State();
    const ValueSymbol ck{0, "ck"};
    const ValueSymbol cm{0, "cm"};
    const std::string unit = Squared(" N/mm");
    PrintHeading(kBodyColumn, "Beton", PageCheck::No);
    if (in.concreteByClass[tab]) {
        PrintTextLine(kBodyColumn, "     Klasa    " + in.concreteClass[tab], PageCheck::No);
        PrintValueLine("     Wytrzymałość charakterystyczna    f", ck, FormatGeneral(s.fck), unit,
                       PageCheck::No);
        PrintValueLine("     Wytrzymałość średnia    f", cm, FormatGeneral(s.fcm), unit,
                       PageCheck::No);
    } else {
        PrintValueLine("     Wytrzymałość średnia    f", cm, FormatGeneral(s.fcm), unit,
                       PageCheck::No);
        PrintValueLine("     Wytrzymałość charakterystyczna    f", ck, FormatGeneral(s.fck), unit,
                       PageCheck::No);
    }
}

void PrintShearSection(const ReportInputs& in) {
    PrinterSurface& p = Printer();
    DesignState& s = State();
    const auto plain = [](double v) { return FormatGeneral(v); };
    constexpr PageCheck kNo = PageCheck::No;
    constexpr PageCheck kYes = PageCheck::Yes;

    PrintCaseHead("WZMACNIANIE NA ŚCINANIE", in.drawing[Shear]);

    if (in.openScheme) s.ShearSchemeText = "Otwarte wzmocnienie";
    if (in.closedScheme) s.ShearSchemeText = "Zamknięte wzmocnienie";
    if (in.shearSheet) s.ShearFormText = "Mata";
    if (in.shearStrips) s.ShearFormText = "Taśmy";

    // The inputs: on the page the head started, without page checks up to the form.
    PrintHeading(kBodyColumn, "Metoda zamocowania", kNo);
    PrintTextLine(kBodyColumn, "     " + s.ShearSchemeText, kNo);
    Blank();
    PrintHeading(kBodyColumn, "Geometria przekroju poprzecznego", kNo);
    PrintTextLine(kBodyColumn, "     Szerokość    b = " + plain(s.b / 100) + " m", kNo);
    PrintTextLine(kBodyColumn, "     Wysokość użyteczna    d = " + plain(s.d / 100) + " m", kNo);
    PrintValueLine("     Kąt między kierunkiem włókien wzmocnienia a osią elementu    ",
                   {kAlpha, ""}, plain(s.alpha), " stopni", kNo);
    Blank();
    PrintConcreteLines(in, Shear);
    Blank();
    PrintHeading(kBodyColumn, "Kompozyt", kNo);
    PrintValueLine("     Moduł sprężystości    E", {0, "f"}, plain(s.Ef), Squared(" kN/mm"), kNo);
    PrintValueLine("     Wydłużenie przy zerwaniu    ", {kEpsilon, "fu"}, plain(s.eps_fu), "", kNo);
    // The limit strain as typed: the state holds it divided by its factor.
    PrintValueLine("     Odkształcenie graniczne    ", {kEpsilon, "f,lim"},
                   plain(s.gamma_fl * s.eps_f_lim), "", kNo);
    PrintTextLine(kBodyColumn, "     Rodzaj włókien  " + in.fibreKind, kNo);
    Blank();
    p.SetFontItalic(true);
    PrintTextLine(kBodyColumn, "     Współczynniki bezpieczeństwa", kNo);
    p.SetFontItalic(false);
    PrintTextLine(kBodyColumn, "          Stała    k = " + plain(s.k_eff), kNo);
    PrintValueLine("          Współczynnik dot. oderwania wzmocnienia    ", {kGamma, "f,b"},
                   plain(s.gamma_fb), "", kNo);
    PrintValueLine("          Współczynnik dot. odkształcenia wzmocnienia    ", {kGamma, "f,l"},
                   plain(s.gamma_fl), "", kNo);
    if (const char* label = FibreFactorLabel(in.fibreKindIndex))
        PrintValueLine(label, {kGamma, "f,f"}, plain(s.gamma_ff), "", kNo);
    Blank();

    // From the form of the strengthening on, the page is checked.
    PrintHeading(kBodyColumn, "Forma wzmocnienia", kYes);
    PrintTextLine(kBodyColumn, "     " + s.ShearFormText, kNo);
    if (in.shearStrips) {
        PrintValueLine("     Szerokość taśmy    b", {0, "f"}, plain(s.bf / 100), " m", kYes);
        PrintValueLine("     Odległość w osiach taśmy    s", {0, "f"}, plain(s.sf / 100), " m",
                       kYes);
    }
    Blank();
    PrintHeading(kBodyColumn, "Przyrost siły ścinającej", kYes);
    PrintValueLine("     Dodatkowe ścinanie    V", {0, "fd"}, plain(s.Vfd), " kN", kYes);
    Blank();

    // The results; the heading's check comes before its underline.
    PageBreak();
    PrintHeading(kBodyColumn, "Wyniki", kNo);
    PrintValueLine("     Wymagana grubość wzmocnienia    t", {0, "f"},
                   FormatPattern(s.tf * 10, "##0.00"), " mm", kYes);
    if (!s.LaminateApplied) {
        PrintValueLine("     Dodatkowe ścinanie    V", {0, "fd"},
                       FormatPattern(s.Vfd_calc, "###0.00"), " kN", kYes);
    } else {
        PrintValueLine("     Grubość wszystkich warstw wzmocnienia    t", {0, "f"},
                       FormatPattern(s.applied_tf_total * 10, "##0.00"), " mm", kYes);
        PrintValueLine("     Dodatkowe ścinanie    V", {0, "fd"},
                       FormatPattern(s.Vfd_applied, "###0.00"), " kN", kYes);
        Blank();
        // Checked before the heading and again before its underline goes off: a page started by
        // the second check has its number underlined.
        PageBreak();
        p.SetFontUnderline(true);
        PrintTextLine(kBodyColumn, "Zastosowane wzmocnienie", kNo);
        PageBreak();
        p.SetFontUnderline(false);
        PrintTextLine(kBodyColumn, "     Grubość    " + plain(s.applied_tf_layer) + " mm", kNo);
        PrintTextLine(kBodyColumn,
                      "     Wymagana liczba warstw wzmocnienia    " + plain(s.applied_n_layers),
                      kYes);
    }
    p.EndDoc();
}

}  // namespace kord
