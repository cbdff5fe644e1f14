#include "qt/KeptWidgets.h"

#include "platform/Window.h"
#include "qt/QtBinding.h"

namespace kord {

namespace {

std::map<std::string, KeptWidgets::Set>& Kept() {
    static std::map<std::string, KeptWidgets::Set> kept;
    return kept;
}

}  // namespace

void KeptWidgets::Keep(const Window& w, Set set) {
    Kept()[w.Name()] = std::move(set);
}

std::optional<KeptWidgets::Set> KeptWidgets::Take(const Window& w) {
    auto it = Kept().find(w.Name());
    if (it == Kept().end()) return std::nullopt;
    Set kept = std::move(it->second);
    Kept().erase(it);
    if (kept.controls != ControlsOf(w)) return std::nullopt;
    return kept;
}

void KeptWidgets::Drop() {
    Kept().clear();
}

KeptWidgets::ControlList KeptWidgets::ControlsOf(const Window& w) {
    ControlList list;
    list.reserve(w.Controls().size());
    for (const auto& c : w.Controls()) list.emplace_back(c->Name(), c->Kind());
    return list;
}

bool QtBinding::AdoptKeptWidgets() {
    std::optional<KeptWidgets::Set> kept = KeptWidgets::Take(window_);
    if (!kept) return false;
    form_ = kept->form.release();
    form_->SetOnCloseBox([this] { OnCloseBox(); });
    groups_ = std::move(kept->groups);
    for (size_t i = 0; i < kept->widgets.size(); ++i)
        Attach(*window_.Controls()[i], kept->widgets[i]);
    return true;
}

void QtBinding::KeepWidgets() {
    // Nothing of this binding may answer for the widgets any more.
    KeptWidgets::Set kept;
    kept.controls = KeptWidgets::ControlsOf(window_);
    for (const auto& c : window_.Controls()) {
        QWidget* w = widgets_.at(c.get());
        QObject::disconnect(w, nullptr, this, nullptr);
        w->removeEventFilter(this);
        kept.widgets.push_back(w);
    }
    form_->removeEventFilter(this);
    form_->SetOnCloseBox(nullptr);
    kept.form.reset(form_.data());
    kept.groups = std::move(groups_);
    form_ = nullptr;
    KeptWidgets::Keep(window_, std::move(kept));
}

}  // namespace kord
