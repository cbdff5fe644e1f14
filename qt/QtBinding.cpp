#include "qt/QtBinding.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/QtString.h"
#include "qt/FormWidget.h"
#include "qt/QtHost.h"

namespace kord {

namespace {

std::unordered_map<const Window*, QtBinding*>& Registry() {
    static std::unordered_map<const Window*, QtBinding*> registry;
    return registry;
}

// The bindings in the order their windows were last activated, the latest last.
std::vector<QtBinding*>& ActivationOrder() {
    static std::vector<QtBinding*> order;
    return order;
}

void Forget(QtBinding* b) {
    auto& order = ActivationOrder();
    order.erase(std::remove(order.begin(), order.end(), b), order.end());
}

// Brings a top-level window to the front; the offscreen platform has no stacking to change.
void RaiseWindow(QWidget* w) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
    w->activateWindow();
}

}  // namespace

QtBinding::QtBinding(Window& window) : window_(window) {
    Registry()[&window_] = this;
    window_.AddObserver(this);
}

QtBinding::~QtBinding() {
    Forget(this);
    if (alive_) {
        window_.RemoveObserver(this);
        auto it = Registry().find(&window_);
        if (it != Registry().end() && it->second == this) Registry().erase(it);
    }
    delete form_.data();
}

QtBinding* QtBinding::Of(const Window& w) {
    auto it = Registry().find(&w);
    return it == Registry().end() ? nullptr : it->second;
}

QtBinding* QtBinding::Topmost(const QtBinding* except) {
    auto shown = [except](const QtBinding* b) {
        return b != except && b->alive_ && b->form_ && b->form_->isVisible();
    };
    const auto& order = ActivationOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (shown(*it)) return *it;
    for (const auto& [window, b] : Registry())
        if (shown(b)) return b;
    return nullptr;
}

QWidget* QtBinding::WindowWidget() {
    EnsureBuilt();
    return form_;
}

QWidget* QtBinding::WidgetOf(const Control& c) {
    EnsureBuilt();
    auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second;
}

Control* QtBinding::ControlOf(const QObject* widget) const {
    auto it = controls_.find(widget);
    return it == controls_.end() ? nullptr : it->second;
}

void QtBinding::NoteActivated() {
    Forget(this);
    ActivationOrder().push_back(this);
}

void QtBinding::Reactivate() {
    if (!alive_ || !built_ || !form_->isVisible()) return;
    RaiseWindow(form_);
    NoteActivated();
    FocusModelControl();
}

void QtBinding::WindowChanged(Window&, WindowEvent e) {
    if (!alive_) return;
    switch (e) {
        case WindowEvent::Caption:
            if (built_) form_->setWindowTitle(Q(window_.Caption()));
            break;
        case WindowEvent::Size:
            if (built_) {
                SyncFrame();
                RefreshShown();
            }
            break;
        case WindowEvent::Shown:
            OnShown();
            break;
        case WindowEvent::Hidden:
            OnHidden();
            break;
        case WindowEvent::Unloaded:
            OnUnloaded();
            break;
        case WindowEvent::Focus:
            FocusModelControl();
            MarkDefaultButton();
            break;
        case WindowEvent::Activate:
            Reactivate();
            break;
    }
}

void QtBinding::OnShown() {
    EnsureBuilt();
    // What the model sets without telling (border, default button, tab order) is read again.
    if (!form_->isVisible()) SyncFrame();
    MarkDefaultButton();
    ApplyTabOrder();
    RefreshShown();
    const Qt::WindowModality modality = window_.IsModal() ? Qt::ApplicationModal : Qt::NonModal;
    if (form_->isVisible() && form_->windowModality() != modality) {
        form_->hide();
        form_->setWindowModality(modality);
    }
    if (!placed_) {
        placed_ = true;
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            form_->move(area.center() - QPoint(form_->width() / 2, form_->height() / 2));
        }
    }
    form_->show();
    RaiseWindow(form_);
    NoteActivated();
    FocusModelControl();
}

void QtBinding::OnHidden() {
    if (!built_) return;
    const bool wasActive = form_->isActiveWindow();
    form_->hide();
    Forget(this);
    if (wasActive)
        if (QtBinding* below = Topmost(this)) below->Reactivate();
}

void QtBinding::OnUnloaded() {
    alive_ = false;
    window_.RemoveObserver(this);
    auto it = Registry().find(&window_);
    if (it != Registry().end() && it->second == this) Registry().erase(it);
    Forget(this);
    bool wasActive = false;
    if (form_) {
        wasActive = form_->isActiveWindow();
        form_->hide();
        if (window_.ReloadedOften())
            KeepWidgets();
        else
            form_->deleteLater();
    }
    widgets_.clear();
    controls_.clear();
    refused_ = nullptr;
    mouseEntered_ = dragEaten_ = nullptr;
    // The user's event that unloaded the window may still be on the stack.
    deleteLater();
    QtHost::ScheduleCollect();
    if (wasActive)
        if (QtBinding* below = Topmost(this)) below->Reactivate();
}

}  // namespace kord
