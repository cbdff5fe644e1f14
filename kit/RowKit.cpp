#include "kit/RowKit.h"

#include <algorithm>

#include "platform/Symbols.h"
#include "platform/TextMetrics.h"

namespace kord {

namespace {
const char* const kTwoBlanks = "   ]";
}

int PatternWidth(const std::string& pattern, const Font& font) {
    std::string widest = pattern;
    // Digits are equally wide; the decimal separator of either form is as wide as the point.
    for (char& c : widest)
        if (c == '#' || c == '0') c = '0';
    return TextWidthTwips(widest, font);
}

Label& RowKit::Fresh(const std::string& caption) {
    Label& l = w_.Add<Label>("Label" + std::to_string(next_++), container_);
    l.SetCaption(caption);
    return l;
}

Label& RowKit::Named(const std::string& name) {
    if (name.empty()) return Fresh();
    const auto open = name.find('(');
    if (open == std::string::npos) return w_.Add<Label>(name, container_);
    return w_.Add<Label>(name.substr(0, open), std::stoi(name.substr(open + 1)), container_);
}

int RowKit::Text(Label& l, const std::string& text, int x, int y, const Font& font) {
    l.SetFont(font);
    l.SetCaption(text);
    const int w = TextWidthTwips(text, font);
    l.Move(x, y, w + style_.pad, kRowLabelHeight);
    return x + w;
}

Label& RowKit::Sized(Label& l, const std::string& text, int x, int y, int width, int height) {
    l.SetCaption(text);
    l.Move(x, y, width, height);
    return l;
}

int RowKit::Greek(Label& l, int code, int x, int top, int width) {
    l.SetFont(kGreekFont);
    const int w = TextWidthTwips(SymbolChar(code), kGreekFont);
    l.Move(x, top, width > 0 ? width : w + 30, kRowLabelHeight + 30);
    return x + w;
}

int RowKit::Subscript(Label& l, const std::string& text, int x, int y, const Font& font) {
    l.SetFont(font);
    l.SetCaption(text);
    const int w = TextWidthTwips(text, font);
    l.Move(x, y + 90, w + style_.pad, style_.subscriptHeight);
    return x + w;
}

int RowKit::Symbol(Label& letter, Label& sub, const std::string& caption,
                   const std::string& subText, int x, int y, bool bold) {
    const Font& font = bold ? kRowBoldFont : kRowFont;
    const int end = Text(letter, caption, x, y, font);
    const std::string head = caption.substr(0, caption.find_first_of(" ="));
    const int subEnd = Subscript(sub, subText, x + TextWidthTwips(head, font), y,
                                 bold ? kBoldSubscriptFont : kSubscriptFont);
    return std::max(end, subEnd);
}

void RowKit::Box(TextBox& b, int x, int y, int width, int height) {
    b.SetText("0");
    b.Move(x, y - 30, width, height);
}

Label& RowKit::Value(Label& v, int x, int y, int width, const Font& font) {
    v.SetFont(font);
    v.SetCaption("0");
    v.SetAlignment(Alignment::Right);
    v.Move(x, y, width, kRowLabelHeight);
    return v;
}

int RowKit::Unit(Label& u, Label* two, const std::string& text, int x, int y, const Font& font) {
    const int end = Text(u, text, x, y, font);
    if (two) {
        two->SetFont(kRaisedTwoFont);
        two->SetCaption("2");
        const std::string lead = text.substr(0, text.find(kTwoBlanks));
        two->Move(x + TextWidthTwips(lead, font), y - style_.twoRise, 120, 180);
    }
    return end;
}

int RowKit::Unit(const std::string& text, int x, int y, const Font& font) {
    Label& u = Fresh();
    return Unit(u, text.find(kTwoBlanks) != std::string::npos ? &Fresh() : nullptr, text, x, y,
                font);
}

}  // namespace kord
