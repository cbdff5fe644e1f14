#include "platform/PrinterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

#include "platform/FontFaces.h"
#include "platform/QtString.h"

namespace kord {

namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kTwipsPerPicturePixel = 15.0;

// The symbol font's less-or-equal sign, as its Unicode character.
constexpr char16_t kSign = 0x2264;
const std::string kSignText = "≤";

// The metrics of one face in its design units (the em is unitsPerEm).
struct FaceMetrics {
    QRawFont raw;  // at a pixel size of one em, so that advances come out in design units
    QFont font;    // the same face, for characters the face lacks (drawn by a fallback face)
    double unitsPerEm = 2048;
    double ascent = 0;
    double descent = 0;
    double leading = 0;
    double averageWidth = 0;

    // Advances by character, as they are asked for again and again.
    mutable std::unordered_map<char16_t, double> advances;

    double Advance(QChar c) const {
        if (const auto it = advances.find(c.unicode()); it != advances.end()) return it->second;
        double a = 0;
        const QList<quint32> glyphs = raw.glyphIndexesForString(QString(c));
        if (!glyphs.isEmpty() && glyphs[0] != 0) {
            const QList<QPointF> adv = raw.advancesForGlyphIndexes(glyphs);
            if (!adv.isEmpty()) a = adv[0].x();
        } else {
            // A character the face lacks is drawn by a fallback face.
            a = QFontMetricsF(font).horizontalAdvance(c);
        }
        advances.emplace(c.unicode(), a);
        return a;
    }

    double Width(const QString& text) const {
        double w = 0;
        for (const QChar c : text) w += Advance(c);
        return w;
    }

    // The height of a glyph's ink above the baseline; 0 for a character the face lacks.
    double InkTop(QChar c) const {
        const QList<quint32> glyphs = raw.glyphIndexesForString(QString(c));
        if (glyphs.isEmpty() || glyphs[0] == 0) return 0;
        return -raw.pathForGlyph(glyphs[0]).boundingRect().top();
    }

    // Text faces draw the sign smaller than their digits; it is drawn this much larger, so that
    // it stands as tall as the numbers it compares.
    double SignScale() const {
        if (signScale == 0) {
            const double sign = InkTop(QChar(kSign));
            const double digit = InkTop(QChar('0'));
            signScale = sign > 0 && digit > 0 ? std::clamp(digit / sign, 1.0, 1.25) : 1.0;
        }
        return signScale;
    }
    mutable double signScale = 0;
};

// The classic average character width: the lowercase letters and the blank weighted by their
// frequency in English text (per thousand), rounded to whole design units. Tab columns are this
// wide; QFontMetrics::averageCharWidth averages all glyphs and comes out about 30 % wider.
double ClassicAverageWidth(const FaceMetrics& m) {
    static constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                         56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz ");
    double sum = 0;
    for (int i = 0; i < letters.size(); ++i) sum += kWeights[i] * m.Width(QString(letters[i]));
    return std::round(sum / 1000.0);
}

const FaceMetrics& MetricsFor(const std::string& face, bool bold, bool italic) {
    static std::map<std::tuple<std::string, bool, bool>, FaceMetrics> cache;
    const auto key = std::make_tuple(face, bold, italic);
    if (const auto it = cache.find(key); it != cache.end()) return it->second;

    FaceMetrics m;
    QFont f;
    f.setFamilies({Q(face)});
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setItalic(italic);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPixelSize(2048);
    m.raw = QRawFont::fromFont(f);
    if (m.raw.isValid() && m.raw.unitsPerEm() > 0) {
        m.unitsPerEm = m.raw.unitsPerEm();
        m.raw.setPixelSize(m.unitsPerEm);
        f.setPixelSize(static_cast<int>(m.unitsPerEm));
        m.ascent = m.raw.ascent();
        m.descent = m.raw.descent();
        m.leading = std::max(0.0, m.raw.leading());
    } else {
        const QFontMetricsF fm(f);
        m.ascent = fm.ascent();
        m.descent = fm.descent();
        m.leading = std::max(0.0, fm.leading());
    }
    m.font = f;
    m.averageWidth = ClassicAverageWidth(m);
    return cache.emplace(key, std::move(m)).first->second;
}

const FaceMetrics& MetricsFor(const Font& font, const std::string& textFont) {
    return MetricsFor(PrinterSurface::FaceFor(font.name, textFont), font.bold, font.italic);
}

// Design units of a face to twips at a size in points.
double Scale(const FaceMetrics& m, const Font& font) {
    return font.size * kTwipsPerPoint / m.unitsPerEm;
}

}  // namespace

std::string PrinterSurface::FaceFor(const std::string& fontName, const std::string& textFont) {
    return FontFace(fontName, textFont);
}

double PrinterSurface::MeasureText(const std::string& text, const Font& font,
                                   const std::string& textFont) {
    const FaceMetrics& m = MetricsFor(font, textFont);
    const QString q = Q(text);
    double w = m.Width(q);
    if (IsSymbolFont(font.name)) {
        // The sign: a blank before it, and drawn larger.
        const double extra = m.Advance(QChar(' ')) + (m.SignScale() - 1) * m.Advance(QChar(kSign));
        w += static_cast<double>(q.count(QChar(kSign))) * extra;
    }
    return w * Scale(m, font);
}

double PrinterSurface::LineHeightOf(const Font& font, const std::string& textFont) {
    const FaceMetrics& m = MetricsFor(font, textFont);
    const double rise = IsSymbolFont(font.name) ? kSymbolCellRise : 0;
    return (m.ascent + m.descent + m.leading) * Scale(m, font) + rise;
}

double PrinterSurface::AscentOf(const Font& font, const std::string& textFont) {
    const FaceMetrics& m = MetricsFor(font, textFont);
    const double rise = IsSymbolFont(font.name) ? kSymbolCellRise : 0;
    return m.ascent * Scale(m, font) + rise;
}

double PrinterSurface::ColumnWidthOf(const Font& font, const std::string& textFont) {
    const FaceMetrics& m = MetricsFor(font, textFont);
    return m.averageWidth * Scale(m, font);
}

PrinterSurface::PrinterSurface(double scaleWidth, double scaleHeight)
    : scaleWidth_(scaleWidth), scaleHeight_(scaleHeight) {}

void PrinterSurface::SetFontName(const std::string& name) {
    font_.name = name;
    if (!IsSymbolFont(name)) textFont_ = name;
}

double PrinterSurface::TextWidth(const std::string& text) const {
    return MeasureText(text, font_, textFont_);
}

double PrinterSurface::TextHeight(const std::string& text) const {
    const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
    return static_cast<double>(lines) * LineHeightOf(font_, textFont_);
}

double PrinterSurface::ColumnWidth() const {
    return ColumnWidthOf(font_, textFont_);
}

double PrinterSurface::ColumnX(int column) const {
    return (std::max(column, 1) - 1) * ColumnWidth();
}

template <class F>
void PrinterSurface::Guarded(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        lastError_ = e.what();
        DoKillDoc();
        ResetDocument();
        throw;
    }
}

void PrinterSurface::ResetDocument() {
    open_ = false;
    page_ = 1;
    x_ = 0;
    y_ = 0;
}

void PrinterSurface::EnsureDocument() {
    if (open_) return;
    lastError_.clear();
    Guarded([&] { DoBeginDoc(); });
    open_ = true;
}

void PrinterSurface::EndLine() {
    x_ = 0;
    y_ += TextHeight();
}

void PrinterSurface::PrintRun(const std::string& text) {
    TextRun run{.page = page_,
                .x = x_,
                .y = y_,
                .text = text,
                .font = font_,
                .face = FaceFor(font_.name, textFont_),
                .width = TextWidth(text),
                .ascent = AscentOf(font_, textFont_),
                .drawSize = font_.size};
    if (IsSymbolFont(font_.name) && text == kSignText) {
        const FaceMetrics& m = MetricsFor(font_, textFont_);
        run.lead = m.Advance(QChar(' ')) * Scale(m, font_);
        run.drawSize = font_.size * m.SignScale();
    }
    Guarded([&] { DoText(run); });
    x_ += run.width;
}

void PrinterSurface::Print(const std::string& text, LineEnd end) {
    if (!text.empty()) {
        EnsureDocument();
        if (!IsSymbolFont(font_.name)) {
            PrintRun(text);
        } else {
            // The sign is a run of its own, drawn at its own size.
            size_t from = 0;
            while (from < text.size()) {
                const size_t at = text.find(kSignText, from);
                if (at != from) PrintRun(text.substr(from, at - from));
                if (at == std::string::npos) break;
                PrintRun(kSignText);
                from = at + kSignText.size();
            }
        }
    }
    if (end == LineEnd::Close) EndLine();
}

void PrinterSurface::Tab(int column) {
    const double x = ColumnX(column);
    if (x_ > x) EndLine();
    x_ = x;
}

void PrinterSurface::PrintAt(int column, const std::string& text, LineEnd end) {
    Tab(column);
    Print(text, end);
}

void PrinterSurface::Line(double x1, double y1, double x2, double y2) {
    EnsureDocument();
    Guarded([&] { DoLine(x1, y1, x2, y2, drawWidth_); });
    x_ = x2;
    y_ = y2;
}

void PrinterSurface::PaintPicture(const Picture& picture, double x, double y) {
    PaintPicture(picture, x, y, picture.WidthPx() * kTwipsPerPicturePixel,
                 picture.HeightPx() * kTwipsPerPicturePixel);
}

void PrinterSurface::PaintPicture(const Picture& picture, double x, double y, double width,
                                  double height) {
    EnsureDocument();
    Guarded([&] {
        if (picture.IsEmpty()) throw PrintError("Nie można wczytać rysunku: " + picture.Path());
        DoPicture(picture, x, y, width, height);
    });
}

void PrinterSurface::NewPage() {
    EnsureDocument();
    Guarded([&] { DoNewPage(); });
    ++page_;
    x_ = 0;
    y_ = 0;
}

void PrinterSurface::EndDoc() {
    Guarded([&] { DoEndDoc(); });
    ResetDocument();
}

void PrinterSurface::KillDoc() {
    DoKillDoc();
    ResetDocument();
}

namespace {
PrinterSurfaceFactory& Factory() {
    static PrinterSurfaceFactory factory;
    return factory;
}
}  // namespace

void SetPrinterSurfaceFactory(PrinterSurfaceFactory factory) {
    Factory() = std::move(factory);
}

std::unique_ptr<PrinterSurface> MakePrinterSurface(const PrinterChoice& choice) {
    return Factory() ? Factory()(choice) : nullptr;
}

}  // namespace kord
