#pragma once
// The dimensioning window: turns the required strengthening of the last design into real laminate
// (strips of a chosen width and thickness for flexure, layers of a chosen thickness for shear and
// confinement), takes the number actually applied and either leaves the results as they are or
// has them recomputed for it. Opened modally from the results window; every way out unloads it,
// so each opening starts afresh.

#include <memory>

#include "kit/FieldRules.h"
#include "platform/Window.h"

namespace kord {

class FrmDim : public Window {
  public:
    FrmDim();

    // Two frames at the same place; the one of the design case stands in front.
    Frame& Frame1 = Add<Frame>("Frame1");  // strips (flexure)
    Frame& Frame2 = Add<Frame>("Frame2");  // layers (shear, confinement)

    // Strips: the required moments and area, the strip sizes, the counts and the applied area.
    Label& Label32 = Add<Label>("Label32", &Frame1);  // Msd
    Label& Label48 = Add<Label>("Label48", &Frame1);  // Mser,r
    Label& Label55 = Add<Label>("Label55", &Frame1);  // Mser,q-p
    Label& Label8 = Add<Label>("Label8", &Frame1);    // required area [mm²]
    ControlArray<CommandButton> Command6;             // the material data sheet
    CommandButton& Command6_0 = Add(Command6, "Command6", 0, &Frame1);
    TextBox& Text1 = Add<TextBox>("Text1", &Frame1);                    // strip width [mm]
    TextBox& Text2 = Add<TextBox>("Text2", &Frame1);                    // strip thickness [mm]
    CommandButton& Command3 = Add<CommandButton>("Command3", &Frame1);  // "Obliczenia"
    Label& Label4 = Add<Label>("Label4", &Frame1);                      // required strips
    Label& Label59 = Add<Label>("Label59", &Frame1);
    TextBox& Text5 = Add<TextBox>("Text5", &Frame1);  // applied strips
    Label& Label7 = Add<Label>("Label7", &Frame1);    // applied area [mm²]

    // Layers: the required force or strength and strain, the required thickness, the layer
    // thickness, the counts and the total thickness.
    Label& Label34 = Add<Label>("Label34", &Frame2);  // the V row
    Label& Label36 = Add<Label>("Label36", &Frame2);
    Label& Label35 = Add<Label>("Label35", &Frame2);  // Vfd [kN]
    Label& Label37 = Add<Label>("Label37", &Frame2);
    Label& Label38 = Add<Label>("Label38", &Frame2);  // the f_cc and epsilon_cu row
    Label& Label40 = Add<Label>("Label40", &Frame2);
    Label& Label39 = Add<Label>("Label39", &Frame2);  // fcc [N/mm²]
    Label& Label41 = Add<Label>("Label41", &Frame2);
    Label& Label42 = Add<Label>("Label42", &Frame2);
    Label& Label47 = Add<Label>("Label47", &Frame2);  // epsilon
    Label& Label44 = Add<Label>("Label44", &Frame2);
    Label& Label52 = Add<Label>("Label52", &Frame2);
    Label& Label43 = Add<Label>("Label43", &Frame2);  // eps_cu
    Label& Label45 = Add<Label>("Label45", &Frame2);
    Label& Label14 = Add<Label>("Label14", &Frame2);  // required thickness [mm]
    CommandButton& Command6_1 = Add(Command6, "Command6", 1, &Frame2);
    TextBox& Text3 = Add<TextBox>("Text3", &Frame2);                    // layer thickness [mm]
    CommandButton& Command4 = Add<CommandButton>("Command4", &Frame2);  // "Obliczenia"
    Label& Label11 = Add<Label>("Label11", &Frame2);                    // required layers
    Label& Label58 = Add<Label>("Label58", &Frame2);
    TextBox& Text4 = Add<TextBox>("Text4", &Frame2);  // applied layers
    Label& Label27 = Add<Label>("Label27", &Frame2);  // total thickness [mm]

    CommandButton& Command2 = Add<CommandButton>("Command2");  // back, results unchanged
    CommandButton& Command5 = Add<CommandButton>("Command5");  // back, results recomputed
    CommandButton& Command1 = Add<CommandButton>("Command1");  // "Wyjście"

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click(int index);
    void Text4_Change();
    void Text5_Change();

    // "Obliczenia" of the strips and of the layers; false when the sizes are refused.
    bool DimensionStrips();
    bool DimensionLayers();

    FieldRules& Rules() { return *rules_; }

  protected:
    void Form_Load() override;

  private:
    void BuildStripFrame();
    void BuildLayerFrame();
    void BuildButtons();
    void CountChanged(TextBox& box, Label& total, bool strips);
    // Whether the size boxes differ from the sizes the last "Obliczenia" counted with.
    bool SizesChanged(bool strips) const;
    // Counts again from the size boxes as "Obliczenia" does, keeping a count the user typed;
    // false when the count is refused.
    bool Recount(TextBox& box, bool strips);

    std::unique_ptr<FieldRules> rules_;
    // A successful "Obliczenia" has given the sizes the count fields multiply.
    bool dimensioned_ = false;
    // The count field is being given back the user's count: the recomputation checks it.
    bool restoringCount_ = false;
    // The number of the next label that only the layout uses, above every name of the window.
    int freshLabel_ = 100;
};

extern FormSlot<FrmDim> frmDim;

}  // namespace kord
