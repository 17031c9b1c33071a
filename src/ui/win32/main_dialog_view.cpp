#include "ui/win32/main_dialog_view.h"

#include <commdlg.h>

#include "presenters/app_dialog_ids.h"
#include "base/string_table.h"
#include "platform/win32/wide.h"
#include "ui/win32/about_box_view.h"
#include "ui/win32/exit_query_view.h"
#include "ui/win32/honki_sheet_view.h"
#include "ui/win32/resource.h"

namespace mogura::win32 {

CMainDialog::CMainDialog(AppSettings& settings, const SettingsKey& root, PreviewFolder& previewFolder)
    : PresenterDialog(main_, IDD_MAIN, IDS_APP_TITLE),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM))),
      previewFolder_(previewFolder),
      main_(settings, root, *this, ui_, HostShell(), HostFileSystem()) {}

bool CMainDialog::DoModal() {
  if (Run(nullptr) != DialogEnd::Ok) return false;
  main_.SaveEntries();
  return true;
}

bool CMainDialog::OnInit() {
  ui_.setOwner(hwnd_);
  const std::string_view about = LoadText(IDS_ABOUT_MENU);
  if (HMENU menu = GetSystemMenu(hwnd_, FALSE); menu && !about.empty()) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, ToWide(about).c_str());
  }
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  return PresenterDialog::OnInit();
}

void CMainDialog::OnCancel() {
  main_.OnCloseRequest();
  CloseIfEnded();
}

bool CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == IDM_ABOUTBOX) {
    main_.OnAbout();
    *result = TRUE;
    return true;
  }
  if (message == WM_PAINT && IsIconic(hwnd_)) {
    PaintMinimized();
    *result = TRUE;
    return true;
  }
  return PresenterDialog::OnMessage(message, wParam, lParam, result);
}

void CMainDialog::PaintMinimized() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  SendMessageW(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd_, &client);
  const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
  DrawIcon(dc, (client.right - width + 1) / 2, (client.bottom - height + 1) / 2, icon_);
  EndPaint(hwnd_, &paint);
}

bool CMainDialog::ChooseOutputFile(const std::string& initial, std::string* path) {
  std::wstring filter = ToWide(LoadText(IDS_HTML_FILTER));
  for (wchar_t& c : filter) {
    if (c == L'|') c = L'\0';
  }
  const std::wstring title = ToWide(LoadText(IDS_SAVE_TITLE));
  std::wstring file = ToWide(initial);
  file.resize(std::max<std::size_t>(file.size() + 1, 32768), L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = hwnd_;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = L"htm";
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (!GetSaveFileNameW(&dialog)) return false;
  *path = FromWide(file.c_str());
  return true;
}

bool CMainDialog::RunAdvancedSheet(AppSettings& settings) {
  // The previews show the drawer chosen here.
  return RunHonkiSheet(hwnd_, settings, main_.entries().targetBox, previewFolder_);
}

void CMainDialog::ShowAbout() { CAboutDialog().DoModal(hwnd_); }

ExitAnswer CMainDialog::RunExitQuery() { return CExitQueryDialog().DoModal(hwnd_); }

}  // namespace mogura::win32
