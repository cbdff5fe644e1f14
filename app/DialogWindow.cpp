#include "app/DialogWindow.h"

#include "app/AboutWindow.h"
#include "kit/Exit.h"
#include "platform/Paths.h"
#include "platform/Symbols.h"
#include "platform/TextMetrics.h"

namespace kord {

FormSlot<FrmDialog> frmDialog;

FrmDialog::FrmDialog() : Window("frmDialog") {
    SetCaption("Kordelan");
    SetFont(kord::Font{"Arial", 9});
    SetSize(6600, 3600);
    SetBorder(BorderStyle::FixedDialog);
    SetShowInTaskbar(false);

    Image1.Move(240, 240, 900, 720);
    Image1.SetStretch(true);
    const kord::Font brand{"Arial", 16, true};
    Label2.SetFont(brand);
    Label2.SetCaption("Vendrik");
    const int brandW = TextWidthTwips("Vendrik", brand);
    Label2.Move(1380, 420, brandW + 30, 420);
    Label3.SetFontSize(9);
    Label3.Move(1380 + brandW, 360, 200, 240);

    Frame1.SetCaption("Oświadczenie");
    Frame1.Move(240, 1140, 6120, 1500);
    Label1.SetCaption(
        "Odpowiedzialność za obliczenia wykonane przy pomocy tego programu spoczywa na "
        "użytkowniku. W związku z tym polecane jest szczegółowe zapoznanie się z poczynionymi dla "
        "programu założeniami.");
    Label1.SetWordWrap(true);
    Label1.Move(180, 330, 5760, 1050);

    OKButton.SetCaption("Akceptuję");
    OKButton.Move(2880, 2880, 1620, 420);
    OKButton.SetTabIndex(0);
    CancelButton.SetCaption("Nie akceptuję");
    CancelButton.Move(4740, 2880, 1620, 420);
    SetDefaultButton(&OKButton);

    OKButton.Click = [this] { OKButton_Click(); };
    CancelButton.Click = [this] { CancelButton_Click(); };
}

void FrmDialog::Form_Load() {
    Image1.SetPicture(Picture::Load(ProgramPath("Drawings/vendrik.gif")));
    Label3.SetCaption(CodePageChar(174));
}

void FrmDialog::OKButton_Click() {
    Unload();
    frmAbout().Show();
}

void FrmDialog::CancelButton_Click() {
    ExitProgram(*this);
}

}  // namespace kord
