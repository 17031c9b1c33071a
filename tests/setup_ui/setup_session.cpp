#include "setup_session.h"

#include <tlhelp32.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "support/poll.h"

namespace mogura::test {
namespace {

using win32::FromWide;
using win32::ToWide;

struct WindowSearch {
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t text[512] = {};
  DWORD_PTR length = 0;
  // Another process's window: its text is asked for, with a time-out.
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 500, &length)) {
    return TRUE;
  }
  if (search->caption != text) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

StartedProcess::StartedProcess(const std::string& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring line = ToWide(commandLine);
  started_ = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_) != 0;
}

StartedProcess::~StartedProcess() {
  if (!started_) return;
  if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(info_.hProcess, 99);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool StartedProcess::WaitEnd(int timeoutMs) const {
  return started_ && WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

DWORD StartedProcess::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool WaitUntil(int timeoutMs, const std::function<bool()>& done) { return Poll(timeoutMs, done); }

HWND WaitForTopWindow(const std::string& caption, int timeoutMs) {
  WindowSearch search{ToWide(caption)};
  WaitUntil(timeoutMs, [&] {
    EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

namespace {

std::string ProgramOfProcess(DWORD id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (!process) return std::string();
  wchar_t path[MAX_PATH * 2] = {};
  DWORD length = MAX_PATH * 2;
  const bool ok = QueryFullProcessImageNameW(process, 0, path, &length) != 0;
  CloseHandle(process);
  return ok ? FromWide(std::wstring_view(path, length)) : std::string();
}

}  // namespace

std::string ProgramOfWindow(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return ProgramOfProcess(id);
}

std::string ParentProgramOfWindow(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return std::string();
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  DWORD parent = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == id) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent ? ProgramOfProcess(parent) : std::string();
}

GuiDriver DriverOf(HWND window) { return GuiDriver(GetWindowThreadProcessId(window, nullptr)); }

bool Exists(const std::string& path) { return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ReadBytes(const std::string& path) {
  HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(ToWide(folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(FromWide(name));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

void RemoveTree(const std::string& folder) {
  for (const std::string& name : Names(folder)) {
    const std::string path = folder + "\\" + name;
    if (IsReparsePoint(path)) {
      RemoveLink(path);
    } else if (IsFolder(path)) {
      RemoveTree(path);
    } else {
      SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(ToWide(path).c_str());
    }
  }
  RemoveDirectoryW(ToWide(folder).c_str());
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

namespace {

// The host's path of a Windows path, under Wine; empty elsewhere.
std::string UnixPath(const std::string& path) {
  using UnixName = char* (*)(const wchar_t*);
  // Through a function type of no arguments: the one a looked-up address may take.
  const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) return std::string();
  char* name = unixName(ToWide(path).c_str());
  if (!name) return std::string();
  std::string result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

// Starts a program of the host on host paths (UTF-8). Wine runs it outside its own processes:
// the handle it gives cannot be waited for, so the caller polls for the program's effect.
bool StartHostProgram(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = program;
  for (const std::string& argument : arguments) line += " \"" + argument + "\"";
  std::wstring wide(line.size() + 1, L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                                           wide.data(), static_cast<int>(wide.size()))));
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return false;
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
  return true;
}

// True when the folder that holds `path` lists its name (a dangling link has no attributes).
bool IsListed(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  const std::vector<std::string> names = Names(path.substr(0, slash));
  return std::find(names.begin(), names.end(), path.substr(slash + 1)) != names.end();
}

}  // namespace

bool MakeFolderLink(const std::string& link, const std::string& target) {
  if (!UnderWine()) {
    return CreateSymbolicLinkW(ToWide(link).c_str(), ToWide(target).c_str(),
                               SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) !=
           0;
  }
  const std::string from = UnixPath(target), to = UnixPath(link);
  return !from.empty() && !to.empty() && StartHostProgram("/bin/ln", {"-s", from, to}) &&
         WaitUntil(10000, [&] { return IsReparsePoint(link); });
}

void RemoveLink(const std::string& link) {
  if (!UnderWine()) {
    if (!RemoveDirectoryW(ToWide(link).c_str())) DeleteFileW(ToWide(link).c_str());
    return;
  }
  // Wine's own deletion reaches through to the target.
  const std::string path = UnixPath(link);
  if (!path.empty() && StartHostProgram("/bin/rm", {"-f", path})) WaitUntil(10000, [&] { return !IsListed(link); });
}

bool IsReparsePoint(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

std::optional<std::string> RegistryText(HKEY root, const std::string& key, const std::string& name) {
  wchar_t value[2048] = {};
  DWORD size = sizeof(value);
  if (RegGetValueW(root, ToWide(key).c_str(), ToWide(name).c_str(), RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return FromWide(value);
}

bool KeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, ToWide(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

std::string ShellFolder(const std::string& name) {
  return RegistryText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name)
      .value_or(std::string());
}

bool IsPendingDeletion(const std::string& path) {
  std::wstring pending(32768, L'\0');
  DWORD size = static_cast<DWORD>(pending.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Session Manager",
                   L"PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, pending.data(), &size) != ERROR_SUCCESS) {
    return false;
  }
  pending.resize(size / sizeof(wchar_t));
  const std::wstring wanted = L"\\??\\" + ToWide(path);
  // Pairs of a file and its new name; the name is empty for a deletion.
  std::size_t at = 0;
  while (at < pending.size() && pending[at] != L'\0') {
    const std::wstring from = pending.c_str() + at;
    at += from.size() + 1;
    if (at >= pending.size()) break;
    const std::wstring to = pending.c_str() + at;
    at += to.size() + 1;
    if (to.empty() && _wcsicmp(from.c_str(), wanted.c_str()) == 0) return true;
  }
  return false;
}

std::string Environment(const char* name) {
  wchar_t value[1024] = {};
  const DWORD length = GetEnvironmentVariableW(ToWide(name).c_str(), value, 1024);
  return length > 0 && length < 1024 ? FromWide(value) : std::string();
}

}  // namespace mogura::test
