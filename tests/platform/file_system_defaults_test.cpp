// What a file system offers the setup program when it has no links, protection, attributes or
// restart service of its own: every such operation refuses, and a path counts as a link, so
// that nothing is ever entered, written or deleted through what cannot be told apart.
#include <gtest/gtest.h>

#include "platform/files.h"

namespace mogura {
namespace {

// Files only: the operations every file system has, and nothing else.
class FilesOnly : public FileSystem {
 public:
  char separator() const override { return '/'; }
  std::unique_ptr<InputFile> openRead(const std::string&) override { return nullptr; }
  std::unique_ptr<OutputFile> createFile(const std::string&) override { return nullptr; }
  bool exists(const std::string&) override { return true; }
  bool isDirectory(const std::string&) override { return true; }
  bool findFiles(const std::string&, const std::string&, std::vector<std::string>*) override { return true; }
  bool createFolder(const std::string&) override { return true; }
  bool removeFolder(const std::string&) override { return true; }
  bool removeFile(const std::string&) override { return true; }
  bool copyFile(const std::string&, const std::string&) override { return true; }
  bool replaceFile(const std::string&, const std::string&) override { return true; }
};

TEST(FileSystemDefaults, WithoutLinksProtectionAndAttributesEverythingRefusesSafely) {
  FilesOnly files;
  std::vector<FolderEntry> entries;
  EXPECT_FALSE(files.listFolder("/data/", &entries));
  EXPECT_TRUE(entries.empty());
  EXPECT_TRUE(files.isLink("/data/notes"));  // cannot tell: never entered
  EXPECT_FALSE(files.removeLink("/data/notes"));
  EXPECT_FALSE(files.createProtectedFolder("/data/new"));  // never made without its protection
  EXPECT_EQ(files.copy("/a", "/b", false), CopyOutcome::Failed);
  EXPECT_EQ(files.copy("/a", "/b", true), CopyOutcome::Failed);
  EXPECT_FALSE(files.setNormalAttributes("/a"));
  DiskFreeSpace space{1, 2, 3};
  EXPECT_FALSE(files.freeSpace("/a", &space));
  EXPECT_EQ(space.freeClusters, 3u);
  EXPECT_EQ(files.shortPath("/data/a long name.txt"), "/data/a long name.txt");
  EXPECT_FALSE(files.deleteAtRestart("/a"));
  EXPECT_FALSE(files.setCurrentFolder("/data"));
}

}  // namespace
}  // namespace mogura
