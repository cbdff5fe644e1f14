#include "platform/TextMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>
#include <string>
#include <unordered_map>

#include "platform/FontFaces.h"
#include "platform/QtString.h"

namespace kord {

namespace {
constexpr double kTwipsPerPixel = 15.0;

QFont ToQFont(const Font& f) {
    QFont q(Q(FontFace(f.name)));
    q.setPointSizeF(f.size);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}
}  // namespace

int TextWidthTwips(const std::string& text, const Font& font) {
    // Every window that opens measures the same captions again; a width never changes while the
    // program runs, so each is measured once.
    static std::unordered_map<std::string, int> known;
    std::string key = text;
    key += '\0';
    key += font.name;
    key += '\0';
    key.append(reinterpret_cast<const char*>(&font.size), sizeof font.size);
    key += font.bold ? 'b' : '-';
    key += font.italic ? 'i' : '-';
    key += font.underline ? 'u' : '-';
    if (const auto it = known.find(key); it != known.end()) return it->second;
    QFontMetricsF m(ToQFont(font));
    const int width = static_cast<int>(std::ceil(m.horizontalAdvance(Q(text)) * kTwipsPerPixel));
    // Computed values are measured too: the memory stays bounded.
    if (known.size() >= 20000) known.clear();
    known.emplace(std::move(key), width);
    return width;
}

int TextHeightTwips(const Font& font) {
    QFontMetricsF m(ToQFont(font));
    return static_cast<int>(std::ceil(m.height() * kTwipsPerPixel));
}

}  // namespace kord
