// The date text of an index record.
#include "mailstore/mail_date.h"

#include <gtest/gtest.h>

namespace mogura {
namespace {

DateTime At(int y, int mo, int d, int h, int mi, int s) { return DateTime::Make(y, mo, d, h, mi, s); }

TEST(MailDate, ZonesAreMovedToUtcPlusNine) {
  EXPECT_EQ(ParseMailDate("Tue, 4 Jan 2000 23:30:00 +0000"), At(2000, 1, 5, 8, 30, 0));
  EXPECT_EQ(ParseMailDate("Tue, 4 Jan 2000 23:30:00 +0900"), At(2000, 1, 4, 23, 30, 0));
  // Five hours added, the 30 minutes of the zone dropped, then nine hours.
  EXPECT_EQ(ParseMailDate("Tue, 4 Jan 2000 23:30:00 -0530"), At(2000, 1, 5, 13, 30, 0));
  EXPECT_EQ(ParseMailDate("Fri, 31 Dec 1999 20:00:00 -0800"), At(2000, 1, 1, 13, 0, 0));
  // A zone that is no number counts as +0000.
  EXPECT_EQ(ParseMailDate("Tue, 4 Jan 2000 23:30:00 JST  "), At(2000, 1, 5, 8, 30, 0));
}

TEST(MailDate, FieldsAreTakenByPosition) {
  // No weekday: read from the first byte.
  EXPECT_EQ(ParseMailDate("4 Jan 2000 23:30:00 +0900"), At(2000, 1, 4, 23, 30, 0));
  EXPECT_EQ(ParseMailDate("14 Feb 2001 07:05:09 +0900"), At(2001, 2, 14, 7, 5, 9));
  EXPECT_EQ(ParseMailDate("Wed, 14 Feb 2001 07:05:09 +0900"), At(2001, 2, 14, 7, 5, 9));
  // Only the first 31 bytes count: what follows the zone is never looked at.
  EXPECT_EQ(ParseMailDate("Wed, 14 Feb 2001 07:05:09 +0900 (JST)"), At(2001, 2, 14, 7, 5, 9));
  // Separators are not checked, only positions.
  EXPECT_EQ(ParseMailDate("Wed, 14 Feb-2001 07.05.09 +0900"), At(2001, 2, 14, 7, 5, 9));
}

TEST(MailDate, MonthNamesIgnoreCaseAndUnknownNamesMeanJanuary) {
  EXPECT_EQ(ParseMailDate("4 JAN 2000 12:00:00 +0900"), At(2000, 1, 4, 12, 0, 0));
  EXPECT_EQ(ParseMailDate("4 dEc 2000 12:00:00 +0900"), At(2000, 12, 4, 12, 0, 0));
  EXPECT_EQ(ParseMailDate("4 Xyz 2000 12:00:00 +0900"), At(2000, 1, 4, 12, 0, 0));
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int m = 1; m <= 12; ++m)
    EXPECT_EQ(ParseMailDate(std::string("1 ") + months[m - 1] + " 2000 12:00:00 +0900").month(), m);
}

TEST(MailDate, TextsThatFormNoDateGiveTheFallback) {
  const DateTime fallback = At(1990, 1, 1, 9, 0, 0);
  EXPECT_EQ(MailFallbackDate(), fallback);
  EXPECT_EQ(ParseMailDate("Wed, 31 Apr 2001 07:05:09 +0900"), fallback);  // 30-day month
  EXPECT_EQ(ParseMailDate("Wed, 29 Feb 2001 07:05:09 +0900"), fallback);
  EXPECT_EQ(ParseMailDate("Wed, 14 Feb 2001 25:05:09 +0900"), fallback);
  EXPECT_EQ(ParseMailDate("Wed, xx Feb 2001 07:05:09 +0900"), fallback);  // day 0
  EXPECT_EQ(ParseMailDate("Wed, 14 Feb yyyy 07:05:09 +0900"), fallback);  // year 0
  EXPECT_EQ(ParseMailDate(""), fallback);
  EXPECT_EQ(ParseMailDate("Wed"), fallback);
  // No space after the first or second byte of the day.
  EXPECT_EQ(ParseMailDate("Wed, 145 Feb 2001 07:05:09 +0900"), fallback);
  EXPECT_EQ(ParseMailDate("145 Feb 2001 07:05:09 +0900"), fallback);
  // Shorter than the form: the zone (or more) is missing.
  EXPECT_EQ(ParseMailDate("Wed, 14 Feb 2001 07:05:09 +09"), fallback);
  EXPECT_EQ(ParseMailDate("Wed, 14 Feb 2001 07:05:09"), fallback);
  EXPECT_EQ(ParseMailDate("4 Jan 2000"), fallback);
  // A date moved out of the calendar by its zone.
  EXPECT_EQ(ParseMailDate("31 Dec 9999 23:00:00 +0000"), fallback);
}

TEST(MailDate, NeverReadsPastTheText) {
  // The text is a view into a larger buffer whose further bytes would make a valid date.
  const std::string buffer = "4 Jan 2000 23:30:00 +0900";
  for (std::size_t n = 0; n < buffer.size(); ++n)
    EXPECT_EQ(ParseMailDate(std::string_view(buffer).substr(0, n)), MailFallbackDate()) << n;
}

}  // namespace
}  // namespace mogura
