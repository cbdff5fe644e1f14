#pragma once
// Plain text laid out as the painter lays it out in a rectangle, kept while text, font and
// rectangle stay: drawing it again skips the shaping of its letters, which costs most of drawing
// a short caption. For left-to-right text without tabs, line breaks or mnemonics.

#include <QFont>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <memory>

class QPainter;
class QPaintDevice;

namespace kord {

class KeptText {
  public:
    // align: left, right or centred, at the top; wrap: break lines at the rectangle's width;
    // clip: lay out no line below the rectangle (the painter's default).
    void Draw(QPainter& p, const QRect& area, const QString& text, const QFont& font,
              Qt::Alignment align, bool wrap, bool clip, QPaintDevice* device);
    // Whether the text is one this can draw.
    static bool Plain(const QString& text);

  private:
    void LayOut(QPaintDevice* device);

    std::unique_ptr<QTextLayout> layout_;
    QString text_;
    QFont font_;
    QSize size_{-1, -1};
    bool wrap_ = false;
    bool clip_ = true;
};

}  // namespace kord
