#include "ui/win32/ccw_win_app.h"

#include <windows.h>

#include "app/startup.h"
#include "base/string_table.h"
#include "platform/clock.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_user_interaction.h"
#include "ui/win32/dialog.h"
#include "ui/win32/main_dialog_view.h"
#include "ui/win32/welcome_dialog_view.h"

namespace mogura::win32 {
namespace {

class Windows : public StartupWindows {
 public:
  explicit Windows(PreviewFolder& previewFolder) : previewFolder_(previewFolder) {}
  bool RunWelcome(std::string* receiveFolder) override { return CWelcomeDialog().DoModal(receiveFolder); }
  bool RunMainDialog(AppSettings& settings, const SettingsKey& root) override {
    return CMainDialog(settings, root, previewFolder_).DoModal();
  }

 private:
  PreviewFolder& previewFolder_;
};

}  // namespace

std::string CCWWinApp::ApplicationName() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n < path.size() ? n : 0);
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return FromWide(name);
}

SettingsKey CCWWinApp::OpenSettingsKey() {
  const std::string title = GetMessageBoxTitle();
  SetMessageBoxCaption(title.empty() ? ApplicationName() : title);
  return OpenRegistrySettingsRoot(ApplicationName());
}

CMoguraApp::CMoguraApp() : previewFolder_(HostFileSystem(), UserTemporaryFolder()) {}

std::string CMoguraApp::GetMessageBoxTitle() const { return std::string(LoadText(IDS_APP_TITLE)); }

bool CMoguraApp::StartUp() {
  InitDialogControls();
  SetLocalClock(&HostLocalNow);
  const SettingsKey root = OpenSettingsKey();
  Windows windows(previewFolder_);
  RunProgram(root, settings_, windows);
  return false;
}

}  // namespace mogura::win32
