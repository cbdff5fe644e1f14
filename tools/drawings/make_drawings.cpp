// Draws the section drawings of the input window, the anchorage drawing and the logo.
//
// The input window shows each drawing unscaled in a picture box of about 270 x 200 px and the
// report prints it at its own size, so every picture is drawn at its final pixel size; nothing
// is scaled afterwards. Usage: make_drawings <drawings folder> <logo png>.

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <numbers>

namespace kord {
namespace {

// Section drawings: the picture box of the input window.
constexpr int kSectionW = 270;
constexpr int kSectionH = 200;
// The anchorage window's picture box is about 285 x 273 px and the report leaves 4300 twips
// for the drawing, so the anchorage drawing stays a little wider only.
constexpr int kBondW = 280;
constexpr int kBondH = 200;
// The report stretches the logo to 1000 x 800 twips: a 5:4 picture keeps its shape.
constexpr int kLogoW = 80;
constexpr int kLogoH = 64;

const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kDim(0x33, 0x33, 0x33);
const QColor kConcrete(0xdc, 0xdc, 0xdc);
const QColor kConcreteSide(0xe8, 0xe8, 0xe8);
const QColor kSteel(0x10, 0x10, 0x10);
const QColor kFrp(0x1c, 0x3c, 0x9c);
const QColor kFrpSecond(0x4f, 0x78, 0xd8);
const QColor kFrpSheet(0xc6, 0xd3, 0xf2);

constexpr double kOutline = 1.7;
constexpr double kThin = 1.0;
constexpr double kArrowLen = 7.0;
constexpr double kArrowHalf = 2.6;
constexpr double kBarRadius = 3.2;
constexpr double kDeg = std::numbers::pi / 180.0;

QFont symbolFont() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    f.setItalic(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont subscriptFont() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(9);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Where a label stands relative to its anchor point.
enum class At { Left, Right, Above, Below, Centre, AboveLeft, AboveRight, BelowLeft, BelowRight };

class Sketch {
  public:
    Sketch(int w, int h) : image_(w, h, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        p_.begin(&image_);
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setRenderHint(QPainter::TextAntialiasing);
    }

    QPainter& p() { return p_; }

    bool saveJpeg(const QString& path) {
        p_.end();
        QImageWriter w(path, "jpeg");
        w.setQuality(92);
        if (!w.write(image_)) {
            QTextStream(stderr) << path << ": " << w.errorString() << "\n";
            return false;
        }
        return true;
    }

    bool savePng(const QString& path) {
        p_.end();
        QImageWriter w(path, "png");
        if (!w.write(image_)) {
            QTextStream(stderr) << path << ": " << w.errorString() << "\n";
            return false;
        }
        return true;
    }

    // Concrete cut by the section plane (darker) or seen from the side (lighter).
    void concrete(const QPainterPath& shape, bool cut = true) {
        p_.setPen(QPen(kInk, kOutline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p_.setBrush(cut ? kConcrete : kConcreteSide);
        p_.drawPath(shape);
    }

    void bar(QPointF c, double r = kBarRadius) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(kSteel);
        p_.drawEllipse(c, r, r);
    }

    // A bonded sheet or strip seen in section: a thick line along the concrete face.
    void wrap(const QPainterPath& path, const QColor& colour = kFrp, double width = 3.0) {
        p_.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }

    void line(QPointF a, QPointF b, double width = kThin, const QColor& c = kDim,
              Qt::PenStyle style = Qt::SolidLine) {
        p_.setPen(QPen(c, width, style, Qt::FlatCap));
        p_.drawLine(a, b);
    }

    // Extension line from a point of the object towards the dimension line; it starts a small
    // gap away from the object and runs a little past the dimension line.
    void extension(QPointF from, QPointF to) {
        QLineF l(from, to);
        const double len = l.length();
        if (len < 4) return;
        const QPointF u = (to - from) / len;
        line(from + u * 2.0, to + u * 3.0, 0.9, kDim);
    }

    void arrowHead(QPointF tip, QPointF tail) {
        QLineF l(tip, tail);
        const double len = l.length();
        if (len <= 0) return;
        const QPointF u = (tail - tip) / len;
        const QPointF n(-u.y(), u.x());
        const QPointF base = tip + u * kArrowLen;
        QPolygonF head;
        head << tip << base + n * kArrowHalf << base - n * kArrowHalf;
        p_.setPen(Qt::NoPen);
        p_.setBrush(kDim);
        p_.drawPolygon(head);
    }

    // Dimension line between a and b with arrowheads on its ends; a short span gets its arrows
    // from outside.
    void dimension(QPointF a, QPointF b) {
        QLineF l(a, b);
        const double len = l.length();
        const QPointF u = (b - a) / len;
        if (len >= 2 * kArrowLen + 5) {
            line(a + u * 2, b - u * 2, kThin);
            arrowHead(a, b);
            arrowHead(b, a);
        } else {
            const double tail = kArrowLen + 6;
            line(a - u * tail, b + u * tail, kThin);
            arrowHead(a, a - u * tail);
            arrowHead(b, b + u * tail);
        }
    }

    // Leader from a label to the thing it names, ending in a small dot on the thing.
    void leader(QPointF thing, QPointF label, bool dot = true) {
        line(thing, label, 0.9, kDim);
        if (dot) {
            p_.setPen(Qt::NoPen);
            p_.setBrush(kDim);
            p_.drawEllipse(thing, 1.6, 1.6);
        }
    }

    // Symbol with an optional subscript: "h_f" is an italic h with an upright f below the
    // line.
    // With a backdrop the label sits on a white patch, for labels over hatching.
    QRectF symbol(QPointF at, const QString& text, At where, double gap = 3.0,
                  bool backdrop = false) {
        const int us = static_cast<int>(text.indexOf(QLatin1Char('_')));
        const QString main = us < 0 ? text : text.left(us);
        const QString sub = us < 0 ? QString() : text.mid(us + 1);
        QFont mf = symbolFont();
        // Italic Greek letters at this size read as Latin ones.
        if (!main.isEmpty() && main.at(0).unicode() >= 0x370 && main.at(0).unicode() < 0x400) {
            mf.setItalic(false);
            mf.setPixelSize(13);
        }
        const QFont sf = subscriptFont();
        const QFontMetricsF mm(mf);
        const QFontMetricsF sm(sf);
        const double subGap = 0.5;
        const double w =
            mm.horizontalAdvance(main) + (sub.isEmpty() ? 0.0 : subGap + sm.horizontalAdvance(sub));
        const double cap = mm.capHeight();
        const double subDrop = 3.0;
        const double below = sub.isEmpty() ? 0.0 : subDrop + 1.0;
        const double h = cap + below;

        double left = at.x() - w / 2;
        double top = at.y() - h / 2;
        switch (where) {
            case At::Left:
                left = at.x() - gap - w;
                break;
            case At::Right:
                left = at.x() + gap;
                break;
            case At::Above:
                top = at.y() - gap - h;
                break;
            case At::Below:
                top = at.y() + gap;
                break;
            case At::Centre:
                break;
            case At::AboveLeft:
                left = at.x() - gap - w;
                top = at.y() - gap - h;
                break;
            case At::AboveRight:
                left = at.x() + gap;
                top = at.y() - gap - h;
                break;
            case At::BelowLeft:
                left = at.x() - gap - w;
                top = at.y() + gap;
                break;
            case At::BelowRight:
                left = at.x() + gap;
                top = at.y() + gap;
                break;
        }
        const double baseline = std::round(top + cap);
        left = std::round(left);
        if (backdrop) {
            p_.setPen(Qt::NoPen);
            p_.setBrush(Qt::white);
            p_.drawRect(QRectF(left - 2, baseline - cap - 2, w + 4, h + 4));
        }
        p_.setPen(kInk);
        p_.setFont(mf);
        p_.drawText(QPointF(left, baseline), main);
        if (!sub.isEmpty()) {
            p_.setFont(sf);
            p_.drawText(QPointF(left + mm.horizontalAdvance(main) + subGap, baseline + subDrop),
                        sub);
        }
        return QRectF(left, top, w, h);
    }

    // The end of a member cut short in a view: a line with a small zigzag.
    void breakLine(double x, double y1, double y2) {
        const double ym = (y1 + y2) / 2;
        QPainterPath path;
        path.moveTo(x, y1 - 4);
        path.lineTo(x, ym - 6);
        path.lineTo(x - 4, ym - 2);
        path.lineTo(x + 4, ym + 2);
        path.lineTo(x, ym + 6);
        path.lineTo(x, y2 + 4);
        p_.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }

    // Mark of an angle: an arc of the given radius from direction a0 to a1 (degrees,
    // counter-clockwise on the page, 0 pointing right).
    void angleArc(QPointF centre, double radius, double a0, double a1) {
        QPainterPath arc;
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        arc.arcMoveTo(box, a0);
        arc.arcTo(box, a0, a1 - a0);
        p_.setPen(QPen(kDim, kThin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(arc);
    }

  private:
    QImage image_;
    QPainter p_;
};

QPainterPath rectPath(double x, double y, double w, double h) {
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath tShape(double flangeLeft, double flangeRight, double top, double flangeBottom,
                    double webLeft, double webRight, double bottom) {
    QPainterPath path;
    path.moveTo(flangeLeft, top);
    path.lineTo(flangeRight, top);
    path.lineTo(flangeRight, flangeBottom);
    path.lineTo(webRight, flangeBottom);
    path.lineTo(webRight, bottom);
    path.lineTo(webLeft, bottom);
    path.lineTo(webLeft, flangeBottom);
    path.lineTo(flangeLeft, flangeBottom);
    path.closeSubpath();
    return path;
}

// Flexure: bars, the soffit laminate and the dimensions shared by the T and the rectangle.
// Web from xl to xr, from top to bottom; the labels of the bars go on the left of the web.
struct FlexureFrame {
    double xl, xr, top, bottom;
};

void flexureCommon(Sketch& s, const FlexureFrame& f, double topBarsLeft, double topBarsRight,
                   int topBars) {
    const double d2 = 12, d12 = 30, d11 = 14;
    const double y2 = f.top + d2;
    const double y12 = f.bottom - d12;
    const double y11 = f.bottom - d11;

    for (int i = 0; i < topBars; ++i)
        s.bar({topBarsLeft + (topBarsRight - topBarsLeft) * i / (topBars - 1), y2}, 2.8);
    const double bl = f.xl + 9, br = f.xr - 9;
    for (int i = 0; i < 3; ++i) s.bar({bl + (br - bl) * i / 2, y11});
    s.bar({bl, y12});
    s.bar({br, y12});

    // Laminate bonded to the soffit.
    const double lw = (f.xr - f.xl) * 0.7;
    const double lx = (f.xl + f.xr - lw) / 2;
    s.p().setPen(Qt::NoPen);
    s.p().setBrush(kFrp);
    s.p().drawRect(QRectF(lx, f.bottom + 0.8, lw, 4.2));

    // Bar labels on the left of the web.
    const double lab = f.xl - 22;
    s.leader({bl, y12}, {lab, y12});
    s.symbol({lab, y12}, QStringLiteral("A_s12"), At::Left, 2);
    s.leader({bl, y11}, {lab, y11 + 6});
    s.symbol({lab, y11 + 6}, QStringLiteral("A_s11"), At::Left, 2);
    s.leader({lx + 4, f.bottom + 4}, {lab, f.bottom + 18});
    s.symbol({lab, f.bottom + 18}, QStringLiteral("A_f"), At::Left, 2);

    // Bar depths on the right: d2 from the top face, d12 and d11 from the soffit.
    const double xd11 = f.xr + 14, xd12 = f.xr + 44;
    s.extension({f.xr, f.bottom}, {xd12, f.bottom});
    s.extension({br, y11}, {xd11, y11});
    s.extension({br, y12}, {xd12, y12});
    s.dimension({xd11, y11}, {xd11, f.bottom});
    s.dimension({xd12, y12}, {xd12, f.bottom});
    s.symbol({xd11, (y11 + f.bottom) / 2}, QStringLiteral("d_11"), At::Right, 2);
    s.symbol({xd12, (y12 + f.bottom) / 2 - 6}, QStringLiteral("d_12"), At::Right, 2);

    // Web width under the section.
    const double yb = f.bottom + 14;
    s.extension({f.xl, f.bottom}, {f.xl, yb});
    s.extension({f.xr, f.bottom}, {f.xr, yb});
    s.dimension({f.xl, yb}, {f.xr, yb});
    s.symbol({(f.xl + f.xr) / 2, yb}, QStringLiteral("b"), At::Below, 3);
}

bool flexureT(const QString& dir) {
    Sketch s(kSectionW, kSectionH);
    const double fl = 62, fr = 202, top = 32, fb = 60;
    const FlexureFrame f{102, 162, top, 164};
    s.concrete(tShape(fl, fr, top, fb, f.xl, f.xr, f.bottom));
    flexureCommon(s, f, fl + 12, fr - 12, 5);

    // Flange width above.
    const double yt = 18;
    s.extension({fl, top}, {fl, yt});
    s.extension({fr, top}, {fr, yt});
    s.dimension({fl, yt}, {fr, yt});
    s.symbol({(fl + fr) / 2, yt}, QStringLiteral("b_eff"), At::Above, 2);

    // Overall depth and flange thickness on the left.
    const double xh = fl - 28;
    s.extension({fl, top}, {xh, top});
    s.extension({f.xl, f.bottom}, {xh, f.bottom});
    s.dimension({xh, top}, {xh, f.bottom});
    s.symbol({xh, (top + f.bottom) / 2 + 14}, QStringLiteral("h"), At::Left, 3);
    const double xhf = fl - 12;
    s.extension({fl, fb}, {xhf, fb});
    s.dimension({xhf, top}, {xhf, fb});
    s.symbol({xhf, (top + fb) / 2}, QStringLiteral("h_f"), At::Left, 18);

    // Top bars: depth on the right of the flange.
    const double y2 = top + 12;
    const double xd2 = fr + 14;
    s.extension({fr - 12, y2}, {xd2, y2});
    s.extension({fr, top}, {xd2, top});
    s.dimension({xd2, top}, {xd2, y2});
    s.symbol({xd2, y2 + 10}, QStringLiteral("d_2"), At::Right, 2);
    s.leader({fr - 12, y2}, {fr + 30, y2 - 22});
    s.symbol({fr + 30, y2 - 22}, QStringLiteral("A_s2"), At::Right, 1);
    return s.saveJpeg(dir + QStringLiteral("/flexure-1.jpg"));
}

bool flexureRect(const QString& dir) {
    Sketch s(kSectionW, kSectionH);
    const FlexureFrame f{100, 180, 26, 164};
    s.concrete(rectPath(f.xl, f.top, f.xr - f.xl, f.bottom - f.top));
    flexureCommon(s, f, f.xl + 9, f.xr - 9, 3);

    const double xh = f.xl - 70;
    s.extension({f.xl, f.top}, {xh, f.top});
    s.extension({f.xl, f.bottom}, {xh, f.bottom});
    s.dimension({xh, f.top}, {xh, f.bottom});
    s.symbol({xh, (f.top + f.bottom) / 2 - 20}, QStringLiteral("h"), At::Left, 3);

    const double y2 = f.top + 12;
    const double xd2 = f.xr + 16;
    s.extension({f.xr - 9, y2}, {xd2, y2});
    s.extension({f.xr, f.top}, {xd2, f.top});
    s.dimension({xd2, f.top}, {xd2, y2});
    s.symbol({xd2, y2 + 10}, QStringLiteral("d_2"), At::Right, 2);
    s.leader({f.xl + 9, y2}, {f.xl - 22, y2 + 12});
    s.symbol({f.xl - 22, y2 + 12}, QStringLiteral("A_s2"), At::Left, 2);
    return s.saveJpeg(dir + QStringLiteral("/flexure-2.jpg"));
}

// ---- Shear -----------------------------------------------------------------------------

enum class Wrap { Open, Closed };
enum class Form { Sheet, Strips };

// Geometry of the shear sketches: the section on the left, the side view on the right.
struct ShearGeometry {
    double top;         // top face of the member (slab top for the open wrap)
    double slabBottom;  // underside of the slab (open wrap only)
    double bottom;      // soffit
    double xl, xr;      // web faces in the section
    double dBars;       // level of the tension bars
};

ShearGeometry shearGeometry(Wrap wrap) {
    if (wrap == Wrap::Open) return {24, 46, 158, 50, 100, 146};
    return {30, 30, 158, 50, 100, 146};
}

void shearSection(Sketch& s, Wrap wrap, Form form) {
    const ShearGeometry g = shearGeometry(wrap);
    const double slabL = 28, slabR = 122;
    if (wrap == Wrap::Open)
        s.concrete(tShape(slabL, slabR, g.top, g.slabBottom, g.xl, g.xr, g.bottom));
    else
        s.concrete(rectPath(g.xl, g.top, g.xr - g.xl, g.bottom - g.top));

    // Bars: stirrup corners and the tension bars.
    const double ytop = wrap == Wrap::Open ? g.top + 9 : g.top + 10;
    s.bar({g.xl + 9, ytop}, 2.6);
    s.bar({g.xr - 9, ytop}, 2.6);
    if (wrap == Wrap::Open) {
        s.bar({slabL + 9, ytop}, 2.4);
        s.bar({slabR - 9, ytop}, 2.4);
    }
    for (int i = 0; i < 3; ++i) s.bar({g.xl + 9 + (g.xr - g.xl - 18) * i / 2, g.dBars});

    const double o = 2.6;  // offset of the composite from the concrete face
    const double r = 4;    // the wrap is laid round rounded corners
    const double wl = g.xl - o, wr = g.xr + o, wb = g.bottom + o;
    if (wrap == Wrap::Open && form == Form::Sheet) {
        QPainterPath u;
        u.moveTo(wl, g.slabBottom);
        u.lineTo(wl, wb - r);
        u.quadTo(wl, wb, wl + r, wb);
        u.lineTo(wr - r, wb);
        u.quadTo(wr, wb, wr, wb - r);
        u.lineTo(wr, g.slabBottom);
        s.wrap(u);
    } else if (wrap == Wrap::Open) {
        // Two L pieces, their soffit legs overlapping under the web.
        const double o2 = o + 3;
        QPainterPath left;
        left.moveTo(wl, g.slabBottom);
        left.lineTo(wl, wb - r);
        left.quadTo(wl, wb, wl + r, wb);
        left.lineTo(g.xr - 8, wb);
        s.wrap(left, kFrp);
        QPainterPath right;
        right.moveTo(g.xr + o2, g.slabBottom);
        right.lineTo(g.xr + o2, g.bottom + o2 - r);
        right.quadTo(g.xr + o2, g.bottom + o2, g.xr + o2 - r, g.bottom + o2);
        right.lineTo(g.xl + 8, g.bottom + o2);
        s.wrap(right, kFrpSecond);
    } else if (form == Form::Sheet) {
        QPainterPath ring;
        ring.addRoundedRect(QRectF(wl, g.top - o, wr - wl, wb - g.top + o), r + 1, r + 1);
        s.wrap(ring);
    } else {
        // Two L pieces closing the wrap, each lapping round the other's corner.
        const double o2 = o + 3;
        const double wt = g.top - o;
        QPainterPath first;  // left face and top
        first.moveTo(wl, g.bottom - 14);
        first.lineTo(wl, wt + r);
        first.quadTo(wl, wt, wl + r, wt);
        first.lineTo(wr - r, wt);
        first.quadTo(wr, wt, wr, wt + r);
        first.lineTo(wr, g.top + 16);
        s.wrap(first, kFrp);
        const double l2 = g.xl - o2, r2 = g.xr + o2, b2 = g.bottom + o2;
        QPainterPath second;  // right face and soffit
        second.moveTo(r2, g.top + 2);
        second.lineTo(r2, b2 - r);
        second.quadTo(r2, b2, r2 - r, b2);
        second.lineTo(l2 + r, b2);
        second.quadTo(l2, b2, l2, b2 - r);
        second.lineTo(l2, g.bottom - 30);
        s.wrap(second, kFrpSecond);
    }

    // Width under the section.
    const double yb = g.bottom + 18;
    s.extension({g.xl, g.bottom + 6}, {g.xl, yb});
    s.extension({g.xr, g.bottom + 6}, {g.xr, yb});
    s.dimension({g.xl, yb}, {g.xr, yb});
    s.symbol({(g.xl + g.xr) / 2, yb}, QStringLiteral("b"), At::Below, 3);

    // Effective depth on the left.
    const double xd = 14;
    const double topLeft = wrap == Wrap::Open ? slabL : g.xl - 6;
    s.extension({topLeft, g.top}, {xd, g.top});
    s.extension({g.xl + 9, g.dBars}, {xd, g.dBars});
    s.dimension({xd, g.top}, {xd, g.dBars});
    s.symbol({xd, (g.top + g.dBars) / 2 + 12}, QStringLiteral("d"), At::Right, 4);
}

// Side view of the web with the composite: a sheet with its fibre direction, or strips of
// width b_f at spacing s_f, both at the angle alpha to the member's axis.
void shearElevation(Sketch& s, Wrap wrap, Form form) {
    const ShearGeometry g = shearGeometry(wrap);
    const double x0 = 150, x1 = 262;
    const double alpha = 60;  // drawn fibre angle, degrees
    const double cot = 1.0 / std::tan(alpha * kDeg);
    const double bf = 13;                            // drawn strip width, square to the strip
    const double bfH = bf / std::sin(alpha * kDeg);  // the same measured along the axis

    // Concrete seen from the side, both ends cut short.
    s.p().setPen(Qt::NoPen);
    s.p().setBrush(kConcreteSide);
    s.p().drawRect(QRectF(x0, g.top, x1 - x0, g.bottom - g.top));
    s.line({x0 - 4, g.top}, {x1 + 4, g.top}, kOutline, kInk);
    s.line({x0 - 4, g.bottom}, {x1 + 4, g.bottom}, kOutline, kInk);
    if (wrap == Wrap::Open) s.line({x0 - 4, g.slabBottom}, {x1 + 4, g.slabBottom}, kOutline, kInk);

    // The composite covers the web face; on a closed wrap, the full depth.
    const double cy0 = wrap == Wrap::Open ? g.slabBottom : g.top;
    const double cy1 = g.bottom;
    const double h = cy1 - cy0;
    s.p().save();
    s.p().setClipRect(QRectF(x0, cy0, x1 - x0, h));
    if (form == Form::Sheet) {
        s.p().setPen(Qt::NoPen);
        s.p().setBrush(kFrpSheet);
        s.p().drawRect(QRectF(x0 + 14, cy0, x1 - x0, h));
        // Fibre direction.
        s.p().setPen(QPen(kFrp, 1.0));
        s.p().setClipRect(QRectF(x0 + 14, cy0, x1 - x0 - 14, h));
        for (double xb = x0 - 60; xb < x1 + 60; xb += 8)
            s.p().drawLine(QPointF(xb, cy1), QPointF(xb + h * cot, cy0));
        // The sheet runs on along the span; its end is seen on the left.
        s.p().setClipping(false);
        s.p().setPen(QPen(kFrp, 1.4));
        s.p().setBrush(Qt::NoBrush);
        QPainterPath edge;
        edge.moveTo(x1, cy0);
        edge.lineTo(x0 + 14, cy0);
        edge.lineTo(x0 + 14, cy1);
        edge.lineTo(x1, cy1);
        s.p().drawPath(edge);
    } else {
        s.p().setPen(QPen(kFrp, 1.2));
        s.p().setBrush(kFrpSheet);
        for (double xb = x0 - 40; xb < x1; xb += 38) {
            QPolygonF strip;
            strip << QPointF(xb, cy1) << QPointF(xb + bfH, cy1) << QPointF(xb + bfH + h * cot, cy0)
                  << QPointF(xb + h * cot, cy0);
            s.p().drawPolygon(strip);
        }
    }
    s.p().restore();
    s.breakLine(x0, g.top, g.bottom);
    s.breakLine(x1, g.top, g.bottom);

    if (form == Form::Sheet) {
        // Fibre angle at the foot of one fibre line.
        const QPointF foot(x0 + 34, cy1);
        s.line(foot, foot + QPointF(h * 0.55 * cot, -h * 0.55), 1.8, kFrp);
        s.angleArc(foot, 22, 0, alpha);
        s.symbol(foot + QPointF(24, -10), QStringLiteral("α"), At::Right, 1, true);
    } else {
        // Strip width across one strip and spacing of the strip axes along the member.
        const double xa = x0 - 40 + 38;  // foot of the second strip
        const double xb2 = xa + 38;      // foot of the third strip
        // Fibre angle at the foot of the second strip.
        const QPointF foot(xa + bfH, cy1);
        s.angleArc(foot, 18, 0, alpha);
        s.symbol(foot + QPointF(18, -9), QStringLiteral("α"), At::Right, 1, true);
        // b_f square to the strip, near its top.
        const double t = 0.78;  // how far up the strip
        const QPointF e1(xa + h * t * cot, cy1 - h * t);
        const QPointF n(std::sin(alpha * kDeg), std::cos(alpha * kDeg));  // across the strip
        const QPointF e2 = e1 + n * bf;
        s.dimension(e1, e2);
        s.symbol(e2 + n * 14.0, QStringLiteral("b_f"), At::Right, 1, true);
        // s_f between the strip axes at the soffit.
        const double ys = g.bottom + 18;
        const double a1 = xa + bfH / 2, a2 = xb2 + bfH / 2;
        s.extension({a1, g.bottom - 2}, {a1, ys});
        s.extension({a2, g.bottom - 2}, {a2, ys});
        s.line({a1, cy1}, {a1 + h * 0.35 * cot, cy1 - h * 0.35}, 0.9, kDim, Qt::DashDotLine);
        s.line({a2, cy1}, {a2 + h * 0.35 * cot, cy1 - h * 0.35}, 0.9, kDim, Qt::DashDotLine);
        s.dimension({a1, ys}, {a2, ys});
        s.symbol({(a1 + a2) / 2, ys}, QStringLiteral("s_f"), At::Below, 3);
    }
}

bool shear(const QString& dir, const QString& name, Wrap wrap, Form form) {
    Sketch s(kSectionW, kSectionH);
    shearSection(s, wrap, form);
    shearElevation(s, wrap, form);
    return s.saveJpeg(dir + QLatin1Char('/') + name);
}

// ---- Confinement ------------------------------------------------------------------------

// Side view of a wrapped column, its ends cut short.
void columnElevation(Sketch& s, double x0, double x1) {
    const double y0 = 14, y1 = 186;
    s.p().setPen(Qt::NoPen);
    s.p().setBrush(kConcreteSide);
    s.p().drawRect(QRectF(x0, y0, x1 - x0, y1 - y0));
    s.line({x0, y0 - 4}, {x0, y1 + 4}, kOutline, kInk);
    s.line({x1, y0 - 4}, {x1, y1 + 4}, kOutline, kInk);
    // Sheet wound round the column, fibres running round it.
    const double w0 = y0 + 14, w1 = y1 - 14;
    s.p().setPen(Qt::NoPen);
    s.p().setBrush(kFrpSheet);
    s.p().drawRect(QRectF(x0 - 2.5, w0, x1 - x0 + 5, w1 - w0));
    s.p().setPen(QPen(kFrp, 1.0));
    for (double y = w0 + 5; y < w1; y += 7)
        s.p().drawLine(QPointF(x0 - 2.5, y), QPointF(x1 + 2.5, y));
    s.p().setPen(QPen(kFrp, 1.5));
    s.p().setBrush(Qt::NoBrush);
    s.p().drawRect(QRectF(x0 - 2.5, w0, x1 - x0 + 5, w1 - w0));
    // Cut ends: horizontal break lines.
    for (double y : {y0, y1}) {
        const double xm = (x0 + x1) / 2;
        QPainterPath path;
        path.moveTo(x0 - 4, y);
        path.lineTo(xm - 6, y);
        path.lineTo(xm - 2, y - 4);
        path.lineTo(xm + 2, y + 4);
        path.lineTo(xm + 6, y);
        path.lineTo(x1 + 4, y);
        s.p().setPen(QPen(kInk, 1.1));
        s.p().drawPath(path);
    }
}

bool confinementRect(const QString& dir) {
    Sketch s(kSectionW, kSectionH);
    const double x0 = 44, x1 = 144, y0 = 34, y1 = 158, r = 18;
    QPainterPath col;
    col.addRoundedRect(QRectF(x0, y0, x1 - x0, y1 - y0), r, r);
    s.concrete(col);
    const double o = 2.6;
    QPainterPath ring;
    ring.addRoundedRect(QRectF(x0 - o, y0 - o, x1 - x0 + 2 * o, y1 - y0 + 2 * o), r + o, r + o);
    s.wrap(ring);
    const double c = 13;
    for (double x : {x0 + c, (x0 + x1) / 2, x1 - c})
        for (double y : {y0 + c, y1 - c}) s.bar({x, y});
    s.bar({x0 + c, (y0 + y1) / 2});
    s.bar({x1 - c, (y0 + y1) / 2});

    // b above, h on the left.
    const double yb = 16;
    s.extension({x0, y0 + r}, {x0, yb});
    s.extension({x1, y0 + r}, {x1, yb});
    s.dimension({x0, yb}, {x1, yb});
    s.symbol({(x0 + x1) / 2, yb}, QStringLiteral("b"), At::Above, 2);
    const double xh = 20;
    s.extension({x0 + r, y0}, {xh, y0});
    s.extension({x0 + r, y1}, {xh, y1});
    s.dimension({xh, y0}, {xh, y1});
    s.symbol({xh, (y0 + y1) / 2}, QStringLiteral("h"), At::Left, 3);

    // Corner radius, marked from outside along the radius onto the concrete arc.
    const QPointF cc(x1 - r, y1 - r);
    const QPointF radial(std::cos(45 * kDeg), std::sin(45 * kDeg));
    const QPointF onArc = cc + radial * r;
    const QPointF out = onArc + radial * 20.0;
    s.line(onArc, out, kThin);
    s.arrowHead(onArc, out);
    s.line(out, out + QPointF(10, 0), kThin);
    s.symbol(out + QPointF(10, 0), QStringLiteral("R"), At::Right, 2);

    columnElevation(s, 196, 244);
    return s.saveJpeg(dir + QStringLiteral("/confinement-1.jpg"));
}

bool confinementCircle(const QString& dir) {
    Sketch s(kSectionW, kSectionH);
    const QPointF c(94, 100);
    const double r = 60;
    QPainterPath col;
    col.addEllipse(c, r, r);
    s.concrete(col);
    QPainterPath ring;
    ring.addEllipse(c, r + 2.6, r + 2.6);
    s.wrap(ring);
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + 45 * i) * kDeg;
        s.bar(c + QPointF((r - 12) * std::cos(a), (r - 12) * std::sin(a)));
    }
    // Diameter through the centre.
    s.dimension(c - QPointF(r, 0), c + QPointF(r, 0));
    s.symbol(c, QStringLiteral("D"), At::Above, 3);

    columnElevation(s, 196, 244);
    return s.saveJpeg(dir + QStringLiteral("/confinement-2.jpg"));
}

// ---- Anchorage --------------------------------------------------------------------------

bool bond(const QString& dir) {
    Sketch s(kBondW, kBondH);
    const double top = 34, bottom = 108;  // beam faces
    const double sl = 14, sr = 50;        // support (column) faces
    const double colEnd = 190;            // column cut short below
    const double xEnd = 272;              // beam cut short towards the span
    const double stripStart = 82, xA = 190;

    s.p().setPen(Qt::NoPen);
    s.p().setBrush(kConcreteSide);
    s.p().drawRect(QRectF(sl, top, xEnd - sl, bottom - top));
    s.p().drawRect(QRectF(sl, bottom, sr - sl, colEnd - bottom));
    QPainterPath outline;
    outline.moveTo(xEnd + 4, top);
    outline.lineTo(sl, top);
    outline.lineTo(sl, colEnd + 4);
    outline.moveTo(sr, colEnd + 4);
    outline.lineTo(sr, bottom);
    outline.lineTo(xEnd + 4, bottom);
    s.p().setPen(QPen(kInk, kOutline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    s.p().setBrush(Qt::NoBrush);
    s.p().drawPath(outline);
    s.breakLine(xEnd, top, bottom);
    {
        QPainterPath path;
        const double xm = (sl + sr) / 2;
        path.moveTo(sl - 4, colEnd);
        path.lineTo(xm - 6, colEnd);
        path.lineTo(xm - 2, colEnd - 4);
        path.lineTo(xm + 2, colEnd + 4);
        path.lineTo(xm + 6, colEnd);
        path.lineTo(sr + 4, colEnd);
        s.p().setPen(QPen(kInk, 1.1));
        s.p().drawPath(path);
    }

    // Main bars, hidden in the view.
    s.line({sl + 6, top + 8}, {xEnd - 2, top + 8}, 1.1, kInk, Qt::DashLine);
    s.line({sl + 6, bottom - 8}, {xEnd - 2, bottom - 8}, 1.1, kInk, Qt::DashLine);

    // Laminate on the soffit, ending short of the support.
    s.p().setPen(Qt::NoPen);
    s.p().setBrush(kFrp);
    s.p().drawRect(QRectF(stripStart, bottom + 0.8, xEnd - stripStart, 4.2));
    s.leader({stripStart + 34, bottom + 4}, {stripStart + 44, bottom + 22});
    s.symbol({stripStart + 44, bottom + 22}, QStringLiteral("A_f"), At::Right, 1);

    // Section A.
    const double aTop = top - 16, aBot = bottom + 22;
    s.line({xA, aTop}, {xA, aBot}, 1.0, kInk, Qt::DashDotLine);
    s.line({xA, aTop - 8}, {xA, aTop}, 2.4, kInk);
    s.line({xA, aBot}, {xA, aBot + 8}, 2.4, kInk);
    QFont af(QStringLiteral("Liberation Sans"));
    af.setPixelSize(13);
    af.setBold(true);
    af.setHintingPreference(QFont::PreferFullHinting);
    s.p().setFont(af);
    s.p().setPen(kInk);
    s.p().drawText(QRectF(xA - 17, aTop - 10, 14, 14), Qt::AlignCenter, QStringLiteral("A"));
    s.p().drawText(QRectF(xA - 17, aBot - 2, 14, 14), Qt::AlignCenter, QStringLiteral("A"));

    // Bending moment at A.
    {
        const QPointF c(xA, (top + bottom) / 2);
        const double r = 11;
        QPainterPath arc;
        const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
        arc.arcMoveTo(box, 200);
        arc.arcTo(box, 200, -220);
        s.p().setPen(QPen(kInk, 1.3));
        s.p().setBrush(Qt::NoBrush);
        s.p().drawPath(arc);
        const QPointF tip = c + QPointF(r * std::cos(-20 * kDeg), -r * std::sin(-20 * kDeg));
        s.arrowHead(tip, tip + QPointF(-6, -4));
        s.symbol(c + QPointF(r + 2, -2), QStringLiteral("M_sd,A"), At::Right, 3);
    }

    // Tensile force in the laminate at A, pulling towards the span.
    const double yf = bottom + 12;
    s.line({xA + 2, yf}, {xA + 40, yf}, 1.8, kFrp);
    s.arrowHead({xA + 44, yf}, {xA, yf});
    s.symbol({xA + 44, yf}, QStringLiteral("N_fd,A"), At::Right, 3);

    // Anchorage length from the end of the laminate to section A.
    const double yl = bottom + 46;
    s.extension({stripStart, bottom + 6}, {stripStart, yl});
    s.line({xA, aBot + 10}, {xA, yl + 3}, 0.9, kDim);
    s.dimension({stripStart, yl}, {xA, yl});
    s.symbol({(stripStart + xA) / 2, yl}, QStringLiteral("l_b"), At::Below, 3);
    return s.saveJpeg(dir + QStringLiteral("/bond.jpg"));
}

// ---- Logo ---------------------------------------------------------------------------------

// Two laminate strips meeting in a V over a grey member, on white.
bool logo(const QString& path) {
    Sketch s(kLogoW, kLogoH);
    QPainter& p = s.p();
    const double w = 15;  // strip width along the top
    const double yTop = 8, yBot = 56;
    const double cx = kLogoW / 2.0;
    QPolygonF left;
    left << QPointF(cx - 30, yTop) << QPointF(cx - 30 + w, yTop) << QPointF(cx + 4, yBot)
         << QPointF(cx - 9, yBot);
    QPolygonF right;
    right << QPointF(cx + 30 - w, yTop) << QPointF(cx + 30, yTop) << QPointF(cx + 9, yBot)
          << QPointF(cx - 4, yBot);
    p.setPen(Qt::NoPen);
    // The member the strips are bonded to.
    p.setBrush(QColor(0x9a, 0x9a, 0x9a));
    p.drawRect(QRectF(cx - 28, yBot + 2, 56, 3));
    p.setBrush(kFrpSecond);
    p.drawPolygon(right);
    p.setBrush(kFrp);
    p.drawPolygon(left);
    // Fibres along the strips.
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    for (double f : {0.33, 0.66}) {
        p.drawLine(QPointF(cx - 30 + w * f, yTop + 2), QPointF(cx - 9 + 13 * f, yBot - 2));
    }
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.0));
    for (double f : {0.33, 0.66}) {
        p.drawLine(QPointF(cx + 30 - w * f, yTop + 2), QPointF(cx + 9 - 13 * f, yBot - 2));
    }
    return s.savePng(path);
}

}  // namespace
}  // namespace kord

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: make_drawings <drawings folder> <logo png>\n";
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    using kord::Form;
    using kord::Wrap;
    bool ok = true;
    ok = kord::flexureT(dir) && ok;
    ok = kord::flexureRect(dir) && ok;
    ok = kord::shear(dir, QStringLiteral("shear-1.jpg"), Wrap::Open, Form::Sheet) && ok;
    ok = kord::shear(dir, QStringLiteral("shear-2.jpg"), Wrap::Open, Form::Strips) && ok;
    ok = kord::shear(dir, QStringLiteral("shear-3.jpg"), Wrap::Closed, Form::Sheet) && ok;
    ok = kord::shear(dir, QStringLiteral("shear-4.jpg"), Wrap::Closed, Form::Strips) && ok;
    ok = kord::confinementRect(dir) && ok;
    ok = kord::confinementCircle(dir) && ok;
    ok = kord::bond(dir) && ok;
    ok = kord::logo(QString::fromLocal8Bit(argv[2])) && ok;
    return ok ? 0 : 1;
}
