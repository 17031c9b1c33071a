// libFuzzer target: the date text of an index record. Built by fuzz/run.sh.
// Whatever the text, the date is valid, and only the first 31 bytes count.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "mailstore/mail_date.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const mogura::DateTime date = mogura::ParseMailDate(text);
  if (!date.valid()) __builtin_trap();
  if (size > 31 && !(mogura::ParseMailDate(text.substr(0, 31)) == date)) __builtin_trap();
  return 0;
}
