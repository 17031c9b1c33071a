#include "setup/ini_file.h"

#include <gtest/gtest.h>


namespace mogura {
namespace {

const std::string kSo = "\x83\x5C";  // "ソ": its trail byte is a backslash

TEST(IniFile, ReadsAsTheProfileServiceDoes) {
  const IniFile ini(
      "; a comment line\r\n"
      "Title=outside any section\r\n"
      "  [ install ]  \r\n"
      "  Title  =  \"  Quoted Title  \"  \r\n"
      "folder=mogura\n"
      "TSR\r"
      "Open='guide.htm'\r\n"
      "Lone=\"half\r\n"
      "Empty=\r\n"
      "folder=second one is ignored\r\n"
      ";Folder=commented\r\n");
  EXPECT_EQ(ini.value("Install", "Title", 99), "  Quoted Title  ");
  EXPECT_EQ(ini.value("INSTALL", "FOLDER", 99), "mogura");
  EXPECT_EQ(ini.value("Install", "TSR", 9), "");  // a key without '=' has no value
  EXPECT_EQ(ini.value("Install", "Open", 259), "guide.htm");
  EXPECT_EQ(ini.value("Install", "Lone", 259), "\"half");
  EXPECT_EQ(ini.value("Install", "Missing", 259), "");
  EXPECT_EQ(ini.value("Group", "Title", 259), "");
  ASSERT_EQ(ini.sections().size(), 1u);
  EXPECT_EQ(ini.sections()[0].name, "install");
}

TEST(IniFile, FirstSectionOfANameAndFirstLineOfAKeyWin) {
  const IniFile ini("[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n");
  EXPECT_EQ(ini.value("a", "k", 9), "1");
  EXPECT_EQ(ini.value("A", "j", 9), "");  // the second [a] is never looked at
  EXPECT_EQ(ini.value("B", "K", 9), "2");
  ASSERT_EQ(ini.sections().size(), 3u);
  EXPECT_EQ(ini.sections()[1].begin, 10u);
  EXPECT_EQ(ini.sections()[1].bodyBegin, 15u);
  EXPECT_EQ(ini.sections()[1].end, 20u);
}

TEST(IniFile, LongValuesAreCutAtACharacterBoundary) {
  const IniFile ini("[S]\r\nk=abc" + kSo + "def\r\n");
  EXPECT_EQ(ini.value("S", "k", 5), "abc" + kSo);
  EXPECT_EQ(ini.value("S", "k", 4), "abc");  // never a lone lead byte at the end
  EXPECT_EQ(ini.value("S", "k", 0), "");
}

TEST(IniFile, DoubleByteNamesAndBracketTrailBytes) {
  // "‐" is 0x81 0x5D: its trail byte is ']'; "ソ" ends in '\\'. Letters inside double-byte
  // characters are not folded: "ア" (0x83 0x41) and "ヂ" (0x83 0x61) stay different keys.
  const IniFile ini("[x\x81\x5Dy]\r\n" + kSo + "=" + kSo + "\r\n\x83\x41=1\r\n");
  ASSERT_EQ(ini.sections().size(), 1u);
  EXPECT_EQ(ini.sections()[0].name, "x\x81\x5Dy");
  EXPECT_EQ(ini.value("X\x81\x5DY", kSo, 9), kSo);
  EXPECT_EQ(ini.value("x\x81\x5Dy", "\x83\x41", 9), "1");
  EXPECT_EQ(ini.value("x\x81\x5Dy", "\x83\x61", 9), "");
}

TEST(IniFile, EndOfFileMarkAndNulEndTheText) {
  const IniFile ini(std::string("[S]\r\na=1\x00zz\r\nb=2\r\n\x1A[S2]\r\nc=3\r\n", 30));
  EXPECT_EQ(ini.value("S", "a", 9), "1");
  EXPECT_EQ(ini.value("S", "b", 9), "2");
  EXPECT_EQ(ini.value("S2", "c", 9), "");
  EXPECT_EQ(ini.text().size(), 18u);
}

}  // namespace
}  // namespace mogura
