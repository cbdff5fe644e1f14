#pragma once
// The host that shows the real thing: message boxes, modal windows in a nested event loop, file,
// printer and font dialogs, documents and help through the desktop, the hourglass pointer.

#include <QPointer>
#include <QTextBrowser>

#include "platform/Host.h"

namespace kord {

class QtHost : public Host {
  public:
    QtHost() = default;
    ~QtHost() override;

    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override;
    void RunModal(Window& w) override;
    std::optional<std::string> FileDialog(const FileDialogRequest& r) override;
    bool ChoosePrinter(PrinterChoice& choice) override;
    bool ChooseFont(Font& font, int minSize, int maxSize) override;
    bool ShowHelp(const std::string& path) override;
    bool OpenDocument(const std::string& path) override;
    void SetBusy(bool busy) override;
    void WindowCreated(Window& w) override;
    void Quit() override;

    // The application's name, the title of a message box that has none.
    static constexpr const char* kAppTitle = "Kordelan";

    // Destroys the unloaded windows once the event being handled is over and control is back
    // in the main event loop (never inside a message box or a modal window).
    static void ScheduleCollect();

    // Marks a nested event loop of the host for as long as it lives.
    class NestedLoop {
      public:
        NestedLoop();
        ~NestedLoop();
        NestedLoop(const NestedLoop&) = delete;
        NestedLoop& operator=(const NestedLoop&) = delete;
    };
    static int NestedDepth();

  private:
    int busyDepth_ = 0;
    // The help viewer: one window, brought to the front when asked again.
    QPointer<QTextBrowser> help_;
};

}  // namespace kord
