#include <windows.h>
#include <shellapi.h>

#include "platform/console.h"
#include "platform/win32/wide.h"

namespace mogura {

bool ConsoleWrite(ConsoleStream stream, std::string_view text) {
  HANDLE h = GetStdHandle(stream == ConsoleStream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (h == nullptr || h == INVALID_HANDLE_VALUE) return false;
  const std::wstring wide = win32::ToWide(text);
  DWORD mode = 0;
  if (GetConsoleMode(h, &mode)) {
    DWORD written = 0;
    return WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
  }
  // Redirected: UTF-8 bytes.
  std::string utf8;
  if (!wide.empty()) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    if (n > 0)
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr,
                          nullptr);
  }
  DWORD written = 0;
  return utf8.empty() || WriteFile(h, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) != 0;
}

std::vector<std::string> CommandLineArguments(int, char**) {
  std::vector<std::string> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return args;
  for (int i = 0; i < count; ++i) args.push_back(win32::FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

}  // namespace mogura
