// CP932 (Shift-JIS) byte-string helpers. Every text of the program is a CP932 byte string;
// any forward scan for a single-byte character must step over double-byte characters,
// because a trail byte may equal '\\' (0x5C), e.g. "ソ" is 0x83 0x5C.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mogura {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
constexpr bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// The length of the character that starts at `i`: 2 for a lead byte with a byte after it,
// else 1.
inline std::size_t CharLengthAt(std::string_view text, std::size_t i) {
  return IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

// A space or a tab: the blanks that settings texts and information files may have around
// their values. Neither is ever the trail byte of a character.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Position of the first single-byte `c` at or after `from`, stepping over double-byte
// characters; npos when there is none. `from` must be at a character boundary.
std::size_t FindCharDbcs(std::string_view text, char c, std::size_t from = 0);

// Position of the last single-byte `c`, found by a forward scan; npos when there is none.
std::size_t FindLastCharDbcs(std::string_view text, char c);

// The longest prefix of `text` of at most `limit` bytes that does not end inside a double-byte
// character: a cut text never ends in a lone lead byte.
std::string_view CutToCharBoundary(std::string_view text, std::size_t limit);

// ASCII-only case-insensitive comparison (<0, 0, >0); other bytes compare as they are.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}
char AsciiLower(char c);
// `text` with its ASCII letters in lower case; trail bytes of double-byte characters stay as
// they are. Two texts that CompareNoCase finds equal fold to the same bytes.
std::string AsciiFolded(std::string_view text);

// The number of characters of `text`: a double-byte character counts as one.
std::size_t CharacterCount(std::string_view text);

}  // namespace mogura
