#include "platform/qt/LabelWidget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLine>
#include <QTextOption>
#include <cmath>

namespace kord {

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

bool LabelWidget::Plain() const {
    const QString t = text();
    return frameShape() == QFrame::NoFrame && margin() == 0 && indent() <= 0 &&
           layoutDirection() == Qt::LeftToRight &&
           !(alignment() & ~(Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignTop)) &&
           !font().underline() && !font().strikeOut() && !font().overline() &&
           !t.contains(QLatin1Char('\n')) && !t.contains(QLatin1Char('\t')) &&
           !t.contains(QChar::LineSeparator) && !t.contains(QLatin1Char('&')) && !t.isRightToLeft();
}

void LabelWidget::LayOut(const QRect& area) {
    laidText_ = text();
    laidFont_ = font();
    laidWidth_ = area.width();
    laidHeight_ = area.height();
    laidWrap_ = wordWrap();
    layout_ = std::make_unique<QTextLayout>(laidText_, laidFont_, this);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    // Each line is placed by the label's alignment below, not by the layout.
    option.setAlignment(Qt::AlignLeft);
    if (!laidWrap_) option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout_->setTextOption(option);
    layout_->setCacheEnabled(true);
    // Lines stand on whole pixels, a leading apart, each below the unrounded height of the one
    // above; lines below the label are not laid out.
    const qreal leading = QFontMetricsF(laidFont_, this).leading();
    qreal height = -leading;
    layout_->beginLayout();
    for (;;) {
        QTextLine line = layout_->createLine();
        if (!line.isValid()) break;
        line.setLineWidth(laidWrap_ ? std::max(0, laidWidth_) : 0x01000000);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        if (height >= laidHeight_) break;
    }
    layout_->endLayout();
}

void LabelWidget::paintEvent(QPaintEvent* e) {
    if (!Plain()) {
        layout_.reset();
        QLabel::paintEvent(e);
        return;
    }
    if (text().isEmpty()) return;
    const QRect area = contentsRect();
    if (!layout_ || laidText_ != text() || laidFont_ != font() || laidWidth_ != area.width() ||
        laidHeight_ != area.height() || laidWrap_ != wordWrap())
        LayOut(area);
    QPainter p(this);
    const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    p.setPen(palette().color(group, foregroundRole()));
    const Qt::Alignment align = alignment();
    for (int i = 0; i < layout_->lineCount(); ++i) {
        const QTextLine line = layout_->lineAt(i);
        const qreal advance = line.horizontalAdvance();
        qreal x = 0;
        if (align & Qt::AlignRight)
            x = area.width() - advance;
        else if (align & Qt::AlignHCenter)
            x = (area.width() - advance) / 2;
        line.draw(&p, QPointF(area.x() + x, area.y()));
    }
}

}  // namespace kord
