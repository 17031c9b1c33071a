// The page titles of the three kinds of mail page: section "Word".
#pragma once

#include <string>
#include <string_view>

#include "mailstore/mail_kind.h"
#include "store/settings_node.h"

namespace mogura {

class WordSettings : public SettingsNode {
 public:
  WordSettings() { Reset(); }

  void Reset() override;
  // Reads the three titles when "Word" exists; absent or empty values leave their fields.
  void Load(const SettingsKey& parent) override;
  bool Save(const SettingsKey& parent) const override;

  // The text of the embedded word `word` on a page of `kind`: the kind's title for
  // "MailPageTitle" (exact case), empty for any other word or an unknown kind.
  std::string PageTitle(std::string_view word, MailKind kind) const;

  std::string diaryTitle;  // Kosori_MailPageTitle
  std::string petTitle;    // Pet_MailPageTitle
  std::string eventTitle;  // Event_MailPageTitle
};

}  // namespace mogura
