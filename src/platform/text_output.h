// A buffered text stream over an output file in which every line feed is written as CR LF.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace mogura {

class TextOutput {
 public:
  // Writes to `sink`, which must outlive this stream.
  explicit TextOutput(OutputFile& sink);
  ~TextOutput();
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;

  // Appends `text`, each LF as CR LF. Once a write has failed the stream stays failed and
  // every later write does nothing; returns the stream's state.
  bool write(std::string_view text);
  // Appends `text`, which holds no LF, as it is: its bytes are not searched.
  bool writeWithoutLineFeed(std::string_view text);
  bool good() const { return good_; }
  // Hands the buffered bytes to the file.
  bool flush();
  // Flushes and closes the file; false when anything written since opening was lost.
  bool close();

 private:
  // Copies `count` bytes into the buffer, handing full buffers to the file.
  void append(const char* data, std::size_t count);

  OutputFile& sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  bool good_ = true;
  bool closed_ = false;
};

}  // namespace mogura
