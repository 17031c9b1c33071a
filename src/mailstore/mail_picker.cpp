#include "mailstore/mail_picker.h"

#include <algorithm>

#include "base/string_table.h"
#include "mailstore/split_lines.h"

namespace mogura {

MailPicker::MailPicker(const PickupSettings& pickup, MailKind wanted, FileSystem& files)
    : DrawerReader(std::string(), files), pickup_(pickup), wanted_(wanted) {}

bool MailPicker::acceptIndex(MailRecord& record) { return pickup_.IsInRange(record.date); }

bool MailPicker::handleHeader(std::string_view text, MailRecord& record) {
  auto& mail = static_cast<PetMailRecord&>(record);
  splitLines(text, mail.headerLines);
  for (const std::string& line : mail.headerLines) mail.applyHeaderLine(line);
  mail.headerLines.clear();
  return true;
}

bool MailPicker::accept(MailRecord& record) {
  auto& mail = static_cast<PetMailRecord&>(record);
  mail.applyDiaryRule(LoadText(IDS_DIARY_SUBJECT));
  if (!mail.matchesKind(wanted_)) return false;
  if (!pickup_.UsePetName() || wanted_ == kEventMailKind) return true;
  return mail.signatureName() == pickup_.PetName1();
}

void MailPicker::makeListPath() { setListPath(ListPathForDrawer(drawerPath())); }

void MailPicker::finish(bool success, MailList& result) {
  if (success) SortMailsByDate(result, pickup_.SortDir());
}

std::unique_ptr<MailRecord> MailPicker::createRecord() { return std::make_unique<PetMailRecord>(); }

void SortMailsByDate(MailList& list, bool oldestFirst) {
  if (oldestFirst) {
    std::sort(list.mails.begin(), list.mails.end(),
              [](const MailHandle& a, const MailHandle& b) { return a->date < b->date; });
  } else {
    std::sort(list.mails.begin(), list.mails.end(),
              [](const MailHandle& a, const MailHandle& b) { return b->date < a->date; });
  }
  list.sorted = true;
  list.ascending = oldestFirst;
}

}  // namespace mogura
