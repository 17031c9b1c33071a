// Store names of formats, pages and places. The store compares key names without regard to
// ASCII letter case, so two items whose names differ only in case share one sub-key.
#pragma once

#include <cstddef>
#include <vector>

#include "base/cp932.h"

namespace mogura {

// True when no item before `index` has the same store name as `items[index]`: only that
// first item is written, so that the store keeps what a look-up by key finds (the first).
template <class T, class Name>
bool IsFirstOfStoreName(const std::vector<T>& items, std::size_t index, Name name) {
  for (std::size_t i = 0; i < index; ++i) {
    if (EqualsNoCase(name(items[i]), name(items[index]))) return false;
  }
  return true;
}

}  // namespace mogura
