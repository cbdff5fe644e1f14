#include "app/OptionsWindow.h"

#include <algorithm>

#include "app/InputWindow.h"
#include "engine/DesignState.h"
#include "engine/MessageTexts.h"
#include "kit/Help.h"
#include "kit/ProgramState.h"
#include "platform/Symbols.h"
#include "platform/TextMetrics.h"

namespace kord {

FormSlot<FrmOptions> frmOptions;

namespace {

// Layout, in twips.
// Wide enough for the three tab captions side by side.
constexpr int kClientWidth = 8700;
constexpr int kClientHeight = 4920;
// The tab strip stands so that its client area begins where the tab rule puts the front pane.
constexpr int kStripLeft = 180;
constexpr int kStripTop = 120;
constexpr int kStripWidth = kClientWidth - 2 * kStripLeft;
constexpr int kStripHeight = 4080;
constexpr int kPaneLeft = 210;
constexpr int kParked = -20000;
constexpr int kButtonW = 1215, kButtonH = 375;
constexpr int kFrameX = 120;
constexpr int kFrameW = kStripWidth - 60 - 2 * kFrameX;
constexpr int kBoxH = 285;
constexpr int kCheckH = 255;

const Font kFormFont{"Arial", 8.25};
const Font kSymbolFont{"Symbol", 10};
const Font kSubFont{"Arial", 7};

}  // namespace

FrmOptions::FrmOptions() : Window("frmOptions") {
    SetCaption("Opcje");
    SetSize(kClientWidth, kClientHeight);
    SetBorder(BorderStyle::FixedDialog);
    SetShowInTaskbar(false);
    SetKeyPreview(true);
    SetFont(kFormFont);
    // The members were made before the form font was set.
    for (const auto& c : Controls()) c->SetFont(kFormFont);

    tbsOptions.Move(kStripLeft, kStripTop, kStripWidth, kStripHeight);
    tbsOptions.AddTab("Ogólne");
    tbsOptions.AddTab("Drukowanie / Zginanie");
    tbsOptions.AddTab("Współczynniki bezpieczeństwa dla kompozytów (ścinanie)");
    for (PictureBox* pane : picOptions.Elements()) {
        pane->SetBorder(false);
        pane->Move(tbsOptions.ClientLeft(), tbsOptions.ClientTop(), tbsOptions.ClientWidth(),
                   tbsOptions.ClientHeight());
    }
    BuildGeneralPane();
    BuildPrintingPane();
    BuildFactorsPane();

    const int buttonsY = kStripTop + kStripHeight + 150;
    Command5.SetCaption("Pomoc");
    Command5.Move(kStripLeft, buttonsY, kButtonW, kButtonH);
    cmdOK.SetCaption("OK");
    cmdOK.Move(kClientWidth - kStripLeft - kButtonW, buttonsY, kButtonW, kButtonH);
    SetDefaultButton(&cmdOK);

    rules_ = std::make_unique<FieldRules>(*this, kNotNumberMessage, kWarningTitle);
    for (TextBox* t : {&Text1, &Text2, &Text9}) rules_->AddEntry(*t);
    rules_->Add(Text3, Range(kRangeHead, {0.3, 1}, {1.0, 1}, ".", false));
    for (TextBox* t : {&Text4, &Text5, &Text6, &Text7, &Text8})
        rules_->Add(*t, Range(kRangeHead, {1.0, 1}, {1.6, 1}, ".", false));
    // Help leaves the field as it is; the user comes back to it.
    rules_->Exempt(Command5);

    tbsOptions.Click = [this] { tbsOptions_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
}

Label& FrmOptions::AddLabel(const std::string& name, Control* container, const std::string& caption,
                            int left, int top, int width, int height) {
    Label& l = Add<Label>(name, container);
    l.SetCaption(caption);
    l.Move(left, top, width > 0 ? width : TextWidthTwips(caption, l.Font()) + 15, height);
    return l;
}

void FrmOptions::BuildGeneralPane() {
    const int boxX = 1080;
    const int boxW = kFrameW - boxX - 240;

    FrameUser.SetCaption("Dane użytkownika");
    FrameUser.Move(kFrameX, 120, kFrameW, 1095);
    AddLabel("Label1", &FrameUser, "Autor:", 240, 330);
    Text1.Move(boxX, 300, boxW, kBoxH);
    AddLabel("Label2", &FrameUser, "Firma:", 240, 705);
    Text2.Move(boxX, 675, boxW, kBoxH);

    // Outside the frame, in line with the fields inside it.
    AddLabel("Label3", &pane0_, "Projekt:", kFrameX + 240, 1440);
    Text9.Move(kFrameX + boxX, 1410, boxW, kBoxH);

    FramePrint.SetCaption("Wydruk");
    FramePrint.Move(kFrameX, 1920, kFrameW, 1380);
    const int checkW = kFrameW - 480;
    Check2.SetCaption("Dane użytkownika");
    Check2.Move(240, 330, checkW, kCheckH);
    Check1.SetCaption("Data/Godzina");
    Check1.Move(240, 660, checkW, kCheckH);
    Check1.SetValue(1);
    Check3.SetCaption("Projekt");
    Check3.Move(240, 990, checkW, kCheckH);
}

void FrmOptions::BuildPrintingPane() {
    FramePrinting.SetCaption("Opcje drukowania");
    FramePrinting.Move(kFrameX, 120, kFrameW, 960);
    const int buttonW = (kFrameW - 3 * 240) / 2;
    Command1.SetCaption("Ustawienia drukarki");
    Command1.Move(240, 360, buttonW, 390);
    Command2.SetCaption("Czcionki");
    Command2.Move(480 + buttonW, 360, buttonW, 390);

    FrameFlexure.SetCaption("Wzmocnienie przy zginaniu");
    FrameFlexure.Move(kFrameX, 1200, kFrameW, 720);
    Check4.SetCaption("Rozwiązanie tylko dla pożądanych stanów zniszczenia");
    Check4.Move(240, 330, kFrameW - 480, kCheckH);
    Check4.SetValue(1);
}

void FrmOptions::BuildFactorsPane() {
    FrameFactors.SetCaption("Współczynniki bezpieczeństwa dla kompozytu");
    FrameFactors.Move(kFrameX, 120, kFrameW, 3420);

    struct Row {
        TextBox* box;
        const char* description;  // "" for the factors without one
        const char* subscript;    // "" for k
    };
    const Row rows[] = {{&Text3, "", ""},
                        {&Text4, "", "f,b"},
                        {&Text5, "", "f,l"},
                        {&Text6, "- CFRP (wł. węglowe):", "f,f"},
                        {&Text7, "- AFRP (wł. aramidowe):", "f,f"},
                        {&Text8, "- GFRP (wł. szklane):", "f,f"}};
    const std::string kCaption = "   k  =";
    const std::string equals = "  =";

    // One column for the symbols, right of the longest description; one for the boxes.
    int descW = 0;
    int symbolW = TextWidthTwips(kCaption, kFormFont);
    for (const Row& r : rows) {
        descW = std::max(descW, TextWidthTwips(r.description, kFormFont));
        if (*r.subscript)
            symbolW = std::max(symbolW, TextWidthTwips(SymbolChar(103), kSymbolFont) +
                                            TextWidthTwips(r.subscript, kSubFont) +
                                            TextWidthTwips(equals, kFormFont));
    }
    const int symbolX = 240 + descW + 180;
    const int boxX = symbolX + symbolW + 120;

    // Names: "Label4" k; per γ row r (1..5) the letter Label(4+r), its subscript Label(9+r),
    // its "=" Label(14+r); the fibre descriptions Label20..Label22.
    auto name = [](int n) { return "Label" + std::to_string(n); };
    int y = 360;
    for (int r = 0; r < 6; ++r, y += 390) {
        const Row& row = rows[r];
        row.box->Move(boxX, y, 1005, kBoxH);
        if (r == 0) {
            AddLabel(name(4), &FrameFactors, kCaption, symbolX, y + 30);
            continue;
        }
        if (*row.description) AddLabel(name(17 + r), &FrameFactors, row.description, 240, y + 30);
        Label& g = AddLabel(name(4 + r), &FrameFactors, "", symbolX, y, 180, 270);
        g.SetFont(kSymbolFont);
        greekLetters_.push_back(&g);
        const int subX = symbolX + TextWidthTwips(SymbolChar(103), kSymbolFont);
        const int subW = TextWidthTwips(row.subscript, kSubFont);
        Label& s =
            AddLabel(name(9 + r), &FrameFactors, row.subscript, subX, y + 120, subW + 15, 210);
        s.SetFont(kSubFont);
        AddLabel(name(14 + r), &FrameFactors, equals, subX + subW, y + 30);
    }

    Command4.SetCaption("Domyślne");
    Command4.Move(kFrameW - 240 - kButtonW, 2850, kButtonW, kButtonH);
}

void FrmOptions::Form_Load() {
    // 1. Every pane on the tab strip's client area.
    for (PictureBox* pane : picOptions.Elements())
        pane->Move(tbsOptions.ClientLeft(), tbsOptions.ClientTop(), tbsOptions.ClientWidth(),
                   tbsOptions.ClientHeight());
    // 2.
    picOptions(0).ZOrder(0);
    // 3.
    for (Label* g : greekLetters_) g->SetCaption(SymbolChar(103));
    // 4.
    WriteFactorDefaults();
}

void FrmOptions::WriteFactorDefaults() {
    Text3.SetText(Dec("0,8", "0.8"));
    Text4.SetText(Dec("1,30", "1.30"));
    Text5.SetText(Dec("1,25", "1.25"));
    Text6.SetText(Dec("1,20", "1.20"));
    Text7.SetText(Dec("1,25", "1.25"));
    Text8.SetText(Dec("1,30", "1.30"));
}

void FrmOptions::tbsOptions_Click() {
    const int selected = tbsOptions.SelectedIndex();
    for (int i = 0; i < tbsOptions.TabCount(); ++i) {
        PictureBox& pane = picOptions(i);
        // A pane out of sight also takes no focus and no input.
        pane.SetLeft(i == selected ? kPaneLeft : kParked);
        pane.SetEnabled(i == selected);
    }
}

bool FrmOptions::Form_KeyDown(int key, bool ctrl, bool shift) {
    if (key != KeyTab || !ctrl) return false;
    const int selected = tbsOptions.SelectedIndex();
    const int last = tbsOptions.TabCount() - 1;
    // Forward stops at the last tab; backward wraps from the first to the last.
    const int target = shift ? (selected == 0 ? last : selected - 1) : std::min(selected + 1, last);
    if (target == selected) return true;
    // As in the input window, the tab strip takes the focus: leaving the field checks it, a
    // failed check keeps the tab, and the keyboard goes on working from the strip.
    if (MoveFocus(&tbsOptions, FocusCause::Shortcut)) tbsOptions.Select(target);
    return true;
}

void FrmOptions::cmdOK_Click() {
    StatusBar& bar = frmData().StatusBar1;
    bar.SetPanelText(1, "Projekt: " + Text9.Text());
    bar.SetPanelText(2, "Autor: " + Text1.Text());
    bar.SetPanelText(3, "Firma: " + Text2.Text());
    Hide();
}

void FrmOptions::Command1_Click() {
    // A dialog that is cancelled keeps the earlier choice.
    PrinterChoice choice = Printer;
    if (TheHost().ChoosePrinter(choice)) Printer = choice;
}

void FrmOptions::Command2_Click() {
    kord::Font font = ReportFont.name.empty() ? kord::Font{"Arial", 12} : ReportFont;
    // Only the sizes the report prints: it takes 9 and 16 for 12.
    if (!TheHost().ChooseFont(font, 10, 15)) return;
    font.size = std::clamp(font.size, 10.0, 15.0);
    ReportFont = font;
}

void FrmOptions::Command4_Click() {
    WriteFactorDefaults();
}

void FrmOptions::Command5_Click() {
    OpenHelp();
}

void FrmOptions::UserCloseBox() {
    cmdOK_Click();
}

}  // namespace kord
