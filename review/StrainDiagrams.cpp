#include "review/StrainDiagrams.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "review/StrainWindow.h"

namespace kord {

namespace {

using Controls = StrainStateControls;

const std::array<Controls, 4> kStates = {{
    {StrainState::Initial,
     "Frame2",
     "Picture1",
     {{{"Label1", nullptr, "Label5", "o", "Label2"},
       {"Label10", "Label34", "Label11", "co", "Label3"},
       {"Label102", "Label57", "Label106", "s2", "Label46"},
       {"Label103", "Label58", "Label107", "s12", "Label47"},
       {"Label104", "Label105", "Label109", "s11", "Label50"},
       {"Label12", "Label35", "Label13", "o", "Label4"}}},
     "Label15",
     {"Label62", "Label63", "co"},
     {"Label64", "Label65", "o"},
     {nullptr, nullptr, nullptr},
     {"Label74", "Label79", "s2"},
     {"Label80", "Label81", "s12"},
     {"Label82", "Label83", "s11"},
     "Label99",
     "Label100"},
    {StrainState::Ultimate,
     "Frame3",
     "Picture3",
     {{{"Label19", nullptr, nullptr, nullptr, "Label6"},
       {"Label21", "Label36", "Label22", "c", "Label7"},
       {"Label8", "Label110", "Label113", "s2", "Label51"},
       {"Label14", "Label111", "Label115", "s12", "Label54"},
       {"Label18", "Label112", "Label114", "s11", "Label56"},
       {"Label24", "Label39", "Label25", "f", "Label9"}}},
     "Label28",
     {"Label72", "Label73", "c"},
     {"Label75", "Label76", "o"},
     {"Label77", "Label78", "f"},
     {"Label90", "Label91", "s2"},
     {"Label92", "Label93", "s12"},
     {"Label94", "Label95", "s11"},
     "Label97",
     nullptr},
    {StrainState::Rare,
     "Frame1",
     "Picture2",
     {{{"Label30", nullptr, nullptr, nullptr, "Label61"},
       {"Label32", "Label48", "Label42", "c", "Label55"},
       {"Label16", "Label40", "Label27", "s2", "Label31"},
       {"Label17", "Label41", "Label23", "s12", "Label37"},
       {"Label20", "Label44", "Label26", "s11", "Label38"},
       {"Label60", "Label45", "Label49", "f", "Label53"}}},
     "Label43",
     {"Label66", "Label67", "c"},
     {"Label68", "Label69", "o"},
     {"Label70", "Label71", "f"},
     {"Label84", "Label85", "s2"},
     {"Label86", "Label87", "s12"},
     {"Label88", "Label89", "s11"},
     "Label98",
     nullptr},
    {StrainState::QuasiPermanent,
     "Frame4",
     "Picture4",
     {{{"Label52", nullptr, nullptr, nullptr, "Label128"},
       {"Label59", "Label135", "Label96", "c", "Label129"},
       {"Label119", "Label136", "Label124", "s2", "Label130"},
       {"Label120", "Label137", "Label125", "s12", "Label131"},
       {"Label121", "Label138", "Label126", "s11", "Label132"},
       {"Label122", "Label139", "Label127", "f", "Label133"}}},
     "Label101",
     {"Label140", "Label141", "c"},
     {"Label142", "Label143", "o"},
     {"Label144", "Label145", "f"},
     {"Label147", "Label148", "s2"},
     {"Label149", "Label150", "s12"},
     {"Label151", "Label152", "s11"},
     "Label146",
     nullptr},
}};

// The border that the picture box keeps around its drawing area, in twips on each side.
constexpr int kPictureBorderTwips = 30;

// Scales shared by the four diagrams; empty when they cannot be had.
struct Scales {
    std::optional<double> strain;  // units per unit strain: the ultimate range spans 90
    std::optional<double> depth;   // units per cm: the height spans 90
};

std::optional<double> Finite(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

Scales ComputeScales(DesignState& s) {
    Scales sc;
    const double range = s.eps_o + s.eps_c + s.eps_f;
    if (range != 0) sc.strain = Finite(90 / range);
    if (s.h > 0) sc.depth = Finite(90 / s.h);

    const double S = sc.strain.value_or(0);
    s.StrainScale = S;
    s.DepthScale = sc.depth.value_or(0);
    s.Width_0 = (s.eps_co + s.eps_o) * S;
    s.Width_r = (s.eps_c_r + s.eps_o + s.eps_f_r) * S;
    s.Width_qp = (s.eps_c_qp + s.eps_o + s.eps_f_qp) * S;
    // The three narrower diagrams are centred on x = 50.
    s.Axis_0 = sc.strain ? (90 - s.Width_0) / 2 + 5 + s.eps_o * S : 0;
    s.Axis_r = sc.strain ? (90 - s.Width_r) / 2 + 5 + (s.eps_f_r + s.eps_o) * S : 0;
    s.Axis_qp = sc.strain ? (90 - s.Width_qp) / 2 + 5 + (s.eps_f_qp + s.eps_o) * S : 0;
    return sc;
}

// One picture and the labels inside it.
class Diagram {
  public:
    Diagram(FrmStrain& w, const Controls& c)
        : w_(w), c_(c), box_(static_cast<PictureBox&>(*w.Find(c.picture))) {}

    // Coordinates go to the box as single-precision numbers; a line with a coordinate that is
    // not finite is not drawn.
    void Line(double x1, double y1, double x2, double y2) {
        const float fx1 = static_cast<float>(x1), fy1 = static_cast<float>(y1);
        const float fx2 = static_cast<float>(x2), fy2 = static_cast<float>(y2);
        if (!std::isfinite(fx1) || !std::isfinite(fy1) || !std::isfinite(fx2) ||
            !std::isfinite(fy2))
            return;
        box_.DrawLine(fx1, fy1, fx2, fy2);
    }

    // Moves a label to (left, top) in the box's units; hides it where that cannot be had.
    void Place(const char* name, double left, double top) {
        if (!name) return;
        Label& l = w_.Lbl(name);
        const float fl = static_cast<float>(left), ft = static_cast<float>(top);
        if (!std::isfinite(fl) || !std::isfinite(ft)) {
            l.SetVisible(false);
            return;
        }
        const double innerW = box_.Width() - 2 * kPictureBorderTwips;
        const double innerH = box_.Height() - 2 * kPictureBorderTwips;
        const int x = kPictureBorderTwips + static_cast<int>(std::lround(fl * innerW / 100));
        const int y = kPictureBorderTwips + static_cast<int>(std::lround(ft * innerH / 100));
        l.Move(x, y, l.Width(), l.Height());
    }

    void PlaceSymbol(const Controls::Symbol& sym, double left, double top, double subLeft,
                     double subTop) {
        Place(sym.epsilon, left, top);
        Place(sym.sub, subLeft, subTop);
    }

    void HideSymbol(const Controls::Symbol& sym) {
        if (sym.epsilon) w_.Lbl(sym.epsilon).SetVisible(false);
        if (sym.sub) w_.Lbl(sym.sub).SetVisible(false);
    }

    void HideRow(Controls::RowIndex r) {
        const Controls::Row& row = c_.rows[r];
        for (const char* name : {row.caption, row.value, row.symbol, row.sub})
            if (name) w_.Lbl(name).SetVisible(false);
    }

    void Draw(const DesignState& s, const Scales& sc) {
        const bool composite = CompositeActs(s, c_.state);
        if (c_.composite.sub) w_.Lbl(c_.composite.sub).SetCaption(composite ? "f" : "b");
        const Present present = {LayerPresent(s, SteelLayer::Top2),
                                 LayerPresent(s, SteelLayer::Bottom12),
                                 LayerPresent(s, SteelLayer::Bottom11)};
        HideAbsent(composite, present);
        if (!sc.strain) {
            // Without a strain scale nothing can be drawn or placed.
            for (const Controls::Symbol* sym :
                 {&c_.top, &c_.soffit, &c_.composite, &c_.s2, &c_.s12, &c_.s11})
                HideSymbol(*sym);
            HideAxisLabels();
            return;
        }
        PlaceLabels(DrawProfile(s, sc, composite, present), composite, present);
        Declutter();
    }

  private:
    // Which of the layers s2, s12, s11 the section has.
    using Present = std::array<bool, 3>;

    // Where the drawn profile puts what the labels point at, in drawing units.
    struct Profile {
        double axis = 0;
        double soffit = 0;
        std::optional<double> layerY[3];  // depths of s2, s12, s11
        // Layer strains: bottom layers tension positive (drawn leftward), the top layer
        // compression positive (drawn rightward).
        std::optional<double> s2, s12, s11;
        std::optional<double> neutralAxis;
    };

    // Absent layers: their labels here and their rows in the frame go; the soffit symbol of a
    // serviceability diagram shows only while the composite acts.
    void HideAbsent(bool composite, const Present& present) {
        const Controls::Symbol* symbols[3] = {&c_.s2, &c_.s12, &c_.s11};
        const Controls::RowIndex rows[3] = {Controls::S2Row, Controls::S12Row, Controls::S11Row};
        for (int k = 0; k < 3; ++k) {
            if (present[k]) continue;
            HideSymbol(*symbols[k]);
            HideRow(rows[k]);
        }
        if (c_.state != StrainState::Initial && c_.state != StrainState::Ultimate) {
            if (composite) {
                w_.Lbl(c_.soffit.epsilon).SetVisible(true);
                w_.Lbl(c_.soffit.sub).SetVisible(true);
            } else {
                HideSymbol(c_.soffit);
            }
        }
    }

    // The strain profile, the layers' strains and the neutral axis's depth mark.
    Profile DrawProfile(const DesignState& s, const Scales& sc, bool composite,
                        const Present& present) {
        const StrainState st = c_.state;
        const bool initial = st == StrainState::Initial;
        const double S = *sc.strain;
        Profile p;
        const double A = p.axis = Axis(s, S);
        const double et = TopFibreStrain(s, st) * S;
        const double eb = p.soffit = SoffitStrain(s, st) * S;
        const double ef = CompositeStrain(s, st) * S;

        Line(A - eb, 95, A + et, 5);
        Line(A, 5, A, initial ? 95 : 96);
        Line(A + et, 5, A, 5);
        if (initial) {
            Line(A - s.eps_o * S, 95, A, 95);
        } else if (composite) {
            // The soffit strain at bonding on the soffit, the composite's increment one unit
            // below it, and a tick where they meet.
            Line(A - eb, 95, A - ef, 95);
            Line(A - ef, 96, A, 96);
            Line(A - ef, 95, A - ef, 96);
        } else {
            Line(A - eb, 95, A, 95);
        }

        if (sc.depth) {
            const double D = *sc.depth;
            p.layerY[0] = 5 + LayerDepth(s, SteelLayer::Top2) * D;
            p.layerY[1] = 5 + LayerDepth(s, SteelLayer::Bottom12) * D;
            p.layerY[2] = 5 + LayerDepth(s, SteelLayer::Bottom11) * D;
        }
        auto drawn = [&](SteelLayer layer, int k) -> std::optional<double> {
            if (!present[k] || !p.layerY[k]) return std::nullopt;
            const std::optional<double> e = BarStrain(s, st, layer, BarGradient::Soffit);
            if (!e) return std::nullopt;
            return *e * S;
        };
        p.s11 = drawn(SteelLayer::Bottom11, 2);
        p.s12 = drawn(SteelLayer::Bottom12, 1);
        p.s2 = drawn(SteelLayer::Top2, 0);
        if (p.s11) Line(A, *p.layerY[2], A - *p.s11, *p.layerY[2]);
        if (p.s12) Line(A, *p.layerY[1], A - *p.s12, *p.layerY[1]);
        if (p.s2) Line(A, *p.layerY[0], A + *p.s2, *p.layerY[0]);

        if (sc.depth) {
            const double xd = *(p.neutralAxis = NeutralAxisDepth(s, st) * *sc.depth);
            const double X = 0.7 * A;
            Line(X, 4, X, 5 + xd + 1);
            Line(X - 1, 5, X + 1, 5);
            Line(X - 1, 5 + xd, X + 1, 5 + xd);
        }
        return p;
    }

    void PlaceLabels(const Profile& p, bool composite, const Present& present) {
        const bool initial = c_.state == StrainState::Initial;
        const bool ultimate = c_.state == StrainState::Ultimate;
        const double A = p.axis, eb = p.soffit;
        if (initial)
            PlaceSymbol(c_.top, A - 10, -2, A - 7, 1);
        else
            PlaceSymbol(c_.top, A - 8, -2, A - 5, 1);
        if (!initial) PlaceSymbol(c_.composite, A + 3, 91, A + 6, 95);
        if (initial)
            PlaceSymbol(c_.soffit, A + 3, 91, A + 6, 94);
        else if (ultimate)
            PlaceSymbol(c_.soffit, 0, 91, 3, 94);
        else if (composite)
            PlaceSymbol(c_.soffit, A - eb - 7, 91, A - eb - 4, 94);

        const std::optional<double>* y = p.layerY;
        if (present[2]) {
            if (p.s11)
                PlaceSymbol(c_.s11, A + 3, *y[2] - 6, A + 6, *y[2] - 2);
            else
                HideSymbol(c_.s11);
        }
        if (present[1]) {
            if (!p.s12)
                HideSymbol(c_.s12);
            else if (*p.s12 > 0)
                PlaceSymbol(c_.s12, A + 3, *y[1] - 6, A + 6, *y[1] - 2);
            else
                PlaceSymbol(c_.s12, A - 12, *y[1] - 6, A - 9, *y[1] - 2);
        }
        if (present[0]) {
            if (!p.s2)
                HideSymbol(c_.s2);
            else if (*p.s2 > 0)
                PlaceSymbol(c_.s2, A - 10, *y[0] - 4, A - 7, *y[0]);
            else
                PlaceSymbol(c_.s2, A + 3, *y[0] - 4, A + 6, *y[0]);
        }

        if (!p.neutralAxis) {
            HideAxisLabels();
        } else if (initial) {
            Place(c_.axisX, 0.7 * A - 7, *p.neutralAxis / 2);
            Place(c_.axisSub, 0.7 * A - 4, *p.neutralAxis / 2 + 3);
        } else {
            Place(c_.axisX, 0.7 * A - 4, *p.neutralAxis / 2);
        }
    }

    // A label's box inside the picture, in twips.
    struct Box {
        int left, top, right, bottom;
        bool Meets(const Box& o, int dy) const {
            return left < o.right && o.left < right && top + dy < o.bottom && o.top < bottom + dy;
        }
    };

    // The labels of one diagram never cover each other: each symbol keeps its place unless it
    // would cover one placed before it, and then moves up clear of it, or down where up would
    // leave the picture.
    void Declutter() {
        const std::vector<std::pair<const char*, const char*>> symbols = {
            {c_.top.epsilon, c_.top.sub},
            {c_.composite.epsilon, c_.composite.sub},
            {c_.soffit.epsilon, c_.soffit.sub},
            {c_.s11.epsilon, c_.s11.sub},
            {c_.s12.epsilon, c_.s12.sub},
            {c_.s2.epsilon, c_.s2.sub},
            {c_.axisX, c_.axisSub}};
        std::vector<Box> placed;
        for (const auto& [first, second] : symbols) {
            std::vector<Label*> labels;
            for (const char* name : {first, second})
                if (name && w_.Lbl(name).Visible()) labels.push_back(&w_.Lbl(name));
            if (labels.empty()) continue;
            Box box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
            for (const Label* l : labels) {
                box.left = std::min(box.left, l->Left());
                box.top = std::min(box.top, l->Top());
                box.right = std::max(box.right, l->Left() + l->Width());
                box.bottom = std::max(box.bottom, l->Top() + l->Height());
            }
            const int dy = ClearShift(box, placed);
            for (Label* l : labels) l->Move(l->Left(), l->Top() + dy, l->Width(), l->Height());
            box.top += dy;
            box.bottom += dy;
            placed.push_back(box);
        }
    }

    // How far a box moves to cover none of the placed ones: 0 where it is clear or cannot be
    // made clear inside the picture.
    int ClearShift(const Box& box, const std::vector<Box>& placed) const {
        constexpr int kGap = 15;
        const int highest = kPictureBorderTwips;
        const int lowest = box_.Height() - kPictureBorderTwips;
        auto covered = [&](int dy) -> const Box* {
            for (const Box& p : placed)
                if (box.Meets(p, dy)) return &p;
            return nullptr;
        };
        if (!covered(0)) return 0;
        int dy = 0;
        for (const Box* p = covered(dy); p && box.top + dy >= highest; p = covered(dy))
            dy = p->top - kGap - box.bottom;
        if (box.top + dy >= highest) return dy;
        dy = 0;
        for (const Box* p = covered(dy); p && box.bottom + dy <= lowest; p = covered(dy))
            dy = p->bottom + kGap - box.top;
        return box.bottom + dy <= lowest ? dy : 0;
    }

    double Axis(const DesignState& s, double S) const {
        switch (c_.state) {
            case StrainState::Initial:
                return s.Axis_0;
            case StrainState::Ultimate:
                // The ultimate diagram fills x = 5 to 95 exactly.
                return 5 + (s.eps_f + s.eps_o) * S;
            case StrainState::Rare:
                return s.Axis_r;
            case StrainState::QuasiPermanent:
                break;
        }
        return s.Axis_qp;
    }

    void HideAxisLabels() {
        if (c_.axisX) w_.Lbl(c_.axisX).SetVisible(false);
        if (c_.axisSub) w_.Lbl(c_.axisSub).SetVisible(false);
    }

    FrmStrain& w_;
    const Controls& c_;
    PictureBox& box_;
};

void FillHingeBlock(FrmStrain& w, const DesignState& s) {
    w.Label161.SetCaption(PlasticHingeLimitText(s));
    w.Label157.SetCaption(OuterLayerNumber(s));
    w.Label158.SetCaption(RelativeDepthText(s));
    // Decided on xi as shown, so the verdict agrees with what the user reads.
    const std::optional<bool> forms = PlasticHingeForms(s);
    w.Label162.SetCaption(forms ? PlasticHingeVerdict(*forms) : "-");
}

}  // namespace

const std::array<StrainStateControls, 4>& StrainStateTable() {
    return kStates;
}

const StrainStateControls& ControlsOf(StrainState st) {
    return kStates[static_cast<size_t>(st)];
}

void DrawStrainDiagrams(FrmStrain& w) {
    DesignState& s = State();
    const Scales sc = ComputeScales(s);
    for (StrainState st : {StrainState::Ultimate, StrainState::Initial, StrainState::Rare,
                           StrainState::QuasiPermanent})
        Diagram(w, ControlsOf(st)).Draw(s, sc);
    FillHingeBlock(w, s);
}

}  // namespace kord
