// The file system on Windows: CP932 paths through the wide APIs.
#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include "base/path_parts.h"
#include "platform/files.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/wide.h"

namespace mogura {
namespace {

class Win32InputFile : public InputFile {
 public:
  Win32InputFile(HANDLE h, std::uint64_t size) : handle_(h), size_(size) {}
  std::uint64_t size() const override { return size_; }
  bool readAt(std::uint64_t offset, void* buffer, std::size_t count, std::size_t* got) override {
    *got = 0;
    auto* out = static_cast<char*>(buffer);
    while (*got < count) {
      OVERLAPPED at = {};
      const std::uint64_t position = offset + *got;
      at.Offset = static_cast<DWORD>(position & 0xFFFFFFFFu);
      at.OffsetHigh = static_cast<DWORD>(position >> 32);
      const std::size_t left = count - *got;
      const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
      DWORD n = 0;
      if (!ReadFile(handle_.get(), out + *got, chunk, &n, &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF) break;
        return false;
      }
      if (n == 0) break;
      *got += n;
    }
    return true;
  }

 private:
  win32::OwnedHandle handle_;
  std::uint64_t size_;
};

class Win32OutputFile : public OutputFile {
 public:
  explicit Win32OutputFile(HANDLE h) : handle_(h) {}
  bool write(const void* data, std::size_t count) override {
    if (!handle_) return false;
    const char* in = static_cast<const char*>(data);
    while (count > 0) {
      const DWORD chunk = count > 0x40000000u ? 0x40000000u : static_cast<DWORD>(count);
      DWORD n = 0;
      if (!WriteFile(handle_.get(), in, chunk, &n, nullptr) || n == 0) {
        failed_ = true;
        return false;
      }
      in += n;
      count -= n;
    }
    return true;
  }
  bool close() override {
    if (!handle_) return !failed_;
    if (!handle_.reset()) failed_ = true;
    return !failed_;
  }

 private:
  win32::OwnedHandle handle_;
  bool failed_ = false;
};

std::string WithSeparator(const std::string& folder) {
  if (folder.empty()) return ".\\";
  return EndsWithSeparator(folder, '/') ? folder : WithTrailingSeparator(folder, '\\');
}

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

class Win32FileSystem : public FileSystem {
 public:
  char separator() const override { return '\\'; }

  std::unique_ptr<InputFile> openRead(const std::string& path) override {
    // The host program keeps working while we read: it may write, rename, delete or replace
    // the file meanwhile.
    win32::OwnedHandle file(CreateFileW(win32::ToWide(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return nullptr;
    return std::make_unique<Win32InputFile>(file.release(), static_cast<std::uint64_t>(size.QuadPart));
  }

  std::unique_ptr<OutputFile> createFile(const std::string& path) override {
    HANDLE h = CreateFileW(win32::ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32OutputFile>(h);
  }

  bool exists(const std::string& path) override {
    return GetFileAttributesW(win32::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  bool isDirectory(const std::string& path) override {
    const DWORD a = GetFileAttributesW(win32::ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  bool findFiles(const std::string& folder, const std::string& pattern,
                 std::vector<std::string>* names) override {
    WIN32_FIND_DATAW data;
    const win32::FindHandle find(FindFirstFileW(win32::ToWide(WithSeparator(folder) + "*").c_str(), &data));
    if (!find) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      std::string name = win32::FromWide(data.cFileName);
      // A name with characters that have no CP932 form cannot be opened by its CP932 name.
      if (win32::ToWide(name) != data.cFileName) continue;
      if (MatchesPattern(name, pattern)) names->push_back(std::move(name));
    } while (FindNextFileW(find.get(), &data));
    return GetLastError() == ERROR_NO_MORE_FILES;
  }

  bool createFolder(const std::string& path) override {
    return CreateDirectoryW(win32::ToWide(path).c_str(), nullptr) != 0;
  }
  bool removeFolder(const std::string& path) override {
    return RemoveDirectoryW(win32::ToWide(path).c_str()) != 0;
  }
  bool removeFile(const std::string& path) override { return DeleteFileW(win32::ToWide(path).c_str()) != 0; }
  bool copyFile(const std::string& from, const std::string& to) override {
    return CopyFileW(win32::ToWide(from).c_str(), win32::ToWide(to).c_str(), FALSE) != 0;
  }
  bool replaceFile(const std::string& from, const std::string& to) override {
    return MoveFileExW(win32::ToWide(from).c_str(), win32::ToWide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }

  bool listFolder(const std::string& folder, std::vector<FolderEntry>* entries) override;
  bool isLink(const std::string& path) override;
  bool removeLink(const std::string& path) override;
  bool createProtectedFolder(const std::string& path) override;
  CopyOutcome copy(const std::string& from, const std::string& to, bool replaceExisting) override;
  bool setNormalAttributes(const std::string& path) override {
    return SetFileAttributesW(win32::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
  }
  bool freeSpace(const std::string& path, DiskFreeSpace* space) override;
  std::string shortPath(const std::string& path) override;
  bool deleteAtRestart(const std::string& path) override {
    return MoveFileExW(win32::ToWide(path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
  }
  bool setCurrentFolder(const std::string& folder) override {
    return SetCurrentDirectoryW(win32::ToWide(folder).c_str()) != 0;
  }
};

bool Win32FileSystem::listFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  WIN32_FIND_DATAW data;
  const win32::FindHandle find(FindFirstFileW(win32::ToWide(folder + "*.*").c_str(), &data));
  if (!find) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    if (IsDotOrDotDot(data.cFileName)) continue;
    entries->push_back({win32::FromWide(data.cFileName), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                        IsLink(data.dwFileAttributes, data.dwReserved0)});
  } while (FindNextFileW(find.get(), &data));
  return GetLastError() == ERROR_NO_MORE_FILES;
}

bool Win32FileSystem::isLink(const std::string& path) {
  const std::wstring wide = win32::ToWide(path);
  // The attributes first: they fail for a name with wildcards, which the search below would match.
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return false;
  WIN32_FIND_DATAW data;
  const win32::FindHandle find(FindFirstFileW(wide.c_str(), &data));
  // A reparse point whose kind cannot be read counts as a link: it is never entered.
  return !find || IsLink(data.dwFileAttributes, data.dwReserved0);
}

bool Win32FileSystem::removeLink(const std::string& path) {
  // The link itself is opened, and deleted only when what was opened is the link: a system that
  // opens the target instead (Wine does) must not delete the target.
  const win32::OwnedHandle link(CreateFileW(win32::ToWide(path).c_str(), DELETE | FILE_READ_ATTRIBUTES,
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

bool Win32FileSystem::createProtectedFolder(const std::string& path) {
  // Made with its protection in one step: there is no moment in which it has the folder
  // above's permissions.
  win32::LocalMemory security;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(kProtectedFolderSecurity, SDDL_REVISION_1,
                                                            security.put(), nullptr)) {
    return false;
  }
  SECURITY_ATTRIBUTES attributes{static_cast<DWORD>(sizeof(attributes)), security.get(), FALSE};
  return CreateDirectoryW(win32::ToWide(path).c_str(), &attributes) != 0;
}

CopyOutcome Win32FileSystem::copy(const std::string& from, const std::string& to, bool replaceExisting) {
  if (CopyFileW(win32::ToWide(from).c_str(), win32::ToWide(to).c_str(), replaceExisting ? FALSE : TRUE)) {
    return CopyOutcome::Copied;
  }
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

bool Win32FileSystem::freeSpace(const std::string& path, DiskFreeSpace* space) {
  if (path.size() < 3) return false;
  // The root of the path's drive ("C:\\"): the folder itself may not exist yet.
  const std::wstring root = win32::ToWide(path.substr(0, 3));
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (!GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return false;
  space->bytesPerSector = bytesPerSector;
  space->sectorsPerCluster = sectorsPerCluster;
  space->freeClusters = freeClusters;
  return true;
}

std::string Win32FileSystem::shortPath(const std::string& path) {
  const std::wstring wide = win32::ToWide(path);
  const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::wstring shortened(needed, L'\0');
  const DWORD got = GetShortPathNameW(wide.c_str(), shortened.data(), needed);
  if (got == 0 || got >= needed) return path;
  shortened.resize(got);
  return win32::FromWide(shortened);
}

}  // namespace

FileSystem& HostFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

std::string UserTemporaryFolder() {
  wchar_t wide[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, wide);
  if (length == 0 || length > MAX_PATH) return std::string();
  // A folder whose name has characters outside code page 932 could not be found again.
  const std::string folder = win32::FromWide(std::wstring_view(wide, length));
  if (win32::ToWide(folder) != std::wstring_view(wide, length)) return std::string();
  return WithSeparator(folder);
}

}  // namespace mogura
