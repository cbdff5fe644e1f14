#pragma once
// The anchorage window: the inputs of a section A near the end of the applied strips, proposed
// from the design and checked field by field, the anchorage check on "Obliczanie" with its verdict,
// and "Powrót", which hides the window and has the report print the anchorage section. Opened
// modally from the results window once the results stand for the applied laminate; hidden, not
// unloaded, so it keeps what the user typed.

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kit/FieldRules.h"
#include "platform/Window.h"

namespace kord {

struct AnchorageOutcome;

class FrmBond : public Window {
  public:
    FrmBond();

    // Inputs: the drawing on the left, three frames of rows on the right.
    Frame& Frame1 = Add<Frame>("Frame1");
    PictureBox& Picture1 = Add<PictureBox>("Picture1", &Frame1);
    Frame& Frame3 = Add<Frame>("Frame3", &Frame1);      // section A
    TextBox& Text1 = Add<TextBox>("Text1", &Frame3);    // fctm [N/mm²]
    TextBox& Text2 = Add<TextBox>("Text2", &Frame3);    // Msd,A [kNm]
    Frame& Frame2 = Add<Frame>("Frame2", &Frame1);      // steel at A
    TextBox& Text32 = Add<TextBox>("Text32", &Frame2);  // Es [kN/mm²]
    TextBox& Text30 = Add<TextBox>("Text30", &Frame2);  // fyk [N/mm²]
    TextBox& Text3 = Add<TextBox>("Text3", &Frame2);    // As2 [mm²]
    TextBox& Text5 = Add<TextBox>("Text5", &Frame2);    // d2 [m]
    TextBox& Text16 = Add<TextBox>("Text16", &Frame2);  // As12 [mm²]
    TextBox& Text17 = Add<TextBox>("Text17", &Frame2);  // d12 [m]
    TextBox& Text4 = Add<TextBox>("Text4", &Frame2);    // As11 [mm²]
    TextBox& Text6 = Add<TextBox>("Text6", &Frame2);    // d11 [m]
    Frame& Frame5 = Add<Frame>("Frame5", &Frame1);      // strips at A
    Label& Label38 = Add<Label>("Label38", &Frame5);    // number of strips
    TextBox& Text7 = Add<TextBox>("Text7", &Frame5);    // layers

    // The result.
    Frame& Frame4 = Add<Frame>("Frame4");
    CommandButton& Command4 = Add<CommandButton>("Command4", &Frame4);  // "Obliczanie"
    Label& Label11 = Add<Label>("Label11", &Frame4);                    // Nfd,A
    Label& Label16 = Add<Label>("Label16", &Frame4);                    // relation sign
    Label& Label14 = Add<Label>("Label14", &Frame4);                    // Nbd,max
    Label& Label17 = Add<Label>("Label17", &Frame4);                    // verdict
    Label& Label32 = Add<Label>("Label32", &Frame4);                    // l_bd,A row
    Label& Label33 = Add<Label>("Label33", &Frame4);
    Label& Label34 = Add<Label>("Label34", &Frame4);
    Label& Label35 = Add<Label>("Label35", &Frame4);
    Label& Label27 = Add<Label>("Label27", &Frame4);  // lbd,max
    Label& Label31 = Add<Label>("Label31", &Frame4);  // the hints
    LineControl& Line1 = Add<LineControl>("Line1", &Frame4);
    Label& Label29 = Add<Label>("Label29", &Frame4);
    Label& Label30 = Add<Label>("Label30", &Frame4);

    CommandButton& Command3 = Add<CommandButton>("Command3");  // "Pomoc"
    CommandButton& Command2 = Add<CommandButton>("Command2");  // "Powrót"
    CommandButton& Command1 = Add<CommandButton>("Command1");  // "Wyjście"

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // Shows the window modally for the applied laminate: the checks take the current design's
    // values, the number of layers is proposed afresh, and a result that belongs to another
    // laminate is cleared.
    void ShowForLaminate();
    // Shows the applied number of strips and proposes the fewest layers that hold them.
    void SetMinLayers();
    // The report prints the anchorage section.
    void AcceptBondResults();

    FieldRules& Rules() { return *rules_; }

  protected:
    void Form_Load() override;

  private:
    void BuildInputs();
    void BuildResult();
    void BuildButtons();
    void BuildRules();
    // Proposes the section's values from the current design: into every box at load, and after a
    // new design into each box that still holds what was proposed for the earlier one.
    void ProposeFromDesign();
    // The result frame without a result: value labels "0", no verdict, hints or length.
    void ClearResult();
    // The boxes the check reads, in the order it reads them.
    std::array<TextBox*, 11> CheckInputs();
    // A verdict stands only beside the values it was computed for.
    void ClearResultOfOtherInputs();
    void ShowRefusal(const AnchorageOutcome& o);
    void ShowVerdict();

    std::unique_ptr<FieldRules> rules_;
    // The text last proposed for each box that ProposeFromDesign fills.
    std::map<const TextBox*, std::string> proposed_;
    // What the check of the shown verdict read from each of CheckInputs(); empty without one.
    std::vector<double> checked_;
    int freshLabel_ = 100;
};

extern FormSlot<FrmBond> frmBond;

}  // namespace kord
