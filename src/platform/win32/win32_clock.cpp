// The local clock on Windows.
#include <windows.h>

#include "platform/clock.h"

namespace mogura {

DateTime HostLocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return DateTime::Make(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

}  // namespace mogura
