#include "engine/FlexureInput.h"

#include <cmath>
#include <optional>

#include "app/InputWindow.h"
#include "engine/ConcreteClasses.h"
#include "engine/DesignState.h"
#include "engine/FieldInput.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

// The units of the window and those of the calculations.
enum class Unit {
    AsTyped,
    Metres,    // lengths typed in m, computed in cm
    SquareMm,  // steel areas typed in mm², computed in cm²
};

double Converted(double v, Unit unit) {
    switch (unit) {
        case Unit::Metres:
            return v * 100;
        case Unit::SquareMm:
            return v / 100;
        case Unit::AsTyped:
            break;
    }
    return v;
}

// A field the design uses: checked by its rule, then converted.
bool Read(TextBox& box, Unit unit, double& field) {
    const std::optional<double> v = ReadField(box);
    if (!v) return false;
    field = Converted(*v, unit);
    return true;
}

// A field the design does not use: whatever it holds, nothing that is not a finite number
// enters the state.
double Lenient(const TextBox& box, Unit unit) {
    const double v = Converted(ParseNumber(box.Text()).value_or(0), unit);
    return std::isfinite(v) ? v : 0;
}

}  // namespace

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
    if (!Read(w.Text4(tab), Unit::Metres, s.b)) return false;
    if (!Read(w.Text1(tab), Unit::Metres, s.h)) return false;
    if (tee) {
        if (!Read(w.Text3(tab), Unit::Metres, s.beff)) return false;
        if (!Read(w.Text2(tab), Unit::Metres, s.hf)) return false;
    } else {
        s.beff = Lenient(w.Text3(tab), Unit::Metres);
        s.hf = Lenient(w.Text2(tab), Unit::Metres);
    }
    if (!Read(w.Text5(tab), Unit::SquareMm, s.As2)) return false;
    if (!Read(w.Text16, Unit::SquareMm, s.As12)) return false;
    if (!Read(w.Text6(tab), Unit::SquareMm, s.As11)) return false;
    if (!Read(w.Text9(tab), Unit::Metres, s.d2)) return false;
    if (!Read(w.Text17, Unit::Metres, s.d12)) return false;
    if (!Read(w.Text10(tab), Unit::Metres, s.d11)) return false;

    if (w.Option10(tab).Value()) {
        const int position = w.Combo1(tab).ListIndex();
        s.i = position;
        if (position >= 0 && position < static_cast<int>(kConcreteClasses.size()))
            s.fck = kConcreteClasses[static_cast<size_t>(position)].fck;
        s.fcm = s.fck + kFcmOverFck;
    } else {
        if (!Read(w.Text22(tab), Unit::AsTyped, s.fcm)) return false;
        s.fck = s.fcm - kFcmOverFck;
        if (s.fck < 0) s.fck = 0;
    }

    if (!Read(w.Text34, Unit::AsTyped, s.phi)) return false;
    if (!Read(w.Text30, Unit::AsTyped, s.fyk)) return false;
    if (!Read(w.Text32, Unit::AsTyped, s.Es)) return false;
    if (!Read(w.Text24(tab), Unit::AsTyped, s.Ef)) return false;
    if (!Read(w.Text26(tab), Unit::AsTyped, s.eps_f_lim)) return false;
    if (!Read(w.Text7, Unit::AsTyped, s.Mo)) return false;
    if (!Read(w.Text8, Unit::AsTyped, s.Msd)) return false;
    if (!Read(w.Text31, Unit::AsTyped, s.Mser_r)) return false;
    if (!Read(w.Text33, Unit::AsTyped, s.Mser_qp)) return false;

    s.eps_c_qp_lim = CreepStrainLimit(s.phi);
    s.x = 0;
    s.eps_c = 0;
    return true;
}

}  // namespace kord
