#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "platform/Paths.h"

namespace kord::test {
namespace {

namespace fs = std::filesystem;

// A build tree keeps the files beside the executable; an installed one under ../share/kordelan.
TEST(ProgramLayoutTest, FilesBesideTheExecutableOrInTheSharedFolderOfItsPrefix) {
    const fs::path root =
        fs::temp_directory_path() / ("kordelan-layout-" + std::to_string(::getpid()));
    fs::create_directories(root / "build" / "Drawings");
    fs::create_directories(root / "prefix" / "bin");
    fs::create_directories(root / "prefix" / "share" / "kordelan" / "Drawings");
    fs::create_directories(root / "bare" / "bin");
    fs::create_directories(root / "bare" / "share" / "kordelan");  // nothing installed in it

    const ProgramLayout build = LayoutFor((root / "build").string());
    EXPECT_EQ(build.folder, (root / "build").string());
    EXPECT_FALSE(build.installed);
    const ProgramLayout installed = LayoutFor((root / "prefix" / "bin").string());
    EXPECT_EQ(installed.folder, (root / "prefix" / "share" / "kordelan").string());
    EXPECT_TRUE(installed.installed);
    const ProgramLayout bare = LayoutFor((root / "bare" / "bin").string());
    EXPECT_EQ(bare.folder, (root / "bare" / "bin").string());
    EXPECT_FALSE(bare.installed);
    fs::remove_all(root);
}

}  // namespace
}  // namespace kord::test
