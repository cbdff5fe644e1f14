#include "platform/Paths.h"

#include <filesystem>

namespace kord {

namespace {
std::string& Override() {
    static std::string folder;
    return folder;
}
}  // namespace

std::string ProgramFolder() {
    if (!Override().empty()) return Override();
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

void SetProgramFolder(const std::string& folder) {
    Override() = folder;
}

std::string ProgramPath(const std::string& relative) {
    return (std::filesystem::path(ProgramFolder()) / relative).string();
}

}  // namespace kord
