// The local clock: the platform's own and the C library's agree, and a test can fix "now".
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace mogura {
namespace {

DateTime Fixed() { return DateTime::Make(2004, 2, 29, 23, 59, 59); }

TEST(Clock, HostClockAgreesWithTheLibraryClockAndCanBeReplaced) {
  const LocalClockFunction before = SetLocalClock(nullptr);
  const DateTime library = LocalNow();
  const DateTime host = HostLocalNow();
  ASSERT_TRUE(library.valid());
  ASSERT_TRUE(host.valid());
  // Same local zone, read a moment apart.
  EXPECT_LT(std::llabs(host.secondsSince(library)), 120);

  EXPECT_EQ(SetLocalClock(&Fixed), nullptr);
  EXPECT_EQ(LocalNow(), Fixed());
  EXPECT_EQ(SetLocalClock(&HostLocalNow), &Fixed);
  EXPECT_LT(std::llabs(LocalNow().secondsSince(host)), 120);
  SetLocalClock(before);
}

}  // namespace
}  // namespace mogura
