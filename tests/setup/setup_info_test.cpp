// The information file read into the context, and its entries resolved.
#include "setup/setup_info.h"

#include <gtest/gtest.h>

#include "setup/fake_setup_edge.h"
#include "setup/setup_start.h"
#include "setup/uninstall_entry.h"

namespace mogura {
namespace {

using test::FakeSetup;
using test::kSo;
using test::Text;

const std::vector<std::string> kInfo = {
    "[Install]", "Title=Mogura", "Folder=mogura", "1=mogura.exe", "2=guide.htm,doc\\guide.htm", "3=",
    "4=after.the.gap", "[Group]", "1=Mogura,mogura.exe", "2=Guide,doc\\guide.htm,--x", "3=no comma", "4=A,b"};

TEST(SetupInfo, ReadsTitleFolderCountsAndDefaults) {
  FakeSetup setup;
  setup.writeInfo(kInfo);
  const SetupContext context = setup.prepare();
  EXPECT_EQ(context.modulePath, "D:\\setup.exe");
  EXPECT_EQ(context.setupFolder, "D:\\");
  EXPECT_EQ(context.setupFileName, "setup.exe");
  EXPECT_EQ(context.infPath, "D:\\setup.INF");
  EXPECT_EQ(context.title, "Mogura");
  EXPECT_EQ(context.folder, "mogura");
  EXPECT_FALSE(context.isResident);
  EXPECT_EQ(context.fileCount, 2u);   // ends at the empty entry 3
  EXPECT_EQ(context.groupCount, 2u);  // ends at the entry without a comma
  EXPECT_EQ(context.installPath, "C:\\Program Files\\mogura\\");
  EXPECT_TRUE(context.hasShellFolders);
  EXPECT_EQ(setup.disk.currentFolder, "D:\\");  // installing works in the setup folder
  EXPECT_TRUE(setup.ui.messages.empty());
}

TEST(SetupInfo, ResidentFlagShellFoldersAndLongValues) {
  FakeSetup setup;
  setup.system.version = 3;
  setup.writeInfo({"[Install]", "Title=" + std::string(120, 't'), "Folder=m", "TSR=1 yes"});
  SetupContext context = setup.prepare();
  EXPECT_TRUE(context.isResident);
  EXPECT_FALSE(context.hasShellFolders);
  EXPECT_EQ(context.title, std::string(99, 't'));

  FakeSetup other;
  other.writeInfo({"[Install]", "Title=T", "Folder=m", "TSR=01"});
  EXPECT_FALSE(other.prepare().isResident);
}

TEST(SetupInfo, ABrokenOrMissingFileEndsTheProgram) {
  const std::vector<std::vector<std::string>> broken = {
      {"[Install]", "Folder=mogura"},
      {"[Install]", "Title=T"},
      {"[Install]", "Title=T", "Folder=\"\""},
      // A folder that is no single name would reach other folders and the whole uninstall branch.
      {"[Install]", "Title=T", "Folder=..\\WINDOWS"},
      {"[Install]", "Title=T", "Folder=\\"},
      {"[Install]", "Title=T", "Folder=a\\b"},
      {"[Other]", "Title=T", "Folder=m"}};
  for (const auto& lines : broken) {
    FakeSetup setup;
    setup.writeInfo(lines);
    SetupCommand command;
    SetupContext context;
    EXPECT_FALSE(PrepareSetup(setup.edge, "", &command, &context)) << lines.back();
    ASSERT_EQ(setup.ui.messages.size(), 1u);
    EXPECT_EQ(setup.ui.messages[0].text, Text(IDS_SETUP_INFO_BROKEN));
    EXPECT_EQ(setup.ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(setup.ui.messages[0].caption, "");
  }
  FakeSetup missing;
  SetupCommand command;
  SetupContext context;
  EXPECT_FALSE(PrepareSetup(missing.edge, "", &command, &context));
  EXPECT_EQ(missing.ui.texts(), std::vector<std::string>{Text(IDS_SETUP_INFO_BROKEN)});
}

TEST(SetupInfo, ASecondInstallationProposesTheFolderOfTheFirst) {
  FakeSetup setup;
  setup.writeInfo(kInfo);
  setup.registry.setString(RegistryRoot::LocalMachine, UninstallKeyPath("mogura"), "UninstallString",
                           "\"E:\\Tools\\" + kSo + "\\setup.exe\" /r");
  EXPECT_EQ(setup.prepare().installPath, "E:\\Tools\\" + kSo + "\\");

  // The key without the value, or a value naming no folder, keeps the default.
  FakeSetup bare;
  bare.writeInfo(kInfo);
  bare.registry.addKey(RegistryRoot::LocalMachine, UninstallKeyPath("mogura"));
  EXPECT_EQ(bare.prepare().installPath, "C:\\Program Files\\mogura\\");
  bare.registry.setString(RegistryRoot::LocalMachine, UninstallKeyPath("mogura"), "UninstallString", "setup /r");
  EXPECT_EQ(bare.prepare().installPath, "C:\\Program Files\\mogura\\");
}

TEST(SetupInfo, RemovalTakesTheInstalledProgramsFolder) {
  FakeSetup setup;
  setup.system.module = "C:\\WINDOWS\\system32\\setup-mogura-1.exe";
  setup.writeInfo(kInfo, "C:\\Program Files\\mogura\\setup.INF");
  setup.writeUninstallEntry("mogura", "C:\\Program Files\\mogura\\setup.exe");
  const SetupContext context = setup.prepare("x C:\\Program Files\\mogura\\setup.exe");
  EXPECT_EQ(context.modulePath, "C:\\WINDOWS\\system32\\setup-mogura-1.exe");
  EXPECT_EQ(context.setupFileName, "setup.exe");
  EXPECT_EQ(context.installPath, "C:\\Program Files\\mogura\\");
  EXPECT_EQ(setup.disk.currentFolder, "C:\\");  // untouched

  // A path without a real installation folder would have the removal walk a drive or the
  // current folder.
  for (const char* path : {"x setup.exe", "x C:\\setup.exe", "x C:\\a\\..\\setup.exe", "x", "x C:\\m\\"}) {
    FakeSetup bad;
    bad.writeInfo(kInfo, "C:\\setup.INF");
    SetupCommand command;
    SetupContext ignored;
    EXPECT_FALSE(PrepareSetup(bad.edge, path, &command, &ignored)) << path;
    EXPECT_EQ(bad.ui.texts(), std::vector<std::string>{Text(IDS_SETUP_INFO_BROKEN)}) << path;
  }
}

TEST(SetupInfo, FileEntries) {
  FakeSetup setup;
  setup.writeInfo(kInfo);
  const SetupContext context = setup.prepare();
  const FileEntry self = ResolveFileEntry(context, -1);
  EXPECT_EQ(self.source, "setup.exe");
  EXPECT_EQ(self.target, "C:\\Program Files\\mogura\\setup.exe");
  EXPECT_TRUE(self.staysInside);
  EXPECT_EQ(ResolveFileEntry(context, 0).source, "setup.INF");
  EXPECT_EQ(ResolveFileEntry(context, 0).target, "C:\\Program Files\\mogura\\setup.INF");
  EXPECT_EQ(ResolveFileEntry(context, 1).source, "mogura.exe");
  EXPECT_EQ(ResolveFileEntry(context, 1).target, "C:\\Program Files\\mogura\\mogura.exe");
  const FileEntry guide = ResolveFileEntry(context, 2);
  EXPECT_EQ(guide.source, "guide.htm");
  EXPECT_EQ(guide.target, "C:\\Program Files\\mogura\\doc\\guide.htm");
  EXPECT_EQ(guide.target.substr(guide.relativeStart), "doc\\guide.htm");
  // A missing entry: nothing to copy, and the target is the folder itself.
  const FileEntry none = ResolveFileEntry(context, 3);
  EXPECT_EQ(none.source, "");
  EXPECT_EQ(none.target, "C:\\Program Files\\mogura\\");
  EXPECT_FALSE(none.staysInside);
}

TEST(SetupInfo, DestinationsThatLeaveTheFolderAreRefused) {
  FakeSetup setup;
  setup.writeInfo({"[Install]", "Title=T", "Folder=m", "1=a.exe,..\\..\\WINDOWS\\a.exe", "2=b.exe,C:\\b.exe",
                   "3=c.exe,\\c.exe", "4=d.exe,", "5=" + kSo + ".exe", "6=x" + kSo + "\\y.exe,sub\\" + kSo});
  const SetupContext context = setup.prepare();
  ASSERT_EQ(context.fileCount, 6u);
  for (int n = 1; n <= 4; ++n) EXPECT_FALSE(ResolveFileEntry(context, n).staysInside) << n;
  EXPECT_TRUE(ResolveFileEntry(context, 5).staysInside);
  // The trail byte of "ソ" is no comma or separator.
  EXPECT_EQ(ResolveFileEntry(context, 6).source, "x" + kSo + "\\y.exe");
  EXPECT_TRUE(ResolveFileEntry(context, 6).staysInside);
}

TEST(SetupInfo, GroupEntries) {
  FakeSetup setup;
  setup.writeInfo(kInfo);
  const SetupContext context = setup.prepare();
  EXPECT_EQ(ResolveGroupEntry(context, 1).caption, "Mogura");
  EXPECT_EQ(ResolveGroupEntry(context, 1).target, "C:\\Program Files\\mogura\\mogura.exe");
  EXPECT_EQ(ResolveGroupEntry(context, 2).target, "C:\\Program Files\\mogura\\doc\\guide.htm,--x");
  EXPECT_EQ(ResolveGroupEntry(context, 3).caption, "");
  EXPECT_EQ(ResolveGroupEntry(context, 9).caption, "");
}

}  // namespace
}  // namespace mogura
