#include "report/ConfinementSection.h"

#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "platform/PrinterSurface.h"
#include "report/PageFrame.h"
#include "report/ReportInputs.h"
#include "report/ShearSection.h"

namespace kord {

namespace {

constexpr int kEpsilon = 101;
constexpr PageCheck kNo = PageCheck::No;

std::string Plain(double v) {
    return FormatGeneral(v);
}

void Blank() {
    PrintBlankLine(8, kNo);
}

}  // namespace

void PrintConfinementSection(const ReportInputs& in) {
    PrinterSurface& p = Printer();
    DesignState& s = State();

    PrintCaseHead("WZMACNIANIA NA ŚCISKANIE", in.drawing[Confinement]);

    // Neither option set keeps the text of the last report.
    if (in.rectangularColumn) s.ColumnSectionText = "Prostokątny";
    if (in.circularColumn) s.ColumnSectionText = "Kołowy";

    // The inputs, without page checks.
    PrintHeading(kBodyColumn, "Typ przekroju poprzecznego", kNo);
    PrintTextLine(kBodyColumn, "     " + s.ColumnSectionText, kNo);
    Blank();
    PrintHeading(kBodyColumn, "Geometria przekroju poprzecznego", kNo);
    if (in.rectangularColumn) {
        PrintTextLine(kBodyColumn, "     Szerokość    b = " + Plain(s.b / 100) + " m", kNo);
        PrintTextLine(kBodyColumn, "     Wysokość    h = " + Plain(s.h / 100) + " m", kNo);
        PrintTextLine(kBodyColumn, "     Promień w narożniku    R = " + Plain(s.R / 100) + " m",
                      kNo);
    }
    if (in.circularColumn)
        PrintTextLine(kBodyColumn, "     Średnica    D = " + Plain(s.D / 100) + " m", kNo);
    Blank();
    PrintConcreteLines(in, Confinement);
    Blank();
    PrintHeading(kBodyColumn, "Kompozyt", kNo);
    PrintValueLine("     Moduł sprężystości    E", {0, "f"}, Plain(s.Ef), Squared(" kN/mm"), kNo);
    // The rupture strain and its factor exactly as typed; their product as computed.
    PrintValueLine("     Wydłużenie przy zerwaniu    ", {kEpsilon, "fu"}, in.ruptureStrain, "",
                   kNo);
    PrintLine(
        kBodyColumn,
        {TextPiece("     Obliczeniowa wartość wydłużenia przy zerwaniu    "), GreekPiece(kEpsilon),
         SubscriptPiece("fu,e"), TextPiece(" = " + in.ruptureStrainFactor + " x "),
         GreekPiece(kEpsilon), SubscriptPiece("fu"), TextPiece(" = " + Plain(s.eps_fu_e))},
        kNo);
    Blank();
    PrintHeading(kBodyColumn, "Forma wzmocnienia", kNo);
    if (in.confinementSheet) {
        PrintTextLine(kBodyColumn, "     Mata", kNo);
    } else {
        PrintTextLine(kBodyColumn, "     Taśmy", kNo);
        PrintValueLine("     Szerokość    b", {0, "f"}, Plain(s.bf_c / 100), " m", kNo);
        PrintValueLine("     Odległość w osiach taśmy    s", {0, "f"}, Plain(s.sf_c / 100), " m",
                       kNo);
    }
    Blank();
    PrintHeading(kBodyColumn, "Wymagania", kNo);

    // From the requirements on, the page is checked after the lines that call for it.
    const std::string stress = Squared(" N/mm");
    if (in.strengthRequired) {
        PrintTextLine(kBodyColumn, "     Przyrost średniej wytrzymałości", kNo);
        PageBreak();
        PrintValueLine("     Średnia wytrzymałość po wzmocnieniu    f", {0, "cc"}, Plain(s.fcc_req),
                       stress, kNo);
        PageBreak();
    }
    if (in.strainRequired) {
        PrintTextLine(kBodyColumn, "     Przyrost odkształcenia przy zniszczeniu", kNo);
        PageBreak();
        PrintValueLine("     Odkształcenie przy zniszczeniu po wzmocnieniu    ", {kEpsilon, "cu"},
                       Plain(s.eps_cu_req), "", kNo);
        PageBreak();
    }
    Blank();
    PrintHeading(kBodyColumn, "Wyniki", kNo);
    PageBreak();

    const std::string required = FormatPattern(s.tf_c * 10, "##0.00");
    if (!s.LaminateApplied) {
        PrintValueLine("     Wymagana grubość wzmocnienia    t", {0, "f"}, required, " mm", kNo);
        PageBreak();
        PrintValueLine("     Średnia wytrzymałość po wzmocnieniu    f", {0, "cc"},
                       FormatPattern(s.fcc, "##0.00"), stress, kNo);
        PageBreak();
        PrintValueLine("     Odkształcenie przy zniszczeniu po wzmocnieniu    ", {kEpsilon, "cu"},
                       FormatPattern(s.eps_cu, "0.00000"), "", kNo);
    } else {
        PrintValueLine("     Wymagana grubość wzmocnienia    t", {0, "f"}, required, " mm", kNo);
        PageBreak();
        PrintValueLine("     Zastosowana grubość wzmocnienia    t", {0, "f"},
                       FormatPattern(s.applied_tf_total * 10, "##0.00"), " mm", kNo);
        PageBreak();
        PrintValueLine("     Średnia wytrzymałość po wzmocnieniu    f", {0, "cc"},
                       FormatPattern(s.fcc_applied, "##0.00"), stress, kNo);
        PageBreak();
        PrintValueLine("     Odkształcenie przy zniszczeniu po wzmocnieniu    ", {kEpsilon, "cu"},
                       FormatPattern(s.eps_cu_applied, "0.00000"), "", kNo);
        Blank();
        PageBreak();
        PrintHeading(kBodyColumn, "Zastosowane wzmocnienie", kNo);
        PageBreak();
        PrintTextLine(kBodyColumn, "     Grubość    " + Plain(s.applied_tf_layer) + " mm", kNo);
        PageBreak();
        PrintTextLine(kBodyColumn,
                      "     Wymagana liczba warstw wzmocnienia    " + Plain(s.applied_n_layers),
                      kNo);
    }
    p.EndDoc();
}

}  // namespace kord
