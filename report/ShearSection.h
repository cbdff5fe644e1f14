#pragma once
// The shear section of the report: its head with the scheme drawing, the inputs of the shear
// design and its results, for the required strengthening and, once the design has been
// recomputed for the applied laminate, for the layers applied. Ends the document.
//
// Also the parts that the confinement section and the flexure report print in the same way: the
// head of a design case and the concrete lines.

#include <string>
#include <vector>

#include "report/PageFrame.h"

namespace kord {

class Picture;
struct ReportInputs;

// Prints the shear section after the first page, from the state the first page leaves, and
// ends the document (EndDoc).
void PrintShearSection(const ReportInputs& in);

// A unit with the superscript two: " N/mm" → " N/mm²".
std::string Squared(const std::string& unit);

// The head of a design case: its main heading at column 7 (size S + 4, bold, underlined, as
// the first page leaves the font), then size S plain, a blank line and the drawing of the input
// tab at its own size, 3800 from the left; the print position then moves 3100 down. A drawing
// that is empty is skipped. No page checks.
void PrintCaseHead(const std::string& heading, const Picture& drawing);

// The concrete of a tab: the heading "Beton", then by the tab's "Klasa" option the class, f_ck
// and f_cm, or f_cm and f_ck, in plain value text. No page checks.
void PrintConcreteLines(const ReportInputs& in, int tab);

}  // namespace kord
