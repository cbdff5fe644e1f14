#include "qt/StatusBarWidget.h"

#include "platform/DateTime.h"
#include "platform/QtString.h"

#include <QLabel>
#include <QLocale>
#include <QTime>
#include <algorithm>

namespace kord {

namespace {
constexpr int kGapPx = 2;

int TwipsToPx(int twips) {
    return qRound(twips / 15.0);
}

QString PanelShows(const Panel& p) {
    switch (p.style) {
        case PanelStyle::Date:
            return Q(CurrentDateText());
        case PanelStyle::Time:
            return QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat);
        case PanelStyle::Text:
            break;
    }
    return Q(p.text);
}
}  // namespace

StatusBarWidget::StatusBarWidget(QWidget* parent) : QWidget(parent) {
    clock_.setInterval(1000);
    QObject::connect(&clock_, &QTimer::timeout, this, [this] { RefreshClock(); });
}

void StatusBarWidget::SetPanels(const std::vector<Panel>& panels) {
    panels_ = panels;
    while (labels_.size() > panels_.size()) {
        delete labels_.back();
        labels_.pop_back();
    }
    while (labels_.size() < panels_.size()) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Panel%1").arg(labels_.size() + 1));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setTextFormat(Qt::PlainText);
        l->setMargin(1);
        l->setIndent(2);
        l->show();
        labels_.push_back(l);
    }
    for (size_t i = 0; i < panels_.size(); ++i) labels_[i]->setText(PanelShows(panels_[i]));
    const bool clock = std::any_of(panels_.begin(), panels_.end(),
                                   [](const Panel& p) { return p.style != PanelStyle::Text; });
    if (clock && !clock_.isActive()) clock_.start();
    if (!clock) clock_.stop();
    Layout();
}

QString StatusBarWidget::PanelText(int n) const {
    QLabel* l = PanelLabel(n);
    return l ? l->text() : QString();
}

QLabel* StatusBarWidget::PanelLabel(int n) const {
    if (n < 1 || n > static_cast<int>(labels_.size())) return nullptr;
    return labels_[static_cast<size_t>(n - 1)];
}

void StatusBarWidget::resizeEvent(QResizeEvent*) {
    Layout();
}

void StatusBarWidget::Layout() {
    // Panels without a width share what the others leave; when the widths ask for more than the
    // bar has, the text panels give up the difference, so the date and time stay whole.
    const int n = static_cast<int>(panels_.size());
    int fixed = 0, shared = 0, shrinkable = 0;
    for (const Panel& p : panels_) {
        if (p.width > 0)
            fixed += TwipsToPx(p.width);
        else
            ++shared;
        if (p.width > 0 && p.style == PanelStyle::Text) shrinkable += TwipsToPx(p.width);
    }
    const int room = std::max(0, width() - kGapPx * (n + 1));
    const int rest = std::max(0, room - fixed);
    const int over = std::min(std::max(0, fixed - room), shrinkable);
    int x = kGapPx, taken = 0, seen = 0;
    for (int i = 0; i < n; ++i) {
        const Panel& p = panels_[static_cast<size_t>(i)];
        int w = p.width > 0 ? TwipsToPx(p.width) : (shared ? rest / shared : 0);
        if (over > 0 && p.width > 0 && p.style == PanelStyle::Text) {
            // Spread the cut by width, the rounding going to the last text panel.
            seen += w;
            const int cut = seen == shrinkable ? over - taken : over * w / shrinkable;
            taken += cut;
            w -= cut;
        }
        labels_[static_cast<size_t>(i)]->setGeometry(x, kGapPx, w, height() - 2 * kGapPx);
        x += w + kGapPx;
    }
}

void StatusBarWidget::RefreshClock() {
    for (size_t i = 0; i < panels_.size(); ++i)
        if (panels_[i].style != PanelStyle::Text) labels_[i]->setText(PanelShows(panels_[i]));
}

}  // namespace kord
