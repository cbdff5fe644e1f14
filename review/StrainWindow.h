#pragma once
// The strain window: the four strain states of a flexure design (initial, ultimate, rare and
// quasi-permanent) with their depths, strains and diagrams, the failure mode and the
// plastic-hinge check. Opened modally from the results window; every way out unloads it, so
// each opening loads it afresh from the design state.

#include <string>

#include "platform/Window.h"

namespace kord {

class FrmStrain : public Window {
  public:
    FrmStrain();

    // The four state frames and their diagrams; the plastic-hinge block below.
    Frame& Frame2 = Add<Frame>("Frame2");  // initial state
    Frame& Frame1 = Add<Frame>("Frame1");  // rare state
    Frame& Frame3 = Add<Frame>("Frame3");  // ultimate state
    Frame& Frame4 = Add<Frame>("Frame4");  // quasi-permanent state
    Frame& Frame5 = Add<Frame>("Frame5");  // plastic hinge
    PictureBox& Picture1 = Add<PictureBox>("Picture1", &Frame2);
    PictureBox& Picture2 = Add<PictureBox>("Picture2", &Frame1);
    PictureBox& Picture3 = Add<PictureBox>("Picture3", &Frame3);
    PictureBox& Picture4 = Add<PictureBox>("Picture4", &Frame4);

    // The failure mode, under the ultimate state's rows.
    Label& Label33 = Add<Label>("Label33", &Frame3);

    // The plastic-hinge block: xi = x / (h - d1) and its limit, and the verdict.
    Label& Label153 = Add<Label>("Label153", &Frame5);
    Label& Label154 = Add<Label>("Label154", &Frame5);
    Label& Label155 = Add<Label>("Label155", &Frame5);
    Label& Label156 = Add<Label>("Label156", &Frame5);
    LineControl& Line1 = Add<LineControl>("Line1", &Frame5);
    Label& Label157 = Add<Label>("Label157", &Frame5);
    Label& Label158 = Add<Label>("Label158", &Frame5);
    Label& Label159 = Add<Label>("Label159", &Frame5);
    Label& Label160 = Add<Label>("Label160", &Frame5);
    Label& Label161 = Add<Label>("Label161", &Frame5);
    Label& Label162 = Add<Label>("Label162", &Frame5);

    CommandButton& Command3 = Add<CommandButton>("Command3");
    CommandButton& Command2 = Add<CommandButton>("Command2");
    CommandButton& Command1 = Add<CommandButton>("Command1");

    // Any label of the window by name ("Label53"); the rows and the labels inside the pictures
    // are reached this way.
    Label& Lbl(const std::string& name) const;

    // Handlers.
    void Command1_Click();  // "Wyjście"
    void Command2_Click();  // "Powrót"
    void Command3_Click();  // "Pomoc"

    // Writes the failure mode of the ultimate state into Label33; with no mode reached it keeps
    // its text.
    void ShowFailureMode();
    // Hands the failure mode to the report and has the report print the strain section.
    void AcceptStrainResults();

  protected:
    void Form_Load() override;

  private:
    void BuildStateFrames();
    void BuildPictureLabels();
    void BuildHingeBlock();
    void FillStates();
};

extern FormSlot<FrmStrain> frmStrain;

}  // namespace kord
