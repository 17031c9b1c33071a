#include "ui/win32/ccw_win_app.h"

#include <windows.h>

#include "app/startup.h"
#include "base/path_parts.h"
#include "base/string_table.h"
#include "platform/clock.h"
#include "platform/win32/module_path.h"
#include "store/registry_store.h"
#include "platform/win32/win32_registry.h"
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

std::string CCWWinApp::ApplicationName() { return SplitPath(ModulePath(), '\\').baseName; }

SettingsKey CCWWinApp::OpenSettingsKey() {
  const std::string title = GetMessageBoxTitle();
  SetMessageBoxCaption(title.empty() ? ApplicationName() : title);
  return OpenRegistrySettingsRoot(HostRegistry(), ApplicationName());
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
