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

}  // namespace
}  // namespace mogura
