#include "platform/FontFaces.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace kord {

namespace {
const char* const kSans = "Liberation Sans";

std::string Lower(const std::string& s) {
    std::string r = s;
    std::transform(r.begin(), r.end(), r.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return r;
}
}  // namespace

bool IsSymbolFont(const std::string& fontName) {
    return Lower(fontName) == "symbol";
}

std::string FontFace(const std::string& fontName, const std::string& textFont) {
    if (IsSymbolFont(fontName))
        return IsSymbolFont(textFont) ? FontFace("Arial") : FontFace(textFont);
    static const std::map<std::string, std::string> kCompatible = {
        {"arial", kSans},
        {"ms sans serif", kSans},
        {"arial narrow", "Liberation Sans Narrow"},
        {"times new roman", "Liberation Serif"},
        {"courier new", "Liberation Mono"},
    };
    if (const auto it = kCompatible.find(Lower(fontName)); it != kCompatible.end())
        return it->second;
    return fontName.empty() ? std::string(kSans) : fontName;
}

}  // namespace kord
