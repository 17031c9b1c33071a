#include "support/memory_registry.h"

#include <iterator>

#include "base/cp932.h"

namespace mogura::test {
namespace {

// A key of the registry by its path: it fails every operation once its key is gone.
class MemoryKey : public RegistryKey {
 public:
  MemoryKey(MemoryRegistry* registry, RegistryRoot root, std::string path)
      : registry_(registry), root_(root), path_(std::move(path)) {}

  std::unique_ptr<RegistryKey> openSubKey(std::string_view path, RegistryAccess access) override {
    return registry_->open(root_, below(path), access);
  }
  std::unique_ptr<RegistryKey> createSubKey(std::string_view path) override {
    if (!registry_->key(root_, path_)) return nullptr;
    return registry_->create(root_, below(path));
  }
  bool deleteSubTree(std::string_view path) override {
    const std::string sub = below(path);
    if (path.empty() || !registry_->key(root_, sub)) return false;
    registry_->eraseTree(root_, sub);
    return true;
  }
  bool deleteValue(std::string_view name) override {
    MemoryRegistry::Key* key = registry_->key(root_, path_);
    return key && key->values.erase(std::string(name)) != 0;
  }

  RegistryItem subKeyAt(std::uint32_t index, std::string* name) override {
    if (!present()) return RegistryItem::Failed;
    const std::vector<std::string> names = registry_->subkeys(root_, path_);
    if (index >= names.size()) return RegistryItem::End;
    *name = names[index];
    return RegistryItem::Found;
  }
  RegistryItem valueAt(std::uint32_t index, RegistryValue* value) override {
    MemoryRegistry::Key* key = registry_->key(root_, path_);
    if (!key && !path_.empty()) return RegistryItem::Failed;
    if (!key || index >= key->values.size()) return RegistryItem::End;
    *value = std::next(key->values.begin(), index)->second;
    return RegistryItem::Found;
  }

  bool readInteger(std::string_view name, std::uint32_t* value) override {
    const RegistryValue* stored = find(name);
    if (!stored || stored->type != RegistryValue::Type::Integer) return false;
    *value = stored->integer;
    return true;
  }
  bool readText(std::string_view name, std::string* text) override {
    const RegistryValue* stored = find(name);
    if (!stored || stored->type != RegistryValue::Type::Text) return false;
    *text = stored->text;
    return true;
  }
  bool writeInteger(std::string_view name, std::uint32_t value) override {
    MemoryRegistry::Key* key = registry_->key(root_, path_);
    if (!key) return false;
    key->values[std::string(name)] = {std::string(name), RegistryValue::Type::Integer, value, std::string()};
    return true;
  }
  bool writeText(std::string_view name, std::string_view text, TextEnd) override {
    MemoryRegistry::Key* key = registry_->key(root_, path_);
    if (!key) return false;
    key->values[std::string(name)] = {std::string(name), RegistryValue::Type::Text, 0, std::string(text)};
    return true;
  }

 private:
  // The root itself (an empty path) is always there.
  bool present() const { return path_.empty() || registry_->key(root_, path_) != nullptr; }
  std::string below(std::string_view path) const {
    return path_.empty() ? std::string(path) : path_ + '\\' + std::string(path);
  }
  const RegistryValue* find(std::string_view name) const {
    MemoryRegistry::Key* key = registry_->key(root_, path_);
    if (!key) return nullptr;
    const auto it = key->values.find(std::string(name));
    return it == key->values.end() ? nullptr : &it->second;
  }

  MemoryRegistry* registry_;
  RegistryRoot root_;
  std::string path_;
};

}  // namespace

MemoryRegistry::Key& MemoryRegistry::put(RegistryRoot root, const std::string& path) {
  // Each level once: a key 30 levels deep makes 30 keys, not 2 to the 30th calls.
  for (std::size_t end = FindCharDbcs(path, '\\'); end != std::string::npos;
       end = FindCharDbcs(path, '\\', end + 1))
    tree(root).put(path.substr(0, end));
  return tree(root).put(path).value;
}

MemoryRegistry::Key* MemoryRegistry::key(RegistryRoot root, const std::string& path) {
  PathTree<Key>::Entry* entry = tree(root).find(path);
  return entry ? &entry->value : nullptr;
}

bool MemoryRegistry::hasKey(RegistryRoot root, const std::string& path) const {
  const auto it = trees_.find(root);
  return it != trees_.end() && it->second.find(path) != nullptr;
}

std::string MemoryRegistry::stringOf(RegistryRoot root, const std::string& path,
                                     const std::string& name) const {
  const auto it = trees_.find(root);
  const PathTree<Key>::Entry* entry = it == trees_.end() ? nullptr : it->second.find(path);
  if (!entry) return std::string();
  const auto value = entry->value.values.find(name);
  return value == entry->value.values.end() ? std::string() : value->second.text;
}

std::vector<std::string> MemoryRegistry::keys(RegistryRoot root) const {
  std::vector<std::string> paths;
  const auto it = trees_.find(root);
  if (it == trees_.end()) return paths;
  for (const PathTree<Key>::Entry* entry : it->second.all()) paths.push_back(entry->path);
  return paths;
}

std::vector<std::string> MemoryRegistry::subkeys(RegistryRoot root, const std::string& path) const {
  std::vector<std::string> names;
  const auto it = trees_.find(root);
  if (it == trees_.end()) return names;
  // The root's own subkeys are the keys of the top level.
  const std::vector<const PathTree<Key>::Entry*> below =
      path.empty() ? it->second.topLevel() : it->second.children(path);
  for (const PathTree<Key>::Entry* entry : below) names.push_back(PathTree<Key>::NameOf(entry->path));
  return names;
}

std::unique_ptr<RegistryKey> MemoryRegistry::open(RegistryRoot root, std::string_view path, RegistryAccess) {
  // An empty path opens the root itself, as the system does.
  if (!path.empty() && !hasKey(root, std::string(path))) return nullptr;
  return std::make_unique<MemoryKey>(this, root, std::string(path));
}

std::unique_ptr<RegistryKey> MemoryRegistry::create(RegistryRoot root, std::string_view path) {
  put(root, std::string(path));
  return std::make_unique<MemoryKey>(this, root, std::string(path));
}

bool MemoryRegistry::deleteKey(RegistryRoot root, std::string_view path) {
  ++deleteCalls;
  const std::string key(path);
  if (key.empty() || !hasKey(root, key) || undeletable.count(key) || tree(root).hasChildren(key))
    return false;
  tree(root).erase(key);
  return true;
}

void MemoryRegistry::eraseTree(RegistryRoot root, const std::string& path) {
  PathTree<Key>& keys = tree(root);
  std::vector<std::string> doomed;
  for (const PathTree<Key>::Entry* entry : keys.below(path)) doomed.push_back(entry->path);
  for (const std::string& below : doomed) keys.erase(below);
  keys.erase(path);
}

}  // namespace mogura::test
