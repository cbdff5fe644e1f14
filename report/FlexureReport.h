#pragma once
// The flexure report after the first page: the main heading and section drawing, the input data
// of the flexure design, "Wyniki", the results section and, when the user asked for them, the
// strain and anchorage sections. Ends the document.

namespace kord {

struct ReportInputs;

// Prints the flexure report from the state the first page leaves and ends the document
// (EndDoc). The input data makes no page checks; the first is the one before "Wyniki".
void PrintFlexureReport(const ReportInputs& in);

}  // namespace kord
