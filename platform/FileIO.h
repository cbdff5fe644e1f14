#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kord {

// The file a new version of `path` replaces: the end of its chain of symbolic links, so that
// a link stays a link. Nullopt when it cannot be replaced: a link loop, a folder that cannot
// be entered, something other than a regular file, or a read-only file.
std::optional<std::string> ReplaceableTarget(const std::string& path);

// A new version of a file, written to a temporary file beside it (under a short name, so any
// name the file system takes can be written) and put in its place only when complete. Dropped
// without Commit, it removes the temporary file and the old file stays as it was.
class FileReplacement {
  public:
    explicit FileReplacement(const std::string& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when the target cannot be replaced or the temporary file not created.
    bool Ready() const { return fd_ >= 0; }
    const std::string& TempPath() const { return temp_; }
    bool Write(const std::string& bytes);
    // Proves the temporary file holds exactly `bytes` on the disk (or, when not given, syncs
    // it), gives it the permissions of the file it replaces, and renames it over the target.
    bool Commit(const std::optional<std::string>& bytes = std::nullopt);

  private:
    std::string target_;
    std::string temp_;
    int fd_ = -1;
};

// Writes the whole file or nothing: on any failure the previous file stays as it was.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

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
