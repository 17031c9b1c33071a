#include "cli/cli.h"

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "settings/main_entries.h"
#include "settings/app_settings.h"
#include "store/regedit4_file.h"
#include "support/drawer_writer.h"
#include "support/machine.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;

const std::string kInbox(LoadText(IDS_RECEIVED_MAIL));

class CliTest : public ::testing::Test {
 protected:
  CliTest()
      : platform{files, shell,
                 [this](ConsoleStream s, std::string_view text) { (s == ConsoleStream::Out ? out : err) += text; },
                 [this](MemoryTree* tree, std::string* error) {
                   if (!userStoreError.empty()) {
                     *error = userStoreError;
                     return false;
                   }
                   // A fresh copy each run, as the real store is read anew.
                   return ParseRegedit4(FormatRegedit4(*userTree, SettingsRootPath("mogura")),
                                        SettingsRootPath("mogura"), tree, error);
                 }} {
    shell.desktop = temp + "Desktop";
  }

  void WritePetMails(int count) {
    DrawerWriter writer;
    for (int i = 0; i < count; ++i)
      writer.add(MailSpec{.subject = "S",
                          .date = std::to_string(1 + i) + " May 2000 10:00:00 +0900",
                          .header = "X-Kurumin-Message: 2\r\n",
                          .body = "hello\r\n"});
    ASSERT_TRUE(writer.write(receive, kInbox, files));
  }

  int Run(std::vector<std::string> args) {
    out.clear();
    err.clear();
    return RunCli(args, platform);
  }

  test::Machine machine;
  test::MemoryDisk& files = machine.disk;
  test::RecordingShell& shell = machine.shell;
  const std::string temp = files.addFolder("C:\\work");
  const std::string receive = files.addFolder("C:\\Kurumin\\Mail");
  std::shared_ptr<MemoryTree> userTree = std::make_shared<MemoryTree>();
  std::string userStoreError;
  std::string out, err;
  CliPlatform platform;
};

TEST_F(CliTest, HelpAndVersionGoToStandardOutput) {
  EXPECT_EQ(Run({"--help"}), kCliSuccess);
  EXPECT_NE(out.find("mogura-cli make"), std::string::npos);
  EXPECT_TRUE(err.empty());
  EXPECT_EQ(Run({"--version"}), kCliSuccess);
  EXPECT_NE(out.find("mogura-cli"), std::string::npos);
}

TEST_F(CliTest, UsageErrorsExitWithTwoAndOneLineSayingWhy) {
  const std::string folder = receive;
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"make", "--bogus"},
      {"make", "--drawer"},
      {"make", "--folder", folder, "--kind", "cats", "--out", "x.htm"},
      {"make", "--folder", folder, "--out", "x.htm", "--desktop"},
      {"make", "--out", "x.htm"},                                  // no receive folder
      {"make", "--folder", folder, "--drawer", "", "--out", "x"},  // no drawer
      {"make", "--folder", folder, "--kind", "pet"},               // no output path stored
      {"make", "--folder", folder, "--out", "x.htm", "--charset", "euc-jp"},
      {"make", "--folder", folder, "--out", "x.htm", "--charset"},
      {"make", "--folder", folder, "--out", "x.htm", "--feed-url", "ftp://example.org/"},
      {"make", "--folder", folder, "--out", "x.htm", "--feed-url", "example.org"},
      {"settings"},
      {"settings", "export"},
      {"settings", "export", "a.reg", "b.reg"},
  };
  // With a TargetBox stored, desktop output defaults to off and no path is stored for pet mail.
  SettingsKey root = MemoryRootKey(userTree);
  root.writeText("TargetBox", kInbox);
  for (const auto& args : cases) {
    EXPECT_EQ(Run(args), kCliUsageError) << (args.empty() ? "" : args.back());
    EXPECT_TRUE(out.empty());
    ASSERT_FALSE(err.empty());
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;  // exactly one line
  }
}

TEST_F(CliTest, MakeWritesThePageAndPrintsItsPath) {
  WritePetMails(3);
  const std::string page = temp + "pets.htm";
  EXPECT_EQ(Run({"make", "--folder", receive, "--kind", "pet", "--out", page}), kCliSuccess) << err;
  EXPECT_EQ(out, page + "\n");
  EXPECT_EQ(err, std::string(LoadText(IDS_MADE_OK)) + "\n");
  EXPECT_TRUE(files.exists(page));
  EXPECT_TRUE(shell.opened.empty());

  // --open takes the place of the success message.
  EXPECT_EQ(Run({"make", "--folder", receive, "--kind", "pet", "--out", page, "--open"}), kCliSuccess);
  EXPECT_EQ(shell.opened, std::vector<std::string>{page});
  EXPECT_TRUE(err.empty());
  // The folder without its separator is the same folder.
  std::string bare = receive;
  bare.pop_back();
  EXPECT_EQ(Run({"make", "--folder", bare, "--kind", "pet", "--out", page}), kCliSuccess) << err;
}

TEST_F(CliTest, PublishingOptionsReportEachFileAndOverrideTheStoredValues) {
  WritePetMails(3);
  const std::string page = temp + "pets.htm", feed = temp + "pets.xml";
  const std::vector<std::string> make = {"make", "--folder", receive, "--kind", "pet", "--out", page};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = make;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  ASSERT_EQ(Run(with({"--report", "--feed-url", "https://example.org/pets"})), kCliSuccess) << err;
  EXPECT_EQ(out, "written\t" + page + "\nwritten\t" + feed + "\n" + page + "\n");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(files, feed, 1 << 20, &bytes));
  EXPECT_NE(bytes.find("https://example.org/pets/pets.htm"), std::string::npos);

  ASSERT_EQ(Run(with({"--report", "--feed-url", "https://example.org/pets"})), kCliSuccess) << err;
  EXPECT_EQ(out, "unchanged\t" + page + "\nunchanged\t" + feed + "\n" + page + "\n");
  ASSERT_EQ(Run(with({"--report", "--feed-url", "https://example.org/pets", "--rewrite"})), kCliSuccess) << err;
  EXPECT_EQ(out, "written\t" + page + "\nwritten\t" + feed + "\n" + page + "\n");

  // A stored feed address and charset; an empty --feed-url turns the feed off for the run.
  SettingsKey publish = MemoryRootKey(userTree).createSubKey("Publish");
  publish.writeText("Charset", "utf-8");
  publish.writeText("FeedUrl", "http://stored/");
  ASSERT_EQ(Run(with({"--report", "--feed-url", ""})), kCliSuccess) << err;
  EXPECT_EQ(out, "written\t" + page + "\n" + page + "\n");
  ASSERT_TRUE(ReadWholeFile(files, page, 1 << 20, &bytes));
  EXPECT_EQ(bytes.rfind("\xef\xbb\xbf", 0), 0u) << "a UTF-8 page begins with the byte-order mark";
  ASSERT_EQ(Run(with({"--charset", "SHIFT_JIS"})), kCliSuccess) << err;
  ASSERT_TRUE(ReadWholeFile(files, page, 1 << 20, &bytes));
  EXPECT_NE(bytes.rfind("\xef\xbb\xbf", 0), 0u);
  ASSERT_TRUE(ReadWholeFile(files, feed, 1 << 20, &bytes));
  EXPECT_NE(bytes.find("http://stored/pets.htm"), std::string::npos);

  // The help names every option.
  Run({"--help"});
  for (const char* option : {"--charset", "--feed-url", "--rewrite", "--report"})
    EXPECT_NE(out.find(option), std::string::npos) << option;
}

TEST_F(CliTest, AFolderEndingInATrailByteBackslashGetsItsSeparator) {
  // "ソ" is 0x83 0x5C: its last byte is no separator, so one must be added.
  const std::string folder = temp + "\x83\x5C";
  ASSERT_TRUE(files.createFolder(folder));
  DrawerWriter writer;
  writer.add(MailSpec{.subject = "S", .header = "X-Kurumin-Message: 2\r\n", .body = "hi\r\n"});
  ASSERT_TRUE(writer.write(folder + "\\", kInbox, files));
  EXPECT_EQ(Run({"make", "--folder", folder, "--kind", "pet", "--out", temp + "p.htm"}), kCliSuccess) << err;
}

TEST_F(CliTest, JobFailuresExitWithOneAfterTheirMessage) {
  EXPECT_EQ(Run({"make", "--folder", receive, "--out", temp + "p.htm"}), kCliJobFailed);
  EXPECT_EQ(err, std::string(LoadText(IDS_DRAWER_NOT_FOUND)) + "\n");
  EXPECT_TRUE(out.empty());
  WritePetMails(1);
  EXPECT_EQ(Run({"make", "--folder", receive, "--kind", "event", "--out", temp + "p.htm"}),
            kCliJobFailed);
  EXPECT_EQ(err, FormatText(LoadText(IDS_NO_MAIL), kInbox) + "\n");
}

TEST_F(CliTest, TheDesktopQuestionIsAnsweredYesOnlyWithYes) {
  WritePetMails(12);  // twelve days of May: twelve pages by day
  ASSERT_TRUE(files.createFolder(shell.desktop));
  SettingsKey root = MemoryRootKey(userTree);
  SettingsKey divide = root.createSubKey("Devide");
  divide.writeFlag("Valid", true);
  divide.writeInt("Type", 2);
  divide.writeFlag("OutputIndex", true);

  EXPECT_EQ(Run({"make", "--folder", receive, "--kind", "pet", "--desktop"}), kCliJobFailed);
  EXPECT_NE(err.find(FormatText(LoadText(IDS_MANY_DESKTOP_FILES), "12")), std::string::npos);
  std::vector<std::string> names;
  ASSERT_TRUE(files.findFiles(shell.desktop, "*", &names));
  EXPECT_TRUE(names.empty());

  EXPECT_EQ(Run({"make", "--folder", receive, "--kind", "pet", "--desktop", "--yes"}), kCliSuccess);
  ASSERT_TRUE(files.findFiles(shell.desktop, "*", &names));
  EXPECT_EQ(names.size(), 13u);
  EXPECT_NE(out.find(LoadText(IDS_TITLE_PET_MAIL)), std::string::npos);
}

TEST_F(CliTest, SettingsFilesAreReadButNeverWrittenByMake) {
  WritePetMails(1);
  const std::string reg = temp + "s.reg";
  // Paths inside a quoted REGEDIT4 text have their backslashes doubled.
  auto quoted = [](const std::string& path) {
    std::string e;
    for (char c : path) e += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return e;
  };
  const std::string file = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura]\r\n"
                           "\"TargetType\"=dword:00000001\r\n\"TargetBox\"=\"" + kInbox + "\"\r\n"
                           "\"OutputPetMail\"=\"" + quoted(temp + "stored.htm") + "\"\r\n"
                           "\"SortTimeNew\"=dword:00000001\r\n";
  ASSERT_TRUE(test::WriteBytes(files, reg, file));
  // The stored kind (pet mail) and its stored output path apply.
  EXPECT_EQ(Run({"make", "--settings", reg, "--folder", receive}), kCliSuccess) << err;
  EXPECT_TRUE(files.exists(temp + "stored.htm"));
  std::string after;
  ASSERT_TRUE(ReadWholeFile(files, reg, 1 << 20, &after));
  EXPECT_EQ(after, file);  // the migration of SortTimeNew happened in memory only

  // Export: the same settings as the program saves them, the old value moved into its section.
  const std::string exported = temp + "out.reg";
  EXPECT_EQ(Run({"settings", "export", exported, "--settings", reg}), kCliSuccess) << err;
  Regedit4FileStore store("mogura", files);
  std::string error;
  ASSERT_TRUE(store.load(exported, &error)) << error;
  SettingsKey root = store.root();
  std::int32_t version = 0, sortTime = 0;
  EXPECT_TRUE(root.readInt("ProgramVersion", &version));
  EXPECT_EQ(version, kProgramVersion);
  EXPECT_FALSE(root.readInt("SortTimeNew", &sortTime));
  std::string targetBox;
  EXPECT_TRUE(root.readText("TargetBox", &targetBox));
  EXPECT_EQ(targetBox, kInbox);
  EXPECT_TRUE(root.openSubKey("Pickup").valid());
  EXPECT_TRUE(root.openSubKey("HTML").valid());
  ASSERT_TRUE(ReadWholeFile(files, reg, 1 << 20, &after));
  EXPECT_EQ(after, file);
}

// The export holds what a save into an empty store writes: values of older releases left
// beside their sections, and the text of a disabled date bound, stay behind.
TEST_F(CliTest, SettingsExportHoldsTheSettingsAndNothingElse) {
  const std::string root = SettingsRootPath("mogura");
  const std::string source = temp + "old.reg";
  ASSERT_TRUE(test::WriteBytes(files, source,
                               "REGEDIT4\r\n\r\n[" + root + "]\r\n"
                               "\"KuruminDir\"=\"C:\\\\Old\\\\\"\r\n\"SortTimeNew\"=dword:00000001\r\n"
                               "\"TargetBox\"=\"" + kInbox + "\"\r\n\"OutputFile\"=\"x.htm\"\r\n\r\n"
                               "[" + root + "\\PetFolders]\r\n\"ActiveIndex\"=dword:00000000\r\n"
                               "\"Folder1\"=\"C:\\\\Kurumin\\\\\"\r\n\r\n"
                               "[" + root + "\\Pickup]\r\n\"EnableBeginDate\"=dword:00000000\r\n"
                               "\"BeginDate\"=\"2001/02/03 00:00:00\"\r\n\"EnableEndDate\"=dword:00000001\r\n"
                               "\"EndDate\"=\"2009/12/31 23:59:59\"\r\n\"SortDir\"=dword:00000001\r\n\r\n"));
  const std::string first = temp + "first.reg", second = temp + "second.reg";
  ASSERT_EQ(Run({"settings", "export", first, "--settings", source}), kCliSuccess) << err;
  std::string exported;
  ASSERT_TRUE(ReadWholeFile(files, first, 1 << 20, &exported));
  for (const char* gone : {"KuruminDir", "SortTimeNew", "\"BeginDate\"", "2001/02/03", "OutputFile", "C:\\\\Old"})
    EXPECT_EQ(exported.find(gone), std::string::npos) << gone;
  EXPECT_NE(exported.find("\"EndDate\"=\"2009/12/31 23:59:59\""), std::string::npos);
  EXPECT_NE(exported.find("\"Folder1\"=\"C:\\\\Kurumin\\\\\""), std::string::npos);

  // Exactly the bytes of loading the source and saving into an empty store.
  Regedit4FileStore store("mogura", files);
  std::string error;
  ASSERT_TRUE(store.load(source, &error)) << error;
  AppSettings settings;
  settings.Load(store.root());
  MainEntries entries;
  entries.Load(store.root());
  auto empty = std::make_shared<MemoryTree>();
  ASSERT_TRUE(entries.Save(MemoryRootKey(empty)) && settings.Save(MemoryRootKey(empty)));
  EXPECT_EQ(exported, FormatRegedit4(*empty, root));

  // Importing the export and exporting again gives the same bytes.
  ASSERT_EQ(Run({"settings", "export", second, "--settings", first}), kCliSuccess) << err;
  std::string again;
  ASSERT_TRUE(ReadWholeFile(files, second, 1 << 20, &again));
  EXPECT_EQ(again, exported);
}

TEST_F(CliTest, UnreadableSettingsExitWithTwo) {
  const std::string reg = temp + "bad.reg";
  ASSERT_TRUE(test::WriteBytes(files, reg, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Pikomaru\\mogura]\r\n\"A\"=bogus\r\n"));
  EXPECT_EQ(Run({"make", "--settings", reg, "--folder", receive, "--out", "x.htm"}), kCliUsageError);
  EXPECT_NE(err.find("line 4"), std::string::npos) << err;
  userStoreError = "broken";
  EXPECT_EQ(Run({"make", "--folder", receive, "--out", "x.htm"}), kCliUsageError);
  EXPECT_NE(err.find("broken"), std::string::npos);
}

}  // namespace
}  // namespace mogura
