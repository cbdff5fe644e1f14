#include "review/AnchorageWindow.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/AnchorageCheck.h"
#include "engine/DesignState.h"
#include "engine/MessageTexts.h"
#include "kit/Exit.h"
#include "kit/Help.h"
#include "kit/ProgramState.h"
#include "kit/RowKit.h"
#include "platform/Host.h"
#include "platform/NumberFormat.h"
#include "platform/Paths.h"
#include "platform/Picture.h"
#include "platform/TextMetrics.h"

namespace kord {

FormSlot<FrmBond> frmBond;

namespace {

const Font& kWindowFont = kRowFont;
const Font& kBoldFont = kRowBoldFont;

// Layout in twips.
constexpr int kClientWidth = 10710, kClientHeight = 6465;
constexpr int kMargin = 120;
constexpr int kInputTop = 60, kInputHeight = 4470;
// The frames of rows stand right of the drawing, within the input frame.
constexpr int kRightLeft = 4410;
constexpr int kRightWidth = kClientWidth - 2 * kMargin - kRightLeft - 90;
constexpr int kResultTop = kInputTop + kInputHeight + 60, kResultHeight = 1290;
constexpr int kLabelH = 240, kButtonH = 375, kButtonW = 1455;

int TextW(const std::string& text, const Font& f) {
    return TextWidthTwips(text, f);
}

// The letter followed by blanks wide enough for its subscript, then "=".
std::string SymbolText(const std::string& letter, const std::string& sub, const Font& font,
                       const Font& subFont) {
    std::string s = letter;
    const int need = TextW(letter, font) + TextW(sub, subFont) + 45;
    while (TextW(s, font) < need) s += " ";
    return s + "=";
}

const char* const kPositive = "Wynik sprawdzenia jest POZYTYWNY.";
const char* const kNegative = "Wynik sprawdzenia jest NEGATYWNY.";

// The letter with its subscript in the blanks after it and "="; returns where the sign ends.
int BondSymbol(RowKit& k, Label& letter, Label& sub, const std::string& l,
               const std::string& subText, int x, int y, bool bold = false) {
    const std::string caption = bold ? SymbolText(l, subText, kBoldFont, kBoldSubscriptFont)
                                     : SymbolText(l, subText, kWindowFont, kSubscriptFont);
    return k.Symbol(letter, sub, caption, subText, x, y, bold);
}
int BondSymbol(RowKit& k, const std::string& l, const std::string& subText, int x, int y) {
    return k.Symbol(SymbolText(l, subText, kWindowFont, kSubscriptFont), subText, x, y);
}

}  // namespace

FrmBond::FrmBond() : Window("frmBond") {
    SetCaption("Wzmacnianie elementów zginanych - sprawdzanie zakotwienia");
    SetFont(kWindowFont);
    SetSize(kClientWidth, kClientHeight);
    SetBorder(BorderStyle::FixedDialog);
    SetShowInTaskbar(false);

    BuildInputs();
    BuildResult();
    BuildButtons();
    BuildRules();
    for (TextBox* box : CheckInputs()) box->Change = [this] { ClearResultOfOtherInputs(); };

    Control* const order[] = {&Text1, &Text2,    &Text32,   &Text30,   &Text3,
                              &Text5, &Text16,   &Text17,   &Text4,    &Text6,
                              &Text7, &Command4, &Command3, &Command2, &Command1};
    int tab = 0;
    for (Control* c : order) c->SetTabIndex(tab++);
}

void FrmBond::BuildInputs() {
    Frame1.SetCaption("Wprowadzanie danych");
    Frame1.Move(kMargin, kInputTop, kClientWidth - 2 * kMargin, kInputHeight);
    Picture1.Move(60, 270, 4275, 4095);

    // Section A: two long rows, their boxes in one column.
    Frame3.SetCaption("Własności przekroju A");
    Frame3.Move(kRightLeft, 180, kRightWidth, 930);
    {
        RowKit k(*this, &Frame3, freshLabel_);
        const std::string strength = "Wytrzymałość średnia podłoża na rozciąganie ";
        const std::string moment = "Projektowany moment zginający w przekroju ";
        const int symbolX =
            kMargin + std::max(TextW(strength, kWindowFont), TextW(moment, kWindowFont));
        k.Text(strength, kMargin, 330);
        const int e1 = BondSymbol(k, "f", "ctm", symbolX, 330);
        k.Text(moment, kMargin, 630);
        const int e2 = BondSymbol(k, "M", "sd,A", symbolX, 630);
        const int boxX = std::max(e1, e2) + 60;
        k.Box(Text1, boxX, 330, 600);
        k.Box(Text2, boxX, 630, 600);
        k.Unit("[ N/mm   ]", boxX + 645, 330);
        k.Unit("[ kNm ]", boxX + 645, 630);
    }

    // Steel at A: modulus and yield strength, then the three layers with their distances.
    Frame2.SetCaption("Zbrojenie w przekroju A");
    Frame2.Move(kRightLeft, 1170, kRightWidth, 2130);
    {
        RowKit k(*this, &Frame2, freshLabel_);
        const std::string modulus = "Moduł sprężystości  ";
        const std::string yield = "Charakterystyczna granica plastyczności  ";
        const int symbolX =
            kMargin + std::max(TextW(modulus, kWindowFont), TextW(yield, kWindowFont));
        k.Text(modulus, kMargin, 330);
        const int e1 = BondSymbol(k, "E", "s", symbolX, 330);
        k.Text(yield, kMargin, 630);
        const int e2 = BondSymbol(k, "f", "yk", symbolX, 630);
        const int boxX = std::max(e1, e2) + 90;
        k.Box(Text32, boxX, 330, 750);
        k.Box(Text30, boxX, 630, 750);
        k.Unit("[ kN/mm   ]", boxX + 840, 330);
        k.Unit("[ N/mm   ]", boxX + 840, 630);

        struct Layer {
            const char* text;
            const char* areaSub;
            TextBox* area;
            const char* distSub;
            TextBox* dist;
            int y;
        };
        const Layer layers[] = {{"Górne", "s2", &Text3, "2", &Text5, 1050},
                                {"Dolne", "s12", &Text16, "12", &Text17, 1410},
                                {"Dolne", "s11", &Text4, "11", &Text6, 1770}};
        const int areaX = kMargin + TextW("Dolne  ", kWindowFont);
        const int areaBoxX =
            areaX + TextW(SymbolText("A", "s12", kWindowFont, kSubscriptFont), kWindowFont) + 90;
        const int unitX = areaBoxX + 840;
        const int distTextX = unitX + TextW("[ mm   ]", kWindowFont) + 150;
        const int distX = distTextX + TextW("w odległości  ", kWindowFont);
        const int distBoxX =
            distX + TextW(SymbolText("d", "12", kWindowFont, kSubscriptFont), kWindowFont) + 90;
        for (const Layer& l : layers) {
            k.Text(l.text, kMargin, l.y);
            BondSymbol(k, "A", l.areaSub, areaX, l.y);
            k.Box(*l.area, areaBoxX, l.y, 750);
            k.Unit("[ mm   ]", unitX, l.y);
            k.Text("w odległości", distTextX, l.y);
            BondSymbol(k, "d", l.distSub, distX, l.y);
            k.Box(*l.dist, distBoxX, l.y, 600);
            k.Unit("[ m ]", distBoxX + 690, l.y);
        }
    }

    // The applied strips.
    Frame5.SetCaption("Wzmocnienie taśmami kompozytowymi w przekroju A");
    Frame5.Move(kRightLeft, 3360, kRightWidth, 1005);
    {
        RowKit k(*this, &Frame5, freshLabel_);
        const std::string layers = "Liczba warstw, w których ułożone są taśmy:";
        const int valueX = kMargin + TextW(layers, kWindowFont) + 150;
        k.Text("Liczba taśm:", kMargin, 330);
        Label38.SetFont(kBoldFont);
        Label38.SetCaption("0");
        Label38.Move(valueX, 330, 600, kLabelH);
        k.Text(layers, kMargin, 660);
        k.Box(Text7, valueX, 660, 600);
        Text7.SetText("0");
    }
}

void FrmBond::BuildResult() {
    Frame4.SetCaption("Sprwdzanie przyczepności zamocowania");
    Frame4.Move(kMargin, kResultTop, kClientWidth - 2 * kMargin, kResultHeight);
    Command4.SetCaption("Obliczanie");
    Command4.Move(kMargin + 60, 450, kButtonW, kButtonH);

    RowKit k(*this, &Frame4, freshLabel_);
    const int row1 = 360, row2 = 840;
    // The values stand 60 after their symbols; the widest keeps its room from them.
    const int kValueW = PatternWidth("####0.00") + kValueGap - 60;
    // Units keep the room of "[ kN ]" before the verdict from whatever follows them.
    const int unitRoom = 225;
    const int x0 = kMargin + 60 + kButtonW + unitRoom;

    // N_fd,A  <  N_bd,max [ kN ] and the verdict; under them l_bd,A [ mm ], l_bd,max [ mm ] and
    // the hints. The values of each column line up.
    const int fdEnd = BondSymbol(k, "N", "fd,A", x0, row1);
    const int lEnd = BondSymbol(k, Label32, Label33, "l", "bd,A", x0, row2, true);
    int x = std::max(fdEnd, lEnd) + 60;
    k.Value(Label11, x, row1, kValueW);
    k.Value(Label34, x, row2, kValueW, kBoldFont);
    x += kValueW + 60;
    Label16.SetCaption(" < ");
    Label16.SetAlignment(Alignment::Center);
    Label16.Move(x, row1, 360, kLabelH);
    const int lUnitEnd = k.Text(Label35, "[ mm ]", x + 30, row2, kBoldFont);
    x = std::max(x + 360, lUnitEnd) + unitRoom;

    const int bdEnd = BondSymbol(k, "N", "bd,max", x, row1);
    const int lMaxEnd = BondSymbol(k, "l", "bd,max", x, row2);
    x = std::max(bdEnd, lMaxEnd) + 60;
    k.Value(Label14, x, row1, kValueW);
    k.Value(Label27, x, row2, kValueW);
    const int unitX = x + kValueW + 90;
    k.Unit("[ kN ]", unitX, row1);
    k.Unit("[ mm ]", unitX, row2);

    const int verdictX = unitX + TextW("[ kN ]", kWindowFont) + unitRoom;
    Label17.SetFont(kBoldFont);
    Label17.SetCaption("Sprawdzenie");
    Label17.Move(verdictX, row1,
                 std::max(TextW(kPositive, kBoldFont), TextW(kNegative, kBoldFont)) + 60, kLabelH);

    const int hintsTop = row2 - 180;
    const int hintsEnd = k.Text(Label31, "Wskazówki:", verdictX, hintsTop + 120, kBoldFont);
    Line1.SetEnds(verdictX, hintsTop + 120 + kLabelH, hintsEnd, hintsTop + 120 + kLabelH);
    k.Text(Label29, "- Zwiększ przekrój taśm", hintsEnd + 150, hintsTop);
    k.Text(Label30, "- Zastosuj zakotwienie mechaniczne", hintsEnd + 150, hintsTop + kLabelH);
}

void FrmBond::BuildButtons() {
    const int top = kClientHeight - kButtonH - 105;
    Command3.SetCaption("Pomoc");
    Command3.Move(kMargin, top, kButtonW, kButtonH);
    Command2.SetCaption("Powrót");
    Command2.Move(kClientWidth - kMargin - 2 * kButtonW - 120, top, kButtonW, kButtonH);
    Command1.SetCaption("Wyjście");
    Command1.Move(kClientWidth - kMargin - kButtonW, top, kButtonW, kButtonH);
    SetDefaultButton(&Command2);

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
}

namespace {

// The value the window proposes for a design value: the value as the window writes it.
std::function<bool(double)> Proposes(double designValue) {
    return [designValue](double v) { return ParseNumber(FormatGeneral(designValue)) == v; };
}

// "Proszę wprowadzić wartość pomiędzy 0,20 a 8,00 N/mm2."; a value passes its rule too.
FieldRule Between(Bound lower, Bound upper, std::function<bool(double)> passes,
                  const std::string& tail) {
    FieldRule r = Range("Proszę wprowadzić wartość pomiędzy ", lower, upper, tail, false);
    r.passes = std::move(passes);
    return r;
}

std::string ProposedStrength() {
    return FormatPattern(0.3 * std::pow(State().fck, 2.0 / 3.0), "#0.00");
}

}  // namespace

void FrmBond::BuildRules() {
    const DesignState& s = State();
    rules_ =
        std::make_unique<FieldRules>(*this, "Proszę wprowadzić wartośc liczbową.", kWarningTitle);

    rules_->Add(Text1,
                Between(
                    {0.20, 2}, {8.00, 2},
                    [this](double) { return Text1.Text() == ProposedStrength(); }, " N/mm2."));
    rules_->Add(Text2, Between(
                           {1}, {s.Msd, Bound::kPlain}, [](double v) { return v == 0; }, " kNm."));
    rules_->Add(Text32, Between({150}, {250}, Proposes(s.Es), " kN/mm2."));
    rules_->Add(Text30, Between({200}, {800}, Proposes(s.fyk), " N/mm2."));
    rules_->Add(Text3, Between({50}, {8000}, Proposes(s.As2 * 100), " mm2."));
    rules_->Add(Text16, Between({50}, {8000}, Proposes(s.As12 * 100), " mm2."));
    rules_->Add(Text4, Between({50}, {8000}, Proposes(s.As11 * 100), " mm2."));
    rules_->Add(Text5, Between({0.01, 2}, {1.00, 2}, Proposes(s.d2 / 100), " m."));
    rules_->Add(Text17, Between({0.01, 2}, {1.00, 2}, Proposes(s.d12 / 100), " m."));
    rules_->Add(Text6, Between({0.01, 2}, {1.00, 2}, Proposes(s.d11 / 100), " m."));

    // The fewest layers that hold the strips up to 20. Where no count of equal layers holds
    // them, no value can pass and the field says why; where not a single strip fits across the
    // section, the check says why.
    const std::optional<double> least = MinimumLayers(s.applied_n_strips, s.b, s.applied_bf_strip);
    const std::optional<double> across = WholeStripsAcross(s.b, s.applied_bf_strip);
    if (least) {
        const double m = *least;
        rules_->Add(Text7, Between(
                               {m, Bound::kPlain}, {kMaxBondLayers},
                               [m](double v) { return v == m; }, " warstwami."));
    } else if (across) {
        rules_->Add(Text7, Range(1, 0, false, NoEqualLayersMessage(s.applied_n_strips, *across)));
    } else {
        FieldRule any = Range(0, 0, false, "");
        any.passes = [](double) { return true; };
        rules_->Add(Text7, any);
    }

    // Help, the way back and the exit do not need the field.
    for (Control* c : {static_cast<Control*>(&Command3), static_cast<Control*>(&Command2),
                       static_cast<Control*>(&Command1)})
        rules_->Exempt(*c);
}

void FrmBond::Form_Load() {
    ProposeFromDesign();
    Text2.SetText("0");
    ClearResult();
    Picture1.SetPicture(Picture::Load(ProgramPath("Drawings/bond.jpg")));
}

void FrmBond::ProposeFromDesign() {
    const DesignState& s = State();
    const std::pair<TextBox*, std::string> proposals[] = {
        {&Text3, FormatGeneral(s.As2 * 100)},  {&Text16, FormatGeneral(s.As12 * 100)},
        {&Text4, FormatGeneral(s.As11 * 100)}, {&Text5, FormatGeneral(s.d2 / 100)},
        {&Text17, FormatGeneral(s.d12 / 100)}, {&Text6, FormatGeneral(s.d11 / 100)},
        {&Text32, FormatGeneral(s.Es)},        {&Text30, FormatGeneral(s.fyk)},
        {&Text1, ProposedStrength()}};
    for (const auto& [box, text] : proposals) {
        // A value the user typed stays; one the window proposed follows the design, so a check
        // never rests on an earlier design's section.
        const auto earlier = proposed_.find(box);
        if (earlier == proposed_.end() || box->Text() == earlier->second) box->SetText(text);
        proposed_[box] = text;
    }
}

void FrmBond::ClearResult() {
    for (Control* c :
         std::initializer_list<Control*>{&Label17, &Label29, &Label30, &Label31, &Line1, &Label32,
                                         &Label33, &Label34, &Label35, &Label16})
        c->SetVisible(false);
    for (Label* v : {&Label11, &Label14, &Label27}) v->SetCaption("0");
    checked_.clear();
}

std::array<TextBox*, 11> FrmBond::CheckInputs() {
    return {&Text2,  &Text1, &Text3,  &Text16, &Text4, &Text5,
            &Text17, &Text6, &Text32, &Text30, &Text7};
}

// The report keeps printing the check; only the window stops showing it.
void FrmBond::ClearResultOfOtherInputs() {
    const std::array<TextBox*, 11> boxes = CheckInputs();
    for (std::size_t k = 0; k < checked_.size(); ++k) {
        if (ParseNumber(boxes[k]->Text()) != checked_[k]) {
            ClearResult();
            return;
        }
    }
}

void FrmBond::ShowForLaminate() {
    ProposeFromDesign();
    BuildRules();
    SetMinLayers();
    // A result of another laminate or design is not this laminate's.
    if (!AnchorageCheckCurrent(State())) ClearResult();
    ShowModal();
}

void FrmBond::SetMinLayers() {
    DesignState& s = State();
    Label38.SetCaption(FormatGeneral(s.applied_n_strips));
    s.nf_max = s.applied_bf_strip > 0 ? StripsAcross(s.b, s.applied_bf_strip) : 0;
    // No count of equal layers, or not a single strip across the section: nothing to propose;
    // the field or the check says why.
    const std::optional<double> least = MinimumLayers(s.applied_n_strips, s.b, s.applied_bf_strip);
    Text7.SetText(least ? FormatGeneral(*least) : "0");
}

void FrmBond::AcceptBondResults() {
    State().PrintBond = true;
}

void FrmBond::Command4_Click() {
    ForgetAnchorageCheck(State());
    // Every box first, each with its own message, in the order the check reads them.
    for (TextBox* box : CheckInputs()) {
        if (!rules_->Check(*box)) {
            ClearResult();
            return;
        }
    }

    DesignState& s = State();
    auto value = [](const TextBox& box) { return ParseNumber(box.Text()).value_or(0); };
    s.Msd_A = value(Text2);
    s.fctm = value(Text1);
    s.As2_A = value(Text3) / 100;
    s.As12_A = value(Text16) / 100;
    s.As11_A = value(Text4) / 100;
    s.d2_A = value(Text5) * 100;
    s.d12_A = value(Text17) * 100;
    s.d11_A = value(Text6) * 100;
    s.Es_A = value(Text32);
    s.fyk_A = value(Text30);
    s.n_layers_bond = value(Text7);

    if (const std::optional<AnchorageOutcome> refusal = AnchorageRefusal(s)) {
        ShowRefusal(*refusal);
        return;
    }
    for (Control* c :
         std::initializer_list<Control*>{&Label29, &Label30, &Label31, &Line1, &Label32, &Label33,
                                         &Label34, &Label35, &Label16})
        c->SetVisible(false);
    AnchorageOutcome outcome;
    {
        BusyPointer busy;
        outcome = AnchorageSearch(s);
    }
    if (!outcome.verdict) {
        ShowRefusal(outcome);
        return;
    }
    ShowVerdict();
    checked_.clear();
    for (TextBox* box : CheckInputs()) checked_.push_back(value(*box));
}

void FrmBond::ShowRefusal(const AnchorageOutcome& o) {
    // A check without a verdict shows none, not the verdict of an earlier one.
    ClearResult();
    Warn(o.message, kTightWarningTitle);
    switch (o.focus) {
        case AnchorageField::Moment:
            Text2.SetFocus();
            break;
        case AnchorageField::Strength:
            Text1.SetFocus();
            break;
        case AnchorageField::Layers:
            Text7.SetFocus();
            break;
        case AnchorageField::None:
            break;
    }
}

void FrmBond::ShowVerdict() {
    const DesignState& s = State();
    Label11.SetCaption(FormatPattern(s.Nfd_A, "####0.00"));
    Label14.SetCaption(FormatPattern(s.Nbd_max, "####0.00"));
    Label27.SetCaption(FormatPattern(s.lbd_max, "####0"));
    Label16.SetVisible(true);
    Label17.SetVisible(true);
    const bool positive = AnchoragePositive(s);
    for (Control* c : std::initializer_list<Control*>{&Label29, &Label30, &Label31, &Line1})
        c->SetVisible(!positive);
    for (Label* l : {&Label32, &Label33, &Label34, &Label35}) l->SetVisible(positive);
    if (positive) {
        Label17.SetCaption(kPositive);
        Label16.SetCaption(" < ");
        Label34.SetCaption(FormatPattern(AnchorageLength(s).value_or(0), "####0"));
    } else {
        Label17.SetCaption(kNegative);
        Label16.SetCaption(" > ");
    }
}

void FrmBond::Command2_Click() {
    Hide();
    AcceptBondResults();
}

void FrmBond::Command3_Click() {
    OpenHelp();
}

void FrmBond::Command1_Click() {
    ExitProgram(*this);
}

}  // namespace kord
