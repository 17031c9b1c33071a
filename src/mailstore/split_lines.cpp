#include "mailstore/split_lines.h"

namespace mogura {

void splitLines(std::string_view text, std::vector<std::string>& lines) {
  lines.clear();
  // LF (0x0A) is never part of a double-byte character, so a plain byte search is safe.
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = text.find('\n', start);
    std::string_view line =
        text.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (lf == std::string_view::npos) break;
    start = lf + 1;  // a text ending in LF still gives one (empty) line after it
  }
  while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
}

}  // namespace mogura
