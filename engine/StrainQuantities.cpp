#include "engine/StrainQuantities.h"

#include <cmath>

#include "platform/NumberFormat.h"

namespace kord {

namespace {

// num / den for a depth den: no value unless the depth is above 0 and the quotient finite.
std::optional<double> OverDepth(double num, double den) {
    if (!(den > 0)) return std::nullopt;
    const double q = num / den;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

}  // namespace

double NeutralAxisDepth(const DesignState& s, StrainState st) {
    switch (st) {
        case StrainState::Initial:
            return s.x_o;
        case StrainState::Ultimate:
            return s.x;
        case StrainState::Rare:
            return s.x_r;
        case StrainState::QuasiPermanent:
            break;
    }
    return s.x_qp;
}

double TopFibreStrain(const DesignState& s, StrainState st) {
    switch (st) {
        case StrainState::Initial:
            return s.eps_co;
        case StrainState::Ultimate:
            return s.eps_c;
        case StrainState::Rare:
            return s.eps_c_r;
        case StrainState::QuasiPermanent:
            break;
    }
    return s.eps_c_qp;
}

double CompositeStrain(const DesignState& s, StrainState st) {
    switch (st) {
        case StrainState::Initial:
            return 0;
        case StrainState::Ultimate:
            return s.eps_f;
        case StrainState::Rare:
            return s.eps_f_r;
        case StrainState::QuasiPermanent:
            break;
    }
    return s.eps_f_qp;
}

double SoffitStrain(const DesignState& s, StrainState st) {
    if (st == StrainState::Initial) return s.eps_o;
    return CompositeStrain(s, st) + s.eps_o;
}

double LayerArea(const DesignState& s, SteelLayer layer) {
    switch (layer) {
        case SteelLayer::Top2:
            return s.As2;
        case SteelLayer::Bottom12:
            return s.As12;
        case SteelLayer::Bottom11:
            break;
    }
    return s.As11;
}

bool LayerPresent(const DesignState& s, SteelLayer layer) {
    return LayerArea(s, layer) > 0;
}

double LayerDepth(const DesignState& s, SteelLayer layer) {
    switch (layer) {
        case SteelLayer::Top2:
            return s.d2;
        case SteelLayer::Bottom12:
            return s.h - s.d12;
        case SteelLayer::Bottom11:
            break;
    }
    return s.h - s.d11;
}

std::optional<double> BarStrain(const DesignState& s, StrainState st, SteelLayer layer,
                                BarGradient gradient) {
    const double x = NeutralAxisDepth(s, st);
    if (layer == SteelLayer::Top2) return OverDepth((x - s.d2) * TopFibreStrain(s, st), x);
    const double d1 = layer == SteelLayer::Bottom12 ? s.d12 : s.d11;
    // The evaluation order is fixed so that the window and the report show the same digits.
    if (gradient == BarGradient::TopFibre)
        return OverDepth((s.h - x - d1) * TopFibreStrain(s, st), x);
    return OverDepth((s.h - x - d1) * SoffitStrain(s, st), s.h - x);
}

bool CompositeActs(const DesignState& s, StrainState st) {
    switch (st) {
        case StrainState::Initial:
            return false;
        case StrainState::Ultimate:
            return true;
        case StrainState::Rare:
            return s.Af_req_r > 0 || (s.Af_req_r == 0 && s.Af_applied > 0);
        case StrainState::QuasiPermanent:
            break;
    }
    return s.Af_req_qp > 0 || (s.Af_req_qp == 0 && s.Af_applied > 0);
}

double BottomRowStrain(const DesignState& s, StrainState st) {
    return CompositeActs(s, st) ? CompositeStrain(s, st) : SoffitStrain(s, st);
}

const char* BottomRowSubscript(const DesignState& s, StrainState st) {
    if (st == StrainState::Initial) return "o";
    return CompositeActs(s, st) ? "f" : "b";
}

FailureMode DecideFailureMode(const DesignState& s) {
    // The design stores these limits unchanged when they govern, hence the exact equalities.
    const bool crushing = s.eps_c == 0.0035;
    const bool debonding = s.eps_f == s.eps_f_lim;
    if (s.SteelAtYield) {
        if (debonding) return FailureMode::YieldDebonding;
        if (crushing) return FailureMode::YieldCrushing;
    } else {
        if (debonding) return FailureMode::DebondingNoYield;
        if (crushing) return FailureMode::CrushingNoYield;
    }
    return FailureMode::None;
}

const char* FailureModeCaption(FailureMode mode) {
    switch (mode) {
        case FailureMode::YieldCrushing:
            return "Uplastycznienie stali + zmiażdżenie betonu";
        case FailureMode::YieldDebonding:
            return "Uplastycznienie stali + oderwanie wzmocnienia";
        case FailureMode::CrushingNoYield:
            return "Zmiażdżenie betonu + brak uplastycznienia stali";
        case FailureMode::DebondingNoYield:
            return "Oderwanie wzmocnienia + brak uplastycznienia stali";
        case FailureMode::None:
            break;
    }
    return "";
}

double PlasticHingeLimit(const DesignState& s) {
    return s.fck > 35 ? 0.35 : 0.45;
}

const char* PlasticHingeLimitText(const DesignState& s) {
    if (s.fck > 35) return s.DecimalComma ? "0,35" : "0.35";
    return s.DecimalComma ? "0,45" : "0.45";
}

const char* OuterLayerNumber(const DesignState& s) {
    return s.OuterLayer11 ? "11" : "12";
}

std::optional<double> RelativeDepth(const DesignState& s) {
    return OverDepth(s.x, s.h - (s.OuterLayer11 ? s.d11 : s.d12));
}

std::string RelativeDepthText(const DesignState& s) {
    return ShownValue(RelativeDepth(s), "0.000");
}

std::optional<bool> PlasticHingeForms(const DesignState& s) {
    // The shown text read back: a ratio that shows as the limit's own digits is the limit.
    const std::optional<double> shown = ParseNumber(RelativeDepthText(s));
    if (!shown) return std::nullopt;
    return *shown <= PlasticHingeLimit(s);
}

const char* PlasticHingeVerdict(bool forms) {
    return forms ? "W przekroju powstanie przegub plastyczny"
                 : "W przekroju nie powstanie przegub plastyczny";
}

std::string ShownValue(std::optional<double> v, std::string_view pattern) {
    if (!v || !std::isfinite(*v)) return "-";
    return FormatPattern(*v, pattern);
}

}  // namespace kord
