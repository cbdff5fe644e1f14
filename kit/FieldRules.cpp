#include "kit/FieldRules.h"

#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/Host.h"
#include "platform/NumberFormat.h"
#include "platform/Window.h"

namespace kord {

const std::string& FieldRule::Message() const {
    return State().DecimalComma || pointMessage.empty() ? commaMessage : pointMessage;
}

FieldRule Range(double lower, double upper, bool zeroSkips, std::string commaMessage,
                std::string pointMessage) {
    FieldRule r;
    r.lower = lower;
    r.upper = upper;
    r.zeroSkips = zeroSkips;
    r.commaMessage = std::move(commaMessage);
    r.pointMessage = std::move(pointMessage);
    return r;
}

namespace {
std::string BoundText(const Bound& b, char separator) {
    if (b.decimals == Bound::kPlain) return FormatGeneral(b.value);
    const std::string pattern =
        b.decimals > 0 ? "0." + std::string(static_cast<std::size_t>(b.decimals), '0') : "0";
    return FormatPattern(b.value, pattern, NumericLocale{.decimalSeparator = separator});
}
}  // namespace

FieldRule Range(const std::string& head, Bound lower, Bound upper, const std::string& tail,
                bool zeroSkips) {
    const auto message = [&](char separator) {
        return head + BoundText(lower, separator) + " a " + BoundText(upper, separator) + tail;
    };
    return Range(lower.value, upper.value, zeroSkips, message(','), message('.'));
}

FieldRules::FieldRules(Window& window, std::string notNumber, std::string title)
    : window_(window), notNumber_(std::move(notNumber)), title_(std::move(title)) {
    window_.SetBeforeDefaultCommand([this] { return CheckFocused(); });
}

void FieldRules::AddEntry(TextBox& box) {
    box.GotFocus = [&box](FocusCause) { box.SelectAll(); };
}

void FieldRules::Add(TextBox& box, FieldRule rule) {
    AddEntry(box);
    rules_.emplace_back(&box, std::move(rule));
    box.LostFocus = [this, &box](FocusCause cause) { OnLeave(box, cause); };
}

const FieldRule* FieldRules::RuleOf(const TextBox& box) const {
    for (const auto& [b, rule] : rules_)
        if (b == &box) return &rule;
    return nullptr;
}

std::optional<std::string> FieldRules::Problem(const TextBox& box) const {
    const FieldRule* rule = RuleOf(box);
    if (!rule) return std::nullopt;
    const std::optional<double> v = ParseNumber(box.Text());
    if (!v) return notNumber_;
    if (rule->passes && rule->passes(*v)) return std::nullopt;
    if (rule->zeroSkips && *v == 0) return std::nullopt;
    if (*v < rule->lower || *v > rule->upper) return rule->Message();
    return std::nullopt;
}

bool FieldRules::Check(TextBox& box) {
    const std::optional<std::string> problem = Problem(box);
    if (!problem) return true;
    // The focus goes back before the message opens, so that closing it finds the field.
    box.SetFocus();
    Warn(*problem, title_);
    return false;
}

bool FieldRules::CheckFocused() {
    Control* c = window_.ActiveControl();
    if (!c || c->Kind() != ControlKind::TextBox) return true;
    auto* box = static_cast<TextBox*>(c);
    return !RuleOf(*box) || Check(*box);
}

void FieldRules::OnLeave(TextBox& box, FocusCause cause) {
    // Only the user's own moves leave a field on purpose; focus lost to a message box, a dialog
    // or the program's own focus changes checks nothing.
    if (!IsUserMove(cause)) return;
    if (exempt_.count(window_.ActiveControl())) return;
    Check(box);
}

}  // namespace kord
