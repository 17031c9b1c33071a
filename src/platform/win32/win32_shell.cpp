#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/shell.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/user_start.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_setup_system.h"

namespace mogura {
namespace {

// The full path of `path` seen from the current folder: the desktop's shell has its own.
std::string FullPath(const std::string& path) {
  const std::wstring wide = win32::ToWide(path);
  const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD got = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (got == 0 || got >= needed) return path;
  full.resize(got);
  return win32::FromWide(full);
}

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

  bool startProgram(const std::string& program, const std::string& arguments) override {
    std::wstring commandLine = L"\"" + win32::ToWide(program) + L"\"";
    if (!arguments.empty()) commandLine += L" " + win32::ToWide(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
      return false;
    }
    const win32::OwnedHandle thread(started.hThread), process(started.hProcess);
    return true;
  }

  // Elevated, only the desktop's shell starts them, with the user's own rights (user_start.h);
  // when it cannot, nothing is started.
  UserStart startProgramForUser(const std::string& program) override {
    if (!win32::ProcessIsElevated())
      return startProgram(program, std::string()) ? UserStart::Started : UserStart::Failed;
    return win32::StartThroughDesktopShell(FullPath(program), std::string(), win32::CurrentFolder())
               ? UserStart::Started
               : UserStart::NotAsUser;
  }

  UserStart openDocumentForUser(const std::string& document) override {
    if (!win32::ProcessIsElevated()) return openDocument(document) ? UserStart::Started : UserStart::Failed;
    return win32::StartThroughDesktopShell(FullPath(document), std::string(), win32::CurrentFolder())
               ? UserStart::Started
               : UserStart::NotAsUser;
  }
};

}  // namespace

Shell& HostShell() {
  static Win32Shell shell;
  return shell;
}

}  // namespace mogura
