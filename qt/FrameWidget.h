#pragma once
// A frame with a border: a group box that paints its title and border itself. The style's own
// group box loads and stretches a border image on every paint, which costs more than all the
// labels of a results window together.

#include <QGroupBox>

#include "qt/KeptText.h"

namespace kord {

class FrameWidget : public QGroupBox {
  public:
    explicit FrameWidget(QWidget* parent) : QGroupBox(parent) {}

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    // Where the style puts the title, measured again only when the title, font or size change.
    QRect titleArea_;
    QString measuredTitle_;
    QFont measuredFont_;
    QSize measuredSize_;
    KeptText title_;
};

}  // namespace kord
