#pragma once
// The input window: the three design cases on the pages of a tab strip, the option rules that
// enable rows and swap the section drawings, and the buttons below.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "kit/FieldRules.h"
#include "platform/Window.h"

namespace kord {

class InputRows;

class FrmData : public Window {
  public:
    FrmData();

    // The design case of the selected tab, set by "Obliczanie" and "Nowy".
    int ActiveTab = 0;

    TabStrip& TabStrip1 = Add<TabStrip>("TabStrip1");
    ControlArray<Frame> Frame4;  // the pages, one per design case
    Frame& page0_ = Add(Frame4, "Frame4", 0);
    Frame& page1_ = Add(Frame4, "Frame4", 1);
    Frame& page2_ = Add(Frame4, "Frame4", 2);

    ControlArray<PictureBox> Picture1;
    ControlArray<Frame> Frame1, Frame7, Frame14, Frame2, Frame11;
    ControlArray<TextBox> Text1, Text2, Text3, Text4, Text5, Text6, Text9, Text10, Text13, Text14,
        Text15, Text22, Text24, Text26;
    ControlArray<OptionButton> Option10, Option11;
    ControlArray<ComboBox> Combo1;
    ControlArray<CommandButton> Command9;

    // Tab 0: flexure.
    Frame& Frame5 = Add<Frame>("Frame5", &page0_);
    OptionButton& Option4 = Add<OptionButton>("Option4", &Frame5);
    OptionButton& Option5 = Add<OptionButton>("Option5", &Frame5);
    Frame& Frame2_0 = Add(Frame2, "Frame2", 0, &page0_);
    TextBox& Text32 = Add<TextBox>("Text32", &Frame2_0);
    TextBox& Text30 = Add<TextBox>("Text30", &Frame2_0);
    TextBox& Text16 = Add<TextBox>("Text16", &Frame2_0);
    TextBox& Text17 = Add<TextBox>("Text17", &Frame2_0);
    Frame& Frame3 = Add<Frame>("Frame3", &page0_);
    TextBox& Text7 = Add<TextBox>("Text7", &Frame3);
    TextBox& Text8 = Add<TextBox>("Text8", &Frame3);
    TextBox& Text31 = Add<TextBox>("Text31", &Frame3);
    TextBox& Text33 = Add<TextBox>("Text33", &Frame3);
    Frame& Frame7_0 = Add(Frame7, "Frame7", 0, &page0_);
    TextBox& Text34 = Add<TextBox>("Text34", &Frame7_0);

    // Tab 1: shear.
    Frame& Frame10 = Add<Frame>("Frame10", &page1_);
    OptionButton& Option1 = Add<OptionButton>("Option1", &Frame10);
    OptionButton& Option2 = Add<OptionButton>("Option2", &Frame10);
    Frame& Frame11_0 = Add(Frame11, "Frame11", 0, &page1_);
    OptionButton& Option6 = Add<OptionButton>("Option6", &Frame11_0);
    OptionButton& Option7 = Add<OptionButton>("Option7", &Frame11_0);
    TextBox& Text18 = Add<TextBox>("Text18", &Frame11_0);
    TextBox& Text19 = Add<TextBox>("Text19", &Frame11_0);
    Frame& Frame6 = Add<Frame>("Frame6", &page1_);
    TextBox& Text12 = Add<TextBox>("Text12", &Frame6);
    Frame& Frame14_1 = Add(Frame14, "Frame14", 1, &page1_);
    ComboBox& Combo3 = Add<ComboBox>("Combo3", &Frame14_1);

    // Tab 2: confinement.
    Frame& Frame8 = Add<Frame>("Frame8", &page2_);
    OptionButton& Option8 = Add<OptionButton>("Option8", &Frame8);
    OptionButton& Option9 = Add<OptionButton>("Option9", &Frame8);
    Frame& Frame1_2 = Add(Frame1, "Frame1", 2, &page2_);
    TextBox& Text20 = Add<TextBox>("Text20", &Frame1_2);
    TextBox& Text27 = Add<TextBox>("Text27", &Frame1_2);
    Frame& Frame14_2 = Add(Frame14, "Frame14", 2, &page2_);
    TextBox& Text11 = Add<TextBox>("Text11", &Frame14_2);
    TextBox& Text25 = Add<TextBox>("Text25", &Frame14_2);
    Frame& Frame11_1 = Add(Frame11, "Frame11", 1, &page2_);
    OptionButton& Option3 = Add<OptionButton>("Option3", &Frame11_1);
    OptionButton& Option12 = Add<OptionButton>("Option12", &Frame11_1);
    TextBox& Text28 = Add<TextBox>("Text28", &Frame11_1);
    TextBox& Text29 = Add<TextBox>("Text29", &Frame11_1);
    Frame& Frame12 = Add<Frame>("Frame12", &page2_);
    CheckBox& Check1 = Add<CheckBox>("Check1", &Frame12);
    CheckBox& Check2 = Add<CheckBox>("Check2", &Frame12);
    TextBox& Text21 = Add<TextBox>("Text21", &Frame12);
    TextBox& Text23 = Add<TextBox>("Text23", &Frame12);

    // Below the pages.
    CommandButton& Command6 = Add<CommandButton>("Command6");
    CommandButton& Command3 = Add<CommandButton>("Command3");
    Image& Image1 = Add<Image>("Image1");
    CommandButton& Command5 = Add<CommandButton>("Command5");
    CommandButton& Command7 = Add<CommandButton>("Command7");
    CommandButton& Command8 = Add<CommandButton>("Command8");
    CommandButton& Command4 = Add<CommandButton>("Command4");
    CommandButton& Command1 = Add<CommandButton>("Command1");
    CommandButton& Command2 = Add<CommandButton>("Command2");
    StatusBar& StatusBar1 = Add<StatusBar>("StatusBar1");

    // Handlers.
    void TabStrip1_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option12_Click();
    void Option10_Click(int index);
    void Option11_Click(int index);
    void Combo1_Click(int index);
    void Check1_Click();
    void Check2_Click();
    void Command6_Click();
    void Command3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void Command9_Click(int index);
    void Command8_Click();

    // A label or any other control by its full name ("Label57", "Label34(2)").
    Control& Ctl(const std::string& name) const;
    // Enables or disables a whole row: the field with the labels of its caption.
    void SetRowEnabled(const std::vector<const char*>& row, bool enabled);
    // Loads a section drawing from the drawings folder into the picture of a tab.
    void LoadDrawing(int tab, const char* file);
    // The three drawings from the current option states.
    void ReloadDrawings();

    void UserCloseBox() override;

    // While suspended, the warning about strips on a rectangular column is not shown; resuming
    // shows it once when the inputs call for it.
    void SetStripsWarningSuspended(bool suspended);

    // The entry and leaving rules of every field.
    FieldRules& Rules() { return *rules_; }

  protected:
    void Form_Load() override;

  private:
    void BuildPages(InputRows& rows);
    void SetTabOrder();
    void BuildSharedFrames(InputRows& rows);
    void BuildFlexurePage(InputRows& rows);
    void BuildShearPage(InputRows& rows);
    void BuildConfinementPage(InputRows& rows);
    void BuildFormFrame(InputRows& rows, Frame& frame, int top, OptionButton& mat,
                        OptionButton& strips, TextBox& width, TextBox& spacing,
                        const std::array<const char*, 6>& labels);
    void BuildBottom(InputRows& rows);
    void WireEvents();
    void ApplyClassRule(int index);
    void RectangularStripsWarning();

    // Greek letter labels and their symbol codes, given their letters when the window loads.
    std::vector<std::pair<Label*, int>> greekLetters_;
    std::unique_ptr<FieldRules> rules_;
    bool stripsWarningSuspended_ = false;
};

extern FormSlot<FrmData> frmData;

}  // namespace kord
