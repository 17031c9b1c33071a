#include "platform/clock.h"

#include <ctime>

namespace mogura {
namespace {

LocalClockFunction g_clock = nullptr;

DateTime LibraryLocalNow() {
  const std::time_t now = std::time(nullptr);
  // Single-threaded program: the shared buffer of std::localtime is not contended.
  const std::tm* local = std::localtime(&now);
  if (!local) return DateTime();
  // A leap second (tm_sec 60) is taken as the last second of its minute.
  const int second = local->tm_sec > 59 ? 59 : local->tm_sec;
  return DateTime::Make(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                        local->tm_min, second);
}

}  // namespace

DateTime LocalNow() { return g_clock ? g_clock() : LibraryLocalNow(); }

LocalClockFunction SetLocalClock(LocalClockFunction clock) {
  const LocalClockFunction before = g_clock;
  g_clock = clock;
  return before;
}

}  // namespace mogura
