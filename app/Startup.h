#pragma once

namespace kord {

// The start of the program: connects the windows, decides the decimal separator once, then
// shows the statement.
void Main();

// What the review windows reach of the application through the links they are given: the input
// window "Powrót" returns to, and the report of the last design with the print options of the
// moment.
void ConnectWindows();

}  // namespace kord
