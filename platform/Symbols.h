#pragma once
// Characters of the symbol font and of the window code page that the windows and the report use,
// as the Unicode letters they stand for.

#include <string>

namespace kord {

// 97 α, 101 ε, 103 γ, 106 φ, 115 σ, 120 ξ, 163 ≤; other codes give an empty text.
std::string SymbolChar(int code);
// 174 ®, 178 ², of the window and report font.
std::string CodePageChar(int code);

}  // namespace kord
