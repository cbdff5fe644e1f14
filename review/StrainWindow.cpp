#include "review/StrainWindow.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "engine/DesignState.h"
#include "engine/StrainQuantities.h"
#include "kit/Exit.h"
#include "kit/Help.h"
#include "kit/ProgramState.h"
#include "platform/Symbols.h"
#include "platform/TextMetrics.h"
#include "review/StrainDiagrams.h"

namespace kord {

FormSlot<FrmStrain> frmStrain;

namespace {

using StateControls = StrainStateControls;

// The two forms of the bottom row of a serviceability state; their padding puts the equals sign
// where every row of a frame has it.
const char* const kCompositeRow = "Wzmocnienie                       =";
const char* const kBottomFibreRow = "Dolne włókna                      =";

const Font kWindowFont{"Arial", 9};
const Font kFrameFont{"Arial", 9, true};
const Font kFrameSubFont{"Arial", 7, true};
const Font kRowSymbolFont{"Symbol", 10};
const Font kRowSubFont{"Arial", 7};
const Font kPictureSymbolFont{"Symbol", 9};
const Font kPictureSubFont{"Arial", 6.75};
const Font kAxisFont{"Arial", 8.25};
const Font kButtonFont{"Arial", 9.75};

// Layout, in twips.
constexpr int kWindowWidth = 13170, kWindowHeight = 7785;
constexpr int kFrameWidth = 6495;
// The rows start close to the frame's edge, so that the depth's unit keeps its room from the
// picture beside it.
constexpr int kRowLeft = 75;
constexpr int kRowTop = 540, kRowPitch = 330, kRowHeight = 240;
constexpr int kValueWidth = 900;
// Where the group box draws its caption.
constexpr int kTitleLeft = 30, kTitleSubTop = 90;
constexpr int kContinuationTop = 240;

int TextW(const std::string& text, const kord::Font& f) {
    return TextWidthTwips(text, f);
}

// The row text followed by blanks and "=", the equals sign as close as blanks get it to eqX.
std::string Padded(const std::string& text, int eqX, const kord::Font& f) {
    std::string s = text;
    while (std::abs(TextW(s + " ", f) - eqX) < std::abs(TextW(s, f) - eqX)) s += " ";
    return s + "=";
}

// The texts of the rows other than the bottom one.
const char* const kRowTexts[] = {"Oś obojętna przekroju  x", "Górne włókna", "Górne zbrojenie",
                                 "Dolne zbrojenie", "Dolne zbrojenie"};

}  // namespace

FrmStrain::FrmStrain() : Window("frmStrain") {
    SetCaption("Wzmacnianie na zginanie - odkształcenia przekroju poprzecznego");
    SetFont(kWindowFont);
    SetSize(kWindowWidth, kWindowHeight);
    SetBorder(BorderStyle::FixedDialog);
    SetShowInTaskbar(false);

    Frame2.Move(60, 60, kFrameWidth, 3015);
    Frame1.Move(6600, 60, kFrameWidth, 3015);
    Frame3.Move(60, 3060, kFrameWidth, 3375);
    Frame4.Move(6600, 3060, kFrameWidth, 3015);
    Frame5.Move(60, 6420, kFrameWidth, 1215);
    for (Frame* f : {&Frame2, &Frame1, &Frame3, &Frame4, &Frame5}) f->SetFont(kFrameFont);
    for (PictureBox* p : {&Picture1, &Picture2, &Picture3, &Picture4}) {
        p->Move(3420, 540, 3000, 2400);
        p->SetBorder(true);
        p->SetFlatBorder(true);
        p->SetWindowColours(true);
        p->SetScale(100, 100);
    }

    BuildStateFrames();
    BuildPictureLabels();
    BuildHingeBlock();

    Command3.SetCaption("Pomoc");
    Command3.Move(8280, 7260, 1455, 375);
    Command2.SetCaption("Powrót");
    Command2.Move(9960, 7260, 1455, 375);
    Command1.SetCaption("Wyjście");
    Command1.Move(11640, 7260, 1455, 375);
    int tab = 1;
    for (CommandButton* b : {&Command3, &Command2, &Command1}) {
        b->SetFont(kButtonFont);
        b->SetTabIndex(tab++);
    }
    SetDefaultButton(&Command2);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
}

Label& FrmStrain::Lbl(const std::string& name) const {
    Control* c = Find(name);
    if (!c || c->Kind() != ControlKind::Label) throw std::out_of_range("no label " + name);
    return static_cast<Label&>(*c);
}

void FrmStrain::BuildStateFrames() {
    auto label = [this](const char* name, Control& container, const std::string& text,
                        const kord::Font& font, int x, int y) -> Label& {
        Label& l = Add<Label>(name, &container);
        l.SetFont(font);
        l.SetCaption(text);
        l.SetAutoSize(true);
        // Symbol labels are stored empty and sized for the letter they get at load.
        const std::string shown = text.empty() ? SymbolChar(101) : text;
        l.Move(x, y, TextW(shown, font) + 30, std::max(kRowHeight, TextHeightTwips(font)));
        return l;
    };

    // Frame captions; the subscripts of M and the second caption lines stand inside them.
    Frame2.SetCaption("Sytuacja początkowa podczas wzmacniania  ( M   )");
    label("Label108", Frame2, "o", kFrameSubFont,
          kTitleLeft + TextW("Sytuacja początkowa podczas wzmacniania  ( M", kFrameFont),
          kTitleSubTop);
    Frame1.SetCaption("Stan graniczny użytkowalności od obciążeń zmiennych");
    const std::string rare = " o wartościach wyjątkowych ( M        )";
    label("Label116", Frame1, rare, kFrameFont, kTitleLeft, kContinuationTop);
    label("Label117", Frame1, "ser,r", kFrameSubFont,
          kTitleLeft + TextW(" o wartościach wyjątkowych ( M", kFrameFont), kContinuationTop + 105);
    Frame3.SetCaption("Stan graniczny nośności  ( M     )");
    label("Label118", Frame3, "rd", kFrameSubFont,
          kTitleLeft + TextW("Stan graniczny nośności  ( M", kFrameFont), kTitleSubTop);
    Frame4.SetCaption("Stan graniczny użytkowalności od obciążeń zmiennych ");
    const std::string quasi = "o wartościach prawie stałych  ( M           )";
    label("Label123", Frame4, quasi, kFrameFont, kTitleLeft, kContinuationTop);
    label("Label134", Frame4, "ser,q-p", kFrameSubFont,
          kTitleLeft + TextW("o wartościach prawie stałych  ( M", kFrameFont),
          kContinuationTop + 105);

    // The rows: text with its equals sign, epsilon and subscript before the sign, value after.
    const std::string eqText(kCompositeRow);
    const int eqX = TextW(eqText.substr(0, eqText.size() - 1), kWindowFont);
    const int symbolW = TextW(SymbolChar(101), kRowSymbolFont);
    const int symbolX = kRowLeft + eqX - 60 - TextW("s12", kRowSubFont) - symbolW;
    const int valueX = kRowLeft + eqX + TextW("=", kWindowFont) + 60;
    for (const StateControls& c : StrainStateTable()) {
        Frame& frame = static_cast<Frame&>(*Find(c.frame));
        for (int r = 0; r < StateControls::RowCount; ++r) {
            const StateControls::Row& row = c.rows[static_cast<size_t>(r)];
            const int y = kRowTop + r * kRowPitch;
            std::string text;
            if (r == StateControls::BottomRow)
                text = c.state == StrainState::Initial ? kBottomFibreRow : kCompositeRow;
            else
                text = Padded(kRowTexts[r], eqX, kWindowFont);
            label(row.caption, frame, text, kWindowFont, kRowLeft, y);
            if (row.symbol) label(row.symbol, frame, "", kRowSymbolFont, symbolX, y - 45);
            if (row.sub) {
                // The neutral axis's subscript follows its x; the others follow the epsilon.
                const int subX =
                    row.symbol ? symbolX + symbolW : kRowLeft + TextW(kRowTexts[0], kWindowFont);
                label(row.sub, frame, row.subText, kRowSubFont, subX, y + 90);
            }
            Label& value = label(row.value, frame, "0", kWindowFont, valueX, y);
            value.SetAutoSize(false);
            value.Move(valueX, y, kValueWidth, kRowHeight);
        }
        label(c.unit, frame, "[ m ]", kWindowFont, valueX + TextW("0,000", kWindowFont) + 60,
              kRowTop);
    }
    label("Label29", Frame3, "Forma zniszczenia:", kWindowFont, kRowLeft, kRowTop + 6 * kRowPitch);
    Label33.SetCaption("0");
    Label33.SetWordWrap(true);
    Label33.Move(kRowLeft, kRowTop + 6 * kRowPitch + 270, 3240, 480);
}

void FrmStrain::BuildPictureLabels() {
    auto label = [this](const char* name, Control& box, const char* text, const kord::Font& font) {
        if (!name) return;
        Label& l = Add<Label>(name, &box);
        l.SetFont(font);
        l.SetCaption(text);
        l.SetAutoSize(true);
        l.SetWindowColours(true);
        // Sized for its text; the epsilons get theirs at load.
        const std::string shown = text[0] ? text : SymbolChar(101);
        l.Move(0, 0, TextW(shown, font) + 15, TextHeightTwips(font));
    };
    for (const StateControls& c : StrainStateTable()) {
        Control& box = *Find(c.picture);
        for (const StateControls::Symbol* sym :
             {&c.top, &c.soffit, &c.composite, &c.s2, &c.s12, &c.s11}) {
            label(sym->epsilon, box, "", kPictureSymbolFont);
            label(sym->sub, box, sym->subText, kPictureSubFont);
        }
        label(c.axisX, box, "x", kAxisFont);
        label(c.axisSub, box, "o", kPictureSubFont);
    }
}

void FrmStrain::BuildHingeBlock() {
    Frame5.SetCaption("Uplastycznienie przekroju (dla stanu granicznego nośności)");
    auto place = [](Label& l, const std::string& text, const kord::Font& font, int x, int y) {
        l.SetFont(font);
        l.SetCaption(text);
        l.SetAutoSize(true);
        l.Move(x, y, TextW(text.empty() ? SymbolChar(120) : text, font) + 30,
               std::max(kRowHeight, TextHeightTwips(font)));
    };
    // xi = x / (h - d) over a fraction bar, framed by two equals signs.
    const int lineY = 420;
    place(Label153, "", kRowSymbolFont, 240, lineY - 45);
    const std::string equals = "=                    =";
    const int eqLeft = 240 + TextW(SymbolChar(120), kRowSymbolFont) + 90;
    place(Label154, equals, kWindowFont, eqLeft, lineY);
    const int eqW = TextW(equals, kWindowFont);
    const int center = eqLeft + eqW / 2;
    place(Label155, "x", kWindowFont, center - TextW("x", kWindowFont) / 2, lineY - 150);
    const int barHalf = 330;
    Line1.SetEnds(center - barHalf, lineY + 120, center + barHalf, lineY + 120);
    const int denomW = TextW("h-d", kWindowFont) + TextW("11", kRowSubFont);
    const int denomX = center - denomW / 2;
    place(Label156, "h-d", kWindowFont, denomX, lineY + 150);
    place(Label157, "11", kRowSubFont, denomX + TextW("h-d", kWindowFont), lineY + 240);
    place(Label158, "0", kWindowFont, eqLeft + eqW + 90, lineY);
    // Maksimum xi = limit.
    const int maxY = 870;
    const std::string maximum = "Maksimum        =";
    place(Label159, maximum, kWindowFont, 240, maxY);
    place(Label160, "", kRowSymbolFont, 240 + TextW("Maksimum  ", kWindowFont), maxY - 45);
    place(Label161, "0", kWindowFont, 240 + TextW(maximum, kWindowFont) + 90, maxY);
    // The verdict, to the right.
    Label162.SetFont(kord::Font{"Arial", 9, true});
    Label162.SetCaption(PlasticHingeVerdict(false));
    Label162.SetAlignment(Alignment::Center);
    Label162.SetWordWrap(true);
    Label162.Move(3600, 360, 2595, 510);
}

void FrmStrain::Form_Load() {
    FillStates();
    for (const StateControls& c : StrainStateTable()) {
        for (const StateControls::Row& row : c.rows)
            if (row.symbol) Lbl(row.symbol).SetCaption(SymbolChar(101));
        for (const StateControls::Symbol* sym :
             {&c.top, &c.soffit, &c.composite, &c.s2, &c.s12, &c.s11})
            if (sym->epsilon) Lbl(sym->epsilon).SetCaption(SymbolChar(101));
    }
    Label153.SetCaption(SymbolChar(120));
    Label160.SetCaption(SymbolChar(120));
    ShowFailureMode();
    DrawStrainDiagrams(*this);
}

void FrmStrain::FillStates() {
    const DesignState& s = State();
    const std::string kStrain = "0.00000";
    for (const StateControls& c : StrainStateTable()) {
        const StrainState st = c.state;
        // The serviceability states take their bottom bars from the top-fibre gradient.
        const BarGradient bottom = st == StrainState::Rare || st == StrainState::QuasiPermanent
                                       ? BarGradient::TopFibre
                                       : BarGradient::Soffit;
        auto value = [&](StateControls::RowIndex r, const std::string& text) {
            Lbl(c.rows[r].value).SetCaption(text);
        };
        value(StateControls::DepthRow, ShownValue(NeutralAxisDepth(s, st) / 100, "#0.000"));
        value(StateControls::TopRow, ShownValue(TopFibreStrain(s, st), kStrain));
        value(StateControls::S2Row,
              ShownValue(BarStrain(s, st, SteelLayer::Top2, BarGradient::Soffit), kStrain));
        value(StateControls::S12Row,
              ShownValue(BarStrain(s, st, SteelLayer::Bottom12, bottom), kStrain));
        value(StateControls::S11Row,
              ShownValue(BarStrain(s, st, SteelLayer::Bottom11, bottom), kStrain));
        value(StateControls::BottomRow, ShownValue(BottomRowStrain(s, st), kStrain));
        if (st == StrainState::Rare || st == StrainState::QuasiPermanent) {
            const StateControls::Row& row = c.rows[StateControls::BottomRow];
            Lbl(row.caption).SetCaption(CompositeActs(s, st) ? kCompositeRow : kBottomFibreRow);
            Lbl(row.sub).SetCaption(BottomRowSubscript(s, st));
        }
    }
}

void FrmStrain::ShowFailureMode() {
    const FailureMode mode = DecideFailureMode(State());
    if (mode != FailureMode::None) Label33.SetCaption(FailureModeCaption(mode));
}

void FrmStrain::AcceptStrainResults() {
    State().FailureModeText = Label33.Caption();
    State().PrintStrain = true;
}

void FrmStrain::Command1_Click() {
    ExitProgram(*this);
}

void FrmStrain::Command2_Click() {
    AcceptStrainResults();
    Unload();
}

void FrmStrain::Command3_Click() {
    OpenHelp();
}

}  // namespace kord
