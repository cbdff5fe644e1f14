#include "app/InputReaders.h"

#include <optional>

#include "app/FieldInput.h"
#include "app/InputWindow.h"
#include "app/OptionsWindow.h"
#include "engine/ConfinementDesign.h"
#include "engine/DesignState.h"
#include "engine/StressBlock.h"
#include "kit/ProgramState.h"

namespace kord {

namespace {
// A safety factor of the options window, checked by that window's rule.
bool ReadFactor(TextBox& box, double& field) {
    const std::optional<double> v = ReadField(box, frmOptions().Rules());
    if (!v) return false;
    field = *v;
    return true;
}
}  // namespace

bool ReadFlexureInput(DesignCase tab) {
    FrmData& w = frmData();
    DesignState& s = State();
    const bool tee = !w.Option5.Value();
    s.TeeSection = tee;
    s.OnlyDesiredModes = frmOptions().Check4.Value() == 1;

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

bool ReadShearInput(DesignCase tab) {
    DesignState& s = State();
    FrmData& w = frmData();
    FrmOptions& o = frmOptions();
    s.ShearSheet = w.Option6.Value();
    s.ShearClosed = w.Option1.Value();
    s.ShearAramid = w.Combo3.ListIndex() == 1;

    s.IterStep = 5e-7;
    if (!ReadUsedField(w.Text4(tab), FieldUnit::Metres, s.b)) return false;
    if (!ReadUsedField(w.Text13(tab), FieldUnit::AsTyped, s.alpha)) return false;
    if (!ReadUsedField(w.Text14(tab), FieldUnit::Metres, s.d)) return false;

    if (!ReadFactor(o.Text3, s.k_eff)) return false;
    if (!ReadFactor(o.Text4, s.gamma_fb)) return false;
    if (!ReadFactor(o.Text5, s.gamma_fl)) return false;
    switch (w.Combo3.ListIndex()) {
        case 0:
            if (!ReadFactor(o.Text6, s.gamma_ff)) return false;
            break;
        case 1:
            if (!ReadFactor(o.Text7, s.gamma_ff)) return false;
            break;
        case 2:
            if (!ReadFactor(o.Text8, s.gamma_ff)) return false;
            break;
        default:
            break;
    }

    if (!ReadConcreteStrength(tab)) return false;

    if (!ReadUsedField(w.Text12, FieldUnit::AsTyped, s.Vfd)) return false;
    if (!ReadUsedField(w.Text24(tab), FieldUnit::AsTyped, s.Ef)) return false;
    if (!ReadUsedField(w.Text15(tab), FieldUnit::AsTyped, s.eps_fu)) return false;
    double limit = 0;
    if (!ReadUsedField(w.Text26(tab), FieldUnit::AsTyped, limit)) return false;
    s.eps_f_lim = limit / s.gamma_fl;
    if (w.Option7.Value()) {
        if (!ReadUsedField(w.Text18, FieldUnit::Metres, s.bf)) return false;
        if (!ReadUsedField(w.Text19, FieldUnit::Metres, s.sf)) return false;
    } else {
        s.bf = ReadUnusedField(w.Text18, FieldUnit::Metres);
        s.sf = ReadUnusedField(w.Text19, FieldUnit::Metres);
    }
    return true;
}

bool ReadConfinementInput(DesignCase tab) {
    DesignState& s = State();
    FrmData& w = frmData();
    const bool rectangular = w.Option8.Value();
    s.ColumnRectangular = rectangular;
    s.ConfinementSheet = w.Option3.Value();

    s.IterStep = 5e-7;
    double width = 0, height = 0;
    if (rectangular) {
        if (!ReadUsedField(w.Text4(tab), FieldUnit::AsTyped, width)) return false;
        if (!ReadUsedField(w.Text1(tab), FieldUnit::AsTyped, height)) return false;
    } else {
        width = ReadUnusedField(w.Text4(tab));
        height = ReadUnusedField(w.Text1(tab));
    }
    // b takes the larger side, whichever box it was typed into.
    if (width >= height) {
        s.b = width * 100;
        s.h = height * 100;
    } else {
        s.b = height * 100;
        s.h = width * 100;
    }
    if (rectangular) {
        s.D = ReadUnusedField(w.Text27, FieldUnit::Metres);
        if (!ReadUsedField(w.Text20, FieldUnit::Metres, s.R)) return false;
    } else {
        if (!ReadUsedField(w.Text27, FieldUnit::Metres, s.D)) return false;
        s.R = ReadUnusedField(w.Text20, FieldUnit::Metres);
    }

    if (!ReadConcreteStrength(tab)) return false;

    if (!ReadUsedField(w.Text24(tab), FieldUnit::AsTyped, s.Ef)) return false;
    double rupture = 0, factor = 0;
    if (!ReadUsedField(w.Text11, FieldUnit::AsTyped, rupture)) return false;
    if (!ReadUsedField(w.Text25, FieldUnit::AsTyped, factor)) return false;
    s.eps_fu_e = rupture * factor;

    if (w.Option12.Value()) {
        if (!ReadUsedField(w.Text28, FieldUnit::Metres, s.bf_c)) return false;
        if (!ReadUsedField(w.Text29, FieldUnit::Metres, s.sf_c)) return false;
    } else {
        s.bf_c = ReadUnusedField(w.Text28, FieldUnit::Metres);
        s.sf_c = ReadUnusedField(w.Text29, FieldUnit::Metres);
    }
    const bool strength = w.Check1.Checked();
    const bool strain = w.Check2.Checked();
    if (strength) {
        if (!ReadUsedField(w.Text21, FieldUnit::AsTyped, s.fcc_req)) return false;
    } else {
        s.fcc_req = ReadUnusedField(w.Text21);
    }
    if (strain) {
        if (!ReadUsedField(w.Text23, FieldUnit::AsTyped, s.eps_cu_req)) return false;
    } else {
        s.eps_cu_req = ReadUnusedField(w.Text23);
    }
    if (strength && strain)
        s.ConfinementGoal = BothGoals;
    else if (strength)
        s.ConfinementGoal = StrengthGoal;
    else if (strain)
        s.ConfinementGoal = StrainGoal;
    return true;
}

}  // namespace kord
