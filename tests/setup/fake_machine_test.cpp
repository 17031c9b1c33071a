// The machine in memory that the setup tests and fuzzers run on: deep keys and folder trees
// must cost time linear in their size, and paths split only at whole characters.
#include <gtest/gtest.h>

#include <string>

#include "setup/fake_setup_edge.h"

namespace mogura::test {
namespace {

TEST(FakeRegistry, DeepKeysAreMadeLevelByLevel) {
  MemoryRegistry registry;
  std::string path = "Software";
  for (int level = 1; level < 40; ++level) path += "\\level" + std::to_string(level);
  registry.addKey(RegistryRoot::CurrentUser, path);  // made level by level, or never returns
  EXPECT_TRUE(registry.hasKey(RegistryRoot::CurrentUser, "Software\\level1\\level2"));
  EXPECT_TRUE(registry.hasKey(RegistryRoot::CurrentUser, path));
  EXPECT_EQ(registry.subkeys(RegistryRoot::CurrentUser, "Software"), (std::vector<std::string>{"level1"}));
}

TEST(FakeRegistry, ABackslashTrailByteDoesNotSplitAKey) {
  MemoryRegistry registry;
  const std::string so = "\x83\x5C";  // a katakana whose second byte is a backslash
  registry.addKey(RegistryRoot::CurrentUser, so + "ft\\sub");
  EXPECT_EQ(registry.subkeys(RegistryRoot::CurrentUser, ""), (std::vector<std::string>{so + "ft"}));
  EXPECT_FALSE(registry.hasKey(RegistryRoot::CurrentUser, "\x83"));
}

TEST(FakeDisk, AFolderListsItsChildrenOnlyAndStepsOverTheirTrees) {
  MemoryDisk disk;
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

// Links behave as on Windows: followed on the way and by what opens or writes, never by what
// removes them; a circle of links leads nowhere instead of on for ever.
TEST(FakeDisk, LinksAreFollowedOnTheWayAndRemovedAlone) {
  MemoryDisk disk;
  disk.addFile("D:\\Notes\\diary.txt", "mine");
  disk.addLink("C:\\app\\data", "D:\\Notes", true);
  disk.addLink("C:\\app\\memo.txt", "D:\\Notes\\diary.txt", false);
  disk.addLink("C:\\app\\loop", "C:\\app", true);
  disk.addLink("C:\\self", "C:\\self", true);

  std::vector<FolderEntry> entries;
  ASSERT_TRUE(disk.listFolder("C:\\app", &entries));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_TRUE(entries[0].isLink && entries[0].isFolder);
  EXPECT_TRUE(entries[1].isLink && !entries[1].isFolder);
  entries.clear();
  ASSERT_TRUE(disk.listFolder("C:\\app\\data\\", &entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "diary.txt");
  EXPECT_FALSE(entries[0].isLink);
  EXPECT_TRUE(disk.isLink("C:\\app\\data"));
  EXPECT_FALSE(disk.isLink("C:\\app\\data\\diary.txt"));
  EXPECT_TRUE(disk.has("C:\\app\\loop\\loop\\loop\\data\\diary.txt"));
  EXPECT_FALSE(disk.has("C:\\self\\x"));  // and returns

  // Writing through a link writes the target; removing the link leaves the target alone.
  EXPECT_EQ(disk.copy("D:\\Notes\\diary.txt", "C:\\app\\data\\copy.txt", true), CopyOutcome::Copied);
  EXPECT_TRUE(disk.has("D:\\Notes\\copy.txt"));
  EXPECT_TRUE(disk.removeFolder("C:\\app\\data"));
  EXPECT_TRUE(disk.removeLink("C:\\app\\memo.txt"));
  EXPECT_FALSE(disk.removeLink("C:\\app"));  // no link
  EXPECT_FALSE(disk.has("C:\\app\\data"));
  EXPECT_FALSE(disk.has("C:\\app\\memo.txt"));
  EXPECT_EQ(disk.bytesOf("D:\\Notes\\diary.txt"), "mine");
}

}  // namespace
}  // namespace mogura::test
