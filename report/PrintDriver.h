#pragma once
// "Drukowanie": the report of the last successful design, printed on the printer of the print
// options: the report font, the first page, then the section of the design case, which ends the
// document.

#include <string>

namespace kord {

class PrinterSurface;
struct Font;
struct PrintOptions;
struct ReportInputs;

// Shown when no printer has been chosen; the report is then not printed at all.
extern const char* const kNoPrinterMessage;

// The program's entry, called by the results window's "Drukowanie" with the inputs of the design
// and the print options of the moment. Makes a surface for the chosen printer or file and prints
// on it. Any failure (the printer, a file it writes, the logo) abandons the document, so that no
// half-written job or partial PDF file is left, and is shown to the user; the program goes on.
void PrintReport(const ReportInputs& in, const PrintOptions& options);
// The same on a surface that exists already: the printer check on its device name, then the
// report, with the same failure handling.
void PrintReport(PrinterSurface& surface, const ReportInputs& in, const PrintOptions& options);

// The report font on Printer(): the chosen font, or "Arial" when none was chosen; its
// size when strictly between 9 and 16, else 12 (the base size S); bold and italic off. Sets
// PrintFontName and SymbolFontName.
void SetUpReportFont(const Font& chosen);

}  // namespace kord
