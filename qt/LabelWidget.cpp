#include "qt/LabelWidget.h"

#include <QPainter>

namespace kord {

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

bool LabelWidget::Plain() const {
    const Qt::Alignment placed = Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignTop;
    return frameShape() == QFrame::NoFrame && margin() == 0 && indent() <= 0 &&
           layoutDirection() == Qt::LeftToRight && !(alignment() & ~placed) &&
           !font().underline() && !font().strikeOut() && !font().overline() &&
           KeptText::Plain(text());
}

void LabelWidget::paintEvent(QPaintEvent* e) {
    if (!Plain()) {
        QLabel::paintEvent(e);
        return;
    }
    if (text().isEmpty()) return;
    QPainter p(this);
    const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    p.setPen(palette().color(group, foregroundRole()));
    text_.Draw(p, contentsRect(), text(), font(), alignment(), wordWrap(), true, this);
}

}  // namespace kord
