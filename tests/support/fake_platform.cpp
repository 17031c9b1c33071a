#include "support/fake_platform.h"

namespace mogura::test {
namespace {

class RefusingFile : public OutputFile {
 public:
  bool write(const void*, std::size_t) override { return false; }
  bool close() override { return false; }
};

// A host file whose writes and close are counted, and fail when told.
class CountedFile : public OutputFile {
 public:
  CountedFile(FaultyFileSystem* owner, std::string path, std::unique_ptr<OutputFile> file)
      : owner_(owner), path_(std::move(path)), file_(std::move(file)) {}
  bool write(const void* data, std::size_t count) override {
    if (owner_->fails(FileOp::kWrite, path_)) {
      failed_ = true;
      return false;
    }
    return file_->write(data, count) && !failed_;
  }
  bool close() override {
    if (closed_) return !failed_;
    closed_ = true;
    const bool closedWell = file_->close();
    if (owner_->fails(FileOp::kClose, path_)) failed_ = true;
    return closedWell && !failed_;
  }

 private:
  FaultyFileSystem* owner_;
  std::string path_;
  std::unique_ptr<OutputFile> file_;
  bool failed_ = false;
  bool closed_ = false;
};

}  // namespace

bool FaultyFileSystem::fails(FileOp op, const std::string& path) {
  int seen = 0;
  for (const Logged& logged : ops) seen += logged.op == op ? 1 : 0;
  const bool fail = op == failOp_ && seen + 1 == failAt_;
  ops.push_back({op, path, fail});
  return fail;
}

std::vector<std::string> FaultyFileSystem::pathsOf(FileOp op) const {
  std::vector<std::string> paths;
  for (const Logged& logged : ops) {
    if (logged.op == op) paths.push_back(logged.path);
  }
  return paths;
}

bool FaultyFileSystem::replaceFile(const std::string& from, const std::string& to) {
  if (fails(FileOp::kRename, to)) return false;
  return host_.replaceFile(from, to);
}

std::unique_ptr<OutputFile> FaultyFileSystem::createFile(const std::string& path) {
  created.push_back(path);
  if (fails(FileOp::kOpen, path)) return nullptr;
  if (unopenable.count(path)) return nullptr;
  if (failingWrites.count(path)) {
    host_.createFile(path);  // the file exists, as on a full disk, but holds nothing
    return std::make_unique<RefusingFile>();
  }
  auto file = host_.createFile(path);
  if (!file) return nullptr;
  return std::make_unique<CountedFile>(this, path, std::move(file));
}

}  // namespace mogura::test
