#include "base/cp932.h"

#include <gtest/gtest.h>

namespace mogura {
namespace {

// "ソ" (0x83 0x5C) and "表" (0x95 0x5C) carry a backslash as trail byte.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";

TEST(Cp932, LeadBytesAreExactlyTheTwoRanges) {
  for (int c = 0; c < 256; ++c) {
    const bool expected = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(c)), expected) << c;
  }
}

TEST(Cp932, ForwardSearchStepsOverTrailBytes) {
  const std::string path = "C:\\" + kSo + "\\" + kHyo + ".htm";
  EXPECT_EQ(FindCharDbcs(path, '\\'), 2u);
  EXPECT_EQ(FindCharDbcs(path, '\\', 3), 5u);  // not the trail byte at 4
  EXPECT_EQ(FindCharDbcs(path, '.', 0), 8u);
  EXPECT_EQ(FindLastCharDbcs(path, '\\'), 5u);
  EXPECT_EQ(FindLastCharDbcs(kSo + kHyo, '\\'), std::string::npos);
  EXPECT_EQ(FindCharDbcs("", '\\'), std::string::npos);
  // A lead byte at the very end has no trail byte; the scan must not run past it.
  EXPECT_EQ(FindCharDbcs(std::string("ab\x83"), '\\'), std::string::npos);
}

TEST(Cp932, CutNeverSplitsADoubleByteCharacter) {
  const std::string text = "ab" + kSo + "c";
  EXPECT_EQ(CutToCharBoundary(text, 10), text);
  EXPECT_EQ(CutToCharBoundary(text, 4), "ab" + kSo);
  EXPECT_EQ(CutToCharBoundary(text, 3), "ab");  // not "ab\x83"
  EXPECT_EQ(CutToCharBoundary(text, 0), "");
  // A lone lead byte at the very end is kept only when the text fits as it is.
  EXPECT_EQ(CutToCharBoundary(std::string("a\x83"), 2), std::string("a\x83"));
  EXPECT_EQ(CutToCharBoundary(std::string("ab\x83"), 2), "ab");
}

TEST(Cp932, CaseInsensitiveOnlyForAsciiLetters) {
  EXPECT_TRUE(EqualsNoCase("KRM", "krm"));
  EXPECT_TRUE(EqualsNoCase("Jan", "jAN"));
  EXPECT_FALSE(EqualsNoCase("krm", "krn"));
  EXPECT_FALSE(EqualsNoCase("krm", "krm "));
  // Full-width letters (0x82 0x60 'Ａ', 0x82 0x81 'ａ') are not folded.
  EXPECT_FALSE(EqualsNoCase("\x82\x60", "\x82\x81"));
  EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
  EXPECT_GT(CompareNoCase("abcd", "ABC"), 0);
  EXPECT_EQ(CompareNoCase("", ""), 0);
}

TEST(Cp932, TrailBytesThatLookLikeLettersAreNotFolded) {
  // "ア" is 0x83 0x41 ('A' as trail byte), "ヂ" is 0x83 0x61 ('a' as trail byte).
  EXPECT_FALSE(EqualsNoCase("\x83\x41", "\x83\x61"));
  EXPECT_FALSE(EqualsNoCase("x\x83\x41.KRM", "X\x83\x61.krm"));
  EXPECT_TRUE(EqualsNoCase("x\x83\x41.KRM", "X\x83\x41.krm"));
  EXPECT_EQ(AsciiFolded("x\x83\x41.KRM"), "x\x83\x41.krm");
}

}  // namespace
}  // namespace mogura
