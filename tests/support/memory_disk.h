// The test machine's disk: a Windows file system in memory. Paths use backslashes (a slash
// counts as one), start with a drive ("C:\...") or are taken from the current folder, and
// name folders and files without regard to the case of ASCII letters; a folder lists what it
// holds in creation order. Reads, creations, writes, closes and renames can be made to fail,
// and are logged. Links (symbolic links, junctions) behave as on Windows: opening, creating
// and copying follow every link on the way, the last one too; removing a link removes the
// link alone; a circle of links leads nowhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/file_faults.h"
#include "support/path_tree.h"

namespace mogura::test {

class MemoryDisk : public FileSystem {
 public:
  struct Node {
    bool folder = false;
    // A file's bytes, shared with the files open on it: an open file reads what is there now.
    std::shared_ptr<std::string> bytes = std::make_shared<std::string>();
    // A read that touches a byte at or after this offset fails, as on a damaged disk.
    std::uint64_t readsFailFrom = std::numeric_limits<std::uint64_t>::max();
    // The size an opened file reports instead of its own, as a file that shrank after it was
    // opened does.
    std::optional<std::uint64_t> claimedSize;
    bool readOnly = false;
    bool inUse = false;        // open elsewhere: cannot be replaced or deleted
    bool undeletable = false;  // deleting or removing fails
    bool isProtected = false;  // made by createProtectedFolder
    std::string linkTarget;    // a link to this absolute path
  };

  // A disk with an empty drive C:.
  MemoryDisk();

  // Test set-up: a folder, a file holding `bytes` or a link, with every folder above it.
  // addFolder returns the folder's path ending in a backslash. A link to a folder is a folder
  // to the system's eyes (its attributes say so), as a junction is.
  std::string addFolder(const std::string& path);
  Node& addFile(const std::string& path, const std::string& bytes = "x");
  Node& addLink(const std::string& path, const std::string& target, bool toFolder);
  // These look at `path` itself: the links above it are followed, a link at its end is not.
  bool has(const std::string& path) const { return find(path) != nullptr; }
  bool hasFolder(const std::string& path) const;
  bool isProtectedFolder(const std::string& path) const;
  // The node at `path`, or null.
  Node* node(const std::string& path);
  // The bytes of the file at `path`; empty when there is none.
  std::string bytesOf(const std::string& path) const;
  // Every path below `folder`, as spelled, in creation order.
  std::vector<std::string> below(const std::string& folder) const;

  // Where a path without a drive is taken from.
  std::string currentFolder = "C:\\";
  FileFaults faults;
  // Every path createFile was asked for, in order.
  std::vector<std::string> created;
  // Every path opened for reading, in order; the bytes all reads gave, and the largest single
  // request.
  std::vector<std::string> opened;
  std::uint64_t bytesRead = 0;
  std::size_t largestRequest = 0;
  // What the system tells of the disk, and what it does at a restart.
  std::optional<DiskFreeSpace> space = DiskFreeSpace{512, 8, 10000000};
  std::map<std::string, std::string> shortNames;
  bool acceptsDeleteAtRestart = true;
  std::vector<std::string> deletedAtRestart;
  // Paths (as given) whose folder cannot be made.
  std::set<std::string> uncreatableFolders;

  // FileSystem
  char separator() const override { return '\\'; }
  std::unique_ptr<InputFile> openRead(const std::string& path) override;
  std::unique_ptr<OutputFile> createFile(const std::string& path) override;
  bool exists(const std::string& path) override { return has(path); }
  bool isDirectory(const std::string& path) override { return hasFolder(path); }
  bool findFiles(const std::string& folder, const std::string& pattern,
                 std::vector<std::string>* names) override;
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  bool removeFile(const std::string& path) override;
  bool copyFile(const std::string& from, const std::string& to) override;
  bool replaceFile(const std::string& from, const std::string& to) override;
  bool listFolder(const std::string& folder, std::vector<FolderEntry>* entries) override;
  bool isLink(const std::string& path) override;
  bool removeLink(const std::string& path) override;
  bool createProtectedFolder(const std::string& path) override;
  CopyOutcome copy(const std::string& from, const std::string& to, bool replaceExisting) override;
  bool setNormalAttributes(const std::string& path) override;
  bool freeSpace(const std::string& path, DiskFreeSpace* result) override;
  std::string shortPath(const std::string& path) override;
  bool deleteAtRestart(const std::string& path) override;
  bool setCurrentFolder(const std::string& folder) override {
    currentFolder = folder;
    return true;
  }

 private:
  // The path from the drive on, with backslashes and no trailing one ("C:" for the root).
  std::string absolute(const std::string& path) const;
  // The absolute path with the links on the way replaced by where they point, the last level
  // too when `followLast`; none when a link leads in a circle or through nothing.
  std::optional<std::string> resolved(const std::string& path, bool followLast) const;
  std::optional<std::string> resolved(const std::string& path, bool followLast, int* hops) const;
  const Node* find(const std::string& path) const;  // the last level not followed
  const Node* findFollowed(const std::string& path) const;
  bool parentIsFolder(const std::string& full) const;
  // The file node at the resolved path `real`, made empty (in an existing folder); null when
  // it cannot be.
  Node* emptyFile(const std::string& real);

  PathTree<Node> tree_;
};

}  // namespace mogura::test
