// The main dialog, the program's only window.
#pragma once

#include <optional>

#include "presenters/format_preview.h"
#include "presenters/main_dialog.h"
#include "platform/win32/win32_user_interaction.h"
#include "ui/win32/presenter_dialog.h"

namespace mogura::win32 {

class CMainDialog : public PresenterDialog, private MainDialogWindows {
 public:
  // `settings`, `root` and the folder of the format previews are borrowed for the dialog's life.
  CMainDialog(AppSettings& settings, const SettingsKey& root, PreviewFolder& previewFolder);
  // Runs the dialog; on OK its entries have been written.
  bool DoModal();

 protected:
  bool OnInit() override;
  void OnCancel() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

 private:
  bool ChooseOutputFile(const std::string& initial, std::string* path) override;
  bool RunAdvancedSheet(AppSettings& settings) override;
  void ShowAbout() override;
  ExitAnswer RunExitQuery() override;
  void PaintMinimized();

  Win32Interaction ui_;
  HICON icon_;
  PreviewFolder& previewFolder_;
  MainDialogPresenter main_;
};

}  // namespace mogura::win32
