#include "qt/FrameWidget.h"

#include <QPainter>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace kord {

void FrameWidget::paintEvent(QPaintEvent*) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The border starts below the title, as the style draws it; a frame without a title keeps
    // only a small margin.
    const int titleRoom =
        option.text.isEmpty()
            ? 0
            : std::max(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this),
                       option.fontMetrics.height());
    // Solid rectangles only: the painter fills them directly, where a stroked or antialiased
    // shape is drawn span by span (and handed to helper threads for a tall frame).
    const QRect border = rect().adjusted(1, titleRoom + 4, 0, 0);
    QPainter p(this);
    const QColor window = palette().color(QPalette::Window);
    const int l = border.left(), t = border.top(), r = border.right(), b = border.bottom();
    const int w = border.width(), h = border.height();
    // A shade darker inside, a light inner line and a darker border with softened corners.
    p.fillRect(border.adjusted(1, 1, -1, -1), window.darker(101));
    const QColor inner = window.darker(103);
    p.fillRect(QRect(l + 1, t + 1, w - 2, 1), inner);
    p.fillRect(QRect(l + 1, t + 2, 1, h - 3), inner);
    const QColor line = window.darker(111);
    p.fillRect(QRect(l + 1, t, w - 2, 1), line);
    p.fillRect(QRect(l + 1, b, w - 2, 1), line);
    p.fillRect(QRect(l, t + 1, 1, h - 2), line);
    p.fillRect(QRect(r, t + 1, 1, h - 2), line);
    const QColor corner = window.darker(104);
    for (const QPoint& at : {QPoint(l, t), QPoint(r, t), QPoint(l, b), QPoint(r, b)})
        p.fillRect(QRect(at, QSize(1, 1)), corner);
    if (option.text.isEmpty()) return;
    if (measuredTitle_ != option.text || measuredFont_ != font() || measuredSize_ != size()) {
        titleArea_ =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        measuredTitle_ = option.text;
        measuredFont_ = font();
        measuredSize_ = size();
    }
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    if (KeptText::Plain(option.text))
        title_.Draw(p, titleArea_, option.text, font(), Qt::AlignLeft, false, false, this);
    else
        p.drawText(titleArea_,
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip,
                   option.text);
}

}  // namespace kord
