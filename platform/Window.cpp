#include "platform/Window.h"

#include <algorithm>

#include "platform/Host.h"

namespace kord {

Window::Window(std::string name) : name_(std::move(name)) {}

Window::~Window() = default;

void Window::SetCaption(const std::string& c) {
    caption_ = c;
    NotifyWindow(WindowEvent::Caption);
}

void Window::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
    NotifyWindow(WindowEvent::Size);
}

Control* Window::Find(const std::string& fullName) const {
    for (const auto& c : controls_)
        if (c->Name() == fullName) return c.get();
    return nullptr;
}

const std::vector<Control*>& Window::ChildrenOf(const Control* container) const {
    static const std::vector<Control*> none;
    auto it = children_.find(container);
    return it == children_.end() ? none : it->second;
}

void Window::Load() {
    if (loaded_) return;
    loaded_ = true;
    Forms::Register(*this);
    TheHost().WindowCreated(*this);
    Form_Load();
}

void Window::Show() {
    if (!loaded_) return;
    visible_ = true;
    NotifyWindow(WindowEvent::Shown);
    if (!focus_) {
        // A window opens on its first field, not on the tab strip above it.
        Control* first = NextInTabOrder(nullptr, false);
        if (first && first->Kind() == ControlKind::TabStrip)
            if (Control* field = NextInTabOrder(first, false)) first = field;
        if (first) MoveFocus(first, FocusCause::Program);
    }
}

void Window::ShowModal() {
    if (!loaded_) return;
    modal_ = true;
    Show();
    TheHost().RunModal(*this);
    modal_ = false;
}

void Window::Hide() {
    if (!visible_) return;
    visible_ = false;
    NotifyWindow(WindowEvent::Hidden);
}

void Window::Activate() {
    if (visible_) NotifyWindow(WindowEvent::Activate);
}

void Window::Unload() {
    if (!loaded_) return;
    visible_ = false;
    loaded_ = false;
    NotifyWindow(WindowEvent::Unloaded);
    observers_.clear();
    Forms::Unregister(*this);
    if (releaser_) Forms::Retire(releaser_());
}

bool Window::MoveFocus(Control* target, FocusCause cause) {
    if (target && !target->CanFocus()) return false;
    if (target == focus_) return true;
    Control* prev = focusEntered_ ? focus_ : nullptr;
    const unsigned generation = ++focusGeneration_;
    focus_ = target;
    focusEntered_ = false;
    if (prev && prev->LostFocus) {
        prev->LostFocus(cause);
        // The leaving handler gave the focus elsewhere: this move is void.
        if (generation != focusGeneration_) return focus_ == target;
    }
    focusEntered_ = true;
    NotifyWindow(WindowEvent::Focus);
    if (target && target->GotFocus) target->GotFocus(cause);
    return focus_ == target;
}

Control* Window::NextInTabOrder(const Control* from, bool backward) const {
    std::vector<Control*> order;
    for (const auto& c : controls_)
        if (c->Focusable() && c->TabStop()) order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    if (order.empty()) return nullptr;
    const int n = static_cast<int>(order.size());
    int start = backward ? n : -1;
    for (int i = 0; i < n; ++i)
        if (order[static_cast<size_t>(i)] == from) start = i;
    for (int step = 1; step <= n; ++step) {
        const int i = ((start + (backward ? -step : step)) % n + n) % n;
        Control* c = order[static_cast<size_t>(i)];
        // Only one option of a group takes the focus by the Tab key: the selected one.
        if (c->Kind() == ControlKind::OptionButton && !static_cast<OptionButton*>(c)->Value())
            continue;
        if (c->CanFocus()) return c;
    }
    return nullptr;
}

void Window::UserPressTab(bool backward) {
    if (Control* next = NextInTabOrder(focus_, backward))
        MoveFocus(next, backward ? FocusCause::Backtab : FocusCause::Tab);
}

void Window::UserPressEnter() {
    if (!default_ || !default_->EffectivelyEnabled() || !default_->EffectivelyShown()) return;
    if (beforeDefault_ && !beforeDefault_()) return;
    if (default_->Click) default_->Click();
}

void Window::UserPressEscape() {
    if (!cancel_ || !cancel_->EffectivelyEnabled() || !cancel_->EffectivelyShown()) return;
    if (cancel_->Click) cancel_->Click();
}

bool Window::UserPressArrow(bool forward) {
    Control* focus = focus_;
    if (!focus) return false;
    if (focus->Kind() == ControlKind::TabStrip) {
        auto* strip = static_cast<TabStrip*>(focus);
        const int target = strip->SelectedIndex() + (forward ? 1 : -1);
        if (target >= 0 && target < strip->TabCount()) strip->Select(target);
        return true;
    }
    if (focus->Kind() != ControlKind::OptionButton) return false;
    std::vector<Control*> group;
    for (Control* c : ChildrenOf(focus->Container()))
        if (c->Kind() == ControlKind::OptionButton && (c == focus || c->CanFocus()))
            group.push_back(c);
    std::stable_sort(group.begin(), group.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    const auto n = static_cast<std::ptrdiff_t>(group.size());
    const auto at = std::find(group.begin(), group.end(), focus) - group.begin();
    Control* next = group[static_cast<size_t>((at + (forward ? 1 : n - 1)) % n)];
    if (next != focus && MoveFocus(next, forward ? FocusCause::Tab : FocusCause::Backtab))
        static_cast<OptionButton*>(next)->SetValue(true);
    return true;
}

bool Window::UserPressCtrlTab(bool backward) {
    TabStrip* strip = nullptr;
    for (const auto& c : controls_)
        if (c->Kind() == ControlKind::TabStrip && c->CanFocus() && (!strip || c.get() == focus_))
            strip = static_cast<TabStrip*>(c.get());
    if (!strip || strip->TabCount() == 0) return false;
    const int n = strip->TabCount();
    const int target = (strip->SelectedIndex() + (backward ? n - 1 : 1)) % n;
    if (MoveFocus(strip, FocusCause::Shortcut) && target != strip->SelectedIndex())
        strip->Select(target);
    return true;
}

bool Window::UserKeyDown(int key, bool ctrl, bool shift) {
    return keyPreview_ && Form_KeyDown(key, ctrl, shift);
}

void Window::AddObserver(WindowObserver* o) {
    observers_.push_back(o);
}

void Window::RemoveObserver(WindowObserver* o) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

void Window::NotifyControl(Control& c, Prop p) {
    // Observers may add or remove themselves while being told.
    const auto observers = observers_;
    for (WindowObserver* o : observers) o->ControlChanged(c, p);
}

void Window::NotifyWindow(WindowEvent e) {
    const auto observers = observers_;
    for (WindowObserver* o : observers) o->WindowChanged(*this, e);
}

namespace Forms {
namespace {
std::vector<Window*>& LoadedList() {
    static std::vector<Window*> list;
    return list;
}
std::vector<std::unique_ptr<Window>>& Retired() {
    static std::vector<std::unique_ptr<Window>> list;
    return list;
}
}  // namespace

const std::vector<Window*>& Loaded() {
    return LoadedList();
}

void Register(Window& w) {
    LoadedList().push_back(&w);
}

void Unregister(Window& w) {
    auto& l = LoadedList();
    l.erase(std::remove(l.begin(), l.end(), &w), l.end());
}

void Retire(std::unique_ptr<Window> w) {
    Retired().push_back(std::move(w));
}

void Collect() {
    if (Retired().empty()) return;
    // Destroying a window may retire others; take them in turns.
    while (!Retired().empty()) {
        auto batch = std::move(Retired());
        Retired().clear();
        batch.clear();
    }
    // The program ends once the handler that closed the last window has returned.
    if (LoadedList().empty()) TheHost().Quit();
}
}  // namespace Forms

}  // namespace kord
