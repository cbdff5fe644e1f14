#include "report/sections/StrainSection.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/DesignState.h"
#include "engine/StrainQuantities.h"
#include "kit/ProgramState.h"
#include "platform/PrinterSurface.h"
#include "report/PageFrame.h"
#include "report/sections/FlexureResults.h"

namespace kord {

namespace {

constexpr int kEpsilon = 101;
constexpr int kXi = 120;

constexpr double kLeadIn = 80;
constexpr const char* kStrain = "0.00000";

// The blank lines of this section go without a page check: the next heading makes it.
void Separator() {
    PrintBlankLine(8, PageCheck::No);
}

// An underlined block heading whose symbol carries a subscript: the subscript and the closing
// bracket are underlined too.
void BlockHeading(const char* text, const char* subscript) {
    PrinterSurface& p = Printer();
    const std::vector<LinePiece> pieces{TextPiece(text), SubscriptPiece(subscript),
                                        TextPiece(" )")};
    p.SetFontUnderline(true);
    PrintLine(kBodyColumn, pieces);
    p.SetFontUnderline(false);
}

// A strain line; a strain that cannot be computed prints "-".
void StrainLine(const char* label, const char* subscript, std::optional<double> strain) {
    PrintValueLine(label, {kEpsilon, subscript}, ShownValue(strain, kStrain), "");
}

struct Block {
    StrainState state;
    const char* heading;
    const char* subscript;
};

void PrintBlock(const Block& b) {
    const DesignState& s = State();
    const StrainState st = b.state;
    BlockHeading(b.heading, b.subscript);

    const std::string depth = ShownValue(NeutralAxisDepth(s, st) / 100, "#0.000");
    if (st == StrainState::Initial)
        PrintValueLine("     Oś obojętna przekroju    x", {0, "o"}, depth, " m");
    else
        PrintTextLine(kBodyColumn, "     Oś obojętna przekroju    x = " + depth + " m");

    StrainLine("     Górne włókna    ", st == StrainState::Initial ? "co" : "c",
               TopFibreStrain(s, st));
    // The bottom bars of every state follow the soffit strain.
    const struct {
        SteelLayer layer;
        const char* label;
        const char* subscript;
    } layers[] = {{SteelLayer::Top2, "     Górne zbrojenie    ", "s2"},
                  {SteelLayer::Bottom12, "     Dolne zbrojenie    ", "s12"},
                  {SteelLayer::Bottom11, "     Dolne zbrojenie    ", "s11"}};
    for (const auto& l : layers)
        if (LayerPresent(s, l.layer))
            StrainLine(l.label, l.subscript, BarStrain(s, st, l.layer, BarGradient::Soffit));

    // The composite where it acts, else the bottom fibres.
    StrainLine(CompositeActs(s, st) ? "     Wzmocnienie    " : "     Dolne włókna    ",
               BottomRowSubscript(s, st), BottomRowStrain(s, st));

    if (st == StrainState::Ultimate) {
        // The mode of the state printed, decided afresh: after a recomputation for the applied
        // laminate it may differ from what the strain window showed before.
        const std::string mode = FailureModeCaption(DecideFailureMode(s));
        const std::string line = "     Forma zniszczenia: " + (mode.empty() ? "-" : mode);
        PrintTextLine(kBodyColumn, line);
    }
}

// Whether a plastic hinge forms at the ultimate state, by the same rule as the strain window.
void PrintPlasticHingeCheck() {
    const DesignState& s = State();
    PrintHeading(kBodyColumn, "Uplastycznienie przekroju (dla stanu granicznego nośności)");
    PrintLine(kBodyColumn,
              {TextPiece("     "), GreekPiece(kXi), TextPiece(" = x/(h-d"),
               SubscriptPiece(OuterLayerNumber(s)), TextPiece(") = " + RelativeDepthText(s))});
    PrintLine(kBodyColumn, {TextPiece("     Maksimum "), GreekPiece(kXi),
                            TextPiece(std::string(" = ") + PlasticHingeLimitText(s))});
    const std::optional<bool> forms = PlasticHingeForms(s);
    PrintTextLine(kBodyColumn, std::string("     ") + (forms ? PlasticHingeVerdict(*forms) : "-"));
}

}  // namespace

void PrintStrainSection() {
    PrinterSurface& p = Printer();
    Separator();
    p.SetFontSize(p.FontSize() + 2);
    PrintTextLine(kBodyColumn, "Odkształcenia przekroju poprzecznego");
    p.SetFontSize(p.FontSize() - 2);
    p.SetCurrentY(p.CurrentY() + kLeadIn);

    const Block blocks[] = {
        {StrainState::Initial, "Sytuacja początkowa podczas wzmacniania  ( M", "o"},
        {StrainState::Ultimate, "Stan graniczny nośności  ( M", "rd"},
        {StrainState::Rare,
         "Stan graniczny użytkowalności od obciążeń zmiennych o wartościach wyjątkowych  ( M",
         "ser,r"},
        {StrainState::QuasiPermanent,
         "Stan graniczny użytkowalności od obciążeń zmiennych o wartościach prawie stałych  ( M",
         "ser,q-p"},
    };
    for (const Block& b : blocks) {
        PrintBlock(b);
        Separator();
    }
    PrintPlasticHingeCheck();
}

}  // namespace kord
