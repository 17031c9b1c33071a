// A calendar date and time to the second, with a validity flag (proleptic Gregorian, years 1-9999).
#pragma once

#include <compare>
#include <cstdint>

namespace mogura {

class DateTime {
 public:
  DateTime() = default;  // invalid
  // The given date and time, or an invalid value when it names no real moment
  // (31 April, 30 February, 24:00:00, year 0 ...).
  static DateTime Make(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
  static bool IsValidDate(int year, int month, int day);
  static bool IsLeapYear(int year);
  static int DaysInMonth(int year, int month);

  bool valid() const { return valid_; }
  int year() const { return year_; }
  int month() const { return month_; }
  int day() const { return day_; }
  int hour() const { return hour_; }
  int minute() const { return minute_; }
  int second() const { return second_; }
  // 1 Sunday ... 7 Saturday; 0 for an invalid value.
  int dayOfWeek() const;

  // Moves by a span with calendar carry; the result is invalid when it leaves the supported
  // range or when this value is invalid.
  DateTime addSpan(std::int64_t days, std::int64_t hours, std::int64_t minutes, std::int64_t seconds) const;
  DateTime addDays(std::int64_t days) const { return addSpan(days, 0, 0, 0); }
  DateTime addHours(std::int64_t hours) const { return addSpan(0, hours, 0, 0); }
  DateTime addMinutes(std::int64_t minutes) const { return addSpan(0, 0, minutes, 0); }
  DateTime addSeconds(std::int64_t seconds) const { return addSpan(0, 0, 0, seconds); }

  // Midnight at the start of this value's day.
  DateTime dateOnly() const { return Make(year_, month_, day_); }

  // Seconds since 0001-01-01 00:00:00; meaningful for valid values only.
  std::int64_t serialSeconds() const;
  // Signed difference this - other in seconds (both must be valid).
  std::int64_t secondsSince(const DateTime& other) const { return serialSeconds() - other.serialSeconds(); }

  // Invalid values order before every valid one and equal each other.
  friend bool operator==(const DateTime& a, const DateTime& b);
  friend std::strong_ordering operator<=>(const DateTime& a, const DateTime& b);

 private:
  static DateTime FromSerialSeconds(std::int64_t serial);
  bool valid_ = false;
  int year_ = 0, month_ = 0, day_ = 0, hour_ = 0, minute_ = 0, second_ = 0;
};

}  // namespace mogura
