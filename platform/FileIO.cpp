#include "platform/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/Paths.h"

namespace kord {

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes) {
    QFile file(QString::fromStdString(path));
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
    const QString beside = QString::fromStdString(ProgramPath("Data"));
    if (UsableFolder(beside)) return beside.toStdString();
    if (UsableFolder(user)) return user.toStdString();
    return beside.toStdString();
}

}  // namespace kord
