// Writes one mail page: the Mail page template applied to the mails of one kind.
#pragma once

#include <functional>
#include <string>

#include "html/page_writer.h"
#include "mailstore/mail_kind.h"
#include "mailstore/mail_list.h"

namespace mogura {

// The page title of a mail kind (1 diary, 2 pet mail, 3 event mail): the value of the
// embedded word MailPageTitle; empty for any other kind.
using PageTitleLookup = std::function<std::string(MailKind kind)>;

class MailPageWriter : public PageWriter {
 public:
  // `mails` is borrowed and must outlive the writer; `page` is copied from. The page title
  // is asked of `pageTitle` once per write, for `kind`.
  MailPageWriter(const MailList& mails, const FormatPage& page, PageTitleLookup pageTitle,
                 MailKind kind);
  ~MailPageWriter() override;

 protected:
  // The Header with every MailPageTitle word replaced; no other word and no other place is
  // touched.
  void writeHeader() override;
  void writeItems() override;
  // Subject line (not for the diary unless OutputSubject), date lines (not for the diary,
  // and only when a date flag is on), then one line per body line.
  void writeItemBody() override;

 private:
  const MailList& mails_;
  const MailRecord* current_ = nullptr;
  const MailKind kind_;
  const PageTitleLookup pageTitle_;
  const std::string beforeSubject_;
  const std::string endSubject_;
  const std::string beforeLine_;
  const std::string endLine_;
  const bool outputSubject_;
  const bool outputDate_;
};

}  // namespace mogura
