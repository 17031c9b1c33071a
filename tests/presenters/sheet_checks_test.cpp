// The number rule of the settings pages, the place-text line breaks and the folder rules of
// the folder browser.
#include <gtest/gtest.h>

#include "platform/folder_chooser.h"
#include "base/path_parts.h"
#include "presenters/line_breaks.h"
#include "presenters/value_checks.h"

namespace mogura {
namespace {

TEST(NumberText, SignedAndUnsignedNumbers) {
  EXPECT_EQ(ParseNumberText("12", NumberSign::Signed), 12);
  EXPECT_EQ(ParseNumberText("  +7\t", NumberSign::Signed), 7);
  EXPECT_EQ(ParseNumberText("-3", NumberSign::Signed), -3);
  EXPECT_EQ(ParseNumberText("007", NumberSign::Unsigned), 7);
  EXPECT_FALSE(ParseNumberText("-3", NumberSign::Unsigned));
  for (const char* bad : {"", " ", "+", "1.5", "0x10", "1e3", "12a"})
    EXPECT_FALSE(ParseNumberText(bad, NumberSign::Signed)) << bad;
  // Far too large for 32 bits: still a number, and out of every range.
  EXPECT_GT(*ParseNumberText("123456789012345678901234567890", NumberSign::Unsigned), std::int64_t{1} << 32);
  EXPECT_LT(*ParseNumberText("-123456789012345678901234567890", NumberSign::Signed), -(std::int64_t{1} << 32));
}

TEST(LineBreaks, BoxShowsCrLfAndPlacesKeepLf) {
  EXPECT_EQ(ToEditLineBreaks("a\nb\n\n"), "a\r\nb\r\n\r\n");
  EXPECT_EQ(FromEditLineBreaks("a\r\nb\r\n\r\n"), "a\nb\n\n");
  EXPECT_EQ(FromEditLineBreaks("a\rb\r"), "a\rb\r");  // a lone CR stays
  EXPECT_EQ(FromEditLineBreaks("\r\r\n"), "\r\n");
  // Double-byte characters are stepped over whole, trail 0x5C included.
  EXPECT_EQ(ToEditLineBreaks("\x83\x5c\n\x95\x5c"), "\x83\x5c\r\n\x95\x5c");
  const std::string round = "\x82\xa0\n\x83\x5c\r\n<p>\n";
  EXPECT_EQ(FromEditLineBreaks(ToEditLineBreaks(round)), round);
}

TEST(FolderBrowserRules, InitialFolderLosesOneBackslashExceptAtARoot) {
  EXPECT_EQ(InitialFolderForBrowser(""), "");
  EXPECT_EQ(InitialFolderForBrowser("C:\\"), "C:\\");
  EXPECT_EQ(InitialFolderForBrowser("d:\\"), "d:\\");
  EXPECT_EQ(InitialFolderForBrowser("C:\\Kurumin\\"), "C:\\Kurumin");
  EXPECT_EQ(InitialFolderForBrowser("C:\\Kurumin\\\\"), "C:\\Kurumin\\");
  EXPECT_EQ(InitialFolderForBrowser("C:\\Kurumin"), "C:\\Kurumin");
  // "表" ends in the byte 0x5C, which is not a backslash.
  EXPECT_EQ(InitialFolderForBrowser("C:\\\x95\x5c"), "C:\\\x95\x5c");
  EXPECT_EQ(InitialFolderForBrowser("C:\\\x95\x5c\\"), "C:\\\x95\x5c");
}

TEST(FolderBrowserRules, ChosenFolderEndsInABackslash) {
  EXPECT_EQ(WithTrailingSeparator("C:\\", '\\'), "C:\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\Kurumin", '\\'), "C:\\Kurumin\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\\x83\x5c", '\\'), "C:\\\x83\x5c\\");  // "ソ"
  EXPECT_EQ(WithTrailingSeparator("\\\\server\\share\\", '\\'), "\\\\server\\share\\");
}

}  // namespace
}  // namespace mogura
