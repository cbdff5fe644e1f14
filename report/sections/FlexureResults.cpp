#include "report/sections/FlexureResults.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "engine/ResultQuantities.h"
#include "engine/StrainQuantities.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "platform/PrinterSurface.h"
#include "platform/Symbols.h"
#include "report/PageFrame.h"
#include "report/ShearSection.h"

namespace kord {

namespace {

constexpr int kSigma = 115;
constexpr int kLessOrEqual = 163;

// The extra space between "Wyniki" and the first block.
constexpr double kLeadIn = 80;

// The kit's lines, each kept clear of the logo first.
void Line(const std::vector<LinePiece>& pieces) {
    PrintLine(kBodyColumn, pieces);
}

void Heading(const std::string& text) {
    PrintHeading(kBodyColumn, text);
}

void TextLine(const std::string& text) {
    PrintTextLine(kBodyColumn, text);
}

void ValueLine(const std::string& label, const ValueSymbol& symbol, const std::string& value,
               const std::string& unit) {
    PrintValueLine(label, symbol, value, unit);
}

std::string Value(double v, const char* pattern) {
    return FormatPattern(v, pattern);
}

std::string Area(double cm2) {
    return Value(cm2 * 100, "####0.00");
}

// "≤" when the check holds; a check that fails is not printed as passed: ">" in the report
// font, where "≤" would stand, with the blank the surface sets before "≤".
LinePiece Relation(bool within) {
    return within ? GreekPiece(kLessOrEqual) : TextPiece(" >");
}

void AreaLine(const char* label, double cm2) {
    ValueLine(label, {0, "f"}, Area(cm2), Squared(" mm"));
}

void RequiredAreaLine(double cm2) {
    AreaLine("     Wymagany przekrój wzmocnienia    A", cm2);
}

void AppliedAreaLine(double cm2) {
    AreaLine("     Zastosowany przekrój wzmocnienia    A", cm2);
}

void ClosingBlankLine() {
    PrintBlankLine(4);
}

void UltimateBlock(Strengthening variant) {
    const DesignState& s = State();
    const bool applied = variant == Strengthening::Applied;
    Heading("Stan graniczny nośności");
    ValueLine("     Nośność obliczeniowa przed wzmocnieniem    M", {0, "rd,o"},
              Value(s.MRd_o, "####0.00"), " kNm");
    RequiredAreaLine(s.Af_req);
    if (applied) AppliedAreaLine(s.applied_Af);
    ValueLine("     Nośność obliczeniowa po wzmocnieniu    M", {0, "rd"},
              Value(CapacityAfter(s, variant), "####0.00"), " kNm");
    // The ratio of the applied strips is printed one decimal finer.
    Line({TextPiece("     Stopień wzmocnienia    M"), SubscriptPiece("rd"), TextPiece(" / M"),
          SubscriptPiece("rd,o"),
          TextPiece(" = " +
                    ShownValue(StrengtheningRatio(s, variant), applied ? "#0.000" : "#0.00"))});
    ClosingBlankLine();
}

// What distinguishes the rare block from the quasi-permanent one.
struct ServiceabilityBlock {
    const char* heading;
    const char* momentBeforeSubscript;
    const char* momentSubscript;
    double momentBefore;
    double requiredArea;
    double moment;  // of the strengthened section in the variant printed
    double steelStress;
    bool steelWithin;
    double concreteStress;
    bool concreteWithin;
    const char* concreteFactor;  // " 0,6 x f" and the like, by DecimalComma
    double concreteLimit;
};

void PrintServiceabilityBlock(const ServiceabilityBlock& b, bool applied) {
    const DesignState& s = State();
    Heading(b.heading);
    ValueLine("     Wartość momentu przed wzmocnieniem    M", {0, b.momentBeforeSubscript},
              Value(b.momentBefore, "####0.00"), " kNm");
    RequiredAreaLine(b.requiredArea);
    if (applied) AppliedAreaLine(s.applied_Af);
    ValueLine("     Wartość momentu    M", {0, b.momentSubscript}, Value(b.moment, "####0.00"),
              " kNm");
    Line({TextPiece("     Naprężenia w stali    f"), SubscriptPiece(OuterLayerSubscript(s)),
          TextPiece(" = " + Value(b.steelStress, "####0.00")), Relation(b.steelWithin),
          TextPiece(Dec(" 0,8 x f", " 0.8 x f")), SubscriptPiece("yk"),
          TextPiece(" = " + Value(SteelStressLimit(s), "##0.00") + Squared(" N/mm"))});
    Line({TextPiece("     Naprężenia w betonie    "), GreekPiece(kSigma), SubscriptPiece("c"),
          TextPiece(" = " + Value(b.concreteStress, "##0.00")), Relation(b.concreteWithin),
          TextPiece(b.concreteFactor), SubscriptPiece("ck"),
          TextPiece(" = " + Value(b.concreteLimit, "##0.00") + Squared(" N/mm"))});
    ClosingBlankLine();
}

void RareBlock(bool applied) {
    const DesignState& s = State();
    PrintServiceabilityBlock(
        {.heading = "Stan graniczny użytkowalności od obciążeń zmiennych o wartościach wyjątkowych",
         .momentBeforeSubscript = "ser,r,o",
         .momentSubscript = "ser,r",
         .momentBefore = s.Mser_r_o,
         .requiredArea = s.Af_req_r,
         .moment = applied ? s.Mser_r_applied : s.Mser_r_calc,
         .steelStress = RareSteelStress(s),
         .steelWithin = RareSteelWithinLimit(s),
         .concreteStress = RareConcreteStress(s),
         .concreteWithin = RareConcreteWithinLimit(s),
         .concreteFactor = Dec(" 0,6 x f", " 0.6 x f"),
         .concreteLimit = RareConcreteLimit(s)},
        applied);
}

void QuasiPermanentBlock(bool applied) {
    const DesignState& s = State();
    PrintServiceabilityBlock(
        {.heading =
             "Stan graniczny użytkowalności od obciążeń zmiennych o wartościach prawie stałych",
         .momentBeforeSubscript = "ser,q-p,o",
         .momentSubscript = "ser,q-p",
         .momentBefore = s.Mser_qp_o,
         .requiredArea = s.Af_req_qp,
         .moment = applied ? s.Mser_qp_applied : s.Mser_qp_calc,
         .steelStress = QuasiPermanentSteelStress(s),
         .steelWithin = QuasiPermanentSteelWithinLimit(s),
         .concreteStress = QuasiPermanentConcreteStress(s),
         .concreteWithin = QuasiPermanentConcreteWithinLimit(s),
         .concreteFactor = Dec(" 0,45 x f", " 0.45 x f"),
         .concreteLimit = QuasiPermanentConcreteLimit(s)},
        applied);
}

const char* GoverningSentence(LimitState state) {
    switch (state) {
        case LimitState::Ultimate:
            return "     Decydujący wpływ na wynik końcowy ma stan graniczny nośności";
        case LimitState::Rare:
            return "     Decydujący wpływ na wynik końcowy ma stan graniczny użytkowalności od "
                   "obciążeń zmiennych o wartościach wyjątkowych";
        case LimitState::QuasiPermanent:
            break;
    }
    return "     Decydujący wpływ na wynik końcowy ma stan graniczny użytkowalności od obciążeń "
           "zmiennych o wartościach prawie stałych";
}

// The required areas of the design decide, in both variants: the recomputation for the applied
// laminate leaves them as they were.
void GoverningBlock() {
    const DesignState& s = State();
    Heading("Ostatecznie");
    // The serviceability sentences are wider than the page: the line kit continues them on the
    // next line.
    TextLine(GoverningSentence(GoverningLimitState(s)));
    ValueLine("     Ostateczny wymagany przekrój wzmocnienia    A", {0, "f"},
              Area(GoverningArea(s)), Squared(" mm"));
}

// The laminate of the last accepted recomputation, whose capacity and moments are printed; the
// dimensioning may have been run again since without recomputing.
void AppliedLaminateBlock() {
    const DesignState& s = State();
    PrintBlankLine(8);
    // Kept on the page of the blank line before it.
    PrintHeading(kBodyColumn, "Zastosowane wzmocnienie", PageCheck::No);
    TextLine("     Szerokość    " + FormatGeneral(s.applied_bf_strip) + " mm");
    TextLine("     Grubość    " + FormatGeneral(s.applied_tf_strip) + " mm");
    TextLine("     Liczba taśm    " + FormatGeneral(s.applied_n_strips));
    AppliedAreaLine(s.applied_Af);
}

}  // namespace

void PrintFlexureResults() {
    PrinterSurface& p = Printer();
    const Strengthening variant =
        State().LaminateApplied ? Strengthening::Applied : Strengthening::Required;
    const bool applied = variant == Strengthening::Applied;

    p.SetCurrentY(p.CurrentY() + kLeadIn);
    UltimateBlock(variant);
    RareBlock(applied);
    QuasiPermanentBlock(applied);
    GoverningBlock();
    if (applied) AppliedLaminateBlock();
    PageBreak();
}

}  // namespace kord
