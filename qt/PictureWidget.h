#pragma once
// A picture box or an image: paints its picture (at its own size, or stretched to the widget) and
// the lines a picture box keeps, in the box's user scale.

#include <QImage>
#include <QWidget>
#include <vector>

#include "platform/Control.h"

namespace kord {

class PictureWidget : public QWidget {
  public:
    explicit PictureWidget(QWidget* parent);
    void SetImage(const QImage& image);
    void SetStretch(bool stretch);
    // A flat border is one line of the foreground colour, else the edge is sunken.
    void SetBorder(bool border, bool flat = false);
    // Units of 0 mean twips, as the drawing has no scale of its own then.
    void SetDrawing(std::vector<DrawnLine> lines, double scaleWidth, double scaleHeight);

    // The area the picture and the drawing use, inside the border.
    QRect Inner() const;
    // Where a point of the user scale lands in the widget.
    QPointF Map(double x, double y) const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QImage image_;
    bool stretch_ = false;
    bool border_ = false;
    bool flat_ = false;
    std::vector<DrawnLine> lines_;
    double scaleW_ = 0, scaleH_ = 0;
};

}  // namespace kord
