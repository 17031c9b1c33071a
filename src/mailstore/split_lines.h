// Splitting a header or body text of a drawer into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/text_lines.h"

namespace mogura {

// Replaces `lines` with the lines of `text`. A line ends at LF (not kept); one CR before it
// is removed too. Lines are kept whole however long they are, and empty lines are kept,
// except that empty lines at the end are dropped, the first line excepted: a text ending in
// CR LF gives no extra empty line, and an empty text gives one empty line.
void splitLines(std::string_view text, std::vector<std::string>& lines);
// The same into one buffer: the record's header and body lines.
void splitLines(std::string_view text, TextLines& lines);

// Calls `visit` with each line of `text` in order, cut as splitLines cuts them, without keeping
// them; trailing empty lines are visited too.
template <class Visit>
void forEachLine(std::string_view text, Visit&& visit) {
  // LF (0x0A) is never part of a double-byte character, so a plain byte search is safe.
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = text.find('\n', start);
    std::string_view line = text.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    if (lf == std::string_view::npos) return;
    start = lf + 1;  // a text ending in LF still gives one (empty) line after it
  }
}

}  // namespace mogura
