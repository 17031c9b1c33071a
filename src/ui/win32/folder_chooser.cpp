#include "ui/win32/folder_chooser.h"

#include <shlobj.h>

#include "base/path_parts.h"
#include "platform/win32/wide.h"

namespace mogura::win32 {
namespace {

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
  const auto* initial = reinterpret_cast<const std::wstring*>(data);
  if (message == BFFM_INITIALIZED && !initial->empty())
    SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(initial->c_str()));
  return 0;
}

}  // namespace

int CFolderChooser::DoModal() {
  const std::wstring title = ToWide(title_);
  const std::wstring initial = ToWide(folder_);
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW browse{};
  browse.hwndOwner = owner_;
  browse.pidlRoot = nullptr;  // the desktop
  browse.pszDisplayName = displayName;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = &BrowseCallback;
  browse.lParam = reinterpret_cast<LPARAM>(&initial);
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&browse);
  if (!item) return IDCANCEL;
  wchar_t path[MAX_PATH] = {};
  const bool isFolder = SHGetPathFromIDListW(item, path) != FALSE;
  CoTaskMemFree(item);
  if (!isFolder || path[0] == L'\0') return IDCANCEL;
  // A folder whose name has characters outside code page 932 could not be found again.
  const std::string chosen = FromWide(path);
  if (ToWide(chosen) != path) return IDCANCEL;
  folder_ = WithTrailingSeparator(chosen, '\\');
  return IDOK;
}

bool Win32FolderChooser::choose(const std::string& title, const std::string& initial, std::string* folder) {
  CFolderChooser chooser(owner_, title);
  chooser.SetInitialFolder(initial);
  if (chooser.DoModal() != IDOK) return false;
  *folder = chooser.GetFolder();
  return true;
}

}  // namespace mogura::win32
