#include "platform/Control.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Window.h"

namespace kord {

namespace {
// Controls created later stand in front of earlier ones, as on the classic platform.
int g_nextZ = 0;

bool Contains(const Control& outer, const Control& inner) {
    return outer.Left() <= inner.Left() && outer.Top() <= inner.Top() &&
           outer.Left() + outer.Width() >= inner.Left() + inner.Width() &&
           outer.Top() + outer.Height() >= inner.Top() + inner.Height();
}
}  // namespace

Control::Control(Window& owner, ControlKind kind, std::string name, int index, Control* container)
    : owner_(owner),
      kind_(kind),
      baseName_(std::move(name)),
      index_(index),
      fullName_(index >= 0 ? baseName_ + "(" + std::to_string(index) + ")" : baseName_),
      container_(container),
      font_(owner.Font()),
      z_(++g_nextZ) {}

void Control::Notify(Prop p) {
    owner_.NotifyControl(*this, p);
}

void Control::SetText(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    Notify(Prop::Text);
}

void Control::SetEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    Notify(Prop::Enabled);
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Notify(Prop::Visible);
}

void Control::SetFont(const kord::Font& f) {
    if (f == font_) return;
    font_ = f;
    Notify(Prop::Font);
}

void Control::SetFontBold(bool b) {
    kord::Font f = font_;
    f.bold = b;
    SetFont(f);
}

void Control::SetFontSize(double s) {
    kord::Font f = font_;
    f.size = s;
    SetFont(f);
}

void Control::SetFontName(const std::string& n) {
    kord::Font f = font_;
    f.name = n;
    SetFont(f);
}

void Control::Move(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Notify(Prop::Geometry);
}

void Control::SetAlignment(Alignment a) {
    align_ = a;
    Notify(Prop::Style);
}

void Control::SetWindowColours(bool w) {
    windowColours_ = w;
    Notify(Prop::Style);
}

void Control::ZOrder(int position) {
    int front = z_, back = z_;
    for (Control* s : owner_.ChildrenOf(container_)) {
        front = std::max(front, s->z_);
        back = std::min(back, s->z_);
    }
    z_ = position == 0 ? front + 1 : back - 1;
    // Stacking decides which page is in front, so it can change what is shown.
    for (Control* s : owner_.ChildrenOf(container_)) s->Notify(Prop::ZOrder);
}

bool Control::SetFocus() {
    return owner_.MoveFocus(this, FocusCause::Program);
}

bool Control::HasFocus() const {
    return owner_.ActiveControl() == this;
}

bool Control::CoveredBySibling() const {
    for (Control* s : owner_.ChildrenOf(container_)) {
        if (s == this || !s->visible_ || s->z_ < z_) continue;
        if (s->kind_ != ControlKind::Frame && s->kind_ != ControlKind::PictureBox) continue;
        if (Contains(*s, *this)) return true;
    }
    return false;
}

bool Control::InsideContainer() const {
    const int cw = container_ ? container_->width_ : owner_.Width();
    const int ch = container_ ? container_->height_ : owner_.Height();
    return left_ + width_ > 0 && top_ + height_ > 0 && left_ < cw && top_ < ch;
}

bool Control::EffectivelyShown() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_ || c->CoveredBySibling() || !c->InsideContainer()) return false;
    return true;
}

bool Control::EffectivelyEnabled() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return true;
}

bool Control::CanFocus() const {
    return Focusable() && owner_.IsLoaded() && EffectivelyEnabled() && EffectivelyShown();
}

void Control::UserClick() {
    if (!EffectivelyEnabled() || !EffectivelyShown()) return;
    if (Click) Click();
}

void Label::SetWordWrap(bool w) {
    wordWrap_ = w;
    Notify(Prop::Style);
}

void TextBox::SetText(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    selStart_ = 0;
    selLength_ = 0;
    Notify(Prop::Text);
    if (Change) Change();
}

void TextBox::SetSelection(int start, int length) {
    selStart_ = start;
    selLength_ = length;
    Notify(Prop::Selection);
}

namespace {
// Characters, not bytes: the texts are UTF-8 and the selection counts characters.
int CharCount(const std::string& s) {
    int n = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}
size_t ByteOffset(const std::string& s, int chars) {
    size_t i = 0;
    for (int n = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (n == chars) return i;
            ++n;
        }
    }
    return s.size();
}
}  // namespace

void TextBox::SelectAll() {
    SetSelection(0, CharCount(text_));
}

std::string TextBox::SelText() const {
    const size_t a = ByteOffset(text_, selStart_);
    const size_t b = ByteOffset(text_, selStart_ + selLength_);
    return text_.substr(a, b - a);
}

void TextBox::UserType(const std::string& t) {
    if (!HasFocus() && !owner_.MoveFocus(this, FocusCause::Mouse)) return;
    SetText(t);
}

void CommandButton::UserClick() {
    if (!CanFocus()) return;
    if (!owner_.MoveFocus(this, FocusCause::Mouse)) return;
    if (Click) Click();
}

void OptionButton::SetValue(bool v) {
    if (v == value_) return;
    value_ = v;
    if (v) {
        for (Control* s : owner_.ChildrenOf(container_)) {
            if (s == this || s->Kind() != ControlKind::OptionButton) continue;
            auto* o = static_cast<OptionButton*>(s);
            if (o->value_) {
                o->value_ = false;
                o->Notify(Prop::Value);
            }
        }
    }
    Notify(Prop::Value);
    if (v && Click) Click();
}

void OptionButton::UserClick() {
    if (!CanFocus()) return;
    if (!owner_.MoveFocus(this, FocusCause::Mouse)) return;
    SetValue(true);
}

void CheckBox::SetValue(int v) {
    if (v == value_) return;
    value_ = v;
    Notify(Prop::Value);
    if (Click) Click();
}

void CheckBox::UserClick() {
    if (!CanFocus()) return;
    if (!owner_.MoveFocus(this, FocusCause::Mouse)) return;
    SetValue(value_ == 1 ? 0 : 1);
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    Notify(Prop::List);
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    Notify(Prop::List);
}

void ComboBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) return;
    listIndex_ = i;
    text_ = i >= 0 ? items_[static_cast<size_t>(i)] : std::string();
    Notify(Prop::ListIndex);
    if (i >= 0 && Click) Click();
}

void ComboBox::UserSelect(int i) {
    if (!CanFocus()) return;
    if (!owner_.MoveFocus(this, FocusCause::Mouse)) return;
    SetListIndex(i);
}

void PictureBox::SetPicture(kord::Picture p) {
    picture_ = std::move(p);
    Notify(Prop::Picture);
}

void PictureBox::SetScale(double w, double h) {
    scaleW_ = w;
    scaleH_ = h;
    Notify(Prop::Drawing);
}

void PictureBox::Cls() {
    drawing_.clear();
    Notify(Prop::Drawing);
}

void PictureBox::DrawLine(double x1, double y1, double x2, double y2, int width) {
    drawing_.push_back({x1, y1, x2, y2, width});
    Notify(Prop::Drawing);
}

void Image::SetPicture(kord::Picture p) {
    picture_ = std::move(p);
    Notify(Prop::Picture);
}

void TabStrip::AddTab(const std::string& caption) {
    tabs_.push_back(caption);
    Notify(Prop::Tabs);
}

void TabStrip::Select(int i) {
    if (i < 0 || i >= TabCount()) return;
    selected_ = i;
    Notify(Prop::Tabs);
    if (Click) Click();
}

void TabStrip::UserSelect(int i) {
    if (!EffectivelyEnabled() || i == selected_) return;
    // Choosing a tab leaves the field that has the focus; a failed check keeps the tab.
    Control* focus = owner_.ActiveControl();
    if (focus && focus != this && !owner_.MoveFocus(nullptr, FocusCause::TabStripClick)) return;
    Select(i);
}

int TabStrip::ClientLeft() const {
    return left_ + 30;
}
int TabStrip::ClientTop() const {
    return top_ + kTabRowHeight;
}
int TabStrip::ClientWidth() const {
    return width_ - 60;
}
int TabStrip::ClientHeight() const {
    return height_ - kTabRowHeight - 30;
}

void StatusBar::AddPanel(Panel p) {
    panels_.push_back(std::move(p));
    Notify(Prop::Panels);
}

void StatusBar::SetPanelText(int n, const std::string& t) {
    panels_.at(static_cast<size_t>(n - 1)).text = t;
    Notify(Prop::Panels);
}

void LineControl::SetEnds(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // The line's box, so that it is shown and placed like any other control.
    Move(std::min(x1, x2), std::min(y1, y2), std::max(1, std::abs(x2 - x1)),
         std::max(1, std::abs(y2 - y1)));
    Notify(Prop::Geometry);
}

}  // namespace kord
