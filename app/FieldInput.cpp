#include "app/FieldInput.h"

#include "app/InputWindow.h"
#include "engine/ConcreteClasses.h"
#include "engine/DesignState.h"
#include "kit/FieldRules.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"

#include <cmath>

namespace kord {

std::optional<double> ReadField(TextBox& box) {
    return ReadField(box, frmData().Rules());
}

std::optional<double> ReadField(TextBox& box, FieldRules& rules) {
    if (!rules.Check(box)) return std::nullopt;
    return ParseNumber(box.Text());
}

namespace {
double Converted(double v, FieldUnit unit) {
    switch (unit) {
        case FieldUnit::Metres:
            return v * 100;
        case FieldUnit::SquareMm:
            return v / 100;
        case FieldUnit::AsTyped:
            break;
    }
    return v;
}
}  // namespace

bool ReadUsedField(TextBox& box, FieldUnit unit, double& field) {
    const std::optional<double> v = ReadField(box);
    if (!v) return false;
    field = Converted(*v, unit);
    return true;
}

double ReadUnusedField(const TextBox& box, FieldUnit unit) {
    const double v = Converted(ParseNumber(box.Text()).value_or(0), unit);
    return std::isfinite(v) ? v : 0;
}

bool ReadConcreteStrength(int tab) {
    FrmData& w = frmData();
    DesignState& s = State();
    s.MeanStrengthTyped = w.Option11(tab).Value();
    if (w.Option10(tab).Value()) {
        const int position = w.Combo1(tab).ListIndex();
        s.i = position;
        // A position outside the table leaves fck as it was.
        if (position >= 0 && position < static_cast<int>(kConcreteClasses.size()))
            s.fck = kConcreteClasses[static_cast<size_t>(position)].fck;
        s.fcm = s.fck + kFcmOverFck;
        return true;
    }
    if (!ReadUsedField(w.Text22(tab), FieldUnit::AsTyped, s.fcm)) return false;
    s.fck = s.fcm - kFcmOverFck;
    if (s.fck < 0) s.fck = 0;
    return true;
}

}  // namespace kord
