#include "ui/win32/setup/folder_browse.h"

#include <commdlg.h>
#include <dlgs.h>

#include "base/string_table.h"
#include "platform/win32/wide.h"
#include "setup/setup_ids.h"
#include "ui/win32/setup/window_position.h"

namespace mogura::win32 {
namespace {

void SetText(HWND dialog, int id, int textId) {
  SetDlgItemTextW(dialog, id, ToWide(LoadText(textId)).c_str());
}

UINT_PTR CALLBACK BrowseHook(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  SetText(dialog, IDC_BROWSE_FOLDERS_LABEL, IDS_SETUP_BROWSE_FOLDERS);
  SetText(dialog, stc4, IDS_SETUP_BROWSE_DRIVES);
  SetText(dialog, IDOK, IDS_SETUP_OK);
  SetText(dialog, IDCANCEL, IDS_SETUP_CANCEL);
  CentreOnScreen(dialog);
  return TRUE;
}

}  // namespace

std::optional<std::string> BrowseForFolder(HWND owner, std::string_view title, std::string_view fileType,
                                           std::string_view fileName) {
  // The filter is pairs of texts, each ending in a terminator, and one more at the end.
  std::wstring filter = ToWide(fileType);
  filter.push_back(L'\0');
  filter += ToWide(fileType);
  filter.push_back(L'\0');
  std::wstring file = ToWide(fileName);
  file.resize(MAX_PATH + 1, L'\0');
  const std::wstring caption = ToWide(title);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.hInstance = GetModuleHandleW(nullptr);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = caption.c_str();
  dialog.Flags = OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_NOTESTFILECREATE;
  dialog.lpfnHook = &BrowseHook;
  dialog.lpTemplateName = MAKEINTRESOURCEW(IDD_SETUP_BROWSE);
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  return FromWide(file.c_str());
}

}  // namespace mogura::win32
