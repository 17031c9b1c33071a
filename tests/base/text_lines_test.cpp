#include "base/text_lines.h"

#include <gtest/gtest.h>

namespace mogura {
namespace {

TEST(TextLines, KeepsEveryLineWithItsExactBytes) {
  TextLines lines;
  EXPECT_TRUE(lines.empty());
  lines.push_back("first");
  lines.push_back("");
  lines.push_back(std::string("\x83\x5C\0x", 4));  // a trail byte 0x5C and a NUL stay as they are
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], std::string_view("\x83\x5C\0x", 4));
  EXPECT_EQ(lines.front(), "first");
  EXPECT_EQ(lines.toVector(), (std::vector<std::string>{"first", "", std::string("\x83\x5C\0x", 4)}));
}

TEST(TextLines, PopBackDropsTheLastLineAndItsBytes) {
  TextLines lines{"a", "bc", ""};
  lines.pop_back();
  EXPECT_EQ(lines.back(), "bc");
  lines.pop_back();
  lines.push_back("d");  // the bytes of "bc" must not reappear
  EXPECT_EQ(lines, (TextLines{"a", "d"}));
  lines.pop_back();
  lines.pop_back();
  EXPECT_TRUE(lines.empty());
  lines.push_back("x");
  EXPECT_EQ(lines.toVector(), std::vector<std::string>{"x"});
}

// Lines pushed past what was reserved, copied, moved and cut back keep their bytes.
TEST(TextLines, GrowsPastItsRoomAndCopiesAndMovesWhole) {
  TextLines lines;
  lines.reserve(1, 4);
  std::vector<std::string> expected;
  for (int i = 0; i < 300; ++i) {
    expected.push_back(std::string(static_cast<std::size_t>(i % 13), static_cast<char>('a' + i % 26)));
    lines.push_back(expected.back());
  }
  EXPECT_EQ(lines.toVector(), expected);
  EXPECT_FALSE(lines.holdsLineFeed());

  TextLines copy = lines;
  EXPECT_TRUE(copy == lines);
  TextLines moved = std::move(copy);
  EXPECT_TRUE(moved == lines);
  EXPECT_TRUE(copy.empty());

  moved.pop_back();
  moved.pop_back();
  expected.resize(298);
  moved.shrink_to_fit();
  EXPECT_EQ(moved.toVector(), expected);
  EXPECT_FALSE(moved == lines);
  moved.push_back("x\ny");
  EXPECT_TRUE(moved.holdsLineFeed());
  EXPECT_EQ(moved.back(), "x\ny");
  moved.clear();
  EXPECT_TRUE(moved.empty());
  EXPECT_FALSE(moved.holdsLineFeed());
  moved.push_back("");
  EXPECT_EQ(moved.toVector(), std::vector<std::string>{""});
}

}  // namespace
}  // namespace mogura
