// The test machine's disk: a Windows file system in memory. Paths use backslashes (a slash
// counts as one), start with a drive ("C:\...") or are taken from the current folder, and
// name folders and files without regard to the case of ASCII letters; a folder lists what it
// holds in creation order. Reads, creations, writes, closes and renames can be made to fail,
// and are logged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
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
  };

  // A disk with an empty drive C:.
  MemoryDisk();

  // Test set-up: a folder, or a file holding `bytes`, with every folder above it. addFolder
  // returns the folder's path ending in a backslash.
  std::string addFolder(const std::string& path);
  Node& addFile(const std::string& path, const std::string& bytes);
  bool has(const std::string& path) const { return find(path) != nullptr; }
  bool hasFolder(const std::string& path) const;
  // The node at `path`, or null.
  Node* node(const std::string& path);
  // The bytes of the file at `path`; empty when there is none.
  std::string bytesOf(const std::string& path) const;

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

  // FileSystem
  char separator() const override { return '\\'; }
  std::unique_ptr<InputFile> openRead(const std::string& path) override;
  std::unique_ptr<OutputFile> createFile(const std::string& path) override;
  bool exists(const std::string& path) override { return has(path); }
  bool isDirectory(const std::string& path) override { return hasFolder(path); }
  bool findFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) override;
  bool createFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  bool removeFile(const std::string& path) override;
  bool copyFile(const std::string& from, const std::string& to) override;
  bool replaceFile(const std::string& from, const std::string& to) override;

 private:
  // The path from the drive on, with backslashes and no trailing one ("C:" for the root).
  std::string absolute(const std::string& path) const;
  const Node* find(const std::string& path) const;
  bool parentIsFolder(const std::string& full) const;
  // The file node at `path`, made empty (in an existing folder); null when it cannot be.
  Node* emptyFile(const std::string& path);

  PathTree<Node> tree_;
};

}  // namespace mogura::test
