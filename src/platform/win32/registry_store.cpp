#include "platform/win32/registry_store.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/wide.h"

namespace mogura::win32 {
namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_WRITE | DELETE;
// Larger texts are not settings; refusing them keeps a damaged registry from costing memory.
constexpr DWORD kMaxTextBytes = 16 * 1024 * 1024;

// Owns one open registry key.
class KeyHandle {
 public:
  explicit KeyHandle(HKEY key) : key_(key) {}
  ~KeyHandle() { RegCloseKey(key_); }
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_;
};

class RegistryStoreKey final : public SettingsStoreKey {
 public:
  explicit RegistryStoreKey(HKEY key) : key_(key) {}

  std::unique_ptr<SettingsStoreKey> openSubKey(std::string_view name) override {
    HKEY sub = nullptr;
    if (RegOpenKeyExW(key_.get(), ToWide(name).c_str(), 0, kAccess, &sub) != ERROR_SUCCESS) {
      return nullptr;
    }
    return std::make_unique<RegistryStoreKey>(sub);
  }

  std::unique_ptr<SettingsStoreKey> createSubKey(std::string_view name) override {
    HKEY sub = nullptr;
    if (RegCreateKeyExW(key_.get(), ToWide(name).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        kAccess, nullptr, &sub, nullptr) != ERROR_SUCCESS) {
      return nullptr;
    }
    return std::make_unique<RegistryStoreKey>(sub);
  }

  bool deleteSubKey(std::string_view name) override {
    return RegDeleteTreeW(key_.get(), ToWide(name).c_str()) == ERROR_SUCCESS;
  }

  bool deleteValue(std::string_view name) override {
    return RegDeleteValueW(key_.get(), ToWide(name).c_str()) == ERROR_SUCCESS;
  }

  bool enumSubKeys(std::vector<std::string>* names) override {
    wchar_t buffer[256];  // key names are at most 255 characters
    for (DWORD index = 0;; ++index) {
      DWORD length = 256;
      const LONG result = RegEnumKeyExW(key_.get(), index, buffer, &length, nullptr, nullptr,
                                        nullptr, nullptr);
      if (result == ERROR_NO_MORE_ITEMS) return true;
      if (result != ERROR_SUCCESS) return false;
      names->push_back(FromWide(std::wstring_view(buffer, length)));
    }
  }

  bool readInteger(std::string_view name, std::uint32_t* value) override {
    DWORD stored = 0;
    DWORD size = sizeof(stored);
    if (RegQueryValueExW(key_.get(), ToWide(name).c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&stored), &size) != ERROR_SUCCESS ||
        size != sizeof(stored)) {
      return false;
    }
    *value = stored;
    return true;
  }

  bool readText(std::string_view name, std::string* text) override {
    const std::wstring wideName = ToWide(name);
    std::vector<wchar_t> buffer;
    // The value may change between the two calls; try again a few times when it grew.
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0;
      DWORD size = 0;
      if (RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size) !=
              ERROR_SUCCESS ||
          (type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxTextBytes) {
        return false;
      }
      buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
      const LONG result = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(buffer.data()), &size);
      if (result == ERROR_MORE_DATA) continue;
      if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
      std::size_t count = size / sizeof(wchar_t);
      if (count > 0 && buffer[count - 1] == L'\0') --count;  // written with a terminator
      *text = FromWide(std::wstring_view(buffer.data(), count));
      return true;
    }
    return false;
  }

  bool writeInteger(std::string_view name, std::uint32_t value) override {
    const DWORD stored = value;
    return RegSetValueExW(key_.get(), ToWide(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&stored), sizeof(stored)) == ERROR_SUCCESS;
  }

  bool writeText(std::string_view name, std::string_view text) override {
    const std::wstring wide = ToWide(text);
    if (wide.size() * sizeof(wchar_t) > kMaxTextBytes) return false;
    return RegSetValueExW(key_.get(), ToWide(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wide.data()),
                          static_cast<DWORD>(wide.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

 private:
  KeyHandle key_;
};

SettingsKey OpenFromCurrentUser(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      kAccess, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return SettingsKey();
  }
  return SettingsKey(std::make_unique<RegistryStoreKey>(key));
}

}  // namespace

SettingsKey OpenRegistryMakerKey() { return OpenFromCurrentUser(L"Software\\Pikomaru"); }

SettingsKey OpenRegistrySettingsRoot(std::string_view profile) {
  if (profile.empty()) return SettingsKey();
  return OpenRegistryMakerKey().createSubKey(profile);
}

}  // namespace mogura::win32
