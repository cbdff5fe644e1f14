#pragma once
// The tab strip: a row of tabs of the model's height over a framed client area. The pages are
// frames of their own, stacked over the client area by the model.

#include <QPointer>
#include <QTabBar>

namespace kord {

class TabStripWidget : public QTabBar {
  public:
    TabStripWidget(QWidget* parent, int tabRowHeightPx);
    ~TabStripWidget() override;

    // The strip's whole box: the tab row takes its top, the framed client area the rest. The tab
    // bar itself is only as high as its row, or the style would draw the selected tab down over
    // the top border of its page.
    void Place(const QRect& box);
    QWidget* ClientFrame() const { return frame_; }

  protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    int rowHeight_;
    QPointer<QWidget> frame_;
};

}  // namespace kord
