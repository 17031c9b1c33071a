#include "support/fake_platform.h"

namespace mogura::test {
namespace {

class RefusingFile : public OutputFile {
 public:
  bool write(const void*, std::size_t) override { return false; }
  bool close() override { return false; }
};

}  // namespace

std::unique_ptr<OutputFile> FaultyFileSystem::createFile(const std::string& path) {
  created.push_back(path);
  if (unopenable.count(path)) return nullptr;
  if (failingWrites.count(path)) {
    host_.createFile(path);  // the file exists, as on a full disk, but holds nothing
    return std::make_unique<RefusingFile>();
  }
  return host_.createFile(path);
}

}  // namespace mogura::test
