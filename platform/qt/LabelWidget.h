#pragma once
// A label that keeps its text laid out between paints. A results window is drawn again for every
// design with most of its captions unchanged, and laying a caption out (shaping its letters)
// costs most of drawing it. The layout follows the one a label makes for each paint, so the
// pixels are the same; what it does not cover (frames, margins, tabs, several paragraphs,
// decorated fonts) the label draws itself.

#include <QLabel>
#include <QTextLayout>
#include <memory>

namespace kord {

class LabelWidget : public QLabel {
  public:
    explicit LabelWidget(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    bool Plain() const;
    void LayOut(const QRect& area);

    std::unique_ptr<QTextLayout> layout_;
    // What the kept layout was made for.
    QString laidText_;
    QFont laidFont_;
    int laidWidth_ = -1;
    int laidHeight_ = -1;
    bool laidWrap_ = false;
};

}  // namespace kord
