#include "report/PrintDriver.h"

#include <exception>
#include <memory>

#include "engine/DesignState.h"
#include "engine/MessageTexts.h"
#include "kit/ProgramState.h"
#include "platform/Host.h"
#include "platform/PrinterSurface.h"
#include "report/ConfinementSection.h"
#include "report/FirstPage.h"
#include "report/FlexureReport.h"
#include "report/PageFrame.h"
#include "report/ReportInputs.h"
#include "report/ShearSection.h"

namespace kord {

const char* const kNoPrinterMessage =
    "Nie wybrano żadnej drukarki. Proszę przejść do Opcje --> Drukowanie / Zginanie --> "
    "Ustawienia drukarki i wybrać drukarkę.";

namespace {

constexpr double kDefaultSize = 12;
constexpr float kSmallestSize = 9;
constexpr float kLargestSize = 16;

void ShowNoPrinter() {
    TheHost().MsgBox(kNoPrinterMessage, MsgButtons::OK, MsgIcon::None, "");
}

void ShowFailure(const std::string& error) {
    Warn("Drukowanie zostało przerwane. " + error, kWarningTitle);
}

// The first page, then the section of the last design; each section ends the document.
void PrintDocument(const ReportInputs& in, const PrintOptions& options) {
    SetUpReportFont(options.font);
    PrintFirstPage(options);
    switch (State().ResultKind) {
        case Flexure:
            PrintFlexureReport(in);
            break;
        case Shear:
            PrintShearSection(in);
            break;
        case Confinement:
            PrintConfinementSection(in);
            break;
        default:
            break;
    }
}

}  // namespace

void SetUpReportFont(const Font& chosen) {
    PrinterSurface& p = Printer();
    p.SetFontName(chosen.name.empty() ? std::string("Arial") : chosen.name);
    State().PrintFontName = p.FontName();
    State().SymbolFontName = "Symbol";
    // The font dialog hands over its size as a single-precision number.
    const auto size = static_cast<float>(chosen.size);
    p.SetFontSize(size > kSmallestSize && size < kLargestSize ? static_cast<double>(size)
                                                              : kDefaultSize);
    p.SetFontBold(false);
    p.SetFontItalic(false);
}

void PrintReport(PrinterSurface& surface, const ReportInputs& in, const PrintOptions& options) {
    if (surface.DeviceName().empty()) {
        ShowNoPrinter();
        return;
    }
    std::string error;
    const bool printed = RunPrintJob(
        surface, [&] { PrintDocument(in, options); }, error);
    // A section always ends its document; one left open (no section for the design case) is
    // abandoned rather than left half-written.
    if (surface.DocumentOpen()) surface.KillDoc();
    if (!printed) ShowFailure(error);
}

void PrintReport(const ReportInputs& in, const PrintOptions& options) {
    const PrinterChoice& choice = options.printer;
    if (choice.DeviceName().empty()) {
        ShowNoPrinter();
        return;
    }
    std::unique_ptr<PrinterSurface> surface;
    try {
        surface = MakePrinterSurface(choice);
    } catch (const std::exception& e) {
        ShowFailure(e.what());
        return;
    }
    if (!surface) {
        ShowFailure("Drukarka " + choice.DeviceName() + " jest niedostępna.");
        return;
    }
    PrintReport(*surface, in, options);
}

}  // namespace kord
