#include "platform/FileIO.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/Paths.h"
#include "platform/QtString.h"

namespace kord {

namespace {

bool WriteAllAt(int fd, const std::string& bytes, off_t at) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, at + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The whole content of an open file, from its start.
std::optional<std::string> ReadAllOf(int fd) {
    std::string bytes;
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
}

// Reads the written file back: a full disk may take the bytes and lose them on the way.
bool HoldsExactly(int fd, const std::string& bytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size != static_cast<off_t>(bytes.size())) return false;
    const std::optional<std::string> back = ReadAllOf(fd);
    return back && *back == bytes;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

SaveRefusal RefusalOf(int error) {
    switch (error) {
        case ENAMETOOLONG:
            return SaveRefusal::NameTooLong;
        case ELOOP:
            return SaveRefusal::LinkLoop;
        case EACCES:
            return SaveRefusal::FolderNotEntered;
        case ENOTDIR:
            return SaveRefusal::NotAFolder;
        case ENOENT:
            return SaveRefusal::NoFolder;
        case EROFS:
            return SaveRefusal::ReadOnlyDisk;
        case ENOSPC:
        case EDQUOT:
            return SaveRefusal::DiskFull;
        default:
            return SaveRefusal::Other;
    }
}

// The end of a chain of symbolic links, without an exception. A path that does not exist is its
// own end.
SaveTarget FollowLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return {path};
            return {path, RefusalOf(errno)};
        }
        if (!S_ISLNK(st.st_mode)) return {path};
        std::string to(4096, '\0');
        const ssize_t n = ::readlink(path.c_str(), to.data(), to.size());
        if (n <= 0) return {path, RefusalOf(errno)};
        if (static_cast<std::size_t>(n) >= to.size()) return {path, SaveRefusal::NameTooLong};
        to.resize(static_cast<std::size_t>(n));
        path = to.front() == '/' ? to : FolderOf(path) + "/" + to;
    }
    return {path, SaveRefusal::LinkLoop};
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A temporary file is ".kordelan-" and six letters or digits, as mkstemp makes them.
constexpr char kTempPrefix[] = ".kordelan-";
constexpr std::size_t kTempPrefixLength = sizeof kTempPrefix - 1;

bool IsTempName(const char* name) {
    if (std::strncmp(name, kTempPrefix, kTempPrefixLength) != 0) return false;
    const char* tail = name + kTempPrefixLength;
    return std::strlen(tail) == 6 && std::all_of(tail, tail + 6, [](char c) {
               return std::isalnum(static_cast<unsigned char>(c));
           });
}

// A temporary file is locked by its save from its first moment to its last: one that can be locked
// was left by a save that was killed, and is removed.
void RemoveLeftovers(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        // Only a regular file is opened: a device may act on being opened.
        struct stat found {};
        if (!IsTempName(entry->d_name) ||
            ::fstatat(dirFd, entry->d_name, &found, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(found.st_mode))
            continue;
        const int fd = ::openat(dirFd, entry->d_name,
                                O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_ino == held.st_ino && named.st_dev == held.st_dev)
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// A named temporary file, locked before anyone could take it for a leftover: one removed in the
// moment before the lock is given up for another.
int LockedTempFile(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::string temp = folder + "/" + kTempPrefix + "XXXXXX";
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        struct stat held {
        }, named{};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
            ::lstat(temp.c_str(), &named) == 0 && named.st_ino == held.st_ino) {
            name = temp;
            return fd;
        }
        ::close(fd);
    }
    return -1;
}

// A random name beside the target, that nothing else holds, for the unnamed file reached by
// `self` (its /proc name).
bool LinkUnderTempName(const std::string& self, const std::string& folder, std::string& name) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = folder + "/" + kTempPrefix;
        for (int k = 0; k < 6; ++k) temp += kLetters[device() % (sizeof kLetters - 1)];
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            name = temp;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The flags a user may set that say how a file is kept (chattr's d, A, S, c).
constexpr int kKeptFlags = FS_NODUMP_FL | FS_NOATIME_FL | FS_SYNC_FL | FS_COMPR_FL;

bool CopyFlags(int from, int to) {
    int flags = 0;
    // Not told: the file system keeps none.
    if (::ioctl(from, FS_IOC_GETFLAGS, &flags) != 0 || (flags & kKeptFlags) == 0) return true;
    int now = 0;
    if (::ioctl(to, FS_IOC_GETFLAGS, &now) != 0) return false;
    int wanted = (now & ~kKeptFlags) | (flags & kKeptFlags);
    return wanted == now || ::ioctl(to, FS_IOC_SETFLAGS, &wanted) == 0;
}

// The names of a file's extended attributes; nullopt when they cannot be read.
std::optional<std::vector<std::string>> AttributeNames(int fd) {
    const ssize_t size = ::flistxattr(fd, nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP ? std::optional(std::vector<std::string>{}) : std::nullopt;
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t got = ::flistxattr(fd, names.data(), names.size());
    if (got < 0) return std::nullopt;
    std::vector<std::string> out;
    for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
        const std::size_t end = names.find('\0', at);
        out.push_back(names.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

std::optional<std::string> AttributeValue(int fd, const std::string& name) {
    const ssize_t size = ::fgetxattr(fd, name.c_str(), nullptr, 0);
    if (size < 0) return std::nullopt;
    std::string value(static_cast<std::size_t>(size), '\0');
    const ssize_t got = ::fgetxattr(fd, name.c_str(), value.data(), value.size());
    if (got < 0) return std::nullopt;
    value.resize(static_cast<std::size_t>(got));
    return value;
}

// The extended attributes, the access-control list among them, become the old file's: each is
// copied, and those the new file got from its folder (a default ACL) but the old one lacks go.
// Attributes the system sets itself (security.*) count only where they differ.
bool CopyAttributes(int from, int to) {
    const std::optional<std::vector<std::string>> old = AttributeNames(from);
    if (!old) return false;
    for (const std::string& name : *old) {
        const std::optional<std::string> value = AttributeValue(from, name);
        if (!value) return false;
        if (::fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0 &&
            AttributeValue(to, name) != value)
            return false;
    }
    const std::optional<std::vector<std::string>> now = AttributeNames(to);
    if (!now) return false;
    for (const std::string& name : *now) {
        if (std::find(old->begin(), old->end(), name) != old->end()) continue;
        if (::fremovexattr(to, name.c_str()) != 0 && name.rfind("security.", 0) != 0) return false;
    }
    return true;
}

// Gives the new file everything of the old one but its bytes; false where that cannot be done.
bool CopyMetadata(int from, const struct stat& old, int to) {
    struct stat now {};
    if (!CopyFlags(from, to) || ::fstat(to, &now) != 0) return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(to, old.st_uid, old.st_gid) != 0)
        return false;
    // After the owner, which clears set-user-ID and set-group-ID; before the ACL, whose mask the
    // mode's group bits would otherwise change.
    if (::fchmod(to, old.st_mode & 07777) != 0 || !CopyAttributes(from, to)) return false;
    return ::fstat(to, &now) == 0 && (now.st_mode & 07777) == (old.st_mode & 07777) &&
           now.st_uid == old.st_uid && now.st_gid == old.st_gid;
}

// The same, from the file at `from`, which must be readable to be copied.
bool CopyMetadata(const std::string& from, const struct stat& old, int to) {
    const int fd = ::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool copied = CopyMetadata(fd, old, to);
    ::close(fd);
    return copied;
}

// Old bytes that could not be put back into their file are kept beside it, or failing that in the
// temporary folder.
std::string KeepCopy(const std::string& folder, const std::string& bytes) {
    for (const std::string& where : {folder, std::filesystem::temp_directory_path().string()}) {
        std::string copy = where + "/Kordelan-kopia-XXXXXX";
        const int fd = ::mkostemp(copy.data(), O_CLOEXEC);
        if (fd < 0) continue;
        const bool ok = WriteAllAt(fd, bytes, 0) && ::fsync(fd) == 0 && HoldsExactly(fd, bytes);
        if (::close(fd) == 0 && ok) return copy;
        ::unlink(copy.c_str());
    }
    return {};
}

}  // namespace

std::string RefusalText(SaveRefusal refusal) {
    switch (refusal) {
        case SaveRefusal::None:
            return {};
        case SaveRefusal::NameTooLong:
            return "Nazwa pliku lub ścieżka jest dłuższa, niż system pozwala.";
        case SaveRefusal::LinkLoop:
            return "Dowiązania symboliczne tworzą pętlę.";
        case SaveRefusal::FolderNotEntered:
            return "Nie można wejść do folderu (brak uprawnień).";
        case SaveRefusal::NotAFolder:
            return "Część ścieżki nie jest folderem.";
        case SaveRefusal::NoFolder:
            return "Folder nie istnieje.";
        case SaveRefusal::NotAFile:
            return "To nie jest zwykły plik.";
        case SaveRefusal::ReadOnlyFile:
            return "Plik jest tylko do odczytu.";
        case SaveRefusal::ReadOnlyFolder:
            return "W tym folderze nie można zapisywać.";
        case SaveRefusal::ReadOnlyDisk:
            return "Dysk jest tylko do odczytu.";
        case SaveRefusal::DiskFull:
            return "Na dysku brakuje miejsca.";
        case SaveRefusal::Other:
            break;
    }
    return "Nie można tu zapisać pliku.";
}

SaveTarget ReplaceableTarget(const std::string& path) {
    SaveTarget target = FollowLinks(path);
    if (!target) return target;
    struct stat st {};
    if (::stat(target.path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            target.refusal = SaveRefusal::NotAFile;
            return target;
        }
        // A read-only file is refused even where its owner or root could write it.
        if ((st.st_mode & 0222) == 0) {
            target.refusal = SaveRefusal::ReadOnlyFile;
            return target;
        }
        if (::access(target.path.c_str(), W_OK) != 0) {
            target.refusal = errno == EROFS ? SaveRefusal::ReadOnlyDisk : SaveRefusal::ReadOnlyFile;
            return target;
        }
    } else if (errno != ENOENT) {
        target.refusal = RefusalOf(errno);
        return target;
    }
    if (::access(FolderOf(target.path).c_str(), W_OK | X_OK) != 0)
        target.refusal = errno == EACCES ? SaveRefusal::ReadOnlyFolder : RefusalOf(errno);
    return target;
}

FileReplacement::FileReplacement(const std::string& path) {
    const SaveTarget target = ReplaceableTarget(path);
    refusal_ = target.refusal;
    if (!target) return;
    target_ = target.path;
    const std::string folder = FolderOf(target_);
    RemoveLeftovers(folder);
    // Unnamed until complete; reachable by name for another writer through /proc.
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
        temp_ = "/proc/self/fd/" + std::to_string(fd_);
        if (::flock(fd_, LOCK_EX) == 0 && ::access(temp_.c_str(), W_OK) == 0) {
            unnamed_ = true;
            return;
        }
        ::close(fd_);
        temp_.clear();
    }
    fd_ = LockedTempFile(folder, named_);
    if (fd_ >= 0)
        temp_ = named_;
    else
        refusal_ = RefusalOf(errno);
}

FileReplacement::~FileReplacement() {
    if (!named_.empty()) ::unlink(named_.c_str());
    if (fd_ >= 0) ::close(fd_);
}

bool FileReplacement::Write(const std::string& bytes) {
    if (fd_ < 0) return false;
    // After whatever an earlier call wrote.
    const off_t end = ::lseek(fd_, 0, SEEK_END);
    if (end >= 0 && WriteAllAt(fd_, bytes, end)) return true;
    if (errno == ENOSPC || errno == EDQUOT) refusal_ = SaveRefusal::DiskFull;
    return false;
}

bool FileReplacement::Commit(const std::optional<std::string>& bytes) {
    if (fd_ < 0) return false;
    if (::fsync(fd_) != 0 || (bytes && !HoldsExactly(fd_, *bytes))) return false;
    struct stat old {};
    if (::stat(target_.c_str(), &old) != 0) {
        if (errno != ENOENT) return false;
        if (CommitNew()) return true;
        // Something took the name meanwhile: it is replaced as any file would be.
        if (errno != EEXIST || ::stat(target_.c_str(), &old) != 0) return false;
    }
    if (!S_ISREG(old.st_mode)) return false;
    // One name, and all the old file was can be given to the new one: the new file is renamed
    // over it, which no failure can leave half done.
    if (old.st_nlink == 1 && CopyMetadata(target_, old, fd_)) return CommitByRename();
    const std::optional<std::string> content = bytes ? bytes : ReadAllOf(fd_);
    return content && CommitInPlace(*content);
}

bool FileReplacement::CommitNew() {
    if (unnamed_) {
        if (::linkat(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) != 0)
            return false;
    } else {
        // mkstemp's 0600, opened up as a new file would be.
        if (::fchmod(fd_, NewFileMode()) != 0 || ::link(named_.c_str(), target_.c_str()) != 0)
            return false;
        ::unlink(named_.c_str());
        named_.clear();
    }
    SyncFolder(FolderOf(target_));
    return true;
}

bool FileReplacement::CommitByRename() {
    if (unnamed_ && !LinkUnderTempName(temp_, FolderOf(target_), named_)) return false;
    // The rename is atomic: the target is the old file or the whole new one, never a part.
    if (::rename(named_.c_str(), target_.c_str()) != 0) return false;
    named_.clear();
    SyncFolder(FolderOf(target_));
    return true;
}

bool FileReplacement::CommitInPlace(const std::string& bytes) {
    const int fd = ::open(target_.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    std::optional<std::string> old;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !(old = ReadAllOf(fd))) {
        ::close(fd);
        return false;
    }
    // Room for the longer content is taken first: a full disk then refuses before a byte of the
    // old content is touched.
    if (bytes.size() > old->size() &&
        ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
        (errno == ENOSPC || errno == EDQUOT)) {
        refusal_ = SaveRefusal::DiskFull;
        ::close(fd);
        return false;
    }
    const auto put = [fd](const std::string& content) {
        return WriteAllAt(fd, content, 0) &&
               ::ftruncate(fd, static_cast<off_t>(content.size())) == 0 && ::fsync(fd) == 0 &&
               HoldsExactly(fd, content);
    };
    const bool written = put(bytes);
    if (!written && !put(*old)) {
        oldIntact_ = false;
        keptCopy_ = KeepCopy(FolderOf(target_), *old);
    }
    ::close(fd);
    return written;
}

WriteResult WriteFileAtomically(const std::string& path, const std::string& bytes) {
    FileReplacement file(path);
    WriteResult result;
    result.written = file.Write(bytes) && file.Commit(bytes);
    result.refusal = file.Refusal();
    result.oldIntact = file.OldIntact();
    result.keptCopy = file.KeptCopy();
    return result;
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
