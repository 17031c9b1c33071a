#include "platform/text_output.h"

namespace mogura {
namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}

TextOutput::TextOutput(OutputFile& sink) : sink_(sink) { buffer_.reserve(kBufferSize + 2); }

TextOutput::~TextOutput() { close(); }

bool TextOutput::write(std::string_view text) {
  if (!good_ || closed_) return good_ = false;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lf = text.find('\n', start);
    const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
    buffer_.append(text.data() + start, end - start);
    if (lf != std::string_view::npos) buffer_.append("\r\n", 2);
    start = lf == std::string_view::npos ? text.size() : lf + 1;
    if (buffer_.size() >= kBufferSize && !flush()) return false;
  }
  return good_;
}

bool TextOutput::flush() {
  if (!good_) return false;
  if (!buffer_.empty()) {
    good_ = sink_.write(buffer_.data(), buffer_.size());
    buffer_.clear();
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
