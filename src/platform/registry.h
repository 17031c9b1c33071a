// The system registry of both programs: the settings store's backend on Windows, and the
// setup program's uninstall branch, shell-folder values and the keys a product asks to be
// deleted. Names and texts are CP932 bytes; key paths use '\\'.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace mogura {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };
// Read: query and enumerate; Write: that, set, create subkeys and delete; Full: every right.
enum class RegistryAccess { Read, Write, Full };
// How a text value is stored: exactly its characters, or followed by a terminator as most
// programs write it and expect it.
enum class TextEnd { Bare, Terminated };
// One step of an enumeration by index.
enum class RegistryItem { Found, End, Failed };

// A value as enumerated: one of the two kinds the programs store, or another.
struct RegistryValue {
  enum class Type { Integer, Text, Other };
  std::string name;
  Type type = Type::Text;
  std::uint32_t integer = 0;
  std::string text;
};

// An open key; closed when destroyed.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  // The subkey `path`; null when it does not exist or cannot be opened with `access`.
  virtual std::unique_ptr<RegistryKey> openSubKey(std::string_view path, RegistryAccess access) = 0;
  // The subkey `path` opened with Write access, made with the keys on the way when missing.
  virtual std::unique_ptr<RegistryKey> createSubKey(std::string_view path) = 0;
  // Deletes the subkey `path` with everything below it.
  virtual bool deleteSubTree(std::string_view path) = 0;
  virtual bool deleteValue(std::string_view name) = 0;

  // The name of the subkey at `index` (names of up to 255 characters), in the registry's order.
  virtual RegistryItem subKeyAt(std::uint32_t index, std::string* name) = 0;
  // The value at `index`, in the registry's order: an integer (REG_DWORD of 4 bytes), a text
  // (REG_SZ or REG_EXPAND_SZ, one terminator at its end dropped), or Other.
  virtual RegistryItem valueAt(std::uint32_t index, RegistryValue* value) = 0;

  // Whatever 4 bytes are stored under `name`; false when there are not exactly 4.
  virtual bool readInteger(std::string_view name, std::uint32_t* value) = 0;
  // The text value `name` as stored, one terminator at its end dropped; false when it is
  // missing, of another kind, or far larger than any text of ours.
  virtual bool readText(std::string_view name, std::string* text) = 0;
  virtual bool writeInteger(std::string_view name, std::uint32_t value) = 0;
  virtual bool writeText(std::string_view name, std::string_view text, TextEnd end) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Null when the key does not exist or cannot be opened with that access.
  virtual std::unique_ptr<RegistryKey> open(RegistryRoot root, std::string_view path, RegistryAccess access) = 0;
  // Opens the key with Write access, creating it and the keys above it as needed.
  virtual std::unique_ptr<RegistryKey> create(RegistryRoot root, std::string_view path) = 0;
  // Deletes one key that has no subkeys; false when it has some or cannot be deleted. An empty
  // path, which would name the root, is never deleted.
  virtual bool deleteKey(RegistryRoot root, std::string_view path) = 0;
};

// The text value `name` as a program that reads it as a C string sees it: up to its first
// terminator (a stored text need not end in one, and may hold more than one).
inline bool ReadTextUpToTerminator(RegistryKey& key, std::string_view name, std::string* text) {
  std::string stored;
  if (!key.readText(name, &stored)) return false;
  stored.resize(stored.find('\0') == std::string::npos ? stored.size() : stored.find('\0'));
  *text = std::move(stored);
  return true;
}

}  // namespace mogura
