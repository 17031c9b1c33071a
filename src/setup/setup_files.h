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

class SetupFiles {
 public:
  virtual ~SetupFiles() = default;

  // The entries of `folder` (which ends in a backslash), files and folders, without "." and
  // "..", in directory order. False when the folder cannot be listed.
  virtual bool listFolder(const std::string& folder, std::vector<FolderEntry>* entries) = 0;

  // True when `path` itself (not what it points to) is a link: a symbolic link, a junction or
  // a mount point. The levels above it are followed as the system follows them.
  virtual bool isLink(const std::string& path) = 0;

  // Removes the link `path` itself, never what it points to. False when `path` is no link, or
  // the system cannot tell that what it would delete is the link.
  virtual bool removeLink(const std::string& path) = 0;

  // Creates the folder `path` (the one above it exists) protected as the program-files folder
  // is: administrators and the system may do anything, users read and run, and nothing is
  // taken over from the folder above. False when it cannot be created.
  virtual bool createProtectedFolder(const std::string& path) = 0;

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
