#pragma once
// The results window: lays itself out for the design case of the last successful design, shows
// its results from the design state, and leads to the post-design steps and back to the input.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace kord {

class RowKit;

// What the results window needs of the program around it, set up at start-up: "Powrót" shows
// the input window again, "Drukowanie" prints the report of the design on show.
struct ResultsLinks {
    std::function<void()> showInput;
    std::function<void()> print;
};
void SetResultsLinks(ResultsLinks links);

class FrmResult : public Window {
  public:
    FrmResult();

    // Lays the window out for the last design, writes its values and shows it. Use this after
    // every successful design: it also refreshes a window that is still loaded.
    void ShowResults();
    // Writes the recomputed results of the applied laminate: the values of its case, the texts
    // of the rows that now name the applied laminate, and, for flexure, enables "Zakotwienie".
    void ShowAppliedLaminate();

    // Frames, one per block of results; the layout parks those of the other cases outside.
    Frame& Frame4 = Add<Frame>("Frame4");  // flexure, ultimate limit state
    Frame& Frame6 = Add<Frame>("Frame6");  // flexure, rare combination
    Frame& Frame3 = Add<Frame>("Frame3");  // flexure, quasi-permanent combination
    Frame& Frame5 = Add<Frame>("Frame5");  // flexure, governing state
    Frame& Frame1 = Add<Frame>("Frame1");  // shear
    Frame& Frame2 = Add<Frame>("Frame2");  // confinement

    // Row texts shared by the two serviceability frames: index 0 in Frame6, 1 in Frame3;
    // Label57(2) and (3) are the second caption lines of Frame6 and Frame3.
    ControlArray<Label> Label57, Label60, Label61, Label84, Label87;

    // Ultimate limit state.
    Label& Label22 = Add<Label>("Label22", &Frame4);
    Label& Label25 = Add<Label>("Label25", &Frame4);
    Label& Label2 = Add<Label>("Label2", &Frame4);
    Label& Label1 = Add<Label>("Label1", &Frame4);
    Label& Label50 = Add<Label>("Label50", &Frame4);
    Label& Label52 = Add<Label>("Label52", &Frame4);
    Label& Label32 = Add<Label>("Label32", &Frame4);
    Label& Label39 = Add<Label>("Label39", &Frame4);

    // Rare combination.
    Label& Label68 = Add<Label>("Label68", &Frame6);
    Label& Label82 = Add<Label>("Label82", &Frame6);
    Label& Label94 = Add<Label>("Label94", &Frame6);
    Label& Label67 = Add<Label>("Label67", &Frame6);
    Label& Label59 = Add<Label>("Label59", &Frame6);
    Label& Label79 = Add<Label>("Label79", &Frame6);
    Label& Label63 = Add<Label>("Label63", &Frame6);
    Label& Label73 = Add<Label>("Label73", &Frame6);
    Label& Label69 = Add<Label>("Label69", &Frame6);
    Label& Label62 = Add<Label>("Label62", &Frame6);
    Label& Label81 = Add<Label>("Label81", &Frame6);
    Label& Label64 = Add<Label>("Label64", &Frame6);
    Label& Label75 = Add<Label>("Label75", &Frame6);

    // Quasi-permanent combination.
    Label& Label41 = Add<Label>("Label41", &Frame3);
    Label& Label33 = Add<Label>("Label33", &Frame3);
    Label& Label40 = Add<Label>("Label40", &Frame3);
    Label& Label107 = Add<Label>("Label107", &Frame3);
    Label& Label103 = Add<Label>("Label103", &Frame3);
    Label& Label105 = Add<Label>("Label105", &Frame3);
    Label& Label110 = Add<Label>("Label110", &Frame3);
    Label& Label43 = Add<Label>("Label43", &Frame3);
    Label& Label109 = Add<Label>("Label109", &Frame3);
    Label& Label104 = Add<Label>("Label104", &Frame3);
    Label& Label106 = Add<Label>("Label106", &Frame3);
    Label& Label111 = Add<Label>("Label111", &Frame3);
    Label& Label102 = Add<Label>("Label102", &Frame3);

    // Governing state.
    Label& Label71 = Add<Label>("Label71", &Frame5);
    Label& Label72 = Add<Label>("Label72", &Frame5);
    Label& Label74 = Add<Label>("Label74", &Frame5);
    Label& Label77 = Add<Label>("Label77", &Frame5);

    // Shear.
    Label& Label3 = Add<Label>("Label3", &Frame1);
    Label& Label5 = Add<Label>("Label5", &Frame1);
    Label& Label46 = Add<Label>("Label46", &Frame1);
    Label& Label48 = Add<Label>("Label48", &Frame1);

    // Confinement.
    Label& Label11 = Add<Label>("Label11", &Frame2);
    Label& Label13 = Add<Label>("Label13", &Frame2);
    Label& Label9 = Add<Label>("Label9", &Frame2);
    Label& Label14 = Add<Label>("Label14", &Frame2);
    Label& Label4 = Add<Label>("Label4", &Frame2);
    Label& Label55 = Add<Label>("Label55", &Frame2);
    Label& Label15 = Add<Label>("Label15", &Frame2);

    // Buttons.
    CommandButton& Command7 = Add<CommandButton>("Command7");  // "Zakotwienie"
    CommandButton& Command3 = Add<CommandButton>("Command3");  // strain window
    CommandButton& Command4 = Add<CommandButton>("Command4");  // "Drukowanie"
    CommandButton& Command5 = Add<CommandButton>("Command5");  // dimensioning window
    CommandButton& Command6 = Add<CommandButton>("Command6");  // "Pomoc"
    CommandButton& Command2 = Add<CommandButton>("Command2");  // "Powrót"
    CommandButton& Command1 = Add<CommandButton>("Command1");  // "Wyjście"

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    // The title-bar close box goes back to the input window, as "Powrót" does.
    void UserCloseBox() override;

  protected:
    void Form_Load() override;

  private:
    std::map<const Label*, std::vector<Label*>> thicknessSymbols_;
    // Above every name the window's own controls use.
    int freshLabel_ = 200;
    void BuildUltimateFrame(RowKit& rows);
    void BuildServiceabilityFrame(RowKit& rows, int k);
    void BuildGoverningFrame(RowKit& rows);
    void ThicknessRow(RowKit& rows, Label& text, Label& value);
    void BuildShearFrame(RowKit& rows);
    void BuildConfinementFrame(RowKit& rows);
    void BuildButtons();

    // The steps of the load: symbols, limit texts, layout and values of the current design.
    void Refresh();
    void LayOut(int kind);
    void ShowFlexureValues();
    void ShowShearValues();
    void ShowConfinementValues();
    void ShowAppliedFlexure();
    // The thickness row's text after a recomputation: the caption names its own symbol, so the
    // row's symbol goes.
    void SetThicknessCaption(Label& text, const std::string& caption);
    void PlaceLimitSubscripts();

    // The subscripts "yk" and "ck" that stand in the blanks of the four limit texts.
    Label* limitSubscript_[4] = {};
};

extern FormSlot<FrmResult> frmResult;

}  // namespace kord
