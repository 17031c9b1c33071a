// Line breaks between a place text (LF) and a multi-line edit box (CR LF). Both conversions
// step over double-byte characters whole.
#pragma once

#include <string>
#include <string_view>

namespace mogura {

// Every LF becomes CR LF.
std::string ToEditLineBreaks(std::string_view text);
// Every CR LF pair becomes one LF; a lone CR stays.
std::string FromEditLineBreaks(std::string_view text);

}  // namespace mogura
