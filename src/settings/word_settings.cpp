#include "settings/word_settings.h"

#include "base/string_table.h"

namespace mogura {
namespace {

constexpr std::string_view kSection = "Word";
constexpr std::string_view kDiaryValue = "Kosori_MailPageTitle";
constexpr std::string_view kPetValue = "Pet_MailPageTitle";
constexpr std::string_view kEventValue = "Event_MailPageTitle";

}  // namespace

void WordSettings::Reset() {
  diaryTitle = LoadText(IDS_WORD_DIARY_TITLE);
  petTitle = LoadText(IDS_WORD_PET_TITLE);
  eventTitle = LoadText(IDS_WORD_EVENT_TITLE);
}

void WordSettings::Load(const SettingsKey& parent) {
  const SettingsKey section = parent.openSubKey(kSection);
  if (!section.valid()) return;
  section.readText(kDiaryValue, &diaryTitle);
  section.readText(kPetValue, &petTitle);
  section.readText(kEventValue, &eventTitle);
}

bool WordSettings::Save(const SettingsKey& parent) const {
  const SettingsKey section = parent.createSubKey(kSection);
  bool ok = section.valid();
  ok &= section.writeText(kDiaryValue, diaryTitle);
  ok &= section.writeText(kPetValue, petTitle);
  ok &= section.writeText(kEventValue, eventTitle);
  return ok;
}

std::string WordSettings::PageTitle(std::string_view word, MailKind kind) const {
  if (word != "MailPageTitle") return {};
  switch (kind) {
    case kDiaryKind: return diaryTitle;
    case kPetMailKind: return petTitle;
    case kEventMailKind: return eventTitle;
    default: return {};
  }
}

}  // namespace mogura
