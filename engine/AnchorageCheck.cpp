#include "engine/AnchorageCheck.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/DepthScan.h"
#include "engine/MessageTexts.h"
#include "engine/Searches.h"
#include "engine/StressBlock.h"
#include "platform/NumberFormat.h"

namespace kord {

namespace {

const char* const kNoMomentAtA = "Proszę podać wartośc momentu zginającego w przekroju A.";
const char* const kLayersDoNotDivide =
    "Całkowita liczba taśm wzmocniających powinna być wielokrotnością liczby ich warstw.";
const std::string kNoStateAtA =
    std::string(kNoInitialStateHead) + "jednego z momentów zginających w przekroju A.";
const char* const kNoLaminate =
    "Brak zastosowanych taśm wzmacniających. Proszę najpierw przeliczyć wyniki dla "
    "zastosowanego wzmocnienia (Wymiary elementu wzmacniającego, Powrót z uaktualnieniem).";
const char* const kNoStrength =
    "Wytrzymałość średnia podłoża na rozciąganie fctm musi być większa od zera.";
const char* const kLayersNotWhole =
    "Liczba warstw, w których ułożone są taśmy, powinna być liczbą całkowitą nie mniejszą "
    "od 1.";

bool Whole(double v) {
    return std::isfinite(v) && v == std::floor(v);
}

AnchorageOutcome Refused(DesignState& s, std::string message,
                         AnchorageField focus = AnchorageField::None) {
    ForgetAnchorageCheck(s);
    return {false, std::move(message), focus};
}

// The strip strain at A for the trial depth x: the soffit strain less the strain at bonding,
// scaled from the design section by the ratio of the moments.
double StripStrain(const DesignState& s, double x) {
    return (s.h - x) * s.eps_c_A / x - (s.Msd_A / s.Msd) * s.eps_o;
}

double StripForce(const DesignState& s, double ef) {
    return ef > 0 ? CompositeForce(s.applied_Af, s.Ef, ef) : 0;
}

}  // namespace

double BondWidthFactor(double bf, double b, double s) {
    // The strip width over the width of section that each strip has.
    const double r = bf / (10 * b / s);
    double k = 0;
    if (r < 0.5)
        k = 1.06 * std::sqrt(1.5 / (1 + bf / 400));
    else if (2 - r > 0)
        k = 1.06 * std::sqrt((2 - r) / (1 + bf / 400));
    return k < 1 ? 1 : k;
}

BondCapacity BondCapacityOf(double bf, double tf, double Ef, double layers, double fctm, double b,
                            double s) {
    BondCapacity c{};
    c.k_b = BondWidthFactor(bf, b, s);
    c.Nbd_max = 0.5 * c.k_b * bf * std::sqrt(Ef * 1000 * tf * layers * fctm / 1.5) / 1000 * s;
    c.lbd_max = 0.6 * std::sqrt(Ef * 1000 * tf * layers / (fctm / 1.5));
    return c;
}

double StripsAcross(double b, double bf) {
    return 10 * b / bf;
}

std::optional<double> WholeStripsAcross(double b, double bf) {
    if (!(bf > 0)) return std::nullopt;
    const double fit = std::floor(StripsAcross(b, bf));
    if (!(fit >= 1) || !std::isfinite(fit)) return std::nullopt;
    return fit;
}

std::optional<double> MinimumLayers(double n, double b, double bf) {
    const std::optional<double> fit = WholeStripsAcross(b, bf);
    if (!fit) return std::nullopt;
    if (*fit >= n) return 1.0;
    const double q = n / *fit;
    double layers = Whole(q) ? q : std::floor(q) + 1;
    // The strips lie in equal layers: the fewest that hold them is a count that divides them.
    // Past the window's most layers there is none to propose (a prime count of 29 strips, 3 a
    // layer at most, would need 29 layers of one).
    if (Whole(n))
        while (layers <= kMaxBondLayers && !Whole(n / layers)) ++layers;
    if (layers > kMaxBondLayers) return std::nullopt;
    return layers;
}

std::string NoEqualLayersMessage(double n, double across) {
    return "Nie można ułożyć " + FormatGeneral(n) +
           " taśm w równych warstwach: liczba taśm w warstwie nie może przekroczyć " +
           FormatGeneral(across) +
           " (tyle mieści się obok siebie w szerokości przekroju), a liczba warstw nie może "
           "przekroczyć " +
           FormatGeneral(kMaxBondLayers) +
           ". Proszę wybrać liczbę taśm, którą można ułożyć w równych warstwach, i przeliczyć "
           "wyniki dla zastosowanego wzmocnienia (Wymiary elementu wzmacniającego, Powrót z "
           "uaktualnieniem).";
}

std::optional<double> AnchorageLength(double Nfd, double Nbd_max, double lbd_max) {
    if (Nfd <= 0) return 0.0;
    if (!(Nfd <= Nbd_max)) return std::nullopt;
    return lbd_max * (1 - std::sqrt(1 - Nfd / Nbd_max));
}

bool AnchoragePositive(const DesignState& s) {
    return s.Nbd_max >= s.Nfd_A;
}

std::optional<double> AnchorageLength(const DesignState& s) {
    return AnchorageLength(s.Nfd_A, s.Nbd_max, s.lbd_max);
}

bool AnchorageCheckCurrent(const DesignState& s) {
    return s.BondCheckGeneration != 0 && s.BondCheckGeneration == s.LaminateGeneration &&
           s.LaminateApplied && s.ResultKind == Flexure;
}

void ForgetAnchorageCheck(DesignState& s) {
    s.BondCheckGeneration = 0;
}

std::optional<AnchorageOutcome> AnchorageRefusal(DesignState& s) {
    if (s.d11_A >= s.h || s.d12_A >= s.h || s.d2_A >= s.h)
        return Refused(s, kDepthsTooLargeMessage);
    if (s.Msd_A == 0) return Refused(s, kNoMomentAtA, AnchorageField::Moment);

    // What the check divides by must be there: a laminate of whole strips that fit across the
    // section, the design moment that scales the strain at bonding, a tensile strength, layers.
    const double n = s.applied_n_strips;
    if (!s.LaminateApplied || s.ResultKind != Flexure || !(n >= 1) || !Whole(n) ||
        !(s.applied_Af > 0) || !(s.applied_tf_strip > 0) || !(s.Msd > 0) || !(s.Ef > 0))
        return Refused(s, kNoLaminate);
    const std::optional<double> across = WholeStripsAcross(s.b, s.applied_bf_strip);
    if (!across) {
        return Refused(
            s, "Taśma o szerokości bf = " + FormatGeneral(s.applied_bf_strip) +
                   " mm jest szersza od przekroju o szerokości b = " + FormatGeneral(10 * s.b) +
                   " mm: w przekroju nie mieści się ani jedna taśma. Proszę zastosować "
                   "węższe taśmy.");
    }
    if (!MinimumLayers(n, s.b, s.applied_bf_strip))
        return Refused(s, NoEqualLayersMessage(n, *across), AnchorageField::Layers);
    if (!(s.fctm > 0)) return Refused(s, kNoStrength, AnchorageField::Strength);
    if (!(s.n_layers_bond >= 1) || !Whole(s.n_layers_bond))
        return Refused(s, kLayersNotWhole, AnchorageField::Layers);
    if (!Whole(n / s.n_layers_bond)) return Refused(s, kLayersDoNotDivide, AnchorageField::Layers);
    return std::nullopt;
}

bool AnchorageStrains(DesignState& s, double& ef) {
    const Concrete c = FlexureConcrete(s);
    const Steel st{s.As11_A, s.As12_A, s.As2_A, s.d11_A, s.d12_A, s.d2_A, s.Es_A};
    const double fcd = UltimateConcreteStrength(s.fck);
    const double fy = UltimateYieldStress(s.fyk_A);
    const double step = s.IterStep;
    const double tolerance = 100 * s.IterTol;
    const StepScan depths(10 * s.IterTol, 10 * s.IterTol, c.h);
    std::int64_t hint = -1;

    for (s.i = step; s.i <= kCrushingStrain; s.i += step) {
        s.eps_c_A = s.i;
        StressBlockAnchorage(s);
        const double t = s.eps_c_A;
        const double psi = s.psi;
        SteelStresses sig{};
        bool accepted = false;
        s.x_A = ScanDepth(
            depths, tolerance, hint, accepted,
            [&](double x) {
                const double T = NetTension(st, SteelStressesAt(st, c.h, t, x, fy)) +
                                 StripForce(s, StripStrain(s, x));
                return x - EquilibriumDepthAt(c, fcd, T, x, psi, t);
            },
            [&](double x) {
                s.x_A = x;
                sig = SteelStressesAt(st, c.h, t, x, fy);
                const double T = NetTension(st, sig) + StripForce(s, StripStrain(s, x));
                if (BelowFlange(c, x)) FlangeBlock(s, c, x, t);
                s.x_new = EquilibriumDepth(s, c, fcd, T, x);
                return std::abs(x - s.x_new) < tolerance;
            });
        if (accepted) s.x_A = ConvergedDepth(s, c, s.x_A, s.x_new, t);
        s.sigma_s11 = sig.s11;
        s.sigma_s12 = sig.s12;
        s.sigma_s2 = sig.s2;
        ef = StripStrain(s, s.x_A);
        const double z = ResultantDepth(s, c, fcd, s.x_A);
        s.M_A = InternalMoment(st, c.h, sig, z, StripForce(s, ef));
        if (s.M_A > s.Msd_A && std::abs(s.Msd_A - s.M_A) < 0.05 * s.Msd_A) return true;
    }
    return false;
}

AnchorageOutcome AnchorageSearch(DesignState& s) {
    ForgetAnchorageCheck(s);

    // Bond capacity of the strips side by side in one layer.
    const double perLayer = s.applied_n_strips / s.n_layers_bond;
    const BondCapacity bond = BondCapacityOf(s.applied_bf_strip, s.applied_tf_strip, s.Ef,
                                             s.n_layers_bond, s.fctm, s.b, perLayer);
    s.k_b = bond.k_b;
    s.Nbd_max = bond.Nbd_max;
    s.lbd_max = bond.lbd_max;

    double ef = 0;
    if (!DesignSearches().anchorageStrains(s, ef)) {
        if (s.M_A > s.Msd_A) return Refused(s, kNoStateAtA, AnchorageField::Moment);
        // The concrete crushes before the section carries the moment: there is no state whose
        // strip force could be checked.
        return Refused(
            s,
            "Przekrój A nie przenosi momentu zginającego Msd,A = " + FormatGeneral(s.Msd_A) +
                " kNm: beton ulega zmiażdżeniu, zanim ten moment zostanie osiągnięty. "
                "Sprawdzenie zakotwienia nie może zostać wykonane. Proszę sprawdzić "
                "dane przekroju A.",
            AnchorageField::Moment);
    }

    s.Nfd_A = ef * s.applied_Af * 100 * s.Ef;
    if (s.Nfd_A < 0) s.Nfd_A = 0;
    s.BondCheckGeneration = s.LaminateGeneration;
    return {true, "", AnchorageField::None};
}

AnchorageOutcome CheckAnchorage(DesignState& s) {
    if (std::optional<AnchorageOutcome> refusal = AnchorageRefusal(s)) return *refusal;
    return AnchorageSearch(s);
}

}  // namespace kord
