#include "store/memory_store.h"

#include <vector>

namespace mogura {
namespace {

class MemoryStoreKey final : public SettingsStoreKey {
 public:
  explicit MemoryStoreKey(std::shared_ptr<MemoryKeyNode> node) : node_(std::move(node)) {}

  std::unique_ptr<SettingsStoreKey> openSubKey(std::string_view name) override {
    if (node_->deleted) return nullptr;
    const auto* sub = node_->subKeys.find(name);
    if (sub == nullptr) return nullptr;
    return std::make_unique<MemoryStoreKey>(*sub);
  }

  std::unique_ptr<SettingsStoreKey> createSubKey(std::string_view name) override {
    if (node_->deleted) return nullptr;
    auto& sub = node_->subKeys.findOrAppend(name);
    if (!sub) sub = std::make_shared<MemoryKeyNode>();
    return std::make_unique<MemoryStoreKey>(sub);
  }

  bool deleteSubKey(std::string_view name) override {
    if (node_->deleted) return false;
    auto* sub = node_->subKeys.find(name);
    if (sub == nullptr) return false;
    MarkDeleted(**sub);
    return node_->subKeys.erase(name);
  }

  bool deleteValue(std::string_view name) override {
    if (node_->deleted) return false;
    return node_->values.erase(name);
  }

  bool enumSubKeys(std::vector<std::string>* names) override {
    if (node_->deleted) return false;
    for (const auto& item : node_->subKeys) names->push_back(item.name);
    return true;
  }

  bool readInteger(std::string_view name, std::uint32_t* value) override {
    const MemoryValue* found = findValue(name);
    if (found == nullptr || found->type != MemoryValue::Type::kInteger) return false;
    *value = found->integer;
    return true;
  }

  bool readText(std::string_view name, std::string* text) override {
    const MemoryValue* found = findValue(name);
    if (found == nullptr || found->type != MemoryValue::Type::kText) return false;
    *text = found->text;
    return true;
  }

  bool writeInteger(std::string_view name, std::uint32_t value) override {
    if (node_->deleted) return false;
    MemoryValue& slot = node_->values.findOrAppend(name);
    slot.type = MemoryValue::Type::kInteger;
    slot.integer = value;
    slot.text.clear();
    return true;
  }

  bool writeText(std::string_view name, std::string_view text) override {
    if (node_->deleted) return false;
    MemoryValue& slot = node_->values.findOrAppend(name);
    slot.type = MemoryValue::Type::kText;
    slot.integer = 0;
    slot.text.assign(text);
    return true;
  }

 private:
  const MemoryValue* findValue(std::string_view name) const {
    if (node_->deleted) return nullptr;
    return node_->values.find(name);
  }

  std::shared_ptr<MemoryKeyNode> node_;
};

}  // namespace

void MarkDeleted(MemoryKeyNode& node) {
  // Iterative: a tree built by a program may be deeper than the stack allows recursion.
  std::vector<MemoryKeyNode*> pending{&node};
  while (!pending.empty()) {
    MemoryKeyNode* current = pending.back();
    pending.pop_back();
    current->deleted = true;
    for (auto& item : current->subKeys) pending.push_back(item.data.get());
  }
}

void MemoryTree::replaceContent(MemoryTree& other) {
  clear();
  root_->subKeys = std::move(other.root_->subKeys);
  root_->values = std::move(other.root_->values);
  other.root_->subKeys.clear();
  other.root_->values.clear();
}

void MemoryTree::clear() {
  for (auto& item : root_->subKeys) MarkDeleted(*item.data);
  root_->subKeys.clear();
  root_->values.clear();
}

std::unique_ptr<SettingsStoreKey> MakeMemoryStoreKey(std::shared_ptr<MemoryKeyNode> node) {
  return std::make_unique<MemoryStoreKey>(std::move(node));
}

SettingsKey MemoryRootKey(const std::shared_ptr<MemoryTree>& tree) {
  return SettingsKey(MakeMemoryStoreKey(tree->root()));
}

}  // namespace mogura
