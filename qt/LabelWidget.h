#pragma once
// A label that keeps its text laid out between paints: a results window is drawn again for every
// design with most of its captions unchanged. The pixels are those the label draws itself; what
// the kept text does not cover (frames, margins, decorated fonts, tabs, several paragraphs) the
// label still draws itself.

#include <QLabel>

#include "qt/KeptText.h"

namespace kord {

class LabelWidget : public QLabel {
  public:
    explicit LabelWidget(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    bool Plain() const;

    KeptText text_;
};

}  // namespace kord
