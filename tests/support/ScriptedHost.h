#pragma once
// A host for tests: answers from a script and records what was asked.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Host.h"

namespace kord {

struct MsgBoxCall {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
};

class ScriptedHost : public Host {
  public:
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override;
    // Runs the next modal script with the window; without one the window is left as shown.
    void RunModal(Window& w) override;
    std::optional<std::string> FileDialog(const FileDialogRequest& r) override;
    bool ChoosePrinter(PrinterChoice& choice) override;
    bool ChooseFont(Font& font, int minSize, int maxSize) override;
    bool ShowHelp(const std::string& path) override;
    bool OpenDocument(const std::string& path) override;
    void SetBusy(bool busy) override;
    void WindowCreated(Window& w) override;
    void Quit() override { ++quitCount; }

    // Answers, taken in turn; when they run out a message box answers OK (or Yes).
    std::deque<MsgAnswer> answers;
    std::deque<std::function<void(Window&)>> modalScripts;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<PrinterChoice>> printerAnswers;
    std::deque<std::optional<Font>> fontAnswers;
    // Which documents open: by default none does.
    std::function<bool(const std::string&)> documentOpens = [](const std::string&) {
        return false;
    };

    // What was asked.
    std::vector<MsgBoxCall> messages;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<std::string> helpShown;
    std::vector<std::string> documentsAsked;
    std::vector<std::string> windowsCreated;
    std::vector<std::string> modalWindows;
    int busyDepth = 0;
    int busyCount = 0;
    int quitCount = 0;
};

// Installs a fresh scripted host for the lifetime of a test and removes every window after it.
class ScriptedHostScope {
  public:
    ScriptedHostScope();
    ~ScriptedHostScope();
    ScriptedHost host;
};

}  // namespace kord
