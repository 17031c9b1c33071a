// What the setup program needs of the file system beyond FileSystem. Paths are CP932 bytes;
// a relative path is taken from the current folder (SetupSystem::setCurrentFolder).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mogura {

struct FolderEntry {
  std::string name;  // the name alone, not the path
  bool isFolder = false;
};

enum class CopyOutcome { Copied, TargetInUse, TargetExists, Failed };

// The three numbers the system gives for a drive's free space.
struct DiskFreeSpace {
  std::uint64_t bytesPerSector = 0;
  std::uint64_t sectorsPerCluster = 0;
  std::uint64_t freeClusters = 0;
};

class SetupFiles {
 public:
  virtual ~SetupFiles() = default;

  // The entries of `folder` (which ends in a backslash), files and folders, without "." and
  // "..", in directory order. False when the folder cannot be listed.
  virtual bool listFolder(const std::string& folder, std::vector<FolderEntry>* entries) = 0;

  // Copies the file `from` to `to`. Without `replaceExisting` an existing `to` is left alone
  // and gives TargetExists. TargetInUse: `to` is open elsewhere (a sharing violation).
  virtual CopyOutcome copy(const std::string& from, const std::string& to, bool replaceExisting) = 0;

  // Clears read-only and the other attributes of a file.
  virtual bool setNormalAttributes(const std::string& path) = 0;

  // The free space of the drive that holds `path`; false when it cannot be determined.
  virtual bool freeSpace(const std::string& path, DiskFreeSpace* space) = 0;

  // The short (8.3) form of an existing path; the path itself where there is none.
  virtual std::string shortPath(const std::string& path) = 0;

  // Asks the system to delete `path` when it next starts; false when it refuses.
  virtual bool deleteAtRestart(const std::string& path) = 0;
};

}  // namespace mogura
