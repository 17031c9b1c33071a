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
      : disk_(disk),
        bytes_(node.bytes),
        size_(node.claimedSize.value_or(node.bytes->size())),
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

std::optional<std::string> MemoryDisk::resolved(const std::string& path, bool followLast) const {
  int hops = 0;
  return resolved(path, followLast, &hops);
}

std::optional<std::string> MemoryDisk::resolved(const std::string& path, bool followLast,
                                                int* hops) const {
  // Windows gives up after a few dozen links on one path; a circle never ends otherwise.
  constexpr int kMostLinks = 31;
  const std::string full = absolute(path);
  std::string real;
  for (std::size_t begin = 0;;) {
    const std::size_t end = FindCharDbcs(full, '\\', begin);
    if (begin > 0) real += '\\';
    real.append(full, begin, end == std::string::npos ? std::string::npos : end - begin);
    const bool last = end == std::string::npos;
    if (!last || followLast) {
      const auto* entry = tree_.find(real);
      if (entry && !entry->value.linkTarget.empty()) {
        if (++*hops > kMostLinks) return std::nullopt;
        std::optional<std::string> target = resolved(entry->value.linkTarget, true, hops);
        if (!target) return std::nullopt;
        real = std::move(*target);
      }
    }
    if (last) return real;
    begin = end + 1;
  }
}

const MemoryDisk::Node* MemoryDisk::find(const std::string& path) const {
  const std::optional<std::string> real = resolved(path, false);
  const auto* entry = real ? tree_.find(*real) : nullptr;
  return entry ? &entry->value : nullptr;
}

const MemoryDisk::Node* MemoryDisk::findFollowed(const std::string& path) const {
  const std::optional<std::string> real = resolved(path, true);
  const auto* entry = real ? tree_.find(*real) : nullptr;
  return entry ? &entry->value : nullptr;
}

MemoryDisk::Node* MemoryDisk::node(const std::string& path) { return const_cast<Node*>(find(path)); }

bool MemoryDisk::hasFolder(const std::string& path) const {
  const Node* n = find(path);
  return n && n->folder;
}

bool MemoryDisk::isProtectedFolder(const std::string& path) const {
  const Node* n = find(path);
  return n && n->folder && n->isProtected;
}

bool MemoryDisk::parentIsFolder(const std::string& full) const {
  const auto* parent = tree_.find(PathTree<Node>::ParentOf(full));
  return parent && parent->value.folder;
}

std::string MemoryDisk::bytesOf(const std::string& path) const {
  const Node* n = find(path);
  return n && !n->folder ? *n->bytes : std::string();
}

std::vector<std::string> MemoryDisk::below(const std::string& folder) const {
  std::vector<std::string> paths;
  for (const auto* entry : tree_.below(absolute(folder))) paths.push_back(entry->path);
  return paths;
}

std::string MemoryDisk::addFolder(const std::string& path) {
  const std::string full = absolute(path);
  for (std::size_t end = FindCharDbcs(full, '\\'); end != std::string::npos;
       end = FindCharDbcs(full, '\\', end + 1)) {
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

MemoryDisk::Node& MemoryDisk::addLink(const std::string& path, const std::string& target,
                                      bool toFolder) {
  const std::string full = absolute(path);
  addFolder(PathTree<Node>::ParentOf(full));
  Node& n = tree_.put(full).value;
  n.folder = toFolder;
  n.linkTarget = target;
  return n;
}

MemoryDisk::Node* MemoryDisk::emptyFile(const std::string& real) {
  const auto* entry = tree_.find(real);
  if (entry && (entry->value.folder || entry->value.inUse || entry->value.readOnly)) return nullptr;
  if (!parentIsFolder(real)) return nullptr;
  Node& n = tree_.put(real).value;
  n.bytes->clear();  // the file is truncated: what is open on it sees that
  return &n;
}

std::unique_ptr<InputFile> MemoryDisk::openRead(const std::string& path) {
  const Node* n = findFollowed(path);
  if (!n || n->folder) return nullptr;
  opened.push_back(path);
  return std::make_unique<MemoryInput>(this, *n);
}

std::unique_ptr<OutputFile> MemoryDisk::createFile(const std::string& path) {
  created.push_back(path);
  if (faults.fails(FileOp::kOpen, path) || faults.unopenable.count(path)) return nullptr;
  const std::optional<std::string> real = resolved(path, true);
  Node* n = real ? emptyFile(*real) : nullptr;
  if (!n) return nullptr;
  if (faults.failingWrites.count(path)) return std::make_unique<RefusingOutput>();
  return std::make_unique<MemoryOutput>(&faults, path, n->bytes);
}

bool MemoryDisk::findFiles(const std::string& folder, const std::string& pattern,
                           std::vector<std::string>* names) {
  std::vector<FolderEntry> entries;
  if (!listFolder(folder, &entries)) return false;
  for (const FolderEntry& entry : entries) {
    if (!entry.isFolder && MatchesPattern(entry.name, pattern)) names->push_back(entry.name);
  }
  return true;
}

bool MemoryDisk::listFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  const std::optional<std::string> real = resolved(folder, true);
  if (!real || !hasFolder(*real)) return false;
  for (const auto* child : tree_.children(*real)) {
    entries->push_back({PathTree<Node>::NameOf(child->path), child->value.folder,
                        !child->value.linkTarget.empty()});
  }
  return true;
}

bool MemoryDisk::createFolder(const std::string& path) {
  const std::optional<std::string> real = resolved(path, false);
  if (!real || has(*real) || !parentIsFolder(*real) || uncreatableFolders.count(path)) return false;
  tree_.put(*real).value.folder = true;
  return true;
}

bool MemoryDisk::createProtectedFolder(const std::string& path) {
  if (!createFolder(path)) return false;
  node(path)->isProtected = true;
  return true;
}

bool MemoryDisk::removeFolder(const std::string& path) {
  const std::optional<std::string> real = resolved(path, false);
  const Node* n = real ? find(*real) : nullptr;
  if (!n || !n->folder || n->undeletable) return false;
  // A junction goes by itself, whatever its target holds.
  if (n->linkTarget.empty() && tree_.hasChildren(*real)) return false;
  return tree_.erase(*real);
}

bool MemoryDisk::removeFile(const std::string& path) {
  const std::optional<std::string> real = resolved(path, false);
  const Node* n = real ? find(*real) : nullptr;
  if (!n || n->folder || n->undeletable || n->inUse || n->readOnly) return false;
  return tree_.erase(*real);
}

bool MemoryDisk::isLink(const std::string& path) {
  const Node* n = find(path);
  return n && !n->linkTarget.empty();
}

bool MemoryDisk::removeLink(const std::string& path) {
  const std::optional<std::string> real = resolved(path, false);
  const Node* n = real ? find(*real) : nullptr;
  if (!n || n->linkTarget.empty() || n->undeletable) return false;
  return tree_.erase(*real);
}

bool MemoryDisk::copyFile(const std::string& from, const std::string& to) {
  return copy(from, to, true) == CopyOutcome::Copied;
}

CopyOutcome MemoryDisk::copy(const std::string& from, const std::string& to, bool replaceExisting) {
  const Node* source = findFollowed(from);
  const std::optional<std::string> realTo = resolved(to, true);
  if (!source || source->folder || !realTo || !parentIsFolder(*realTo)) return CopyOutcome::Failed;
  if (const Node* target = find(*realTo)) {
    if (target->folder) return CopyOutcome::Failed;
    if (!replaceExisting) return CopyOutcome::TargetExists;
    if (target->inUse) return CopyOutcome::TargetInUse;
    if (target->readOnly) return CopyOutcome::Failed;
  }
  const std::string bytes = *source->bytes;
  const bool readOnly = source->readOnly;  // copies keep their attributes
  Node* copied = emptyFile(*realTo);
  if (!copied) return CopyOutcome::Failed;
  *copied->bytes = bytes;
  copied->readOnly = readOnly;
  return CopyOutcome::Copied;
}

bool MemoryDisk::replaceFile(const std::string& from, const std::string& to) {
  if (faults.fails(FileOp::kRename, to)) return false;
  const std::optional<std::string> source = resolved(from, false);
  const std::optional<std::string> target = resolved(to, false);
  if (!source || !target) return false;
  const Node* moving = find(*source);
  const Node* replaced = find(*target);
  if (!moving || moving->folder || !parentIsFolder(*target)) return false;
  if (replaced && (replaced->folder || replaced->inUse)) return false;
  if (AsciiFolded(*source) == AsciiFolded(*target)) return true;
  // The name stays where it was in its folder when it was there; the files open on the old
  // target keep reading its old bytes.
  Node moved = *moving;
  tree_.erase(*source);
  tree_.put(*target).value = std::move(moved);
  return true;
}

bool MemoryDisk::setNormalAttributes(const std::string& path) {
  Node* n = const_cast<Node*>(findFollowed(path));
  if (!n) return false;
  n->readOnly = false;
  return true;
}

bool MemoryDisk::freeSpace(const std::string&, DiskFreeSpace* result) {
  if (!space) return false;
  *result = *space;
  return true;
}

std::string MemoryDisk::shortPath(const std::string& path) {
  const auto it = shortNames.find(path);
  return it == shortNames.end() ? path : it->second;
}

bool MemoryDisk::deleteAtRestart(const std::string& path) {
  if (!acceptsDeleteAtRestart) return false;
  deletedAtRestart.push_back(path);
  return true;
}

}  // namespace mogura::test
