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
  // Exactly one allocation for the line ends and one for the bytes.
  std::size_t count = 1;
  for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', lf + 1)) ++count;
  lines.reserve(count, text.size());
  SplitInto(text, lines);
}

}  // namespace mogura
