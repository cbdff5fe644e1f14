#pragma once
// The installed face that draws a font the windows or the report name, the same for the windows,
// their text metrics and the printer. The classic faces are drawn by their metric-compatible
// ones, so that text measures as the layouts expect: "Arial" and "MS Sans Serif" → "Liberation
// Sans", "Arial Narrow" → "Liberation Sans Narrow", "Times New Roman" → "Liberation Serif",
// "Courier New" → "Liberation Mono" (in any case). The symbol font's letters are Unicode in the
// texts: "Symbol" is drawn by the face of textFont. No name is Liberation Sans; any other name
// stands for itself.

#include <string>

namespace kord {

std::string FontFace(const std::string& fontName, const std::string& textFont = "Arial");
bool IsSymbolFont(const std::string& fontName);

}  // namespace kord
