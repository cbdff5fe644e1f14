#include "review/DimensioningWindow.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "engine/AppliedLaminate.h"
#include "engine/DesignState.h"
#include "engine/MessageTexts.h"
#include "kit/Exit.h"
#include "kit/Help.h"
#include "kit/ProgramState.h"
#include "kit/RowKit.h"
#include "platform/Host.h"
#include "platform/NumberFormat.h"
#include "platform/Symbols.h"
#include "platform/TextMetrics.h"
#include "review/ResultsWindow.h"

namespace kord {

FormSlot<FrmDim> frmDim;

namespace {

const Font& kWindowFont = kRowFont;
const Font& kBoldFont = kRowBoldFont;

// Layout in twips. The window's client area, the two frames on top of each other, the buttons
// below them.
constexpr int kClientWidth = 6855, kClientHeight = 4830;
constexpr int kFrameLeft = 100, kFrameTop = 150;
constexpr int kFrameWidth = kClientWidth - 2 * kFrameLeft, kFrameHeight = 3930;
constexpr int kTextX = 120;
constexpr int kButtonH = 345;
constexpr int kValueW = 800, kComputeW = 1200;

// Rows of both frames, from the top.
constexpr int kRowWanted = 300, kRowWanted2 = 540, kRowWanted3 = 780;
constexpr int kRowRequired = 1080, kRowSheet = 1380;
constexpr int kRowSize = 1830, kRowSize2 = 2160, kRowCompute = 2520;
constexpr int kRowCount = 2970, kRowApplied = 3270, kRowTotal = 3600;
// The layer frame has one size row: its lower rows stand higher.
constexpr int kLayerRise = kRowSize2 - kRowSize;

int TextW(const std::string& text, const Font& f) {
    return TextWidthTwips(text, f);
}

const char* FewerThanRequired(bool strips) {
    return strips ? "Wprowadzana wartość nie powinna być mniejsza od liczby wymaganych taśm "
                    "wzmacniających."
                  : "Wprowadzana wartość nie powinna być mniejsza od liczby wymaganych warstw "
                    "wzmocnienia.";
}

struct Columns {
    int equals;  // the equals sign of a symbol
    int value;   // values and boxes
    int unit;
};

// The columns stand against the frame's right edge, so that the widest unit fits; each symbol
// ends at the equals sign, so a narrow one stays clear of a long row text.
Columns ColumnsOf() {
    Columns c{};
    c.unit = kFrameWidth - 60 - TextW("[ N/mm   ]", kWindowFont);
    c.value = c.unit - 90 - kValueW;
    c.equals = c.value - 60 - TextW("=", kWindowFont);
    return c;
}

// The letter followed by blanks and "=", the sign as close as blanks get it to the column.
std::string PaddedLetter(const std::string& letter, int width) {
    std::string s = letter;
    while (std::abs(TextW(s + " ", kWindowFont) - width) < std::abs(TextW(s, kWindowFont) - width))
        s += " ";
    return s + "=";
}

}  // namespace

// The rows' own parts: each symbol ends at the equals sign, values and boxes stand in their column.
class DimRows {
  public:
    DimRows(FrmDim& w, Control& frame, int& next) : k(w, &frame, next), cols(ColumnsOf()) {}

    // The letter with its equals sign in one label, the subscript in its blanks.
    void Symbol(Label& letter, Label& sub, const std::string& letterText,
                const std::string& subText, int y) {
        const int x = SymbolLeft(TextW(letterText, kWindowFont), subText);
        k.Symbol(letter, sub, PaddedLetter(letterText, cols.equals - x), subText, x, y);
    }
    void Symbol(const std::string& letterText, const std::string& subText, int y) {
        const int x = SymbolLeft(TextW(letterText, kWindowFont), subText);
        k.Symbol(PaddedLetter(letterText, cols.equals - x), subText, x, y);
    }
    // Where a symbol of a letter that wide starts, to end at the equals sign.
    int SymbolLeft(int letterW, const std::string& subText) const {
        return cols.equals - 45 - letterW - TextW(subText, kSubscriptFont);
    }
    void Text(Label& l, const std::string& text, int y) { k.Text(l, text, kTextX, y); }
    void Text(const std::string& text, int y) { k.Text(text, kTextX, y); }
    void Value(Label& v, int y, bool bold = false) {
        k.Value(v, cols.value, y, kValueW, bold ? kBoldFont : kWindowFont);
    }
    void Box(TextBox& box, int y) { k.Box(box, cols.value, y, kValueW); }
    void Unit(const std::string& unit, int y) { k.Unit(unit, cols.unit, y); }
    void Unit(Label& u, Label* two, const std::string& unit, int y) {
        k.Unit(u, two, unit, cols.unit, y);
    }

    RowKit k;
    const Columns cols;
};

void PlaceButton(CommandButton& b, const std::string& caption, int x, int y, int width) {
    b.SetCaption(caption);
    b.Move(x, y, width, kButtonH);
}

FrmDim::FrmDim() : Window("frmDim") {
    SetCaption("Wprowadzanie wymiarów elementu wzmacniającego");
    SetFont(kWindowFont);
    SetSize(kClientWidth, kClientHeight);
    SetBorder(BorderStyle::FixedDialog);
    SetShowInTaskbar(false);

    Frame1.SetCaption("Wzmocnienie elementów zginanych");
    Frame2.SetCaption("Wzmocnienie elementów ścinanych");
    for (Frame* f : {&Frame1, &Frame2}) f->Move(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);

    BuildStripFrame();
    BuildLayerFrame();
    BuildButtons();

    // The width of a strip cannot exceed the width of the section it is bonded to.
    const DesignState& s = State();
    rules_ = std::make_unique<FieldRules>(*this, kNotNumberMessage, kWarningTitle);
    rules_->Add(Text1, Range(kRangeHead, {5}, {10 * s.b, Bound::kPlain}, " mm.", true));
    rules_->Add(Text2, Range(kRangeHead, {0.05, 2}, {20}, " mm.", true));
    rules_->Add(Text3, Range(kRangeHead, {0.05, 2}, {10}, " mm.", true));
    rules_->AddEntry(Text4);
    rules_->AddEntry(Text5);
    // These leave the window: leaving a field towards them checks nothing.
    rules_->Exempt(Command2);
    rules_->Exempt(Command1);

    Text4.Change = [this] { Text4_Change(); };
    Text5.Change = [this] { Text5_Change(); };
}

void FrmDim::BuildStripFrame() {
    DimRows k(*this, Frame1, freshLabel_);
    const Columns& c = k.cols;

    k.Text("Pożądane:", kRowWanted);
    const struct {
        Label* value;
        const char* sub;
        int y;
    } wanted[] = {{&Label32, "rd", kRowWanted},
                  {&Label48, "ser,r", kRowWanted2},
                  {&Label55, "ser,q-p", kRowWanted3}};
    for (const auto& m : wanted) {
        k.Symbol("M", m.sub, m.y);
        k.Value(*m.value, m.y);
        k.Unit("[ kNm ]", m.y);
    }

    k.Text("Wymagany przekrój wzmocnienia:", kRowRequired);
    k.Symbol("A", "f", kRowRequired);
    k.Value(Label8, kRowRequired);
    k.Unit("[ mm   ]", kRowRequired);

    PlaceButton(Command6_0, " Właściwości materiałów Vendrik Plankor", kTextX, kRowSheet,
                c.unit + TextW("[ kNm ]", kWindowFont) - kTextX);

    k.Text("Szerokość taśm wzmacniających:", kRowSize);
    k.Box(Text1, kRowSize);
    k.Unit("[ mm ]", kRowSize);
    k.Text("Grubość taśm wzmacniających:", kRowSize2);
    k.Box(Text2, kRowSize2);
    k.Unit("[ mm ]", kRowSize2);

    PlaceButton(Command3, "Obliczenia", c.value + kValueW - kComputeW, kRowCompute, kComputeW);

    k.Text("Liczba wymaganych taśm:", kRowCount);
    k.Value(Label4, kRowCount, true);
    k.Text(Label59, "Liczba zastosowanych taśm wzmacniających:", kRowApplied);
    k.Box(Text5, kRowApplied);
    Label59.SetEnabled(false);
    Text5.SetEnabled(false);

    k.Text("Przekrój poprzeczny zastosowanego wzmocnienia:", kRowTotal);
    k.Symbol("A", "f", kRowTotal);
    k.Value(Label7, kRowTotal);
    k.Unit("[ mm   ]", kRowTotal);

    // Reading order: the data-sheet button stands above the sizes.
    int tab = 0;
    for (Control* ctl :
         std::initializer_list<Control*>{&Command6_0, &Text1, &Text2, &Command3, &Text5})
        ctl->SetTabIndex(tab++);
    Command3.Click = [this] { Command3_Click(); };
    Command6_0.Click = [this] { Command6_Click(0); };
}

void FrmDim::BuildLayerFrame() {
    DimRows k(*this, Frame2, freshLabel_);
    const Columns& c = k.cols;

    // Shear wants a force, confinement a strength and a strain; the load shows one of them.
    k.Text("Pożądane:", kRowWanted);
    k.Symbol(Label34, Label36, "V", "fd", kRowWanted);
    k.Value(Label35, kRowWanted);
    k.Unit(Label37, nullptr, "[ kN ]", kRowWanted);

    k.Symbol(Label38, Label40, "f", "cc", kRowWanted);
    k.Value(Label39, kRowWanted);
    k.Unit(Label41, &Label42, "[ N/mm   ]", kRowWanted);
    // The epsilon gets its letter at load; its equals sign stands apart, in the window font.
    const int epsilonW = TextW(SymbolChar(101), kGreekFont);
    const int epsilonX = k.SymbolLeft(epsilonW, "cu");
    k.k.Greek(Label47, 101, epsilonX, kRowWanted2 - 30);
    k.k.Subscript(Label44, "cu", epsilonX + epsilonW, kRowWanted2);
    k.k.Text(Label52, "=", c.equals, kRowWanted2);
    k.Value(Label43, kRowWanted2);
    k.Unit(Label45, nullptr, "[  -  ]", kRowWanted2);

    k.Text("Wymagana grubość wzmocnienia:", kRowRequired);
    k.Symbol("t", "f", kRowRequired);
    k.Value(Label14, kRowRequired);
    k.Unit("[ mm ]", kRowRequired);

    PlaceButton(Command6_1, "Własności taśm Vendrik Plankor", kTextX, kRowSheet,
                c.unit + TextW("[ kNm ]", kWindowFont) - kTextX);

    k.Text("Grubość pojedynczej warstwy wzmocnienia:", kRowSize);
    k.Box(Text3, kRowSize);
    k.Unit("[ mm ]", kRowSize);

    PlaceButton(Command4, "Obliczenia", c.value + kValueW - kComputeW, kRowCompute - kLayerRise,
                kComputeW);

    k.Text("Wymagana liczba warstw wzmocnienia:", kRowCount - kLayerRise);
    k.Value(Label11, kRowCount - kLayerRise, true);
    k.Text(Label58, "Liczba zastosowanych warstw wzmocnienia:", kRowApplied - kLayerRise);
    k.Box(Text4, kRowApplied - kLayerRise);
    Label58.SetEnabled(false);
    Text4.SetEnabled(false);

    k.Text("Grubość wszystkich warstw wzmocnienia:", kRowTotal - kLayerRise);
    k.Symbol("t", "f", kRowTotal - kLayerRise);
    k.Value(Label27, kRowTotal - kLayerRise);
    k.Unit("[ mm ]", kRowTotal - kLayerRise);

    int tab = 10;
    for (Control* ctl : std::initializer_list<Control*>{&Command6_1, &Text3, &Command4, &Text4})
        ctl->SetTabIndex(tab++);
    Command4.Click = [this] { Command4_Click(); };
    Command6_1.Click = [this] { Command6_Click(1); };
}

void FrmDim::BuildButtons() {
    // The blanks break the two captions onto two lines.
    const int top = kFrameTop + kFrameHeight + 90;
    const int height = kClientHeight - top - 90;
    Command2.SetCaption("      Powrót      (bez uaktualnienia)");
    Command2.Move(kFrameLeft, top, 2400, height);
    Command5.SetCaption("        Powrót         (z uaktualnieniem)");
    Command5.Move(kFrameLeft + 2520, top, 2400, height);
    Command1.SetCaption("Wyjście");
    Command1.Move(kClientWidth - kFrameLeft - 1400, top, 1400, height);
    int tab = 20;
    for (CommandButton* b : {&Command2, &Command5, &Command1}) b->SetTabIndex(tab++);
    SetDefaultButton(&Command2);
    Command5.SetEnabled(false);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command5.Click = [this] { Command5_Click(); };
}

void FrmDim::Form_Load() {
    const DesignState& s = State();
    Frame1.Move(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
    Frame2.Move(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
    Label47.SetCaption(SymbolChar(101));

    if (s.ResultKind == Shear || s.ResultKind == Confinement) {
        const bool shear = s.ResultKind == Shear;
        Frame2.ZOrder(0);
        Frame2.SetCaption(shear ? "Shear Strengthening" : "Confinement");
        for (Label* l : {&Label34, &Label35, &Label36, &Label37}) l->SetVisible(shear);
        for (Label* l : {&Label38, &Label39, &Label40, &Label41, &Label42, &Label47, &Label44,
                         &Label52, &Label43, &Label45})
            l->SetVisible(!shear);
        if (shear) {
            Label35.SetCaption(FormatPattern(s.Vfd_calc, "###0.00"));
        } else {
            Label39.SetCaption(FormatPattern(s.fcc, "##0.00"));
            Label43.SetCaption(FormatPattern(s.eps_cu, "0.00000"));
        }
        Label14.SetCaption(FormatPattern(10 * (shear ? s.tf : s.tf_c), "##0.00"));
        // The window opens on the size to type, below the data-sheet button.
        Text3.SetFocus();
    } else {
        Frame1.ZOrder(0);
        Label32.SetCaption(FormatPattern(s.Msd, "###0.00"));
        Label48.SetCaption(FormatPattern(s.Mser_r, "###0.00"));
        Label55.SetCaption(FormatPattern(s.Mser_qp, "###0.00"));
        Label8.SetCaption(
            FormatPattern(100 * std::max({s.Af_req, s.Af_req_r, s.Af_req_qp}), "####0.00"));
        Text1.SetFocus();
    }
}

void FrmDim::Command3_Click() {
    DimensionStrips();
}

void FrmDim::Command4_Click() {
    DimensionLayers();
}

bool FrmDim::DimensionStrips() {
    const std::optional<double> width = ParseNumber(Text1.Text());
    const std::optional<double> thickness = ParseNumber(Text2.Text());
    auto refuse = [this](const char* message) {
        Warn(message, kTightWarningTitle);
        Text1.SetFocus();
    };
    if (!width || !thickness || *width < 5 || *width > 600 || *thickness < 0.05 ||
        *thickness > 20) {
        refuse("Proszę podać wymiary wzmocnienia.");
        return false;
    }
    // The count follows the area as shown, in mm².
    const double required = ParseNumber(Label8.Caption()).value_or(0);
    const std::optional<int> count = WholeCount(required / (*thickness * *width), kMaxStrips);
    if (!count) {
        refuse("Podane wymiary wzmocnienia są zbyt małe.");
        return false;
    }

    DesignState& s = State();
    s.bf_strip = *width;
    s.tf_strip = *thickness;
    s.n_strips = *count;
    s.Af_applied = s.tf_strip * s.bf_strip * s.n_strips / 100;
    dimensioned_ = true;
    const std::string text = FormatGeneral(*count);
    Label4.SetCaption(text);
    Text5.SetText(text);
    Label7.SetCaption(FormatPattern(100 * s.Af_applied, "####0.00"));
    Command5.SetEnabled(true);
    SetDefaultButton(&Command5);
    Text5.SetEnabled(true);
    Label59.SetEnabled(true);
    return true;
}

bool FrmDim::DimensionLayers() {
    const std::optional<double> thickness = ParseNumber(Text3.Text());
    auto refuse = [this](const char* message) {
        Warn(message, kTightWarningTitle);
        Text3.SetFocus();
    };
    if (!thickness || *thickness < 0.05 || *thickness > 10) {
        refuse("Proszę podać grubość pojedynczego wzmocnienia.");
        return false;
    }
    DesignState& s = State();
    const bool shear = s.ResultKind == Shear;
    const std::optional<int> count =
        WholeCount(10 * (shear ? s.tf : s.tf_c) / *thickness, kMaxLayers);
    if (!count) {
        refuse(
            "Podana grubość pojedynczego wzmocnienia jest zbyt mała i powoduje konieczność "
            "zastosowania zbyt dużej liczby warstw. Proszę przyjąć wzmocnienie o większej "
            "grubości.");
        return false;
    }

    s.tf_layer = *thickness;
    s.n_layers = *count;
    const double total = s.n_layers * s.tf_layer / 10;
    (shear ? s.tf_total_shear : s.tf_total_conf) = total;
    dimensioned_ = true;
    const std::string text = FormatGeneral(*count);
    Label11.SetCaption(text);
    Text4.SetText(text);
    Label27.SetCaption(FormatPattern(10 * total, "##0.000"));
    Command5.SetEnabled(true);
    SetDefaultButton(&Command5);
    Text4.SetEnabled(true);
    Label58.SetEnabled(true);
    return true;
}

void FrmDim::Text4_Change() {
    CountChanged(Text4, Label27, false);
}

void FrmDim::Text5_Change() {
    CountChanged(Text5, Label7, true);
}

void FrmDim::CountChanged(TextBox& box, Label& total, bool strips) {
    const std::optional<double> v = ParseNumber(box.Text());
    if (!v) {
        Command5.SetEnabled(false);
        return;
    }
    const DesignState& s = State();
    if (strips)
        total.SetCaption(FormatPattern(*v * s.bf_strip * s.tf_strip, "####0.00"));
    else
        total.SetCaption(FormatPattern(*v * s.tf_layer, "##0.000"));
    // Any number may be sent to the recomputation, which refuses what cannot be applied.
    if (dimensioned_) Command5.SetEnabled(true);
    if (restoringCount_) return;

    if (*v < (strips ? s.n_strips : s.n_layers)) {
        Warn(FewerThanRequired(strips), kWarningTitle);
        box.SetFocus();
    } else if (*v != std::floor(*v)) {
        Warn(strips ? "Wprowadzana wartość (liczba taśm wzmacniających) powinna być liczba "
                      "całkowitą."
                    : "Wprowadzana wartość (liczba warstw wzmocnienia) powinna być liczba "
                      "całkowitą.",
             kWarningTitle);
        box.SetFocus();
    }
}

bool FrmDim::SizesChanged(bool strips) const {
    const DesignState& s = State();
    if (!strips) return ParseNumber(Text3.Text()) != s.tf_layer;
    return ParseNumber(Text1.Text()) != s.bf_strip || ParseNumber(Text2.Text()) != s.tf_strip;
}

bool FrmDim::Recount(TextBox& box, bool strips) {
    // The count "Obliczenia" proposed follows the new sizes; one the user typed stays.
    const std::string count = box.Text();
    const bool typed = count != (strips ? Label4 : Label11).Caption();
    if (!(strips ? DimensionStrips() : DimensionLayers())) return false;
    if (typed) {
        restoringCount_ = true;
        box.SetText(count);
        restoringCount_ = false;
    }
    return true;
}

void FrmDim::Command5_Click() {
    const bool strips = State().ResultKind != Shear && State().ResultKind != Confinement;
    TextBox& box = strips ? Text5 : Text4;
    // The laminate applied is the one the boxes show: sizes changed since "Obliczenia" are
    // counted again first, and a count refused there applies nothing.
    if (SizesChanged(strips) && !Recount(box, strips)) return;
    const std::optional<double> count = ParseNumber(box.Text());
    if (!count) {
        Command5.SetEnabled(false);
        return;
    }
    if (*count < (strips ? State().n_strips : State().n_layers)) {
        Warn(FewerThanRequired(strips), kWarningTitle);
        box.SetFocus();
        return;
    }
    std::optional<std::string> refusal;
    {
        BusyPointer busy;
        refusal = ApplyChosenLaminate(State(), *count);
    }
    if (refusal) {
        Warn(*refusal, kTightWarningTitle);
        box.SetFocus();
        return;
    }
    if (frmResult.Exists()) frmResult().ShowAppliedLaminate();
    Unload();
}

void FrmDim::Command2_Click() {
    Unload();
}

void FrmDim::Command1_Click() {
    ExitProgram(*this);
}

void FrmDim::Command6_Click(int) {
    OpenMaterialDataSheet();
}

}  // namespace kord
