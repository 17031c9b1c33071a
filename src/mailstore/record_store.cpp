#include "mailstore/record_store.h"

#include <algorithm>
#include <cstring>

namespace mogura {

std::string_view RecordStore::keep(std::string_view bytes) {
  if (bytes.empty()) return {};
  if (room_ - used_ < bytes.size()) {
    // The rest of the last block stays unused; a string longer than a block gets one its size.
    const std::size_t next = room_ == 0 ? kFirstBlock : std::min(2 * room_, kLargestBlock);
    const std::size_t size = std::max(next, bytes.size());
    std::unique_ptr<char[]> block(new char[size]);
    blocks_.push_back(std::move(block));  // freed again if the list of blocks cannot grow
    room_ = size;
    used_ = 0;
    capacity_ += size;
  }
  char* into = blocks_.back().get() + used_;
  std::memcpy(into, bytes.data(), bytes.size());
  used_ += bytes.size();
  return {into, bytes.size()};
}

}  // namespace mogura
