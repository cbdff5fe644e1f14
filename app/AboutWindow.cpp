#include "app/AboutWindow.h"

#include <algorithm>

#include "app/InputWindow.h"
#include "kit/Exit.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "platform/Symbols.h"
#include "platform/TextMetrics.h"

namespace kord {

FormSlot<FrmAbout> frmAbout;

namespace {
const char* const kTitle = "System Wzmacniania Materiałami Kompozytowymi Vendrik   Plankor";
}

FrmAbout::FrmAbout() : Window("frmAbout") {
    SetCaption("O programie Kordelan");
    SetFont(kord::Font{"Arial", 9});
    SetBorder(BorderStyle::FixedDialog);
    SetShowInTaskbar(false);

    Image1.Move(240, 240, 900, 720);
    Image1.SetStretch(true);

    // The title is centred over the window, which is as wide as the title needs; the registered
    // signs stand after its two brand words.
    const kord::Font titleFont{"Arial", 11, true};
    const int titleTextW = TextWidthTwips(kTitle, titleFont);
    const int width = std::max(8400, 1260 + titleTextW + 600);
    SetSize(width, 4080);
    lblTitle.SetFont(titleFont);
    lblTitle.SetCaption(kTitle);
    lblTitle.SetAlignment(Alignment::Center);
    const int titleLeft = 1260, titleWidth = width - 1260 - 240;
    lblTitle.Move(titleLeft, 480, titleWidth, 330);
    const int textLeft = titleLeft + (titleWidth - titleTextW) / 2;
    const std::string beforeSecond = "System Wzmacniania Materiałami Kompozytowymi Vendrik";
    Label3.SetFontSize(7);
    Label3.Move(textLeft + TextWidthTwips(beforeSecond, titleFont), 420, 180, 210);
    Label4.SetFontSize(7);
    Label4.Move(textLeft + titleTextW, 420, 180, 210);
    const int inner = width - 480;

    Frame2.Move(240, 1140, inner, 1380);
    Frame2.SetCaption("");
    lblDescription.SetCaption(
        "Oprogramowanie do projektowania wzmocnienia za pomocą Systemu Wzmacniania Materiałami "
        "Kompozytowymi Vendrik Plankor, w celu podniesienia nośności konstrukcji żelbetowych "
        "zginanych, ścinanych oraz ściskanych, oparte na");
    lblDescription.SetWordWrap(true);
    lblDescription.Move(180, 240, inner - 360, 630);
    Label2.SetFont(kord::Font{"Arial", 9, true, true});
    Label2.SetCaption("fib Bulletin 14.");
    Label2.Move(180, 900, 2400, 270);

    Frame1.Move(240, 2640, inner, 660);
    Frame1.SetCaption("");
    Label1.SetCaption("Program opracowany we współpracy z biurem konstrukcyjnym Kordelan.");
    Label1.Move(180, 240, inner - 360, 270);

    cmdOK.SetCaption("OK");
    cmdOK.Move(width - 240 - 1620, 3480, 1620, 420);
    cmdOK.SetTabIndex(0);
    cmdSysInfo.SetCaption("&System Info...");
    cmdSysInfo.Move(width - 240 - 3420, 3480, 1620, 420);
    Command1.SetCaption("Wyjście");
    Command1.Move(240, 3480, 1620, 420);
    SetDefaultButton(&cmdOK);
    SetCancelButton(&cmdOK);

    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void FrmAbout::Form_Load() {
    Image1.SetPicture(Picture::Load(ProgramPath("Drawings/vendrik.gif")));
    Label3.SetCaption(CodePageChar(174));
    Label4.SetCaption(CodePageChar(174));
}

void FrmAbout::cmdOK_Click() {
    // An input window that exists keeps its inputs; its load runs only once.
    frmData().Show();
    Unload();
}

void FrmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void FrmAbout::Command1_Click() {
    ExitProgram(*this);
}

void FrmAbout::StartSysInfo() {
    // The tool is found through the Windows registry and started as a process of its own; this
    // platform has neither, so the box says that the tool is not available.
    TheHost().MsgBox("Informacja o systemie jest w tym momencie niedostępna", MsgButtons::OK,
                     MsgIcon::None, "");
}

}  // namespace kord
