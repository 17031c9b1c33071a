// The pickup conditions: which mails of a drawer are taken (date range, pet's signature name)
// and in which order. Stored in the section "Pickup".
#pragma once

#include <cstdint>
#include <string>

#include "base/date_time.h"
#include "mailstore/mail_filter.h"
#include "store/settings_node.h"

namespace mogura {

class PickupSettings : public SettingsNode {
 public:
  // Constructed in the reset state: bounds on today, both disabled, newest first.
  PickupSettings();

  void Reset() override;
  void Load(const SettingsKey& parent) override;
  bool Save(const SettingsKey& parent) const override;

  // The bounds cover whole days: the begin bound is the calendar day of `date` at 00:00:00,
  // the end bound its day at 23:59:59. An invalid `date` leaves the bound as it is.
  void SetBeginDate(const DateTime& date);
  void SetEndDate(const DateTime& date);
  void SetEnables(bool begin, bool end);

  // The date test: each enabled bound is inclusive.
  bool IsInRange(const DateTime& date) const { return Filter().inRange(date); }
  // What the picker keeps, as a plain value.
  MailFilter Filter() const;

  const DateTime& BeginDate() const { return beginDate_; }
  bool EnableBeginDate() const { return enableBeginDate_; }
  const DateTime& EndDate() const { return endDate_; }
  bool EnableEndDate() const { return enableEndDate_; }

  std::int32_t SortType() const { return sortType_; }
  void SetSortType(std::int32_t type) { sortType_ = type; }
  // true: oldest mail first; false: newest mail first.
  bool SortDir() const { return sortDir_; }
  void SetSortDir(bool oldestFirst) { sortDir_ = oldestFirst; }

  const std::string& PetName1() const { return petName1_; }
  void SetPetName1(std::string name) { petName1_ = std::move(name); }
  bool UsePetName() const { return usePetName_; }
  void SetUsePetName(bool use) { usePetName_ = use; }

  // The stored text form of a bound: "YYYY/MM/DD HH:MM:SS".
  static std::string FormatBound(const DateTime& date);
  // Reads the stored forms of a bound: "YYYY/M/D[ H:MM[:SS]]" and "YYYY-M-D[ H:MM[:SS]]"
  // (one or two digits for month, day and hour; surrounding blanks allowed). An invalid value
  // when the text names no real date and time.
  static DateTime ParseBound(const std::string& text);

 private:
  DateTime beginDate_;
  bool enableBeginDate_ = false;
  DateTime endDate_;
  bool enableEndDate_ = false;
  std::int32_t sortType_ = 1;
  bool sortDir_ = false;
  std::string petName1_;
  bool usePetName_ = false;
};

}  // namespace mogura
