// The store of waiting list records: views that outlive its growth, and blocks sized to what
// it holds.
#include "mailstore/record_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mogura {
namespace {

TEST(RecordStore, KeptBytesStayWhereTheyAreWhileTheStoreGrows) {
  RecordStore store;
  EXPECT_TRUE(store.keep("").empty());
  EXPECT_EQ(store.capacity(), 0u);

  std::vector<std::string> texts;
  std::vector<std::string_view> kept;
  for (int i = 0; i < 20000; ++i) {
    texts.push_back("record " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x'));
    kept.push_back(store.keep(texts.back()));
  }
  // Longer than any block: it gets a block of its own, and the blocks after it go on.
  const std::string huge(300 * 1024, 'h');
  const std::string_view hugeView = store.keep(huge);
  kept.push_back(store.keep("after"));
  texts.push_back("after");

  for (std::size_t i = 0; i < texts.size(); ++i) ASSERT_EQ(kept[i], texts[i]) << i;
  EXPECT_EQ(hugeView, huge);
  EXPECT_NE(hugeView.data(), huge.data());
}

TEST(RecordStore, AFewRecordsTakeASmallBlockAndManyFewBlocks) {
  RecordStore few;
  few.keep(std::string(100, 'a'));
  few.keep(std::string(100, 'b'));
  EXPECT_LE(few.capacity(), 4096u);  // 64 stretches of a small drawer stay small

  RecordStore many;
  std::size_t bytes = 0;
  for (int i = 0; i < 100000; ++i) bytes += many.keep(std::string(110, 'r')).size();
  // Blocks double up to their largest size: what is held beyond the bytes is the unused
  // tail of each block and the small first ones, a few percent.
  EXPECT_GE(many.capacity(), bytes);
  EXPECT_LE(many.capacity(), bytes + bytes / 20 + 256 * 1024);
}

}  // namespace
}  // namespace mogura
