#include "base/string_table.h"

#include <algorithm>

#include "base/cp932.h"

namespace mogura {

std::string_view LoadText(int id) {
  // The generated table is ordered by id.
  const StringEntry* end = kStringTable + kStringTableSize;
  const StringEntry* it =
      std::lower_bound(kStringTable, end, id, [](const StringEntry& e, int wanted) { return e.id < wanted; });
  return it == end || it->id != id ? std::string_view() : std::string_view(it->bytes, it->length);
}

std::string FormatText(std::string_view format, std::string_view value) {
  // Look for '%' character by character so that a trail byte never starts a directive.
  std::size_t pos = 0;
  while ((pos = FindCharDbcs(format, '%', pos)) != std::string_view::npos) {
    if (pos + 1 < format.size() && (format[pos + 1] == 's' || format[pos + 1] == 'd' || format[pos + 1] == 'u')) {
      std::string out(format.substr(0, pos));
      out += value;
      out += format.substr(pos + 2);
      return out;
    }
    ++pos;
  }
  return std::string(format);
}

}  // namespace mogura
