#include "qt/PictureWidget.h"

#include <qdrawutil.h>
#include <QPainter>

namespace kord {

namespace {
constexpr int kBorderPx = 2;
constexpr double kTwipsPerPixel = 15.0;
}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {}

void PictureWidget::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void PictureWidget::SetStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void PictureWidget::SetBorder(bool border, bool flat) {
    border_ = border;
    flat_ = flat;
    update();
}

void PictureWidget::SetDrawing(std::vector<DrawnLine> lines, double scaleWidth,
                               double scaleHeight) {
    lines_ = std::move(lines);
    scaleW_ = scaleWidth;
    scaleH_ = scaleHeight;
    update();
}

QRect PictureWidget::Inner() const {
    const int px = !border_ ? 0 : flat_ ? 1 : kBorderPx;
    return rect().adjusted(px, px, -px, -px);
}

QPointF PictureWidget::Map(double x, double y) const {
    const QRect r = Inner();
    const double px = scaleW_ > 0 ? x * r.width() / scaleW_ : x / kTwipsPerPixel;
    const double py = scaleH_ > 0 ? y * r.height() / scaleH_ : y / kTwipsPerPixel;
    return {r.left() + px, r.top() + py};
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (border_ && flat_)
        qDrawPlainRect(&p, rect(), palette().color(QPalette::WindowText));
    else if (border_)
        qDrawShadePanel(&p, rect(), palette(), true, kBorderPx);
    const QRect inner = Inner();
    p.setClipRect(inner);
    if (!image_.isNull()) {
        if (stretch_)
            p.drawImage(inner, image_);
        else
            p.drawImage(inner.topLeft(), image_);
    }
    for (const DrawnLine& l : lines_) {
        QPen pen(Qt::black);
        pen.setWidth(l.width);
        p.setPen(pen);
        p.drawLine(Map(l.x1, l.y1), Map(l.x2, l.y2));
    }
}

}  // namespace kord
