#include "base/date_time.h"

namespace mogura {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 0001-01-01 to the given date (Howard Hinnant's days-from-civil, shifted).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 306;  // 0 = 0001-01-01
}

void CivilFromDays(std::int64_t z, int* year, int* month, int* day) {
  z += 306;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  *year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
  *month = static_cast<int>(m);
  *day = static_cast<int>(d);
}

constexpr std::int64_t kMaxSerial = 3652059LL * kSecondsPerDay - 1;  // 9999-12-31 23:59:59

}  // namespace

bool DateTime::IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DateTime::DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool DateTime::IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

DateTime DateTime::Make(int year, int month, int day, int hour, int minute, int second) {
  DateTime t;
  if (!IsValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59)
    return t;
  t.valid_ = true;
  t.year_ = year;
  t.month_ = month;
  t.day_ = day;
  t.hour_ = hour;
  t.minute_ = minute;
  t.second_ = second;
  return t;
}

std::int64_t DateTime::serialSeconds() const {
  return DaysFromCivil(year_, static_cast<unsigned>(month_), static_cast<unsigned>(day_)) * kSecondsPerDay +
         hour_ * 3600 + minute_ * 60 + second_;
}

DateTime DateTime::FromSerialSeconds(std::int64_t serial) {
  if (serial < 0 || serial > kMaxSerial) return DateTime();
  int y, m, d;
  CivilFromDays(serial / kSecondsPerDay, &y, &m, &d);
  const auto rest = static_cast<int>(serial % kSecondsPerDay);
  return Make(y, m, d, rest / 3600, rest / 60 % 60, rest % 60);
}

DateTime DateTime::addSpan(std::int64_t days, std::int64_t hours, std::int64_t minutes,
                           std::int64_t seconds) const {
  if (!valid_) return DateTime();
  // Spans beyond the supported range saturate into an invalid result instead of overflowing.
  constexpr std::int64_t kLimit = 4'000'000LL;
  if (days > kLimit || days < -kLimit || hours > kLimit * 24 || hours < -kLimit * 24 ||
      minutes > kLimit * 1440 || minutes < -kLimit * 1440 || seconds > kLimit * kSecondsPerDay ||
      seconds < -kLimit * kSecondsPerDay)
    return DateTime();
  return FromSerialSeconds(serialSeconds() + days * kSecondsPerDay + hours * 3600 + minutes * 60 + seconds);
}

int DateTime::dayOfWeek() const {
  if (!valid_) return 0;
  // 0001-01-01 was a Monday.
  const std::int64_t days = DaysFromCivil(year_, static_cast<unsigned>(month_), static_cast<unsigned>(day_));
  return static_cast<int>((days + 1) % 7) + 1;
}

bool operator==(const DateTime& a, const DateTime& b) { return (a <=> b) == 0; }

std::strong_ordering operator<=>(const DateTime& a, const DateTime& b) {
  if (!a.valid_ || !b.valid_) return a.valid_ <=> b.valid_;
  return a.serialSeconds() <=> b.serialSeconds();
}

}  // namespace mogura
