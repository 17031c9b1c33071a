#include "settings/app_settings.h"

namespace mogura {
namespace {

constexpr std::string_view kTargetTypeValue = "TargetType";

// kind = TargetType + 1 without a range check; any stored number wraps instead of overflowing.
std::int32_t Shifted(std::int32_t value, std::int32_t by) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(by));
}

}  // namespace

// Each section appears once in each of the three lists below, in the order given there.

void AppSettings::Reset() {
  kind = kDiaryKind;
  formats.Reset();
  pickup.Reset();
  petFolders.Reset();  // keeps its folders
  divide.Reset();
  words.Reset();
  publish.Reset();
}

void AppSettings::Load(const SettingsKey& root) {
  root.readInt(kProgramVersionValue, &programVersion);  // first: sections may convert by it
  petFolders.Load(root);
  formats.Load(root, programVersion);
  pickup.Load(root);
  divide.Load(root);
  words.Load(root);
  publish.Load(root);

  std::int32_t targetType = 0;
  kind = root.readInt(kTargetTypeValue, &targetType) ? Shifted(targetType, 1) : kDiaryKind;
}

bool AppSettings::Save(const SettingsKey& root) const {
  bool ok = root.writeInt(kProgramVersionValue, kProgramVersion);
  ok &= petFolders.Save(root);
  ok &= formats.Save(root);
  ok &= pickup.Save(root);
  ok &= divide.Save(root);
  ok &= words.Save(root);
  ok &= publish.Save(root);
  ok &= root.writeInt(kTargetTypeValue, Shifted(kind, -1));
  return ok;
}

}  // namespace mogura
