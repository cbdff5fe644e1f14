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

// How a typed value becomes the value the design computes with.
enum class FieldUnit {
    AsTyped,
    Metres,    // lengths typed in m, computed in cm
    SquareMm,  // steel areas typed in mm², computed in cm²
};

// A field the design uses, checked by its rule and converted; false when it was refused.
bool ReadUsedField(TextBox& box, FieldUnit unit, double& field);
// A field the chosen options leave unused: whatever it holds, only a finite number (else 0)
// enters the state, and nothing stops the design.
double ReadUnusedField(const TextBox& box, FieldUnit unit = FieldUnit::AsTyped);
// The concrete of a tab into fck and fcm: the class chosen (fcm = fck + 8.2), or the typed mean
// strength (fck = fcm − 8.2, not below 0), and which of the two the tab chose. False when the
// typed strength was refused.
bool ReadConcreteStrength(int tab);

}  // namespace kord
