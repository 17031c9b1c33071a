#include "html/format_page.h"

#include <utility>

#include "base/string_table.h"
#include "html/html_format.h"
#include "html/page_kind.h"
#include "html/store_names.h"

namespace mogura {

namespace {
constexpr std::string_view kTitleValue = "Title";
constexpr std::string_view kOutputSubjectValue = "OutputSubject";
constexpr std::string_view kOutputListValue = "OutputList";
constexpr std::string_view kListColumnValue = "ListColumn";
constexpr std::string_view kOutputDatePetMailValue = "OutputDatePetMail";
constexpr std::string_view kOutputDateEventMailValue = "OutputDateEventMail";

// Early versions named the Mail page after the diary.
constexpr std::string_view kOldMailPageKey = "KosoriDialy";
}  // namespace

FormatPage::FormatPage(std::string key, std::string title)
    : key_(std::move(key)), title_(std::move(title)) {}

const TemplatePlace* FormatPage::findPlace(std::string_view key) const {
  for (const TemplatePlace& place : places_) {
    if (place.key() == key) return &place;
  }
  return nullptr;
}

TemplatePlace* FormatPage::findPlace(std::string_view key) {
  return const_cast<TemplatePlace*>(std::as_const(*this).findPlace(key));
}

std::string FormatPage::placeText(std::string_view key) const {
  const TemplatePlace* place = findPlace(key);
  return place ? place->text() : std::string();
}

void FormatPage::load(const SettingsKey& format, std::int32_t programVersion) {
  const SettingsKey key = format.openSubKey(key_);
  if (!key.valid()) return;
  key.readText(kTitleValue, &title_);
  std::vector<std::string> names;
  key.enumSubKeys(&names);
  places_.clear();
  places_.reserve(names.size());
  for (std::string& name : names) {
    TemplatePlace place(std::move(name), {}, {});
    place.load(key);
    places_.push_back(std::move(place));
  }
  key.readFlag(kOutputSubjectValue, &outputSubject_);
  key.readFlag(kOutputListValue, &outputList_);
  int columns = listColumn_;
  if (key.readInt(kListColumnValue, &columns)) setListColumn(columns);
  key.readFlag(kOutputDatePetMailValue, &outputDatePetMail_);
  key.readFlag(kOutputDateEventMailValue, &outputDateEventMail_);

  if (IsOldProgramVersion(programVersion) && key_ == kOldMailPageKey) {
    key_ = std::string(kMailPageKey);
    title_ = std::string(LoadText(IDS_FORMAT_PAGE_MAIL));
    if (TemplatePlace* place = findPlace("HeaderOne")) {
      place->setTitle(std::string(LoadText(IDS_PLACE_HEADER_ONE)));
    }
    if (TemplatePlace* place = findPlace("FooterOne")) {
      place->setTitle(std::string(LoadText(IDS_PLACE_FOOTER_ONE)));
    }
  }
}

bool FormatPage::save(const SettingsKey& format) const {
  const SettingsKey key = format.createSubKey(key_);
  bool ok = key.valid();
  ok = key.writeText(kTitleValue, title_) && ok;
  for (std::size_t i = 0; i < places_.size(); ++i) {
    if (!IsFirstOfStoreName(places_, i, [](const TemplatePlace& p) -> const std::string& {
          return p.key();
        })) {
      continue;
    }
    ok = places_[i].save(key) && ok;
  }
  ok = key.writeFlag(kOutputSubjectValue, outputSubject_) && ok;
  ok = key.writeFlag(kOutputListValue, outputList_) && ok;
  ok = key.writeInt(kListColumnValue, listColumn_) && ok;
  ok = key.writeFlag(kOutputDatePetMailValue, outputDatePetMail_) && ok;
  ok = key.writeFlag(kOutputDateEventMailValue, outputDateEventMail_) && ok;
  return ok;
}

}  // namespace mogura
