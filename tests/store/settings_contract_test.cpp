// The backend contract over the memory tree and the REGEDIT4 file.
#include "support/settings_contract.h"

#include <memory>

#include "store/memory_store.h"
#include "store/regedit4_file.h"
#include "support/memory_disk.h"

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

// Every reopen writes the file and reads it into a new store, so each read of the contract
// goes through the file.
class Regedit4FileBackend {
 public:
  static constexpr bool kCreationOrder = true;
  SettingsKey root() { return store_->root(); }
  SettingsKey reopen() {
    EXPECT_TRUE(store_->saveAs(path_));
    auto fresh = std::make_unique<Regedit4FileStore>("mogura", disk_);
    std::string error;
    EXPECT_TRUE(fresh->load(path_, &error)) << error;
    store_ = std::move(fresh);
    return store_->root();
  }

 private:
  MemoryDisk disk_;
  std::string path_ = disk_.addFolder("C:\\Users\\user\\AppData") + "settings.reg";
  std::unique_ptr<Regedit4FileStore> store_ = std::make_unique<Regedit4FileStore>("mogura", disk_);
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SettingsContract, ::testing::Types<MemoryBackend>);
INSTANTIATE_TYPED_TEST_SUITE_P(Regedit4File, SettingsContract,
                               ::testing::Types<Regedit4FileBackend>);

}  // namespace
}  // namespace mogura::test
