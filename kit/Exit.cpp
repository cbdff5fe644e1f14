#include "kit/Exit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace kord {

namespace {
// The eight windows of the program, in the order they are closed.
const char* const kWindowOrder[] = {"frmDialog", "frmAbout",  "frmData", "frmOptions",
                                    "frmResult", "frmStrain", "frmDim",  "frmBond"};

Window* LoadedWindow(const std::string& name) {
    for (Window* w : Forms::Loaded())
        if (w->Name() == name) return w;
    return nullptr;
}
}  // namespace

void ExitProgram(Window& caller) {
    const bool fromInput = caller.Name() == "frmData";
    if (!fromInput) caller.Unload();
    for (const char* name : kWindowOrder) {
        if (fromInput && std::string(name) == "frmData") continue;
        // A window that was never opened is not created for this.
        if (Window* w = LoadedWindow(name)) w->Unload();
    }
    if (fromInput) caller.Unload();
}

}  // namespace kord
