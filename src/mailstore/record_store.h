// Copies of many small byte strings kept together in a few blocks: no allocation per string,
// all given back at once, and never moved, so the views stay valid as long as the store.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace mogura {

class RecordStore {
 public:
  // A copy of `bytes` that lives as long as the store; may throw std::bad_alloc.
  std::string_view keep(std::string_view bytes);
  // The bytes of all blocks, used or not.
  std::size_t capacity() const { return capacity_; }

 private:
  // Blocks grow from the first size up to the last, so that a store holding a few strings
  // stays small and one holding many needs few blocks.
  static constexpr std::size_t kFirstBlock = 4 * 1024;
  static constexpr std::size_t kLargestBlock = 256 * 1024;

  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t used_ = 0;  // in the last block
  std::size_t room_ = 0;  // size of the last block
  std::size_t capacity_ = 0;
};

}  // namespace mogura
