#include "base/cp932.h"

namespace mogura {

std::size_t FindCharDbcs(std::string_view text, char c, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == c) return i;
    if (IsLeadByte(text[i])) ++i;  // the trail byte is never a character of its own
  }
  return std::string_view::npos;
}

std::size_t FindLastCharDbcs(std::string_view text, char c) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == c) found = i;
    else if (IsLeadByte(text[i])) ++i;
  }
  return found;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i, ++count) {
    if (IsLeadByte(text[i])) ++i;
  }
  return count;
}

std::string_view CutToCharBoundary(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = 0;
  while (end < limit) {
    const std::size_t next = end + (IsLeadByte(text[end]) ? 2 : 1);
    if (next > limit) break;
    end = next;
  }
  return text.substr(0, end);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiFolded(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(out[i])) {
      ++i;
    } else {
      out[i] = AsciiLower(out[i]);
    }
  }
  return out;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  // Trail bytes of double-byte characters are compared as they are: "ア" (0x83 0x41) and
  // "ヂ" (0x83 0x61) must stay different.
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  bool trail = false;
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(trail ? a[i] : AsciiLower(a[i]));
    const auto y = static_cast<unsigned char>(trail ? b[i] : AsciiLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
    trail = !trail && IsLeadByte(a[i]);
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace mogura
