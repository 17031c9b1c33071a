// The machine in memory that the setup tests and fuzzers run on: its registry must make deep
// keys in time linear in their depth and split key paths only at whole characters.
#include <gtest/gtest.h>

#include <string>

#include "setup/fake_setup_edge.h"

namespace mogura::test {
namespace {

TEST(FakeRegistry, DeepKeysAreMadeLevelByLevel) {
  FakeRegistry registry;
  std::string path = "Software";
  for (int level = 1; level < 40; ++level) path += "\\level" + std::to_string(level);
  registry.addKey(RegistryRoot::CurrentUser, path);  // made level by level, or never returns
  EXPECT_TRUE(registry.hasKey(RegistryRoot::CurrentUser, "Software\\level1\\level2"));
  EXPECT_TRUE(registry.hasKey(RegistryRoot::CurrentUser, path));
  EXPECT_EQ(registry.subkeys(RegistryRoot::CurrentUser, "Software"), (std::vector<std::string>{"level1"}));
}

TEST(FakeRegistry, ABackslashTrailByteDoesNotSplitAKey) {
  FakeRegistry registry;
  const std::string so = "\x83\x5C";  // a katakana whose second byte is a backslash
  registry.addKey(RegistryRoot::CurrentUser, so + "ft\\sub");
  EXPECT_EQ(registry.subkeys(RegistryRoot::CurrentUser, ""), (std::vector<std::string>{so + "ft"}));
  EXPECT_FALSE(registry.hasKey(RegistryRoot::CurrentUser, "\x83"));
}

}  // namespace
}  // namespace mogura::test
