#include "platform/posix/posix_path.h"

#include <iconv.h>

#include <cerrno>

namespace mogura::posix {
namespace {

bool Convert(const char* to, const char* from, std::string_view in, std::string* out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string result;
  result.resize(in.size() * 3 + 16);
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char* dst = result.data();
  std::size_t dstLeft = result.size();
  bool ok = true;
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) {
        const std::size_t used = result.size() - dstLeft;
        result.resize(result.size() * 2);
        dst = result.data() + used;
        dstLeft = result.size() - used;
        continue;
      }
      ok = false;  // invalid or incomplete sequence
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return false;
  result.resize(result.size() - dstLeft);
  *out = std::move(result);
  return true;
}

}  // namespace

bool Cp932ToUtf8(std::string_view text, std::string* utf8) { return Convert("UTF-8", "CP932", text, utf8); }
bool Utf8ToCp932(std::string_view utf8, std::string* text) { return Convert("CP932", "UTF-8", utf8, text); }

}  // namespace mogura::posix
