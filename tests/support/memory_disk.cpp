#include "support/memory_disk.h"

#include <algorithm>
#include <cstring>

#include "base/cp932.h"
#include "base/path_parts.h"

namespace mogura::test {
namespace {

class MemoryInput : public InputFile {
 public:
  MemoryInput(MemoryDisk* disk, const MemoryDisk::Node& node)
      : disk_(disk), bytes_(node.bytes), size_(node.claimedSize.value_or(node.bytes->size())),
        failFrom_(node.readsFailFrom) {}
  std::uint64_t size() const override { return size_; }
  bool readAt(std::uint64_t offset, void* buffer, std::size_t count, std::size_t* got) override {
    *got = 0;
    disk_->largestRequest = std::max(disk_->largestRequest, count);
    if (count > 0 && offset + count > failFrom_) return false;
    if (offset >= bytes_->size()) return true;
    *got = static_cast<std::size_t>(std::min<std::uint64_t>(count, bytes_->size() - offset));
    std::memcpy(buffer, bytes_->data() + offset, *got);
    disk_->bytesRead += *got;
    return true;
  }

 private:
  MemoryDisk* disk_;
  std::shared_ptr<const std::string> bytes_;
  const std::uint64_t size_;
  const std::uint64_t failFrom_;
};

// A file open for writing whose writes and close are logged, and fail when planned.
class MemoryOutput : public OutputFile {
 public:
  MemoryOutput(FileFaults* faults, std::string path, std::shared_ptr<std::string> bytes)
      : faults_(faults), path_(std::move(path)), bytes_(std::move(bytes)) {}
  bool write(const void* data, std::size_t count) override {
    if (closed_) return false;
    if (faults_->fails(FileOp::kWrite, path_)) {
      failed_ = true;
      return false;
    }
    bytes_->append(static_cast<const char*>(data), count);
    return !failed_;
  }
  bool close() override {
    if (closed_) return !failed_;
    closed_ = true;
    if (faults_->fails(FileOp::kClose, path_)) failed_ = true;
    return !failed_;
  }

 private:
  FileFaults* faults_;
  std::string path_;
  std::shared_ptr<std::string> bytes_;
  bool failed_ = false;
  bool closed_ = false;
};

// A file on a full disk: it exists, but takes no byte.
class RefusingOutput : public OutputFile {
 public:
  bool write(const void*, std::size_t) override { return false; }
  bool close() override { return false; }
};

}  // namespace

MemoryDisk::MemoryDisk() { addFolder("C:"); }

std::string MemoryDisk::absolute(const std::string& path) const {
  std::string full;
  if (path.size() >= 2 && path[1] == ':') {
    full = path;
  } else if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
    full = currentFolder.substr(0, 2) + path;
  } else {
    full = WithTrailingSeparator(currentFolder, '\\') + path;
  }
  for (std::size_t i = 0; i < full.size(); i += CharLengthAt(full, i)) {
    if (full[i] == '/') full[i] = '\\';
  }
  return std::string(WithoutTrailingSeparator(full, '\\'));
}

const MemoryDisk::Node* MemoryDisk::find(const std::string& path) const {
  const auto* entry = tree_.find(absolute(path));
  return entry ? &entry->value : nullptr;
}

MemoryDisk::Node* MemoryDisk::node(const std::string& path) { return const_cast<Node*>(find(path)); }

bool MemoryDisk::hasFolder(const std::string& path) const {
  const Node* n = find(path);
  return n && n->folder;
}

bool MemoryDisk::parentIsFolder(const std::string& full) const {
  const auto* parent = tree_.find(PathTree<Node>::ParentOf(full));
  return parent && parent->value.folder;
}

std::string MemoryDisk::bytesOf(const std::string& path) const {
  const Node* n = find(path);
  return n && !n->folder ? *n->bytes : std::string();
}

std::string MemoryDisk::addFolder(const std::string& path) {
  const std::string full = absolute(path);
  for (std::size_t end = FindCharDbcs(full, '\\'); end != std::string::npos; end = FindCharDbcs(full, '\\', end + 1)) {
    if (!tree_.find(full.substr(0, end))) tree_.put(full.substr(0, end)).value.folder = true;
  }
  tree_.put(full).value.folder = true;
  return full + '\\';
}

MemoryDisk::Node& MemoryDisk::addFile(const std::string& path, const std::string& bytes) {
  const std::string full = absolute(path);
  addFolder(PathTree<Node>::ParentOf(full));
  Node& n = tree_.put(full).value;
  n.folder = false;
  *n.bytes = bytes;
  return n;
}

MemoryDisk::Node* MemoryDisk::emptyFile(const std::string& path) {
  const std::string full = absolute(path);
  if (hasFolder(full) || !parentIsFolder(full)) return nullptr;
  Node& n = tree_.put(full).value;
  n.bytes->clear();  // the file is truncated: what is open on it sees that
  return &n;
}

std::unique_ptr<InputFile> MemoryDisk::openRead(const std::string& path) {
  const Node* n = find(path);
  if (!n || n->folder) return nullptr;
  opened.push_back(path);
  return std::make_unique<MemoryInput>(this, *n);
}

std::unique_ptr<OutputFile> MemoryDisk::createFile(const std::string& path) {
  created.push_back(path);
  if (faults.fails(FileOp::kOpen, path) || faults.unopenable.count(path)) return nullptr;
  Node* n = emptyFile(path);
  if (!n) return nullptr;
  if (faults.failingWrites.count(path)) return std::make_unique<RefusingOutput>();
  return std::make_unique<MemoryOutput>(&faults, path, n->bytes);
}

bool MemoryDisk::findFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) {
  const std::string full = absolute(folder);
  if (!hasFolder(full)) return false;
  for (const auto* entry : tree_.children(full)) {
    const std::string name = PathTree<Node>::NameOf(entry->path);
    if (!entry->value.folder && MatchesPattern(name, pattern)) names->push_back(name);
  }
  return true;
}

bool MemoryDisk::createFolder(const std::string& path) {
  const std::string full = absolute(path);
  if (has(full) || !parentIsFolder(full)) return false;
  tree_.put(full).value.folder = true;
  return true;
}

bool MemoryDisk::removeFolder(const std::string& path) {
  const std::string full = absolute(path);
  if (!hasFolder(full) || tree_.hasChildren(full)) return false;
  return tree_.erase(full);
}

bool MemoryDisk::removeFile(const std::string& path) {
  const std::string full = absolute(path);
  const Node* n = find(full);
  if (!n || n->folder) return false;
  return tree_.erase(full);
}

bool MemoryDisk::copyFile(const std::string& from, const std::string& to) {
  const Node* source = find(from);
  if (!source || source->folder) return false;
  const std::string bytes = *source->bytes;
  Node* target = emptyFile(to);
  if (!target) return false;
  *target->bytes = bytes;
  return true;
}

bool MemoryDisk::replaceFile(const std::string& from, const std::string& to) {
  if (faults.fails(FileOp::kRename, to)) return false;
  const std::string source = absolute(from), target = absolute(to);
  const Node* moving = find(source);
  if (!moving || moving->folder || hasFolder(target) || !parentIsFolder(target)) return false;
  if (AsciiFolded(source) == AsciiFolded(target)) return true;
  // The name stays where it was in its folder when it was there; the files open on the old
  // target keep reading its old bytes.
  Node moved = *moving;
  tree_.erase(source);
  tree_.put(target).value = std::move(moved);
  return true;
}

}  // namespace mogura::test
