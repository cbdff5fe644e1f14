#include "qt/TabStripWidget.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace kord {

namespace {

// The frame of the client area, just below the tabs.
class ClientFrameWidget : public QWidget {
  public:
    explicit ClientFrameWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        // The style strokes this large frame span by span, handing the spans to helper threads
        // and waiting for them: the window is drawn again every time it comes back, so the
        // frame is drawn once, over the window's colour, and copied after that.
        const qreal ratio = devicePixelRatioF();
        const qint64 colours = palette().cacheKey();
        if (drawn_.isNull() || drawn_.deviceIndependentSize() != QSizeF(size()) ||
            drawnColours_ != colours || drawnEnabled_ != isEnabled()) {
            drawn_ = QPixmap(size() * ratio);
            drawn_.setDevicePixelRatio(ratio);
            drawn_.fill(palette().color(QPalette::Window));
            QStylePainter p(&drawn_, this);
            QStyleOptionTabWidgetFrame frame;
            frame.initFrom(this);
            frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
            frame.shape = QTabBar::RoundedNorth;
            p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
            drawnColours_ = colours;
            drawnEnabled_ = isEnabled();
        }
        QPainter(this).drawPixmap(0, 0, drawn_);
    }

  private:
    QPixmap drawn_;
    qint64 drawnColours_ = 0;
    bool drawnEnabled_ = true;
};

}  // namespace

TabStripWidget::TabStripWidget(QWidget* parent, int tabRowHeightPx)
    : QTabBar(parent), rowHeight_(tabRowHeightPx), frame_(new ClientFrameWidget(parent)) {
    frame_->setObjectName(QStringLiteral("TabStripFrame"));
    setFocusPolicy(Qt::NoFocus);
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

TabStripWidget::~TabStripWidget() {
    delete frame_.data();
}

void TabStripWidget::Place(const QRect& box) {
    setGeometry(box.x(), box.y(), box.width(), rowHeight_);
    // The frame's top line runs under the tabs, where the selected tab hides it.
    frame_->setGeometry(box.adjusted(0, rowHeight_ - 1, 0, 0));
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
    QTabBar::paintEvent(e);
    if (!hasFocus() || currentIndex() < 0) return;
    // The style draws no mark on a focused tab: the selected one is framed, as a focused button is.
    QPainter p(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = tabRect(currentIndex()).adjusted(4, 4, -4, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
}

bool TabStripWidget::event(QEvent* e) {
    if (frame_) {
        switch (e->type()) {
            case QEvent::ZOrderChange:
                frame_->stackUnder(this);
                break;
            case QEvent::ShowToParent:
                frame_->show();
                break;
            case QEvent::HideToParent:
                frame_->hide();
                break;
            default:
                break;
        }
    }
    return QTabBar::event(e);
}

}  // namespace kord
