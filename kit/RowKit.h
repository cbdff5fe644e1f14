#pragma once
// The parts every window's rows are made of: a text, a letter (or a Greek letter) with its
// subscript, a box or a value, a unit with a raised two. Each window decides the columns; the kit
// places the labels so that all windows draw their rows alike.

#include <string>

#include "platform/Window.h"

namespace kord {

inline const Font kRowFont{"Arial", 9};
inline const Font kRowBoldFont{"Arial", 9, true};
inline const Font kSubscriptFont{"Arial", 7};
inline const Font kBoldSubscriptFont{"Arial", 7, true};
inline const Font kRaisedTwoFont{"Arial", 6};
inline const Font kGreekFont{"Symbol", 10};

constexpr int kRowLabelHeight = 240;
constexpr int kRowBoxHeight = 300;

// The room a value keeps from the symbol before it.
constexpr int kValueGap = 60;

// The width of the widest text a number pattern writes: every place a digit ("####0.00" five
// digits and two decimals).
int PatternWidth(const std::string& pattern, const Font& font = kRowFont);

// How a window's labels sit: the room a label gets beyond its text, the height of a subscript,
// how far the raised two of a unit stands above the unit.
struct RowStyle {
    int pad = 30;
    int subscriptHeight = 195;
    int twoRise = 45;
};

class RowKit {
  public:
    // Labels that nothing else refers to are named "Label<n>" from next on.
    RowKit(Window& w, Control* container, int& next, RowStyle style = {})
        : w_(w), container_(container), next_(next), style_(style) {}

    void SetContainer(Control* c) { container_ = c; }
    // The same kit for the labels of another container.
    RowKit In(Control* c) const { return RowKit(w_, c, next_, style_); }

    Label& Fresh(const std::string& caption = "");
    // A label by its full name, "Label4(2)" an element of a control array; "" a fresh one.
    Label& Named(const std::string& fullName);

    // A text at x in its own width; returns where the text ends.
    int Text(Label& l, const std::string& text, int x, int y, const Font& font = kRowFont);
    int Text(const std::string& text, int x, int y) { return Text(Fresh(), text, x, y); }
    // A text in a given size, in the label's font.
    Label& Sized(Label& l, const std::string& text, int x, int y, int width,
                 int height = kRowLabelHeight);

    // A Greek letter at its top; the window gives it its character when it loads. Returns where
    // the letter ends.
    int Greek(Label& l, int code, int x, int top, int width = 0);
    // A subscript for a letter at row y; returns where it ends.
    int Subscript(Label& l, const std::string& text, int x, int y,
                  const Font& font = kSubscriptFont);
    // A letter with its subscript right after it. The caption may carry blanks and "=" after the
    // letter: the subscript stands in them. Returns where caption or subscript ends.
    int Symbol(Label& letter, Label& sub, const std::string& caption, const std::string& subText,
               int x, int y, bool bold = false);
    int Symbol(const std::string& caption, const std::string& subText, int x, int y) {
        Label& sub = Fresh();
        return Symbol(Fresh(), sub, caption, subText, x, y);
    }

    // A box for a row at y: it stands a little higher than the row's texts.
    void Box(TextBox& b, int x, int y, int width, int height = kRowBoxHeight);
    // A right-aligned value.
    Label& Value(Label& v, int x, int y, int width, const Font& font = kRowFont);
    // A unit; with a label for the two, the two stands raised after the unit's text up to its
    // blanks ("[ mm   ]", "N/mm"). Returns where the unit ends.
    int Unit(Label& u, Label* two, const std::string& text, int x, int y,
             const Font& font = kRowFont);
    // A unit of fresh labels, squared when it keeps blanks for its two.
    int Unit(const std::string& text, int x, int y, const Font& font = kRowFont);

  private:
    Window& w_;
    Control* container_;
    int& next_;
    RowStyle style_;
};

}  // namespace kord
