// The local clock on POSIX: the system time in the process's local zone (TZ).
#include <time.h>

#include "platform/clock.h"

namespace mogura {

DateTime HostLocalNow() {
  timespec now{};
  if (::clock_gettime(CLOCK_REALTIME, &now) != 0) return DateTime();
  tm local{};
  if (!::localtime_r(&now.tv_sec, &local)) return DateTime();
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
  return DateTime::Make(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, second);
}

}  // namespace mogura
