// libFuzzer target: the mail and index page writers driven by arbitrary place texts and mail
// texts. Built by fuzz/run.sh.
// Input: 4 option bytes, then NUL-separated texts: one for each place of the built-in Mail page,
// one for each place of the Index page, then subject, date text and body of each mail.
// Every line feed reaches the file as CR LF, and a page writes whole or reports failure. The
// UTF-8 form of a page is the same whatever pieces it is written in, and it and the feed of
// the mails are valid UTF-8 with no byte that XML or a page must not hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/atom_feed.h"
#include "html/divide_settings.h"
#include "html/index_page_writer.h"
#include "html/mail_page_writer.h"
#include "html/page_divider.h"
#include "html/page_kind.h"
#include "html/utf8_page_output.h"
#include "mailstore/mail_date.h"
#include "mailstore/split_lines.h"
#include "support/string_output_file.h"

namespace {

class Texts {
 public:
  explicit Texts(std::string_view bytes) : bytes_(bytes) {}
  bool more() const { return at_ <= bytes_.size(); }
  std::string next() {
    if (at_ > bytes_.size()) return {};
    const std::size_t nul = bytes_.find('\0', at_);
    const std::size_t end = nul == std::string_view::npos ? bytes_.size() : nul;
    std::string text(bytes_.substr(at_, end - at_));
    at_ = end + 1;
    return text;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

void CheckLineEnds(const std::string& page) {
  for (std::size_t i = page.find('\n'); i != std::string::npos; i = page.find('\n', i + 1)) {
    if (i == 0 || page[i - 1] != '\r') __builtin_trap();
  }
}

// Writes through a file that takes `capacity` bytes: whole and true, or false.
std::string Write(mogura::PageWriter& writer, std::size_t capacity) {
  mogura::test::StringOutputFile file(capacity);
  bool ok;
  {
    mogura::TextOutput stream(file);
    ok = writer.write(stream);
    ok = stream.close() && ok;
  }
  if (ok && file.bytes().size() > capacity) __builtin_trap();
  if (!ok && capacity == SIZE_MAX) __builtin_trap();
  return ok ? file.bytes() : std::string();
}

// Traps unless `text` is well-formed UTF-8 (no overlong form, no surrogate).
void CheckUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || (n == 2 && c < 0xC2) || i + n > text.size()) __builtin_trap();
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) __builtin_trap();
    }
    if (n == 3 && c == 0xE0 && static_cast<unsigned char>(text[i + 1]) < 0xA0) __builtin_trap();
    if (n == 3 && c == 0xED && static_cast<unsigned char>(text[i + 1]) >= 0xA0) __builtin_trap();
    i += n;
  }
}

// The page in UTF-8, written in pieces cut where `cuts` says.
std::string Utf8InPieces(const std::string& page, std::string_view cuts) {
  mogura::test::StringOutputFile file;
  mogura::Utf8PageOutput output(file);
  std::size_t at = 0;
  for (unsigned char cut : cuts) {
    const std::size_t n = std::min<std::size_t>(cut, page.size() - at);
    if (!output.write(page.data() + at, n)) __builtin_trap();
    at += n;
  }
  if (!output.write(page.data() + at, page.size() - at) || !output.close()) __builtin_trap();
  return file.bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::uint8_t options = data[0];
  const int columns = data[1] % 8;
  const mogura::MailKind kind = 1 + data[2] % 3;
  Texts texts(std::string_view(reinterpret_cast<const char*>(data) + 4, size - 4));

  mogura::FormatPage mailPage = mogura::DescriptorOf(mogura::PageKind::Mail).build();
  mailPage.setOutputSubject((options & 1) != 0);
  mailPage.setOutputList((options & 2) != 0);
  mailPage.setListColumn(columns);
  mailPage.setOutputDatePetMail((options & 4) != 0);
  for (mogura::TemplatePlace& place : mailPage.places()) place.setText(texts.next());
  mogura::FormatPage indexPage = mogura::DescriptorOf(mogura::PageKind::Index).build();
  indexPage.setOutputList((options & 8) != 0);
  for (mogura::TemplatePlace& place : indexPage.places()) place.setText(texts.next());

  mogura::MailList mails;
  while (texts.more() && mails.mails.size() < 64) {
    auto mail = std::make_shared<mogura::MailRecord>();
    mail->subject = texts.next();
    mail->date = mogura::ParseMailDate(texts.next());
    mogura::splitLines(texts.next(), mail->bodyLines);
    mails.mails.push_back(std::move(mail));
  }
  mails.sorted = true;
  mails.ascending = (options & 16) != 0;

  mogura::MailPageWriter writer(mails, mailPage, [](mogura::MailKind) { return std::string("T\n"); }, kind);
  const std::string page = Write(writer, SIZE_MAX);
  CheckLineEnds(page);
  if (Write(writer, page.size() / 2) .size() > page.size()) __builtin_trap();
  const std::string utf8 = mogura::Utf8Page(page);
  CheckUtf8(utf8);
  const std::string_view cuts(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 16));
  if (Utf8InPieces(page, cuts) != utf8) __builtin_trap();

  std::vector<mogura::FeedMail> feedMails;
  for (const mogura::MailHandle& mail : mails.mails) feedMails.push_back({mail.get(), 0});
  mogura::FeedHeader header{.title = mailPage.places().front().text(), .folderUrl = "http://h/",
                            .pageName = "p.htm", .pageNames = {"p.htm"}, .feedName = "p.xml", .generator = "g"};
  const std::string feed = mogura::MakeAtomFeed(header, mogura::NewestFeedMails(std::move(feedMails), 20));
  CheckUtf8(feed);
  if (feed.find("]]>") != std::string::npos) __builtin_trap();
  for (unsigned char c : feed) {
    if (c < 0x20 && c != '\n' && c != '\t') __builtin_trap();
  }

  mogura::DivideSettings divide;
  divide.setValid(true);
  divide.setType(data[3] % 4);
  divide.setCount(1 + data[3] / 4 % 5);
  mogura::OutputPageList pages;
  mogura::PageDivider(mails, divide, (options & 32) ? "C:\\out\\p.htm" : "/out/p.htm", (options & 32) ? '\\' : '/')
      .divide(&pages);
  std::size_t divided = 0;
  for (const mogura::OutputPage& p : pages) divided += p.mails.mails.size();
  if (divided != mails.mails.size()) __builtin_trap();
  mogura::IndexPageWriter index(pages, indexPage, (options & 32) ? '\\' : '/');
  CheckLineEnds(Write(index, SIZE_MAX));
  return 0;
}
