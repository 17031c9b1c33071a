#include "ui/win32/setup/win32_setup_files.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace mogura::win32 {
namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  ~FindHandle() {
    if (valid()) FindClose(h_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

bool IsDotOrDotDot(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

bool Win32SetupFiles::listFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  WIN32_FIND_DATAW data;
  FindHandle find(FindFirstFileW(ToWide(folder + "*.*").c_str(), &data));
  if (!find.valid()) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    if (IsDotOrDotDot(data.cFileName)) continue;
    entries->push_back({FromWide(data.cFileName), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find.get(), &data));
  return GetLastError() == ERROR_NO_MORE_FILES;
}

CopyOutcome Win32SetupFiles::copy(const std::string& from, const std::string& to, bool replaceExisting) {
  if (CopyFileW(ToWide(from).c_str(), ToWide(to).c_str(), replaceExisting ? FALSE : TRUE)) return CopyOutcome::Copied;
  switch (GetLastError()) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:  // a running program's image
      return CopyOutcome::TargetInUse;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return CopyOutcome::TargetExists;
    default:
      return CopyOutcome::Failed;
  }
}

bool Win32SetupFiles::setNormalAttributes(const std::string& path) {
  return SetFileAttributesW(ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}

bool Win32SetupFiles::freeSpace(const std::string& path, DiskFreeSpace* space) {
  if (path.size() < 3) return false;
  // The root of the path's drive ("C:\\"): the folder itself may not exist yet.
  const std::wstring root = ToWide(path.substr(0, 3));
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (!GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return false;
  space->bytesPerSector = bytesPerSector;
  space->sectorsPerCluster = sectorsPerCluster;
  space->freeClusters = freeClusters;
  return true;
}

std::string Win32SetupFiles::shortPath(const std::string& path) {
  const std::wstring wide = ToWide(path);
  const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::wstring shortened(needed, L'\0');
  const DWORD got = GetShortPathNameW(wide.c_str(), shortened.data(), needed);
  if (got == 0 || got >= needed) return path;
  shortened.resize(got);
  return FromWide(shortened);
}

bool Win32SetupFiles::deleteAtRestart(const std::string& path) {
  return MoveFileExW(ToWide(path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

}  // namespace mogura::win32
