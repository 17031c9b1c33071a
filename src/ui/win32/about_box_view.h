// The about box: the program icon, name and version, credits and two links.
#pragma once

#include "presenters/about_box.h"
#include "ui/win32/presenter_dialog.h"

namespace mogura::win32 {

class CAboutDialog : public PresenterDialog {
 public:
  CAboutDialog();
  void DoModal(HWND owner) { Run(owner); }

 private:
  AboutPresenter about_;
};

// The folder of the running program, ending in a backslash.
std::string ProgramFolder();

}  // namespace mogura::win32
