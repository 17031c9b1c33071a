#include "store/registry_store.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mogura {
namespace {

// Deeper trees than this are no settings of ours; it also bounds the recursion.
constexpr int kMaxDepth = 64;

class RegistryStoreKey final : public SettingsStoreKey {
 public:
  explicit RegistryStoreKey(std::unique_ptr<RegistryKey> key) : key_(std::move(key)) {}

  std::unique_ptr<SettingsStoreKey> openSubKey(std::string_view name) override {
    return Wrap(key_->openSubKey(name, RegistryAccess::Write));
  }
  std::unique_ptr<SettingsStoreKey> createSubKey(std::string_view name) override {
    return Wrap(key_->createSubKey(name));
  }
  bool deleteSubKey(std::string_view name) override { return key_->deleteSubTree(name); }
  bool deleteValue(std::string_view name) override { return key_->deleteValue(name); }

  bool enumSubKeys(std::vector<std::string>* names) override {
    std::string name;
    for (std::uint32_t index = 0;; ++index) {
      switch (key_->subKeyAt(index, &name)) {
        case RegistryItem::Found: names->push_back(name); break;
        case RegistryItem::End: return true;
        case RegistryItem::Failed: return false;
      }
    }
  }

  bool readInteger(std::string_view name, std::uint32_t* value) override { return key_->readInteger(name, value); }
  bool readText(std::string_view name, std::string* text) override { return key_->readText(name, text); }
  bool writeInteger(std::string_view name, std::uint32_t value) override { return key_->writeInteger(name, value); }
  bool writeText(std::string_view name, std::string_view text) override {
    return key_->writeText(name, text, TextEnd::Bare);
  }

  static std::unique_ptr<SettingsStoreKey> Wrap(std::unique_ptr<RegistryKey> key) {
    if (!key) return nullptr;
    return std::make_unique<RegistryStoreKey>(std::move(key));
  }

 private:
  std::unique_ptr<RegistryKey> key_;
};

bool CopyKey(RegistryKey& key, MemoryKeyNode* node, int depth) {
  if (depth > kMaxDepth) return false;
  RegistryValue value;
  for (std::uint32_t index = 0;; ++index) {
    const RegistryItem item = key.valueAt(index, &value);
    if (item == RegistryItem::End) break;
    if (item == RegistryItem::Failed) return false;
    if (value.type == RegistryValue::Type::Integer) {
      MemoryValue& copy = node->values.findOrAppend(value.name);
      copy.type = MemoryValue::Type::kInteger;
      copy.integer = value.integer;
    } else if (value.type == RegistryValue::Type::Text) {
      MemoryValue& copy = node->values.findOrAppend(value.name);
      copy.type = MemoryValue::Type::kText;
      copy.text = std::move(value.text);
    }
  }
  std::string name;
  for (std::uint32_t index = 0;; ++index) {
    const RegistryItem item = key.subKeyAt(index, &name);
    if (item == RegistryItem::End) return true;
    if (item == RegistryItem::Failed) return false;
    const std::unique_ptr<RegistryKey> sub = key.openSubKey(name, RegistryAccess::Read);
    if (!sub) return false;
    auto& child = node->subKeys.findOrAppend(name);
    child = std::make_shared<MemoryKeyNode>();
    if (!CopyKey(*sub, child.get(), depth + 1)) return false;
  }
}

}  // namespace

SettingsKey OpenRegistryMakerKey(Registry& registry) {
  return SettingsKey(RegistryStoreKey::Wrap(registry.create(RegistryRoot::CurrentUser, "Software\\Pikomaru")));
}

SettingsKey OpenRegistrySettingsRoot(Registry& registry, std::string_view profile) {
  if (profile.empty()) return SettingsKey();
  return OpenRegistryMakerKey(registry).createSubKey(profile);
}

bool CopyRegistryKey(RegistryKey& key, MemoryKeyNode* node) { return CopyKey(key, node, 0); }

}  // namespace mogura
