// Joining the pieces of a message or a path: every message of the setup program is an object
// (a path or a name) and a fixed sentence from the string table.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace mogura {

inline std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) out += part;
  return out;
}

}  // namespace mogura
