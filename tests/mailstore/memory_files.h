// A file system in memory for the mail store tests: files are byte strings, and reads can be
// made to fail or counted.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace mogura::test {

class MemoryFiles : public FileSystem {
 public:
  struct Entry {
    std::string bytes;
    // readAt fails for any read that touches a byte at or after this offset.
    std::uint64_t failFrom = UINT64_MAX;
    // The size the file claims; by default its real size.
    std::optional<std::uint64_t> claimedSize;
  };

  std::map<std::string, Entry> files;
  // Bytes handed out by every readAt, and the largest single request.
  std::uint64_t bytesRead = 0;
  std::size_t largestRequest = 0;
  // Paths opened for reading, in order.
  std::vector<std::string> opened;

  void put(const std::string& path, std::string bytes) { files[path].bytes = std::move(bytes); }

  char separator() const override { return '/'; }

  std::unique_ptr<InputFile> openRead(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return nullptr;
    opened.push_back(path);
    return std::make_unique<File>(this, &it->second);
  }

  std::unique_ptr<OutputFile> createFile(const std::string& path) override {
    files[path] = Entry{};
    return std::make_unique<Output>(&files[path].bytes);
  }

  bool exists(const std::string& path) override { return files.count(path) != 0; }
  bool isDirectory(const std::string&) override { return false; }
  bool findFiles(const std::string&, const std::string&, std::vector<std::string>*) override { return false; }
  bool createFolder(const std::string&) override { return false; }
  bool removeFolder(const std::string&) override { return false; }
  bool removeFile(const std::string& path) override { return files.erase(path) != 0; }
  bool copyFile(const std::string&, const std::string&) override { return false; }
  bool replaceFile(const std::string&, const std::string&) override { return false; }

 private:
  class File : public InputFile {
   public:
    File(MemoryFiles* owner, Entry* entry) : owner_(owner), entry_(entry) {}
    std::uint64_t size() const override { return entry_->claimedSize.value_or(entry_->bytes.size()); }
    bool readAt(std::uint64_t offset, void* buffer, std::size_t count, std::size_t* got) override {
      *got = 0;
      owner_->largestRequest = std::max(owner_->largestRequest, count);
      if (count > 0 && offset + count > entry_->failFrom) return false;
      if (offset >= entry_->bytes.size()) return true;
      const std::size_t n =
          static_cast<std::size_t>(std::min<std::uint64_t>(count, entry_->bytes.size() - offset));
      std::memcpy(buffer, entry_->bytes.data() + offset, n);
      *got = n;
      owner_->bytesRead += n;
      return true;
    }

   private:
    MemoryFiles* owner_;
    Entry* entry_;
  };

  class Output : public OutputFile {
   public:
    explicit Output(std::string* bytes) : bytes_(bytes) {}
    bool write(const void* data, std::size_t count) override {
      bytes_->append(static_cast<const char*>(data), count);
      return true;
    }
    bool close() override { return true; }

   private:
    std::string* bytes_;
  };
};

}  // namespace mogura::test
