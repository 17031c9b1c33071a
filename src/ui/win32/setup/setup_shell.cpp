#include "ui/win32/setup/setup_shell.h"

#include <windows.h>

#include "platform/win32/wide.h"
#include "ui/win32/setup/user_start.h"
#include "ui/win32/setup/win32_setup_system.h"

namespace mogura::win32 {
namespace {

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

std::string SetupShell::desktopFolder() { return HostShell().desktopFolder(); }

bool SetupShell::openDocument(const std::string& path) {
  if (ProcessIsElevated() && StartThroughDesktopShell(FullPath(path), std::string(), CurrentFolder())) return true;
  return HostShell().openDocument(path);
}

}  // namespace mogura::win32
