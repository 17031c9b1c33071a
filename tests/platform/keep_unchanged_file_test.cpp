#include "platform/keep_unchanged_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/drawer_writer.h"
#include "support/memory_disk.h"

namespace mogura {
namespace {

using test::FileOp;

class KeepUnchangedFileTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& file) {
    std::string bytes;
    return ReadWholeFile(files, file, 1 << 26, &bytes) ? bytes : "<none>";
  }

  std::vector<std::string> Names(const std::string& in) {
    std::vector<std::string> names;
    EXPECT_TRUE(files.findFiles(in, "*", &names));
    return names;
  }

  // Writes `bytes` in pieces of `piece` bytes; true when the file reached its end well.
  bool Write(const std::string& bytes, std::size_t piece = 7) {
    auto file = KeepUnchangedFile::Open(files, path);
    if (!file) return false;
    bool ok = true;
    for (std::size_t at = 0; at < bytes.size(); at += piece)
      ok = file->write(bytes.data() + at, std::min(piece, bytes.size() - at)) && ok;
    ok = file->close() && ok;
    unchanged = ok && file->unchanged();
    return ok;
  }

  test::MemoryDisk files;
  const std::string folder = files.addFolder("C:\\site");
  const std::string path = folder + "page.htm";
  bool unchanged = false;
};

TEST_F(KeepUnchangedFileTest, EqualBytesLeaveTheFileAloneAndAnyDifferenceReplacesIt) {
  const std::string old = std::string(200000, 'a') + "middle" + std::string(1000, 'z');
  ASSERT_TRUE(test::WriteBytes(files, path, old));
  files.created.clear();

  files.faults.failNth(FileOp::kOpen, 0);
  ASSERT_TRUE(Write(old, 65536));
  EXPECT_TRUE(unchanged);
  EXPECT_TRUE(files.created.empty()) << "nothing may be created for an unchanged file";
  EXPECT_TRUE(files.faults.pathsOf(FileOp::kRename).empty());

  std::string changedInside = old;
  changedInside[200003] = 'M';
  const std::string variants[] = {
      "b" + old.substr(1),               // the first byte
      changedInside,                     // one byte in the middle, after several equal pieces
      old.substr(0, old.size() - 1) + "!",  // the last byte
      old + "more",                      // longer
      old.substr(0, 150000),             // shorter: found only when closed
      "",                                // empty
  };
  for (const std::string& bytes : variants) {
    SCOPED_TRACE(bytes.size());
    ASSERT_TRUE(test::WriteBytes(files, path, old));
    files.created.clear();
    ASSERT_TRUE(Write(bytes, 65536));
    EXPECT_FALSE(unchanged);
    EXPECT_TRUE(Read(path) == bytes);
    EXPECT_EQ(files.created, std::vector<std::string>{path + ".new"});
    EXPECT_EQ(Names(folder), std::vector<std::string>{"page.htm"});
  }
}

TEST_F(KeepUnchangedFileTest, ANewFileIsWrittenInPlaceAndAFolderIsRefused) {
  ASSERT_TRUE(Write("fresh"));
  EXPECT_FALSE(unchanged);
  EXPECT_EQ(Read(path), "fresh");
  EXPECT_EQ(files.created, std::vector<std::string>{path});

  ASSERT_TRUE(files.createFolder(folder + "dir"));
  EXPECT_EQ(KeepUnchangedFile::Open(files, folder + "dir"), nullptr);
  EXPECT_EQ(KeepUnchangedFile::Open(files, folder + "missing\\x.htm"), nullptr);
}

TEST_F(KeepUnchangedFileTest, AFailureWhileReplacingLeavesTheOldFileWholeAndNoTemporaryFile) {
  const std::string old(100000, 'o');
  const std::string fresh = old.substr(0, 50000) + std::string(100000, 'n');
  for (FileOp op : {FileOp::kOpen, FileOp::kWrite, FileOp::kClose, FileOp::kRename}) {
    int faultsMet = 0;
    for (int n = 1; n <= 3; ++n) {
      SCOPED_TRACE(std::to_string(static_cast<int>(op)) + " " + std::to_string(n));
      files.faults.failNth(FileOp::kOpen, 0);  // the old file is written without a fault
      ASSERT_TRUE(test::WriteBytes(files, path, old));
      files.faults.failNth(op, n);
      const bool ok = Write(fresh, 65536);
      bool anyFailed = false;
      for (const auto& logged : files.faults.ops) anyFailed = anyFailed || logged.failed;
      faultsMet += anyFailed ? 1 : 0;
      EXPECT_EQ(ok, !anyFailed);
      EXPECT_TRUE(Read(path) == (ok ? fresh : old)) << "a part of a file stands where the old one stood";
      EXPECT_EQ(Names(folder), std::vector<std::string>{"page.htm"});
    }
    EXPECT_GT(faultsMet, 0);
  }
}

TEST_F(KeepUnchangedFileTest, AFileDroppedBeforeItsCloseNeverReplacesTheOldOne) {
  ASSERT_TRUE(test::WriteBytes(files, path, "old page"));
  {
    auto file = KeepUnchangedFile::Open(files, path);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->write("new", 3));  // differs: the new file is started beside the old one
  }
  EXPECT_EQ(Read(path), "old page");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"page.htm"});
}

}  // namespace
}  // namespace mogura
