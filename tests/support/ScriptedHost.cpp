#include "tests/support/ScriptedHost.h"

#include "platform/Window.h"

namespace kord {

MsgAnswer ScriptedHost::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title) {
    messages.push_back({text, buttons, icon, title});
    if (!answers.empty()) {
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::OK;
}

void ScriptedHost::RunModal(Window& w) {
    modalWindows.push_back(w.Name());
    if (modalScripts.empty()) return;
    auto script = std::move(modalScripts.front());
    modalScripts.pop_front();
    script(w);
}

std::optional<std::string> ScriptedHost::FileDialog(const FileDialogRequest& r) {
    fileRequests.push_back(r);
    if (fileAnswers.empty()) return std::nullopt;
    auto a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

bool ScriptedHost::ChoosePrinter(PrinterChoice& choice) {
    if (printerAnswers.empty()) return false;
    auto a = printerAnswers.front();
    printerAnswers.pop_front();
    if (!a) return false;
    choice = *a;
    return true;
}

bool ScriptedHost::ChooseFont(Font& font, int, int) {
    if (fontAnswers.empty()) return false;
    auto a = fontAnswers.front();
    fontAnswers.pop_front();
    if (!a) return false;
    font = *a;
    return true;
}

bool ScriptedHost::ShowHelp(const std::string& path) {
    helpShown.push_back(path);
    return true;
}

bool ScriptedHost::OpenDocument(const std::string& path) {
    documentsAsked.push_back(path);
    return documentOpens(path);
}

void ScriptedHost::SetBusy(bool busy) {
    busyDepth += busy ? 1 : -1;
    if (busy) ++busyCount;
}

void ScriptedHost::WindowCreated(Window& w) {
    windowsCreated.push_back(w.Name());
}

ScriptedHostScope::ScriptedHostScope() {
    SetHost(&host);
}

ScriptedHostScope::~ScriptedHostScope() {
    // Unload whatever the test left, without the windows' own exit handling.
    while (!Forms::Loaded().empty()) Forms::Loaded().back()->Unload();
    Forms::Collect();
    SetHost(nullptr);
}

}  // namespace kord
