// Splitting a header or body text of a drawer into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/text_lines.h"

namespace mogura {

// Replaces `lines` with the lines of `text`. A line ends at LF (not kept); one CR before it
// is removed too. Lines are kept whole however long they are, and empty lines are kept,
// except that empty lines at the end are dropped, the first line excepted: a text ending in
// CR LF gives no extra empty line, and an empty text gives one empty line.
void splitLines(std::string_view text, std::vector<std::string>& lines);
// The same into one buffer: the record's header and body lines.
void splitLines(std::string_view text, TextLines& lines);

}  // namespace mogura
