#pragma once
// Reading the numbers a design needs from the windows' fields. A design reads only the fields its
// options make it use, and checks each as the field's leaving rule would: a text that is not a
// number, or a value outside the field's range, shows that field's own message, puts the focus on
// it and stops the design.

#include <optional>

namespace kord {

class TextBox;
class FieldRules;

// A field of the input window, checked by its own rule.
std::optional<double> ReadField(TextBox& box);
// A field of another window, checked by that window's rules.
std::optional<double> ReadField(TextBox& box, FieldRules& rules);

}  // namespace kord
