#include <gtest/gtest.h>

#include <algorithm>

#include "platform/files.h"
#include "platform/text_output.h"
#include "support/temp_folder.h"

namespace mogura {
namespace {

using test::TempFolder;

// "ソ表" ends in trail bytes equal to '\\'; the names below must survive every conversion.
const std::string kSoHyo = "\x83\x5C\x95\x5C";

void WriteBytes(const std::string& path, const std::string& bytes) {
  auto file = HostFileSystem().createFile(path);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->write(bytes.data(), bytes.size()));
  ASSERT_TRUE(file->close());
}

TEST(FileSystem, Cp932NamesWithBackslashTrailBytesRoundTrip) {
  TempFolder temp;
  FileSystem& fs = HostFileSystem();
  const std::string folder = temp.file(kSoHyo);
  ASSERT_TRUE(fs.createFolder(folder));
  EXPECT_TRUE(fs.isDirectory(folder));
  const std::string path = folder + fs.separator() + kSoHyo + ".krm";
  WriteBytes(path, "abc");
  EXPECT_TRUE(fs.exists(path));
  EXPECT_FALSE(fs.isDirectory(path));

  std::vector<std::string> names;
  ASSERT_TRUE(fs.findFiles(folder, "*.krm", &names));
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0], kSoHyo + ".krm");

  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(fs, path, 100, &bytes));
  EXPECT_EQ(bytes, "abc");
  EXPECT_TRUE(fs.removeFile(path));
  EXPECT_FALSE(fs.exists(path));
  EXPECT_TRUE(fs.removeFolder(folder));
}

TEST(FileSystem, FindFilesMatchesTheExtensionCaseInsensitivelyAndSkipsFolders) {
  TempFolder temp;
  FileSystem& fs = HostFileSystem();
  WriteBytes(temp.file("a.krm"), "");
  WriteBytes(temp.file("B.KRM"), "");
  WriteBytes(temp.file("c.krl"), "");
  WriteBytes(temp.file("d.krm.bak"), "");
  ASSERT_TRUE(fs.createFolder(temp.file("e.krm")));
  std::vector<std::string> names;
  ASSERT_TRUE(fs.findFiles(temp.path(), "*.krm", &names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"B.KRM", "a.krm"}));
  names.clear();
  EXPECT_FALSE(fs.findFiles(temp.file("missing"), "*.krm", &names));
  EXPECT_TRUE(names.empty());
}

TEST(FileSystem, ReadsStopAtTheEndOfTheFile) {
  TempFolder temp;
  WriteBytes(temp.file("f"), "0123456789");
  auto in = HostFileSystem().openRead(temp.file("f"));
  ASSERT_TRUE(in);
  EXPECT_EQ(in->size(), 10u);
  char buffer[16];
  std::size_t got = 99;
  ASSERT_TRUE(in->readAt(7, buffer, sizeof buffer, &got));
  EXPECT_EQ(std::string(buffer, got), "789");
  ASSERT_TRUE(in->readAt(4000000000ull, buffer, sizeof buffer, &got));
  EXPECT_EQ(got, 0u);
  EXPECT_FALSE(HostFileSystem().openRead(temp.file("missing")));
  EXPECT_FALSE(HostFileSystem().openRead(temp.path()));  // a folder is no input file
}

// The host program may rename, replace or delete its files while we hold them open for reading.
TEST(FileSystem, AFileOpenForReadingCanBeRenamedReplacedAndDeleted) {
  TempFolder temp;
  FileSystem& fs = HostFileSystem();
  const std::string path = temp.file("list.krl");
  WriteBytes(path, "old bytes");
  auto open = fs.openRead(path);
  ASSERT_TRUE(open);
  // Replaced the way a program that keeps a backup does it: the old file moved aside first.
  EXPECT_TRUE(fs.replaceFile(path, temp.file("list.bak")));
  WriteBytes(path, "new");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(fs, path, 100, &bytes));
  EXPECT_EQ(bytes, "new");
  auto second = fs.openRead(path);
  ASSERT_TRUE(second);
  EXPECT_TRUE(fs.removeFile(path));
  EXPECT_TRUE(fs.removeFile(temp.file("list.bak")));
  // What was opened still reads as it was.
  char buffer[16];
  std::size_t got = 0;
  ASSERT_TRUE(open->readAt(0, buffer, sizeof buffer, &got));
  EXPECT_EQ(std::string(buffer, got), "old bytes");
  ASSERT_TRUE(second->readAt(0, buffer, sizeof buffer, &got));
  EXPECT_EQ(std::string(buffer, got), "new");
}

TEST(FileSystem, WholeFileReadRefusesFilesOverTheLimit) {
  TempFolder temp;
  WriteBytes(temp.file("f"), std::string(100, 'x'));
  std::string bytes = "unchanged";
  EXPECT_FALSE(ReadWholeFile(HostFileSystem(), temp.file("f"), 99, &bytes));
  EXPECT_EQ(bytes, "unchanged");
  EXPECT_TRUE(ReadWholeFile(HostFileSystem(), temp.file("f"), 100, &bytes));
  EXPECT_EQ(bytes.size(), 100u);
}

TEST(FileSystem, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
  TempFolder temp;
  FileSystem& fs = HostFileSystem();
  const std::string path = temp.file("settings.reg");
  WriteBytes(path, "old");
  ASSERT_TRUE(WriteFileAtomically(fs, path, "new contents"));
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(fs, path, 1000, &bytes));
  EXPECT_EQ(bytes, "new contents");
  std::vector<std::string> names;
  ASSERT_TRUE(fs.findFiles(temp.path(), "*", &names));
  EXPECT_EQ(names, std::vector<std::string>{"settings.reg"});
  // A folder that does not exist: nothing is written, failure is reported.
  EXPECT_FALSE(WriteFileAtomically(fs, temp.file("missing") + fs.separator() + "x.reg", "x"));
}

TEST(Pattern, WildcardsCountDoubleByteCharactersAsOne) {
  EXPECT_TRUE(MatchesPattern("abc.krm", "*.krm"));
  EXPECT_TRUE(MatchesPattern("ABC.KRM", "*.krm"));
  EXPECT_FALSE(MatchesPattern("abc.krml", "*.krm"));
  EXPECT_TRUE(MatchesPattern(".krm", "*.krm"));
  EXPECT_TRUE(MatchesPattern(kSoHyo + ".krm", "??.krm"));
  EXPECT_FALSE(MatchesPattern(kSoHyo + ".krm", "???.krm"));
  EXPECT_TRUE(MatchesPattern("a.b.krm", "*.*"));
  EXPECT_TRUE(MatchesPattern("", "*"));
  EXPECT_FALSE(MatchesPattern("", "?"));
  // A full-width letter is not folded to another case.
  EXPECT_FALSE(MatchesPattern("\x82\x60", "\x82\x81"));
}

TEST(TextOutput, EveryLineFeedBecomesCrLfAcrossBufferRefills) {
  TempFolder temp;
  auto file = HostFileSystem().createFile(temp.file("out.htm"));
  ASSERT_TRUE(file);
  std::string expected;
  {
    TextOutput out(*file);
    for (int i = 0; i < 20000; ++i) {
      ASSERT_TRUE(out.write("line\n"));
      expected += "line\r\n";
    }
    ASSERT_TRUE(out.write("a\rb\n\n"));
    expected += "a\rb\r\n\r\n";
    ASSERT_TRUE(out.close());
  }
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(HostFileSystem(), temp.file("out.htm"), 1 << 20, &bytes));
  EXPECT_EQ(bytes, expected);
}

class FailingFile : public OutputFile {
 public:
  bool write(const void*, std::size_t) override { return false; }
  bool close() override { return true; }
};

TEST(TextOutput, AFailedWriteStaysFailed) {
  FailingFile sink;
  TextOutput out(sink);
  EXPECT_TRUE(out.write("buffered\n"));  // nothing has reached the file yet
  EXPECT_FALSE(out.flush());
  EXPECT_FALSE(out.good());
  EXPECT_FALSE(out.write("more"));
  EXPECT_FALSE(out.close());
}

}  // namespace
}  // namespace mogura
