#pragma once
// A file's bytes, read and written whole, for tests of what a file holds.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kord::test {

inline std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteAll(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

}  // namespace kord::test
