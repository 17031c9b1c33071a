#include "html/mail_page_writer.h"

#include <utility>

#include "base/string_table.h"
#include "html/embedded_words.h"

namespace mogura {

MailPageWriter::MailPageWriter(const MailList& mails, const FormatPage& page,
                               PageTitleLookup pageTitle, MailKind kind)
    : PageWriter(page),
      mails_(mails),
      kind_(kind),
      pageTitle_(std::move(pageTitle)),
      beforeSubject_(page.placeText("BeforeSubject")),
      endSubject_(page.placeText("EndSubject")),
      beforeLine_(page.placeText("BeforeLine")),
      endLine_(page.placeText("EndLine")),
      outputSubject_(page.outputSubject()),
      outputDate_(page.outputDatePetMail() || page.outputDateEventMail()) {}

MailPageWriter::~MailPageWriter() = default;

void MailPageWriter::writeHeader() {
  const std::string title = pageTitle_ ? pageTitle_(kind_) : std::string();
  putLine(ReplaceWord(header_, "MailPageTitle", title));
}

void MailPageWriter::writeItems() {
  for (const MailHandle& mail : mails_.mails) {
    if (!streamGood()) break;
    current_ = mail.get();
    writeItem();
  }
  current_ = nullptr;
}

void MailPageWriter::writeItemBody() {
  const MailRecord& mail = *current_;
  if (kind_ != kDiaryKind || outputSubject_) {
    put(beforeSubject_);
    put(mail.subject);
    put(endSubject_);
    endLine();
  }
  if (kind_ != kDiaryKind && outputDate_) {
    const std::string month = std::to_string(mail.date.month());
    const std::string day = std::to_string(mail.date.day());
    putLine(FormatText(FormatText(LoadText(IDS_MAIL_DATE_LINE), month), day));
    putLine("<br><br>");
  }
  // Body lines from a split text hold no line feed: their bytes are copied, not searched.
  const bool search = mail.bodyLines.holdsLineFeed();
  for (std::string_view line : mail.bodyLines) {
    put(beforeLine_);
    if (search) put(line);
    else putWithoutLineFeed(line);
    put(endLine_);
    endLine();
  }
}

}  // namespace mogura
