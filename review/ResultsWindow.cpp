#include "review/ResultsWindow.h"

#include "kit/ProgramState.h"
#include "review/AnchorageWindow.h"
#include "review/DimensioningWindow.h"
#include "review/StrainWindow.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>

#include "engine/DesignState.h"
#include "engine/ResultQuantities.h"
#include "kit/Exit.h"
#include "kit/Help.h"
#include "kit/RowKit.h"
#include "platform/NumberFormat.h"
#include "platform/Symbols.h"
#include "platform/TextMetrics.h"

namespace kord {

FormSlot<FrmResult> frmResult;

namespace {

// The layout table gives the window's outer size; the model keeps the client area. A fixed single
// border is 3 px on each side, and the caption bar 20 px.
constexpr int kBorderWidth = 90;
constexpr int kBorderHeight = 390;

constexpr int kFrameWidth = 5595;

// Columns inside a frame, in twips. Values stand right-aligned against the unit column, so that
// their decimal separators line up.
constexpr int kTextX = 120;
constexpr int kUnitX = 4770;
constexpr int kValueRight = kUnitX - 45;
constexpr int kLabelH = 240;
constexpr int kStressValueW = 750;
constexpr int kSignW = 210;

const Font kWindowFont{"Arial", 9};
const Font kButtonFont{"Arial", 9.75};

const char* const kUltimateText = "Stan graniczny nośności";
const char* const kRareText =
    "Stan graniczny użytkowalności od obciążeń zmiennych o wartościach wyjątkowych";
const char* const kQuasiPermanentText =
    "Stan graniczny użytkowalności od obciążeń zmiennych o wartościach prawie stałych";

// The limit texts; the subscript stands in the blanks after their letter "f".
struct LimitText {
    const char* comma;
    const char* point;
    const char* subscript;
};
const LimitText kLimitTexts[4] = {{"0,8 x f    =", "0.8 x f    =", "yk"},      // Label63
                                  {"0,6 x f    =", "0.6 x f    =", "ck"},      // Label64
                                  {"0,80 x f    =", "0.80 x f     =", "yk"},   // Label110
                                  {"0,45 x f    =", "0.45 x f     =", "ck"}};  // Label111

struct Place {
    int left, top;
};
constexpr Place kFrameOutside{-11000, -11000};
constexpr Place kButtonOutside{-9000, -9000};

struct CaseLayout {
    const char* caption;
    int width, height;
    // Frame4, Frame6, Frame3, Frame5, Frame1, Frame2.
    Place frames[6];
    // Command7, Command3, Command4, Command5, Command6, Command2, Command1.
    Place buttons[7];
};

const CaseLayout kLayouts[3] = {
    {"Wzmocnienie na zginanie - Wyniki",
     11625,
     6285,
     {{120, 120}, {120, 2880}, {5820, 120}, {5820, 2880}, kFrameOutside, kFrameOutside},
     {{5820, 4560},
      {7742, 4560},
      {5820, 4980},
      {7742, 4980},
      {5820, 5400},
      {7742, 5400},
      {9665, 5400}}},
    {"Wzmocnienie na ścinanie - wyniki",
     5935,
     2740,
     {kFrameOutside, kFrameOutside, kFrameOutside, kFrameOutside, {120, 120}, kFrameOutside},
     {kButtonOutside,
      kButtonOutside,
      {120, 1440},
      {2042, 1440},
      {120, 1860},
      {2042, 1860},
      {3965, 1860}}},
    {"Wzmocnienie na ściskanie - wyniki",
     5935,
     3460,
     {kFrameOutside, kFrameOutside, kFrameOutside, kFrameOutside, kFrameOutside, {120, 120}},
     {kButtonOutside,
      kButtonOutside,
      {120, 2160},
      {2042, 2160},
      {120, 2580},
      {2042, 2580},
      {3965, 2580}}}};

int TextW(const std::string& text, const Font& f) {
    return TextWidthTwips(text, f);
}

}  // namespace

namespace {

// The results' labels: as wide as their text and a little more.
constexpr RowStyle kStyle{.pad = 15};

// The symbol from x on, a letter or a Greek letter with its subscript; returns where it ends.
int ResultSymbol(RowKit& k, int x, int y, const std::string& letter, Label* greek, int greekCode,
                 const std::string& sub, Label* subLabel = nullptr,
                 std::vector<Label*>* created = nullptr) {
    int end;
    if (greek) {
        // The Greek letter gets its character when the window loads.
        const int gx = k.Greek(*greek, greekCode, x, y - 15);
        Label& s = subLabel ? *subLabel : k.Fresh();
        if (created) created->push_back(&s);
        end = k.Subscript(s, sub, gx, y);
    } else {
        Label& l = k.Fresh();
        Label& s = subLabel ? *subLabel : k.Fresh();
        if (created) created->insert(created->end(), {&l, &s});
        end = k.Symbol(l, s, letter, sub, x, y);
    }
    return end + 15;
}

void ResultValue(RowKit& k, Label& v, int left, int right, int y) {
    k.Value(v, left, y, right - left);
}

struct Row {
    const char* text;
    // Texts that the row may hold later, which the symbol must stay clear of.
    std::initializer_list<const char*> laterTexts = {};
    const char* letter = "";
    Label* greek = nullptr;
    int greekCode = 0;
    const char* sub = "";
    const char* unit = "";
    // The pattern of the row's values: its widest value keeps its room from the symbol.
    const char* pattern = "####0.00";
    // A text too long for one line wraps over two within this width; a text that leaves the
    // widest value no room wraps too.
    int wrapWidth = 0;
    // Receives the symbol's labels.
    std::vector<Label*>* symbolLabels = nullptr;
};

int SymbolWidth(const Row& r) {
    const int letter =
        r.greek ? TextW(SymbolChar(r.greekCode), kGreekFont) : TextW(r.letter, kWindowFont);
    return letter + TextW(r.sub, kSubscriptFont);
}

// A row: text, symbol after the longest text the row may hold, value, unit.
void Plain(RowKit& k, int y, Label& text, Label& value, const Row& r) {
    int textW = TextW(r.text, kWindowFont);
    for (const char* t : r.laterTexts) textW = std::max(textW, TextW(t, kWindowFont));
    const int symbolRoom = kValueRight - PatternWidth(r.pattern) - kValueGap - kTextX - 45;
    int wrapW = r.wrapWidth;
    if (wrapW == 0 && textW + SymbolWidth(r) > symbolRoom) wrapW = symbolRoom - SymbolWidth(r);
    if (wrapW > 0) {
        textW = wrapW;
        k.Sized(text, r.text, kTextX, y - kLabelH / 2, textW, 2 * kLabelH).SetWordWrap(true);
    } else {
        k.Sized(text, r.text, kTextX, y, textW + 15);
    }
    const int end = ResultSymbol(k, kTextX + textW + 45, y, r.letter, r.greek, r.greekCode, r.sub,
                                 nullptr, r.symbolLabels);
    ResultValue(k, value, end, kValueRight, y);
    k.Unit(r.unit, kUnitX, y);
}

// The labels of a stress row after its text and symbol.
struct StressLabels {
    Label& stress;
    Label& sign;
    Label& limit;
    Label& limitValue;
    Label*& limitSub;
};

// A stress row: text, symbol, stress, relation sign, limit text, limit value, unit. The limit
// text is right-aligned against its value; its subscript is placed when the text is set.
void Stress(RowKit& k, int y, Label& text, const char* caption, Label* greek, Label* subLabel,
            const char* sub, const StressLabels& l) {
    const int textW = TextW(caption, kWindowFont);
    k.Sized(text, caption, kTextX, y, textW + 15);
    ResultSymbol(k, kTextX + textW + 45, y, "f", greek, 115, sub, subLabel);

    const int limitValueX = kValueRight - PatternWidth("###0.00") - kValueGap + 30;
    ResultValue(k, l.limitValue, limitValueX, kValueRight, y);
    int limitW = 0;
    for (const LimitText& t : kLimitTexts)
        limitW = std::max({limitW, TextW(t.comma, kWindowFont), TextW(t.point, kWindowFont)});
    const int limitX = limitValueX - 30 - limitW;
    l.limit.SetAlignment(Alignment::Right);
    l.limit.Move(limitX, y, limitW, kLabelH);
    l.limitSub = &k.Fresh();
    l.limitSub->SetFont(kSubscriptFont);

    const int signX = limitX - 45 - kSignW;
    l.sign.SetFont(kGreekFont);
    l.sign.SetAlignment(Alignment::Center);
    l.sign.Move(signX, y - 15, kSignW, kLabelH + 30);
    const int stressRight = signX - 30;
    ResultValue(k, l.stress, stressRight - kStressValueW, stressRight, y);
    k.Unit("[ N/mm   ]", kUnitX, y);
}

}  // namespace

FrmResult::FrmResult() : Window("frmResult") {
    SetCaption("Wyniki");
    SetFont(kWindowFont);
    SetBorder(BorderStyle::FixedSingle);
    SetSize(kLayouts[0].width - kBorderWidth, kLayouts[0].height - kBorderHeight);
    // A new one for every design.
    SetReloadedOften(true);

    struct FrameSpec {
        Frame* frame;
        const char* caption;
        int height;
    };
    const FrameSpec frames[] = {
        {&Frame4, "Stan graniczny nośności", 2715},
        {&Frame6, "Stan graniczny użytkowalności od obciążeń zmiennych", 2895},
        {&Frame3, "Stan graniczny użytkowalności od obciążeń zmiennych", 2715},
        {&Frame5, "Wzmocnienie elementów zginanych - wynik końcowy", 1575},
        {&Frame1, "Wzmocnienie elementów ścinanych - wynik końcowy", 1215},
        {&Frame2, "Wzmocnienie elementów ściskanych - wynik końcowy", 1935}};
    for (const FrameSpec& f : frames) {
        f.frame->SetCaption(f.caption);
        f.frame->SetFontBold(true);
        f.frame->Move(kFrameOutside.left, kFrameOutside.top, kFrameWidth, f.height);
    }

    RowKit rows(*this, nullptr, freshLabel_, kStyle);
    BuildUltimateFrame(rows);
    for (int k = 0; k < 2; ++k) BuildServiceabilityFrame(rows, k);
    BuildGoverningFrame(rows);
    BuildShearFrame(rows);
    BuildConfinementFrame(rows);
    BuildButtons();
}

void FrmResult::BuildUltimateFrame(RowKit& r) {
    r.SetContainer(&Frame4);
    Plain(r, 420, Label22, Label25,
          Row{.text = "Nośność obliczeniowa przed wzmocnieniem",
              .letter = "M",
              .sub = "rd,o",
              .unit = "[ kNm ]"});
    Plain(r, 900, Label2, Label1,
          Row{.text = "Wymagany przekrój wzmocnienia",
              .laterTexts = {"Zastosowany przekrój wzmocnienia"},
              .letter = "A",
              .sub = "f",
              .unit = "[ mm   ]"});
    Plain(r, 1380, Label50, Label52,
          Row{.text = "Nośność obliczeniowa po wzmocnieniu",
              .letter = "M",
              .sub = "rd",
              .unit = "[ kNm ]"});

    // The strengthening ratio: M rd over M rd,o as a fraction, then "=" and the ratio.
    const int y = 1860;
    const char* text = "Stopień wzmocnienia";
    const int textW = TextW(text, kWindowFont);
    r.Sized(Label32, text, kTextX, y + 150, textW + 15);
    const int upperW = TextW("M", kWindowFont) + TextW("rd", kSubscriptFont) + 15;
    const int lowerW = TextW("M", kWindowFont) + TextW("rd,o", kSubscriptFont) + 15;
    const int lineW = std::max(upperW, lowerW) + 60;
    const int x = kTextX + textW + 90;
    ResultSymbol(r, x + (lineW - upperW) / 2, y, "M", nullptr, 0, "rd");
    ResultSymbol(r, x + (lineW - lowerW) / 2, y + 330, "M", nullptr, 0, "rd,o");
    Add<LineControl>("Line1", &Frame4).SetEnds(x, y + 300, x + lineW, y + 300);
    const int ratioX = x + lineW + 60;
    Label39.SetCaption("=   0");
    Label39.Move(ratioX, y + 150, kValueRight - ratioX, kLabelH);
}

void FrmResult::BuildServiceabilityFrame(RowKit& r, int k) {
    const bool rare = k == 0;
    Frame& f = rare ? Frame6 : Frame3;
    r.SetContainer(&f);
    Label& second = Add(Label57, "Label57", k + 2, &f);
    second.SetFontBold(true);
    r.Sized(second, rare ? "o wartościach wyjątkowych" : "o wartościach prawie stałych", kTextX,
            255, kFrameWidth - 2 * kTextX);

    Plain(r, 600, Add(Label57, "Label57", k, &f), rare ? Label68 : Label41,
          Row{.text = "Wartość momentu przed wzmocnieniem",
              .letter = "M",
              .sub = rare ? "ser,r,o" : "ser,q-p,o",
              .unit = "[ kNm ]"});
    Plain(r, 1020, Add(Label84, "Label84", k, &f), rare ? Label82 : Label33,
          Row{.text = "Wymagany przekrój wzmocnienia",
              .laterTexts = {"Zastosowany przekrój wzmocnienia"},
              .letter = "A",
              .sub = "f",
              .unit = "[ mm   ]"});
    Plain(r, 1440, Add(Label87, "Label87", k, &f), rare ? Label94 : Label40,
          Row{.text = "Wartość momentu po wzmocnieniu",
              .letter = "M",
              .sub = rare ? "ser,r" : "ser,q-p",
              .unit = "[ kNm ]"});
    Stress(r, 1860, Add(Label60, "Label60", k, &f), "Napr. w stali", nullptr,
           rare ? &Label67 : &Label107, "s11",
           {rare ? Label59 : Label103, rare ? Label79 : Label105, rare ? Label63 : Label110,
            rare ? Label73 : Label43, limitSubscript_[rare ? 0 : 2]});
    Stress(r, 2280, Add(Label61, "Label61", k, &f), "Napr. w betonie", rare ? &Label69 : &Label109,
           nullptr, "c",
           {rare ? Label62 : Label104, rare ? Label81 : Label106, rare ? Label64 : Label111,
            rare ? Label75 : Label102, limitSubscript_[rare ? 1 : 3]});
}

void FrmResult::BuildGoverningFrame(RowKit& r) {
    r.SetContainer(&Frame5);
    const char* text = "Decydujący wpływ na wynik końcowy ma:";
    r.Sized(Label71, text, kTextX, 330, TextW(text, kWindowFont) + 15);
    Label72.SetCaption("0");
    Label72.SetWordWrap(true);
    Label72.Move(kTextX, 600, 4050, 2 * kLabelH - 15);
    Plain(r, 1170, Label74, Label77,
          Row{.text = "Ostateczny przekrój wzmocnienia",
              .laterTexts = {"Ostateczny przyjęty przekrój wzmocnienia"},
              .letter = "A",
              .sub = "f",
              .unit = "[ mm   ]"});
}

// The required thickness; a recomputation later names the applied one in the row's text.
void FrmResult::ThicknessRow(RowKit& r, Label& text, Label& value) {
    Plain(r, 390, text, value,
          Row{.text = "Wymagana grubość wzmocnienia",
              .laterTexts = {"Grubość wszystkich warstw wzmocnienia    t    ="},
              .letter = "t",
              .sub = "f",
              .unit = "[ mm ]",
              .pattern = "##0.00",
              .symbolLabels = &thicknessSymbols_[&text]});
}

void FrmResult::BuildShearFrame(RowKit& r) {
    r.SetContainer(&Frame1);
    ThicknessRow(r, Label3, Label5);
    Plain(r, 780, Label46, Label48,
          Row{.text = "Dodatkowe ścinanie",
              .letter = "V",
              .sub = "fd",
              .unit = "[ kN ]",
              .pattern = "###0.00"});
}

void FrmResult::BuildConfinementFrame(RowKit& r) {
    r.SetContainer(&Frame2);
    ThicknessRow(r, Label11, Label13);
    Plain(r, 870, Label9, Label14,
          Row{.text = "Średnia wytrzymałość po wzmocnieniu",
              .letter = "f",
              .sub = "cc",
              .unit = "[ N/mm   ]",
              .pattern = "##0.00"});
    Plain(r, 1350, Label4, Label15,
          Row{.text = "Odkształcenie przy zniszczeniu po wzmocnieniu",
              .greek = &Label55,
              .greekCode = 101,
              .sub = "cu",
              .unit = "[  -  ]",
              .pattern = "0.00000",
              .wrapWidth = TextW("Średnia wytrzymałość po wzmocnieniu", kWindowFont)});
}

void FrmResult::BuildButtons() {
    struct Button {
        CommandButton* b;
        const char* caption;
        int width;
    };
    const Button buttons[] = {
        {&Command7, "Zakotwienie", 1750}, {&Command3, "Odkształcenia przekroju poprzecznego", 3673},
        {&Command4, "Drukowanie", 1750},  {&Command5, "Wymiary elementu wzmacniającego", 3673},
        {&Command6, "Pomoc", 1750},       {&Command2, "Powrót", 1750},
        {&Command1, "Wyjście", 1750}};
    int tab = 0;
    for (const Button& b : buttons) {
        b.b->SetCaption(b.caption);
        b.b->SetFont(b.b == &Command7 ? kWindowFont : kButtonFont);
        b.b->Move(kButtonOutside.left, kButtonOutside.top, b.width, 375);
        b.b->SetTabIndex(tab++);
    }
    SetDefaultButton(&Command5);
    // Opened only after the design has been recomputed for the applied laminate.
    Command7.SetEnabled(false);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    Command7.Click = [this] { Command7_Click(); };
}

void FrmResult::Form_Load() {
    Refresh();
}

void FrmResult::ShowResults() {
    // A window still loaded from an earlier design shows the new one as a fresh load would.
    Refresh();
    Command7.SetEnabled(false);
    Show();
}

void FrmResult::Refresh() {
    // 1. Greek letters.
    Label55.SetCaption(SymbolChar(101));
    Label69.SetCaption(SymbolChar(115));
    Label109.SetCaption(SymbolChar(115));
    // 2. Limit texts.
    Label* limits[4] = {&Label63, &Label64, &Label110, &Label111};
    for (int n = 0; n < 4; ++n)
        limits[n]->SetCaption(Dec(kLimitTexts[n].comma, kLimitTexts[n].point));
    PlaceLimitSubscripts();
    // 3. Layout, then the values of the case.
    const int kind = State().ResultKind;
    LayOut(kind);
    switch (kind) {
        case Shear:
            ShowShearValues();
            break;
        case Confinement:
            ShowConfinementValues();
            break;
        default:
            ShowFlexureValues();
            break;
    }
}

void FrmResult::PlaceLimitSubscripts() {
    Label* limits[4] = {&Label63, &Label64, &Label110, &Label111};
    for (int n = 0; n < 4; ++n) {
        const Label& l = *limits[n];
        Label& sub = *limitSubscript_[n];
        // The text stands right-aligned; the subscript follows its letter "f".
        const int textX = l.Left() + l.Width() - TextW(l.Caption(), l.Font());
        const std::string lead = l.Caption().substr(0, l.Caption().find('f') + 1);
        sub.SetCaption(kLimitTexts[n].subscript);
        sub.Move(textX + TextW(lead, l.Font()), l.Top() + 90,
                 TextW(kLimitTexts[n].subscript, kSubscriptFont) + 15, 195);
    }
}

void FrmResult::LayOut(int kind) {
    const CaseLayout& c = kLayouts[kind >= Flexure && kind <= Confinement ? kind : Flexure];
    SetCaption(c.caption);
    SetSize(c.width - kBorderWidth, c.height - kBorderHeight);
    Frame* frames[6] = {&Frame4, &Frame6, &Frame3, &Frame5, &Frame1, &Frame2};
    for (int n = 0; n < 6; ++n) {
        Frame& f = *frames[n];
        const Place p = c.frames[n];
        const bool shown = p.left != kFrameOutside.left;
        f.Move(p.left, p.top, f.Width(), f.Height());
        f.ZOrder(shown ? 0 : 1);
        // Parked frames must not be reached with the Tab key either.
        f.SetVisible(shown);
    }
    CommandButton* buttons[7] = {&Command7, &Command3, &Command4, &Command5,
                                 &Command6, &Command2, &Command1};
    for (int n = 0; n < 7; ++n) {
        CommandButton& b = *buttons[n];
        const Place p = c.buttons[n];
        b.Move(p.left, p.top, b.Width(), b.Height());
        b.SetVisible(p.left != kButtonOutside.left);
    }
}

namespace {
std::string Pattern(double v, const char* pattern) {
    return FormatPattern(v, pattern);
}

std::string RelationSign(bool within) {
    return within ? SymbolChar(163) : ">";
}
}  // namespace

void FrmResult::ShowFlexureValues() {
    const DesignState& s = State();
    // 4. Values: areas in cm² shown in mm².
    Label1.SetCaption(Pattern(s.Af_req * 100, "####0.00"));
    Label25.SetCaption(Pattern(s.MRd_o, "####0.00"));
    // Without a capacity before strengthening the ratio has no value.
    const auto ratio = StrengtheningRatio(s, Strengthening::Required);
    Label39.SetCaption("=   " + (ratio ? Pattern(*ratio, "#0.000") : "-"));
    Label52.SetCaption(Pattern(s.MRd, "####0.00"));

    Label67.SetCaption(OuterLayerSubscript(s));
    Label107.SetCaption(OuterLayerSubscript(s));

    Label68.SetCaption(Pattern(s.Mser_r_o, "####0.00"));
    Label82.SetCaption(Pattern(s.Af_req_r * 100, "####0.00"));
    Label94.SetCaption(Pattern(s.Mser_r_calc, "####0.00"));
    Label59.SetCaption(Pattern(RareSteelStress(s), "###0.00"));
    Label73.SetCaption(Pattern(0.8 * s.fyk, "###0.00"));
    Label62.SetCaption(Pattern(RareConcreteStress(s), "##0.00"));
    Label75.SetCaption(Pattern(0.6 * s.fck, "##0.00"));

    Label41.SetCaption(Pattern(s.Mser_qp_o, "####0.00"));
    Label33.SetCaption(Pattern(s.Af_req_qp * 100, "####0.00"));
    Label40.SetCaption(Pattern(s.Mser_qp_calc, "####0.00"));
    Label103.SetCaption(Pattern(QuasiPermanentSteelStress(s), "###0.00"));
    Label43.SetCaption(Pattern(0.8 * s.fyk, "###0.00"));
    Label104.SetCaption(Pattern(QuasiPermanentConcreteStress(s), "##0.00"));
    Label102.SetCaption(Pattern(0.45 * s.fck, "##0.00"));

    // 5. and 6. Relation signs.
    // The steel checks see the stress as shown.
    Label79.SetCaption(RelationSign(RareSteelWithinLimit(s)));
    Label105.SetCaption(RelationSign(QuasiPermanentSteelWithinLimit(s)));
    Label81.SetCaption(RelationSign(RareConcreteWithinLimit(s)));
    Label106.SetCaption(RelationSign(QuasiPermanentConcreteWithinLimit(s)));

    // 7. Governing state.
    switch (GoverningLimitState(s)) {
        case LimitState::Ultimate:
            Label72.SetCaption(kUltimateText);
            break;
        case LimitState::Rare:
            Label72.SetCaption(kRareText);
            break;
        case LimitState::QuasiPermanent:
            Label72.SetCaption(kQuasiPermanentText);
            break;
    }
    Label77.SetCaption(Pattern(GoverningArea(s) * 100, "####0.00"));
}

void FrmResult::ShowShearValues() {
    const DesignState& s = State();
    Label5.SetCaption(Pattern(s.tf * 10, "##0.00"));
    Label48.SetCaption(Pattern(s.Vfd_calc, "###0.00"));
}

void FrmResult::ShowConfinementValues() {
    const DesignState& s = State();
    Label13.SetCaption(Pattern(s.tf_c * 10, "##0.00"));
    Label14.SetCaption(Pattern(s.fcc, "##0.00"));
    Label15.SetCaption(Pattern(s.eps_cu, "0.00000"));
}

void FrmResult::ShowAppliedLaminate() {
    const DesignState& s = State();
    const char* const kTotalText = "Grubość wszystkich warstw wzmocnienia    t    =";
    switch (s.ResultKind) {
        case Shear:
            Label5.SetCaption(Pattern(s.tf_total_shear * 10, "##0.00"));
            Label48.SetCaption(Pattern(s.Vfd_applied, "###0.00"));
            SetThicknessCaption(Label3, kTotalText);
            break;
        case Confinement:
            Label13.SetCaption(Pattern(s.tf_total_conf * 10, "##0.00"));
            Label14.SetCaption(Pattern(s.fcc_applied, "##0.00"));
            Label15.SetCaption(Pattern(s.eps_cu_applied, "0.00000"));
            SetThicknessCaption(Label11, kTotalText);
            break;
        default:
            ShowAppliedFlexure();
            break;
    }
}

void FrmResult::ShowAppliedFlexure() {
    const DesignState& s = State();
    const std::string area = Pattern(s.Af_applied * 100, "####0.00");
    for (Label* l : {&Label1, &Label77, &Label82, &Label33}) l->SetCaption(area);
    Label52.SetCaption(Pattern(s.MRd_applied, "###0.00"));
    // Two decimals here, three in the window's own layout.
    const std::optional<double> ratio = StrengtheningRatio(s, Strengthening::Applied);
    Label39.SetCaption("=   " + (ratio ? Pattern(*ratio, "#0.00") : std::string("-")));
    Label94.SetCaption(Pattern(s.Mser_r_applied, "####0.00"));
    Label40.SetCaption(Pattern(s.Mser_qp_applied, "####0.00"));

    Label67.SetCaption(OuterLayerSubscript(s));
    Label107.SetCaption(OuterLayerSubscript(s));
    Label59.SetCaption(Pattern(RareSteelStress(s), "###0.00"));
    Label103.SetCaption(Pattern(QuasiPermanentSteelStress(s), "###0.00"));
    Label62.SetCaption(Pattern(RareConcreteStress(s), "##0.00"));
    Label104.SetCaption(Pattern(QuasiPermanentConcreteStress(s), "##0.00"));
    Label79.SetCaption(RelationSign(RareSteelWithinLimit(s)));
    Label105.SetCaption(RelationSign(QuasiPermanentSteelWithinLimit(s)));
    Label81.SetCaption(RelationSign(RareConcreteWithinLimit(s)));
    Label106.SetCaption(RelationSign(QuasiPermanentConcreteWithinLimit(s)));
    Label73.SetCaption(Pattern(SteelStressLimit(s), "###0.00"));
    Label43.SetCaption(Pattern(SteelStressLimit(s), "###0.00"));
    Label75.SetCaption(Pattern(RareConcreteLimit(s), "##0.00"));
    Label102.SetCaption(Pattern(QuasiPermanentConcreteLimit(s), "##0.00"));

    for (Label* l : {&Label2, &Label84(0), &Label84(1)})
        l->SetCaption("Zastosowany przekrój wzmocnienia");
    Label74.SetCaption("Ostateczny przyjęty przekrój wzmocnienia");
    Command7.SetEnabled(true);
}

void FrmResult::SetThicknessCaption(Label& text, const std::string& caption) {
    text.SetCaption(caption);
    // The new caption carries its own letter: the row's letter goes, its subscript moves under
    // the caption's.
    const std::vector<Label*>& symbol = thicknessSymbols_[&text];
    for (Label* l : symbol) l->SetVisible(false);
    const size_t letter = caption.find(" t ");
    if (symbol.size() != 2 || letter == std::string::npos) return;
    Label& sub = *symbol[1];
    sub.SetLeft(text.Left() + TextW(caption.substr(0, letter + 2), text.Font()));
    sub.SetVisible(true);
}

namespace {

ResultsLinks& Links() {
    static ResultsLinks links;
    return links;
}

}  // namespace

void SetResultsLinks(ResultsLinks links) {
    Links() = std::move(links);
}

void FrmResult::Command1_Click() {
    ExitProgram(*this);
}

void FrmResult::Command2_Click() {
    // The strain window belongs to this design; its next opening must be a fresh load.
    frmStrain.Unload();
    Unload();
    if (Links().showInput) Links().showInput();
}

void FrmResult::Command3_Click() {
    frmStrain().ShowModal();
}

void FrmResult::Command4_Click() {
    if (Links().print) Links().print();
}

void FrmResult::Command5_Click() {
    frmDim().ShowModal();
}

void FrmResult::Command7_Click() {
    frmBond().ShowForLaminate();
}

void FrmResult::Command6_Click() {
    OpenHelp();
}

void FrmResult::UserCloseBox() {
    Command2_Click();
}

}  // namespace kord
