#pragma once
// Everything that needs a person or the desktop goes through the host: message boxes, modal
// windows, file, printer and font dialogs, help and documents, the hourglass. The Qt host shows
// the real thing; the scripted host answers tests.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Control.h"

namespace kord {

class Window;

enum class MsgIcon { None, Exclamation, Information, Question, Critical };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgAnswer { OK, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    std::string initialDir;
    // (description, pattern), e.g. ("Input Files (*.inp)", "*.inp")
    std::vector<std::pair<std::string, std::string>> filters;
    bool save = false;
};

// The printer the report goes to: a system printer or a PDF file.
struct PrinterChoice {
    std::string printerName;  // empty with no printer chosen
    std::string outputFile;   // a PDF file instead of a printer
    std::string DeviceName() const { return outputFile.empty() ? printerName : outputFile; }
};

class Host {
  public:
    virtual ~Host() = default;
    virtual MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) = 0;
    // Shows the window modally and returns when it is hidden or unloaded.
    virtual void RunModal(Window& w) = 0;
    virtual std::optional<std::string> FileDialog(const FileDialogRequest& r) = 0;
    virtual bool ChoosePrinter(PrinterChoice& choice) = 0;
    virtual bool ChooseFont(Font& font, int minSize, int maxSize) = 0;
    virtual bool ShowHelp(const std::string& path) = 0;
    virtual bool OpenDocument(const std::string& path) = 0;
    virtual void SetBusy(bool busy) = 0;
    // A window was created: a binding attaches to it here.
    virtual void WindowCreated(Window&) {}
    // No window is left: the program ends.
    virtual void Quit() = 0;
};

Host& TheHost();
void SetHost(Host* host);

// The common warning of field and design checks: exclamation icon, OK button.
void Warn(const std::string& text, const std::string& title);

// Shows the hourglass for as long as it lives.
class BusyPointer {
  public:
    BusyPointer() { TheHost().SetBusy(true); }
    ~BusyPointer() { TheHost().SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace kord
