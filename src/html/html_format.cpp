#include "html/html_format.h"

#include <algorithm>
#include <utility>

#include "html/store_names.h"

namespace mogura {

namespace {
constexpr std::string_view kTitleValue = "Title";
constexpr std::string_view kTablePlacePrefix = "Table_";
// A page of early versions that no longer exists.
constexpr std::string_view kOldPetMailPageKey = "PetMail";
}  // namespace

HtmlFormat::HtmlFormat(std::string identifier, std::string title)
    : identifier_(std::move(identifier)), title_(std::move(title)) {}

const FormatPage* HtmlFormat::findPage(std::string_view key) const {
  for (const FormatPage& page : pages_) {
    if (page.key() == key) return &page;
  }
  return nullptr;
}

FormatPage* HtmlFormat::findPage(std::string_view key) {
  return const_cast<FormatPage*>(std::as_const(*this).findPage(key));
}

void HtmlFormat::Reset() {
  pages_.clear();
  for (const PageDescriptor& descriptor : PageDescriptors()) pages_.push_back(descriptor.build());
}

void HtmlFormat::Load(const SettingsKey& html, std::int32_t programVersion) {
  const SettingsKey key = html.openSubKey(identifier_);
  if (!key.valid()) {
    Reset();
    return;
  }
  key.readText(kTitleValue, &title_);
  std::vector<std::string> names;
  key.enumSubKeys(&names);
  pages_.clear();
  pages_.reserve(names.size());
  for (const std::string& name : names) {
    FormatPage page(name);
    page.load(key, programVersion);
    pages_.push_back(std::move(page));
  }
  if (IsOldProgramVersion(programVersion)) convertFromOldVersion(std::move(names));
}

void HtmlFormat::convertFromOldVersion(std::vector<std::string> storedPages) {
  if (identifier_ == kDefaultFormatId) Reset();
  // The table places did not exist; a format without any Mail page has nowhere to take them.
  if (FormatPage* mail = findPage(kMailPageKey)) {
    for (const PlaceDescriptor& row : DescriptorOf(PageKind::Mail).places) {
      if (!row.key.starts_with(kTablePlacePrefix)) continue;
      mail->appendPlace(TemplatePlace(std::string(row.key), std::string(row.title()),
                                      std::string(row.defaultText())));
    }
  }
  if (identifier_ == kUserFormatId) pages_.push_back(DescriptorOf(PageKind::Index).build());
  std::erase_if(pages_, [](const FormatPage& page) { return page.key() == kOldPetMailPageKey; });
  // The store keeps the old pages until the converted ones replace them at the next save.
  stalePageKeys_ = std::move(storedPages);
}

bool HtmlFormat::Save(const SettingsKey& html) const {
  const SettingsKey key = html.createSubKey(identifier_);
  bool ok = key.valid();
  // Deleting an absent key fails harmlessly: a second save finds nothing left to delete.
  for (const std::string& name : stalePageKeys_) key.deleteSubKey(name);
  ok = key.writeText(kTitleValue, title_) && ok;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (!IsFirstOfStoreName(pages_, i, [](const FormatPage& p) -> const std::string& {
          return p.key();
        })) {
      continue;
    }
    ok = pages_[i].save(key) && ok;
  }
  return ok;
}

}  // namespace mogura
