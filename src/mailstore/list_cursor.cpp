#include "mailstore/list_cursor.h"

#include <algorithm>
#include <cstring>

#include "platform/files.h"

namespace mogura {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

ListCursor::ListCursor(std::string_view bytes) : window_(bytes) {}

ListCursor::ListCursor(InputFile& file) : file_(&file) {}

bool ListCursor::ensure(std::size_t count) {
  if (available() >= count) return true;
  if (!file_ || fileExhausted_ || failed_) return false;
  // Drop what was consumed before the marked record, then fetch at least what is missing,
  // a whole chunk at a time.
  const std::size_t drop = marking_ ? mark_ : next_;
  buffer_.erase(0, drop);
  next_ -= drop;
  mark_ -= std::min(mark_, drop);
  while (buffer_.size() - next_ < count && !fileExhausted_) {
    const std::uint64_t size = file_->size();
    if (fileOffset_ >= size) {
      fileExhausted_ = true;
      break;
    }
    const std::size_t want = static_cast<std::size_t>(
        std::min<std::uint64_t>(std::max(count - (buffer_.size() - next_), kChunk), size - fileOffset_));
    const std::size_t old = buffer_.size();
    buffer_.resize(old + want);
    std::size_t got = 0;
    if (!file_->readAt(fileOffset_, buffer_.data() + old, want, &got)) {
      buffer_.resize(old);
      failed_ = true;
      break;
    }
    buffer_.resize(old + got);
    fileOffset_ += got;
    if (got < want) fileExhausted_ = true;  // the file ended early
  }
  window_ = buffer_;
  return available() >= count;
}

bool ListCursor::atEnd() { return !ensure(1); }

bool ListCursor::ReadU8(std::uint8_t* value) {
  if (!ensure(1)) return false;
  *value = static_cast<std::uint8_t>(window_[next_]);
  ++next_;
  ++consumed_;
  return true;
}

bool ListCursor::ReadU32LE(std::uint32_t* value) {
  if (!ensure(4)) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(window_.data() + next_);
  *value = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  next_ += 4;
  consumed_ += 4;
  return true;
}

bool ListCursor::ReadBytes(std::size_t count, std::string* out) {
  if (!ensure(count)) return false;
  out->assign(window_.substr(next_, count));
  next_ += count;
  consumed_ += count;
  return true;
}

bool ListCursor::ReadCString(std::string* out, std::size_t limit) {
  std::string_view text;
  if (!ReadCStringView(&text, limit)) return false;
  out->assign(text);
  return true;
}

bool ListCursor::ReadCStringView(std::string_view* out, std::size_t limit) {
  // Look for the NUL in what is buffered; fetch more only while the limit allows.
  std::size_t searched = 0;
  for (;;) {
    const std::size_t span = std::min(available(), limit);
    const std::string_view rest = window_.substr(next_, span);
    const std::size_t nul = rest.find('\0', searched);
    if (nul != std::string_view::npos) {
      *out = rest.substr(0, nul);
      next_ += nul + 1;
      consumed_ += nul + 1;
      return true;
    }
    searched = rest.size();
    if (span >= limit || !ensure(available() + 1)) return false;
  }
}

}  // namespace mogura
