#pragma once
// The About box: shown after the statement at start, and again by "O programie...".

#include <string>

#include "platform/Window.h"

namespace kord {

class FrmAbout : public Window {
  public:
    FrmAbout();

    Image& Image1 = Add<Image>("Image1");
    Label& lblTitle = Add<Label>("lblTitle");
    Label& Label3 = Add<Label>("Label3");
    Label& Label4 = Add<Label>("Label4");
    Frame& Frame2 = Add<Frame>("Frame2");
    Label& lblDescription = Add<Label>("lblDescription", &Frame2);
    Label& Label2 = Add<Label>("Label2", &Frame2);
    Frame& Frame1 = Add<Frame>("Frame1");
    Label& Label1 = Add<Label>("Label1", &Frame1);
    CommandButton& cmdOK = Add<CommandButton>("cmdOK");
    CommandButton& cmdSysInfo = Add<CommandButton>("cmdSysInfo");
    CommandButton& Command1 = Add<CommandButton>("Command1");

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Command1_Click();
    void StartSysInfo();

  protected:
    void Form_Load() override;
};

extern FormSlot<FrmAbout> frmAbout;

}  // namespace kord
