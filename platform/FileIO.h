#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kord {

// Why a file cannot be written under a name.
enum class SaveRefusal {
    None,
    NameTooLong,  // the name or the whole path is longer than the system allows
    LinkLoop,     // its symbolic links lead round in a loop
    FolderNotEntered,
    NotAFolder,  // a part of the path is a file
    NoFolder,    // the folder does not exist
    NotAFile,    // a folder, a pipe, a device
    ReadOnlyFile,
    ReadOnlyFolder,
    ReadOnlyDisk,
    DiskFull,  // no room or no file left on the disk, or the user's quota used up
    Other,
};

// The reason, as one sentence for the user.
std::string RefusalText(SaveRefusal refusal);

struct SaveTarget {
    std::string path;  // the end of the chain of symbolic links, so that a link stays a link
    SaveRefusal refusal = SaveRefusal::None;
    explicit operator bool() const { return refusal == SaveRefusal::None; }
};

// The file a new version of `path` replaces, or why it cannot be replaced. A file that does not
// exist yet is its own target.
SaveTarget ReplaceableTarget(const std::string& path);

// A new version of a file, written first to a file of its own beside it and put in its place only
// when complete, so that the old file stays whole whatever happens before.
//
// The new file has no name while it is written (where the file system allows), so a save that is
// killed leaves nothing behind; a named temporary file is locked for as long as its save runs, and
// the next save removes those whose save is gone. The replaced file keeps its owner, group,
// permissions, access-control list, extended attributes and file flags. Where the new file cannot
// be given all of them (a file of another owner, for a user who is not root) or where the file has
// several names (hard links), the new bytes are written into the existing file instead: on a
// failure its old bytes are put back, or kept in a copy that `KeptCopy` names.
class FileReplacement {
  public:
    explicit FileReplacement(const std::string& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when the target cannot be replaced (`Refusal` says why) or no new file was created.
    bool Ready() const { return fd_ >= 0; }
    SaveRefusal Refusal() const { return refusal_; }
    // A name under which another writer can open the new file.
    const std::string& TempPath() const { return temp_; }
    bool Write(const std::string& bytes);
    // Proves the new file holds exactly `bytes` on the disk (or, when not given, syncs it) and
    // puts it in the target's place.
    bool Commit(const std::optional<std::string>& bytes = std::nullopt);
    // False after a failed write into the existing file whose old bytes could not be put back;
    // `KeptCopy` then names the file that holds them (empty where none could be written).
    bool OldIntact() const { return oldIntact_; }
    const std::string& KeptCopy() const { return keptCopy_; }

  private:
    bool CommitNew();
    bool CommitByRename();
    bool CommitInPlace(const std::string& bytes);
    bool NameTempFile();

    std::string target_;
    std::string temp_;
    std::string named_;  // the temporary file's own name in the folder, while it has one
    int fd_ = -1;
    bool unnamed_ = false;
    SaveRefusal refusal_ = SaveRefusal::None;
    bool oldIntact_ = true;
    std::string keptCopy_;
};

struct WriteResult {
    bool written = false;
    SaveRefusal refusal = SaveRefusal::None;  // why nothing was written, where it is known
    bool oldIntact = true;                    // see FileReplacement::OldIntact
    std::string keptCopy;
};

// Writes the whole file or nothing: on any failure the previous content stays (or its copy).
WriteResult WriteFileAtomically(const std::string& path, const std::string& bytes);

// The start of a file, read without ever blocking: a pipe, socket, device or folder is refused
// at once, before it is opened for reading.
struct FileHead {
    enum class Status { Read, Unreadable, NotAFile } status = Status::Unreadable;
    std::string bytes;  // the first maxBytes bytes (fewer when the file is shorter)
    bool cut = false;   // the file goes on beyond them
};
FileHead ReadFileHead(const std::string& path, std::size_t maxBytes);

// The folder of input files, created when asked for: `Data` in the program folder of a build
// tree, or `Data` in the user's documents folder for an installed program (and for a program
// folder that cannot be written).
std::string DataFolder();

}  // namespace kord
