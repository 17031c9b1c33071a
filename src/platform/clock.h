// The local date and time "now". The program asks only through LocalNow(), so that tests can
// fix the moment with SetLocalClock().
#pragma once

#include "base/date_time.h"

namespace mogura {

using LocalClockFunction = DateTime (*)();

// The local date and time now, from the installed clock. Before any clock is installed (or
// after nullptr is installed) the C library's local time is used.
DateTime LocalNow();

// Installs `clock` (nullptr: back to the C library's local time) and returns the one that
// was installed before.
LocalClockFunction SetLocalClock(LocalClockFunction clock);

// The platform's own clock (GetLocalTime on Windows, the system clock and local zone on POSIX),
// defined by each platform implementation. The program installs it at start-up:
// SetLocalClock(&HostLocalNow).
DateTime HostLocalNow();

}  // namespace mogura
