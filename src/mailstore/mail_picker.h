// The drawer reader of the program: reads one drawer and keeps the mails of one kind that
// pass the pickup conditions, then orders them by date.
//
//   MailPicker picker(settings.pickup.Filter(), kind);
//   picker.setSource(drawerPath(folder, title), true, true);
//   MailList mails;
//   bool ok = picker.run(mails);
#pragma once

#include <memory>
#include <string_view>

#include "mailstore/drawer_reader.h"
#include "mailstore/mail_filter.h"
#include "mailstore/mail_kind.h"
#include "mailstore/pet_mail_record.h"

namespace mogura {

class MailPicker : public DrawerReader {
 public:
  MailPicker(const MailFilter& filter, MailKind wanted, FileSystem& files = HostFileSystem());

  // The date test, before anything of the mail is read from the drawer file.
  bool acceptIndex(MailRecord& record) override;
  // The diary rule, the kind test, then the pet-name test (not for event mail).
  bool accept(MailRecord& record) override;
  // Applies the header rules to the header lines, then drops them; false for a mail of
  // another kind, whose body then need not be split.
  bool handleHeader(std::string_view text, MailRecord& record) override;
  // The list path from the drawer path.
  void makeListPath() override;
  // After a complete read: orders the mails by date as the filter says and marks the
  // list sorted. A failed read leaves the list as it is.
  void finish(bool success, MailList& result) override;
  MailHandle createRecord() override;

 private:
  const MailFilter filter_;
  MailKind wanted_;
};

// Orders `list` by the mails' dates, oldest first when `oldestFirst`, else newest first, and
// marks it sorted in that direction. Mails of equal date keep no defined order.
void SortMailsByDate(MailList& list, bool oldestFirst);

}  // namespace mogura
