// The removal: its start in mode "r", the work of mode "x" in its order, the folder walk with
// its questions, the registry walk and the shortcuts.
#include "setup/removal_dialog.h"

#include <gtest/gtest.h>

#include "setup/copy_driver.h"
#include "setup/fake_setup_edge.h"
#include "setup/file_removal.h"
#include "setup/registry_removal.h"
#include "setup/removal_start.h"
#include "setup/setup_start.h"
#include "setup/uninstall_entry.h"

namespace mogura {
namespace {

using test::MemoryDisk;
using test::MemoryRegistry;
using test::FakeSetup;
using test::kProgramsFolder;
using test::Text;

const std::string kPath = "C:\\Program Files\\mogura\\";
const std::string kCopy = "C:\\WINDOWS\\system32\\setup-mogura-1.exe";

const std::vector<std::string> kInfo = {
    "[Install]", "Title=Mogura", "Folder=mogura", "1=mogura.exe", "2=guide.htm,doc\\guide.htm",
    "3=evil.dll,..\\evil.dll", "[Group]", "1=Mogura,mogura.exe", "2=Guide,doc\\guide.htm",
    "[Reg]", "1=HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura", "2=HKEY_CURRENT_USER", "3=HKEY_LOCAL_MACHINE\\",
    "4=HKEY_CLASSES_ROOT\\\\", "5=HKEY_CURRENT_USERX\\Software", "6=HKCU\\Software", "7=HKEY_CLASSES_ROOT\\.mog",
    "8=HKEY_CLASSES_ROOT\\CLSID\\{mogura}"};

// An installed product, as the copy page leaves it, and the removal process started for it.
struct Installed {
  Installed() {
    setup.writeInfo(kInfo);
    setup.disk.addFile("D:\\mogura.exe");
    setup.disk.addFile("D:\\guide.htm");
    SetupContext installing = setup.prepare();
    CopyDriver driver(setup.edge, installing);
    while (!driver.runStep().last) {
    }
    setup.ui.messages.clear();
    setup.disk.addFile("C:\\Program Files\\evil.dll", "not ours");
    setup.registry.addKey(RegistryRoot::CurrentUser, "Software\\Pikomaru\\mogura\\Html\\Format1");
    setup.registry.addKey(RegistryRoot::CurrentUser, "Software\\Pikomaru\\other");
    setup.registry.addKey(RegistryRoot::ClassesRoot, ".mog\\shell");
    setup.registry.addKey(RegistryRoot::ClassesRoot, ".txt");
    setup.registry.addKey(RegistryRoot::ClassesRoot, "CLSID\\{mogura}\\InprocServer32");
    setup.registry.addKey(RegistryRoot::ClassesRoot, "CLSID\\{other}");
    setup.system.module = kCopy;
    context = setup.prepare("x " + kPath + "setup.exe");
  }
  FakeSetup setup;
  SetupContext context;
  RemovalDialog dialog{setup.edge, context};
};

TEST(Removal, EverythingGoesInOrderAndBadRegValuesAreSkipped) {
  Installed installed;
  EXPECT_EQ(installed.dialog.caption(), "Mogura" + Text(IDS_SETUP_REMOVAL_SUFFIX));
  EXPECT_EQ(installed.dialog.workingText(), Text(IDS_SETUP_REMOVING));
  EXPECT_EQ(installed.dialog.closeButtonText(), Text(IDS_SETUP_CLOSE_BUTTON));
  EXPECT_EQ(installed.dialog.run(), "Mogura" + Text(IDS_SETUP_REMOVED));
  // Values 2 to 7 name no key two levels below a root: each is told, none deletes anything.
  EXPECT_EQ(installed.setup.ui.texts(), std::vector<std::string>(6, Text(IDS_SETUP_REG_BROKEN)));
  EXPECT_EQ(installed.setup.ui.messages[0].icon, MessageIcon::Error);
  const MemoryRegistry& registry = installed.setup.registry;
  EXPECT_FALSE(registry.hasKey(RegistryRoot::CurrentUser, "Software\\Pikomaru\\mogura"));
  EXPECT_TRUE(registry.hasKey(RegistryRoot::CurrentUser, "Software\\Pikomaru\\other"));
  EXPECT_TRUE(registry.hasKey(RegistryRoot::CurrentUser, test::kShellFolders));
  EXPECT_TRUE(registry.hasKey(RegistryRoot::ClassesRoot, ".mog"));  // one level below the root
  EXPECT_TRUE(registry.hasKey(RegistryRoot::ClassesRoot, ".txt"));
  EXPECT_FALSE(registry.hasKey(RegistryRoot::ClassesRoot, "CLSID\\{mogura}"));
  EXPECT_TRUE(registry.hasKey(RegistryRoot::ClassesRoot, "CLSID\\{other}"));
  EXPECT_FALSE(registry.hasKey(RegistryRoot::LocalMachine, UninstallKeyPath("mogura")));
  EXPECT_TRUE(registry.hasKey(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
  // Files, folders and links are gone; the file beside the folder that an entry climbs to stays.
  EXPECT_FALSE(installed.setup.disk.has(kPath));
  EXPECT_TRUE(installed.setup.disk.has("C:\\Program Files\\evil.dll"));
  EXPECT_FALSE(installed.setup.disk.has(kProgramsFolder + "\\Mogura"));
  EXPECT_TRUE(installed.setup.disk.hasFolder(kProgramsFolder));

  installed.dialog.finish();
  EXPECT_EQ(installed.setup.disk.deletedAtRestart, std::vector<std::string>{kCopy});
}

TEST(Removal, AMainProgramStillRunningStopsEverythingForARetry) {
  Installed installed;
  installed.setup.disk.node(kPath + "mogura.exe")->inUse = true;
  EXPECT_EQ(installed.dialog.run(), kPath + Text(IDS_SETUP_FILES_LEFT));
  EXPECT_EQ(installed.setup.ui.texts().back(), kPath + "mogura.exe" + Text(IDS_SETUP_MAIN_NOT_DELETED) + "Mogura" +
                                                      Text(IDS_SETUP_QUIT_AND_RETRY));
  EXPECT_EQ(installed.setup.ui.texts()[installed.setup.ui.messages.size() - 2],
            kPath + "mogura.exe" + Text(IDS_SETUP_DELETE_SKIPPED));
  // The entries after it are gone; it, the setup program and its file stay, with the entry and links.
  EXPECT_FALSE(installed.setup.disk.has(kPath + "doc\\guide.htm"));
  EXPECT_TRUE(installed.setup.disk.has(kPath + "setup.exe"));
  EXPECT_TRUE(installed.setup.disk.has(kPath + "setup.INF"));
  EXPECT_TRUE(installed.setup.registry.hasKey(RegistryRoot::LocalMachine, UninstallKeyPath("mogura")));
  EXPECT_TRUE(installed.setup.disk.has(kProgramsFolder + "\\Mogura"));

  // The retry after quitting: files already gone count as removed.
  installed.setup.disk.node(kPath + "mogura.exe")->inUse = false;
  installed.setup.ui.messages.clear();
  EXPECT_EQ(installed.dialog.run(), "Mogura" + Text(IDS_SETUP_REMOVED));
}

TEST(Removal, OtherFilesAreAskedAboutAndKeptOnNo) {
  Installed installed;
  installed.setup.disk.addFile(kPath + "notes.txt");
  installed.setup.disk.addFile(kPath + "doc\\MOGURA.GID");
  installed.setup.disk.addFile(kPath + "doc\\help.gid.bak");
  installed.setup.ui.answers = {MessageAnswer::Yes, MessageAnswer::No};
  EXPECT_EQ(installed.dialog.run(), kPath + Text(IDS_SETUP_FILES_LEFT));
  const std::vector<std::string> texts = installed.setup.ui.texts();
  // Six Reg messages, then the questions in directory order (the .GID file goes without one).
  const std::vector<std::string> after(texts.begin() + 6, texts.end());
  EXPECT_EQ(after, (std::vector<std::string>{kPath + "doc\\help.gid.bak" + Text(IDS_SETUP_ASK_DELETE),
                                             kPath + "notes.txt" + Text(IDS_SETUP_ASK_DELETE),
                                             "C:\\Program Files\\mogura" + Text(IDS_SETUP_FOLDER_NOT_REMOVED)}));
  EXPECT_EQ(installed.setup.ui.messages[6].caption, "Mogura");
  EXPECT_EQ(installed.setup.ui.messages[6].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(installed.setup.ui.messages[6].icon, MessageIcon::Question);
  EXPECT_FALSE(installed.setup.disk.has(kPath + "doc"));
  EXPECT_TRUE(installed.setup.disk.has(kPath + "notes.txt"));
  // The uninstall entry and the links still go.
  EXPECT_FALSE(installed.setup.registry.hasKey(RegistryRoot::LocalMachine, UninstallKeyPath("mogura")));
  EXPECT_FALSE(installed.setup.disk.has(kProgramsFolder + "\\Mogura"));
}

TEST(Removal, CancelStopsTheFolderWalkAtOnce) {
  FakeSetup setup;
  SetupContext context;
  context.title = "T";
  setup.disk.addFile("C:\\m\\a.txt");
  setup.disk.addFile("C:\\m\\sub\\b.txt");
  setup.disk.addFile("C:\\m\\c.txt");
  setup.ui.answers = {MessageAnswer::Yes, MessageAnswer::Cancel};
  EXPECT_FALSE(RemoveFolderTree(setup.edge, context, "C:\\m\\"));
  EXPECT_EQ(setup.ui.messages.size(), 2u);
  EXPECT_FALSE(setup.disk.has("C:\\m\\a.txt"));
  EXPECT_TRUE(setup.disk.has("C:\\m\\sub\\b.txt"));
  EXPECT_TRUE(setup.disk.has("C:\\m\\c.txt"));
  // A drive root is never walked, and nothing is asked.
  EXPECT_FALSE(RemoveFolderTree(setup.edge, context, "C:\\"));
  EXPECT_EQ(setup.ui.messages.size(), 2u);
}

// The help-index rule judges the text after the first dot, in any case.
TEST(Removal, HelpIndexFilesGoWithoutAQuestionOthersAreAsked) {
  FakeSetup setup;
  SetupContext context;
  context.title = "T";
  for (const char* name : {"X.GID", "x.gid", "a.b.gid", "a.gid.txt", "gid", "a.gidx"})
    setup.disk.addFile("C:\\m\\" + std::string(name));
  setup.ui.answer = MessageAnswer::No;
  EXPECT_FALSE(RemoveFolderTree(setup.edge, context, "C:\\m\\"));
  EXPECT_EQ(setup.ui.texts(),
            (std::vector<std::string>{
                "C:\\m\\a.b.gid" + Text(IDS_SETUP_ASK_DELETE),
                "C:\\m\\a.gid.txt" + Text(IDS_SETUP_ASK_DELETE), "C:\\m\\gid" + Text(IDS_SETUP_ASK_DELETE),
                "C:\\m\\a.gidx" + Text(IDS_SETUP_ASK_DELETE), "C:\\m" + Text(IDS_SETUP_FOLDER_NOT_REMOVED)}));
  EXPECT_EQ(setup.disk.below("C:\\m"),
            (std::vector<std::string>{"C:\\m\\a.b.gid", "C:\\m\\a.gid.txt", "C:\\m\\gid", "C:\\m\\a.gidx"}));
}

// A junction inside the installation folder (to the user's notes, say) is asked about once by
// its own path, and Yes removes the junction: nothing it points to is deleted or asked about.
TEST(Removal, ALinkToAFolderIsAskedAboutAndNeverEntered) {
  for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
    Installed installed;
    installed.setup.disk.addFile("D:\\Notes\\diary.txt", "mine");
    installed.setup.disk.addFile("D:\\Notes\\HELP.GID", "index");
    installed.setup.disk.addFolder("D:\\Notes\\empty");
    installed.setup.disk.addLink(kPath + "data", "D:\\Notes", true);
    installed.setup.ui.answer = answer;
    const std::string outcome = installed.dialog.run();
    std::vector<std::string> questions;
    for (const test::ShownMessage& box : installed.setup.ui.messages) {
      if (box.buttons == MessageButtons::YesNoCancel) questions.push_back(box.text);
    }
    EXPECT_EQ(questions, std::vector<std::string>{kPath + "data" + Text(IDS_SETUP_ASK_DELETE)});
    EXPECT_EQ(installed.setup.disk.bytesOf("D:\\Notes\\diary.txt"), "mine");
    EXPECT_TRUE(installed.setup.disk.has("D:\\Notes\\HELP.GID"));
    EXPECT_TRUE(installed.setup.disk.hasFolder("D:\\Notes\\empty"));
    if (answer == MessageAnswer::Yes) {
      EXPECT_EQ(outcome, "Mogura" + Text(IDS_SETUP_REMOVED));
      EXPECT_FALSE(installed.setup.disk.has(kPath));
    } else {
      EXPECT_EQ(outcome, kPath + Text(IDS_SETUP_FILES_LEFT));
      EXPECT_TRUE(installed.setup.disk.isLink(kPath + "data"));
    }
  }
}

TEST(Removal, ALinkToAFileAndALinkBackUpAreEachAskedAboutOnce) {
  Installed installed;
  installed.setup.disk.addFile("D:\\memo.txt", "mine");
  installed.setup.disk.addLink(kPath + "memo.txt", "D:\\memo.txt", false);
  installed.setup.disk.addLink(kPath + "up", "C:\\Program Files\\mogura", true);
  installed.setup.disk.addLink(kPath + "top", "C:\\", true);
  EXPECT_EQ(installed.dialog.run(), "Mogura" + Text(IDS_SETUP_REMOVED));
  const std::vector<std::string> texts = installed.setup.ui.texts();
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 6, texts.end()),
            (std::vector<std::string>{kPath + "memo.txt" + Text(IDS_SETUP_ASK_DELETE),
                                      kPath + "up" + Text(IDS_SETUP_ASK_DELETE),
                                      kPath + "top" + Text(IDS_SETUP_ASK_DELETE)}));
  EXPECT_EQ(installed.setup.disk.bytesOf("D:\\memo.txt"), "mine");
  EXPECT_TRUE(installed.setup.disk.has("C:\\Program Files\\evil.dll"));
  EXPECT_TRUE(installed.setup.disk.hasFolder("C:\\WINDOWS\\system32"));
  EXPECT_FALSE(installed.setup.disk.has(kPath));
}

// A listed file is never deleted through a link: the user's folder that replaced "doc" keeps
// its guide.htm, and the walk asks about the link.
TEST(Removal, ListedFilesBehindALinkAreLeftToTheWalk) {
  Installed installed;
  MemoryDisk& disk = installed.setup.disk;
  ASSERT_TRUE(disk.removeFile(kPath + "doc\\guide.htm"));
  ASSERT_TRUE(disk.removeFolder(kPath + "doc"));
  disk.addFile("D:\\Manual\\guide.htm", "the user's");
  disk.addLink(kPath + "doc", "D:\\Manual", true);
  installed.setup.ui.answer = MessageAnswer::No;
  EXPECT_EQ(installed.dialog.run(), kPath + Text(IDS_SETUP_FILES_LEFT));
  EXPECT_EQ(disk.bytesOf("D:\\Manual\\guide.htm"), "the user's");
  EXPECT_EQ(installed.setup.ui.texts()[6], kPath + "doc" + Text(IDS_SETUP_ASK_DELETE));
  EXPECT_FALSE(disk.has(kPath + "mogura.exe"));

  // The installation folder itself a link: nothing is deleted through it, the link is asked
  // about, and a link the system will not remove is reported.
  disk.addFile("D:\\Real\\a.txt", "mine");
  disk.addLink("C:\\m", "D:\\Real", true);
  SetupContext context;
  context.title = "T";
  installed.setup.ui.messages.clear();
  installed.setup.ui.answer = MessageAnswer::Yes;
  disk.node("C:\\m")->undeletable = true;
  EXPECT_FALSE(RemoveFolderTree(installed.setup.edge, context, "C:\\m\\"));
  EXPECT_EQ(installed.setup.ui.texts(),
            (std::vector<std::string>{"C:\\m" + Text(IDS_SETUP_ASK_DELETE),
                                      "C:\\m" + Text(IDS_SETUP_DELETE_SKIPPED)}));
  disk.node("C:\\m")->undeletable = false;
  EXPECT_TRUE(RemoveFolderTree(installed.setup.edge, context, "C:\\m\\"));
  EXPECT_FALSE(disk.has("C:\\m"));
  EXPECT_EQ(disk.bytesOf("D:\\Real\\a.txt"), "mine");
}

TEST(Removal, FilesThatCannotBeDeletedAreSkippedWithAMessage) {
  FakeSetup setup;
  setup.disk.addFile("C:\\m\\locked.txt").undeletable = true;
  EXPECT_TRUE(DeleteIfPresent(setup.edge, "C:\\m\\gone.txt"));
  EXPECT_FALSE(DeleteIfPresent(setup.edge, "C:\\m\\locked.txt"));
  EXPECT_EQ(setup.ui.texts(), std::vector<std::string>{"C:\\m\\locked.txt" + Text(IDS_SETUP_DELETE_SKIPPED)});
}

TEST(Removal, DeleteKeyTreeWalksPastKeysThatCannotBeDeleted) {
  MemoryRegistry registry;
  for (const char* path : {"S\\a\\x", "S\\b", "S\\c\\y\\z", "S\\d"}) registry.addKey(RegistryRoot::CurrentUser, path);
  registry.undeletable.insert("S\\b");
  EXPECT_FALSE(DeleteKeyTree(registry, RegistryRoot::CurrentUser, "S"));
  EXPECT_EQ(registry.keys(RegistryRoot::CurrentUser), (std::vector<std::string>{"S", "S\\b"}));
  registry.undeletable.clear();
  EXPECT_TRUE(DeleteKeyTree(registry, RegistryRoot::CurrentUser, "s"));
  EXPECT_TRUE(registry.keys(RegistryRoot::CurrentUser).empty());
  // A key that is not there is only asked to be deleted; an empty path is the root, never touched.
  registry.addKey(RegistryRoot::CurrentUser, "Keep");
  EXPECT_FALSE(DeleteKeyTree(registry, RegistryRoot::CurrentUser, "Gone"));
  const int calls = registry.deleteCalls;
  EXPECT_FALSE(DeleteKeyTree(registry, RegistryRoot::CurrentUser, ""));
  EXPECT_EQ(registry.deleteCalls, calls);
  EXPECT_TRUE(registry.hasKey(RegistryRoot::CurrentUser, "Keep"));
}

TEST(Removal, RegValuesNameAKeyTwoLevelsBelowARootThatNoOtherProgramShares) {
  const auto parsed = ParseRegListValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Pikomaru");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->root, RegistryRoot::LocalMachine);
  EXPECT_EQ(parsed->subkey, "SOFTWARE\\Pikomaru");
  EXPECT_EQ(ParseRegListValue("HKEY_CLASSES_ROOT\\Mogura.Page\\shell")->root, RegistryRoot::ClassesRoot);
  EXPECT_EQ(ParseRegListValue("HKEY_CURRENT_USER\\Software\\" + test::kSo + "\\x")->subkey,
            "Software\\" + test::kSo + "\\x");  // a trail byte 0x5C is no separator
  EXPECT_TRUE(ParseRegListValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\MicrosoftPikomaru"));
  for (const char* bad :
       {"HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\", "HKEY_CURRENT_USER\\\\Software",
        "HKEY_CURRENT_USER/Software", "hkey_current_user\\Software\\x", "HKEY_USERS\\x\\y", "",
        // One level below a root: every program's settings, or a file type.
        "HKEY_CURRENT_USER\\Software", "HKEY_LOCAL_MACHINE\\SOFTWARE", "HKEY_CLASSES_ROOT\\.txt",
        // Empty levels: doubled, or a trailing backslash.
        "HKEY_CURRENT_USER\\Software\\\\Pikomaru", "HKEY_CURRENT_USER\\Software\\Pikomaru\\",
        // Shared keys of the system, in any case, however deep.
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft", "HKEY_CURRENT_USER\\software\\microsoft\\Windows",
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.mog", "HKEY_CURRENT_USER\\Software\\Policies\\x",
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Pikomaru", "HKEY_CLASSES_ROOT\\Wow6432Node\\CLSID"}) {
    EXPECT_FALSE(ParseRegListValue(bad)) << bad;
  }
}

TEST(Removal, ShortcutsOfAllThreePlacesAndOnlyOurLinks) {
  Installed installed;
  const std::string group = kProgramsFolder + "\\Mogura\\";
  installed.setup.disk.addFile(group + "My own notes.lnk");
  installed.setup.disk.addFile(test::kDesktopFolder + "\\Mogura.lnk");
  installed.setup.disk.addFile(test::kStartupFolder + "\\Mogura.lnk");
  installed.dialog.run();
  EXPECT_FALSE(installed.setup.disk.has(group + "Mogura.lnk"));
  EXPECT_FALSE(installed.setup.disk.has(group + "Guide.lnk"));
  EXPECT_TRUE(installed.setup.disk.has(group + "My own notes.lnk"));
  EXPECT_FALSE(installed.setup.disk.has(test::kDesktopFolder + "\\Mogura.lnk"));
  EXPECT_FALSE(installed.setup.disk.has(test::kStartupFolder + "\\Mogura.lnk"));
}

TEST(Removal, ProgramManagerCommandsForTheThreePlaces) {
  Installed installed;
  installed.context.hasShellFolders = false;
  installed.dialog.run();
  EXPECT_EQ(installed.setup.progman.conversations,
            (std::vector<std::vector<std::string>>{
                {"[DeleteGroup(\"Mogura\",0)]"},
                {"[DeleteGroup(\"Mogura\",0)]"},
                {"[ShowGroup(\"" + Text(IDS_SETUP_STARTUP_GROUP) + "\",1)]", "[DeleteItem(\"Mogura\")]"}}));
}

struct RemovalStart {
  explicit RemovalStart(std::vector<std::string> lines = kInfo) {
    setup.writeInfo(lines, kPath + "setup.INF");
    setup.disk.addFile(kPath + "setup.exe", "installed setup");
    setup.writeUninstallEntry("mogura", kPath + "setup.exe");
    setup.system.module = kPath + "setup.exe";
    context = setup.prepare("/r");
  }
  FakeSetup setup;
  SetupContext context;
};

TEST(RemovalStartTest, AsksThenStartsACopyOfItsOwn) {
  RemovalStart start;
  start.setup.ui.answer = MessageAnswer::Ok;
  // Another product's setup program, and a copy left by an earlier removal, are never replaced.
  start.setup.disk.addFile("C:\\WINDOWS\\system32\\setup.exe", "another product");
  start.setup.disk.addFile(kCopy, "waiting for its restart");
  EXPECT_TRUE(StartRemoval(start.setup.edge, start.context));
  ASSERT_EQ(start.setup.ui.messages.size(), 1u);
  EXPECT_EQ(start.setup.ui.messages[0].text, "Mogura" + Text(IDS_SETUP_CONFIRM_REMOVAL));
  EXPECT_EQ(start.setup.ui.messages[0].caption, "Mogura");
  EXPECT_EQ(start.setup.ui.messages[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(start.setup.ui.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(start.setup.disk.bytesOf("C:\\WINDOWS\\system32\\setup.exe"), "another product");
  EXPECT_EQ(start.setup.disk.bytesOf(kCopy), "waiting for its restart");
  const std::string copy = "C:\\WINDOWS\\system32\\setup-mogura-2.exe";
  EXPECT_EQ(start.setup.disk.bytesOf(copy), "installed setup");
  ASSERT_EQ(start.setup.shell.started.size(), 1u);
  EXPECT_EQ(start.setup.shell.started[0].program, copy);
  EXPECT_EQ(start.setup.shell.started[0].arguments, "x " + kPath + "setup.exe");
  EXPECT_EQ(start.setup.shell.started[0].folder, "C:\\WINDOWS\\system32\\");
}

TEST(RemovalStartTest, CancelResidentNoteAndAFailedStart) {
  RemovalStart resident({"[Install]", "Title=T", "Folder=mogura", "TSR=1"});
  resident.setup.ui.answer = MessageAnswer::Cancel;
  EXPECT_FALSE(StartRemoval(resident.setup.edge, resident.context));
  EXPECT_EQ(resident.setup.ui.texts(),
            std::vector<std::string>{"T" + Text(IDS_SETUP_CONFIRM_REMOVAL) + Text(IDS_SETUP_RESIDENT_NOTE)});
  EXPECT_TRUE(resident.setup.shell.started.empty());
  EXPECT_TRUE(resident.setup.disk.below("C:\\WINDOWS\\system32").empty());

  RemovalStart failing;
  failing.setup.ui.answer = MessageAnswer::Ok;
  failing.setup.shell.startSucceeds = false;
  EXPECT_FALSE(StartRemoval(failing.setup.edge, failing.context));
  EXPECT_EQ(failing.setup.ui.texts().back(), Text(IDS_SETUP_REMOVER_NOT_STARTED));
  EXPECT_EQ(failing.setup.ui.messages.back().caption, "");
  EXPECT_TRUE(failing.setup.disk.below("C:\\WINDOWS\\system32").empty());  // our copy does not stay
}

// "setup /r" from the unpacked distribution (or any other copy) removes nothing: not its own
// folder, and not the installation's entry and links either.
TEST(RemovalStartTest, OnlyTheInstalledSetupProgramRemoves) {
  for (const std::string_view arguments : {"/r", "x D:\\dist\\setup.exe"}) {
    FakeSetup setup;
    setup.writeInfo(kInfo, "D:\\dist\\setup.INF");
    setup.disk.addFile("D:\\dist\\setup.exe", "unpacked");
    setup.disk.addFile("D:\\dist\\mogura.exe", "unpacked");
    setup.writeInfo(kInfo, kPath + "setup.INF");
    setup.disk.addFile(kPath + "setup.exe", "installed");
    setup.writeUninstallEntry("mogura", kPath + "setup.exe");
    setup.system.module = arguments == "/r" ? "D:\\dist\\setup.exe" : kCopy;
    SetupCommand command;
    SetupContext context;
    EXPECT_FALSE(PrepareSetup(setup.edge, arguments, &command, &context)) << arguments;
    EXPECT_EQ(setup.ui.texts(),
              std::vector<std::string>{"D:\\dist\\setup.exe" + Text(IDS_SETUP_NOT_INSTALLED_HERE) +
                                       Text(IDS_SETUP_CONTROL_PANEL_NOTE)})
        << arguments;
    EXPECT_EQ(setup.ui.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(setup.shell.started.empty());
    EXPECT_EQ(setup.disk.below("D:\\dist").size(), 3u);
    EXPECT_TRUE(setup.disk.has(kPath + "setup.exe"));
    EXPECT_TRUE(setup.registry.hasKey(RegistryRoot::LocalMachine, UninstallKeyPath("mogura")));
  }

  // Without an uninstall entry nothing is installed that this copy could remove.
  RemovalStart notInstalled;
  notInstalled.setup.registry.deleteKey(RegistryRoot::LocalMachine, UninstallKeyPath("mogura"));
  notInstalled.setup.ui.messages.clear();
  SetupCommand command;
  SetupContext context;
  EXPECT_FALSE(PrepareSetup(notInstalled.setup.edge, "/r", &command, &context));
  EXPECT_EQ(notInstalled.setup.ui.messages.size(), 1u);
}

// The installed program started by another spelling of its path is still the installed one.
TEST(RemovalStartTest, TheInstalledProgramByAnotherSpellingOfItsPath) {
  RemovalStart start;
  start.setup.system.module = "c:\\program files\\MOGURA\\SETUP.EXE";
  start.context = start.setup.prepare("/r");
  EXPECT_EQ(start.context.installPath, "C:\\Program Files\\mogura\\");
  start.setup.disk.shortNames[kPath + "setup.exe"] = "C:\\PROGRA~1\\mogura\\setup.exe";
  start.setup.system.module = "C:\\PROGRA~1\\mogura\\setup.exe";
  start.setup.writeInfo(kInfo, "C:\\PROGRA~1\\mogura\\setup.INF");
  start.setup.prepare("/r");
  EXPECT_TRUE(start.setup.ui.messages.empty());
}

TEST(RemovalStartTest, CopyNames) {
  EXPECT_EQ(RemoverCopyName("setup.exe", "mogura", 1), "setup-mogura-1.exe");
  EXPECT_EQ(RemoverCopyName("a.b.exe", "m", 12), "a.b-m-12.exe");
  EXPECT_EQ(RemoverCopyName("setup", "m", 3), "setup-m-3");
}

}  // namespace
}  // namespace mogura
