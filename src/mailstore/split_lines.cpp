#include "mailstore/split_lines.h"

namespace mogura {

namespace {

template <class Lines>
void SplitInto(std::string_view text, Lines& lines) {
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

}  // namespace

void splitLines(std::string_view text, std::vector<std::string>& lines) {
  lines.clear();
  SplitInto(text, lines);
}

void splitLines(std::string_view text, TextLines& lines) {
  lines.clear();
  // Exactly one allocation for the line ends and one for the bytes.
  std::size_t count = 1;
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) ++count;
  lines.reserve(count, text.size());
  SplitInto(text, lines);
}

}  // namespace mogura
