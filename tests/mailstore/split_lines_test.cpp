// Splitting header and body texts into lines.
#include "mailstore/split_lines.h"

#include <gtest/gtest.h>

namespace mogura {
namespace {

using Lines = std::vector<std::string>;

Lines Split(std::string_view text) {
  Lines lines{"left over from before"};
  splitLines(text, lines);
  return lines;
}

TEST(SplitLines, LineEndsAndEmptyLines) {
  EXPECT_EQ(Split("a\r\nb\r\n\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(Split("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(Split("a\nb"), (Lines{"a", "b"}));              // LF alone ends a line too
  EXPECT_EQ(Split("a\r\r\nb\rc"), (Lines{"a\r", "b\rc"}));  // only one CR, only at the end
  EXPECT_EQ(Split("\r\n\r\nx"), (Lines{"", "", "x"}));
  EXPECT_EQ(Split(std::string_view("a\0b\r\n", 5)), (Lines{std::string("a\0b", 3)}));
}

TEST(SplitLines, EmptyTextsGiveOneEmptyLine) {
  EXPECT_EQ(Split(""), (Lines{""}));
  EXPECT_EQ(Split("\r\n"), (Lines{""}));
  EXPECT_EQ(Split("\r\n\r\n\n\n"), (Lines{""}));
}

// Lines used to be cut at 1023 bytes with the rest of the text dropped, which lost mail text and
// could split a double-byte character in two.
TEST(SplitLines, LongLineIsKeptWholeNotCutAt1023Bytes) {
  const std::string hyo = "\x95\x5C";  // a double-byte character whose trail byte is '\'
  const std::string longLine = std::string(1022, 'a') + hyo + std::string(5000, 'b');
  EXPECT_EQ(Split(longLine + "\r\nnext\r\n"), (Lines{longLine, "next"}));
  EXPECT_EQ(Split(longLine), (Lines{longLine}));
}

TEST(SplitLines, JoiningTheLinesGivesTheTextBack) {
  // For texts without CR: the lines joined by LF are the text less its trailing line ends.
  std::uint32_t state = 12345;
  for (int round = 0; round < 500; ++round) {
    std::string text;
    const int length = static_cast<int>(state % 40);
    for (int i = 0; i < length; ++i) {
      state = state * 1103515245 + 12345;
      const char pool[] = {'x', '\n', '\n', 'y', '\x81', '\0'};
      text += pool[(state >> 16) % 6];
    }
    state = state * 1103515245 + 12345;
    const Lines lines = Split(text);
    ASSERT_FALSE(lines.empty());
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) joined += (i ? "\n" : "") + lines[i];
    std::string expected = text;
    while (!expected.empty() && expected.back() == '\n') expected.pop_back();
    EXPECT_EQ(joined, expected);
  }
}

// The record's lines are found first and copied after into a block of their exact size: the
// result must not depend on how many lines a text has against its bytes, on the size of the
// text split before into the same lines, or on a huge text having come before.
TEST(SplitLines, IntoOneBlockGivesTheSameLinesWhateverCameBefore) {
  const std::string manyShort = [] {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += (i % 3 ? "\r\n" : "z\r\n");
    return text + "end\r\n\r\n";
  }();
  const std::string huge = std::string(200000, '\n') + "last";
  const std::string texts[] = {"a\r\nb\r\n\r\n", manyShort, "", huge, "\r\n\r\nx", std::string(70000, 'q'), "one"};
  TextLines reused;
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.size());
    TextLines fresh;
    splitLines(text, fresh);
    splitLines(text, reused);
    EXPECT_EQ(fresh.toVector(), Split(text));
    EXPECT_EQ(reused.toVector(), Split(text));
    EXPECT_FALSE(fresh.holdsLineFeed());
  }
}

}  // namespace
}  // namespace mogura
