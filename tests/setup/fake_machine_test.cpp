// The machine in memory that the setup tests and fuzzers run on: deep keys and folder trees
// must cost time linear in their size, and paths split only at whole characters.
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

TEST(FakeDisk, AFolderListsItsChildrenOnlyAndStepsOverTheirTrees) {
  FakeDisk disk;
  std::string deep = "C:\\app\\abc";
  for (int level = 0; level < 200; ++level) deep += "\\d" + std::to_string(level);
  disk.addFile(deep + "\\leaf.txt");
  // Names that sort among the descendants of "abc" byte by byte, and after them.
  disk.addFile("C:\\app\\abc.txt");
  disk.addFile("C:\\app\\abc-old");
  disk.addFolder("C:\\app\\abd");
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(disk.listFolder("C:\\app", &entries));
  std::vector<std::string> names;
  for (const FolderEntry& entry : entries) names.push_back(entry.name + (entry.isFolder ? "\\" : ""));
  EXPECT_EQ(names, (std::vector<std::string>{"abc\\", "abc.txt", "abc-old", "abd\\"}));

  // Each level of the 200-deep tree, listed as removal lists it, holds the one folder below.
  std::string folder = "C:\\app\\abc";
  for (int level = 0; level < 200; ++level) {
    entries.clear();
    ASSERT_TRUE(disk.listFolder(folder, &entries));
    ASSERT_EQ(entries.size(), 1u);
    folder += "\\" + entries[0].name;
  }
  EXPECT_EQ(folder, deep);
}

}  // namespace
}  // namespace mogura::test
