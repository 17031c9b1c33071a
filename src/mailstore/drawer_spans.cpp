#include "mailstore/drawer_spans.h"

#include <algorithm>
#include <memory>
#include <string>

namespace mogura {
namespace {

// Bytes between spans may join them into one block while they stay within this share of the
// bytes the block is read for.
constexpr std::uint64_t kGapShare = 16;

class SpanReader {
 public:
  SpanReader(InputFile* file, const SpanVisitor& visit, std::size_t maxBlock)
      : file_(file), visit_(visit), maxBlock_(maxBlock) {}

  // Reads [begin, end) and hands out spans[first, last), which lie inside it.
  void readBlock(const std::vector<DrawerSpan>& spans, std::size_t first, std::size_t last, std::uint64_t begin,
                 std::uint64_t end) {
    std::string_view block;
    if (read(begin, end - begin, &block)) {
      for (std::size_t i = first; i < last; ++i) visit_(spans[i], slice(block, begin, spans[i]), true);
      return;
    }
    if (last - first == 1) {
      visit_(spans[first], {}, false);
      return;
    }
    // The error may lie between or beside the spans: only a span's own bytes count.
    for (std::size_t i = first; i < last; ++i) {
      std::string_view bytes;
      const bool ok = read(spans[i].begin, spans[i].end - spans[i].begin, &bytes);
      visit_(spans[i], ok ? slice(bytes, spans[i].begin, spans[i]) : std::string_view(), ok);
    }
  }

 private:
  // The part of `bytes` (read from `at` on) that belongs to `span`; shorter or empty when the
  // file gave fewer bytes than it claimed.
  static std::string_view slice(std::string_view bytes, std::uint64_t at, const DrawerSpan& span) {
    const std::uint64_t from = span.begin - at;
    if (from >= bytes.size()) return {};
    return bytes.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(span.end - span.begin));
  }

  bool read(std::uint64_t offset, std::uint64_t length, std::string_view* bytes) {
    *bytes = {};
    if (!file_) return false;
    if (length == 0) return true;
    const auto count = static_cast<std::size_t>(length);
    char* into;
    if (count <= maxBlock_) {
      // Grown to the largest block read so far, never zeroed: only bytes read are looked at.
      if (count > blockSize_) {
        blockSize_ = std::min(std::max(count, 2 * blockSize_), maxBlock_);
        block_.reset(new char[blockSize_]);
      }
      into = block_.get();
    } else {
      large_.reset(new char[count]);  // bounded by the file's size, as every span is
      into = large_.get();
    }
    std::size_t got = 0;
    if (!file_->readAt(offset, into, count, &got)) return false;
    *bytes = std::string_view(into, std::min(got, count));
    return true;
  }

  InputFile* file_;
  const SpanVisitor& visit_;
  const std::size_t maxBlock_;
  std::unique_ptr<char[]> block_;
  std::size_t blockSize_ = 0;
  std::unique_ptr<char[]> large_;
};

}  // namespace

void ReadSpansInFileOrder(InputFile* file, std::vector<DrawerSpan> spans, const SpanVisitor& visit,
                          std::size_t maxBlock) {
  std::stable_sort(spans.begin(), spans.end(),
                   [](const DrawerSpan& a, const DrawerSpan& b) { return a.begin < b.begin; });
  SpanReader reader(file, visit, maxBlock);
  std::size_t first = 0;
  while (first < spans.size()) {
    // Grow the block while the next span fits and the gaps stay a small share of it.
    const std::uint64_t begin = spans[first].begin;
    std::uint64_t end = spans[first].end;
    std::uint64_t needed = end - begin;
    std::uint64_t gaps = 0;
    std::size_t last = first + 1;
    for (; last < spans.size(); ++last) {
      const DrawerSpan& next = spans[last];
      const std::uint64_t newEnd = std::max(end, next.end);
      if (newEnd - begin > maxBlock) break;
      const std::uint64_t gap = next.begin > end ? next.begin - end : 0;
      const std::uint64_t added = newEnd - std::max(end, next.begin);
      if ((gaps + gap) * kGapShare > needed + added) break;
      gaps += gap;
      needed += added;
      end = newEnd;
    }
    reader.readBlock(spans, first, last, begin, end);
    first = last;
  }
}

}  // namespace mogura
