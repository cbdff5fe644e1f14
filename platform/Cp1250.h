#pragma once
// The 8-bit Central European code page of the input files, to and from the UTF-8 used inside.

#include <optional>
#include <string>

namespace kord {

std::string Cp1250ToUtf8(const std::string& bytes);

// nullopt when a character has no place in the code page (or the text is not valid UTF-8); the
// first such character is then given in `offending`.
std::optional<std::string> Utf8ToCp1250(const std::string& text, std::string* offending = nullptr);

// Decodes UTF-8 leniently: an invalid sequence becomes U+FFFD.
std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(char32_t c);

}  // namespace kord
