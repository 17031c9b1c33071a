// CP932 to Unicode as Windows maps it (code page 932), and on to UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mogura {

// The character a CP932 sequence stands for: a lead byte with a trail byte that has a
// mapping is one character; any other byte is one character on its own. A lead byte whose
// pair has no mapping (or that ends the text) stands for U+FFFD, and the byte after it is
// read as a character of its own.
struct Cp932Char {
  char32_t code;
  std::size_t length;  // 1 or 2 bytes
};
Cp932Char DecodeCp932(std::string_view text, std::size_t at);

// Writes the UTF-8 form of `text` at `out`, which has room for 3 * text.size() + 1 bytes, and
// returns the end of what was written; `*consumed` receives the bytes of `text` used. When
// `final` is false and `text` ends in a lead byte, that byte is left over (its trail may come
// with the next piece).
char* ConvertCp932ToUtf8(std::string_view text, char* out, bool final, std::size_t* consumed);

// Appends the UTF-8 form of `text` to `out`. When `final` is false and `text` ends in a lead
// byte, that byte is left over (its trail may come with the next piece); returns the number
// of bytes consumed.
std::size_t AppendUtf8FromCp932(std::string_view text, std::string* out, bool final = true);

inline std::string Utf8FromCp932(std::string_view text) {
  std::string out;
  AppendUtf8FromCp932(text, &out);
  return out;
}

// Appends the UTF-8 bytes of one code point of the Basic Multilingual Plane or above.
void AppendUtf8(char32_t code, std::string* out);

}  // namespace mogura
