#pragma once
// A line control: a transparent widget spanning the line's ends, painting the line.

#include <QLine>
#include <QWidget>

namespace kord {

class LineWidget : public QWidget {
  public:
    explicit LineWidget(QWidget* parent);
    // The ends in the parent's pixels; the widget places itself around them.
    void SetLine(QPoint a, QPoint b, int width);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QLine local_;
    int width_ = 1;
};

}  // namespace kord
