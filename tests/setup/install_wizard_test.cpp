// The folder and options pages: the checks of Next in their order, with their messages.
#include "setup/install_wizard.h"

#include <gtest/gtest.h>

#include "setup/fake_setup_edge.h"
#include "setup/folder_creation.h"
#include "setup/free_space.h"

namespace mogura {
namespace {

using test::FakeSetup;
using test::kSo;
using test::Text;

struct Wizard {
  Wizard() {
    setup.writeInfo({"[Install]", "Title=Mogura", "Folder=mogura", "1=mogura.exe"});
    context = setup.prepare();
  }
  FakeSetup setup;
  SetupContext context;
  InstallWizard wizard{setup.edge, context};
};

TEST(InstallWizard, TextsAndTheProposedFolder) {
  Wizard w;
  EXPECT_EQ(w.wizard.caption(), "Mogura" + Text(IDS_SETUP_WIZARD_CAPTION));
  const InstallWizard::FolderPageTexts folder = w.wizard.folderPageTexts();
  EXPECT_EQ(folder.prompt, "Mogura" + Text(IDS_SETUP_FOLDER_PROMPT));
  EXPECT_EQ(folder.browseButton, Text(IDS_SETUP_BROWSE_BUTTON));
  EXPECT_EQ(folder.noteLabel, Text(IDS_SETUP_NOTE_LABEL));
  EXPECT_EQ(folder.note, Text(IDS_SETUP_NOTE));
  EXPECT_EQ(folder.browseTitle, Text(IDS_SETUP_BROWSE_TITLE));
  EXPECT_EQ(InstallWizard::optionsPageTexts().startMenu, Text(IDS_SETUP_START_MENU_OPTION));
  EXPECT_EQ(InstallWizard::optionsPageTexts().desktop, Text(IDS_SETUP_DESKTOP_OPTION));
  EXPECT_EQ(w.wizard.proposedFolder(), "C:\\Program Files\\mogura\\");
  EXPECT_TRUE(w.wizard.desktopChoiceEnabled());
}

TEST(InstallWizard, RootsAndPathsWithoutADriveAreRefused) {
  Wizard w;
  for (const char* root : {"C:\\", "C:", "\\", "", "ab"}) {
    EXPECT_FALSE(w.wizard.leaveFolderPage(root)) << root;
  }
  for (const char* relative : {"Soft\\mogura", "\\\\server\\share", "C:mogura", "C:\\a\\..\\..\\", "C:\\a\\.\\b",
                               "C:\\a\\\\b", "C:\\mogura\x83"}) {
    EXPECT_FALSE(w.wizard.leaveFolderPage(relative)) << relative;
  }
  std::vector<std::string> expected(5, Text(IDS_SETUP_ROOT_REFUSED));
  expected.insert(expected.end(), 7, Text(IDS_SETUP_NEED_DRIVE));
  EXPECT_EQ(w.setup.ui.texts(), expected);
  EXPECT_EQ(w.setup.ui.messages[0].icon, MessageIcon::Error);
  EXPECT_TRUE(w.setup.disk.below("C:\\Program Files").empty());
}

TEST(InstallWizard, NextTestsTheFolderChainAndLeavesOnlyWhatExisted) {
  Wizard w;
  w.setup.disk.addFolder("C:\\Tools");
  EXPECT_EQ(w.wizard.leaveFolderPage("C:\\Tools\\" + kSo + "\\mogura"), WizardPage::Options);
  EXPECT_EQ(w.context.installPath, "C:\\Tools\\" + kSo + "\\mogura\\");
  // Every folder the test made is removed again, deepest first; the one that existed stays.
  EXPECT_TRUE(w.setup.disk.hasFolder("C:\\Tools"));
  EXPECT_FALSE(w.setup.disk.has("C:\\Tools\\" + kSo));
  EXPECT_TRUE(w.setup.ui.messages.empty());
  EXPECT_EQ(w.wizard.leaveOptionsPage(false, true), WizardPage::Copy);
  EXPECT_FALSE(w.context.wantStartMenu);
  EXPECT_TRUE(w.context.wantDesktop);
}

// An existing folder typed on the page is only tested, never removed: whatever the user
// does next (Cancel, say), it stays as it was.
TEST(InstallWizard, AnExistingFolderIsKeptAndOnlyTheFoldersTheTestMadeGo) {
  Wizard w;
  w.setup.disk.addFolder("C:\\Apps\\mogura");
  EXPECT_EQ(w.wizard.leaveFolderPage("C:\\Apps\\mogura"), WizardPage::Options);
  EXPECT_TRUE(w.setup.disk.hasFolder("C:\\Apps\\mogura"));
  EXPECT_TRUE(w.setup.ui.messages.empty());
  // Declined for little space after the test: what the test made is gone all the same.
  w.setup.disk.space = DiskFreeSpace{512, 8, 10};
  w.setup.ui.answer = MessageAnswer::No;
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\Apps\\mogura\\new\\deeper"));
  EXPECT_EQ(w.setup.disk.below("C:\\Apps"), std::vector<std::string>{"C:\\Apps\\mogura"});
}

TEST(InstallWizard, AFolderThatHoldsFilesIsTakenOnlyWhenTheUserAgrees) {
  Wizard w;
  w.setup.disk.addFile("C:\\Program Files\\Other\\setup.exe", "another product");
  w.setup.ui.answer = MessageAnswer::No;
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\Program Files\\"));
  ASSERT_EQ(w.setup.ui.messages.size(), 1u);
  const test::ShownMessage& box = w.setup.ui.messages[0];
  EXPECT_EQ(box.text, "C:\\Program Files" + Text(IDS_SETUP_FOLDER_NOT_EMPTY));
  EXPECT_EQ(box.caption, "Mogura");
  EXPECT_EQ(box.icon, MessageIcon::Question);
  EXPECT_EQ(box.buttons, MessageButtons::YesNo);
  EXPECT_EQ(box.defaultAnswer, MessageAnswer::No);
  EXPECT_EQ(w.setup.disk.bytesOf("C:\\Program Files\\Other\\setup.exe"), "another product");
  w.setup.ui.answer = MessageAnswer::Yes;
  EXPECT_EQ(w.wizard.leaveFolderPage("C:\\Program Files\\"), WizardPage::Options);

  // A folder that holds this product (its information file names the same folder, in any
  // case) is an update and goes without the question; another product's is asked about.
  w.setup.ui.messages.clear();
  w.setup.disk.addFile("C:\\old\\setup.INF", "[Install]\r\nTitle=Old\r\nFolder=MOGURA\r\n");
  w.setup.disk.addFile("C:\\old\\mogura.exe");
  EXPECT_EQ(w.wizard.leaveFolderPage("C:\\old"), WizardPage::Options);
  w.setup.disk.addFile("C:\\other\\setup.INF", "[Install]\r\nTitle=Other\r\nFolder=other\r\n");
  w.setup.ui.answer = MessageAnswer::No;
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\other"));
  EXPECT_EQ(w.setup.ui.texts(), std::vector<std::string>{"C:\\other" + Text(IDS_SETUP_FOLDER_NOT_EMPTY)});
}

TEST(InstallWizard, ALinkIsNoInstallationFolder) {
  Wizard w;
  w.setup.disk.addFolder("D:\\Somewhere");
  w.setup.disk.addLink("C:\\mogura", "D:\\Somewhere", true);
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\mogura"));
  EXPECT_EQ(w.setup.ui.texts(), std::vector<std::string>{"C:\\mogura" + Text(IDS_SETUP_FOLDER_IS_LINK)});
  EXPECT_TRUE(w.setup.disk.isLink("C:\\mogura"));
  EXPECT_TRUE(w.setup.disk.below("D:\\Somewhere").empty());
}

// The path is measured in CP932 bytes with its backslash, and refused whole when too long or
// when the field held characters without a CP932 form: nothing is ever cut or replaced.
TEST(InstallWizard, APathTooLongInBytesIsRefusedNeverCut) {
  Wizard w;
  const std::vector<std::string> before = w.setup.disk.below("C:");
  std::string japanese = "C:\\";
  for (int i = 0; i < 128; ++i) japanese += test::kHyo;  // 128 characters, 256 bytes
  EXPECT_FALSE(w.wizard.leaveFolderPage(japanese));
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\" + std::string(256, 'a')));
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\mogura", false));
  EXPECT_EQ(w.setup.ui.texts(), std::vector<std::string>(3, Text(IDS_SETUP_NEED_DRIVE)));
  EXPECT_EQ(w.setup.disk.below("C:"), before);
  japanese.resize(japanese.size() - 2);  // 258 bytes with the backslash
  EXPECT_EQ(w.wizard.leaveFolderPage(japanese), WizardPage::Options);
  EXPECT_EQ(w.context.installPath, japanese + "\\");
  EXPECT_EQ(w.wizard.leaveFolderPage("C:\\" + std::string(255, 'a')), WizardPage::Options);
  EXPECT_EQ(w.context.installPath.size(), 259u);
}

TEST(InstallWizard, AFileInTheWayOrAFailedCreationStaysOnThePage) {
  Wizard w;
  w.setup.disk.addFile("C:\\Tools");
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\Tools\\mogura\\"));
  w.setup.disk.uncreatableFolders.insert("C:\\Apps");
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\Apps\\mogura"));
  EXPECT_EQ(w.setup.ui.texts(),
            (std::vector<std::string>{"C:\\Tools" + Text(IDS_SETUP_FILE_IN_THE_WAY),
                                      "C:\\Apps" + Text(IDS_SETUP_FOLDER_NOT_CREATED)}));
  EXPECT_FALSE(w.setup.disk.has("C:\\Apps\\mogura"));
}

TEST(InstallWizard, LittleFreeSpaceAsksWithTheMegabytes) {
  Wizard w;
  // 512 x 8 x (25000 / 10) = 10,240,000 bytes measured: below 10 MiB, shown as 98 MB.
  w.setup.disk.space = DiskFreeSpace{512, 8, 25009};
  w.setup.ui.answer = MessageAnswer::No;
  EXPECT_FALSE(w.wizard.leaveFolderPage("C:\\mogura"));
  ASSERT_EQ(w.setup.ui.messages.size(), 1u);
  const test::ShownMessage& box = w.setup.ui.messages[0];
  EXPECT_EQ(box.text, FormatText(Text(IDS_SETUP_LOW_SPACE), "98"));
  EXPECT_EQ(box.caption, "Mogura");
  EXPECT_EQ(box.icon, MessageIcon::Question);
  EXPECT_EQ(box.buttons, MessageButtons::YesNo);
  w.setup.ui.answer = MessageAnswer::Yes;
  EXPECT_EQ(w.wizard.leaveFolderPage("C:\\mogura"), WizardPage::Options);

  // Unknown free space asks with 0; exactly 10 MiB does not ask.
  w.setup.disk.space.reset();
  w.setup.ui.messages.clear();
  w.wizard.leaveFolderPage("C:\\mogura");
  EXPECT_EQ(w.setup.ui.texts(), std::vector<std::string>{FormatText(Text(IDS_SETUP_LOW_SPACE), "0")});
  w.setup.disk.space = DiskFreeSpace{1024, 1024, 100};
  w.setup.ui.messages.clear();
  EXPECT_EQ(w.wizard.leaveFolderPage("C:\\mogura"), WizardPage::Options);
  EXPECT_TRUE(w.setup.ui.messages.empty());
}

TEST(InstallWizard, FreeSpaceMeasureNeverWraps) {
  EXPECT_EQ(FreeSpaceMeasure({512, 8, 19}), 4096u);  // a tenth of the clusters, truncated
  EXPECT_EQ(FreeSpaceMeasure({~0ull, ~0ull, ~0ull}), ~0ull);
  EXPECT_EQ(FreeSpaceMeasure({0, ~0ull, ~0ull}), 0u);
  EXPECT_EQ(MegabytesShown(kLowSpaceMeasure - 1), 100u);
  EXPECT_EQ(MegabytesShown(104447), 0u);
}

TEST(InstallWizard, AResidentProgramSkipsTheOptionsPage) {
  FakeSetup setup;
  setup.system.version = 3;
  setup.writeInfo({"[Install]", "Title=T", "Folder=t", "TSR=1"});
  SetupContext context = setup.prepare();
  InstallWizard wizard(setup.edge, context);
  EXPECT_FALSE(wizard.desktopChoiceEnabled());
  EXPECT_EQ(wizard.leaveFolderPage("C:\\t"), WizardPage::Copy);
}

TEST(InstallWizard, BrowsingStartsAtTheWindowsDriveAndReturns) {
  Wizard w;
  w.setup.system.windows = "E:\\WINNT";
  w.wizard.beginBrowse();
  EXPECT_EQ(w.setup.disk.currentFolder, "E:\\");
  w.wizard.endBrowse();
  EXPECT_EQ(w.setup.disk.currentFolder, "D:\\");
  EXPECT_EQ(InstallWizard::ChosenFolder("C:\\Tools\\" + kSo + "\\dummy"), "C:\\Tools\\" + kSo + "\\");
}

TEST(FolderCreation, ChainFromTheFirstLevelAfterTheRoot) {
  FakeSetup setup;
  EXPECT_TRUE(CreateFolderChain(setup.edge, "C:\\a\\" + kSo + "\\c\\"));
  EXPECT_EQ(setup.disk.below("C:\\a"), (std::vector<std::string>{"C:\\a\\" + kSo, "C:\\a\\" + kSo + "\\c"}));
  EXPECT_TRUE(CreateFolderChain(setup.edge, "C:\\a\\" + kSo + "\\c\\"));  // existing folders count
  EXPECT_TRUE(CreateFolderLevel(setup.edge, "Q:\\", NewFolder::Plain));   // a drive root at once
  // Without a drive root the whole path is one level.
  setup.disk.currentFolder = "C:\\a";
  EXPECT_TRUE(CreateFolderChain(setup.edge, "rel\\"));
  EXPECT_TRUE(setup.disk.hasFolder("C:\\a\\rel"));
  // The first failure stops the chain.
  setup.disk.uncreatableFolders.insert("C:\\x");
  EXPECT_FALSE(CreateFolderChain(setup.edge, "C:\\x\\y\\"));
  EXPECT_EQ(setup.ui.texts(), std::vector<std::string>{"C:\\x" + Text(IDS_SETUP_FOLDER_NOT_CREATED)});
}

}  // namespace
}  // namespace mogura
