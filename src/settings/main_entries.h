// The eight values the main window keeps directly under the settings root.
#pragma once

#include <cstdint>
#include <string>

#include "mailstore/mail_kind.h"
#include "store/settings_key.h"

namespace mogura {

struct MainEntries {
  std::string targetBox;     // TargetBox: title of the chosen drawer
  std::int32_t outputDesktop = 0;  // OutputDesktop
  std::string outputDiary;   // OutputKossoriDialy
  std::string outputPetMail; // OutputPetMail
  std::string outputEvent;   // OutputEventMail
  std::int32_t execBrowser = 0;    // ExecBrowser
  std::int32_t exitQuery = 1;      // ExitQuery
  std::int32_t exitSaving = 0;     // ExitSaving

  // Reads the entries. Without a TargetBox (a first run) the first-run values apply: the
  // inbox, desktop output and the browser on.
  void Load(const SettingsKey& root);
  bool Save(const SettingsKey& root) const;
  // Deletes the value "OutputFile" that older releases left, once a TargetBox exists.
  void RemoveObsolete(const SettingsKey& root) const;

  // The stored output path of `kind`; empty for an unknown kind.
  const std::string& outputPath(MailKind kind) const;
  void setOutputPath(MailKind kind, const std::string& path);
};

}  // namespace mogura
