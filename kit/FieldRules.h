#pragma once
// The field rules of a window: entering a text box selects its whole text; leaving it by the
// user's own move checks that it holds a number within the field's range. A failed check gives the
// focus back to the field, keeps the typed text, warns, and cancels the move that caused it (a
// tab change, a button press). Windows differ only in their tables and wording.

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Control.h"

namespace kord {

class Window;

struct FieldRule {
    double lower = 0;
    double upper = 0;
    // 0 means "not given" and passes.
    bool zeroSkips = false;
    // The range message; the point form where a bound has decimals ("" when there is one text).
    std::string commaMessage;
    std::string pointMessage;
    // A value the window itself proposed passes whatever the range says.
    std::function<bool(double)> passes;

    const std::string& Message() const;
};

class FieldRules {
  public:
    // notNumber: the message for a text that is not a number; title: of the message box.
    FieldRules(Window& window, std::string notNumber, std::string title);

    // Entry rule only.
    void AddEntry(TextBox& box);
    // Entry and leaving rule.
    void Add(TextBox& box, FieldRule rule);
    // Leaving a field towards one of these controls runs no check (they leave or overwrite it).
    void Exempt(Control& c) { exempt_.insert(&c); }

    // The check of one field; on failure the focus goes back to it and the message shows.
    bool Check(TextBox& box);
    // The check of the field that has the focus, if it has a rule (Enter runs it first).
    bool CheckFocused();
    // Whether the text passes the field's rule, without any effect.
    std::optional<std::string> Problem(const TextBox& box) const;
    const FieldRule* RuleOf(const TextBox& box) const;

    const std::string& NotNumberMessage() const { return notNumber_; }
    const std::string& Title() const { return title_; }

  private:
    void OnLeave(TextBox& box, FocusCause cause);

    Window& window_;
    std::string notNumber_;
    std::string title_;
    std::vector<std::pair<TextBox*, FieldRule>> rules_;
    std::set<const Control*> exempt_;
};

// A range with its message as given (a text the bounds do not make).
FieldRule Range(double lower, double upper, bool zeroSkips, std::string commaMessage,
                std::string pointMessage = "");

// A bound as a range message writes it: with a fixed count of decimals and the decimal separator
// of the message's form, or (kPlain) as the value's plain text in the user's locale.
struct Bound {
    static constexpr int kPlain = -1;
    double value;
    int decimals = 0;
};

// A range whose message, "<head><lower> a <upper><tail>", is made from its bounds in the comma
// form and the point form: "Proszę wpisać wartość pomiędzy 0,05 a 20 mm."
FieldRule Range(const std::string& head, Bound lower, Bound upper, const std::string& tail,
                bool zeroSkips);

}  // namespace kord
