// An output file in memory for tests: collects the bytes written to it, and can be told to
// fail like a full disk (after a number of bytes) or like a file whose closing fails.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

#include "platform/files.h"

namespace mogura::test {

class StringOutputFile : public OutputFile {
 public:
  StringOutputFile() = default;
  // Accepts at most `capacity` bytes; the write that would pass it stores what fits and fails.
  explicit StringOutputFile(std::size_t capacity) : capacity_(capacity) {}

  bool write(const void* data, std::size_t count) override {
    ++writeCalls_;
    if (closed_ || failed_) return false;
    const std::size_t room = capacity_ - bytes_.size();
    if (count > room) {
      bytes_.append(static_cast<const char*>(data), room);
      failed_ = true;
      return false;
    }
    bytes_.append(static_cast<const char*>(data), count);
    return true;
  }

  bool close() override {
    if (!closed_) closed_ = true;
    return !failed_ && !failOnClose_;
  }

  // Makes close() report a failure, as when the last bytes could not reach the disk.
  void failOnClose() { failOnClose_ = true; }

  const std::string& bytes() const { return bytes_; }
  bool closed() const { return closed_; }
  // Number of write() calls that reached this file.
  std::size_t writeCalls() const { return writeCalls_; }

 private:
  std::string bytes_;
  std::size_t capacity_ = std::numeric_limits<std::size_t>::max();
  std::size_t writeCalls_ = 0;
  bool closed_ = false;
  bool failed_ = false;
  bool failOnClose_ = false;
};

}  // namespace mogura::test
