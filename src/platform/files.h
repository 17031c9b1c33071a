// The file part of the platform edge. Paths are CP932 byte strings; each implementation
// converts them at its own edge (UTF-16 through code page 932 on Windows, UTF-8 on POSIX).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace mogura {

// A file opened for binary reading only. The mail store is only ever read through this.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Size of the file when it was opened.
  virtual std::uint64_t size() const = 0;
  // Reads up to `count` bytes at `offset` into `buffer`; `*got` receives the number read,
  // which is less than `count` only at the end of the file. False on an I/O error.
  virtual bool readAt(std::uint64_t offset, void* buffer, std::size_t count, std::size_t* got) = 0;
};

// A file opened for binary writing, created or truncated to empty.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual bool write(const void* data, std::size_t count) = 0;
  // Flushes and closes; false when any byte could not be written. Idempotent.
  virtual bool close() = 0;
};

// One entry of a folder listing.
struct FolderEntry {
  std::string name;  // the name alone, not the path
  bool isFolder = false;
  // A symbolic link, junction or mount point: it names something elsewhere, maybe far outside
  // the folder listed. `isFolder` then tells what it stands for.
  bool isLink = false;
};

enum class CopyOutcome { Copied, TargetInUse, TargetExists, Failed };

// The three numbers the system gives for a drive's free space.
struct DiskFreeSpace {
  std::uint64_t bytesPerSector = 0;
  std::uint64_t sectorsPerCluster = 0;
  std::uint64_t freeClusters = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The path separator of the platform: '\\' on Windows, '/' on POSIX.
  virtual char separator() const = 0;

  virtual std::unique_ptr<InputFile> openRead(const std::string& path) = 0;
  virtual std::unique_ptr<OutputFile> createFile(const std::string& path) = 0;

  virtual bool exists(const std::string& path) = 0;
  virtual bool isDirectory(const std::string& path) = 0;

  // Appends the names (not paths) of the plain files in `folder` whose names match `pattern`
  // (wildcards '*' and '?', ASCII case-insensitive as on Windows), in directory order.
  // False when the folder cannot be searched.
  virtual bool findFiles(const std::string& folder, const std::string& pattern,
                         std::vector<std::string>* names) = 0;

  virtual bool createFolder(const std::string& path) = 0;
  virtual bool removeFolder(const std::string& path) = 0;
  virtual bool removeFile(const std::string& path) = 0;
  virtual bool copyFile(const std::string& from, const std::string& to) = 0;
  // Moves `from` over `to` in one step, replacing `to` when it exists.
  virtual bool replaceFile(const std::string& from, const std::string& to) = 0;

  // What the setup program needs besides: links told apart, protection, attributes, free
  // space, short names, the system's deletion at its next start, and the current folder
  // against which relative paths are taken. A file system that does not offer one keeps its
  // default here, which refuses safely: the operation fails, a path counts as a link (so that
  // nothing is ever entered or written through what cannot be told apart), a path has no
  // short form.

  // The entries of `folder` (which ends in a separator), files and folders, without "." and
  // "..", in directory order. False when the folder cannot be listed.
  virtual bool listFolder(const std::string& folder, std::vector<FolderEntry>* entries);
  // True when `path` itself (not what it points to) is a link: a symbolic link, a junction or
  // a mount point. The levels above it are followed as the system follows them.
  virtual bool isLink(const std::string& path);
  // Removes the link `path` itself, never what it points to. False when `path` is no link, or
  // the system cannot tell that what it would delete is the link.
  virtual bool removeLink(const std::string& path);
  // Creates the folder `path` (the one above it exists) protected as the program-files folder
  // is: administrators and the system may do anything, users read and run, and nothing is
  // taken over from the folder above. False when it cannot be created.
  virtual bool createProtectedFolder(const std::string& path);
  // Copies the file `from` to `to`. Without `replaceExisting` an existing `to` is left alone
  // and gives TargetExists. TargetInUse: `to` is open elsewhere (a sharing violation).
  virtual CopyOutcome copy(const std::string& from, const std::string& to, bool replaceExisting);
  // Clears read-only and the other attributes of a file.
  virtual bool setNormalAttributes(const std::string& path);
  // The free space of the drive that holds `path`; false when it cannot be determined.
  virtual bool freeSpace(const std::string& path, DiskFreeSpace* space);
  // The short (8.3) form of an existing path; the path itself where there is none.
  virtual std::string shortPath(const std::string& path);
  // Asks the system to delete `path` when it next starts; false when it refuses.
  virtual bool deleteAtRestart(const std::string& path);
  virtual bool setCurrentFolder(const std::string& folder);
};

// The file system of the platform the program runs on.
FileSystem& HostFileSystem();

// The user's folder for temporary files, ending in the platform's separator (on Windows the
// folder the system names for it, on POSIX $TMPDIR or /tmp). Empty when there is none whose
// name can be written in CP932.
std::string UserTemporaryFolder();

// Reads a whole file of at most `limit` bytes into `*bytes`. False when the file cannot be
// opened or read, or is larger than `limit` (nothing is allocated for it then).
bool ReadWholeFile(FileSystem& fs, const std::string& path, std::uint64_t limit, std::string* bytes);

// Writes `bytes` to a temporary file beside `path`, then moves it over `path`: readers see
// either the old file or the new one, never a part.
bool WriteFileAtomically(FileSystem& fs, const std::string& path, const std::string& bytes);

// True when `name` matches `pattern` ('*' any run, '?' one character; a double-byte
// character counts as one; ASCII letters compare case-insensitively).
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace mogura
