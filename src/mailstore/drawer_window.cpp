#include "mailstore/drawer_window.h"

#include <algorithm>

namespace mogura {

bool DrawerWindow::read(std::uint64_t offset, std::uint64_t length, std::string_view* bytes) {
  *bytes = std::string_view();
  if (!file_) return false;
  const std::uint64_t size = file_->size();
  if (offset >= size || length == 0) return true;
  const auto count = static_cast<std::size_t>(std::min(length, size - offset));

  if (offset >= windowStart_ && offset - windowStart_ + count <= window_.size()) {
    *bytes = std::string_view(window_).substr(static_cast<std::size_t>(offset - windowStart_), count);
    return true;
  }
  if (count > windowSize_) {
    if (!fill(large_, offset, count)) return false;
    *bytes = large_;
    return true;
  }
  const auto span = static_cast<std::size_t>(std::min<std::uint64_t>(windowSize_, size - offset));
  if (!fill(window_, offset, span)) {
    // The error may lie past the range asked for: only a failure of the range itself counts.
    window_.clear();
    if (!fill(large_, offset, count)) return false;
    *bytes = large_;
    return true;
  }
  windowStart_ = offset;
  // A file that shrank since it was opened gives fewer bytes: take those.
  *bytes = std::string_view(window_).substr(0, std::min(count, window_.size()));
  return true;
}

bool DrawerWindow::fill(std::string& buffer, std::uint64_t offset, std::size_t count) {
  buffer.resize(count);
  std::size_t got = 0;
  if (!file_->readAt(offset, buffer.data(), count, &got)) {
    buffer.clear();
    return false;
  }
  buffer.resize(std::min(got, count));
  return true;
}

}  // namespace mogura
