#pragma once
// A small filesystem of the test's own, to fill up or make read-only: a tmpfs mounted on a fresh
// folder (root only, as in CI). Where it cannot be mounted, the test says so and is skipped.

#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace kord::test {

class SmallDisk {
  public:
    explicit SmallDisk(const std::string& size = "64k") {
        namespace fs = std::filesystem;
        path_ = fs::temp_directory_path() /
                ("kordelan-disk-" + std::to_string(::getpid()) + "-" + std::to_string(++count_));
        fs::create_directories(path_);
        const std::string options = "size=" + size + ",mode=0777";
        if (::mount("kordelan-test", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                    options.c_str()) == 0) {
            mounted_ = true;
        } else {
            why_ = "a tmpfs cannot be mounted here (" + std::string(std::strerror(errno)) +
                   "); it needs root, as CI has";
        }
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    const std::filesystem::path& Path() const { return path_; }

    // A filler file that leaves about `bytes` free (none: the disk is full).
    void Fill(std::size_t bytes = 0) {
        struct statvfs st {};
        ::statvfs(path_.c_str(), &st);
        const std::size_t avail = static_cast<std::size_t>(st.f_bavail) * st.f_bsize;
        std::ofstream filler(path_ / "filler", std::ios::binary);
        const std::string block(avail > bytes ? avail - bytes : 0, 'x');
        filler << block;
        // A full disk takes no byte more.
        if (bytes == 0)
            while (filler << 'x') {
                filler.flush();
            }
    }
    // The whole filesystem becomes read-only (permissions alone do not stop root).
    bool MakeReadOnly() {
        return ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    static inline int count_ = 0;
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace kord::test
