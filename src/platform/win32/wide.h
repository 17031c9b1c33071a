// The one pair of text conversions at the Win32 edge: CP932 bytes <-> UTF-16, always code
// page 932 explicitly, never the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace mogura::win32 {

std::wstring ToWide(std::string_view text);
std::string FromWide(std::wstring_view text);

}  // namespace mogura::win32
