#include "mailstore/mail_date.h"

#include <array>

#include "base/cp932.h"

namespace mogura {
namespace {

constexpr std::size_t kUsedLength = 31;

// A field read as a decimal number: leading white space, an optional sign, then digits up to
// the first byte that is no digit. Text without digits reads as 0. Fields are at most a few
// bytes long, so the value cannot overflow.
int FieldNumber(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  int value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) value = value * 10 + (field[i] - '0');
  return negative ? -value : value;
}

int MonthNumber(std::string_view name) {
  static constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                               "jul", "aug", "sep", "oct", "nov", "dec"};
  for (std::size_t i = 0; i < kMonths.size(); ++i)
    if (EqualsNoCase(name, kMonths[i])) return static_cast<int>(i) + 1;
  return 1;  // an unknown name counts as January
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

DateTime MailFallbackDate() { return DateTime::Make(1990, 1, 1, 9, 0, 0); }

DateTime ParseMailDate(std::string_view text) {
  const std::string_view t = text.substr(0, kUsedLength);
  // Fields are taken by position; `p` walks from field to field and every field is checked
  // to lie inside the text before it is looked at.
  std::size_t p = 0;
  if (t.empty()) return MailFallbackDate();
  if (!IsDigit(t[0])) p += 5;  // weekday, comma and space
  std::size_t dayDigits;
  if (p + 1 < t.size() && t[p + 1] == ' ') {
    dayDigits = 1;
  } else if (p + 2 < t.size() && t[p + 2] == ' ') {
    dayDigits = 2;
  } else {
    return MailFallbackDate();
  }
  const std::size_t dayAt = p;
  p += dayDigits + 1;
  const std::size_t monthAt = p;
  p += 4;
  const std::size_t yearAt = p;
  p += 5;
  const std::size_t hourAt = p;
  const std::size_t minuteAt = hourAt + 3;
  const std::size_t secondAt = minuteAt + 3;
  const std::size_t zoneAt = secondAt + 3;
  if (zoneAt + 5 > t.size()) return MailFallbackDate();

  const int day = FieldNumber(t.substr(dayAt, dayDigits));
  const int month = MonthNumber(t.substr(monthAt, 3));
  const int year = FieldNumber(t.substr(yearAt, 4));
  const int hour = FieldNumber(t.substr(hourAt, 2));
  const int minute = FieldNumber(t.substr(minuteAt, 2));
  const int second = FieldNumber(t.substr(secondAt, 2));
  const int zone = FieldNumber(t.substr(zoneAt, 5));

  // To UTC+9: undo the zone's hours (its minutes are dropped: -0530 moves by 5 hours), add 9.
  const DateTime date = DateTime::Make(year, month, day, hour, minute, second).addHours(-(zone / 100) + 9);
  return date.valid() ? date : MailFallbackDate();
}

}  // namespace mogura
