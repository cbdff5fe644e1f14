#include "platform/FileIO.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "tests/FileBytes.h"
#include "tests/SmallDisk.h"

namespace kord::test {
namespace {

namespace fs = std::filesystem;

// Every extended attribute of a file, the access-control list among them.
std::map<std::string, std::string> Attributes(const fs::path& p) {
    std::map<std::string, std::string> all;
    std::string names(4096, '\0');
    const ssize_t n = ::listxattr(p.c_str(), names.data(), names.size());
    for (std::size_t at = 0; n > 0 && at < static_cast<std::size_t>(n);) {
        const std::string name = names.c_str() + at;
        std::string value(4096, '\0');
        const ssize_t v = ::getxattr(p.c_str(), name.c_str(), value.data(), value.size());
        value.resize(v > 0 ? static_cast<std::size_t>(v) : 0);
        all[name] = value;
        at += name.size() + 1;
    }
    return all;
}

// An access list as the kernel keeps it: the owner, one more user with rw-, the group, the mask.
std::string AclGivingUserReadWrite(std::uint32_t user) {
    std::string blob;
    const auto put = [&blob](std::uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k) blob += static_cast<char>((value >> (8 * k)) & 0xFF);
    };
    put(2, 4);  // version
    const std::uint32_t none = 0xFFFFFFFF;
    for (const auto& [tag, perm, id] :
         {std::tuple{0x01u, 6u, none}, std::tuple{0x02u, 6u, user}, std::tuple{0x04u, 4u, none},
          std::tuple{0x10u, 6u, none}, std::tuple{0x20u, 4u, none}}) {
        put(tag, 2);
        put(perm, 2);
        put(id, 4);
    }
    return blob;
}

// Runs `work` in a child process as another user (uid and gid 4242, also in group `group`) and
// returns its exit code.
int AsAnotherUser(gid_t group, const std::function<int()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        const gid_t groups[] = {group};
        if (::setgroups(1, groups) != 0 || ::setresgid(4242, 4242, 4242) != 0 ||
            ::setresuid(4242, 4242, 4242) != 0)
            ::_exit(99);
        ::_exit(work());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class FileIOTest : public ::testing::Test {
  protected:
    FileIOTest() {
        dir = fs::temp_directory_path() / ("kordelan-fileio-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    ~FileIOTest() override { fs::remove_all(dir); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir;
};

// A save keeps the file what it was: owner, group, mode, access list, attributes, every name.
TEST_F(FileIOTest, AReplacedFileKeepsItsOwnerModeAclAttributesAndLinks) {
    if (::geteuid() != 0) GTEST_SKIP() << "Files of other owners are made by root.";
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
    } const cases[] = {
        {"another user's 0640",
         [](const fs::path& f) {
             ASSERT_EQ(::chown(f.c_str(), 4321, 4321), 0);
             ASSERT_EQ(::chmod(f.c_str(), 0640), 0);
         }},
        {"an access list and an attribute",
         [](const fs::path& f) {
             ASSERT_EQ(::chmod(f.c_str(), 0644), 0);
             const std::string acl = AclGivingUserReadWrite(4321);
             ASSERT_EQ(::setxattr(f.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0),
                       0);
             ASSERT_EQ(::setxattr(f.c_str(), "user.projekt", "most", 4, 0), 0);
         }},
        {"a second name",
         [](const fs::path& f) { fs::create_hard_link(f, f.parent_path() / "drugi.inp"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = dir / "dane.inp";
        WriteAll(file, "stare");
        c.make(file);
        struct stat before {};
        ASSERT_EQ(::stat(file.c_str(), &before), 0);
        const auto attributes = Attributes(file);
        ASSERT_TRUE(WriteFileAtomically(file, "nowe dane").written);
        struct stat after {};
        ASSERT_EQ(::stat(file.c_str(), &after), 0);
        EXPECT_EQ(ReadAll(file), "nowe dane");
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_nlink, before.st_nlink);
        EXPECT_EQ(Attributes(file), attributes);
        if (before.st_nlink > 1) {
            EXPECT_EQ(ReadAll(dir / "drugi.inp"), "nowe dane");
        }
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
}

// A member of a shared folder saving a colleague's group-writable file: written into the file,
// which stays the colleague's; on a full disk the old bytes stay.
TEST_F(FileIOTest, AnotherOwnersFileIsWrittenInPlaceAndKeptWholeOnAFullDisk) {
    if (::geteuid() != 0) GTEST_SKIP() << "Files of other owners are made by root.";
    SmallDisk disk("1m");
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    const fs::path file = disk.Path() / "wspólny.inp";
    WriteAll(file, "stare");
    ASSERT_EQ(::chown(file.c_str(), 4321, 4343), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0664), 0);
    const auto save = [&](const std::string& bytes) {
        return AsAnotherUser(4343, [&] {
            const WriteResult r = WriteFileAtomically(file, bytes);
            return r.written ? 0 : r.oldIntact ? 1 : 2;
        });
    };
    ASSERT_EQ(save("nowe"), 0);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(ReadAll(file), "nowe");
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4343u);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    // Room for the new bytes beside the file, but not for them twice.
    disk.Fill(300000);
    EXPECT_EQ(save(std::string(200000, 'x')), 1);
    EXPECT_EQ(ReadAll(file), "nowe");
}

// A save killed before it ends leaves nothing; a leftover that no save holds is removed by the
// next save, one that a running save holds is not.
TEST_F(FileIOTest, AKilledSaveLeavesNothingAndLeftoversOfDeadSavesGo) {
    WriteAll(dir / "dane.inp", "stare");
    const pid_t child = ::fork();
    if (child == 0) {
        FileReplacement file((dir / "dane.inp").string());
        file.Write(std::string(90000, 'x'));
        ::raise(SIGKILL);
    }
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(Names(), std::vector<std::string>{"dane.inp"});

    WriteAll(dir / ".kordelan-Dead01", "porzucony");
    WriteAll(dir / ".kordelan-Live01", "w toku");
    WriteAll(dir / ".kordelan-notes.txt", "cudzy");
    const int held = ::open((dir / ".kordelan-Live01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_TRUE(WriteFileAtomically(dir / "dane.inp", "nowe").written);
    ::close(held);
    EXPECT_EQ(Names(),
              (std::vector<std::string>{".kordelan-Live01", ".kordelan-notes.txt", "dane.inp"}));
}

}  // namespace
}  // namespace kord::test
