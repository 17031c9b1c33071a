#include "platform/text_output.h"

#include <algorithm>
#include <cstring>

namespace mogura {
namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}

TextOutput::TextOutput(OutputFile& sink) : sink_(sink), buffer_(new char[kBufferSize]) {}

TextOutput::~TextOutput() { close(); }

bool TextOutput::write(std::string_view text) {
  if (!good_ || closed_) return good_ = false;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end && good_) {
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    append(p, static_cast<std::size_t>((lf ? lf : end) - p));
    if (!lf) break;
    append("\r\n", 2);
    p = lf + 1;
  }
  return good_;
}

bool TextOutput::writeWithoutLineFeed(std::string_view text) {
  if (!good_ || closed_) return good_ = false;
  append(text.data(), text.size());
  return good_;
}

void TextOutput::append(const char* data, std::size_t count) {
  while (count > 0 && good_) {
    if (used_ == kBufferSize && !flush()) return;
    const std::size_t n = std::min(count, kBufferSize - used_);
    std::memcpy(buffer_.get() + used_, data, n);
    used_ += n;
    data += n;
    count -= n;
  }
}

bool TextOutput::flush() {
  if (!good_) return false;
  if (used_ > 0) {
    good_ = sink_.write(buffer_.get(), used_);
    used_ = 0;
  }
  return good_;
}

bool TextOutput::close() {
  if (closed_) return good_;
  flush();
  closed_ = true;
  if (!sink_.close()) good_ = false;
  return good_;
}

}  // namespace mogura
