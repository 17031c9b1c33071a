#include "store/settings_key.h"

#include "base/cp932.h"

namespace mogura {
namespace {

constexpr std::size_t kMaxNameLength = 511;

// Names every backend can hold and a REGEDIT4 file can write: 1 to 511 bytes, no control
// bytes. A key name is one key, so it holds no (single-byte) backslash either.
bool IsValidName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

bool IsValidKeyName(std::string_view name) {
  return IsValidName(name) && FindCharDbcs(name, '\\') == std::string_view::npos;
}

}  // namespace

SettingsKey SettingsKey::openSubKey(std::string_view name) const {
  if (!key_ || !IsValidKeyName(name)) return SettingsKey();
  return SettingsKey(key_->openSubKey(name));
}

SettingsKey SettingsKey::createSubKey(std::string_view name) const {
  if (!key_ || !IsValidKeyName(name)) return SettingsKey();
  return SettingsKey(key_->createSubKey(name));
}

bool SettingsKey::deleteSubKey(std::string_view name) const {
  return key_ && IsValidKeyName(name) && key_->deleteSubKey(name);
}

bool SettingsKey::deleteValue(std::string_view name) const {
  return key_ && IsValidName(name) && key_->deleteValue(name);
}

bool SettingsKey::enumSubKeys(std::vector<std::string>* names) const {
  return key_ && key_->enumSubKeys(names);
}

bool SettingsKey::readInt(std::string_view name, std::int32_t* value) const {
  std::uint32_t stored = 0;
  if (!key_ || !IsValidName(name) || !key_->readInteger(name, &stored)) return false;
  *value = static_cast<std::int32_t>(stored);
  return true;
}

bool SettingsKey::readFlag(std::string_view name, bool* value) const {
  std::int32_t stored = 0;
  if (!readInt(name, &stored)) return false;
  *value = stored != 0;
  return true;
}

bool SettingsKey::readText(std::string_view name, std::string* value) const {
  std::string stored;
  if (!key_ || !IsValidName(name) || !key_->readText(name, &stored)) return false;
  if (stored.empty()) return false;  // an empty text counts as no value
  *value = std::move(stored);
  return true;
}

bool SettingsKey::writeInt(std::string_view name, std::int32_t value) const {
  return key_ && IsValidName(name) && key_->writeInteger(name, static_cast<std::uint32_t>(value));
}

bool SettingsKey::writeFlag(std::string_view name, bool value) const {
  return writeInt(name, value ? 1 : 0);
}

bool SettingsKey::writeText(std::string_view name, std::string_view value) const {
  return key_ && IsValidName(name) && key_->writeText(name, value);
}

}  // namespace mogura
