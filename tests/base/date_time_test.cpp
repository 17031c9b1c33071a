#include "base/date_time.h"

#include <gtest/gtest.h>

namespace mogura {
namespace {

void ExpectDate(const DateTime& t, int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  ASSERT_TRUE(t.valid());
  EXPECT_EQ(t.year(), y);
  EXPECT_EQ(t.month(), mo);
  EXPECT_EQ(t.day(), d);
  EXPECT_EQ(t.hour(), h);
  EXPECT_EQ(t.minute(), mi);
  EXPECT_EQ(t.second(), s);
}

TEST(DateTime, ImpossibleDatesAreInvalid) {
  EXPECT_FALSE(DateTime::Make(2000, 4, 31).valid());
  EXPECT_FALSE(DateTime::Make(2001, 2, 29).valid());
  EXPECT_FALSE(DateTime::Make(1900, 2, 29).valid());
  EXPECT_TRUE(DateTime::Make(2000, 2, 29).valid());
  EXPECT_FALSE(DateTime::Make(2000, 2, 30).valid());
  EXPECT_FALSE(DateTime::Make(2000, 13, 1).valid());
  EXPECT_FALSE(DateTime::Make(2000, 0, 1).valid());
  EXPECT_FALSE(DateTime::Make(2000, 1, 0).valid());
  EXPECT_FALSE(DateTime::Make(2000, 1, 1, 24, 0, 0).valid());
  EXPECT_FALSE(DateTime::Make(2000, 1, 1, 0, 60, 0).valid());
  EXPECT_FALSE(DateTime::Make(2000, 1, 1, 0, 0, 60).valid());
  EXPECT_FALSE(DateTime::Make(0, 1, 1).valid());
  EXPECT_FALSE(DateTime().valid());
}

TEST(DateTime, SpansCarryOverMonthsLeapDaysAndYearEnds) {
  ExpectDate(DateTime::Make(2000, 1, 4, 23, 30, 0).addHours(9), 2000, 1, 5, 8, 30, 0);
  ExpectDate(DateTime::Make(1999, 12, 31, 23, 59, 59).addSeconds(1), 2000, 1, 1);
  ExpectDate(DateTime::Make(2000, 1, 1).addSeconds(-1), 1999, 12, 31, 23, 59, 59);
  ExpectDate(DateTime::Make(2000, 2, 28).addDays(1), 2000, 2, 29);
  ExpectDate(DateTime::Make(2001, 2, 28).addDays(1), 2001, 3, 1);
  ExpectDate(DateTime::Make(2000, 3, 1).addDays(-1), 2000, 2, 29);
  ExpectDate(DateTime::Make(2000, 4, 30, 20).addMinutes(300), 2000, 5, 1, 1, 0, 0);
  ExpectDate(DateTime::Make(2000, 1, 1).addSpan(366, 1, 1, 1), 2001, 1, 1, 1, 1, 1);
  ExpectDate(DateTime::Make(2000, 1, 1).addHours(-5), 1999, 12, 31, 19);
}

TEST(DateTime, LeavingTheRangeOrStartingInvalidGivesInvalid) {
  EXPECT_FALSE(DateTime::Make(9999, 12, 31, 23, 59, 59).addSeconds(1).valid());
  EXPECT_FALSE(DateTime::Make(1, 1, 1).addSeconds(-1).valid());
  EXPECT_FALSE(DateTime().addDays(1).valid());
  EXPECT_FALSE(DateTime::Make(2000, 1, 1).addDays(INT64_MAX).valid());
  EXPECT_FALSE(DateTime::Make(2000, 1, 1).addSeconds(INT64_MIN).valid());
}

TEST(DateTime, DayOfWeekRunsFromSundayOneToSaturdaySeven) {
  EXPECT_EQ(DateTime::Make(2000, 4, 30).dayOfWeek(), 1);  // Sunday
  EXPECT_EQ(DateTime::Make(2000, 5, 1).dayOfWeek(), 2);
  EXPECT_EQ(DateTime::Make(2000, 1, 1).dayOfWeek(), 7);  // Saturday
  EXPECT_EQ(DateTime::Make(2026, 12, 8).dayOfWeek(), 3);  // Tuesday
  EXPECT_EQ(DateTime::Make(1, 1, 1).dayOfWeek(), 2);      // Monday
  EXPECT_EQ(DateTime().dayOfWeek(), 0);
}

TEST(DateTime, OrderingFollowsTheMomentAndPutsInvalidFirst) {
  const DateTime a = DateTime::Make(2000, 5, 1);
  const DateTime b = DateTime::Make(2000, 5, 1, 0, 0, 1);
  EXPECT_LT(a, b);
  EXPECT_EQ(a, DateTime::Make(2000, 5, 1));
  EXPECT_LT(DateTime(), a);
  EXPECT_EQ(DateTime(), DateTime());
  EXPECT_EQ(b.secondsSince(a), 1);
  EXPECT_EQ(b.dateOnly(), a);
}

}  // namespace
}  // namespace mogura
