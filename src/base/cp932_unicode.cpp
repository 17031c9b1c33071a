#include "base/cp932_unicode.h"

#include <cstdint>
#include <cstring>

#include "base/cp932.h"

namespace mogura {
namespace cp932_table {
extern const std::uint16_t kSingle[256];
extern const std::uint16_t kPairs[60 * 256];
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
