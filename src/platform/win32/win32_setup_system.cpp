#include "platform/win32/win32_setup_system.h"

#include <windows.h>

#include "platform/win32/module_path.h"
#include "platform/win32/wide.h"

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

std::string CurrentFolder() {
  return SystemText([](wchar_t* buffer, UINT size) { return static_cast<UINT>(GetCurrentDirectoryW(size, buffer)); });
}

}  // namespace mogura::win32
