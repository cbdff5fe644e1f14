#include "report/FlexureReport.h"

#include <string>

#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "platform/PrinterSurface.h"
#include "report/PageFrame.h"
#include "report/ReportInputs.h"
#include "report/ShearSection.h"
#include "report/sections/AnchorageSection.h"
#include "report/sections/FlexureResults.h"
#include "report/sections/StrainSection.h"

namespace kord {

namespace {

constexpr int kResultsColumn = 9;
constexpr int kPhi = 106;
constexpr int kEpsilon = 101;
constexpr PageCheck kNo = PageCheck::No;

std::string Plain(double v) {
    return FormatGeneral(v);
}

void Blank() {
    PrintBlankLine(8, kNo);
}

// A steel layer: its area in mm² and its distance from the face in m, on one line.
void PrintSteelLayer(const std::string& label, const std::string& layer, double areaCm2,
                     double depthCm) {
    PrintLine(kBodyColumn,
              {TextPiece(label), SubscriptPiece("s" + layer),
               TextPiece(" = " + Plain(areaCm2 * 100) + Squared(" mm") + "      w odległości    d"),
               SubscriptPiece(layer), TextPiece(" = " + Plain(depthCm / 100) + " m")},
              kNo);
}

void PrintInputData(const ReportInputs& in) {
    DesignState& s = State();

    if (in.tSection) s.SectionTypeText = "Teowy";
    if (in.rectangularSection) s.SectionTypeText = "Prostokątny";

    PrintHeading(kBodyColumn, "Typ przekroju poprzecznego", kNo);
    PrintTextLine(kBodyColumn, "     " + s.SectionTypeText, kNo);
    Blank();

    PrintHeading(kBodyColumn, "Geometria przekroju poprzecznego", kNo);
    PrintTextLine(kBodyColumn, "     Szerokość    b = " + Plain(s.b / 100) + " m", kNo);
    if (in.tSection)
        PrintValueLine("     Szerokość półki    b", {0, "eff"}, Plain(s.beff / 100), " m", kNo);
    PrintTextLine(kBodyColumn, "     Wysokość    h = " + Plain(s.h / 100) + " m", kNo);
    if (in.tSection)
        PrintValueLine("     Grubość półki    h", {0, "f"}, Plain(s.hf / 100), " m", kNo);
    Blank();

    PrintConcreteLines(in, Flexure);
    PrintValueLine("     Współczynnik pełzania    ", {kPhi, ""}, Plain(s.phi), "", kNo);
    Blank();

    PrintHeading(kBodyColumn, "Kompozyt", kNo);
    PrintValueLine("     Moduł sprężystości    E", {0, "f"}, Plain(s.Ef), Squared(" kN/mm"), kNo);
    PrintValueLine("     Odkształcenie graniczne    ", {kEpsilon, "f,lim"}, Plain(s.eps_f_lim), "",
                   kNo);
    Blank();

    PrintHeading(kBodyColumn, "Zbrojenie", kNo);
    PrintValueLine("     Moduł sprężystości    E", {0, "s"}, Plain(s.Es), Squared(" kN/mm"), kNo);
    PrintValueLine("     Charakterystyczne granica plastyczności    f", {0, "yk"}, Plain(s.fyk),
                   Squared(" N/mm"), kNo);
    // All three layers, given or not.
    PrintSteelLayer("     Górne    A", "2", s.As2, s.d2);
    PrintSteelLayer("     Dolne    A", "12", s.As12, s.d12);
    PrintSteelLayer("     Dolne    A", "11", s.As11, s.d11);
    Blank();

    PrintHeading(kBodyColumn, "Momenty zginające", kNo);
    PrintValueLine("     Moment zginający podczas wzmacniania (początkowy)    M", {0, "o"},
                   Plain(s.Mo), " kNm", kNo);
    PrintValueLine("     Moment zginający wymagany po wzmocnieniu    M", {0, "sd"}, Plain(s.Msd),
                   " kNm", kNo);
    PrintValueLine("     Moment zginający od obciążenia zmiennego o wartościach wyjątkowych    M",
                   {0, "ser,r"}, Plain(s.Mser_r), " kNm", kNo);
    PrintValueLine(
        "     Moment zginający od obciążenia zmiennego o wartościach prawie stałych    M",
        {0, "ser,q-p"}, Plain(s.Mser_qp), " kNm", kNo);
    Blank();
}

}  // namespace

void PrintFlexureReport(const ReportInputs& in) {
    PrinterSurface& p = Printer();
    PrintCaseHead("WZMACNIANIE NA ZGINANIE", in.drawing[Flexure]);
    PrintInputData(in);

    // The first page check of the report, at size S + 2: a page number printed here is at S.
    p.SetFontSize(p.FontSize() + 2);
    PrintTextLine(kResultsColumn, "Wyniki", PageCheck::Yes);
    p.SetFontSize(p.FontSize() - 2);

    PrintFlexureResults();
    if (State().PrintStrain) PrintStrainSection();
    if (State().PrintBond) PrintAnchorageCheck();
    p.EndDoc();
}

}  // namespace kord
