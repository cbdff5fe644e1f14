#include "app/InputTabReset.h"

#include "app/InputWindow.h"
#include "engine/DesignState.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

void SetTexts(std::initializer_list<TextBox*> boxes, const char* text) {
    for (TextBox* b : boxes) b->SetText(text);
}

void SetEnabled(FrmData& w, std::initializer_list<const char*> names, bool enabled) {
    for (const char* n : names) w.Ctl(n).SetEnabled(enabled);
}

void ResetFlexure(FrmData& w) {
    w.LoadDrawing(0, "flexure-1.jpg");
    w.Combo1(0).SetListIndex(0);
    w.Combo1(0).SetEnabled(true);
    w.Option4.SetValue(true);
    w.Option10(0).SetValue(true);
    SetEnabled(w, {"Label34(0)", "Label37(0)", "Label78", "Label111"}, false);
    SetTexts({&w.Text4(0), &w.Text1(0), &w.Text31, &w.Text33, &w.Text3(0), &w.Text2(0)}, "0");
    w.Text22(0).SetEnabled(false);
    w.Text22(0).SetText("0");
    SetTexts({&w.Text24(0), &w.Text5(0), &w.Text6(0), &w.Text9(0), &w.Text10(0), &w.Text16,
              &w.Text17, &w.Text7, &w.Text8},
             "0");
    w.Text30.SetText("500");
    w.Text32.SetText("200");
    w.Text34.SetText(Dec("2,5", "2.5"));
    w.Text26(0).SetText(Dec("0,008", "0.008"));
}

void ResetShear(FrmData& w) {
    w.LoadDrawing(1, "shear-3.jpg");
    w.Combo1(1).SetListIndex(0);
    w.Combo1(1).SetEnabled(true);
    w.Combo3.SetListIndex(0);
    w.Combo3.SetEnabled(true);
    w.Option10(1).SetValue(true);
    w.Option1.SetValue(true);
    w.Option6.SetValue(true);
    SetEnabled(w, {"Label34(1)", "Label37(1)", "Label77", "Label114"}, false);
    w.Text13(1).SetText("90");
    SetTexts({&w.Text14(1), &w.Text4(1), &w.Text24(1)}, "0");
    w.Text22(1).SetEnabled(false);
    w.Text22(1).SetText("0");
    SetTexts({&w.Text15(1), &w.Text12, &w.Text18, &w.Text19}, "0");
    w.Text26(1).SetText(Dec("0,006", "0.006"));
}

void ResetConfinement(FrmData& w) {
    w.LoadDrawing(2, "confinement-1.jpg");
    w.Combo1(2).SetListIndex(0);
    w.Combo1(2).SetEnabled(true);
    // "Mata" before "Prostokątny": no warning about strips on a rectangular column.
    w.Option3.SetValue(true);
    w.Option8.SetValue(true);
    w.Option10(2).SetValue(true);
    w.Check1.SetValue(1);
    w.Check2.SetValue(1);
    SetEnabled(
        w,
        {"Label43", "Label57", "Label89", "Label45", "Label117", "Label47", "Label58", "Label88",
         "Label49", "Label42", "Label44", "Label4(2)", "Label7(2)", "Label14(2)", "Label17(2)"},
        true);
    SetEnabled(w,
               {"Label52", "Label53", "Label34(2)", "Label37(2)", "Label80", "Label116", "Label90",
                "Label91", "Label92", "Label93", "Label94", "Label95"},
               false);
    w.Text4(2).SetEnabled(true);
    w.Text4(2).SetText("0");
    w.Text1(2).SetEnabled(true);
    w.Text1(2).SetText("0");
    w.Text27.SetEnabled(false);
    w.Text27.SetText("0");
    w.Text20.SetEnabled(true);
    w.Text20.SetText("0");
    w.Text22(2).SetEnabled(false);
    w.Text22(2).SetText("0");
    SetTexts({&w.Text24(2), &w.Text11}, "0");
    w.Text21.SetEnabled(true);
    w.Text21.SetText("0");
    w.Text23.SetEnabled(true);
    w.Text23.SetText("0");
    w.Text28.SetEnabled(false);
    w.Text29.SetEnabled(false);
    SetTexts({&w.Text28, &w.Text29}, "0");
    w.Text25.SetText(Dec("0,9", "0.9"));
}

}  // namespace

void ResetInputTab(int& tab) {
    FrmData& w = frmData();
    switch (tab) {
        case Flexure:
            ResetFlexure(w);
            break;
        case Shear:
            ResetShear(w);
            break;
        case Confinement:
            ResetConfinement(w);
            break;
        default:
            return;
    }
    w.Text22(tab).SetText(FormatPattern(20.2, "#0.00"));
}

}  // namespace kord
