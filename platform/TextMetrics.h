#pragma once
// Sizes of text in a font, in twips, for laying out labels beside each other.

#include <string>

#include "platform/Control.h"

namespace kord {

int TextWidthTwips(const std::string& text, const Font& font);
int TextHeightTwips(const Font& font);

}  // namespace kord
