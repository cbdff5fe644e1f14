#include "qt/FormWidget.h"

#include <QCloseEvent>

namespace kord {

FormWidget::FormWidget(std::function<void()> onCloseBox)
    : QWidget(nullptr), onCloseBox_(std::move(onCloseBox)) {}

void FormWidget::closeEvent(QCloseEvent* e) {
    // The widget only ever hides when the model says so.
    e->ignore();
    if (onCloseBox_) onCloseBox_();
}

}  // namespace kord
