// Which mails of a drawer the picker keeps, and in which order: a plain value that the
// pickup settings give.
#pragma once

#include <string>

#include "base/date_time.h"

namespace mogura {

struct MailFilter {
  // Each bound, when used, is inclusive.
  bool useBegin = false;
  DateTime begin;
  bool useEnd = false;
  DateTime end;
  // Keep only mails signed with this name (never applied to event mail).
  bool usePetName = false;
  std::string petName;
  // true: oldest mail first; false: newest first.
  bool oldestFirst = false;

  bool inRange(const DateTime& date) const {
    if (useBegin && begin > date) return false;
    if (useEnd && end < date) return false;
    return true;
  }
};

}  // namespace mogura
