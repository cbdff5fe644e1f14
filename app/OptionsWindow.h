#pragma once
// The options window: user data and print options, the printer and report font, the flexure
// failure-mode option and the partial safety factors of the composite. Its "OK" only hides it,
// so its settings live as long as the program.

#include <memory>
#include <string>
#include <vector>

#include "kit/FieldRules.h"
#include "platform/Host.h"
#include "platform/Window.h"

namespace kord {

class FrmOptions : public Window {
  public:
    FrmOptions();

    TabStrip& tbsOptions = Add<TabStrip>("tbsOptions");
    ControlArray<PictureBox> picOptions;
    PictureBox& pane0_ = Add(picOptions, "picOptions", 0);
    PictureBox& pane1_ = Add(picOptions, "picOptions", 1);
    PictureBox& pane2_ = Add(picOptions, "picOptions", 2);

    // Pane 0: user data and what the first report page prints.
    Frame& FrameUser = Add<Frame>("Frame1", &pane0_);
    TextBox& Text1 = Add<TextBox>("Text1", &FrameUser);  // author
    TextBox& Text2 = Add<TextBox>("Text2", &FrameUser);  // company
    TextBox& Text9 = Add<TextBox>("Text9", &pane0_);     // project
    Frame& FramePrint = Add<Frame>("Frame2", &pane0_);
    CheckBox& Check2 = Add<CheckBox>("Check2", &FramePrint);  // user data
    CheckBox& Check1 = Add<CheckBox>("Check1", &FramePrint);  // date and time
    CheckBox& Check3 = Add<CheckBox>("Check3", &FramePrint);  // project

    // Pane 1: printer, font, flexure option.
    Frame& FramePrinting = Add<Frame>("Frame3", &pane1_);
    CommandButton& Command1 = Add<CommandButton>("Command1", &FramePrinting);
    CommandButton& Command2 = Add<CommandButton>("Command2", &FramePrinting);
    Frame& FrameFlexure = Add<Frame>("Frame4", &pane1_);
    CheckBox& Check4 = Add<CheckBox>("Check4", &FrameFlexure);

    // Pane 2: the partial safety factors.
    Frame& FrameFactors = Add<Frame>("Frame5", &pane2_);
    TextBox& Text3 = Add<TextBox>("Text3", &FrameFactors);  // k
    TextBox& Text4 = Add<TextBox>("Text4", &FrameFactors);  // γf,b
    TextBox& Text5 = Add<TextBox>("Text5", &FrameFactors);  // γf,l
    TextBox& Text6 = Add<TextBox>("Text6", &FrameFactors);  // γf,f CFRP
    TextBox& Text7 = Add<TextBox>("Text7", &FrameFactors);  // γf,f AFRP
    TextBox& Text8 = Add<TextBox>("Text8", &FrameFactors);  // γf,f GFRP
    CommandButton& Command4 = Add<CommandButton>("Command4", &FrameFactors);

    CommandButton& Command5 = Add<CommandButton>("Command5");
    CommandButton& cmdOK = Add<CommandButton>("cmdOK");

    // The printer and report font chosen here (no printer: an empty device name; no font
    // chosen: an empty name, and the report uses Arial).
    PrinterChoice Printer;
    kord::Font ReportFont{"", 0};

    void cmdOK_Click();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void tbsOptions_Click();

    // Closing by the title bar counts as "OK": the settings stay.
    void UserCloseBox() override;

    // The entry and leaving rules of the fields; the shear design reads the factors through them.
    FieldRules& Rules() { return *rules_; }

  protected:
    void Form_Load() override;
    bool Form_KeyDown(int key, bool ctrl, bool shift) override;

  private:
    void BuildGeneralPane();
    void BuildPrintingPane();
    void BuildFactorsPane();
    // The six factors as the window starts, in the locale's decimal form.
    void WriteFactorDefaults();
    Label& AddLabel(const std::string& name, Control* container, const std::string& caption,
                    int left, int top, int width = 0, int height = 240);

    // The γ letters: empty until the window loads.
    std::vector<Label*> greekLetters_;
    std::unique_ptr<FieldRules> rules_;
};

extern FormSlot<FrmOptions> frmOptions;

}  // namespace kord
