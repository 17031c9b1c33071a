// The Windows edge of the setup program against the real system (Wine in CI): the registry,
// the file operations the copy and the removal rely on, shell links, and the Program Manager
// path of old systems, forced here because Wine's shell answers its conversation (it takes
// items without arguments only: the command texts with arguments are tested natively).
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "gui_driver.h"
#include "platform/win32/wide.h"
#include "setup/registry_removal.h"
#include "setup/setup_info.h"
#include "setup/shortcuts.h"
#include "setup_session.h"
#include "platform/win32/win32_setup_edge.h"

namespace mogura::test {
namespace {

using win32::ToWide;

const std::string kHyo = "\x95\x5C";  // 表: its trail byte is a backslash

class SetupEdgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = "C:\\setup-edge-test";
    RemoveTree(folder_);
    ASSERT_TRUE(CreateDirectoryW(ToWide(folder_).c_str(), nullptr));
  }
  void TearDown() override { RemoveTree(folder_); }

  win32::Win32SetupEdge setup_;
  std::string folder_;
};

TEST_F(SetupEdgeTest, KeyTreesGoWholeBecauseAKeyWithSubkeysIsNeverDeletedAlone) {
  const std::string root = "Software\\MoguraSetupEdgeTest";
  {
    auto key = setup_.registry.create(RegistryRoot::CurrentUser, root + "\\a\\" + kHyo + "\\c");
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->writeText("Name", "C:\\" + kHyo + "\\x", TextEnd::Terminated));
    std::string value;
    EXPECT_TRUE(ReadTextUpToTerminator(*key, "Name", &value));
    EXPECT_EQ(value, "C:\\" + kHyo + "\\x");
    EXPECT_FALSE(ReadTextUpToTerminator(*key, "Missing", &value));
  }
  setup_.registry.create(RegistryRoot::CurrentUser, root + "\\b");
  EXPECT_FALSE(setup_.registry.deleteKey(RegistryRoot::CurrentUser, root + "\\a"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, root + "\\a\\" + kHyo + "\\c"));
  {
    auto key = setup_.registry.open(RegistryRoot::CurrentUser, root + "\\a", RegistryAccess::Read);
    ASSERT_TRUE(key);
    std::string name;
    EXPECT_EQ(key->subKeyAt(0, &name), RegistryItem::Found);
    EXPECT_EQ(name, kHyo);
    EXPECT_EQ(key->subKeyAt(1, &name), RegistryItem::End);
  }
  EXPECT_TRUE(DeleteKeyTree(setup_.registry, RegistryRoot::CurrentUser, root));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, root));
  EXPECT_FALSE(setup_.registry.open(RegistryRoot::CurrentUser, root, RegistryAccess::Read));
  EXPECT_FALSE(setup_.registry.deleteKey(RegistryRoot::CurrentUser, ""));
}

TEST_F(SetupEdgeTest, CopiesTellAFileInUseAndOneThatIsThereFromOtherFailures) {
  const std::string source = folder_ + "\\" + kHyo + ".txt";
  const std::string target = folder_ + "\\copy.txt";
  ASSERT_TRUE(WriteBytes(source, "bytes"));
  EXPECT_EQ(setup_.edge.files.copy(source, target, true), CopyOutcome::Copied);
  EXPECT_EQ(ReadBytes(target), "bytes");
  EXPECT_EQ(setup_.edge.files.copy(source, target, false), CopyOutcome::TargetExists);
  EXPECT_EQ(setup_.edge.files.copy(folder_ + "\\missing.txt", target, true), CopyOutcome::Failed);
  {
    HANDLE open = CreateFileW(ToWide(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_EQ(setup_.edge.files.copy(source, target, true), CopyOutcome::TargetInUse);
    CloseHandle(open);
  }
  SetFileAttributesW(ToWide(target).c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(setup_.edge.files.setNormalAttributes(target));
  EXPECT_EQ(GetFileAttributesW(ToWide(target).c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

  // The folder walk sees files and folders, without "." and "..", with their own names.
  CreateDirectoryW(ToWide(folder_ + "\\sub").c_str(), nullptr);
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(setup_.edge.files.listFolder(folder_ + "\\", &entries));
  std::vector<std::string> seen;
  for (const FolderEntry& entry : entries) seen.push_back(entry.name + (entry.isFolder ? "\\" : ""));
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<std::string>{"copy.txt", "sub\\", kHyo + ".txt"}));

  DiskFreeSpace space;
  ASSERT_TRUE(setup_.edge.files.freeSpace(folder_ + "\\not-yet\\", &space));
  EXPECT_GT(space.bytesPerSector * space.sectorsPerCluster * space.freeClusters, 0u);
  // A short name names the same file; a path that is not there stays as it is.
  EXPECT_EQ(ReadBytes(setup_.edge.files.shortPath(folder_ + "\\copy.txt")), "bytes");
  EXPECT_EQ(setup_.edge.files.shortPath(folder_ + "\\missing.txt"), folder_ + "\\missing.txt");
}

// A link to a folder is told apart from a folder, and removing it never reaches its target.
// Wine shows the host's links to folders as reparse points but opens their targets even when
// asked for the link itself: there the removal refuses. (It shows links to files as plain
// files; the native tests cover those with the machine in memory.)
TEST_F(SetupEdgeTest, ALinkToAFolderIsToldApartAndNeverDeletedThroughItsTarget) {
  const std::string target = folder_ + "-target";
  RemoveTree(target);
  ASSERT_TRUE(CreateDirectoryW(ToWide(target).c_str(), nullptr));
  ASSERT_TRUE(WriteBytes(target + "\\diary.txt", "mine"));
  ASSERT_TRUE(CreateDirectoryW(ToWide(folder_ + "\\plain").c_str(), nullptr));
  ASSERT_TRUE(WriteBytes(folder_ + "\\file.txt", "x"));
  const std::string link = folder_ + "\\data";
  if (!MakeFolderLink(link, target)) {
    RemoveTree(target);
    GTEST_SKIP() << "this system makes no symbolic link here";
  }
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(setup_.edge.files.listFolder(folder_ + "\\", &entries));
  std::vector<std::string> seen;
  for (const FolderEntry& entry : entries) {
    seen.push_back(entry.name + (entry.isFolder ? "\\" : "") + (entry.isLink ? " (link)" : ""));
  }
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<std::string>{"data\\ (link)", "file.txt", "plain\\"}));
  EXPECT_TRUE(setup_.edge.files.isLink(link));
  EXPECT_FALSE(setup_.edge.files.isLink(folder_ + "\\plain"));
  EXPECT_FALSE(setup_.edge.files.isLink(folder_ + "\\file.txt"));
  EXPECT_FALSE(setup_.edge.files.isLink(folder_ + "\\missing"));
  EXPECT_FALSE(setup_.edge.files.isLink(folder_ + "\\dat?"));  // no pattern matches the link
  EXPECT_FALSE(setup_.edge.files.removeLink(folder_ + "\\plain"));
  EXPECT_TRUE(IsFolder(folder_ + "\\plain"));

  const bool removed = setup_.edge.files.removeLink(link);
  EXPECT_EQ(removed, !UnderWine());
  EXPECT_EQ(Exists(link), !removed);
  EXPECT_EQ(ReadBytes(target + "\\diary.txt"), "mine");
  RemoveLink(link);
  RemoveTree(target);
}

// What setup creates gets the program-files folder's protection in the same step. Wine keeps
// no security descriptor of a file; there the folder is only made, and the native tests check
// through the machine in memory which folders are protected.
TEST_F(SetupEdgeTest, AProtectedFolderIsForAdministratorsAndTheSystemUsersReadAndRun) {
  const std::string made = folder_ + "\\" + kHyo;
  ASSERT_TRUE(setup_.edge.files.createProtectedFolder(made));
  EXPECT_TRUE(IsFolder(made));
  EXPECT_FALSE(setup_.edge.files.createProtectedFolder(made));  // it exists
  EXPECT_FALSE(setup_.edge.files.createProtectedFolder(folder_ + "\\no\\such"));

  PSECURITY_DESCRIPTOR security = nullptr;
  PACL dacl = nullptr;
  ASSERT_EQ(GetNamedSecurityInfoW(ToWide(made).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                  nullptr, &dacl, nullptr, &security),
            static_cast<DWORD>(ERROR_SUCCESS));
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  GetSecurityDescriptorControl(security, &control, &revision);
  if ((control & SE_DACL_PROTECTED) == 0 && UnderWine()) {
    LocalFree(security);
    GTEST_SKIP() << "Wine keeps no security descriptor of a folder";
  }
  EXPECT_NE(control & SE_DACL_PROTECTED, 0);
  ASSERT_TRUE(dacl);
  std::vector<std::string> aces;
  for (DWORD i = 0; i < dacl->AceCount; ++i) {
    void* ace = nullptr;
    ASSERT_TRUE(GetAce(dacl, i, &ace));
    const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(ace);
    ASSERT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    LPWSTR sid = nullptr;
    ConvertSidToStringSidW(const_cast<DWORD*>(&allowed->SidStart), &sid);
    char line[128];
    std::snprintf(line, sizeof(line), "%ls %08lx %02x", sid, allowed->Mask, allowed->Header.AceFlags & 0x1F);
    LocalFree(sid);
    aces.push_back(line);
  }
  LocalFree(security);
  std::sort(aces.begin(), aces.end());
  // Administrators and the system: everything; users: read and run; passed on to files and folders.
  EXPECT_EQ(aces, (std::vector<std::string>{"S-1-5-18 001f01ff 03", "S-1-5-32-544 001f01ff 03",
                                            "S-1-5-32-545 001200a9 03"}));
}

TEST_F(SetupEdgeTest, LinksKeepTheirTargetArgumentsAndJapaneseNames) {
  const std::string program = folder_ + "\\" + kHyo + ".exe";
  WriteBytes(program, "MZ");
  setup_.links.save({{folder_ + "\\" + kHyo + ".lnk", program, "", kHyo},
                     {folder_ + "\\remove.lnk", folder_ + "\\setup.exe", "/r", "remove"}});
  std::string target, arguments;
  ASSERT_TRUE(win32::ReadShellLink(folder_ + "\\" + kHyo + ".lnk", &target, &arguments));
  EXPECT_STRCASEEQ(target.c_str(), program.c_str());
  EXPECT_EQ(arguments, "");
  ASSERT_TRUE(win32::ReadShellLink(folder_ + "\\remove.lnk", &target, &arguments));
  EXPECT_STRCASEEQ(target.c_str(), (folder_ + "\\setup.exe").c_str());
  EXPECT_EQ(arguments, "/r");
}

TEST_F(SetupEdgeTest, DeletionAtRestartIsLeftToTheSystemWhichNamesTheFile) {
  const std::string file = folder_ + "\\later.exe";
  WriteBytes(file, "MZ");
  ASSERT_TRUE(setup_.edge.files.deleteAtRestart(file));
  EXPECT_TRUE(IsPendingDeletion(file));
  EXPECT_TRUE(Exists(file));  // still there until the restart
}

// The group folder Wine's Program Manager makes for a CreateGroup command opens a window.
void CloseFolderWindow(const std::string& caption) {
  if (HWND window = WaitForTopWindow(caption, 5000)) PostMessageW(window, WM_CLOSE, 0, 0);
}

TEST_F(SetupEdgeTest, WithoutShellFoldersTheProgramManagerMakesAndDeletesTheGroup) {
  const std::string title = "moguraDde" + kHyo;
  SetupContext context;
  context.title = title;
  context.folder = "mogura-dde";
  context.installPath = folder_ + "\\";
  context.setupFileName = "setup.exe";
  context.hasShellFolders = false;
  context.info = IniFile("[Install]\r\n1=main.exe\r\n[Group]\r\n1=main,main.exe\r\n2=" + kHyo + ",readme.txt\r\n");
  context.fileCount = 1;
  context.groupCount = 2;
  WriteBytes(folder_ + "\\main.exe", "MZ");
  WriteBytes(folder_ + "\\readme.txt", "read me");
  const std::string group = ShellFolder("Programs") + "\\" + title;

  CreateShortcuts(setup_.edge, context, ShortcutPlace::Programs);
  CloseFolderWindow(title);
  EXPECT_EQ(Names(group), (std::vector<std::string>{"main.lnk", kHyo + ".lnk"}));
  std::string target, arguments;
  ASSERT_TRUE(win32::ReadShellLink(group + "\\" + kHyo + ".lnk", &target, &arguments));
  EXPECT_EQ(ReadBytes(target), "read me") << target;  // through the short form of its path

  RemoveShortcuts(setup_.edge, context, ShortcutPlace::Programs);
  EXPECT_TRUE(WaitUntil(5000, [&] { return !Exists(group); }));
  RemoveTree(group);
}

}  // namespace
}  // namespace mogura::test
