#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/scoped_handle.h"
#include "platform/win32/wide.h"

namespace mogura::win32 {
namespace {

// Larger texts are none of ours; refusing them keeps a damaged registry from costing memory.
constexpr DWORD kMaxTextBytes = 16 * 1024 * 1024;
// Key names are at most 255 characters.
constexpr DWORD kKeyNameBuffer = 256;

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::ClassesRoot: break;
  }
  return HKEY_CLASSES_ROOT;
}

REGSAM Rights(RegistryAccess access) {
  switch (access) {
    case RegistryAccess::Read: return KEY_READ;
    case RegistryAccess::Write: return KEY_READ | KEY_WRITE | DELETE;
    case RegistryAccess::Full: break;
  }
  return KEY_ALL_ACCESS;
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// Stored text with one terminator at its end dropped (texts are written with or without one).
std::string TextOf(const wchar_t* stored, DWORD bytes) {
  std::size_t count = bytes / sizeof(wchar_t);
  if (count > 0 && stored[count - 1] == L'\0') --count;
  return FromWide(std::wstring_view(stored, count));
}

std::unique_ptr<RegistryKey> Open(HKEY parent, std::string_view path, RegistryAccess access);
std::unique_ptr<RegistryKey> Create(HKEY parent, std::string_view path);

class Win32RegistryKey final : public RegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}

  std::unique_ptr<RegistryKey> openSubKey(std::string_view path, RegistryAccess access) override {
    return Open(key_.get(), path, access);
  }
  std::unique_ptr<RegistryKey> createSubKey(std::string_view path) override { return Create(key_.get(), path); }
  bool deleteSubTree(std::string_view path) override {
    return RegDeleteTreeW(key_.get(), ToWide(path).c_str()) == ERROR_SUCCESS;
  }
  bool deleteValue(std::string_view name) override {
    return RegDeleteValueW(key_.get(), ToWide(name).c_str()) == ERROR_SUCCESS;
  }

  RegistryItem subKeyAt(std::uint32_t index, std::string* name) override {
    wchar_t buffer[kKeyNameBuffer];
    DWORD length = kKeyNameBuffer;
    const LONG result = RegEnumKeyExW(key_.get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return RegistryItem::End;
    if (result != ERROR_SUCCESS) return RegistryItem::Failed;
    *name = FromWide(std::wstring_view(buffer, length));
    return RegistryItem::Found;
  }

  RegistryItem valueAt(std::uint32_t index, RegistryValue* value) override {
    DWORD maxName = 0, maxData = 0;
    if (RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                         &maxData, nullptr, nullptr) != ERROR_SUCCESS) {
      return RegistryItem::Failed;
    }
    std::vector<wchar_t> name(maxName + 1);
    std::vector<BYTE> data(maxData + sizeof(wchar_t));
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LONG result =
        RegEnumValueW(key_.get(), index, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize);
    if (result == ERROR_NO_MORE_ITEMS) return RegistryItem::End;
    if (result != ERROR_SUCCESS) return RegistryItem::Failed;
    value->name = FromWide(std::wstring_view(name.data(), nameLength));
    value->integer = 0;
    value->text.clear();
    if (type == REG_DWORD && dataSize == sizeof(DWORD)) {
      value->type = RegistryValue::Type::Integer;
      value->integer = static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
                       static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    } else if (IsText(type)) {
      value->type = RegistryValue::Type::Text;
      value->text = TextOf(reinterpret_cast<const wchar_t*>(data.data()), dataSize);
    } else {
      value->type = RegistryValue::Type::Other;
    }
    return RegistryItem::Found;
  }

  bool readInteger(std::string_view name, std::uint32_t* value) override {
    DWORD stored = 0;
    DWORD size = sizeof(stored);
    if (RegQueryValueExW(key_.get(), ToWide(name).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&stored),
                         &size) != ERROR_SUCCESS ||
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
      if (RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
          !IsText(type) || size > kMaxTextBytes) {
        return false;
      }
      buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
      const LONG result = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(buffer.data()), &size);
      if (result == ERROR_MORE_DATA) continue;
      if (result != ERROR_SUCCESS || !IsText(type)) return false;
      *text = TextOf(buffer.data(), size);
      return true;
    }
    return false;
  }

  bool writeInteger(std::string_view name, std::uint32_t value) override {
    const DWORD stored = value;
    return RegSetValueExW(key_.get(), ToWide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                          sizeof(stored)) == ERROR_SUCCESS;
  }

  bool writeText(std::string_view name, std::string_view text, TextEnd end) override {
    const std::wstring wide = ToWide(text);
    const std::size_t characters = wide.size() + (end == TextEnd::Terminated ? 1 : 0);
    if (characters * sizeof(wchar_t) > kMaxTextBytes) return false;
    return RegSetValueExW(key_.get(), ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          static_cast<DWORD>(characters * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

 private:
  RegistryKeyHandle key_;
};

std::unique_ptr<RegistryKey> Open(HKEY parent, std::string_view path, RegistryAccess access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, ToWide(path).c_str(), 0, Rights(access), &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}

std::unique_ptr<RegistryKey> Create(HKEY parent, std::string_view path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(parent, ToWide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      Rights(RegistryAccess::Write), nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<Win32RegistryKey>(key);
}

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::open(RegistryRoot root, std::string_view path, RegistryAccess access) {
  return Open(RootKey(root), path, access);
}

std::unique_ptr<RegistryKey> Win32Registry::create(RegistryRoot root, std::string_view path) {
  return Create(RootKey(root), path);
}

bool Win32Registry::deleteKey(RegistryRoot root, std::string_view path) {
  // Never a root: an empty path would name it.
  if (path.empty()) return false;
  return RegDeleteKeyW(RootKey(root), ToWide(path).c_str()) == ERROR_SUCCESS;
}

Registry& HostRegistry() {
  static Win32Registry registry;
  return registry;
}

}  // namespace mogura::win32
