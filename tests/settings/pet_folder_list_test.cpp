// Registered receive folders: which one is active after adds and removals, the saved section
// holding exactly the list, and the move of an older store's single folder into it.
#include "settings/pet_folder_list.h"

#include <gtest/gtest.h>

#include "store/memory_store.h"
#include "store/regedit4_file.h"

namespace mogura {
namespace {

using Folders = std::vector<std::string>;

const std::string kA = "C:\\Kurumin\\A\\";
const std::string kB = "C:\\Kurumin\\B\\";
const std::string kC = "D:\\Kurumin\\C\\";

PetFolderList ListOf(const Folders& folders) {
  PetFolderList list;
  for (const auto& f : folders) list.AddFolder(f);
  return list;
}

TEST(PetFolderList, AddingMakesTheNewFolderActiveButNeverAddsItTwice) {
  PetFolderList list;
  EXPECT_FALSE(list.HasActiveFolder());
  EXPECT_EQ(list.ActiveFolder(), "");
  EXPECT_TRUE(list.AddFolder(kA));
  EXPECT_TRUE(list.AddFolder(kB));
  EXPECT_EQ(list.ActiveFolder(), kB);
  ASSERT_TRUE(list.SelectFolder(kA));
  EXPECT_FALSE(list.AddFolder(kB));  // already registered: A stays active
  EXPECT_EQ(list.Folders(), (Folders{kA, kB}));
  EXPECT_EQ(list.ActiveFolder(), kA);
  // Whole-text, case-sensitive comparison: a different spelling is another folder.
  EXPECT_TRUE(list.AddFolder("c:\\kurumin\\a\\"));
  EXPECT_EQ(list.Count(), 3u);
  EXPECT_FALSE(list.SelectFolder("C:\\Kurumin\\A"));
}

TEST(PetFolderList, RemovingKeepsAnActiveFolderWithinTheList) {
  PetFolderList last = ListOf({kA, kB, kC});  // C is active
  EXPECT_TRUE(last.RemoveFolder(kC));
  EXPECT_EQ(last.Folders(), (Folders{kA, kB}));
  EXPECT_EQ(last.ActiveFolder(), kB);

  PetFolderList middle = ListOf({kA, kB, kC});
  middle.SelectFolder(kB);
  EXPECT_TRUE(middle.RemoveFolder(kB));
  EXPECT_EQ(middle.Folders(), (Folders{kA, kC}));
  EXPECT_EQ(middle.ActiveIndex(), 1);
  EXPECT_EQ(middle.ActiveFolder(), kC);

  PetFolderList only = ListOf({kA});
  EXPECT_FALSE(only.RemoveFolder(kA));
  EXPECT_EQ(only.Folders(), (Folders{kA}));
  EXPECT_EQ(only.ActiveFolder(), kA);

  PetFolderList unknown = ListOf({kA, kB});
  EXPECT_FALSE(unknown.RemoveFolder(kC));
  EXPECT_EQ(unknown.Folders(), (Folders{kA, kB}));
  EXPECT_EQ(unknown.ActiveFolder(), kB);
}

TEST(PetFolderList, SaveWritesExactlyTheListAndLoadReadsItBack) {
  auto tree = std::make_shared<MemoryTree>();
  const SettingsKey root = MemoryRootKey(tree);
  PetFolderList list = ListOf({kA, kB, kC});
  ASSERT_TRUE(list.Save(root));
  ASSERT_TRUE(list.RemoveFolder(kB));
  ASSERT_TRUE(list.Save(root));

  const SettingsKey section = root.openSubKey("PetFolders");
  std::string text;
  EXPECT_TRUE(section.readText("Folder1", &text));
  EXPECT_EQ(text, kA);
  EXPECT_TRUE(section.readText("Folder2", &text));
  EXPECT_EQ(text, kC);
  EXPECT_FALSE(section.readText("Folder3", &text));  // no stale value of the longer list
  EXPECT_EQ(FormatRegedit4(*tree, "R").find("Folder3"), std::string::npos);

  PetFolderList loaded;
  loaded.Load(root);
  EXPECT_EQ(loaded.Folders(), (Folders{kA, kC}));
  EXPECT_EQ(loaded.ActiveIndex(), 1);
  EXPECT_EQ(loaded.ActiveFolder(), kC);

  // Reset keeps the registered folders.
  loaded.Reset();
  EXPECT_EQ(loaded.Folders(), (Folders{kA, kC}));
}

TEST(PetFolderList, StoredActiveIndexOutsideTheListMeansNoActiveFolder) {
  auto tree = std::make_shared<MemoryTree>();
  const SettingsKey root = MemoryRootKey(tree);
  const SettingsKey section = root.createSubKey("PetFolders");
  section.writeInt("ActiveIndex", 5);
  section.writeText("Folder1", kA);
  section.writeText("Folder2", kB);
  section.writeText("Folder4", kC);  // after a gap: not read
  PetFolderList list;
  list.Load(root);
  EXPECT_EQ(list.Folders(), (Folders{kA, kB}));
  EXPECT_EQ(list.ActiveIndex(), 5);
  EXPECT_FALSE(list.HasActiveFolder());
  EXPECT_EQ(list.ActiveFolder(), "");
}

class PetFolderMigration : public ::testing::Test {
 protected:
  void Parse(const std::string& body) {
    const std::string file = "REGEDIT4\r\n\r\n[" + rootPath + "]\r\n" + body;
    std::string error;
    ASSERT_TRUE(ParseRegedit4(file, rootPath, tree.get(), &error)) << error;
  }
  std::string rootPath = SettingsRootPath("mogura");
  std::shared_ptr<MemoryTree> tree = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(tree);
};

// An older release kept one folder as "KuruminDir" directly under the root.
TEST_F(PetFolderMigration, KuruminDirBecomesTheActiveFolderAndLeavesTheRoot) {
  Parse("\"KuruminDir\"=\"C:\\\\Program Files\\\\Kurumin\\\\\"\r\n\"TargetType\"=dword:00000001\r\n\r\n");
  PetFolderList list;
  list.Load(root);
  EXPECT_EQ(list.Folders(), (Folders{"C:\\Program Files\\Kurumin\\"}));
  EXPECT_TRUE(list.HasActiveFolder());
  std::string text;
  EXPECT_FALSE(root.readText("KuruminDir", &text));

  ASSERT_TRUE(list.Save(root));
  const std::string written = FormatRegedit4(*tree, rootPath);
  EXPECT_EQ(written.find("KuruminDir"), std::string::npos);
  EXPECT_NE(written.find("\"Folder1\"=\"C:\\\\Program Files\\\\Kurumin\\\\\""), std::string::npos);
  EXPECT_NE(written.find("\"ActiveIndex\"=dword:00000000"), std::string::npos);
}

TEST_F(PetFolderMigration, KuruminDirIsLeftAloneOnceTheSectionExists) {
  Parse("\"KuruminDir\"=\"C:\\\\Old\\\\\"\r\n\r\n[" + rootPath + "\\PetFolders]\r\n\"ActiveIndex\"=dword:00000000\r\n" +
        "\"Folder1\"=\"C:\\\\New\\\\\"\r\n\r\n");
  PetFolderList list;
  list.Load(root);
  EXPECT_EQ(list.Folders(), (Folders{"C:\\New\\"}));
  std::string text;
  EXPECT_TRUE(root.readText("KuruminDir", &text));
}

}  // namespace
}  // namespace mogura
