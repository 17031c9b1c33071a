// The machine's disk that the tests run on behaves as the host's file system does: the same
// checks run on both. What only the disk has (creation order, the faults a test plans, the
// read counts) is checked on its own.
#include "support/memory_disk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "support/drawer_writer.h"
#include "support/temp_folder.h"

namespace mogura {
namespace {

using test::FileOp;
using test::MemoryDisk;
using test::WriteBytes;

const std::string kSoHyo = "\x83\x5C\x95\x5C";  // "ソ表": both trail bytes are backslashes

std::string Read(FileSystem& fs, const std::string& path) {
  std::string bytes;
  return ReadWholeFile(fs, path, 1 << 20, &bytes) ? bytes : "<none>";
}

std::vector<std::string> Sorted(FileSystem& fs, const std::string& folder, const std::string& pattern = "*") {
  std::vector<std::string> names;
  EXPECT_TRUE(fs.findFiles(folder, pattern, &names)) << folder;
  std::sort(names.begin(), names.end());
  return names;
}

// A file system and an empty folder on it, ending in its separator.
struct Place {
  virtual ~Place() = default;
  virtual FileSystem& fs() = 0;
  virtual std::string folder() const = 0;
};
struct HostPlace : Place {
  FileSystem& fs() override { return HostFileSystem(); }
  std::string folder() const override { return temp.path(); }
  test::TempFolder temp;
};
struct DiskPlace : Place {
  FileSystem& fs() override { return disk; }
  std::string folder() const override { return "C:\\" + kSoHyo + "\\"; }
  DiskPlace() { disk.addFolder(folder()); }
  MemoryDisk disk;
};

class FileSystemContract : public ::testing::TestWithParam<bool> {
 protected:
  FileSystemContract() : place(GetParam() ? std::unique_ptr<Place>(new DiskPlace) : std::make_unique<HostPlace>()) {}
  std::string At(const std::string& name) const { return place->folder() + name; }
  std::unique_ptr<Place> place;
  FileSystem& fs = place->fs();
};

TEST_P(FileSystemContract, FoldersHoldFilesAndGoOnlyWhenEmpty) {
  const std::string folder = At(kSoHyo);
  ASSERT_TRUE(fs.createFolder(folder));
  EXPECT_FALSE(fs.createFolder(folder));
  EXPECT_FALSE(fs.createFolder(At("missing") + fs.separator() + "x"));
  EXPECT_TRUE(fs.isDirectory(folder + fs.separator()));
  const std::string path = folder + fs.separator() + kSoHyo + ".krm";
  ASSERT_TRUE(WriteBytes(fs, path, "abc"));
  EXPECT_TRUE(fs.exists(path));
  EXPECT_FALSE(fs.isDirectory(path));
  EXPECT_EQ(Sorted(fs, folder, "??.KRM"), std::vector<std::string>{kSoHyo + ".krm"});
  EXPECT_FALSE(fs.removeFolder(folder));
  EXPECT_FALSE(fs.removeFile(folder));
  EXPECT_FALSE(fs.removeFolder(path));
  EXPECT_TRUE(fs.removeFile(path));
  EXPECT_FALSE(fs.exists(path));
  EXPECT_TRUE(fs.removeFolder(folder));
  EXPECT_FALSE(fs.exists(folder));
  std::vector<std::string> names;
  EXPECT_FALSE(fs.findFiles(folder, "*", &names));
}

TEST_P(FileSystemContract, FilesAreCreatedOnlyInAFolderAndReadAsWritten) {
  EXPECT_FALSE(fs.createFile(At("missing") + fs.separator() + "a.htm"));
  ASSERT_TRUE(fs.createFolder(At("dir")));
  EXPECT_FALSE(fs.createFile(At("dir")));
  EXPECT_FALSE(fs.openRead(At("dir")));
  EXPECT_FALSE(fs.openRead(At("none")));
  ASSERT_TRUE(WriteBytes(fs, At("f"), "0123456789"));
  ASSERT_TRUE(WriteBytes(fs, At("g"), "long old bytes"));
  ASSERT_TRUE(WriteBytes(fs, At("g"), "new"));  // created again: emptied first
  EXPECT_EQ(Read(fs, At("g")), "new");
  auto in = fs.openRead(At("f"));
  ASSERT_TRUE(in);
  EXPECT_EQ(in->size(), 10u);
  char buffer[16];
  std::size_t got = 99;
  ASSERT_TRUE(in->readAt(7, buffer, sizeof buffer, &got));
  EXPECT_EQ(std::string(buffer, got), "789");
  ASSERT_TRUE(in->readAt(4000000000ull, buffer, sizeof buffer, &got));
  EXPECT_EQ(got, 0u);
  EXPECT_EQ(Sorted(fs, place->folder()), (std::vector<std::string>{"f", "g"}));
}

TEST_P(FileSystemContract, CopyAndReplaceOverwriteAndWhatIsOpenReadsOn) {
  ASSERT_TRUE(WriteBytes(fs, At("a"), "first"));
  ASSERT_TRUE(WriteBytes(fs, At("b"), "second"));
  EXPECT_TRUE(fs.copyFile(At("a"), At("c")));
  EXPECT_TRUE(fs.copyFile(At("b"), At("c")));
  EXPECT_EQ(Read(fs, At("c")), "second");
  EXPECT_FALSE(fs.copyFile(At("none"), At("d")));
  auto open = fs.openRead(At("b"));
  ASSERT_TRUE(open);
  EXPECT_TRUE(fs.replaceFile(At("a"), At("c")));
  EXPECT_FALSE(fs.exists(At("a")));
  EXPECT_EQ(Read(fs, At("c")), "first");
  EXPECT_FALSE(fs.replaceFile(At("a"), At("c")));
  EXPECT_FALSE(fs.replaceFile(At("c"), At("none") + fs.separator() + "c"));
  EXPECT_EQ(Read(fs, At("c")), "first");
  EXPECT_TRUE(fs.removeFile(At("b")));
  char buffer[16];
  std::size_t got = 0;
  ASSERT_TRUE(open->readAt(0, buffer, sizeof buffer, &got));
  EXPECT_EQ(std::string(buffer, got), "second");
  open.reset();  // on Windows a file removed while open leaves its folder when closed
  EXPECT_EQ(Sorted(fs, place->folder()), std::vector<std::string>{"c"});
}

INSTANTIATE_TEST_SUITE_P(HostAndMemory, FileSystemContract, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Memory" : "Host"; });

TEST(MemoryDisk, NamesIgnoreTheCaseOfAsciiLettersAndListInCreationOrder) {
  MemoryDisk disk;
  disk.addFile("C:\\Mail\\b.krm", "1");
  disk.addFile("c:\\mail\\A.krm", "2");
  disk.addFile("C:/MAIL/" + kSoHyo + ".krm", "3");
  disk.addFolder("C:\\Mail\\c.krm");
  EXPECT_EQ(disk.bytesOf("C:\\MAIL\\a.KRM"), "2");
  std::vector<std::string> names;
  ASSERT_TRUE(disk.findFiles("c:\\mail\\", "*.krm", &names));
  EXPECT_EQ(names, (std::vector<std::string>{"b.krm", "A.krm", kSoHyo + ".krm"}));
  // Relative paths start in the current folder; a trail byte is never a separator.
  disk.currentFolder = "C:\\Mail";
  EXPECT_EQ(disk.bytesOf("b.krm"), "1");
  EXPECT_EQ(disk.bytesOf("\\mail\\" + kSoHyo + ".krm"), "3");
  EXPECT_FALSE(disk.has("C:\\Mail\\\x83"));
}

TEST(MemoryDisk, PlannedFaultsFailTheirOperationAndAreLogged) {
  MemoryDisk disk;
  disk.faults.failNth(FileOp::kWrite, 2);
  auto file = disk.createFile("C:\\a");
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->write("one ", 4));
  EXPECT_FALSE(file->write("two ", 4));  // writes nothing
  EXPECT_FALSE(file->write("three", 5));  // written, but the file stays failed
  EXPECT_FALSE(file->close());
  EXPECT_EQ(disk.bytesOf("C:\\a"), "one three");
  EXPECT_EQ(disk.faults.pathsOf(FileOp::kWrite), (std::vector<std::string>(3, "C:\\a")));

  disk.faults.failNth(FileOp::kRename, 1);
  EXPECT_FALSE(disk.replaceFile("C:\\a", "C:\\b"));
  EXPECT_TRUE(disk.has("C:\\a"));
  EXPECT_FALSE(disk.has("C:\\b"));
  disk.faults.failNth(FileOp::kClose, 1);
  EXPECT_FALSE(WriteBytes(disk, "C:\\c", "whole"));
  EXPECT_EQ(disk.bytesOf("C:\\c"), "whole");  // a failed close still closes
  disk.faults.failNth(FileOp::kOpen, 1);
  EXPECT_FALSE(disk.createFile("C:\\d"));
  EXPECT_FALSE(disk.has("C:\\d"));

  disk.faults.unopenable = {"C:\\e"};
  disk.faults.failingWrites = {"C:\\f"};
  EXPECT_FALSE(disk.createFile("C:\\e"));
  EXPECT_FALSE(WriteBytes(disk, "C:\\f", "x"));
  EXPECT_TRUE(disk.has("C:\\f"));
  EXPECT_EQ(disk.bytesOf("C:\\f"), "");
  EXPECT_EQ(disk.created, (std::vector<std::string>{"C:\\a", "C:\\c", "C:\\d", "C:\\e", "C:\\f"}));
}

TEST(MemoryDisk, ReadsCanFailFromAnOffsetOrFindLessThanTheSizeClaimed) {
  MemoryDisk disk;
  disk.addFile("C:\\d", "0123456789").readsFailFrom = 6;
  disk.addFile("C:\\e", "01").claimedSize = 100;
  auto d = disk.openRead("C:\\d");
  auto e = disk.openRead("C:\\e");
  ASSERT_TRUE(d && e);
  char buffer[8];
  std::size_t got = 0;
  EXPECT_TRUE(d->readAt(0, buffer, 6, &got));
  EXPECT_FALSE(d->readAt(3, buffer, 4, &got));
  EXPECT_EQ(e->size(), 100u);
  EXPECT_TRUE(e->readAt(0, buffer, 8, &got));
  EXPECT_EQ(got, 2u);
  EXPECT_EQ(disk.bytesRead, 8u);
  EXPECT_EQ(disk.largestRequest, 8u);
  EXPECT_EQ(disk.opened, (std::vector<std::string>{"C:\\d", "C:\\e"}));
}

}  // namespace
}  // namespace mogura
