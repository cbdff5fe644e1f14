#pragma once
// The widgets of unloaded windows that are loaded again and again (Window::ReloadedOften), kept
// hidden for their next load: building some hundred widgets costs more than the design that
// fills them.
//
// The cache owns each kept form, and the form its widgets and their option groups as their Qt
// parent. A form leaves the cache to the binding that adopts it, or is deleted: when widgets are
// kept under its window's name again, when it no longer fits its window's controls, or by Drop,
// which the host's end calls while the application still runs.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Control.h"
#include "qt/FormWidget.h"

class QButtonGroup;
class QWidget;

namespace kord {

class Window;

class KeptWidgets {
  public:
    using ControlList = std::vector<std::pair<std::string, ControlKind>>;

    struct Set {
        std::unique_ptr<FormWidget> form;
        // The names and kinds of the controls they were built for, in the window's order.
        ControlList controls;
        // The form's: one widget per control in that order, the option groups by their parent.
        std::vector<QWidget*> widgets;
        std::map<QWidget*, QButtonGroup*> groups;
    };

    // Keeps the widgets built for `w` in place of any kept under its name before.
    static void Keep(const Window& w, Set set);
    // The widgets kept under the window's name, if they were built for its controls; widgets
    // kept for other controls are deleted.
    static std::optional<Set> Take(const Window& w);
    // Deletes every kept widget.
    static void Drop();
    static ControlList ControlsOf(const Window& w);
};

}  // namespace kord
