#include "platform/Paths.h"

#include <filesystem>
#include <optional>

namespace kord {

namespace fs = std::filesystem;

namespace {
std::optional<ProgramLayout>& Override() {
    static std::optional<ProgramLayout> layout;
    return layout;
}

const ProgramLayout& Layout() {
    if (Override()) return *Override();
    static const ProgramLayout own = [] {
        std::error_code ec;
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        if (!ec) return LayoutFor(exe.parent_path().string());
        // A working folder deleted under the program is no reason to end it.
        const fs::path here = fs::current_path(ec);
        return LayoutFor(ec ? std::string(".") : here.string());
    }();
    return own;
}
}  // namespace

ProgramLayout LayoutFor(const std::string& exeFolder) {
    const fs::path exe(exeFolder);
    std::error_code ec;
    if (fs::is_directory(exe / "Drawings", ec)) return {exeFolder, false};
    const fs::path shared = exe.parent_path() / "share" / "kordelan";
    if (fs::is_directory(shared / "Drawings", ec))
        return {shared.lexically_normal().string(), true};
    return {exeFolder, false};
}

std::string ProgramFolder() {
    return Layout().folder;
}

bool InstalledProgram() {
    return Layout().installed;
}

void SetProgramFolder(const std::string& folder, bool installed) {
    if (folder.empty()) {
        Override().reset();
    } else {
        Override() = ProgramLayout{folder, installed};
    }
}

std::string ProgramPath(const std::string& relative) {
    return (fs::path(ProgramFolder()) / relative).string();
}

}  // namespace kord
