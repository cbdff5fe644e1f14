#pragma once

namespace kord {

class FrmData;
class FieldRules;

// The ranges and messages of every field of the input window.
void AddInputFieldRules(FrmData& w, FieldRules& rules);

}  // namespace kord
