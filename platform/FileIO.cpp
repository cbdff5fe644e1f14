#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>

#include "platform/Paths.h"
#include "platform/QtString.h"

namespace kord {

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads the written file back: a full disk may take the bytes and lose them on the way.
bool HoldsExactly(int fd, const std::string& bytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size != static_cast<off_t>(bytes.size())) return false;
    std::string back(bytes.size(), '\0');
    std::size_t done = 0;
    while (done < back.size()) {
        const ssize_t n =
            ::pread(fd, back.data() + done, back.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return back == bytes;
}

}  // namespace

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The end of a chain of symbolic links, without an exception: a loop, a link that cannot be
// read or a folder that cannot be entered is nullopt. A path that does not exist is its own end.
std::optional<std::string> FollowLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return path;
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) return path;
        std::string to(4096, '\0');
        const ssize_t n = ::readlink(path.c_str(), to.data(), to.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= to.size()) return std::nullopt;
        to.resize(static_cast<std::size_t>(n));
        path = to.front() == '/' ? to : FolderOf(path) + "/" + to;
    }
    return std::nullopt;
}

// The permissions of the file replaced, or those of a new file under the umask.
mode_t ModeFor(const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::optional<std::string> ReplaceableTarget(const std::string& path) {
    std::optional<std::string> target = FollowLinks(path);
    if (!target) return std::nullopt;
    struct stat st {};
    if (::stat(target->c_str(), &st) == 0) {
        // A read-only file is refused even where its owner or root could write it.
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 ||
            ::access(target->c_str(), W_OK) != 0)
            return std::nullopt;
    } else if (errno != ENOENT) {
        return std::nullopt;
    }
    if (::access(FolderOf(*target).c_str(), W_OK | X_OK) != 0) return std::nullopt;
    return target;
}

FileReplacement::FileReplacement(const std::string& path) {
    const std::optional<std::string> target = ReplaceableTarget(path);
    if (!target) return;
    target_ = *target;
    // Short, whatever the length of the target's own name, which may be the longest allowed.
    std::string temp = FolderOf(target_) + "/.kordelan-XXXXXX";
    fd_ = ::mkstemp(temp.data());
    if (fd_ >= 0) temp_ = temp;
}

FileReplacement::~FileReplacement() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool FileReplacement::Write(const std::string& bytes) {
    return fd_ >= 0 && WriteAll(fd_, bytes);
}

bool FileReplacement::Commit(const std::optional<std::string>& bytes) {
    if (fd_ < 0) return false;
    bool ok = ::fchmod(fd_, ModeFor(target_)) == 0 && ::fsync(fd_) == 0 &&
              (!bytes || HoldsExactly(fd_, *bytes));
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    // The rename is atomic: the target is the old file or the whole new one, never a part.
    if (!ok || ::rename(temp_.c_str(), target_.c_str()) != 0) return false;
    temp_.clear();
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    FileReplacement file(path);
    return file.Write(bytes) && file.Commit(bytes);
}

FileHead ReadFileHead(const std::string& path, std::size_t maxBytes) {
    FileHead head;
    // Opening a pipe waits for a writer and a device may act on being opened: only a regular
    // file is opened, and without waiting, in case it was swapped for something else meanwhile.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return head;
    if (!S_ISREG(st.st_mode)) {
        head.status = FileHead::Status::NotAFile;
        return head;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return head;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (!S_ISREG(st.st_mode)) head.status = FileHead::Status::NotAFile;
        ::close(fd);
        return head;
    }
    // One byte more than the limit tells whether the file goes on; the buffer grows as it is
    // read, since a file's size may change or not be told (0 for many system files).
    const std::size_t limit = maxBytes + 1;
    std::string bytes(std::min<std::size_t>(static_cast<std::size_t>(st.st_size) + 1, limit), '\0');
    std::size_t done = 0;
    while (done < limit) {
        if (done == bytes.size()) bytes.resize(std::min(2 * bytes.size() + 4096, limit));
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return head;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    head.cut = done > maxBytes;
    bytes.resize(std::min(done, maxBytes));
    head.bytes = std::move(bytes);
    head.status = FileHead::Status::Read;
    return head;
}

namespace {
bool UsableFolder(const QString& path) {
    if (!QDir().mkpath(path)) return false;
    return QFileInfo(path).isWritable();
}
}  // namespace

std::string DataFolder() {
    const QString user =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Data";
    if (InstalledProgram()) {
        QDir().mkpath(user);
        return user.toStdString();
    }
    const QString beside = Q(ProgramPath("Data"));
    if (UsableFolder(beside)) return beside.toStdString();
    if (UsableFolder(user)) return user.toStdString();
    return beside.toStdString();
}

}  // namespace kord
