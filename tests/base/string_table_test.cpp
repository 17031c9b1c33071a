#include "base/string_table.h"

#include <gtest/gtest.h>

namespace mogura {
namespace {

TEST(StringTable, TextsAreCp932Bytes) {
  // "もぐらノート" in CP932.
  EXPECT_EQ(LoadText(IDS_APP_TITLE), "\x82\xE0\x82\xAE\x82\xE7\x83\x6D\x81\x5B\x83\x67");
  EXPECT_TRUE(LoadText(99999).empty());
  // Line breaks written as \n in the table become one LF byte.
  const std::string_view text = LoadText(IDS_DRAWER_NOT_FOUND);
  EXPECT_NE(text.find('\n'), std::string_view::npos);
  EXPECT_EQ(text.find('\\'), std::string_view::npos);
}

TEST(StringTable, FormatReplacesTheFirstDirectiveOnly) {
  EXPECT_EQ(FormatText("a%sb%sc", "X"), "aXb%sc");
  EXPECT_EQ(FormatText("%d files", "11"), "11 files");
  EXPECT_EQ(FormatText("only %uMB", "7"), "only 7MB");
  EXPECT_EQ(FormatText("no directive", "X"), "no directive");
  EXPECT_EQ(FormatText("100%", "X"), "100%");
  // A '%' that is a trail byte is no directive ("\x81\x25" is not valid CP932 but must not match).
  EXPECT_EQ(FormatText(std::string("\x81%s"), "X"), std::string("\x81%s"));
}

}  // namespace
}  // namespace mogura

namespace mogura {
namespace {

TEST(StringTable, NumberedArgumentsFillTheirPlaces) {
  const std::string range = FormatArguments(LoadText(IDS_ENTER_INTEGER_RANGE), {"1", "512"});
  EXPECT_EQ(range.rfind("1 ", 0), 0u);
  EXPECT_NE(range.find(" 512 "), std::string::npos);
  EXPECT_EQ(range.find('%'), std::string::npos);
  EXPECT_EQ(FormatArguments("%2-%1-%2", {"a", "b"}), "b-a-b");
  EXPECT_EQ(FormatArguments("%3 and %", {"a"}), " and %");
  // A trail byte '%' followed by a digit is part of its character, not a place.
  EXPECT_EQ(FormatArguments(std::string("\x81%1"), {"X"}), std::string("\x81%1"));
}

}  // namespace
}  // namespace mogura
