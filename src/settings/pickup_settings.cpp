#include "settings/pickup_settings.h"

#include <cstdio>

#include "base/cp932.h"
#include "platform/clock.h"

namespace mogura {
namespace {

constexpr char kSection[] = "Pickup";

// Reads 1 to `maxDigits` decimal digits at `*pos`; false when there is none.
bool ReadNumber(const std::string& text, std::size_t* pos, std::size_t maxDigits, int* value) {
  std::size_t n = 0;
  int v = 0;
  while (*pos < text.size() && n < maxDigits && text[*pos] >= '0' && text[*pos] <= '9') {
    v = v * 10 + (text[*pos] - '0');
    ++*pos;
    ++n;
  }
  if (n == 0) return false;
  *value = v;
  return true;
}

}  // namespace

PickupSettings::PickupSettings() { Reset(); }

void PickupSettings::Reset() {
  const DateTime today = LocalNow().dateOnly();
  beginDate_ = today;
  enableBeginDate_ = false;
  endDate_ = today.valid() ? DateTime::Make(today.year(), today.month(), today.day(), 23, 59, 59) : today;
  enableEndDate_ = false;
  sortType_ = 1;
  sortDir_ = false;
  petName1_.clear();
  usePetName_ = false;
}

void PickupSettings::SetBeginDate(const DateTime& date) {
  if (date.valid()) beginDate_ = date.dateOnly();
}

void PickupSettings::SetEndDate(const DateTime& date) {
  if (date.valid()) endDate_ = DateTime::Make(date.year(), date.month(), date.day(), 23, 59, 59);
}

void PickupSettings::SetEnables(bool begin, bool end) {
  enableBeginDate_ = begin;
  enableEndDate_ = end;
}

MailFilter PickupSettings::Filter() const {
  return MailFilter{.useBegin = enableBeginDate_, .begin = beginDate_, .useEnd = enableEndDate_, .end = endDate_,
                    .usePetName = usePetName_, .petName = petName1_, .oldestFirst = sortDir_};
}

std::string PickupSettings::FormatBound(const DateTime& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", date.year(), date.month(), date.day(),
                date.hour(), date.minute(), date.second());
  return text;
}

DateTime PickupSettings::ParseBound(const std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  const std::size_t yearStart = pos;
  if (!ReadNumber(text, &pos, 4, &year) || pos - yearStart != 4) return DateTime();
  if (pos >= text.size() || (text[pos] != '/' && text[pos] != '-')) return DateTime();
  const char separator = text[pos++];
  if (!ReadNumber(text, &pos, 2, &month)) return DateTime();
  if (pos >= text.size() || text[pos] != separator) return DateTime();
  ++pos;
  if (!ReadNumber(text, &pos, 2, &day)) return DateTime();
  std::size_t afterDate = pos;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos > afterDate && pos < text.size()) {
    // A time of day follows: H:MM or H:MM:SS.
    if (!ReadNumber(text, &pos, 2, &hour)) return DateTime();
    if (pos >= text.size() || text[pos] != ':') return DateTime();
    ++pos;
    const std::size_t minuteStart = pos;
    if (!ReadNumber(text, &pos, 2, &minute) || pos - minuteStart != 2) return DateTime();
    if (pos < text.size() && text[pos] == ':') {
      ++pos;
      const std::size_t secondStart = pos;
      if (!ReadNumber(text, &pos, 2, &second) || pos - secondStart != 2) return DateTime();
    }
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
  }
  if (pos != text.size()) return DateTime();
  return DateTime::Make(year, month, day, hour, minute, second);
}

void PickupSettings::Load(const SettingsKey& parent) {
  const SettingsKey key = parent.openSubKey(kSection);
  if (!key.valid()) {
    // A store of an older release keeps only the sort direction, under the root.
    bool sortTimeNew = false;
    if (parent.readFlag("SortTimeNew", &sortTimeNew)) {
      parent.deleteValue("SortTimeNew");
      sortType_ = 1;
      sortDir_ = !sortTimeNew;
    }
    return;
  }
  key.readFlag("EnableBeginDate", &enableBeginDate_);
  key.readFlag("EnableEndDate", &enableEndDate_);
  // A bound whose text names no date is taken as disabled: the day it meant is unknown, and
  // applying some fixed day instead would silently take every mail or none.
  std::string text;
  if (enableBeginDate_ && key.readText("BeginDate", &text)) {
    const DateTime date = ParseBound(text);
    if (date.valid()) beginDate_ = date;
    else enableBeginDate_ = false;
  }
  text.clear();
  if (enableEndDate_ && key.readText("EndDate", &text)) {
    const DateTime date = ParseBound(text);
    if (date.valid()) endDate_ = date;
    else enableEndDate_ = false;
  }
  key.readInt("SortType", &sortType_);
  key.readFlag("SortDir", &sortDir_);
  key.readText("PetName1", &petName1_);
  key.readFlag("UsePetName", &usePetName_);
}

bool PickupSettings::Save(const SettingsKey& parent) const {
  const SettingsKey key = parent.createSubKey(kSection);
  if (!key.valid()) return false;
  bool ok = key.writeFlag("EnableBeginDate", enableBeginDate_);
  ok = key.writeFlag("EnableEndDate", enableEndDate_) && ok;
  // A disabled bound keeps whatever text an earlier save left.
  if (enableBeginDate_) ok = key.writeText("BeginDate", FormatBound(beginDate_)) && ok;
  if (enableEndDate_) ok = key.writeText("EndDate", FormatBound(endDate_)) && ok;
  ok = key.writeInt("SortType", sortType_) && ok;
  ok = key.writeFlag("SortDir", sortDir_) && ok;
  ok = key.writeText("PetName1", petName1_) && ok;
  ok = key.writeFlag("UsePetName", usePetName_) && ok;
  return ok;
}

}  // namespace mogura
