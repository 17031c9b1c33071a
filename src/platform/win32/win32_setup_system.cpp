#include "platform/win32/win32_setup_system.h"

#include <windows.h>

#include "platform/shell.h"
#include "platform/win32/module_path.h"
#include "platform/win32/wide.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/user_start.h"

namespace mogura::win32 {
namespace {

// A folder the system writes into a buffer: asked once for the size, then filled.
template <typename Get>
std::string SystemText(Get get) {
  const UINT needed = get(nullptr, 0);
  if (needed == 0) return std::string();
  std::wstring text(needed, L'\0');
  const UINT got = get(text.data(), needed);
  if (got == 0 || got >= needed) return std::string();
  text.resize(got);
  return FromWide(text);
}

// The full path of `path` seen from the current folder: the desktop's shell has its own.
std::string FullPath(const std::string& path) {
  const std::wstring wide = ToWide(path);
  const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD got = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (got == 0 || got >= needed) return path;
  full.resize(got);
  return FromWide(full);
}

}  // namespace

std::string Win32SetupSystem::modulePath() { return ModulePath(); }

std::string Win32SetupSystem::windowsFolder() {
  return SystemText([](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
}

std::string Win32SetupSystem::systemFolder() {
  return SystemText([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
}

unsigned Win32SetupSystem::majorVersion() {
  // The manifest names the systems we know, so the system tells its own version.
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&version)) return 4;
#pragma GCC diagnostic pop
  return version.dwMajorVersion;
}

bool Win32SetupSystem::startProgram(const std::string& program, const std::string& arguments) {
  std::wstring commandLine = L"\"" + ToWide(program) + L"\"";
  if (!arguments.empty()) commandLine += L" " + ToWide(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  const OwnedHandle thread(started.hThread), process(started.hProcess);
  return true;
}

UserStart Win32SetupSystem::startProgramForUser(const std::string& program) {
  if (!ProcessIsElevated())
    return startProgram(program, std::string()) ? UserStart::Started : UserStart::Failed;
  return StartThroughDesktopShell(FullPath(program), std::string(), CurrentFolder()) ? UserStart::Started
                                                                                     : UserStart::NotAsUser;
}

UserStart Win32SetupSystem::openDocumentForUser(const std::string& document) {
  if (!ProcessIsElevated())
    return HostShell().openDocument(document) ? UserStart::Started : UserStart::Failed;
  return StartThroughDesktopShell(FullPath(document), std::string(), CurrentFolder()) ? UserStart::Started
                                                                                      : UserStart::NotAsUser;
}

std::string CurrentFolder() {
  return SystemText([](wchar_t* buffer, UINT size) { return static_cast<UINT>(GetCurrentDirectoryW(size, buffer)); });
}

}  // namespace mogura::win32
