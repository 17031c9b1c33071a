// CP932 <-> UTF-8 conversion for POSIX file names and terminal text.
#pragma once

#include <string>
#include <string_view>

namespace mogura::posix {

// False when `text` is not valid in the source encoding.
bool Cp932ToUtf8(std::string_view text, std::string* utf8);
bool Utf8ToCp932(std::string_view utf8, std::string* text);

}  // namespace mogura::posix
