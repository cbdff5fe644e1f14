#pragma once

namespace kord {

// Puts every field, option, list and check box of one tab of the input window back to its start
// state; the other tabs, the options and the design state stay as they are.
void ResetInputTab(int& tab);

}  // namespace kord
