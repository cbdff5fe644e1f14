#pragma once
// The anchorage of the applied flexural strips at a section A near their end: the bond capacity of
// the strips (width factor k_b, the largest anchorage force N_bd,max and length l_bd,max), the
// strip force N_fd,A that the strain state carrying M_sd,A gives, and the verdict.
//
// It works on the applied laminate (applied_n_strips, applied_bf_strip, applied_tf_strip,
// applied_Af) and on the inputs of section A that the anchorage window has read into Msd_A, fctm,
// As2_A, As12_A, As11_A, d2_A, d12_A, d11_A, Es_A, fyk_A and n_layers_bond.

#include <optional>
#include <string>

#include "engine/DesignState.h"

namespace kord {

// The width factor of the bond model for strips of width bf [mm], s of them side by side across a
// section of width b [cm]; never below 1.
double BondWidthFactor(double bf, double b, double s);

struct BondCapacity {
    double k_b;
    double Nbd_max;  // kN
    double lbd_max;  // mm
};
// bf, tf [mm] of one strip, Ef [kN/mm²], layers of strips, fctm [N/mm²], b [cm], s strips in a
// layer.
BondCapacity BondCapacityOf(double bf, double tf, double Ef, double layers, double fctm, double b,
                            double s);

// How many strips of width bf [mm] fit side by side across the width b [cm] (nf_max, unrounded).
double StripsAcross(double b, double bf);
// The whole strips of width bf that fit side by side across b; empty when not a single one does.
std::optional<double> WholeStripsAcross(double b, double bf);
// The most layers of strips the anchorage window takes.
constexpr double kMaxBondLayers = 20;
// The fewest equal layers that hold n strips of width bf across b: 1 while they fit side by side,
// else the smallest count at or above n / (strips across) that divides n, up to kMaxBondLayers.
// Empty when not a single strip fits, or when no such count divides n.
std::optional<double> MinimumLayers(double n, double b, double bf);
// Why n strips, `across` of them side by side, cannot be laid in equal layers, and what to do.
std::string NoEqualLayersMessage(double n, double across);

// The anchorage length l_bd,A [mm] that the force Nfd needs of the bond capacity Nbd_max with the
// largest length lbd_max: no force, no length; equal forces, lbd_max. Empty when Nfd exceeds
// Nbd_max (no length anchors it).
std::optional<double> AnchorageLength(double Nfd, double Nbd_max, double lbd_max);
// The verdict and the length of the check the state holds.
bool AnchoragePositive(const DesignState& s);
std::optional<double> AnchorageLength(const DesignState& s);

// Whether the anchorage fields hold the verdict of a check of the laminate the results stand for:
// false before any check, after a check that stopped with a message, and after a newer design or
// recomputation.
bool AnchorageCheckCurrent(const DesignState& s);
// The check in hand stopped before its verdict.
void ForgetAnchorageCheck(DesignState& s);

// The box of the anchorage window that a refusal concerns.
enum class AnchorageField { None, Moment, Strength, Layers };

struct AnchorageOutcome {
    bool verdict = false;  // false: refused; the message says why
    std::string message;
    AnchorageField focus = AnchorageField::None;
};

// The checks of the inputs before the search, in their order: bar depths within the section, a
// moment at A, a laminate to check (applied strips that fit across the section and can be laid in
// equal layers, a design moment), a mean tensile strength, a whole number of layers that divides
// the strips. Empty when all pass.
std::optional<AnchorageOutcome> AnchorageRefusal(DesignState& s);
// The bond capacity, the strain search at A and the verdict (k_b, Nbd_max, lbd_max, the scan
// fields, Nfd_A). Refused when no strain state carries M_sd,A within 5 %.
AnchorageOutcome AnchorageSearch(DesignState& s);
// The strain search at A: the first strain whose state carries more than M_sd,A by less than
// 5 % (true), or the last strain (false); the scan fields of its last trial and ef, the strip
// strain of that trial.
bool AnchorageStrains(DesignState& s, double& ef);
// Both in turn.
AnchorageOutcome CheckAnchorage(DesignState& s);

}  // namespace kord
