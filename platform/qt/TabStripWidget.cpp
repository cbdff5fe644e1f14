#include "platform/qt/TabStripWidget.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace kord {

TabStripWidget::TabStripWidget(QWidget* parent, int tabRowHeightPx)
    : QTabBar(parent), rowHeight_(tabRowHeightPx) {
    setFocusPolicy(Qt::NoFocus);
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

QSize TabStripWidget::tabSizeHint(int index) const {
    QSize s = QTabBar::tabSizeHint(index);
    s.setHeight(rowHeight_);
    return s;
}

QSize TabStripWidget::minimumTabSizeHint(int index) const {
    return tabSizeHint(index);
}

void TabStripWidget::paintEvent(QPaintEvent* e) {
    {
        QStylePainter p(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(0, rowHeight_ - 1, 0, 0);
        frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        frame.shape = shape();
        p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    }
    QTabBar::paintEvent(e);
}

}  // namespace kord
