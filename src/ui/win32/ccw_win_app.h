// The application objects: the base of our programs (settings key, message-box caption) and
// the mogura program itself, whose start-up is its whole life.
#pragma once

#include <string>

#include "presenters/format_preview.h"
#include "settings/app_settings.h"
#include "store/settings_key.h"

namespace mogura::win32 {

class CCWWinApp {
 public:
  virtual ~CCWWinApp() = default;
  // Runs the program; the process ends when it returns (always false).
  virtual bool StartUp() = 0;
  // The caption of every message box; empty: the application name.
  virtual std::string GetMessageBoxTitle() const { return std::string(); }

  // The base name of the running executable without its extension ("mogura").
  static std::string ApplicationName();

 protected:
  // Installs the message-box caption and opens HKEY_CURRENT_USER\Software\Pikomaru\<the
  // application name>, creating each level; an invalid key when that fails.
  SettingsKey OpenSettingsKey();
};

class CMoguraApp : public CCWWinApp {
 public:
  CMoguraApp();
  bool StartUp() override;
  std::string GetMessageBoxTitle() const override;

 private:
  AppSettings settings_;
  // The folder of the format previews: it goes with the program.
  PreviewFolder previewFolder_;
};

}  // namespace mogura::win32
