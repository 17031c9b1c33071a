// How long mogura.exe takes from its start until its main window is visible, over repeated
// starts with a warm Wine server (or on Windows). The settings are those of a user who has
// registered a receive folder, so no welcome dialog comes first.
//   gui_start_bench PATH\mogura.exe [STARTS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Pikomaru\\mogura";

struct Found {
  HWND window = nullptr;
};

BOOL CALLBACK FindMain(HWND window, LPARAM data) {
  // The main window is the one with the make button (control 1317).
  if (!IsWindowVisible(window) || !GetDlgItem(window, 1317)) return TRUE;
  reinterpret_cast<Found*>(data)->window = window;
  return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gui_start_bench PATH\\mogura.exe [STARTS]\n");
    return 2;
  }
  const int starts = argc > 2 ? _wtoi(argv[2]) : 10;
  const std::wstring folder = L"C:\\";
  RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(kSettingsKey) + L"\\PetFolders").c_str(), L"Folder1", REG_SZ,
                  folder.c_str(), static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
  DWORD zero = 0;
  RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(kSettingsKey) + L"\\PetFolders").c_str(), L"ActiveIndex", REG_DWORD,
                  &zero, sizeof(zero));
  std::vector<double> ms;
  for (int i = 0; i < starts; ++i) {
    std::wstring line = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const auto begin = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      std::fprintf(stderr, "cannot start the program\n");
      return 1;
    }
    Found found;
    while (!found.window && std::chrono::steady_clock::now() - begin < std::chrono::seconds(20)) {
      EnumThreadWindows(process.dwThreadId, &FindMain, reinterpret_cast<LPARAM>(&found));
      if (!found.window) Sleep(1);
    }
    const auto visible = std::chrono::steady_clock::now();
    if (found.window) ms.push_back(std::chrono::duration<double, std::milli>(visible - begin).count());
    // "おわるでちゅ" (control 1319) ends it.
    if (found.window) PostMessageW(GetDlgItem(found.window, 1319), BM_CLICK, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  if (ms.empty()) {
    std::fprintf(stderr, "the main window never appeared\n");
    return 1;
  }
  std::sort(ms.begin(), ms.end());
  std::printf("starts %zu  main window visible after: min %.0f ms  median %.0f ms  max %.0f ms\n", ms.size(),
              ms.front(), ms[ms.size() / 2], ms.back());
  return 0;
}
