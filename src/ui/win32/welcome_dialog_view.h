// The welcome dialog of a first run.
#pragma once

#include "presenters/welcome_dialog.h"
#include "platform/win32/win32_user_interaction.h"
#include "ui/win32/folder_chooser.h"
#include "ui/win32/presenter_dialog.h"

namespace mogura::win32 {

class CWelcomeDialog : public PresenterDialog {
 public:
  CWelcomeDialog();
  // Runs without an owner; true with the receive folder to register when accepted.
  bool DoModal(std::string* receiveFolder);

 protected:
  bool OnInit() override;

 private:
  Win32FolderChooser chooser_;
  Win32Interaction ui_;
  WelcomePresenter welcome_;
};

}  // namespace mogura::win32
