#pragma once

namespace kord {

// The start of the program: decides the decimal separator once, then shows the statement.
void Main();

}  // namespace kord
