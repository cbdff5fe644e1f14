#pragma once

#include <string>

namespace kord {

// The folder of the program's own files (Drawings/, Help/, Vendrik/): the folder of the
// executable, or, for an executable installed under a prefix, that prefix's share/kordelan.
std::string ProgramFolder();
// True when the program's files come from an installed tree: nothing is written beside it.
bool InstalledProgram();
// Tests point the program folder elsewhere, as a build tree or as an installed tree.
void SetProgramFolder(const std::string& folder, bool installed = false);
// A path under the program folder, from its parts joined by '/'.
std::string ProgramPath(const std::string& relative);

struct ProgramLayout {
    std::string folder;
    bool installed = false;
};
// Where the files of an executable in exeFolder lie: beside it when it has a Drawings folder
// (a build tree), else in ../share/kordelan when that has one (bin/ of an installed prefix).
ProgramLayout LayoutFor(const std::string& exeFolder);

}  // namespace kord
