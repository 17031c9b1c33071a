// The root of all settings: every section below the settings root, the chosen kind and the
// version of the program that wrote the store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "html/divide_settings.h"
#include "html/html_format_list.h"
#include "html/publish_settings.h"
#include "mailstore/mail_kind.h"
#include "settings/pet_folder_list.h"
#include "settings/pickup_settings.h"
#include "base/program_version.h"
#include "store/settings_node.h"
#include "settings/word_settings.h"

namespace mogura {

class AppSettings : public SettingsNode {
 public:
  AppSettings() { Reset(); }

  void Reset() override;
  // `root` is the settings root key.
  void Load(const SettingsKey& root) override;
  bool Save(const SettingsKey& root) const override;

  // The embedded word `word` for the current kind ("MailPageTitle" only).
  std::string PageTitle(std::string_view word) const { return words.PageTitle(word, kind); }

  // Sections, in the order of loading and saving.
  PetFolderList petFolders;  // section "PetFolders"
  HtmlFormatList formats;  // section "HTML"
  PickupSettings pickup;  // section "Pickup"
  DivideSettings divide;  // section "Devide"
  WordSettings words;  // section "Word"
  PublishSettings publish;  // section "Publish"

  MailKind kind = kDiaryKind;        // stored as TargetType = kind - 1
  std::int32_t programVersion = 0;   // ProgramVersion as read; 0 when the store had none
};

}  // namespace mogura
