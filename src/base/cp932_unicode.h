// CP932 to Unicode as Windows maps it (code page 932), and on to UTF-8.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
// with the next piece). The conversion stops early before a `stop` byte at an offset for which
// `stopHere(offset)` is true (`stop` is ASCII and never the trail byte of a character). A caller
// whose `stopHere` is false wherever the byte after the stop byte is neither case of the
// lower-case letter `stopLetter` says so, and runs of ASCII with other stop bytes then go eight
// bytes at a time.
template <class StopHere>
char* ConvertCp932ToUtf8(std::string_view text, char* out, bool final, std::size_t* consumed, char stop,
                         StopHere stopHere, char stopLetter = '\0');
inline char* ConvertCp932ToUtf8(std::string_view text, char* out, bool final, std::size_t* consumed) {
  return ConvertCp932ToUtf8(text, out, final, consumed, '\0', [](std::size_t) { return false; });
}

// Appends the UTF-8 form of `text` to `out`.
std::size_t AppendUtf8FromCp932(std::string_view text, std::string* out, bool final = true);

inline std::string Utf8FromCp932(std::string_view text) {
  std::string out;
  AppendUtf8FromCp932(text, &out);
  return out;
}

// Appends the UTF-8 bytes of one code point of the Basic Multilingual Plane or above.
void AppendUtf8(char32_t code, std::string* out);

namespace cp932_table {
// The characters as UTF-8: bytes from the lowest, their count in the top byte; 0 where none
// (a lead byte alone, a pair without a mapping).
extern const std::uint32_t kSingleUtf8[256];
extern const std::uint32_t kPairsUtf8[60 * 256];
// U+FFFD in the same form.
inline constexpr std::uint32_t kReplacementUtf8 = 0x03BDBFEFu;

// Stores a table character at `o`: four bytes written, its count kept.
inline char* Put(std::uint32_t entry, char* o) {
  std::memcpy(o, &entry, 4);
  return o + (entry >> 24);
}

inline constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;

// The high bit of each byte of an ASCII `word` that equals `byte`, and perhaps of a byte
// above one that does (a borrow); never of a byte below the lowest that does.
inline std::uint64_t BytesEqual(std::uint64_t word, char byte) {
  const std::uint64_t equal = word ^ (kOnes * static_cast<unsigned char>(byte));
  return (equal - kOnes) & ~equal & kHighs;
}

// The bytes of `word` that need a closer look, as high bits: every non-ASCII byte and every
// byte that equals `byte`, and perhaps others above the lowest of these, never one below it.
inline std::uint64_t HighOrByte(std::uint64_t word, char byte) { return (word & kHighs) | BytesEqual(word, byte); }

// The same for every non-ASCII byte and every `stop` followed by either case of the lower-case
// `letter` or last in the word (its next byte unseen).
inline std::uint64_t HighOrStopBefore(std::uint64_t word, char stop, char letter) {
  const std::uint64_t letters = BytesEqual(word | (kOnes * 0x20), letter);
  return (word & kHighs) | (BytesEqual(word, stop) & ((letters >> 8) | (kHighs << 56)));
}
}  // namespace cp932_table

template <class StopHere>
char* ConvertCp932ToUtf8(std::string_view text, char* o, bool final, std::size_t* consumed, char stop,
                         StopHere stopHere, char stopLetter) {
  static_assert(std::endian::native == std::endian::little, "the UTF-8 tables hold their bytes lowest first");
  using namespace cp932_table;
  const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = begin + text.size();
  const auto* p = begin;
  while (p < end) {
    const unsigned char c = *p;
    if (c < 0x80) {
      if (c == static_cast<unsigned char>(stop) && stopHere(static_cast<std::size_t>(p - begin))) break;
      *o++ = static_cast<char>(c);
      ++p;
      // The rest of a run of ASCII, eight bytes at a time; the bytes before the first that needs
      // a look go at once (the output has room for the whole word).
      while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t look =
            stopLetter != '\0' ? HighOrStopBefore(word, stop, stopLetter) : HighOrByte(word, stop);
        std::memcpy(o, &word, 8);
        if (look != 0) {
          const auto plain = static_cast<std::size_t>(std::countr_zero(look) / 8);
          o += plain;
          p += plain;
          break;
        }
        o += 8;
        p += 8;
      }
      continue;
    }
    // Runs of double-byte characters that are three bytes in UTF-8 (kana, kanji), two at a
    // time. The row of a lead byte (0x81-0x9F: 0-30, 0xE0-0xFC: 31-59) is its value with bit 5
    // flipped, less 0xA1; any other byte gives a row of 60 or more.
    while (end - p >= 4) {
      const unsigned row0 = (p[0] ^ 0x20u) - 0xA1u, row1 = (p[2] ^ 0x20u) - 0xA1u;
      if (row0 >= 60 || row1 >= 60) break;
      const std::uint32_t first = kPairsUtf8[row0 * 256u + p[1]], second = kPairsUtf8[row1 * 256u + p[3]];
      if (((first & second) >> 24) != 3) break;
      std::memcpy(o, &first, 4);
      std::memcpy(o + 3, &second, 4);
      o += 6;
      p += 4;
    }
    if (p == end) break;
    const unsigned char lead = *p;
    const unsigned row = (lead ^ 0x20u) - 0xA1u;
    if (lead < 0x80) {
      continue;
    } else if (row >= 60) {
      o = Put(kSingleUtf8[lead], o);
      ++p;
    } else if (p + 1 < end) {
      const std::uint32_t pair = kPairsUtf8[row * 256u + p[1]];
      o = Put(pair != 0 ? pair : kReplacementUtf8, o);
      p += pair != 0 ? 2 : 1;
    } else if (final) {
      o = Put(kReplacementUtf8, o);
      ++p;
    } else {
      break;  // a lead byte whose trail has not come yet
    }
  }
  *consumed = static_cast<std::size_t>(p - begin);
  return o;
}

}  // namespace mogura
