#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kord {

// Writes the whole file or nothing: on any failure the previous file stays as it was.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// The first maxBytes bytes of a file (less when it is shorter); nullopt when it cannot be read.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes);

// The folder of input files, created when asked for: `Data` in the program folder of a build
// tree, or `Data` in the user's documents folder for an installed program (and for a program
// folder that cannot be written).
std::string DataFolder();

}  // namespace kord
