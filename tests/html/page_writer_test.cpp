#include "html/mail_page_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "html/index_page_writer.h"
#include "html/page_kind.h"
#include "mailstore/split_lines.h"
#include "settings/word_settings.h"
#include "support/string_output_file.h"

namespace mogura {
namespace {

using test::StringOutputFile;

// CP932 texts of the built-in templates.
const std::string kNoteSuffix =  // （もぐらノート）
    "\x81\x69\x82\xE0\x82\xAE\x82\xE7\x83\x6D\x81\x5B\x83\x67\x81\x6A";
const std::string kMokuji = "\x82\xE0\x82\xAD\x82\xB6";  // もくじ
const std::string kOpenQuote = "\x81\x75";   // 「
const std::string kCloseQuote = "\x81\x76";  // 」
const std::string kPetTitle =                // ペットからのメール
    "\x83\x79\x83\x62\x83\x67\x82\xA9\x82\xE7\x82\xCC\x83\x81\x81\x5B\x83\x8B";

// The built-in Header with its title word filled in, as written: CR LF line ends, and the
// line end of putLine after the text's own last line feed.
std::string MailHeader(const std::string& title) {
  return "<html>\r\n<head>\r\n<meta name=\"generator\" content=\"Mogura Note for Kurumin\">\r\n"
         "<title>" + title + kNoteSuffix + "</title>\r\n</head>\r\n"
         "<body bgcolor=\"#ffeedd\" text=\"#114e80\">\r\n<p align=\"center\">\r\n"
         "<font size=\"+4\"><b>" + title + "</b></font>\r\n</p>\r\n<hr><br>\r\n\r\n";
}
const std::string kIndexHeader =
    "<html>\r\n<head>\r\n<meta name=\"generator\" content=\"Mogura Note for Kurumin\">\r\n"
    "<title>" + kMokuji + kNoteSuffix + "</title>\r\n</head>\r\n"
    "<body bgcolor=\"#ffeedd\" text=\"#114e80\">\r\n<p align=\"center\">\r\n"
    "<font size=\"+4\"><b>" + kMokuji + "</b></font>\r\n</p>\r\n<hr><br>\r\n\r\n";
const std::string kFooter = "</body>\r\n</html>\r\n\r\n";

// The subject line of the built-in format.
std::string SubjectLine(const std::string& subject) {
  return "<b><font size=\"+1\">" + kOpenQuote + subject + kCloseQuote +
         "</font></b><br><br>\r\n";
}

FormatPage MailPage() { return DescriptorOf(PageKind::Mail).build(); }
FormatPage IndexPage() { return DescriptorOf(PageKind::Index).build(); }

void SetPlace(FormatPage& page, const std::string& key, const std::string& text) {
  if (TemplatePlace* place = page.findPlace(key)) place->setText(text);
  else page.appendPlace(TemplatePlace(key, "", text));
}

MailHandle Mail(const std::string& subject, std::vector<std::string> body, int month = 4,
                int day = 2) {
  auto mail = std::make_shared<MailRecord>();
  mail->subject = subject;
  mail->bodyLines = TextLines(body);
  mail->date = DateTime::Make(2000, month, day, 12);
  return mail;
}

MailList List(std::vector<MailHandle> mails) {
  MailList list;
  list.mails = std::move(mails);
  list.sorted = true;
  return list;
}

// Titles by kind as the word settings would give them.
std::string TitleOf(int kind) { return kind == 2 ? kPetTitle : kind == 1 ? "" : "T" + std::to_string(kind); }

// Writes the page into memory; the write must succeed.
std::string Render(PageWriter& writer) {
  StringOutputFile file;
  {
    TextOutput out(file);
    EXPECT_TRUE(writer.write(out));
  }
  return file.bytes();
}

std::string RenderMail(const MailList& mails, const FormatPage& page, int kind) {
  MailPageWriter writer(mails, page, TitleOf, kind);
  return Render(writer);
}

TEST(MailPageWriter, BuiltInPageForAPetMail) {
  const MailList mails = List({Mail("S", {"L1", "L2"})});
  EXPECT_EQ(RenderMail(mails, MailPage(), 2),
            MailHeader(kPetTitle) + SubjectLine("S") + "L1<br>\r\nL2<br>\r\n<br><br>\r\n" + kFooter);
}

// Split bodies are copied without a search for line feeds; a line that holds one anyway (made
// by hand, not by splitting) still gets its CR LF.
TEST(MailPageWriter, BodyLinesAreWrittenTheSameWhetherSplitOrMadeByHand) {
  MailHandle split = Mail("S", {});
  splitLines("L1\r\nL2\r\n", split->bodyLines);
  EXPECT_FALSE(split->bodyLines.holdsLineFeed());
  MailHandle made = Mail("S", {"L1", "L2"});
  MailHandle feed = Mail("S", {"A\nB"});
  EXPECT_TRUE(feed->bodyLines.holdsLineFeed());
  EXPECT_EQ(RenderMail(List({split}), MailPage(), 2), RenderMail(List({made}), MailPage(), 2));
  EXPECT_EQ(RenderMail(List({feed}), MailPage(), 2),
            MailHeader(kPetTitle) + SubjectLine("S") + "A\r\nB<br>\r\n<br><br>\r\n" + kFooter);
}

TEST(MailPageWriter, TableWithThreeColumnsAndFiveMails) {
  FormatPage page = MailPage();
  page.setOutputList(true);
  page.setListColumn(3);
  const MailList mails = List({Mail("1", {}), Mail("2", {}), Mail("3", {}), Mail("4", {}), Mail("5", {})});
  auto cell = [](const char* n) { return "<td>\r\n" + SubjectLine(n) + "<br><br>\r\n</td>\r\n"; };
  EXPECT_EQ(RenderMail(mails, page, 2),
            MailHeader(kPetTitle) + "<table>\r\n" +                          //
                "<tr>\r\n" + cell("1") + cell("2") + cell("3") + "</tr>\r\n" +  //
                "<tr>\r\n" + cell("4") + cell("5") +                          // last row stays open
                "</table>\r\n" + kFooter);

  // Without mails: header, table start and end, footer.
  EXPECT_EQ(RenderMail(List({}), page, 2), MailHeader(kPetTitle) + "<table>\r\n</table>\r\n" + kFooter);
  page.setOutputList(false);
  EXPECT_EQ(RenderMail(List({}), page, 2), MailHeader(kPetTitle) + kFooter);
}

TEST(MailPageWriter, SubjectAndDateByKindAndOptions) {
  FormatPage page = MailPage();
  SetPlace(page, "Header", "H");
  SetPlace(page, "Footer", "F");
  SetPlace(page, "HeaderOne", "<one>");
  SetPlace(page, "FooterOne", "");
  page.setOutputDatePetMail(true);
  page.setOutputDateEventMail(true);
  const MailList mails = List({Mail("S", {"L"}, 3, 5)});
  // 3月5にち
  const std::string dateLines = "3\x8C\x8E" "5\x82\xC9\x82\xBF\r\n<br><br>\r\n";

  // The diary: no subject and no date line; the body follows HeaderOne directly.
  EXPECT_EQ(RenderMail(mails, page, 1), "H\r\n<one>\r\nL<br>\r\nF\r\n");
  // With OutputSubject the diary gets its subject, still no date line.
  page.setOutputSubject(true);
  EXPECT_EQ(RenderMail(mails, page, 1), "H\r\n<one>\r\n" + SubjectLine("S") + "L<br>\r\nF\r\n");
  page.setOutputSubject(false);
  // Either date flag gives the date line to pet mail and event mail alike.
  page.setOutputDateEventMail(false);
  EXPECT_EQ(RenderMail(mails, page, 3), "H\r\n<one>\r\n" + SubjectLine("S") + dateLines + "L<br>\r\nF\r\n");
  page.setOutputDatePetMail(false);
  page.setOutputDateEventMail(true);
  EXPECT_EQ(RenderMail(mails, page, 2), "H\r\n<one>\r\n" + SubjectLine("S") + dateLines + "L<br>\r\nF\r\n");
  // Two-digit month and day as they are; one-digit ones without a leading zero (above).
  const std::string december = RenderMail(List({Mail("", {}, 12, 31)}), page, 2);
  EXPECT_NE(december.find("\r\n12\x8C\x8E" "31\x82\xC9\x82\xBF\r\n"), std::string::npos);
}

TEST(MailPageWriter, EmptyPiecesStillEndTheirLines) {
  FormatPage page = MailPage();
  SetPlace(page, "Header", "");
  SetPlace(page, "Footer", "");
  SetPlace(page, "FooterOne", "");
  SetPlace(page, "BeforeSubject", "");
  SetPlace(page, "EndSubject", "");
  SetPlace(page, "EndLine", "");
  // Subject line and each body line end even when all their pieces are empty.
  EXPECT_EQ(RenderMail(List({Mail("", {"", "x", ""})}), page, 2), "\r\n\r\nx\r\n\r\n");
  // No escaping and no conversion: bytes pass as they are, line feeds become CR LF.
  EXPECT_EQ(RenderMail(List({Mail("<&>", {"a\nb", "\x83\x5C"})}), page, 2),
            "<&>\r\na\r\nb\r\n\x83\x5C\r\n");
}

TEST(MailPageWriter, PlaceTextsWithSeveralLinesGetCrLf) {
  FormatPage page = MailPage();
  SetPlace(page, "Header", "");
  SetPlace(page, "Footer", "");
  SetPlace(page, "FooterOne", "A\nB");
  SetPlace(page, "BeforeSubject", "");
  SetPlace(page, "EndSubject", "");
  EXPECT_EQ(RenderMail(List({Mail("S", {})}), page, 2), "S\r\nA\r\nB\r\n");
  // A text ending in a line feed gets one more line end from putLine.
  SetPlace(page, "FooterOne", "A\n");
  EXPECT_EQ(RenderMail(List({Mail("S", {})}), page, 2), "S\r\nA\r\n\r\n");
}

TEST(MailPageWriter, PageTitleWordOnlyInTheHeader) {
  const std::string word = "[@MailPageTitle@]";
  FormatPage page = MailPage();
  SetPlace(page, "Header", word + "|" + word + "|[@mailpagetitle@]|[@Other@]");
  SetPlace(page, "Footer", word);
  SetPlace(page, "HeaderOne", word);
  SetPlace(page, "FooterOne", word);
  SetPlace(page, "BeforeSubject", word);
  SetPlace(page, "EndSubject", "");
  SetPlace(page, "BeforeLine", word);
  SetPlace(page, "EndLine", "");
  const MailList mails = List({Mail(word, {word})});
  EXPECT_EQ(RenderMail(mails, page, 3),
            "T3|T3|[@mailpagetitle@]|[@Other@]\r\n" + word + "\r\n" + word + word + "\r\n" + word +
                word + "\r\n" + word + "\r\n" + word + "\r\n");
}

TEST(MailPageWriter, PageTitleFromTheWordSettings) {
  WordSettings words;  // built-in titles
  const PageTitleLookup fromWords = [&words](MailKind kind) { return words.PageTitle("MailPageTitle", kind); };
  const MailList none = List({});
  MailPageWriter pet(none, MailPage(), fromWords, kPetMailKind);
  EXPECT_EQ(Render(pet), MailHeader(kPetTitle) + kFooter);
  // An unknown kind has no title.
  MailPageWriter unknown(none, MailPage(), fromWords, 4);
  EXPECT_EQ(Render(unknown), MailHeader("") + kFooter);
  // The diary with an empty title word: only （もぐらノート） in the title, an empty heading.
  words.diaryTitle.clear();
  MailPageWriter diary(none, MailPage(), fromWords, kDiaryKind);
  const std::string bytes = Render(diary);
  EXPECT_EQ(bytes, MailHeader("") + kFooter);
  EXPECT_NE(bytes.find("<title>" + kNoteSuffix + "</title>"), std::string::npos);
  EXPECT_NE(bytes.find("<b></b>"), std::string::npos);
  // The settings are read at write time.
  words.diaryTitle = "D";
  EXPECT_EQ(Render(diary), MailHeader("D") + kFooter);
}

TEST(MailPageWriter, TemplateChangesAfterConstructionDoNotReachTheWriter) {
  FormatPage page = MailPage();
  const MailList mails = List({Mail("S", {"L1", "L2"})});
  MailPageWriter writer(mails, page, TitleOf, 2);
  SetPlace(page, "Footer", "changed");
  SetPlace(page, "EndLine", "changed");
  page.setOutputList(true);
  EXPECT_EQ(Render(writer),
            MailHeader(kPetTitle) + SubjectLine("S") + "L1<br>\r\nL2<br>\r\n<br><br>\r\n" + kFooter);
  // Written twice, the same bytes: the item count starts again at 0.
  EXPECT_EQ(Render(writer), Render(writer));
}

// Three month pages as the divider names them.
OutputPageList MonthPages() {
  OutputPageList pages(3);
  const char* months[] = {"04", "05", "06"};
  for (int i = 0; i < 3; ++i) {
    pages[i].path = std::string("C:\\web\\") + "\x83\x5C" + "\\pages2000" + months[i] + ".htm";
    pages[i].title = std::string("2000-") + months[i];
  }
  return pages;
}

std::string Link(const std::string& file, const std::string& title) {
  return "<a href=\"" + file + "\">" + title + "</a>\r\n";
}

std::string RenderIndex(const OutputPageList& pages, const FormatPage& page, char separator = '\\') {
  IndexPageWriter writer(pages, page, separator);
  return Render(writer);
}

TEST(IndexPageWriter, BuiltInIndexLinksEveryPage) {
  EXPECT_EQ(RenderIndex(MonthPages(), IndexPage()),
            kIndexHeader + Link("pages200004.htm", "2000-04") + Link("pages200005.htm", "2000-05") +
                Link("pages200006.htm", "2000-06") + kFooter);
  // Count pages as the divider makes them: その1, その2 as link texts; POSIX paths.
  MailList mails;
  for (int i = 0; i < 2; ++i) mails.mails.push_back(Mail("", {}));
  DivideSettings settings;
  settings.setType(3);
  settings.setCount(1);
  OutputPageList pages;
  PageDivider(mails, settings, "/home/u/\x95\x5C/p.htm", '/').divide(&pages);
  EXPECT_EQ(RenderIndex(pages, IndexPage(), '/'),
            kIndexHeader + Link("p0001.htm", "\x82\xBB\x82\xCC" "1") +
                Link("p0002.htm", "\x82\xBB\x82\xCC" "2") + kFooter);
}

TEST(IndexPageWriter, TableWithTwoColumnsAndThreePages) {
  FormatPage page = IndexPage();
  page.setOutputList(true);
  page.setListColumn(2);
  SetPlace(page, "Header", "H");
  SetPlace(page, "Footer", "F");
  SetPlace(page, "IndexItem", "[@_IndexItemTitle@]");
  EXPECT_EQ(RenderIndex(MonthPages(), page),
            "H\r\n<table>\r\n<tr>\r\n<td>\r\n2000-04\r\n</td>\r\n<td>\r\n2000-05\r\n</td>\r\n</tr>\r\n"
            "<tr>\r\n<td>\r\n2000-06\r\n</td>\r\n</table>\r\nF\r\n");
}

TEST(IndexPageWriter, ItemTextsAndWords) {
  FormatPage page = IndexPage();
  SetPlace(page, "Header", "[@MailPageTitle@]");
  SetPlace(page, "Footer", "");
  // No words: the same text once per page.
  SetPlace(page, "IndexItem", "item");
  EXPECT_EQ(RenderIndex(MonthPages(), page), "[@MailPageTitle@]\r\nitem\r\nitem\r\nitem\r\n");
  // Every occurrence, other words and other letter case untouched, HeaderOne/FooterOne used.
  SetPlace(page, "IndexItem", "[@_IndexItemLink@][@_IndexItemLink@] [@_indexitemtitle@] [@MailPageTitle@]");
  SetPlace(page, "HeaderOne", "<li>");
  OutputPageList one = MonthPages();
  one.resize(1);
  one[0].path = "pages.htm";
  EXPECT_EQ(RenderIndex(one, page),
            "[@MailPageTitle@]\r\n<li>\r\npages.htmpages.htm [@_indexitemtitle@] [@MailPageTitle@]\r\n");
  // An empty item text: header, table places and footer only.
  SetPlace(page, "IndexItem", "");
  SetPlace(page, "HeaderOne", "");
  page.setOutputList(true);
  page.setListColumn(2);
  EXPECT_EQ(RenderIndex(MonthPages(), page),
            "[@MailPageTitle@]\r\n<table>\r\n<tr>\r\n<td>\r\n</td>\r\n<td>\r\n</td>\r\n</tr>\r\n"
            "<tr>\r\n<td>\r\n</td>\r\n</table>\r\n");
}

// ---- output and failures ----

TEST(PageWriterOutput, TheWholePageReachesTheFileInOneWrite) {
  const MailList mails = List({Mail("S", {"L1", "L2"}), Mail("S", {"L3"})});
  MailPageWriter writer(mails, MailPage(), TitleOf, 2);
  StringOutputFile buffered;
  {
    TextOutput out(buffered);
    ASSERT_TRUE(writer.write(out));
    // Handed to the file before write() returns, not only when the stream is closed.
    EXPECT_EQ(buffered.writeCalls(), 1u);
  }
  StringOutputFile lineByLine;
  {
    TextOutput out(lineByLine);
    writer.setFlushEveryLine(true);
    ASSERT_TRUE(writer.write(out));
  }
  EXPECT_EQ(lineByLine.bytes(), buffered.bytes());
  // One file write per line end: Header, each mail's subject, body and FooterOne lines, Footer.
  EXPECT_EQ(lineByLine.writeCalls(), 9u);
}

TEST(PageWriterOutput, AFullFileFailsTheWrite) {
  const MailList mails = List({Mail("S", {"L1", "L2"})});
  MailPageWriter writer(mails, MailPage(), TitleOf, 2);
  const std::string whole = RenderMail(mails, MailPage(), 2);
  for (bool flushEveryLine : {false, true}) {
    for (std::size_t capacity : {std::size_t{0}, std::size_t{10}, whole.size() - 1}) {
      SCOPED_TRACE(capacity);
      StringOutputFile file(capacity);
      TextOutput out(file);
      writer.setFlushEveryLine(flushEveryLine);
      EXPECT_FALSE(writer.write(out));
      EXPECT_FALSE(out.good());
      EXPECT_EQ(file.bytes(), whole.substr(0, capacity));
    }
  }
  // Exactly enough room succeeds.
  StringOutputFile file(whole.size());
  TextOutput out(file);
  EXPECT_TRUE(writer.write(out));
  EXPECT_EQ(file.bytes(), whole);
}

TEST(PageWriterOutput, AClosedStreamFailsTheWrite) {
  const MailList mails = List({Mail("S", {"L"})});
  OutputPageList pages = MonthPages();
  StringOutputFile file;
  TextOutput out(file);
  ASSERT_TRUE(out.close());
  MailPageWriter mailWriter(mails, MailPage(), TitleOf, 2);
  EXPECT_FALSE(mailWriter.write(out));
  IndexPageWriter indexWriter(pages, IndexPage(), '\\');
  EXPECT_FALSE(indexWriter.write(out));
  EXPECT_EQ(file.bytes(), "");

  // A file that refuses every byte, behind a fresh stream.
  StringOutputFile closed;
  closed.close();
  TextOutput behind(closed);
  EXPECT_FALSE(indexWriter.write(behind));
}

// A writer whose item body throws: the write ends and reports the failure.
class ThrowingWriter : public PageWriter {
 public:
  explicit ThrowingWriter(const FormatPage& page) : PageWriter(page) {}
  int itemsWritten = 0;

 protected:
  void writeItems() override {
    for (int i = 0; i < 3; ++i) writeItem();
  }
  void writeItemBody() override {
    if (++itemsWritten == 2) throw std::runtime_error("item");
    putLine("item");
  }
};

TEST(PageWriterOutput, AnExceptionInsideTheSequenceIsAFailure) {
  ThrowingWriter writer(MailPage());
  StringOutputFile file;
  TextOutput out(file);
  EXPECT_FALSE(writer.write(out));
  EXPECT_EQ(writer.itemsWritten, 2);
}

}  // namespace
}  // namespace mogura
