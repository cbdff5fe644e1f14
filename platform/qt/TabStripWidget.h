#pragma once
// The tab strip: a row of tabs of the model's height over a framed client area. The pages are
// frames of their own, stacked over the client area by the model.

#include <QTabBar>

namespace kord {

class TabStripWidget : public QTabBar {
  public:
    TabStripWidget(QWidget* parent, int tabRowHeightPx);

  protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* e) override;

  private:
    int rowHeight_;
};

}  // namespace kord
