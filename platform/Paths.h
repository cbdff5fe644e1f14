#pragma once

#include <string>

namespace kord {

// The folder of the executable: the drawings, help and data sheet lie beside it.
std::string ProgramFolder();
// Tests point the program folder elsewhere.
void SetProgramFolder(const std::string& folder);
// A path under the program folder, from its parts joined by '/'.
std::string ProgramPath(const std::string& relative);

}  // namespace kord
