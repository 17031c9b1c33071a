#include "platform/win32/win32_setup_files.h"

#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include "platform/win32/scoped_handle.h"
#include "platform/win32/wide.h"

namespace mogura::win32 {
namespace {

bool IsDotOrDotDot(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// A reparse point that stands for another place: a symbolic link, a junction or a mount point
// (other reparse points, such as compressed or cloud files, are the files themselves). Wine
// marks the host's symbolic links to folders as reparse points but gives them no tag.
bool IsLink(DWORD attributes, DWORD tag) {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && (tag == 0 || IsReparseTagNameSurrogate(tag));
}

// The program-files folder's protection: administrators and the system may do anything, users
// read and run; each passed on to what the folder will hold, and nothing taken over from the
// folder above (P).
constexpr wchar_t kProtectedFolderSecurity[] = L"D:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)";

}  // namespace

bool Win32SetupFiles::listFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  WIN32_FIND_DATAW data;
  const FindHandle find(FindFirstFileW(ToWide(folder + "*.*").c_str(), &data));
  if (!find) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    if (IsDotOrDotDot(data.cFileName)) continue;
    entries->push_back({FromWide(data.cFileName), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                        IsLink(data.dwFileAttributes, data.dwReserved0)});
  } while (FindNextFileW(find.get(), &data));
  return GetLastError() == ERROR_NO_MORE_FILES;
}

bool Win32SetupFiles::isLink(const std::string& path) {
  const std::wstring wide = ToWide(path);
  // The attributes first: they fail for a name with wildcards, which the search below would match.
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
  WIN32_FIND_DATAW data;
  const FindHandle find(FindFirstFileW(wide.c_str(), &data));
  // A reparse point whose kind cannot be read counts as a link: it is never entered.
  return !find || IsLink(data.dwFileAttributes, data.dwReserved0);
}

bool Win32SetupFiles::removeLink(const std::string& path) {
  // The link itself is opened, and deleted only when what was opened is the link: a system that
  // opens the target instead (Wine does) must not delete the target.
  const OwnedHandle link(CreateFileW(ToWide(path).c_str(), DELETE | FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                     nullptr));
  if (!link) return false;
  FILE_ATTRIBUTE_TAG_INFO kind{};
  if (!GetFileInformationByHandleEx(link.get(), FileAttributeTagInfo, &kind, sizeof(kind)) ||
      !IsLink(kind.FileAttributes, kind.ReparseTag)) {
    return false;
  }
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = TRUE;
  return SetFileInformationByHandle(link.get(), FileDispositionInfo, &disposition, sizeof(disposition)) != 0;
}

bool Win32SetupFiles::createProtectedFolder(const std::string& path) {
  // Made with its protection in one step: there is no moment in which it has the folder
  // above's permissions.
  LocalMemory security;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(kProtectedFolderSecurity, SDDL_REVISION_1,
                                                            security.put(), nullptr)) {
    return false;
  }
  SECURITY_ATTRIBUTES attributes{static_cast<DWORD>(sizeof(attributes)), security.get(), FALSE};
  return CreateDirectoryW(ToWide(path).c_str(), &attributes) != 0;
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
