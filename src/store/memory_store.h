// The in-memory settings tree: the backend of tests and the model of the REGEDIT4 file.
// Sub-keys and values keep their creation order; names compare ASCII case-insensitively,
// as in the registry. A value is an integer or a text.
//
//   auto tree = std::make_shared<MemoryTree>();
//   SettingsKey root = MemoryRootKey(tree);
//
// Handles keep the keys they point at alive; a handle on a deleted key fails every operation.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/cp932.h"
#include "store/settings_key.h"

namespace mogura {

// Items in insertion order with a case-insensitive index on their names: lookup, insertion
// and removal cost no more than a hash look-up, whatever the number of siblings.
template <class T>
class NamedList {
 public:
  struct Item {
    std::string name;  // as first given
    T data;
  };
  using iterator = typename std::list<Item>::iterator;
  using const_iterator = typename std::list<Item>::const_iterator;

  NamedList() = default;
  // The index points into the list: moving keeps it valid, copying would not.
  NamedList(const NamedList&) = delete;
  NamedList& operator=(const NamedList&) = delete;
  NamedList(NamedList&&) noexcept = default;
  NamedList& operator=(NamedList&&) noexcept = default;

  T* find(std::string_view name);
  const T* find(std::string_view name) const;
  // The item named `name`, appended with a default `T` when missing.
  T& findOrAppend(std::string_view name);
  bool erase(std::string_view name);
  void clear() {
    items_.clear();
    index_.clear();
  }

  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  iterator begin() { return items_.begin(); }
  iterator end() { return items_.end(); }
  const_iterator begin() const { return items_.begin(); }
  const_iterator end() const { return items_.end(); }

 private:
  static std::string Folded(std::string_view name);
  std::list<Item> items_;
  std::unordered_map<std::string, iterator> index_;
};

struct MemoryValue {
  enum class Type { kInteger, kText };
  Type type = Type::kInteger;
  std::uint32_t integer = 0;
  std::string text;
};

struct MemoryKeyNode {
  NamedList<std::shared_ptr<MemoryKeyNode>> subKeys;
  NamedList<MemoryValue> values;
  bool deleted = false;  // set on the key and its descendants when it is deleted
};

class MemoryTree {
 public:
  MemoryTree() : root_(std::make_shared<MemoryKeyNode>()) {}

  const std::shared_ptr<MemoryKeyNode>& root() const { return root_; }
  // Takes over the content of `other` (left empty); handles on the old keys below the
  // root become invalid, handles on the root itself see the new content.
  void replaceContent(MemoryTree& other);
  // Removes every key and value below the root.
  void clear();

 private:
  std::shared_ptr<MemoryKeyNode> root_;
};

// A handle on the root of `tree`.
SettingsKey MemoryRootKey(const std::shared_ptr<MemoryTree>& tree);

// The backend key over one node (exposed for code that builds trees itself).
std::unique_ptr<SettingsStoreKey> MakeMemoryStoreKey(std::shared_ptr<MemoryKeyNode> node);

// Marks `node` and everything below it as deleted.
void MarkDeleted(MemoryKeyNode& node);

// ---- NamedList ----

template <class T>
std::string NamedList<T>::Folded(std::string_view name) {
  // ASCII letters only; the trail byte of a double-byte character is kept as it is.
  std::string folded(name);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    char& c = folded[i];
    if (IsLeadByte(c)) ++i;
    else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

template <class T>
T* NamedList<T>::find(std::string_view name) {
  auto it = index_.find(Folded(name));
  return it == index_.end() ? nullptr : &it->second->data;
}

template <class T>
const T* NamedList<T>::find(std::string_view name) const {
  auto it = index_.find(Folded(name));
  return it == index_.end() ? nullptr : &it->second->data;
}

template <class T>
T& NamedList<T>::findOrAppend(std::string_view name) {
  std::string folded = Folded(name);
  auto it = index_.find(folded);
  if (it != index_.end()) return it->second->data;
  items_.push_back(Item{std::string(name), T{}});
  index_.emplace(std::move(folded), std::prev(items_.end()));
  return items_.back().data;
}

template <class T>
bool NamedList<T>::erase(std::string_view name) {
  auto it = index_.find(Folded(name));
  if (it == index_.end()) return false;
  items_.erase(it->second);
  index_.erase(it);
  return true;
}

}  // namespace mogura
