#include "html/template_place.h"

namespace mogura {

namespace {
constexpr std::string_view kTitleValue = "Title";
constexpr std::string_view kTextValue = "ContentText";
}  // namespace

TemplatePlace::TemplatePlace(std::string key, std::string title, std::string text)
    : key_(std::move(key)), title_(std::move(title)), text_(std::move(text)) {}

void TemplatePlace::load(const SettingsKey& page) {
  const SettingsKey key = page.openSubKey(key_);
  if (!key.valid()) return;
  key.readText(kTitleValue, &title_);
  key.readText(kTextValue, &text_);
}

bool TemplatePlace::save(const SettingsKey& page) const {
  const SettingsKey key = page.createSubKey(key_);
  bool ok = key.valid();
  ok = key.writeText(kTitleValue, title_) && ok;
  ok = key.writeText(kTextValue, text_) && ok;
  return ok;
}

}  // namespace mogura
