#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>

#include "qt/LabelWidget.h"

namespace kord {
namespace {

// The kept layout must draw what a label draws itself, pixel for pixel, and follow its changes.
TEST(LabelWidgetTest, DrawsAsALabelDoesAndFollowsItsChanges) {
    struct Case {
        const char* text;
        Qt::Alignment align;
        bool wrap;
        bool enabled;
        int width;
    };
    const Case cases[] = {
        {"Wymagany przekrój wzmocnienia", Qt::AlignLeft, true, true, 200},
        {"542,47", Qt::AlignRight, false, true, 60},
        {"[ kNm ] ", Qt::AlignRight, false, true, 60},
        {"σ ≤ 0,5", Qt::AlignHCenter, true, true, 80},
        // Two lines, the second a whole pixel below the unrounded height of the first.
        {"Nośność obliczeniowa przed wzmocnieniem", Qt::AlignLeft, true, true, 150},
        {"Wartość momentu przed wzmocnieniem", Qt::AlignRight, true, false, 120},
        // Wider than the label: cut off at its edge.
        {"Stan graniczny użytkowalności", Qt::AlignLeft, false, true, 70},
    };
    QFont font("Liberation Sans");
    font.setPointSizeF(8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QLabel label;
        LabelWidget kept(nullptr);
        for (QLabel* l : {&label, static_cast<QLabel*>(&kept)}) {
            l->setTextFormat(Qt::PlainText);
            l->setFont(font);
            l->setAlignment(c.align | Qt::AlignTop);
            l->setWordWrap(c.wrap);
            l->setEnabled(c.enabled);
            l->setGeometry(0, 0, c.width, 34);
            l->setText(QString::fromUtf8(c.text));
        }
        EXPECT_EQ(kept.grab().toImage(), label.grab().toImage());
        // A new text, then a new width, are laid out again.
        for (QLabel* l : {&label, static_cast<QLabel*>(&kept)}) l->setText("1,496");
        EXPECT_EQ(kept.grab().toImage(), label.grab().toImage());
        for (QLabel* l : {&label, static_cast<QLabel*>(&kept)}) l->resize(c.width + 40, 34);
        EXPECT_EQ(kept.grab().toImage(), label.grab().toImage());
    }
}

}  // namespace
}  // namespace kord
