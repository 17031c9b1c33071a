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
