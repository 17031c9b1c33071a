// The backend contract over the registry, in a profile key of its own that is removed again.
#include "platform/win32/registry_store.h"

#include <windows.h>

#include <string>

#include "support/settings_contract.h"

namespace mogura::test {
namespace {

class RegistryBackend {
 public:
  static constexpr bool kCreationOrder = false;  // the registry keeps its own order

  RegistryBackend() {
    static int counter = 0;
    profile_ = "mogura-test-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++counter);
    OpenRegistryMakerKey().deleteSubKey(profile_);
  }
  ~RegistryBackend() {
    EXPECT_TRUE(win32::OpenRegistryMakerKey().deleteSubKey(profile_));
    EXPECT_FALSE(win32::OpenRegistryMakerKey().openSubKey(profile_).valid());
  }
  SettingsKey root() { return win32::OpenRegistrySettingsRoot(profile_); }
  SettingsKey reopen() { return win32::OpenRegistrySettingsRoot(profile_); }

 private:
  static SettingsKey OpenRegistryMakerKey() { return win32::OpenRegistryMakerKey(); }
  std::string profile_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Registry, SettingsContract, ::testing::Types<RegistryBackend>);

}  // namespace
}  // namespace mogura::test
