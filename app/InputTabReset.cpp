#include "app/InputTabReset.h"

#include "app/InputWindow.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

struct StartText {
    int tab;
    const char* box;
    const char* comma;
    const char* point = nullptr;  // the form with a decimal point, where it differs
};

constexpr StartText kStartTexts[] = {
    {Flexure, "Text4(0)", "0"},
    {Flexure, "Text1(0)", "0"},
    {Flexure, "Text31", "0"},
    {Flexure, "Text33", "0"},
    {Flexure, "Text3(0)", "0"},
    {Flexure, "Text2(0)", "0"},
    {Flexure, "Text24(0)", "0"},
    {Flexure, "Text5(0)", "0"},
    {Flexure, "Text6(0)", "0"},
    {Flexure, "Text9(0)", "0"},
    {Flexure, "Text10(0)", "0"},
    {Flexure, "Text16", "0"},
    {Flexure, "Text17", "0"},
    {Flexure, "Text7", "0"},
    {Flexure, "Text8", "0"},
    {Flexure, "Text30", "500"},
    {Flexure, "Text32", "200"},
    {Flexure, "Text34", "2,5", "2.5"},
    {Flexure, "Text26(0)", "0,008", "0.008"},

    {Shear, "Text13(1)", "90"},
    {Shear, "Text14(1)", "0"},
    {Shear, "Text4(1)", "0"},
    {Shear, "Text24(1)", "0"},
    {Shear, "Text15(1)", "0"},
    {Shear, "Text12", "0"},
    {Shear, "Text18", "0"},
    {Shear, "Text19", "0"},
    {Shear, "Text26(1)", "0,006", "0.006"},

    {Confinement, "Text4(2)", "0"},
    {Confinement, "Text1(2)", "0"},
    {Confinement, "Text27", "0"},
    {Confinement, "Text20", "0"},
    {Confinement, "Text24(2)", "0"},
    {Confinement, "Text11", "0"},
    {Confinement, "Text21", "0"},
    {Confinement, "Text23", "0"},
    {Confinement, "Text28", "0"},
    {Confinement, "Text29", "0"},
    {Confinement, "Text25", "0,9", "0.9"},
};

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
    SetStartTexts(w, Flexure);
    w.Text22(0).SetEnabled(false);
    w.Text22(0).SetText("0");
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
    SetStartTexts(w, Shear);
    w.Text22(1).SetEnabled(false);
    w.Text22(1).SetText("0");
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
    SetStartTexts(w, Confinement);
    for (TextBox* b : {&w.Text4(2), &w.Text1(2), &w.Text20, &w.Text21, &w.Text23})
        b->SetEnabled(true);
    for (TextBox* b : {&w.Text27, &w.Text28, &w.Text29}) b->SetEnabled(false);
    w.Text22(2).SetEnabled(false);
    w.Text22(2).SetText("0");
}

}  // namespace

void SetStartTexts(FrmData& w, int tab) {
    for (const StartText& t : kStartTexts)
        if (t.tab == tab) w.Ctl(t.box).SetText(t.point ? Dec(t.comma, t.point) : t.comma);
}

void ResetInputTab(DesignCase tab) {
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
