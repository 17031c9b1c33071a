// The file system on Windows: CP932 paths through the wide APIs.
#include <windows.h>

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
  // The last byte may be a trail byte equal to '\\' ("ソ"); only a real separator counts.
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < folder.size(); ++i) {
    if (folder[i] == '\\' || folder[i] == '/') last = i;
    else if (IsDBCSLeadByteEx(932, static_cast<BYTE>(folder[i]))) ++i;
  }
  return last == folder.size() - 1 ? folder : folder + "\\";
}

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
};

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
