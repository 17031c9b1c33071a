#include "ui/win32/welcome_dialog_view.h"

#include "presenters/app_dialog_ids.h"
#include "base/string_table.h"

namespace mogura::win32 {

CWelcomeDialog::CWelcomeDialog()
    : PresenterDialog(welcome_, IDD_WELCOME, IDS_WELCOME_TITLE), welcome_(HostFileSystem(), chooser_, ui_) {
  // The line between the introduction and the message, as wide as the message line.
  AddEtchedLine({IDC_WELCOME_MESSAGE, -15, true});
}

bool CWelcomeDialog::DoModal(std::string* receiveFolder) {
  if (Run(nullptr) != DialogEnd::Ok) return false;
  *receiveFolder = welcome_.receiveFolder();
  return true;
}

bool CWelcomeDialog::OnInit() {
  chooser_.setOwner(hwnd_);
  ui_.setOwner(hwnd_);
  PresenterDialog::OnInit();
  // The first enabled button has the focus and is the default.
  const int first = welcome_.firstFocus();
  SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(first), 0);
  SetFocus(Item(first));
  return false;
}

}  // namespace mogura::win32
