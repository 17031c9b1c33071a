#include "html/divide_settings.h"

namespace mogura {

void DivideSettings::Reset() {
  valid_ = false;
  type_ = static_cast<std::int32_t>(DivideType::Month);
  count_ = 10;
  outputIndex_ = true;
}

void DivideSettings::Load(const SettingsKey& parent) {
  const SettingsKey section = parent.openSubKey(kSection);
  if (!section.valid()) {
    Reset();
    return;
  }
  section.readFlag("Valid", &valid_);
  section.readInt("Type", &type_);
  section.readInt("Count", &count_);
  section.readFlag("OutputIndex", &outputIndex_);
}

bool DivideSettings::Save(const SettingsKey& parent) const {
  const SettingsKey section = parent.createSubKey(kSection);
  if (!section.valid()) return false;
  bool ok = section.writeFlag("Valid", valid_);
  ok = section.writeInt("Type", type_) && ok;
  ok = section.writeInt("Count", count_) && ok;
  ok = section.writeFlag("OutputIndex", outputIndex_) && ok;
  return ok;
}

}  // namespace mogura
