#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace mogura::win32 {
namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::ClassesRoot: break;
  }
  return HKEY_CLASSES_ROOT;
}

class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override { RegCloseKey(key_); }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  bool subkeyName(std::uint32_t index, std::string* name) override {
    wchar_t buffer[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key_, index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) return false;
    *name = FromWide(std::wstring_view(buffer, length));
    return true;
  }

  bool readString(const std::string& name, std::string* value) override {
    const std::wstring valueName = ToWide(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key_, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key_, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS) {
      return false;
    }
    text.resize(size / sizeof(wchar_t));
    // Stored texts need not end in a terminator, and may hold more than one.
    const std::size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    *value = FromWide(text);
    return true;
  }

  bool writeString(const std::string& name, const std::string& value) override {
    const std::wstring text = ToWide(value);
    return RegSetValueExW(key_, ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::open(RegistryRoot root, const std::string& path, RegistryAccess access) {
  HKEY key = nullptr;
  const REGSAM rights = access == RegistryAccess::Full ? KEY_ALL_ACCESS : KEY_READ;
  if (RegOpenKeyExW(RootKey(root), ToWide(path).c_str(), 0, rights, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}

std::unique_ptr<RegistryKey> Win32Registry::create(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootKey(root), ToWide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<Win32RegistryKey>(key);
}

bool Win32Registry::deleteKey(RegistryRoot root, const std::string& path) {
  // Never a root: an empty path would name it.
  if (path.empty()) return false;
  return RegDeleteKeyW(RootKey(root), ToWide(path).c_str()) == ERROR_SUCCESS;
}

}  // namespace mogura::win32
