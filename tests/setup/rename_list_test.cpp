// The deletion at the next restart: the system's own, else the rename list of WININIT.INI.
#include "setup/rename_list.h"

#include <gtest/gtest.h>

#include "setup/delete_on_restart.h"
#include "setup/fake_setup_edge.h"

namespace mogura {
namespace {

using test::FakeSetup;

TEST(RenameList, AddedToANewOrEmptyFile) {
  EXPECT_EQ(AddDeletionToRenameList("", "C:\\WINDOWS\\SETUP-~1.EXE"), "[Rename]\r\nNUL=C:\\WINDOWS\\SETUP-~1.EXE\r\n");
}

TEST(RenameList, EveryExistingLineIsKeptWithItsOwnValue) {
  const std::string file =
      "[boot]\r\nshell=x\r\n"
      "[rename]\r\nNUL=C:\\A.TMP\r\nNUL=C:\\B.TMP\r\n\r\nC:\\NEW.DLL=C:\\OLD.DLL\r\n"
      "[other]\r\nk=v\r\n"
      "[Rename]\r\nNUL=C:\\C.TMP\r\n"
      "\x1A";
  EXPECT_EQ(*AddDeletionToRenameList(file, "C:\\D.TMP"),
            "[boot]\r\nshell=x\r\n[other]\r\nk=v\r\n"
            "[Rename]\r\nNUL=C:\\A.TMP\r\nNUL=C:\\B.TMP\r\nC:\\NEW.DLL=C:\\OLD.DLL\r\nNUL=C:\\C.TMP\r\nNUL=C:\\D.TMP\r\n");
}

TEST(RenameList, TheEndMarkIsWrittenOverAndALastLineIsEnded) {
  EXPECT_EQ(*AddDeletionToRenameList("[boot]\r\nk=v\x1A", "P"), "[boot]\r\nk=v\r\n[Rename]\r\nNUL=P\r\n");
  EXPECT_EQ(*AddDeletionToRenameList("[boot]\nk=v", "P"), "[boot]\nk=v\r\n[Rename]\r\nNUL=P\r\n");
}

TEST(RenameList, TooLongAListChangesNothing) {
  std::string file = "[Rename]\r\n";
  while (file.size() <= kLongestKeptRenameLines) file += "NUL=C:\\TEMP\\FILE0000.TMP\r\n";
  EXPECT_FALSE(AddDeletionToRenameList(file, "P"));
  // Just below the limit the new line still fits into the text.
  std::string fits = "[Rename]\r\n" + std::string(kLongestKeptRenameLines - 12, 'k') + "\r\n";
  EXPECT_TRUE(AddDeletionToRenameList(fits, "P"));
  EXPECT_FALSE(AddDeletionToRenameList(fits, std::string(kLongestRenameText, 'p')));
}

TEST(DeleteOnRestart, TheSystemFirstThenTheStartupFile) {
  FakeSetup setup;
  const std::string copy = "C:\\WINDOWS\\system32\\setup-mogura-1.exe";
  EXPECT_TRUE(DeleteOnRestart(setup.edge, copy));
  EXPECT_EQ(setup.disk.deletedAtRestart, std::vector<std::string>{copy});
  EXPECT_FALSE(setup.disk.has("C:\\WINDOWS\\WININIT.INI"));

  setup.disk.acceptsDeleteAtRestart = false;
  setup.disk.shortNames[copy] = "C:\\WINDOWS\\SYSTEM32\\SETUP-~1.EXE";
  setup.disk.addFile("C:\\WINDOWS\\WININIT.INI", "[Rename]\r\nNUL=C:\\OLD.TMP\r\n\x1A");
  EXPECT_TRUE(DeleteOnRestart(setup.edge, copy));
  EXPECT_EQ(setup.disk.bytesOf("C:\\WINDOWS\\WININIT.INI"),
            "[Rename]\r\nNUL=C:\\OLD.TMP\r\nNUL=C:\\WINDOWS\\SYSTEM32\\SETUP-~1.EXE\r\n");
  EXPECT_EQ(setup.disk.below("C:\\WINDOWS").size(), 2u);  // system32 and the file: no temporary file left
}

}  // namespace
}  // namespace mogura
