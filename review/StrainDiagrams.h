#pragma once
// The strain diagrams of the strain window: the four strain states drawn into their picture
// boxes (tension left of the zero-strain axis, compression right, top face at y = 5 and soffit
// at y = 95 of a 100 x 100 user scale), the labels inside them, the rows of absent steel layers
// hidden, and the plastic-hinge block filled.

#include <array>

#include "engine/StrainQuantities.h"

namespace kord {

class FrmStrain;

// The names of the controls that one strain state owns in the strain window.
struct StrainStateControls {
    StrainState state;
    const char* frame;
    const char* picture;

    // A row of the frame: its caption, epsilon symbol, subscript and value labels.
    struct Row {
        const char* caption;
        const char* symbol;  // nullptr on the neutral-axis row
        const char* sub;     // nullptr where the row has no subscript
        const char* subText;
        const char* value;
    };
    enum RowIndex { DepthRow, TopRow, S2Row, S12Row, S11Row, BottomRow, RowCount };
    std::array<Row, RowCount> rows;
    const char* unit;  // "[ m ]" beside the depth

    // A strain symbol inside the picture: epsilon and its subscript.
    struct Symbol {
        const char* epsilon;  // nullptr where the picture has no such symbol
        const char* sub;
        const char* subText;
    };
    Symbol top, soffit, composite, s2, s12, s11;
    const char* axisX;    // "x" beside the depth dimension
    const char* axisSub;  // its subscript "o" (initial state only), or nullptr
};

// The four states, in the order Initial, Ultimate, Rare, QuasiPermanent.
const std::array<StrainStateControls, 4>& StrainStateTable();
const StrainStateControls& ControlsOf(StrainState st);

// Draws the four diagrams, places their labels, hides the rows and labels of absent steel layers,
// switches the serviceability diagrams between composite and bottom fibres, and fills the
// plastic-hinge block. Runs last in the window's load, once the values and letters are in place.
// Writes StrainScale, DepthScale, Width_0/_r/_qp and Axis_0/_r/_qp of the design state (0 where
// the scale cannot be had). A quantity that cannot be computed (a zero strain range, a depth not
// above 0 or not below h) draws no line, and the labels that would name it are hidden.
void DrawStrainDiagrams(FrmStrain& w);

}  // namespace kord
