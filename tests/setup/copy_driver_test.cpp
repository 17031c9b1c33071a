// The copy page: its step sequence, the copies, the shortcuts, the uninstall entry and Finish.
#include "setup/copy_driver.h"

#include <gtest/gtest.h>

#include "setup/fake_setup_edge.h"
#include "setup/uninstall_entry.h"

namespace mogura {
namespace {

using test::MemoryDisk;
using test::FakeSetup;
using test::kDesktopFolder;
using test::kProgramsFolder;
using test::kStartupFolder;
using test::kSo;
using test::Text;

const std::string kPath = "C:\\Program Files\\mogura\\";

// Runs every step as the page's posted commands do; the reports in order.
std::vector<CopyStepReport> RunAllSteps(CopyDriver& driver) {
  std::vector<CopyStepReport> reports;
  for (int guard = 0; guard < 1000; ++guard) {
    reports.push_back(driver.runStep());
    if (reports.back().last) break;
  }
  return reports;
}

struct Install {
  explicit Install(std::vector<std::string> lines) {
    setup.writeInfo(lines);
    setup.disk.addFile("D:\\mogura.exe", "program");
    setup.disk.addFile("D:\\guide.htm", "guide").readOnly = true;
    context = setup.prepare();
  }
  FakeSetup setup;
  SetupContext context;
  CopyDriver driver{setup.edge, context};
};

const std::vector<std::string> kInfo = {"[Install]", "Title=Mogura", "Folder=mogura", "Open=doc\\guide.htm",
                                        "1=mogura.exe", "2=guide.htm,doc\\guide.htm"};

TEST(CopyDriver, StepsFromTheFolderToTheUninstallEntry) {
  Install install(kInfo);
  EXPECT_EQ(install.driver.workingText(), Text(IDS_SETUP_COPYING));
  EXPECT_EQ(install.driver.controlPanelNote(), Text(IDS_SETUP_CONTROL_PANEL_NOTE));
  EXPECT_EQ(install.driver.progressRange(), 5u);
  const std::vector<CopyStepReport> reports = RunAllSteps(install.driver);
  ASSERT_EQ(reports.size(), 6u);  // steps 0 .. fileCount + 3
  const CopyStepKind kinds[] = {CopyStepKind::MakeFolder, CopyStepKind::CopyFile, CopyStepKind::CopyFile,
                                CopyStepKind::CopyFile,   CopyStepKind::CopyFile, CopyStepKind::MakeShortcuts};
  for (unsigned i = 0; i < reports.size(); ++i) {
    EXPECT_EQ(reports[i].step, i);
    EXPECT_EQ(reports[i].kind, kinds[i]) << i;
    EXPECT_TRUE(reports[i].ok) << i;
    EXPECT_EQ(reports[i].last, i == 5) << i;
  }
  EXPECT_TRUE(install.driver.finished());
  EXPECT_EQ(install.driver.runStep().kind, CopyStepKind::None);  // nothing runs twice
  EXPECT_EQ(install.setup.disk.below("C:\\Program Files\\mogura"),
            (std::vector<std::string>{kPath + "setup.exe", kPath + "setup.INF", kPath + "mogura.exe", kPath + "doc",
                                      kPath + "doc\\guide.htm"}));
  EXPECT_EQ(install.setup.disk.bytesOf(kPath + "doc\\guide.htm"), "guide");
  EXPECT_FALSE(install.setup.disk.node(kPath + "doc\\guide.htm")->readOnly);  // the medium's flag is cleared
  EXPECT_TRUE(install.setup.ui.messages.empty());

  const auto key = UninstallKeyPath("mogura");
  EXPECT_EQ(install.setup.registry.stringOf(RegistryRoot::LocalMachine, key, "DisplayName"), "Mogura");
  EXPECT_EQ(install.setup.registry.stringOf(RegistryRoot::LocalMachine, key, "UninstallString"),
            "\"C:\\Program Files\\mogura\\setup.exe\" /r");
  EXPECT_EQ(install.driver.doneText(), Text(IDS_SETUP_INSTALLED));
  EXPECT_TRUE(install.driver.showsControlPanelNote());
}

TEST(CopyDriver, FinishStartsTheMainProgramAndOpensTheDocumentForTheUser) {
  Install install(kInfo);
  RunAllSteps(install.driver);
  install.driver.finish();
  ASSERT_EQ(install.setup.shell.startedForUser.size(), 1u);
  EXPECT_EQ(install.setup.shell.startedForUser[0].program, kPath + "mogura.exe");
  EXPECT_EQ(install.setup.shell.startedForUser[0].folder, kPath);
  ASSERT_EQ(install.setup.shell.openedForUser.size(), 1u);
  EXPECT_EQ(install.setup.shell.openedForUser[0].program, kPath + "doc\\guide.htm");
  EXPECT_TRUE(install.setup.shell.started.empty());  // nothing with the setup program's rights
  EXPECT_TRUE(install.setup.ui.messages.empty());
}

TEST(CopyDriver, CopyFailuresAreToldAndTheSequenceGoesOn) {
  Install install({"[Install]", "Title=Mogura", "Folder=mogura", "1=mogura.exe", "2=missing.dll",
                   "3=guide.htm,..\\..\\WINDOWS\\guide.htm", "4=guide.htm,C:\\guide.htm", "5=guide.htm,x.htm"});
  install.setup.disk.addFile(kPath + "x.htm").inUse = true;
  const std::vector<CopyStepReport> reports = RunAllSteps(install.driver);
  ASSERT_EQ(reports.size(), 9u);
  EXPECT_TRUE(reports[3].ok);
  for (unsigned step : {4u, 5u, 6u, 7u}) EXPECT_FALSE(reports[step].ok) << step;
  EXPECT_EQ(install.setup.ui.texts(),
            (std::vector<std::string>{"missing.dll" + Text(IDS_SETUP_COPY_FAILED),
                                      "guide.htm" + Text(IDS_SETUP_COPY_FAILED),
                                      "guide.htm" + Text(IDS_SETUP_COPY_FAILED),
                                      kPath + "x.htm" + Text(IDS_SETUP_TARGET_IN_USE)}));
  EXPECT_FALSE(install.setup.disk.has("C:\\WINDOWS\\guide.htm"));
  EXPECT_FALSE(install.setup.disk.has("C:\\guide.htm"));
  EXPECT_TRUE(reports.back().ok);  // the uninstall entry is still written
}

TEST(CopyDriver, SubfolderFailureStopsThatFileOnly) {
  Install install({"[Install]", "Title=Mogura", "Folder=mogura", "1=mogura.exe", "2=guide.htm,doc\\g.htm"});
  install.setup.disk.addFolder(kPath);
  install.setup.disk.addFile(kPath + "doc");  // a file where the folder should be
  RunAllSteps(install.driver);
  EXPECT_EQ(install.setup.ui.texts(), std::vector<std::string>{kPath + "doc" + Text(IDS_SETUP_FILE_IN_THE_WAY)});
  EXPECT_TRUE(install.setup.disk.has(kPath + "mogura.exe"));
}

// The copy never writes through a link: the installation folder, a folder on the way and the
// target file are each checked, and each refusal is the copy's failure message.
TEST(CopyDriver, NeverWritesThroughALink) {
  Install folderLink(kInfo);
  folderLink.setup.disk.addFolder("D:\\Other");
  folderLink.setup.disk.addLink(kPath, "D:\\Other", true);
  RunAllSteps(folderLink.driver);
  EXPECT_EQ(folderLink.setup.ui.texts(),
            (std::vector<std::string>{
                "setup.exe" + Text(IDS_SETUP_COPY_FAILED), "setup.INF" + Text(IDS_SETUP_COPY_FAILED),
                "mogura.exe" + Text(IDS_SETUP_COPY_FAILED), "guide.htm" + Text(IDS_SETUP_COPY_FAILED)}));
  EXPECT_TRUE(folderLink.setup.disk.below("D:\\Other").empty());

  Install subfolderLink(kInfo);
  subfolderLink.setup.disk.addFolder(kPath);
  subfolderLink.setup.disk.addFile("D:\\Notes\\guide.htm", "the user's");
  subfolderLink.setup.disk.addLink(kPath + "doc", "D:\\Notes", true);
  RunAllSteps(subfolderLink.driver);
  EXPECT_EQ(subfolderLink.setup.ui.texts(),
            std::vector<std::string>{"guide.htm" + Text(IDS_SETUP_COPY_FAILED)});
  EXPECT_EQ(subfolderLink.setup.disk.bytesOf("D:\\Notes\\guide.htm"), "the user's");
  EXPECT_EQ(subfolderLink.setup.disk.bytesOf(kPath + "mogura.exe"), "program");

  Install fileLink(kInfo);
  fileLink.setup.disk.addFile("D:\\mine.exe", "the user's");
  fileLink.setup.disk.addLink(kPath + "mogura.exe", "D:\\mine.exe", false);
  RunAllSteps(fileLink.driver);
  EXPECT_EQ(fileLink.setup.ui.texts(),
            std::vector<std::string>{"mogura.exe" + Text(IDS_SETUP_COPY_FAILED)});
  EXPECT_EQ(fileLink.setup.disk.bytesOf("D:\\mine.exe"), "the user's");
}

// What setup makes of the installation is protected as the program-files folder is; what
// existed stays as it was, and the user's Start menu folder is the user's.
TEST(CopyDriver, TheFoldersItMakesAreProtected) {
  std::vector<std::string> lines = kInfo;
  lines.push_back("[Group]");
  lines.push_back("1=Mogura,mogura.exe");
  Install install(lines);
  install.context.installPath = "C:\\Tools\\mogura\\";
  RunAllSteps(install.driver);
  const MemoryDisk& disk = install.setup.disk;
  for (const char* folder : {"C:\\Tools", "C:\\Tools\\mogura", "C:\\Tools\\mogura\\doc"}) {
    EXPECT_TRUE(disk.isProtectedFolder(folder)) << folder;
  }
  EXPECT_TRUE(disk.hasFolder(kProgramsFolder + "\\Mogura"));
  EXPECT_FALSE(disk.isProtectedFolder(kProgramsFolder + "\\Mogura"));

  Install existing(kInfo);
  existing.setup.disk.addFolder(kPath);
  RunAllSteps(existing.driver);
  EXPECT_FALSE(existing.setup.disk.isProtectedFolder(kPath));
  EXPECT_TRUE(existing.setup.disk.isProtectedFolder(kPath + "doc"));
  EXPECT_FALSE(existing.setup.disk.isProtectedFolder("C:\\Program Files"));
}

TEST(CopyDriver, WhatOnlyAdministratorRightsCouldStartIsLeftToTheStartMenu) {
  Install install(kInfo);
  RunAllSteps(install.driver);
  install.setup.shell.userStart = UserStart::NotAsUser;
  install.driver.finish();
  EXPECT_TRUE(install.setup.shell.started.empty());
  ASSERT_EQ(install.setup.ui.messages.size(), 2u);
  EXPECT_EQ(install.setup.ui.messages[0].text, kPath + "mogura.exe" + Text(IDS_SETUP_START_FROM_MENU));
  EXPECT_EQ(install.setup.ui.messages[1].text, kPath + "doc\\guide.htm" + Text(IDS_SETUP_START_FROM_MENU));
  EXPECT_EQ(install.setup.ui.messages[0].caption, "Mogura");
  EXPECT_EQ(install.setup.ui.messages[0].icon, MessageIcon::Information);

  // A start that simply fails stays silent, as before.
  Install failing(kInfo);
  RunAllSteps(failing.driver);
  failing.setup.shell.userStart = UserStart::Failed;
  failing.driver.finish();
  EXPECT_TRUE(failing.setup.ui.messages.empty());
}

TEST(CopyDriver, TheOpenEntryNamesAFileInsideTheInstallationFolder) {
  for (const char* open : {"..\\..\\WINDOWS\\notepad.exe", "C:\\WINDOWS\\notepad.exe",
                           "\\\\server\\share\\x.htm", "http://example.com/", "doc\\", "\\guide.htm"}) {
    std::vector<std::string> lines = kInfo;
    lines[3] = std::string("Open=") + open;
    Install install(lines);
    RunAllSteps(install.driver);
    install.driver.finish();
    EXPECT_TRUE(install.setup.shell.openedForUser.empty()) << open;
    EXPECT_EQ(install.setup.shell.startedForUser.size(), 1u) << open;
  }
}

TEST(CopyDriver, StartMenuGroupAndDesktopLinks) {
  std::vector<std::string> lines = kInfo;
  for (const char* line : {"[Group]", "1=Mogura,mogura.exe", "2=Guide,doc\\guide.htm,--page 2",
                           "3=..\\..\\Evil,mogura.exe", "4=Remove Mogura,setup.exe,/r"}) {
    lines.push_back(line);
  }
  Install install(lines);
  install.context.wantDesktop = true;
  RunAllSteps(install.driver);
  const std::string group = kProgramsFolder + "\\Mogura\\";
  EXPECT_TRUE(install.setup.disk.hasFolder(group));
  ASSERT_EQ(install.setup.links.sessions.size(), 2u);
  const std::vector<ShellLink>& programs = install.setup.links.sessions[0];
  ASSERT_EQ(programs.size(), 3u);  // the caption that climbs out of the group is not made
  EXPECT_EQ(programs[0].file, group + "Mogura.lnk");
  EXPECT_EQ(programs[0].target, kPath + "mogura.exe");
  EXPECT_EQ(programs[0].arguments, "");
  EXPECT_EQ(programs[0].description, "Mogura");
  EXPECT_EQ(programs[1].target, kPath + "doc\\guide.htm");
  EXPECT_EQ(programs[1].arguments, "--page 2");
  EXPECT_EQ(programs[2].file, group + "Remove Mogura.lnk");
  EXPECT_EQ(programs[2].arguments, "/r");
  const std::vector<ShellLink>& desktop = install.setup.links.sessions[1];
  ASSERT_EQ(desktop.size(), 1u);
  EXPECT_EQ(desktop[0].file, kDesktopFolder + "\\Mogura.lnk");
  EXPECT_EQ(desktop[0].target, kPath + "mogura.exe");
}

TEST(CopyDriver, WithoutGroupEntriesOneLinkNamedByTheTitle) {
  Install install(kInfo);
  install.context.wantStartMenu = true;
  RunAllSteps(install.driver);
  ASSERT_EQ(install.setup.links.sessions.size(), 1u);
  ASSERT_EQ(install.setup.links.sessions[0].size(), 1u);
  EXPECT_EQ(install.setup.links.sessions[0][0].file, kProgramsFolder + "\\Mogura.lnk");
}

TEST(CopyDriver, AResidentProgramGetsOneStartupLinkOnly) {
  std::vector<std::string> lines = kInfo;
  lines.insert(lines.begin() + 1, "TSR=1");
  lines.push_back("[Group]");
  lines.push_back("1=Mogura,mogura.exe");
  Install install(lines);
  install.context.wantDesktop = true;  // never asked for a resident program
  RunAllSteps(install.driver);
  ASSERT_EQ(install.setup.links.sessions.size(), 1u);
  ASSERT_EQ(install.setup.links.sessions[0].size(), 1u);
  EXPECT_EQ(install.setup.links.sessions[0][0].file, kStartupFolder + "\\Mogura.lnk");
  EXPECT_EQ(install.setup.links.sessions[0][0].target, kPath + "mogura.exe");
}

TEST(CopyDriver, MissingShellFolderOrATitleThatIsNoNameMakesNoLink) {
  Install install(kInfo);
  install.setup.registry.setString(RegistryRoot::CurrentUser, test::kShellFolders, "Programs", "");
  RunAllSteps(install.driver);
  EXPECT_TRUE(install.setup.links.sessions.empty());

  Install climbing({"[Install]", "Title=..\\..\\Desktop\\x", "Folder=mogura", "1=mogura.exe"});
  RunAllSteps(climbing.driver);
  EXPECT_TRUE(climbing.setup.links.sessions.empty());
}

TEST(CopyDriver, NoFileEntries) {
  Install install({"[Install]", "Title=Mogura", "Folder=mogura"});
  const std::vector<CopyStepReport> reports = RunAllSteps(install.driver);
  EXPECT_EQ(reports.size(), 4u);
  EXPECT_TRUE(install.setup.disk.has(kPath + "setup.exe"));
  EXPECT_TRUE(install.setup.disk.has(kPath + "setup.INF"));
  // The link points at the installation folder itself; Finish starts nothing, silently.
  ASSERT_EQ(install.setup.links.sessions.size(), 1u);
  EXPECT_EQ(install.setup.links.sessions[0][0].target, kPath);
  install.driver.finish();
  EXPECT_TRUE(install.setup.shell.startedForUser.empty());
  EXPECT_TRUE(install.setup.shell.openedForUser.empty());
  EXPECT_TRUE(install.setup.ui.messages.empty());
  EXPECT_TRUE(install.setup.registry.hasKey(RegistryRoot::LocalMachine, UninstallKeyPath("mogura")));
}

TEST(CopyDriver, ProgramManagerGroupWithoutShellFolders) {
  Install install({"[Install]", "Title=Mogura", "Folder=mogura", "1=mogura.exe"});
  install.setup.system.version = 3;
  install.context.hasShellFolders = false;
  install.setup.disk.shortNames[kPath + "mogura.exe"] = "C:\\PROGRA~1\\mogura\\mogura.exe";
  install.setup.disk.shortNames[kPath + "setup.exe"] = "C:\\PROGRA~1\\mogura\\setup.exe";
  RunAllSteps(install.driver);
  EXPECT_FALSE(install.driver.showsControlPanelNote());
  EXPECT_TRUE(install.setup.links.sessions.empty());
  ASSERT_EQ(install.setup.progman.conversations.size(), 1u);
  EXPECT_EQ(install.setup.progman.conversations[0],
            (std::vector<std::string>{
                "[CreateGroup(\"Mogura\",0)]", "[AddItem(\"C:\\PROGRA~1\\mogura\\mogura.exe\",\"Mogura\")]",
                "[AddItem(\"C:\\PROGRA~1\\mogura\\setup.exe /r\",\"setup.exe" + Text(IDS_SETUP_REMOVAL_SUFFIX) +
                    "\")]"}));
}

TEST(CopyDriver, ProgramManagerItemsFromGroupEntriesAndTheStartupGroup) {
  Install install({"[Install]", "Title=" + kSo, "Folder=mogura", "TSR=1", "1=mogura.exe", "[Group]",
                   "1=Guide,doc\\guide.htm,--x", "2=Mogura,mogura.exe"});
  install.context.hasShellFolders = false;
  RunAllSteps(install.driver);
  ASSERT_EQ(install.setup.progman.conversations.size(), 1u);
  EXPECT_EQ(install.setup.progman.conversations[0],
            (std::vector<std::string>{"[ShowGroup(\"" + Text(IDS_SETUP_STARTUP_GROUP) + "\",1)]",
                                      "[AddItem(\"" + kPath + "doc\\guide.htm --x\",\"" + kSo + "\")]"}));
}

}  // namespace
}  // namespace mogura
