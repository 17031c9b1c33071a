// The file system on POSIX: CP932 paths become UTF-8 file names.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/files.h"
#include "platform/posix/posix_path.h"

namespace mogura {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() { reset(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool reset() {
    bool ok = true;
    if (fd_ >= 0) ok = ::close(fd_) == 0;
    fd_ = -1;
    return ok;
  }

 private:
  int fd_;
};

class PosixInputFile : public InputFile {
 public:
  PosixInputFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  std::uint64_t size() const override { return size_; }
  bool readAt(std::uint64_t offset, void* buffer, std::size_t count, std::size_t* got) override {
    *got = 0;
    auto* out = static_cast<char*>(buffer);
    while (*got < count) {
      const ssize_t n = ::pread(fd_.get(), out + *got, count - *got, static_cast<off_t>(offset + *got));
      if (n < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      if (n == 0) break;  // end of file
      *got += static_cast<std::size_t>(n);
    }
    return true;
  }

 private:
  FileDescriptor fd_;
  std::uint64_t size_;
};

class PosixOutputFile : public OutputFile {
 public:
  explicit PosixOutputFile(int fd) : fd_(fd) {}
  bool write(const void* data, std::size_t count) override {
    if (fd_.get() < 0) return false;
    const char* in = static_cast<const char*>(data);
    while (count > 0) {
      const ssize_t n = ::write(fd_.get(), in, count);
      if (n < 0) {
        if (errno == EINTR) continue;
        failed_ = true;
        return false;
      }
      in += n;
      count -= static_cast<std::size_t>(n);
    }
    return true;
  }
  bool close() override {
    if (fd_.get() < 0) return !failed_;
    if (!fd_.reset()) failed_ = true;
    return !failed_;
  }

 private:
  FileDescriptor fd_;
  bool failed_ = false;
};

class PosixFileSystem : public FileSystem {
 public:
  char separator() const override { return '/'; }

  std::unique_ptr<InputFile> openRead(const std::string& path) override {
    std::string name;
    if (!posix::Cp932ToUtf8(path, &name)) return nullptr;
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<PosixInputFile>(fd, static_cast<std::uint64_t>(st.st_size));
  }

  std::unique_ptr<OutputFile> createFile(const std::string& path) override {
    std::string name;
    if (!posix::Cp932ToUtf8(path, &name)) return nullptr;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixOutputFile>(fd);
  }

  bool exists(const std::string& path) override {
    struct stat st;
    return Stat(path, &st);
  }

  bool isDirectory(const std::string& path) override {
    struct stat st;
    return Stat(path, &st) && S_ISDIR(st.st_mode);
  }

  bool findFiles(const std::string& folder, const std::string& pattern,
                 std::vector<std::string>* names) override {
    std::string dirName;
    if (!posix::Cp932ToUtf8(folder.empty() ? std::string(".") : folder, &dirName)) return false;
    DIR* dir = ::opendir(dirName.c_str());
    if (!dir) return false;
    while (const dirent* entry = ::readdir(dir)) {
      std::string name;
      // A name that has no CP932 spelling cannot be named by the program: leave it out.
      if (!posix::Utf8ToCp932(entry->d_name, &name)) continue;
      if (!MatchesPattern(name, pattern)) continue;
      std::string full = dirName;
      if (!full.empty() && full.back() != '/') full += '/';
      full += entry->d_name;
      struct stat st;
      if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) names->push_back(std::move(name));
    }
    ::closedir(dir);
    return true;
  }

  bool createFolder(const std::string& path) override {
    std::string name;
    return posix::Cp932ToUtf8(path, &name) && ::mkdir(name.c_str(), 0777) == 0;
  }
  bool removeFolder(const std::string& path) override {
    std::string name;
    return posix::Cp932ToUtf8(path, &name) && ::rmdir(name.c_str()) == 0;
  }
  bool removeFile(const std::string& path) override {
    std::string name;
    return posix::Cp932ToUtf8(path, &name) && ::unlink(name.c_str()) == 0;
  }
  bool copyFile(const std::string& from, const std::string& to) override {
    auto in = openRead(from);
    if (!in) return false;
    auto out = createFile(to);
    if (!out) return false;
    std::string buffer(64 * 1024, '\0');
    std::uint64_t offset = 0;
    for (;;) {
      std::size_t got = 0;
      if (!in->readAt(offset, buffer.data(), buffer.size(), &got)) return false;
      if (got == 0) break;
      if (!out->write(buffer.data(), got)) return false;
      offset += got;
    }
    return out->close();
  }
  bool replaceFile(const std::string& from, const std::string& to) override {
    std::string a, b;
    return posix::Cp932ToUtf8(from, &a) && posix::Cp932ToUtf8(to, &b) && ::rename(a.c_str(), b.c_str()) == 0;
  }

 private:
  static bool Stat(const std::string& path, struct stat* st) {
    std::string name;
    return posix::Cp932ToUtf8(path, &name) && ::stat(name.c_str(), st) == 0;
  }
};

}  // namespace

FileSystem& HostFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

std::string UserTemporaryFolder() {
  const char* variable = std::getenv("TMPDIR");
  const std::string utf8 = variable && variable[0] ? variable : "/tmp";
  std::string folder;
  if (!posix::Utf8ToCp932(utf8, &folder)) return std::string();
  return folder.back() == '/' ? folder : folder + '/';
}

}  // namespace mogura
