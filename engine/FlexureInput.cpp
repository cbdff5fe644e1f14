#include "engine/FlexureInput.h"

#include "app/InputWindow.h"
#include "engine/DesignState.h"
#include "engine/FieldInput.h"

namespace kord {

double CreepStrainLimit(double phi) {
    double e = 0;
    for (; e <= 0.02; e += 1e-8) {
        const double r = (e / (1 + phi)) / 0.002;
        if ((2 - r) * r > 0.45) return e;
    }
    return e;  // one step past the end; with phi within its range the limit comes far earlier
}

bool ReadFlexureInput(int& tab) {
    FrmData& w = frmData();
    DesignState& s = State();
    const bool tee = !w.Option5.Value();

    s.IterStep = 5e-7;
    s.IterTol = 0.0005;
    if (!ReadUsedField(w.Text4(tab), FieldUnit::Metres, s.b)) return false;
    if (!ReadUsedField(w.Text1(tab), FieldUnit::Metres, s.h)) return false;
    if (tee) {
        if (!ReadUsedField(w.Text3(tab), FieldUnit::Metres, s.beff)) return false;
        if (!ReadUsedField(w.Text2(tab), FieldUnit::Metres, s.hf)) return false;
    } else {
        s.beff = ReadUnusedField(w.Text3(tab), FieldUnit::Metres);
        s.hf = ReadUnusedField(w.Text2(tab), FieldUnit::Metres);
    }
    if (!ReadUsedField(w.Text5(tab), FieldUnit::SquareMm, s.As2)) return false;
    if (!ReadUsedField(w.Text16, FieldUnit::SquareMm, s.As12)) return false;
    if (!ReadUsedField(w.Text6(tab), FieldUnit::SquareMm, s.As11)) return false;
    if (!ReadUsedField(w.Text9(tab), FieldUnit::Metres, s.d2)) return false;
    if (!ReadUsedField(w.Text17, FieldUnit::Metres, s.d12)) return false;
    if (!ReadUsedField(w.Text10(tab), FieldUnit::Metres, s.d11)) return false;

    if (!ReadConcreteStrength(tab)) return false;

    if (!ReadUsedField(w.Text34, FieldUnit::AsTyped, s.phi)) return false;
    if (!ReadUsedField(w.Text30, FieldUnit::AsTyped, s.fyk)) return false;
    if (!ReadUsedField(w.Text32, FieldUnit::AsTyped, s.Es)) return false;
    if (!ReadUsedField(w.Text24(tab), FieldUnit::AsTyped, s.Ef)) return false;
    if (!ReadUsedField(w.Text26(tab), FieldUnit::AsTyped, s.eps_f_lim)) return false;
    if (!ReadUsedField(w.Text7, FieldUnit::AsTyped, s.Mo)) return false;
    if (!ReadUsedField(w.Text8, FieldUnit::AsTyped, s.Msd)) return false;
    if (!ReadUsedField(w.Text31, FieldUnit::AsTyped, s.Mser_r)) return false;
    if (!ReadUsedField(w.Text33, FieldUnit::AsTyped, s.Mser_qp)) return false;

    s.eps_c_qp_lim = CreepStrainLimit(s.phi);
    s.x = 0;
    s.eps_c = 0;
    return true;
}

}  // namespace kord
