#pragma once
// The top-level widget of one window. The title-bar close box goes to the model, which decides
// whether the window hides, unloads or stays.

#include <QWidget>
#include <functional>

namespace kord {

class FormWidget : public QWidget {
  public:
    explicit FormWidget(std::function<void()> onCloseBox);
    void SetOnCloseBox(std::function<void()> onCloseBox) { onCloseBox_ = std::move(onCloseBox); }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    std::function<void()> onCloseBox_;
};

}  // namespace kord
