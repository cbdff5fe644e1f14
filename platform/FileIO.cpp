#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>

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

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    // The bytes go to a temporary file beside the target; only a file that is proven complete
    // on the disk replaces the old one, by a rename, which is atomic.
    namespace fs = std::filesystem;
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        target = fs::canonical(target, ec);
        if (ec) return false;
    }
    std::string temp = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    // The permissions of the file replaced, or those of a new file under the umask.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0 &&
                         HoldsExactly(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes) {
    QFile file(Q(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.read(static_cast<qint64>(maxBytes));
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return data.toStdString();
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
