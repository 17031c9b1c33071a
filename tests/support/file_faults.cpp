#include "support/file_faults.h"

namespace mogura::test {

void FileFaults::failNth(FileOp op, int n) {
  failOp_ = op;
  failAt_ = n;
  ops.clear();
}

bool FileFaults::fails(FileOp op, const std::string& path) {
  int seen = 0;
  for (const Logged& logged : ops) seen += logged.op == op ? 1 : 0;
  const bool fail = op == failOp_ && seen + 1 == failAt_;
  ops.push_back({op, path, fail});
  return fail;
}

std::vector<std::string> FileFaults::pathsOf(FileOp op) const {
  std::vector<std::string> paths;
  for (const Logged& logged : ops) {
    if (logged.op == op) paths.push_back(logged.path);
  }
  return paths;
}

}  // namespace mogura::test
