// The built-in formats, their pages and default texts, the resets and look-ups, and the
// replacement of embedded words. Japanese texts are compared as their CP932 bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "html/embedded_words.h"
#include "html/html_format_list.h"

namespace mogura {
namespace {

// CP932 bytes of the Japanese texts compared below.
const std::string kMoguraNoteParen = "\x81i\x82\xE0\x82\xAE\x82\xE7\x83m\x81[\x83g\x81j";  // （もぐらノート）
const std::string kMokuji = "\x82\xE0\x82\xAD\x82\xB6";  // もくじ
const std::string kDefaultTitle =  // 標準（インストール時の設定）
    "\x95W\x8F\x80\x81i\x83" "C\x83\x93\x83X\x83g\x81[\x83\x8B\x8E\x9E\x82\xCC\x90\xDD\x92\xE8\x81j";
const std::string kUserTitle =  // ユーザー設定（自由に変更できまちゅ）
    "\x83\x86\x81[\x83U\x81[\x90\xDD\x92\xE8\x81i\x8E\xA9\x97R\x82\xC9\x95\xCF\x8DX\x82\xC5\x82\xAB"
    "\x82\xDC\x82\xBF\x82\xE3\x81j";
const std::string kMailPageTitle = "\x83\x81\x81[\x83\x8B\x82\xCC\x83y\x81[\x83W";  // メールのページ
const std::string kIndexPageTitle = "\x82\xE0\x82\xAD\x82\xB6\x82\xCC\x83y\x81[\x83W";  // もくじのページ

std::string HeaderText(const std::string& title, const std::string& heading) {
  return "<html>\n"
         "<head>\n"
         "<meta name=\"generator\" content=\"Mogura Note for Kurumin\">\n"
         "<title>" + title + "</title>\n"
         "</head>\n"
         "<body bgcolor=\"#ffeedd\" text=\"#114e80\">\n"
         "<p align=\"center\">\n"
         "<font size=\"+4\"><b>" + heading + "</b></font>\n"
         "</p>\n"
         "<hr><br>\n";
}

struct Row {
  std::string key, title, text;
};

void ExpectPlaces(const FormatPage& page, const std::vector<Row>& rows) {
  ASSERT_EQ(page.places().size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].key);
    EXPECT_EQ(page.places()[i].key(), rows[i].key);
    EXPECT_EQ(page.places()[i].title(), rows[i].title);
    EXPECT_EQ(page.places()[i].text(), rows[i].text);
  }
}

const std::string kHeaderTitle = "HTML\x83t\x83@\x83" "C\x83\x8B\x82\xCC\x90\xE6\x93\xAA";  // HTMLファイルの先頭
const std::string kFooterTitle = "HTML\x83t\x83@\x83" "C\x83\x8B\x82\xCC\x96\x96\x94\xF6";  // HTMLファイルの末尾
const std::string kTableHeaderTitle = "\x95\x5C\x82\xCC\x90\xE6\x93\xAA";  // 表の先頭
const std::string kTableFooterTitle = "\x95\x5C\x82\xCC\x96\x96\x94\xF6";  // 表の末尾
const std::string kRowStartTitle = "\x95\x5C\x82\xCC\x82P\x8Ds\x82\xCC\x82\xCD\x82\xB6\x82\xDF";  // 表の１行のはじめ
const std::string kRowEndTitle = "\x95\x5C\x82\xCC\x82P\x8Ds\x82\xCC\x82\xA8\x82\xED\x82\xE8";  // 表の１行のおわり
const std::string kColumnStartTitle =  // 表の要素（列）のはじめ
    "\x95\x5C\x82\xCC\x97v\x91" "f\x81i\x97\xF1\x81j\x82\xCC\x82\xCD\x82\xB6\x82\xDF";
const std::string kColumnEndTitle =  // 表の要素（列）のおわり
    "\x95\x5C\x82\xCC\x97v\x91" "f\x81i\x97\xF1\x81j\x82\xCC\x82\xA8\x82\xED\x82\xE8";

const std::vector<Row> kTableRows = {
    {"Table_Header", kTableHeaderTitle, "<table>"},
    {"Table_Footer", kTableFooterTitle, "</table>"},
    {"Table_HeaderRow", kRowStartTitle, "<tr>"},
    {"Table_FotterRow", kRowEndTitle, "</tr>"},
    {"Table_HeaderColumn", kColumnStartTitle, "<td>"},
    {"Table_FotterColumn", kColumnEndTitle, "</td>"},
};

std::vector<Row> MailRows() {
  std::vector<Row> rows = {
      {"Header", kHeaderTitle, HeaderText("[@MailPageTitle@]" + kMoguraNoteParen, "[@MailPageTitle@]")},
      {"Footer", kFooterTitle, "</body>\n</html>\n"},
      {"HeaderOne", "\x82P\x82\xC2\x82\xCC\x83\x81\x81[\x83\x8B\x82\xCC\x92\xBC\x91O", ""},  // １つのメールの直前
      {"FooterOne", "\x82P\x82\xC2\x82\xCC\x83\x81\x81[\x83\x8B\x82\xCC\x92\xBC\x8C\xE3", "<br><br>"},
      {"BeforeLine",  // 行のはじめ（メール本文のみ）
       "\x8Ds\x82\xCC\x82\xCD\x82\xB6\x82\xDF\x81i\x83\x81\x81[\x83\x8B\x96{\x95\xB6\x82\xCC\x82\xDD\x81j", ""},
      {"EndLine",  // 行のおわり（メール本文のみ）
       "\x8Ds\x82\xCC\x82\xA8\x82\xED\x82\xE8\x81i\x83\x81\x81[\x83\x8B\x96{\x95\xB6\x82\xCC\x82\xDD\x81j", "<br>"},
      {"BeforeSubject", "Subject\x82\xCC\x82\xCD\x82\xB6\x82\xDF", "<b><font size=\"+1\">\x81u"},
      {"EndSubject", "Subject\x82\xCC\x82\xA8\x82\xED\x82\xE8", "\x81v</font></b><br><br>"},
  };
  rows.insert(rows.end(), kTableRows.begin(), kTableRows.end());
  return rows;
}

std::vector<Row> IndexRows() {
  std::vector<Row> rows = {
      {"Header", kHeaderTitle, HeaderText(kMokuji + kMoguraNoteParen, kMokuji)},
      {"Footer", kFooterTitle, "</body>\n</html>\n"},
      {"IndexItem", "\x82P\x82\xC2\x82\xCC\x83" "A\x83" "C\x83" "e\x83\x80",  // １つのアイテム
       "<a href=\"[@_IndexItemLink@]\">[@_IndexItemTitle@]</a>"},
  };
  rows.insert(rows.end(), kTableRows.begin(), kTableRows.end());
  return rows;
}

TEST(PageKinds, DescriptorsBuildTheDefaultPagesByteForByte) {
  const auto descriptors = PageDescriptors();
  ASSERT_EQ(descriptors.size(), 2u);
  EXPECT_EQ(descriptors[0].key, "Mail");
  EXPECT_EQ(descriptors[1].key, "Index");
  EXPECT_EQ(PageKindKey(PageKind::Mail), "Mail");
  EXPECT_EQ(PageKindKey(PageKind::Index), "Index");

  const FormatPage mail = DescriptorOf(PageKind::Mail).build();
  EXPECT_EQ(mail.key(), "Mail");
  EXPECT_EQ(mail.title(), kMailPageTitle);
  ExpectPlaces(mail, MailRows());

  const FormatPage index = DescriptorOf(PageKind::Index).build();
  EXPECT_EQ(index.key(), "Index");
  EXPECT_EQ(index.title(), kIndexPageTitle);
  ExpectPlaces(index, IndexRows());

  for (const FormatPage* page : {&mail, &index}) {
    EXPECT_FALSE(page->outputSubject());
    EXPECT_FALSE(page->outputList());
    EXPECT_EQ(page->listColumn(), 3);
    EXPECT_FALSE(page->outputDatePetMail());
    EXPECT_FALSE(page->outputDateEventMail());
  }
}

TEST(PageKinds, MultiLineDefaultsHoldBareLineFeeds) {
  const FormatPage mail = DescriptorOf(PageKind::Mail).build();
  const std::string header = mail.placeText("Header");
  EXPECT_EQ(header.find('\r'), std::string::npos);
  EXPECT_EQ(std::count(header.begin(), header.end(), '\n'), 10);
  EXPECT_EQ(header.back(), '\n');
  EXPECT_EQ(mail.placeText("Footer"), "</body>\n</html>\n");
}

TEST(HtmlFormatList, FreshResetHoldsTheTwoBuiltInFormats) {
  HtmlFormatList list;
  EXPECT_TRUE(list.formats().empty());
  EXPECT_EQ(list.activeFormat(), nullptr);
  list.Reset();
  ASSERT_EQ(list.formats().size(), 2u);
  EXPECT_EQ(list.formats()[0].identifier(), "UserSetting");
  EXPECT_EQ(list.formats()[0].title(), kUserTitle);
  EXPECT_EQ(list.formats()[1].identifier(), "Default");
  EXPECT_EQ(list.formats()[1].title(), kDefaultTitle);
  for (const HtmlFormat& format : list.formats()) {
    ASSERT_EQ(format.pages().size(), 2u);
    EXPECT_EQ(format.pages()[0].places().size(), 14u);
    EXPECT_EQ(format.pages()[1].places().size(), 9u);
  }
  EXPECT_EQ(list.activeIdentifier(), "Default");
  ASSERT_NE(list.activeFormat(), nullptr);
  EXPECT_EQ(list.activeFormat(), &list.formats()[1]);
  EXPECT_EQ(list.activePage(PageKind::Index), &list.formats()[1].pages()[1]);
}

TEST(HtmlFormatList, ResetRestoresDefaultOnlyAndKeepsTheRest) {
  HtmlFormatList list;
  list.Reset();
  list.formats()[1].pages()[0].places()[0].setText("changed");
  list.formats()[1].pages()[1].places().pop_back();
  list.formats()[1].pages()[0].setOutputList(true);
  list.formats()[1].setTitle("my standard");
  list.formats()[0].pages()[0].places()[1].setText("user footer");
  list.select("UserSetting");

  list.Reset();
  ASSERT_EQ(list.formats().size(), 2u);
  const HtmlFormat& standard = list.formats()[1];
  EXPECT_EQ(standard.title(), "my standard");
  ExpectPlaces(standard.pages()[0], MailRows());
  ExpectPlaces(standard.pages()[1], IndexRows());
  EXPECT_FALSE(standard.pages()[0].outputList());
  EXPECT_EQ(list.formats()[0].pages()[0].placeText("Footer"), "user footer");
  EXPECT_EQ(list.activeIdentifier(), "UserSetting");
}

TEST(HtmlFormatList, ResetFillsAnEmptyActiveIdentifierAndAppendsWhenDefaultIsMissing) {
  HtmlFormatList list;
  list.formats().push_back(HtmlFormat("Mine", "mine"));
  list.Reset();
  ASSERT_EQ(list.formats().size(), 3u);
  EXPECT_EQ(list.formats()[0].identifier(), "Mine");
  EXPECT_TRUE(list.formats()[0].pages().empty());
  EXPECT_EQ(list.formats()[1].identifier(), "UserSetting");
  EXPECT_EQ(list.formats()[2].identifier(), "Default");
  EXPECT_EQ(list.activeIdentifier(), "Default");

  list.setActiveIdentifier("");
  list.Reset();
  EXPECT_EQ(list.formats().size(), 3u);
  EXPECT_EQ(list.activeIdentifier(), "Default");
}

TEST(HtmlFormatList, LookUpsAreExactAndMissOrderly) {
  HtmlFormatList list;
  list.Reset();
  EXPECT_EQ(list.findFormat("default"), nullptr);
  EXPECT_EQ(list.findFormat("Default"), &list.formats()[1]);

  // Selecting an unknown identifier stores it and finds nothing.
  EXPECT_EQ(list.select("Nothing"), nullptr);
  EXPECT_EQ(list.activeIdentifier(), "Nothing");
  EXPECT_EQ(list.activeFormat(), nullptr);
  EXPECT_EQ(list.activePage("Mail"), nullptr);
  EXPECT_EQ(list.select("UserSetting"), &list.formats()[0]);

  const HtmlFormat& format = list.formats()[0];
  EXPECT_EQ(format.findPage("mail"), nullptr);
  EXPECT_EQ(format.findPage("KosoriDialy"), nullptr);
  const FormatPage* index = format.findPage(PageKind::Index);
  ASSERT_NE(index, nullptr);
  EXPECT_EQ(index->findPlace("HeaderOne"), nullptr);
  EXPECT_EQ(index->placeText("HeaderOne"), "");
  EXPECT_EQ(index->placeText("header"), "");

  // Duplicate keys: the first place wins.
  FormatPage page("Mail");
  page.appendPlace(TemplatePlace("Table_Header", "", "first"));
  page.appendPlace(TemplatePlace("Table_Header", "", "second"));
  EXPECT_EQ(page.placeText("Table_Header"), "first");
}

TEST(FormatPage, ListColumnIsNeverBelowOne) {
  FormatPage page("Mail");
  EXPECT_EQ(page.listColumn(), 3);
  page.setListColumn(0);
  EXPECT_EQ(page.listColumn(), 1);
  page.setListColumn(-7);
  EXPECT_EQ(page.listColumn(), 1);
  page.setListColumn(16);
  EXPECT_EQ(page.listColumn(), 16);
}

// ---- embedded words ----

TEST(EmbeddedWords, MailPageTitleIsReplacedInBothPlacesOfTheDefaultHeader) {
  const std::string header = DescriptorOf(PageKind::Mail).build().placeText("Header");
  EXPECT_EQ(ReplaceWord(header, "MailPageTitle", "T"), HeaderText("T" + kMoguraNoteParen, "T"));
  EXPECT_EQ(ReplaceWord(header, "MailPageTitle", ""), HeaderText(kMoguraNoteParen, ""));
  // Other letter case is another word.
  EXPECT_EQ(ReplaceWord(header, "mailpagetitle", "T"), header);
  EXPECT_EQ(ReplaceWord("[@mailpagetitle@]", "MailPageTitle", "T"), "[@mailpagetitle@]");
}

TEST(EmbeddedWords, InsertedValuesAreNeverSearchedAgain) {
  EXPECT_EQ(ReplaceWord("a[@W@]b[@W@]c", "W", "<[@W@]>"), "a<[@W@]>b<[@W@]>c");
  EXPECT_EQ(ReplaceWord("[@W@]", "W", "[@"), "[@");
  EXPECT_EQ(ReplaceWord("[@W@]@]", "W", "[@W"), "[@W@]");
  // One pass with several words: a value holding another word keeps it.
  const WordLookup lookup = [](std::string_view name) -> std::optional<std::string> {
    if (name == "A") return std::string("[@B@]");
    if (name == "B") return std::string("b");
    return std::nullopt;
  };
  EXPECT_EQ(ReplaceWords("[@A@][@B@]", lookup), "[@B@]b");
}

TEST(EmbeddedWords, BracketsOutsideKnownWordsStayAsWritten) {
  const WordLookup lookup = [](std::string_view name) -> std::optional<std::string> {
    if (name == "X") return std::string("x");
    if (name.empty()) return std::string("E");
    return std::nullopt;
  };
  EXPECT_EQ(ReplaceWords("", lookup), "");
  EXPECT_EQ(ReplaceWords("no words", lookup), "no words");
  // Adjacent words.
  EXPECT_EQ(ReplaceWords("[@X@][@X@][@X@]", lookup), "xxx");
  // Unknown word, then a known one: the unknown stays.
  EXPECT_EQ(ReplaceWords("[@Y@][@X@]", lookup), "[@Y@]x");
  // An opener inside an unknown name does not hide the word after it.
  EXPECT_EQ(ReplaceWords("[@Y [@X@] z", lookup), "[@Y x z");
  // Unterminated: the rest of the text stays unchanged.
  EXPECT_EQ(ReplaceWords("[@X@] and [@X", lookup), "x and [@X");
  EXPECT_EQ(ReplaceWords("[@", lookup), "[@");
  EXPECT_EQ(ReplaceWords("@]X[@", lookup), "@]X[@");
  // The empty name is a word like any other; the callback decides.
  EXPECT_EQ(ReplaceWords("<[@@]>", lookup), "<E>");
  EXPECT_EQ(ReplaceWord("<[@@]>", "X", "x"), "<[@@]>");
  EXPECT_EQ(ReplaceWord("[@@@]", "@", "at"), "at");
}

TEST(EmbeddedWords, TrailBytesNeverOpenOrCloseAWord) {
  // "ー" is 0x81 0x5B: its trail byte is '['. Followed by "@X@]" it is no word.
  const std::string bar = "\x81[";
  EXPECT_EQ(ReplaceWord(bar + "@X@]", "X", "x"), bar + "@X@]");
  EXPECT_EQ(ReplaceWord(bar + "[@X@]", "X", "x"), bar + "x");
  // "　" is 0x81 0x40: its trail byte is '@'. Before ']' it does not close the word.
  const std::string space = "\x81@";
  const std::string name = "X" + space.substr(0, 1);  // would be the name of a byte scan
  EXPECT_EQ(ReplaceWord("[@X" + space + "]", name, "x"), "[@X" + space + "]");
  // A name may hold double-byte characters.
  EXPECT_EQ(ReplaceWord("[@" + space + "@]", space, "x"), "x");
  // A lone lead byte at the very end is kept.
  EXPECT_EQ(ReplaceWord("[@X@]\x81", "X", "x"), "x\x81");
}

}  // namespace
}  // namespace mogura
