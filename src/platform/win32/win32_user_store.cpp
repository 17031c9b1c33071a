// The user's settings on Windows: the registry key HKEY_CURRENT_USER\Software\Pikomaru\mogura,
// copied into memory without opening anything for writing.
#include <windows.h>

#include <vector>

#include "store/user_store.h"
#include "platform/win32/wide.h"

namespace mogura {
namespace {

// Deeper trees than this are no settings of ours; it also bounds the recursion.
constexpr int kMaxDepth = 64;

class ReadKey {
 public:
  ReadKey(HKEY parent, const std::wstring& name) {
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~ReadKey() {
    if (key_) RegCloseKey(key_);
  }
  ReadKey(const ReadKey&) = delete;
  ReadKey& operator=(const ReadKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

bool CopyValues(HKEY key, MemoryKeyNode* node) {
  DWORD maxName = 0, maxData = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName, &maxData,
                       nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  std::vector<wchar_t> name(maxName + 1);
  std::vector<BYTE> data(maxData + sizeof(wchar_t));
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LONG result = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize);
    if (result == ERROR_NO_MORE_ITEMS) return true;
    if (result != ERROR_SUCCESS) return false;
    MemoryValue& value = node->values.findOrAppend(win32::FromWide(std::wstring_view(name.data(), nameLength)));
    if (type == REG_DWORD && dataSize == 4) {
      value.type = MemoryValue::Type::kInteger;
      value.integer = static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
                      static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
      std::size_t count = dataSize / sizeof(wchar_t);
      const auto* text = reinterpret_cast<const wchar_t*>(data.data());
      if (count > 0 && text[count - 1] == L'\0') --count;
      value.type = MemoryValue::Type::kText;
      value.text = win32::FromWide(std::wstring_view(text, count));
    } else {
      node->values.erase(win32::FromWide(std::wstring_view(name.data(), nameLength)));  // not ours
    }
  }
}

bool CopyKey(HKEY key, MemoryKeyNode* node, int depth) {
  if (depth > kMaxDepth || !CopyValues(key, node)) return false;
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    const LONG result = RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return true;
    if (result != ERROR_SUCCESS) return false;
    const std::wstring subName(name, length);
    ReadKey sub(key, subName);
    if (!sub.get()) return false;
    auto& child = node->subKeys.findOrAppend(win32::FromWide(subName));
    child = std::make_shared<MemoryKeyNode>();
    if (!CopyKey(sub.get(), child.get(), depth + 1)) return false;
  }
}

}  // namespace

bool LoadUserSettingsSnapshot(MemoryTree* tree, std::string* error) {
  MemoryTree copy;
  ReadKey root(HKEY_CURRENT_USER, L"Software\\Pikomaru\\mogura");
  if (root.get() && !CopyKey(root.get(), copy.root().get(), 0)) {
    *error = "the registry key HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura cannot be read";
    return false;
  }
  tree->replaceContent(copy);  // a key that does not exist yet is an empty store
  return true;
}

}  // namespace mogura
