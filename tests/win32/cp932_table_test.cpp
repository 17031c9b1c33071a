// The code page 932 table of the UTF-8 pages against the system's own conversion.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/cp932.h"
#include "base/cp932_unicode.h"

namespace mogura {
namespace {

// The one character the system makes of `bytes`, or 0 when it refuses them (`strict`) or
// makes more or fewer than one.
char32_t SystemCharacter(const std::string& bytes, bool strict = true) {
  wchar_t wide[4] = {};
  const int n = MultiByteToWideChar(932, strict ? MB_ERR_INVALID_CHARS : 0, bytes.data(),
                                    static_cast<int>(bytes.size()), wide, 4);
  return n == 1 ? wide[0] : 0;
}

TEST(Cp932Table, EverySingleByteAndEveryPairMapsAsTheSystemMapsIt) {
  int pairs = 0, differences = 0;
  for (int b = 0; b < 256; ++b) {
    if (IsLeadByte(static_cast<unsigned char>(b))) continue;
    const std::string one(1, static_cast<char>(b));
    // 0xA0 and 0xFD-0xFF are characters of the private use area (U+F8F0-U+F8F3) that the
    // system gives only when it is not asked to refuse what it cannot map both ways.
    const char32_t system = SystemCharacter(one) != 0 ? SystemCharacter(one) : SystemCharacter(one, false);
    EXPECT_EQ(static_cast<unsigned>(DecodeCp932(one, 0).code), static_cast<unsigned>(system)) << "byte " << b;
  }
  for (int lead = 0; lead < 256; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0; trail < 256; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const Cp932Char ours = DecodeCp932(pair, 0);
      const char32_t system = SystemCharacter(pair);
      if (ours.length == 2) ++pairs;
      // A pair the system refuses is a replacement and a byte of its own for us.
      const char32_t mine = ours.length == 2 ? ours.code : 0;
      if (mine != system) {
        ++differences;
        ADD_FAILURE() << std::hex << "pair " << lead << " " << trail << ": ours " << static_cast<unsigned>(mine)
                      << ", the system's " << static_cast<unsigned>(system);
        if (differences > 20) return;
      }
    }
  }
  EXPECT_GT(pairs, 7000);
}

}  // namespace
}  // namespace mogura
