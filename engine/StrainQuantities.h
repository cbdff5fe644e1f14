#pragma once
// Small computations on the strain states of a flexure design that the strain window and the
// printed report both show: the strains of each state and steel layer, whether the composite
// acts in a state, the failure mode and the plastic-hinge check.
//
// A quantity that would divide by a depth that is not above 0 (the neutral-axis depth, the
// tension depth h - x, the effective depth h - d1) has no value: it comes back empty, and
// ShownValue writes it as "-". Nothing here divides by zero or hands out a non-finite number.

#include <optional>
#include <string>
#include <string_view>

#include "engine/DesignState.h"

namespace kord {

// The four strain states of a flexure design.
enum class StrainState {
    Initial,         // under Mo while the strips are bonded: x_o, eps_co, eps_o
    Ultimate,        // ultimate limit state: x, eps_c, eps_f
    Rare,            // rare serviceability state: x_r, eps_c_r, eps_f_r
    QuasiPermanent,  // quasi-permanent serviceability state: x_qp, eps_c_qp, eps_f_qp
};

// The three steel layers: the top layer As2 (d2 from the top face) and the bottom layers As12
// and As11 (d12, d11 from the bottom face).
enum class SteelLayer { Top2, Bottom12, Bottom11 };

// Which strain gradient gives a bottom bar its strain. Soffit: the soffit tension over the
// tension depth, (h - x - d1)·e_b / (h - x). TopFibre: the top-fibre strain over the compression
// depth, (h - x - d1)·e_t / x. The strain window takes TopFibre for the rare and
// quasi-permanent states; its initial and ultimate states, the report and the diagrams take
// Soffit.
enum class BarGradient { Soffit, TopFibre };

// Neutral-axis depth of a state [cm].
double NeutralAxisDepth(const DesignState& s, StrainState st);
// Top-fibre strain of a state, compression positive.
double TopFibreStrain(const DesignState& s, StrainState st);
// Composite strain of a state, the increment over eps_o; 0 for the initial state, which has no
// composite.
double CompositeStrain(const DesignState& s, StrainState st);
// Soffit tension of a state: eps_o in the initial state, composite strain + eps_o after.
double SoffitStrain(const DesignState& s, StrainState st);

// Area of a layer [cm²]; a layer is present when its area is positive.
double LayerArea(const DesignState& s, SteelLayer layer);
bool LayerPresent(const DesignState& s, SteelLayer layer);
// Depth of a layer below the top face [cm]: d2, h - d12, h - d11.
double LayerDepth(const DesignState& s, SteelLayer layer);

// Strain of a steel layer in a state by plane sections: the top layer from the top fibre,
// (x - d2)·e_t / x, compression positive; a bottom layer by the gradient given, tension
// positive. Empty when the divisor (x, or h - x for the soffit gradient) is not above 0.
std::optional<double> BarStrain(const DesignState& s, StrainState st, SteelLayer layer,
                                BarGradient gradient);

// Whether the composite counts as acting in a state: always in the ultimate state, never in the
// initial state; in a serviceability state when its required area (Af_req_r, Af_req_qp) is
// positive, or exactly 0 while strips have been dimensioned (Af_applied > 0).
bool CompositeActs(const DesignState& s, StrainState st);
// The strain of the bottom row of a state: the composite strain when the composite acts, the
// soffit strain of the bottom fibres otherwise.
double BottomRowStrain(const DesignState& s, StrainState st);
// The subscript of that row: "o" in the initial state, "f" with the composite, "b" without.
const char* BottomRowSubscript(const DesignState& s, StrainState st);

enum class FailureMode {
    None,              // neither limit was reached exactly
    YieldCrushing,     // steel yields, concrete crushes
    YieldDebonding,    // steel yields, composite debonds
    CrushingNoYield,   // concrete crushes, steel does not yield
    DebondingNoYield,  // composite debonds, steel does not yield
};

// The failure mode of the ultimate state. The design pins eps_c to 0.0035 and eps_f to
// eps_f_lim when those limits govern, so both tests are exact equalities of the stored values;
// when both hold, debonding wins.
FailureMode DecideFailureMode(const DesignState& s);
// The text of a mode as shown and printed; empty for None.
const char* FailureModeCaption(FailureMode mode);

// Largest relative depth admitted: 0.35 when fck > 35, otherwise 0.45.
double PlasticHingeLimit(const DesignState& s);
// That limit as a literal decimal, "0,35"/"0.35" or "0,45"/"0.45" by DecimalComma.
const char* PlasticHingeLimitText(const DesignState& s);
// The outer bottom layer that the effective depth refers to: "11" or "12".
const char* OuterLayerNumber(const DesignState& s);
// xi = x / (h - d11) or x / (h - d12), by the outer layer; empty when h - d1 is not above 0.
std::optional<double> RelativeDepth(const DesignState& s);
// xi as shown, "0.000" with the locale's separator; "-" without a value.
std::string RelativeDepthText(const DesignState& s);

// Whether a plastic hinge forms: the section is ductile enough when xi as shown, rounded to three
// decimals, is at or below the limit. The strain window and the report both decide by this, so
// they agree with each other and with the digits they show. Empty when xi has no value.
std::optional<bool> PlasticHingeForms(const DesignState& s);
// "W przekroju powstanie przegub plastyczny" or "W przekroju nie powstanie przegub plastyczny".
const char* PlasticHingeVerdict(bool forms);

// A value as shown: the pattern with the locale's separator, or "-" when there is no finite
// value.
std::string ShownValue(std::optional<double> v, std::string_view pattern);

}  // namespace kord
