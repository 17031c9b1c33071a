#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/shell.h"
#include "platform/win32/wide.h"

namespace mogura {
namespace {

class Win32Shell : public Shell {
 public:
  std::string desktopFolder() override {
    PWSTR wide = nullptr;
    std::string path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &wide))) path = win32::FromWide(wide);
    CoTaskMemFree(wide);
    return path;
  }

  bool openDocument(const std::string& path) override {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(GetDesktopWindow(), L"open", win32::ToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
  }
};

}  // namespace

Shell& HostShell() {
  static Win32Shell shell;
  return shell;
}

}  // namespace mogura
