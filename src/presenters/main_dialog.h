// The main dialog: what to make, from which drawer, where to write it; the make command,
// the advanced sheet, the about box and the exit query. It owns the eight values it keeps
// directly under the settings root and borrows everything else from the settings.
#pragma once

#include <string>

#include "presenters/exit_query.h"
#include "settings/main_entries.h"
#include "app/make_command.h"
#include "presenters/dialog_presenter.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/user_interaction.h"
#include "settings/app_settings.h"

namespace mogura {

// The windows the main dialog opens.
class MainDialogWindows {
 public:
  virtual ~MainDialogWindows() = default;
  // The save-file dialog for the output file, starting with `initial`; true with `*path`.
  virtual bool ChooseOutputFile(const std::string& initial, std::string* path) = 0;
  // The advanced settings sheet over `settings`; true when it stored its pages into them.
  virtual bool RunAdvancedSheet(AppSettings& settings) = 0;
  virtual void ShowAbout() = 0;
  virtual ExitAnswer RunExitQuery() = 0;
};

class MainDialogPresenter : public DialogPresenter {
 public:
  static constexpr int kMaxOutputCharacters = 256;

  // Reads the dialog's entries from `root`; a stored TargetBox also deletes the old OutputFile.
  MainDialogPresenter(AppSettings& settings, const SettingsKey& root, MainDialogWindows& windows,
                      UserInteraction& ui, Shell& shell, FileSystem& files);

  void OnCommand(int control, ControlEvent event) override;
  // The close box, Esc or the cancel command: the exit query.
  void OnCloseRequest();
  // The icon was clicked or the system menu entry chosen.
  void OnAbout() { windows_.ShowAbout(); }
  // Writes the eight entries; done when the dialog ended with OK.
  bool SaveEntries() const;

  const MainEntries& entries() const { return entries_; }

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  void FillDrawers();
  void Fill();
  void TakeOver();
  void UpdateControls();
  MailKind CurrentKind() const { return static_cast<MailKind>(kindIndex_ + 1); }
  // The make command's request from the dialog's fields.
  MakeRequest CurrentRequest() const;
  void Make();

  AppSettings& settings_;
  const SettingsKey& root_;  // borrowed from the application
  MainDialogWindows& windows_;
  UserInteraction& ui_;
  Shell& shell_;
  FileSystem& files_;
  MainEntries entries_;
  std::string outputText_;
  int kindIndex_ = 0;
  bool newestFirst_ = false;
  bool filling_ = false;  // the controls are being filled: their own change events are ignored
};

}  // namespace mogura
