#include "mailstore/mail_picker.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/string_table.h"
#include "mailstore/split_lines.h"

namespace mogura {

MailPicker::MailPicker(const MailFilter& filter, MailKind wanted, FileSystem& files)
    : DrawerReader(std::string(), files), filter_(filter), wanted_(wanted) {}

bool MailPicker::acceptIndex(MailRecord& record) { return filter_.inRange(record.date); }

bool MailPicker::handleHeader(std::string_view text, MailRecord& record) {
  auto& mail = static_cast<PetMailRecord&>(record);
  // The header lines are only looked at, one by one: the record keeps none of them, only the
  // kind fields they set (an empty line, kept or not, matches no rule).
  forEachLine(text, [&mail](std::string_view line) { mail.applyHeaderLine(line); });
  mail.headerLines.clear();
  // The kind is known now: a mail of another kind is skipped before its body is split.
  mail.applyDiaryRule(LoadText(IDS_DIARY_SUBJECT));
  return mail.matchesKind(wanted_);
}

bool MailPicker::accept(MailRecord& record) {
  auto& mail = static_cast<PetMailRecord&>(record);
  mail.applyDiaryRule(LoadText(IDS_DIARY_SUBJECT));
  if (!mail.matchesKind(wanted_)) return false;
  if (filter_.usePetName && wanted_ != kEventMailKind && mail.signatureName() != filter_.petName) return false;
  mail.dropPickingTexts();
  return true;
}

void MailPicker::makeListPath() { setListPath(ListPathForDrawer(drawerPath())); }

void MailPicker::finish(bool success, MailList& result) {
  if (success) SortMailsByDate(result, filter_.oldestFirst);
}

MailHandle MailPicker::createRecord() { return std::make_shared<PetMailRecord>(); }

void SortMailsByDate(MailList& list, bool oldestFirst) {
  // Sort keys worked out once per mail, not once per comparison. Dates are valid after a
  // read; an invalid one sorts first, as DateTime orders it.
  struct Keyed {
    std::int64_t key;
    MailHandle mail;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(list.mails.size());
  for (MailHandle& mail : list.mails) {
    const std::int64_t key = mail->date.valid() ? mail->date.serialSeconds() : -1;
    keyed.push_back({oldestFirst ? key : -key, std::move(mail)});
  }
  std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
  for (std::size_t i = 0; i < keyed.size(); ++i) list.mails[i] = std::move(keyed[i].mail);
  list.sorted = true;
  list.ascending = oldestFirst;
}

}  // namespace mogura
