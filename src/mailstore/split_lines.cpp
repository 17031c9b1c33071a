#include "mailstore/split_lines.h"

namespace mogura {

namespace {

template <class Lines>
void SplitInto(std::string_view text, Lines& lines) {
  forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
}

}  // namespace

void splitLines(std::string_view text, std::vector<std::string>& lines) {
  lines.clear();
  SplitInto(text, lines);
}

void splitLines(std::string_view text, TextLines& lines) {
  lines.clear();
  // One pass over the text: the bytes are reserved at once (the line ends dropped make it a
  // little more than needed); the line ends grow as found.
  lines.reserve(text.size() / 64 + 1, text.size());
  forEachLine(text, [&lines](std::string_view line) { lines.push_back_without_line_feed(line); });
  while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
}

}  // namespace mogura
