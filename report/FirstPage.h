#pragma once
// The first page of the report: page number and rule, the header lines that the print options
// ask for (project, author and company, date and time), the logo at the top left and at the
// bottom right, the title block with the disclaimer and the closing rule.

#include <string>

namespace kord {

struct PrintOptions;

// Prints the first page on Printer(), whose report font is set (SetUpReportFont) at the base
// size S. Leaves what every section starts from: size S + 4, bold, not italic or underlined,
// the print position at the right end of the closing rule, 100 above it. No page checks; only
// header lines too long for the page, or a title block with no room left above the corner
// logo, go on to a new page with its frame.
void PrintFirstPage(const PrintOptions& options);

// Prints a text from the print position, breaking it at blanks where it would reach past the
// right edge of the printable area; each continuation starts on the next line at the same x.
// The last part ends the line or keeps it open, as asked; reserve is the width that must stay
// free after the last part (what follows it on the line).
void PrintWrapped(const std::string& text, bool endLine, double reserve = 0);

}  // namespace kord
