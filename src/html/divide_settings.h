// How divided output is cut into pages: settings section "Devide".
#pragma once

#include <cstdint>

#include "store/settings_node.h"

namespace mogura {

enum class DivideType : std::int32_t { Month = 0, Week = 1, Day = 2, Count = 3 };

class DivideSettings : public SettingsNode {
 public:
  static constexpr const char* kSection = "Devide";

  DivideSettings() { Reset(); }

  void Reset() override;
  // Reads the section; a missing section resets everything, a missing value leaves its field.
  // Values are taken as stored: the divider copes with a type or count out of range.
  void Load(const SettingsKey& parent) override;
  bool Save(const SettingsKey& parent) const override;

  // Write several files instead of one ("Valid").
  bool valid() const { return valid_; }
  void setValid(bool value) { valid_ = value; }

  // The DivideType as stored ("Type"); may lie outside 0-3 after a load.
  std::int32_t type() const { return type_; }
  // Stores 0 (month) for any value outside 0-3.
  void setType(std::int32_t value) { type_ = value >= 0 && value <= 3 ? value : 0; }
  // The type that a division uses: a stored value outside 0-3 counts as month.
  DivideType effectiveType() const {
    return type_ >= 0 && type_ <= 3 ? static_cast<DivideType>(type_) : DivideType::Month;
  }

  // Mails per page in count mode ("Count"); any value is kept.
  std::int32_t count() const { return count_; }
  void setCount(std::int32_t value) { count_ = value; }
  // The count that a division uses: anything below 1 counts as 1.
  std::int32_t effectiveCount() const { return count_ < 1 ? 1 : count_; }

  // Write the index page when dividing ("OutputIndex").
  bool outputIndex() const { return outputIndex_; }
  void setOutputIndex(bool value) { outputIndex_ = value; }

  friend bool operator==(const DivideSettings& a, const DivideSettings& b) {
    return a.valid_ == b.valid_ && a.type_ == b.type_ && a.count_ == b.count_ &&
           a.outputIndex_ == b.outputIndex_;
  }

 private:
  bool valid_ = false;
  std::int32_t type_ = 0;
  std::int32_t count_ = 10;
  bool outputIndex_ = true;
};

}  // namespace mogura
