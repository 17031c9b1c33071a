// The program's texts as CP932 bytes, generated at build time from src/base/strings.txt.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/string_ids.h"

namespace mogura {

struct StringEntry {
  int id;
  const char* bytes;
  unsigned length;
};
extern const StringEntry kStringTable[];
extern const int kStringTableSize;

// The text of `id`; empty when the table has no such id.
std::string_view LoadText(int id);

// `format` with its first "%s" (or "%d", "%u") replaced by `value`; the rest kept byte for byte.
std::string FormatText(std::string_view format, std::string_view value);

// `format` with each "%1" ... "%9" replaced by the argument of that number (missing ones by
// nothing); the rest kept byte for byte.
std::string FormatArguments(std::string_view format, std::initializer_list<std::string_view> arguments);

}  // namespace mogura
