// A handle on one key of the settings tree. The tree itself lives in a backend: the Windows
// registry, a REGEDIT4 file, or memory. Names and texts are CP932 byte strings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mogura {

// One open key of a backend. Implementations: the registry (Windows), the in-memory tree
// (also the model of the REGEDIT4 file).
class SettingsStoreKey {
 public:
  virtual ~SettingsStoreKey() = default;
  // nullptr when the sub-key does not exist (or cannot be opened).
  virtual std::unique_ptr<SettingsStoreKey> openSubKey(std::string_view name) = 0;
  // Creates the sub-key when missing; nullptr on failure.
  virtual std::unique_ptr<SettingsStoreKey> createSubKey(std::string_view name) = 0;
  // Deletes the sub-key with all its sub-keys and values.
  virtual bool deleteSubKey(std::string_view name) = 0;
  virtual bool deleteValue(std::string_view name) = 0;
  // Appends the names of the direct sub-keys in the store's order.
  virtual bool enumSubKeys(std::vector<std::string>* names) = 0;
  // False when there is no such value; an integer read takes whatever 4 bytes are stored.
  virtual bool readInteger(std::string_view name, std::uint32_t* value) = 0;
  virtual bool readText(std::string_view name, std::string* text) = 0;
  virtual bool writeInteger(std::string_view name, std::uint32_t value) = 0;
  virtual bool writeText(std::string_view name, std::string_view text) = 0;
};

// Names are 1 to 511 bytes without control bytes; a key name holds no single-byte backslash
// (one key at a time). Any operation with another name fails. Key and value names compare
// ASCII case-insensitively in every backend.
class SettingsKey {
 public:
  SettingsKey() = default;  // an invalid handle: every operation fails
  explicit SettingsKey(std::unique_ptr<SettingsStoreKey> key) : key_(std::move(key)) {}

  bool valid() const { return key_ != nullptr; }

  // The existing sub-key, or an invalid handle when it does not exist.
  SettingsKey openSubKey(std::string_view name) const;
  // The sub-key, created when missing.
  SettingsKey createSubKey(std::string_view name) const;
  bool deleteSubKey(std::string_view name) const;
  bool deleteValue(std::string_view name) const;
  // Appends the direct sub-key names in the store's order; true when the end was reached.
  bool enumSubKeys(std::vector<std::string>* names) const;

  // Reads return whether a value was found and leave `*value` unchanged otherwise.
  bool readInt(std::string_view name, std::int32_t* value) const;
  bool readFlag(std::string_view name, bool* value) const;
  // A text of length 0 reads as absent.
  bool readText(std::string_view name, std::string* value) const;

  bool writeInt(std::string_view name, std::int32_t value) const;
  bool writeFlag(std::string_view name, bool value) const;
  bool writeText(std::string_view name, std::string_view value) const;

 private:
  std::unique_ptr<SettingsStoreKey> key_;
};

}  // namespace mogura
