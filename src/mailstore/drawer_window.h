// Reads ranges of a drawer file through one window of it. The mails of a drawer mostly lie one
// after the other, so nearly every header and body is served from the window, and the file is
// read in large blocks, each byte once, instead of with two small reads per mail.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace mogura {

class DrawerWindow {
 public:
  // `file` may be null: every read then fails.
  explicit DrawerWindow(InputFile* file, std::size_t windowSize = 256 * 1024)
      : file_(file), windowSize_(windowSize) {}

  // The bytes from `offset` on, `length` of them or as many as the file holds there (none when
  // the range starts past the end). Nothing larger than the file is ever allocated. The view
  // stays valid until the next read. False on a read error.
  bool read(std::uint64_t offset, std::uint64_t length, std::string_view* bytes);

 private:
  bool fill(std::string& buffer, std::uint64_t offset, std::size_t count);

  InputFile* file_;
  std::size_t windowSize_;
  std::string window_;
  std::uint64_t windowStart_ = 0;
  std::string large_;  // a range larger than the window is read on its own
};

}  // namespace mogura
