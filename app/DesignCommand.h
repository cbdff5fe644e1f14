#pragma once
// "Obliczanie": the selected tab read into the design state and designed under the hourglass; a
// refused design shows its message and puts the focus on the box it concerns.

#include "engine/DesignState.h"

namespace kord {

class FrmData;
class TextBox;
enum class DesignField;

// true: the design succeeded, its results stand in the design state and the inputs the report
// prints are kept (DesignedInputs).
bool DesignTab(DesignCase tab);

// The box of the input window that holds a field of the tab's design; null for none.
TextBox* FieldBox(FrmData& w, int tab, DesignField field);

}  // namespace kord
