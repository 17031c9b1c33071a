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
  // The lines are found first and copied after, while the text is still in the cache: the
  // block is then sized exactly, with no room left over in the 100,000 bodies a drawer may
  // keep and no copy for growing it. The list of found lines is kept for the next text unless
  // a huge one made it large.
  thread_local std::vector<std::string_view> found;
  found.clear();
  forEachLine(text, [](std::string_view line) { found.push_back(line); });
  while (found.size() > 1 && found.back().empty()) found.pop_back();
  std::size_t bytes = 0;
  for (std::string_view line : found) bytes += line.size();
  lines.clear();
  lines.reserve(found.size(), bytes);
  for (std::string_view line : found) lines.push_back_without_line_feed(line);
  constexpr std::size_t kKeptRoom = 1 << 16;
  if (found.capacity() > kKeptRoom) std::vector<std::string_view>().swap(found);
}

}  // namespace mogura
