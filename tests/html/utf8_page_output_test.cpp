#include "html/utf8_page_output.h"

#include <gtest/gtest.h>

#include <string>

#include "base/cp932_unicode.h"
#include "support/string_output_file.h"

namespace mogura {
namespace {

using test::StringOutputFile;

const std::string kMark = "\xef\xbb\xbf";

// The page written in the given pieces.
std::string WrittenInPieces(const std::string& page, const std::vector<std::size_t>& cuts) {
  StringOutputFile sink;
  Utf8PageOutput output(sink);
  std::size_t from = 0;
  for (std::size_t cut : cuts) {
    EXPECT_TRUE(output.write(page.data() + from, cut - from));
    from = cut;
  }
  EXPECT_TRUE(output.write(page.data() + from, page.size() - from));
  EXPECT_TRUE(output.close());
  return sink.bytes();
}

TEST(Utf8PageOutput, APageGetsTheMarkAndEveryCharacterInUtf8) {
  EXPECT_EQ(Utf8Page(""), kMark);
  EXPECT_EQ(Utf8Page("<p>\x82\xa0\x83\x5c</p>\r\n"), kMark + "<p>\xe3\x81\x82\xe3\x82\xbd</p>\r\n");
}

TEST(Utf8PageOutput, CharsetNamesInsideMetaTagsBecomeUtf8) {
  const struct {
    std::string page, want;
  } cases[] = {
      {"<meta charset=\"Shift_JIS\">", "<meta charset=\"UTF-8\">"},
      {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=shift_jis\">",
       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">"},
      {"<meta charset=x-sjis>", "<meta charset=UTF-8>"},
      {"<meta charset='SJIS'/>", "<meta charset='UTF-8'/>"},
      {"<meta\r\ncharset=Windows-31J>", "<meta\r\ncharset=UTF-8>"},
      {"<meta charset=cp932><meta charset=shift-jis>", "<meta charset=UTF-8><meta charset=UTF-8>"},
      // Not inside a meta tag, or not a whole name: left alone.
      {"<p>Shift_JIS</p>", "<p>Shift_JIS</p>"},
      {"<metadata charset=sjis>", "<metadata charset=sjis>"},
      {"<meta charset=sjisx name=xsjis>", "<meta charset=sjisx name=xsjis>"},
      {"<meta content=\"a\"> sjis", "<meta content=\"a\"> sjis"},
      // A trail byte that is a letter does not start a name: 0x82 0x73 is one character.
      {"<meta name=\x82sjis>", "<meta name=\xef\xbc\xb4jis>"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8Page(c.page), kMark + c.want) << c.page;
}

TEST(Utf8PageOutput, PiecesCutAnywhereGiveTheSameBytesAsTheWholePage) {
  // Every cut falls once inside a double-byte character, "<meta", a charset name, the tag.
  const std::string page = "<html><head>\r\n<META charset=\"Shift_JIS\"><meta charset=x-sjis>\r\n"
                           "</head><body>\x82\xa0\x83\x5c\x95\x5c<b>\x81</b>\xb1\x85\x40 x</body></html>\r\n";
  const std::string whole = Utf8Page(page);
  EXPECT_NE(whole.find("charset=\"UTF-8\""), std::string::npos);
  for (std::size_t cut = 0; cut <= page.size(); ++cut) {
    EXPECT_EQ(WrittenInPieces(page, {cut}), whole) << "cut at " << cut;
    for (std::size_t second = cut; second <= page.size() && second < cut + 14; ++second)
      ASSERT_EQ(WrittenInPieces(page, {cut, second}), whole) << "cuts at " << cut << ", " << second;
  }
  std::vector<std::size_t> everyByte;
  for (std::size_t i = 1; i < page.size(); ++i) everyByte.push_back(i);
  EXPECT_EQ(WrittenInPieces(page, everyByte), whole);
}

TEST(Utf8PageOutput, OutsideMetaTagsTheBytesAreThoseOfTheWholeConversion) {
  std::string page;
  for (int i = 0; i < 140000; ++i) page += (i % 3 == 0) ? "\x82\xa0" : (i % 7 == 0 ? "<p>" : "x");
  ASSERT_GT(page.size(), 131072u);
  EXPECT_EQ(WrittenInPieces(page, {65536, 65537, 131072}), kMark + Utf8FromCp932(page));
}

TEST(Utf8PageOutput, AFailingFileFailsTheWriteOrTheClose) {
  StringOutputFile full(10);
  Utf8PageOutput output(full);
  const std::string page(100, 'a');
  EXPECT_FALSE(output.write(page.data(), page.size()));
  EXPECT_FALSE(output.write("b", 1));
  EXPECT_FALSE(output.close());

  StringOutputFile closing;
  closing.failOnClose();
  Utf8PageOutput second(closing);
  EXPECT_TRUE(second.write("ab\x82", 3));
  EXPECT_FALSE(second.close());
  EXPECT_EQ(closing.bytes(), kMark + "ab\xef\xbf\xbd");  // the held-back lead byte still reached the file
}

}  // namespace
}  // namespace mogura
