// The date text of an index record ("Tue, 4 Jan 2000 23:30:00 +0900") made into a date.
// The form and the rules are in docs/drawer-format.md, "Date text".
#pragma once

#include <string_view>

#include "base/date_time.h"

namespace mogura {

// Of the text only the first 31 bytes count. The result is the time in UTC+9 whatever the
// zone of the text, and always valid: a text that forms no valid date-time, that is shorter
// than its form, or whose day is not followed by a space after one or two bytes, gives
// MailFallbackDate(). Never reads outside the text.
DateTime ParseMailDate(std::string_view text);

// 1990-01-01 09:00:00: the date of a mail whose date text cannot be read.
DateTime MailFallbackDate();

}  // namespace mogura
