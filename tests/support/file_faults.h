// Faults a test plans for the machine's disk: the Nth open (of a file for writing), write,
// close or rename fails, files that cannot be created, files that accept no byte. Every such
// operation is logged with whether it failed.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace mogura::test {

enum class FileOp { kOpen, kWrite, kClose, kRename };

class FileFaults {
 public:
  // Makes the `n`th operation of kind `op` fail, counted from 1 from now on (0: none), and
  // clears the log. A failed open creates nothing, a failed write writes nothing, a failed
  // close still closes, a failed rename leaves both files as they were.
  void failNth(FileOp op, int n);

  // Logs the operation on `path`; true when it is the one to fail.
  bool fails(FileOp op, const std::string& path);

  // The paths of the logged operations of kind `op`, in order.
  std::vector<std::string> pathsOf(FileOp op) const;

  struct Logged {
    FileOp op;
    std::string path;
    bool failed;
  };
  std::vector<Logged> ops;
  // Paths, as the program spells them, whose creation fails ...
  std::set<std::string> unopenable;
  // ... and whose creation leaves an empty file that refuses every byte, as on a full disk.
  std::set<std::string> failingWrites;

 private:
  FileOp failOp_ = FileOp::kOpen;
  int failAt_ = 0;
};

}  // namespace mogura::test
