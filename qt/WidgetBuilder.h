#pragma once
// Building the widgets: one per control, of the Qt class that draws its kind, and wiring each to
// its binding (QtBinding's EnsureBuilt, MakeWidget and Attach).

#include <map>

#include "platform/Control.h"

class QButtonGroup;
class QWidget;

namespace kord {

// A widget for the control's kind, named as the control, a child of `parent`. An option button
// joins its parent's group in `groups`, made (a child of the parent too) for its first option.
QWidget* BuildWidget(const Control& c, QWidget* parent, std::map<QWidget*, QButtonGroup*>& groups);

}  // namespace kord
