// The life of the program: settings loaded once, the welcome dialog when no receive folder
// is active, the main dialog, and the settings saved when it ends with OK.
#pragma once

#include <string>

#include "settings/app_settings.h"
#include "store/settings_key.h"

namespace mogura {

// The two windows of the start-up.
class StartupWindows {
 public:
  virtual ~StartupWindows() = default;
  // The welcome dialog; true with `*receiveFolder` when the user accepted.
  virtual bool RunWelcome(std::string* receiveFolder) = 0;
  // The main dialog over `settings`; true when it ended with OK (its own entries written).
  virtual bool RunMainDialog(AppSettings& settings, const SettingsKey& root) = 0;
};

// Runs the program over the settings root `root` (which may be invalid: then the defaults
// hold and every write fails unnoticed). `settings` is in its reset state.
void RunProgram(const SettingsKey& root, AppSettings& settings, StartupWindows& windows);

}  // namespace mogura
