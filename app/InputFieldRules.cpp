#include "app/InputFieldRules.h"

#include "app/InputWindow.h"
#include "engine/MessageTexts.h"
#include "kit/FieldRules.h"

namespace kord {

namespace {
// "Proszę wpisać wartość pomiędzy 0,05 a 2,00 m.": both bounds with the same decimals.
FieldRule Between(double lo, double hi, int decimals, const char* tail, bool zeroSkips = true) {
    return Range(kRangeHead, {lo, decimals}, {hi, decimals}, tail, zeroSkips);
}
}  // namespace

void AddInputFieldRules(FrmData& w, FieldRules& rules) {
    const FieldRule width = Between(0.05, 2.00, 2, " m.");
    const FieldRule area = Between(50, 8000, 0, " mm2.");
    const FieldRule distance = Between(0.01, 1.00, 2, " m.");
    const FieldRule rupture = Between(0.002, 0.080, 3, ".");
    const FieldRule stripWidth = Between(0.01, 0.80, 2, " m.");
    const FieldRule stripSpacing = Between(0.03, 1.50, 2, " m.");
    // The message keeps its doubled letter: it is the system's own text.
    const FieldRule meanStrength =
        Range(3, 100, true, "PProszę wpisać wartość pomiędzy 3 a 100 N/mm2.");
    const FieldRule modulus = Between(10, 800, 0, " kN/mm2.");
    const FieldRule limitStrain = Between(0.002, 0.015, 3, ".", false);

    for (int k : {0, 2}) rules.Add(w.Text1(k), width);
    rules.Add(w.Text2(0), Between(0.07, 0.60, 2, " m."));
    rules.Add(w.Text3(0), Between(0.20, 6.00, 2, " m."));
    for (int k : {0, 1, 2}) rules.Add(w.Text4(k), width);
    rules.Add(w.Text5(0), area);
    rules.Add(w.Text6(0), area);
    rules.Add(w.Text7, Between(1, 6000, 0, " kNm."));
    rules.Add(w.Text8, Between(5, 10000, 0, " kNm."));
    rules.Add(w.Text9(0), distance);
    rules.Add(w.Text10(0), distance);
    rules.Add(w.Text11, rupture);
    rules.Add(w.Text12, Between(10, 400, 0, " kN."));
    rules.Add(w.Text13(1), Between(30, 150, 0, " stopniami.", false));
    rules.Add(w.Text14(1), Between(0.20, 4.00, 2, " m."));
    rules.Add(w.Text15(1), rupture);
    rules.Add(w.Text16, area);
    rules.Add(w.Text17, distance);
    rules.Add(w.Text18, stripWidth);
    rules.Add(w.Text19, stripSpacing);
    rules.Add(w.Text20, Between(0.00, 0.50, 2, " m."));
    rules.Add(w.Text21, Between(5, 120, 0, " N/mm2."));
    for (int k : {0, 1, 2}) rules.Add(w.Text22(k), meanStrength);
    rules.Add(w.Text23, Between(0.002, 0.160, 3, "."));
    for (int k : {0, 1, 2}) rules.Add(w.Text24(k), modulus);
    rules.Add(w.Text25, Between(0.1, 1.0, 1, " x efu.", false));
    for (int k : {0, 1}) rules.Add(w.Text26(k), limitStrain);
    rules.Add(w.Text27, Between(0.05, 4.00, 2, " m."));
    // The column strips have the same limits as the shear strips: every confinement design
    // reads them.
    rules.Add(w.Text28, stripWidth);
    rules.Add(w.Text29, stripSpacing);
    rules.Add(w.Text30, Between(200, 800, 0, " N/mm2.", false));
    rules.Add(w.Text31, Between(2, 8000, 0, " kNm."));
    rules.Add(w.Text32, Between(150, 250, 0, " kN/mm2.", false));
    rules.Add(w.Text33, Between(2, 8000, 0, " kNm."));
    rules.Add(w.Text34, Between(0, 8, 0, ".", false));

    // These buttons leave or overwrite the field: leaving towards them checks nothing.
    for (Control* c : {static_cast<Control*>(&w.Command3), static_cast<Control*>(&w.Command7),
                       static_cast<Control*>(&w.Command2), static_cast<Control*>(&w.Command8)})
        rules.Exempt(*c);
}

}  // namespace kord
