#include "qt/KeptText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLine>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace kord {

bool KeptText::Plain(const QString& text) {
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\t')) &&
           !text.contains(QChar::LineSeparator) && !text.contains(QLatin1Char('&')) &&
           !text.isRightToLeft();
}

void KeptText::LayOut(QPaintDevice* device) {
    layout_ = std::make_unique<QTextLayout>(text_, font_, device);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    // Each line is placed by the alignment when drawn, not by the layout.
    option.setAlignment(Qt::AlignLeft);
    if (!wrap_) option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout_->setTextOption(option);
    layout_->setCacheEnabled(true);
    // Lines stand on whole pixels, a leading apart, each below the unrounded height of the one
    // above.
    const qreal leading = QFontMetricsF(font_, device).leading();
    qreal height = -leading;
    layout_->beginLayout();
    for (;;) {
        QTextLine line = layout_->createLine();
        if (!line.isValid()) break;
        line.setLineWidth(wrap_ ? std::max(0, size_.width()) : 0x01000000);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        if (clip_ && height >= size_.height()) break;
    }
    layout_->endLayout();
}

void KeptText::Draw(QPainter& p, const QRect& area, const QString& text, const QFont& font,
                    Qt::Alignment align, bool wrap, bool clip, QPaintDevice* device) {
    if (!layout_ || text_ != text || font_ != font || size_ != area.size() || wrap_ != wrap ||
        clip_ != clip) {
        text_ = text;
        font_ = font;
        size_ = area.size();
        wrap_ = wrap;
        clip_ = clip;
        LayOut(device);
    }
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
