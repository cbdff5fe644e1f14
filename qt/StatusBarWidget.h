#pragma once
// The status bar: sunken panels side by side; date and time panels show the clock in the user's
// short formats and follow it every second.

#include <QTimer>
#include <QWidget>
#include <vector>

#include "platform/Control.h"

class QLabel;

namespace kord {

class StatusBarWidget : public QWidget {
  public:
    explicit StatusBarWidget(QWidget* parent);
    void SetPanels(const std::vector<Panel>& panels);
    // Panels are numbered from 1, as the model numbers them.
    QString PanelText(int n) const;
    QLabel* PanelLabel(int n) const;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void Layout();
    void RefreshClock();

    std::vector<Panel> panels_;
    std::vector<QLabel*> labels_;
    QTimer clock_;
};

}  // namespace kord
