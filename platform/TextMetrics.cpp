#include "platform/TextMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>

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
    QFontMetricsF m(ToQFont(font));
    return static_cast<int>(std::ceil(m.horizontalAdvance(Q(text)) * kTwipsPerPixel));
}

int TextHeightTwips(const Font& font) {
    QFontMetricsF m(ToQFont(font));
    return static_cast<int>(std::ceil(m.height() * kTwipsPerPixel));
}

}  // namespace kord
