#include "qt/LineWidget.h"

#include <QPainter>
#include <algorithm>

namespace kord {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::SetLine(QPoint a, QPoint b, int width) {
    width_ = std::max(1, width);
    // Room for the pen on either side of the ends.
    const int margin = (width_ + 1) / 2;
    const QPoint topLeft(std::min(a.x(), b.x()) - margin, std::min(a.y(), b.y()) - margin);
    const QPoint bottomRight(std::max(a.x(), b.x()) + margin, std::max(a.y(), b.y()) + margin);
    setGeometry(QRect(topLeft, bottomRight));
    local_ = QLine(a - topLeft, b - topLeft);
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(Qt::black);
    pen.setWidth(width_);
    p.setPen(pen);
    p.drawLine(local_);
}

}  // namespace kord
