// A tree of named entries as Windows keeps its folders and registry keys: paths are names
// joined by backslashes, compared without regard to the case of ASCII letters (double-byte
// characters as they are, a trail byte 0x5C never taken for a backslash). Each entry keeps its
// path as first spelled and its place in creation order, the order in which a folder or key
// lists what it holds.
//
// The entries sit in one map sorted by folded path. Every path below an entry starts with the
// entry's own and a backslash, so the children of an entry are found in its own stretch of the
// map, and the stretch of each child (its descendants) is stepped over: listing every folder of
// a deep tree stays linear in the size of the tree.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/cp932.h"

namespace mogura::test {

template <typename Value>
class PathTree {
 public:
  struct Entry {
    std::string path;  // as first spelled
    std::uint64_t order = 0;
    Value value{};
  };

  // The level above `path`: everything before its last backslash; empty for a top level.
  static std::string ParentOf(std::string_view path) {
    const std::size_t last = FindLastCharDbcs(path, '\\');
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last));
  }
  // The last name of `path`.
  static std::string NameOf(std::string_view path) {
    const std::size_t last = FindLastCharDbcs(path, '\\');
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
  }

  Entry* find(std::string_view path) {
    const auto it = entries_.find(AsciiFolded(path));
    return it == entries_.end() ? nullptr : &it->second;
  }
  const Entry* find(std::string_view path) const {
    const auto it = entries_.find(AsciiFolded(path));
    return it == entries_.end() ? nullptr : &it->second;
  }

  // The entry at `path`, made (last in creation order) when there is none. The levels above
  // it are not made.
  Entry& put(std::string_view path) {
    Entry& entry = entries_[AsciiFolded(path)];
    if (entry.path.empty()) {
      entry.path = std::string(path);
      entry.order = nextOrder_++;
    }
    return entry;
  }

  // Removes the entry at `path` alone; false when there is none.
  bool erase(std::string_view path) { return entries_.erase(AsciiFolded(path)) != 0; }

  // The entries directly below `path`, in creation order.
  std::vector<const Entry*> children(std::string_view path) const {
    std::vector<const Entry*> found;
    forEachChild(AsciiFolded(path), [&found](const Entry& entry) {
      found.push_back(&entry);
      return true;
    });
    return InCreationOrder(std::move(found));
  }
  bool hasChildren(std::string_view path) const {
    bool found = false;
    forEachChild(AsciiFolded(path), [&found](const Entry&) {
      found = true;
      return false;  // one is enough
    });
    return found;
  }

  // Every entry, in creation order.
  std::vector<const Entry*> all() const {
    std::vector<const Entry*> found;
    for (const auto& [key, entry] : entries_) found.push_back(&entry);
    return InCreationOrder(std::move(found));
  }
  // The entries of the top level, in creation order.
  std::vector<const Entry*> topLevel() const {
    std::vector<const Entry*> found;
    for (const auto& [key, entry] : entries_) {
      if (FindCharDbcs(key, '\\') == std::string::npos) found.push_back(&entry);
    }
    return InCreationOrder(std::move(found));
  }

  // Every entry at any depth below `path`, in creation order.
  std::vector<const Entry*> below(std::string_view path) const {
    const std::string prefix = AsciiFolded(path) + '\\';
    std::vector<const Entry*> found;
    for (auto it = entries_.lower_bound(prefix); it != entries_.end() && it->first.starts_with(prefix); ++it)
      found.push_back(&it->second);
    return InCreationOrder(std::move(found));
  }

 private:
  template <typename Pointer>
  static std::vector<Pointer> InCreationOrder(std::vector<Pointer> entries) {
    std::sort(entries.begin(), entries.end(), [](Pointer a, Pointer b) { return a->order < b->order; });
    return entries;
  }

  // Calls `visit` with each child of the entry whose folded path is `key`, until it returns
  // false.
  template <typename Visit>
  void forEachChild(const std::string& key, Visit visit) const {
    const std::string prefix = key + '\\';
    auto it = entries_.lower_bound(prefix);
    while (it != entries_.end() && it->first.starts_with(prefix)) {
      if (ParentOf(it->first) == key && !visit(it->second)) return;
      // The keys below this one start with it and a backslash, and all sort before it and ']'.
      const auto next = std::next(it);
      it = next != entries_.end() && next->first.starts_with(it->first + '\\')
               ? entries_.lower_bound(it->first + ']')
               : next;
    }
  }

  std::map<std::string, Entry> entries_;  // by folded path
  std::uint64_t nextOrder_ = 0;
};

}  // namespace mogura::test
