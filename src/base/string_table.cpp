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

std::string FormatArguments(std::string_view format, std::initializer_list<std::string_view> arguments) {
  std::string out;
  std::size_t start = 0, pos = 0;
  while ((pos = FindCharDbcs(format, '%', pos)) != std::string_view::npos) {
    if (pos + 1 < format.size() && format[pos + 1] >= '1' && format[pos + 1] <= '9') {
      out += format.substr(start, pos - start);
      const std::size_t number = static_cast<std::size_t>(format[pos + 1] - '1');
      if (number < arguments.size()) out += *(arguments.begin() + number);
      pos += 2;
      start = pos;
    } else {
      ++pos;
    }
  }
  out += format.substr(start);
  return out;
}

}  // namespace mogura
