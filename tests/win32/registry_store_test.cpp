// The backend contract over the registry, in a profile key of its own that is removed again.
#include "store/registry_store.h"

#include <windows.h>

#include <string>

#include "platform/win32/win32_registry.h"
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
    OpenRegistryMakerKey(win32::HostRegistry()).deleteSubKey(profile_);
  }
  ~RegistryBackend() {
    EXPECT_TRUE(OpenRegistryMakerKey(win32::HostRegistry()).deleteSubKey(profile_));
    EXPECT_FALSE(OpenRegistryMakerKey(win32::HostRegistry()).openSubKey(profile_).valid());
  }
  SettingsKey root() { return OpenRegistrySettingsRoot(win32::HostRegistry(), profile_); }
  SettingsKey reopen() { return OpenRegistrySettingsRoot(win32::HostRegistry(), profile_); }

 private:
  std::string profile_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Registry, SettingsContract, ::testing::Types<RegistryBackend>);

}  // namespace
}  // namespace mogura::test
