#pragma once
// "Obliczanie": the selected tab read into the design state and designed under the hourglass; a
// refused design shows its message and puts the focus on the box it concerns.

#include "engine/DesignState.h"

namespace kord {

class FrmData;
class TextBox;
enum class DesignField;

// true: the design succeeded and its results stand in the design state.
bool DesignTab(DesignCase tab);

// The box of the input window that holds a field of the tab's design; null for none.
TextBox* FieldBox(FrmData& w, int tab, DesignField field);

}  // namespace kord
