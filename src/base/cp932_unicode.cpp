#include "base/cp932_unicode.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "base/cp932.h"

namespace mogura {
namespace cp932_table {
extern const std::uint16_t kSingle[256];
extern const std::uint16_t kPairs[60 * 256];
extern const std::uint32_t kSingleUtf8[256];
extern const std::uint32_t kPairsUtf8[60 * 256];
}  // namespace cp932_table

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Row of a lead byte in the pair table: 0x81-0x9F are rows 0-30, 0xE0-0xFC rows 31-59.
inline unsigned LeadRow(unsigned char lead) { return lead < 0xA0 ? lead - 0x81u : lead - 0xE0u + 31u; }

inline char32_t PairCode(unsigned char lead, unsigned char trail) {
  return cp932_table::kPairs[LeadRow(lead) * 256u + trail];
}

// Writes the UTF-8 bytes of `code` (below U+10000: what CP932 maps to) at `o`.
inline char* PutUtf8(char32_t code, char* o) {
  if (code < 0x80) {
    *o++ = static_cast<char>(code);
  } else if (code < 0x800) {
    *o++ = static_cast<char>(0xC0 | (code >> 6));
    *o++ = static_cast<char>(0x80 | (code & 0x3F));
  } else {
    *o++ = static_cast<char>(0xE0 | (code >> 12));
    *o++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *o++ = static_cast<char>(0x80 | (code & 0x3F));
  }
  return o;
}

// Writes a character of the UTF-8 tables at `o`: four bytes stored, its count kept.
inline char* PutTableEntry(std::uint32_t entry, char* o) {
  std::memcpy(o, &entry, 4);  // little-endian: the first byte of the character lowest
  return o + (entry >> 24);
}

// True when the eight bytes at `p` are all ASCII.
inline bool EightAscii(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return (word & 0x8080808080808080ull) == 0;
}

}  // namespace

Cp932Char DecodeCp932(std::string_view text, std::size_t at) {
  const auto c = static_cast<unsigned char>(text[at]);
  if (!IsLeadByte(c)) return {cp932_table::kSingle[c], 1};
  if (at + 1 < text.size()) {
    const char32_t code = PairCode(c, static_cast<unsigned char>(text[at + 1]));
    if (code != 0) return {code, 2};
  }
  return {kReplacement, 1};
}

char* ConvertCp932ToUtf8(std::string_view text, char* o, bool final, std::size_t* consumed) {
  static_assert(std::endian::native == std::endian::little, "the UTF-8 tables hold their bytes lowest first");
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  while (p < end) {
    if (end - p >= 8 && EightAscii(p)) {
      std::memcpy(o, p, 8);
      o += 8;
      p += 8;
      continue;
    }
    const unsigned char c = *p;
    if (!IsLeadByte(c)) {
      o = PutTableEntry(cp932_table::kSingleUtf8[c], o);
      ++p;
    } else if (p + 1 < end) {
      const std::uint32_t entry = cp932_table::kPairsUtf8[LeadRow(c) * 256u + p[1]];
      if (entry != 0) {
        o = PutTableEntry(entry, o);
        p += 2;
      } else {
        o = PutUtf8(kReplacement, o);
        ++p;
      }
    } else if (final) {
      o = PutUtf8(kReplacement, o);
      ++p;
    } else {
      break;  // a lead byte whose trail has not come yet
    }
  }
  *consumed = static_cast<std::size_t>(p - reinterpret_cast<const unsigned char*>(text.data()));
  return o;
}

std::size_t AppendUtf8FromCp932(std::string_view text, std::string* out, bool final) {
  const std::size_t start = out->size();
  // Every byte becomes at most three: a lone byte as U+FFFD or a katakana, a pair as one
  // character; one more byte of room for the four-byte store of the last character.
  out->resize(start + 3 * text.size() + 1);
  std::size_t consumed = 0;
  char* const end = ConvertCp932ToUtf8(text, out->data() + start, final, &consumed);
  out->resize(static_cast<std::size_t>(end - out->data()));
  return consumed;
}

void AppendUtf8(char32_t code, std::string* out) {
  char bytes[4];
  char* o = bytes;
  if (code < 0x10000) {
    o = PutUtf8(code, o);
  } else {
    *o++ = static_cast<char>(0xF0 | (code >> 18));
    *o++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    *o++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    *o++ = static_cast<char>(0x80 | (code & 0x3F));
  }
  out->append(bytes, static_cast<std::size_t>(o - bytes));
}

}  // namespace mogura
