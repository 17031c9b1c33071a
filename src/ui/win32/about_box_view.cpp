#include "ui/win32/about_box_view.h"

#include "base/path_parts.h"
#include "presenters/app_dialog_ids.h"
#include "base/string_table.h"
#include "platform/folder_chooser.h"
#include "platform/win32/wide.h"

namespace mogura::win32 {

std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  return WithTrailingSeparator(FromWide(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash)), '\\');
}

CAboutDialog::CAboutDialog() : PresenterDialog(about_, IDD_ABOUT, IDS_ABOUT_TITLE), about_(HostShell(), ProgramFolder()) {}

}  // namespace mogura::win32
