// Reads the spans of a drawer file that a run needs in file order, whatever the order of the
// list: sorted by offset and joined into large blocks where they lie close together. Each
// needed byte is read once, and the bytes between joined spans add at most a sixteenth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace mogura {

struct DrawerSpan {
  std::uint64_t begin = 0;  // both already clamped to the file's size
  std::uint64_t end = 0;
  std::size_t mail = 0;  // the caller's number for the mail
};

// Called once per span, in file order: its bytes (the view lasts until the call returns) and
// whether they could be read. A span cut short by a file that shrank gives the bytes present.
using SpanVisitor = std::function<void(const DrawerSpan& span, std::string_view bytes, bool ok)>;

// Reads `spans` from `file` (null: every span fails) and hands each to `visit`. Blocks hold
// at most `maxBlock` bytes; a longer span is read on its own. A read error of a block fails
// only the spans whose own bytes cannot be read: each is then read alone.
void ReadSpansInFileOrder(InputFile* file, std::vector<DrawerSpan> spans, const SpanVisitor& visit,
                          std::size_t maxBlock = 1024 * 1024);

}  // namespace mogura
