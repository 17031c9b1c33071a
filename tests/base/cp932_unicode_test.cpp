#include "base/cp932_unicode.h"

#include <gtest/gtest.h>

#include <string>

namespace mogura {
namespace {

TEST(Cp932Unicode, CharactersMapAsWindowsMapsThem) {
  struct Case {
    std::string cp932;
    std::string utf8;
  };
  const Case cases[] = {
      {"a<&\r\n", "a<&\r\n"},
      {"\x82\xa0", "\xe3\x81\x82"},            // hiragana a
      {"\x83\x5c", "\xe3\x82\xbd"},            // katakana so: trail byte 0x5C
      {"\x95\x5c", "\xe8\xa1\xa8"},            // kanji hyou
      {"\xb1", "\xef\xbd\xb1"},                // half-width katakana a
      {"\x81\x60", "\xef\xbd\x9e"},            // wave dash: the Windows mapping, U+FF5E
      {"\x81\x7c", "\xef\xbc\x8d"},            // minus: U+FF0D in the Windows mapping
      {"\x87\x40", "\xe2\x91\xa0"},            // circled one (an extension row)
      {"\xed\x40", "\xe7\xba\x8a"},            // an extension kanji, U+7E8A
      {"\xf0\x40", "\xee\x80\x80"},            // user-defined area: U+E000
      {"\x80", "\xc2\x80"},                    // single bytes Windows keeps
      {"\xa0", "\xef\xa3\xb0"},                // U+F8F0
      {"\xfd\xfe\xff", "\xef\xa3\xb1\xef\xa3\xb2\xef\xa3\xb3"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8FromCp932(c.cp932), c.utf8) << c.cp932;
}

TEST(Cp932Unicode, ALeadByteWithoutAMappedPairIsAReplacementAndTheNextByteStands) {
  const std::string fffd = "\xef\xbf\xbd";
  EXPECT_EQ(Utf8FromCp932("\x81<b>"), fffd + "<b>");      // a markup byte is never swallowed
  EXPECT_EQ(Utf8FromCp932("\x85\x40x"), fffd + "@x");     // an unassigned row
  EXPECT_EQ(Utf8FromCp932("\x82\xa0\x82"), "\xe3\x81\x82" + fffd);  // cut off at the end
  EXPECT_EQ(Utf8FromCp932("\x85\x82\xa0"), fffd + "\xe3\x81\x82");  // 0x85 0x82 has no mapping

  Cp932Char one = DecodeCp932("\x82\xa0", 0);
  EXPECT_EQ(one.code, U'\u3042');
  EXPECT_EQ(one.length, 2u);
  one = DecodeCp932("\x82", 0);
  EXPECT_EQ(one.code, U'\uFFFD');
  EXPECT_EQ(one.length, 1u);
}

TEST(Cp932Unicode, APieceEndingInALeadByteLeavesItForTheNextPiece) {
  const std::string text = "ab\x82\xa0\x82";
  std::string out;
  EXPECT_EQ(AppendUtf8FromCp932(text, &out, false), 4u);
  EXPECT_EQ(out, "ab\xe3\x81\x82");
  EXPECT_EQ(AppendUtf8FromCp932("\x82\xa0", &out, false), 2u);
  EXPECT_EQ(out, "ab\xe3\x81\x82\xe3\x81\x82");
}

// The converter stops before the first '<' followed by an "m" of either case, or ending the
// text, wherever it falls in the eight bytes taken at a time; other '<' pass, whether the
// caller names the letter or only answers when asked.
TEST(Cp932Unicode, AStopIsFoundAtEveryOffsetWithOrWithoutItsLetter) {
  const auto stopsAt = [](const std::string& text, char letter) {
    std::string out(3 * text.size() + 1, '\0');
    std::size_t used = 0;
    ConvertCp932ToUtf8(
        text, out.data(), true, &used, '<',
        [&text](std::size_t at) { return at + 1 == text.size() || (text[at + 1] | 0x20) == 'm'; }, letter);
    return used;
  };
  for (const char* stop : {"<m", "<M", "<"}) {
    for (std::size_t at = 0; at < 40; ++at) {
      for (const bool withKana : {false, true}) {
        // '<' before other letters at every offset before the stop, with or without a
        // half-width kana that moves where the runs of eight begin.
        std::string text;
        for (std::size_t i = 0; i < at; ++i) {
          text += (i % 5 == 1) ? '<' : (withKana && i == at / 2 ? '\xb1' : static_cast<char>('a' + i % 3));
        }
        text += stop;
        if (std::string_view(stop) != "<") text += "eta x<p>";
        EXPECT_EQ(stopsAt(text, 'm'), at) << stop << " at " << at << " " << withKana;
        EXPECT_EQ(stopsAt(text, '\0'), at) << stop << " at " << at << " " << withKana;
      }
    }
  }
}

TEST(Cp932Unicode, EveryPairOfEveryLeadByteGivesOneOrTwoCharacters) {
  // Long runs of ASCII go eight bytes at a time; what comes after them must not be skipped.
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0; trail < 256; ++trail) {
      const std::string pair = std::string(1, char(lead)) + char(trail) + "z";
      const std::string alone = Utf8FromCp932(pair);
      ASSERT_EQ(Utf8FromCp932("12345678" + pair), "12345678" + alone) << lead << " " << trail;
      ASSERT_LE(alone.size(), 3u * pair.size());
    }
  }
}

TEST(Cp932Unicode, RunsOfCharactersConvertAsEachCharacterAlone) {
  // Every pair after every other in one text, so that runs of kana and kanji meet Greek and
  // Cyrillic (two UTF-8 bytes), unmapped pairs, half-width katakana and ASCII at every offset.
  std::string text, each;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead == 0xA0) lead = 0xE0;  // past the single bytes
    for (int trail = 0x40; trail <= 0xFC; trail += 3) {
      const std::string one = std::string(1, char(lead)) + char(trail);
      if (DecodeCp932(one, 0).length == 2) {
        text += one;
        each += Utf8FromCp932(one);
      } else if (trail < 0x7F) {  // a replacement, then the trail byte as an ASCII character
        text += one;
        each += "\xef\xbf\xbd" + std::string(1, char(trail));
      }
    }
    text += "\xb1";  // half-width katakana a
    each += "\xef\xbd\xb1";
  }
  EXPECT_EQ(Utf8FromCp932(text), each);
}

TEST(Cp932Unicode, Utf8OfCodePointsAboveTheBasicPlane) {
  std::string out;
  AppendUtf8(U'\U0001F600', &out);
  EXPECT_EQ(out, "\xf0\x9f\x98\x80");
}

}  // namespace
}  // namespace mogura
