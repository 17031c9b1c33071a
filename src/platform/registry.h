// The registry as the setup program uses it: the uninstall branch, the shell-folder values and
// the keys a product asks to be deleted. Names and texts are CP932 bytes; key paths use '\\'.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace mogura {

enum class RegistryRoot { CurrentUser, LocalMachine, ClassesRoot };
enum class RegistryAccess { Read, Full };

// An open key; closed when destroyed.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The name of the subkey at `index` (names of up to 255 bytes); false when there is none.
  virtual bool subkeyName(std::uint32_t index, std::string* name) = 0;
  // The string value `name`; false when it is missing or not a string.
  virtual bool readString(const std::string& name, std::string* value) = 0;
  virtual bool writeString(const std::string& name, const std::string& value) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Null when the key does not exist or cannot be opened with that access.
  virtual std::unique_ptr<RegistryKey> open(RegistryRoot root, const std::string& path, RegistryAccess access) = 0;
  // Opens the key for writing, creating it and the keys above it as needed.
  virtual std::unique_ptr<RegistryKey> create(RegistryRoot root, const std::string& path) = 0;
  // Deletes one key that has no subkeys; false when it has some or cannot be deleted.
  virtual bool deleteKey(RegistryRoot root, const std::string& path) = 0;
};

}  // namespace mogura
