#include "setup/fake_setup_edge.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "base/cp932.h"
#include "setup/uninstall_entry.h"

namespace mogura::test {
namespace {

class StringInput : public InputFile {
 public:
  explicit StringInput(std::string bytes) : bytes_(std::move(bytes)) {}
  std::uint64_t size() const override { return bytes_.size(); }
  bool readAt(std::uint64_t offset, void* buffer, std::size_t count, std::size_t* got) override {
    *got = 0;
    if (offset >= bytes_.size()) return true;
    *got = static_cast<std::size_t>(std::min<std::uint64_t>(count, bytes_.size() - offset));
    std::memcpy(buffer, bytes_.data() + offset, *got);
    return true;
  }

 private:
  std::string bytes_;
};

class NodeOutput : public OutputFile {
 public:
  explicit NodeOutput(FakeDisk::Node* node) : node_(node) {}
  bool write(const void* data, std::size_t count) override {
    node_->bytes.append(static_cast<const char*>(data), count);
    return true;
  }
  bool close() override { return true; }

 private:
  FakeDisk::Node* node_;
};

}  // namespace

// ---- FakeDisk

std::string FakeDisk::absolute(const std::string& path) const {
  std::string full;
  if (path.size() >= 2 && path[1] == ':') {
    full = path;
  } else if (!path.empty() && path[0] == '\\') {
    full = currentFolder.substr(0, 2) + path;
  } else {
    full = currentFolder;
    if (FindLastCharDbcs(full, '\\') != full.size() - 1) full += '\\';
    full += path;
  }
  if (FindLastCharDbcs(full, '\\') == full.size() - 1 && full.size() > 1) full.pop_back();
  return full;
}

std::string FakeDisk::keyOf(const std::string& path) const { return AsciiFolded(absolute(path)); }

std::optional<std::string> FakeDisk::resolved(const std::string& path, bool followLast) const {
  int hops = 0;
  return resolved(path, followLast, &hops);
}

std::optional<std::string> FakeDisk::resolved(const std::string& path, bool followLast, int* hops) const {
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

const FakeDisk::Node* FakeDisk::find(const std::string& path) const {
  const std::optional<std::string> real = resolved(path, false);
  if (!real) return nullptr;
  const auto* entry = tree_.find(*real);
  return entry ? &entry->value : nullptr;
}

const FakeDisk::Node* FakeDisk::findFollowed(const std::string& path) const {
  const std::optional<std::string> real = resolved(path, true);
  if (!real) return nullptr;
  const auto* entry = tree_.find(*real);
  return entry ? &entry->value : nullptr;
}

FakeDisk::Node* FakeDisk::node(const std::string& path) { return const_cast<Node*>(find(path)); }

bool FakeDisk::hasFolder(const std::string& path) const {
  const Node* n = find(path);
  return n && n->folder;
}

bool FakeDisk::isProtectedFolder(const std::string& path) const {
  const Node* n = find(path);
  return n && n->folder && n->isProtected;
}

bool FakeDisk::parentIsFolder(const std::string& key) const {
  const auto* parent = tree_.find(PathTree<Node>::ParentOf(key));
  return parent && parent->value.folder;
}

FakeDisk::Node& FakeDisk::put(const std::string& path, bool folder) {
  Node& n = tree_.put(absolute(path)).value;
  n.folder = folder;
  return n;
}

void FakeDisk::addFolder(const std::string& path) {
  const std::string full = absolute(path);
  for (std::size_t end = FindCharDbcs(full, '\\'); end != std::string::npos; end = FindCharDbcs(full, '\\', end + 1)) {
    if (!has(full.substr(0, end))) put(full.substr(0, end), true);
  }
  put(full, true);
}

FakeDisk::Node& FakeDisk::addFile(const std::string& path, const std::string& bytes) {
  const std::string full = absolute(path);
  addFolder(full.substr(0, FindLastCharDbcs(full, '\\')));
  Node& n = put(full, false);
  n.bytes = bytes;
  return n;
}

FakeDisk::Node& FakeDisk::addLink(const std::string& path, const std::string& target, bool toFolder) {
  const std::string full = absolute(path);
  addFolder(full.substr(0, FindLastCharDbcs(full, '\\')));
  Node& n = put(full, toFolder);
  n.linkTarget = target;
  return n;
}

std::string FakeDisk::bytesOf(const std::string& path) const {
  const Node* n = find(path);
  return n ? n->bytes : std::string();
}

std::vector<std::string> FakeDisk::below(const std::string& folder) const {
  std::vector<std::string> paths;
  for (const auto* entry : tree_.below(absolute(folder))) paths.push_back(entry->path);
  return paths;
}

std::unique_ptr<InputFile> FakeDisk::openRead(const std::string& path) {
  const Node* n = findFollowed(path);
  if (!n || n->folder) return nullptr;
  return std::make_unique<StringInput>(n->bytes);
}

std::unique_ptr<OutputFile> FakeDisk::createFile(const std::string& path) {
  const std::optional<std::string> real = resolved(path, true);
  if (!real) return nullptr;
  const Node* n = find(*real);
  if ((n && (n->folder || n->inUse || n->readOnly)) || !parentIsFolder(keyOf(*real))) return nullptr;
  Node& created = put(*real, false);
  created.bytes.clear();
  return std::make_unique<NodeOutput>(&created);
}

bool FakeDisk::findFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) {
  std::vector<FolderEntry> entries;
  if (!listFolder(folder, &entries)) return false;
  for (const FolderEntry& entry : entries) {
    if (!entry.isFolder && MatchesPattern(entry.name, pattern)) names->push_back(entry.name);
  }
  return true;
}

bool FakeDisk::createFolder(const std::string& path) {
  const std::optional<std::string> real = resolved(path, false);
  if (!real || has(*real) || !parentIsFolder(keyOf(*real)) || uncreatableFolders.count(path)) return false;
  put(*real, true);
  return true;
}

bool FakeDisk::createProtectedFolder(const std::string& path) {
  if (!createFolder(path)) return false;
  node(path)->isProtected = true;
  return true;
}

bool FakeDisk::removeFolder(const std::string& path) {
  const std::optional<std::string> real = resolved(path, false);
  const Node* n = real ? find(*real) : nullptr;
  if (!n || !n->folder || n->undeletable) return false;
  // A junction goes by itself, whatever its target holds.
  if (n->linkTarget.empty() && tree_.hasChildren(*real)) return false;
  tree_.erase(*real);
  return true;
}

bool FakeDisk::removeFile(const std::string& path) {
  const std::optional<std::string> real = resolved(path, false);
  const Node* n = real ? find(*real) : nullptr;
  if (!n || n->folder || n->undeletable || n->inUse || n->readOnly) return false;
  tree_.erase(*real);
  return true;
}

bool FakeDisk::replaceFile(const std::string& from, const std::string& to) {
  const std::optional<std::string> realFrom = resolved(from, false);
  const std::optional<std::string> realTo = resolved(to, false);
  if (!realFrom || !realTo) return false;
  const Node* source = find(*realFrom);
  const Node* target = find(*realTo);
  if (!source || source->folder || (target && (target->folder || target->inUse))) return false;
  const std::string bytes = source->bytes;
  tree_.erase(*realFrom);
  if (!parentIsFolder(keyOf(*realTo))) return false;
  put(*realTo, false).bytes = bytes;
  return true;
}

bool FakeDisk::listFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  const std::optional<std::string> real = resolved(folder, true);
  if (!real || !hasFolder(*real)) return false;
  for (const auto* child : tree_.children(*real)) {
    entries->push_back(
        {PathTree<Node>::NameOf(child->path), child->value.folder, !child->value.linkTarget.empty()});
  }
  return true;
}

bool FakeDisk::isLink(const std::string& path) {
  const Node* n = find(path);
  return n && !n->linkTarget.empty();
}

bool FakeDisk::removeLink(const std::string& path) {
  const std::optional<std::string> real = resolved(path, false);
  const Node* n = real ? find(*real) : nullptr;
  if (!n || n->linkTarget.empty() || n->undeletable) return false;
  tree_.erase(*real);
  return true;
}

CopyOutcome FakeDisk::copy(const std::string& from, const std::string& to, bool replaceExisting) {
  const std::optional<std::string> realTo = resolved(to, true);
  const Node* source = findFollowed(from);
  if (!source || source->folder || !realTo || !parentIsFolder(keyOf(*realTo))) return CopyOutcome::Failed;
  const Node* target = find(*realTo);
  if (target) {
    if (target->folder) return CopyOutcome::Failed;
    if (!replaceExisting) return CopyOutcome::TargetExists;
    if (target->inUse) return CopyOutcome::TargetInUse;
    if (target->readOnly) return CopyOutcome::Failed;
  }
  const std::string bytes = source->bytes;
  const bool readOnly = source->readOnly;  // copies keep their attributes
  Node& copied = put(*realTo, false);
  copied.bytes = bytes;
  copied.readOnly = readOnly;
  return CopyOutcome::Copied;
}

bool FakeDisk::setNormalAttributes(const std::string& path) {
  Node* n = const_cast<Node*>(findFollowed(path));
  if (!n) return false;
  n->readOnly = false;
  return true;
}

bool FakeDisk::freeSpace(const std::string&, DiskFreeSpace* result) {
  if (!space) return false;
  *result = *space;
  return true;
}

std::string FakeDisk::shortPath(const std::string& path) {
  const auto it = shortNames.find(path);
  return it == shortNames.end() ? path : it->second;
}

bool FakeDisk::deleteAtRestart(const std::string& path) {
  if (!acceptsDeleteAtRestart) return false;
  deletedAtRestart.push_back(path);
  return true;
}

// ---- FakeSetup

FakeSetup::FakeSetup() {
  ui.answer = MessageAnswer::Yes;
  shell.currentFolder = &disk.currentFolder;
  disk.addFolder("C:\\WINDOWS\\system32");
  disk.addFolder("D:");
  disk.addFile("D:\\setup.exe", "setup program");
  registry.setString(RegistryRoot::CurrentUser, kShellFolders, "Programs", kProgramsFolder);
  registry.setString(RegistryRoot::CurrentUser, kShellFolders, "Desktop", kDesktopFolder);
  registry.setString(RegistryRoot::CurrentUser, kShellFolders, "Startup", kStartupFolder);
  disk.addFolder(kProgramsFolder);
  disk.addFolder(kDesktopFolder);
  disk.addFolder(kStartupFolder);
}

void FakeSetup::writeUninstallEntry(const std::string& folder, const std::string& setupPath) {
  registry.setString(RegistryRoot::LocalMachine, UninstallKeyPath(folder), "UninstallString",
                     "\"" + setupPath + "\" /r");
}

void FakeSetup::writeInfo(const std::vector<std::string>& lines, const std::string& path) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  disk.addFile(path, bytes);
}

}  // namespace mogura::test
