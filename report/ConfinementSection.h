#pragma once
// The confinement section of the report: its head with the column drawing, the inputs of the
// confinement design (two composite values as the user typed them) and its results, for the
// required strengthening and, after the recomputation for the applied laminate, for the layers
// applied. Ends the document.

namespace kord {

struct ReportInputs;

// Prints the confinement section after the first page, from the state the first page leaves,
// and ends the document (EndDoc). The page is checked only from the requirements on, after the
// lines that call for it.
void PrintConfinementSection(const ReportInputs& in);

}  // namespace kord
