// The test machine's registry: keys in the same path tree as the disk's folders (names joined
// by backslashes, found without regard to the case of ASCII letters, listed in creation
// order), one tree for each root. Deletions can be made to fail, and are counted.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "support/path_tree.h"

namespace mogura::test {

class MemoryRegistry : public Registry {
 public:
  struct Key {
    std::map<std::string, RegistryValue> values;  // by name, as given
  };

  // Test set-up: a key with every key above it, and a text value.
  void addKey(RegistryRoot root, const std::string& path) { put(root, path); }
  void setString(RegistryRoot root, const std::string& path, const std::string& name,
                 const std::string& value) {
    put(root, path).values[name] = {name, RegistryValue::Type::Text, 0, value};
  }
  bool hasKey(RegistryRoot root, const std::string& path) const;
  std::string stringOf(RegistryRoot root, const std::string& path, const std::string& name) const;
  // Every key below `root`, as spelled, in creation order.
  std::vector<std::string> keys(RegistryRoot root) const;

  std::set<std::string> undeletable;  // paths whose deletion fails
  int deleteCalls = 0;

  // Registry
  std::unique_ptr<RegistryKey> open(RegistryRoot root, std::string_view path, RegistryAccess access) override;
  std::unique_ptr<RegistryKey> create(RegistryRoot root, std::string_view path) override;
  bool deleteKey(RegistryRoot root, std::string_view path) override;

  // The names of the direct subkeys of `path`, in creation order (the root for an empty path).
  std::vector<std::string> subkeys(RegistryRoot root, const std::string& path) const;
  Key* key(RegistryRoot root, const std::string& path);
  // Deletes the key `path` and every key below it, whatever `undeletable` says.
  void eraseTree(RegistryRoot root, const std::string& path);

 private:
  // The key and every key above it.
  Key& put(RegistryRoot root, const std::string& path);
  PathTree<Key>& tree(RegistryRoot root) { return trees_[root]; }

  std::map<RegistryRoot, PathTree<Key>> trees_;
};

}  // namespace mogura::test
