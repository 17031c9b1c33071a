#include "platform/win32/module_path.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace mogura::win32 {

std::string ModulePath() {
  // The system cuts the path to the buffer without saying so but by filling it: a full buffer
  // is tried again twice as large.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got == 0) return std::string();
    if (got < path.size()) {
      path.resize(got);
      return FromWide(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace mogura::win32
