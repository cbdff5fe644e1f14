#include "engine/FieldInput.h"

#include "app/FieldRules.h"
#include "app/InputWindow.h"
#include "platform/NumberFormat.h"

namespace kord {

std::optional<double> ReadField(TextBox& box) {
    return ReadField(box, frmData().Rules());
}

std::optional<double> ReadField(TextBox& box, FieldRules& rules) {
    if (!rules.Check(box)) return std::nullopt;
    return ParseNumber(box.Text());
}

}  // namespace kord
