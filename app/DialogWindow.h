#pragma once
// The liability statement shown at start: the user accepts it or leaves the program.

#include "platform/Window.h"

namespace kord {

class FrmDialog : public Window {
  public:
    FrmDialog();

    Image& Image1 = Add<Image>("Image1");
    Label& Label2 = Add<Label>("Label2");
    Label& Label3 = Add<Label>("Label3");
    Frame& Frame1 = Add<Frame>("Frame1");
    Label& Label1 = Add<Label>("Label1", &Frame1);
    CommandButton& OKButton = Add<CommandButton>("OKButton");
    CommandButton& CancelButton = Add<CommandButton>("CancelButton");

    void OKButton_Click();
    void CancelButton_Click();

  protected:
    void Form_Load() override;
};

extern FormSlot<FrmDialog> frmDialog;

}  // namespace kord
