// The backend contract over the memory tree and the REGEDIT4 file.
#include "support/settings_contract.h"

#include <memory>

#include "settings/memory_store.h"

namespace mogura::test {
namespace {

class MemoryBackend {
 public:
  static constexpr bool kCreationOrder = true;
  SettingsKey root() { return MemoryRootKey(tree_); }
  SettingsKey reopen() { return MemoryRootKey(tree_); }

 private:
  std::shared_ptr<MemoryTree> tree_ = std::make_shared<MemoryTree>();
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SettingsContract, ::testing::Types<MemoryBackend>);

}  // namespace
}  // namespace mogura::test
