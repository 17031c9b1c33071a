// Write faults: the Nth open, write, close or rename fails, for every N of three runs (a single
// page, divided pages with an index, a settings export). Each gives the job's message for it,
// the run fails, and the files written before it stay whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "cli/cli.h"
#include "app/generation_job.h"
#include "base/string_table.h"
#include "store/regedit4_file.h"
#include "support/drawer_writer.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::FakeInteraction;
using test::FaultyFileSystem;
using test::FileOp;
using test::MailSpec;
using test::TempFolder;

const std::string kInbox(LoadText(IDS_RECEIVED_MAIL));
constexpr FileOp kPageOps[] = {FileOp::kOpen, FileOp::kWrite, FileOp::kClose};

const char* Name(FileOp op) {
  switch (op) {
    case FileOp::kOpen: return "open";
    case FileOp::kWrite: return "write";
    case FileOp::kClose: return "close";
    default: return "rename";
  }
}

std::string Read(const std::string& path) {
  std::string bytes;
  return ReadWholeFile(HostFileSystem(), path, 1 << 26, &bytes) ? bytes : "<none>";
}

class WriteFaultTest : public ::testing::Test {
 protected:
  WriteFaultTest() {
    // Three months of pet mail; the single page is large enough for several writes.
    DrawerWriter writer;
    for (int i = 0; i < 300; ++i) {
      writer.add(MailSpec{.subject = "S" + std::to_string(i),
                          .date = std::to_string(1 + i % 28) + " " + kMonths[i % 3] + " 2000 10:00:00 +0900",
                          .header = "X-Kurumin-Message: 2\r\n",
                          .body = std::string(600, 'b') + "\r\n"});
    }
    EXPECT_TRUE(writer.write(receive.path(), kInbox));
    settings.petFolders.AddFolder(receive.path());
    settings.kind = kPetMailKind;
    settings.pickup.SetSortDir(true);
  }

  // Runs the job into a fresh folder; returns the bytes of every file it left there.
  std::map<std::string, std::string> RunInto(const TempFolder& folder, bool* ok) {
    ui.messages.clear();
    GenerationJob job(settings, ui, files);
    job.setDrawer(kInbox);
    *ok = job.run(folder.file("pets.htm"));
    std::vector<std::string> names;
    EXPECT_TRUE(HostFileSystem().findFiles(folder.path(), "*", &names));
    std::map<std::string, std::string> written;
    for (const std::string& name : names) written[folder.file(name)] = Read(folder.file(name));
    return written;
  }

  // Walks every open, write and close of the run and checks each fault's outcome.
  void WalkFaults() {
    TempFolder cleanFolder;
    bool ok = false;
    files.failNth(FileOp::kOpen, 0);
    const std::map<std::string, std::string> clean = RunInto(cleanFolder, &ok);
    ASSERT_TRUE(ok);
    const std::vector<std::string> opened = files.pathsOf(FileOp::kOpen);  // in the order written
    std::map<FileOp, std::vector<std::string>> pathOf;
    for (FileOp op : kPageOps) pathOf[op] = files.pathsOf(op);
    ASSERT_GT(pathOf[FileOp::kWrite].size(), opened.size());  // some page takes several writes

    for (FileOp op : kPageOps) {
      for (std::size_t n = 1; n <= pathOf[op].size(); ++n) {
        SCOPED_TRACE(std::string(Name(op)) + " " + std::to_string(n));
        TempFolder folder;
        files.failNth(op, static_cast<int>(n));
        const auto left = RunInto(folder, &ok);
        EXPECT_FALSE(ok);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, LoadText(op == FileOp::kOpen ? IDS_OUTPUT_NOT_OPENED : IDS_WRITE_FAILED));
        // The file of the fault, by its name: the clean run wrote into another folder.
        const std::string faulty = pathOf[op][n - 1].substr(cleanFolder.path().size());
        bool after = false;
        for (const std::string& path : opened) {
          const std::string name = path.substr(cleanFolder.path().size());
          const std::string here = folder.file(name);
          if (name == faulty) {
            if (op == FileOp::kOpen) {
              EXPECT_EQ(left.count(here), 0u);
            }
            after = op == FileOp::kOpen;  // an unopenable file ends the run at once
            continue;
          }
          if (after) {
            EXPECT_EQ(left.count(here), 0u) << name << " written after a file that could not be opened";
          } else {
            ASSERT_EQ(left.count(here), 1u) << name;
            EXPECT_TRUE(left.at(here) == clean.at(path)) << name << " is not whole";
          }
        }
      }
    }
  }

  // Walks every fault of a run over the files of an earlier run that all differ from the new
  // ones: each is replaced beside the old file, so a fault leaves every file whole, old or new,
  // with the one message of a failed write.
  void WalkFaultsOverOldFiles() {
    TempFolder cleanFolder;
    bool ok = false;
    files.failNth(FileOp::kOpen, 0);
    const std::map<std::string, std::string> clean = RunInto(cleanFolder, &ok);
    ASSERT_TRUE(ok);
    auto fillWithOld = [&](const TempFolder& folder) {
      for (const auto& [path, bytes] : clean) {
        const std::string name = path.substr(cleanFolder.path().size());
        ASSERT_TRUE(test::WriteBytes(HostFileSystem(), folder.file(name), "old " + name));
      }
    };
    TempFolder dryFolder;
    fillWithOld(dryFolder);
    files.failNth(FileOp::kOpen, 0);
    ASSERT_EQ(RunInto(dryFolder, &ok).size(), clean.size());
    ASSERT_TRUE(ok);
    std::map<FileOp, std::vector<std::string>> pathOf;
    for (FileOp op : {FileOp::kOpen, FileOp::kWrite, FileOp::kClose, FileOp::kRename}) pathOf[op] = files.pathsOf(op);
    ASSERT_EQ(pathOf[FileOp::kRename].size(), clean.size()) << "every file differs, so every file is replaced";

    for (const auto& [op, paths] : pathOf) {
      for (std::size_t n = 1; n <= paths.size(); ++n) {
        SCOPED_TRACE(std::string(Name(op)) + " " + std::to_string(n));
        TempFolder folder;
        fillWithOld(folder);
        files.failNth(op, static_cast<int>(n));
        const auto left = RunInto(folder, &ok);
        EXPECT_FALSE(ok);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, LoadText(IDS_WRITE_FAILED));
        ASSERT_EQ(left.size(), clean.size()) << "a temporary file was left";
        std::string faulty = paths[n - 1].substr(dryFolder.path().size());
        if (faulty.size() > 4 && faulty.substr(faulty.size() - 4) == ".new") faulty.resize(faulty.size() - 4);
        for (const auto& [path, bytes] : clean) {
          const std::string name = path.substr(cleanFolder.path().size());
          ASSERT_EQ(left.count(folder.file(name)), 1u) << name;
          const std::string& now = left.at(folder.file(name));
          if (name == faulty) {
            EXPECT_EQ(now, "old " + name) << "the file of the fault is not the old one";
          } else {
            EXPECT_TRUE(now == "old " + name || now == bytes) << name << " is not whole";
          }
        }
      }
    }
  }

  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar"};
  TempFolder receive;
  AppSettings settings;
  FakeInteraction ui;
  FaultyFileSystem files;
};

TEST_F(WriteFaultTest, EveryFaultOfASinglePageRun) { WalkFaults(); }

TEST_F(WriteFaultTest, EveryFaultOfADividedRunWithItsIndex) {
  settings.divide.setValid(true);
  settings.divide.setType(0);
  settings.divide.setOutputIndex(true);
  WalkFaults();
}

TEST_F(WriteFaultTest, EveryFaultOverTheFilesOfAnEarlierRunWithTheFeed) {
  settings.divide.setValid(true);
  settings.divide.setType(0);
  settings.divide.setOutputIndex(true);
  settings.publish.setFeedUrl("http://example.org/");
  settings.publish.setUtf8(true);
  WalkFaultsOverOldFiles();
}

TEST_F(WriteFaultTest, AFeedThatCannotBeWrittenGivesOneMessageAndThePagesStay) {
  settings.publish.setFeedUrl("http://example.org/");
  for (bool unopenable : {true, false}) {
    SCOPED_TRACE(unopenable);
    TempFolder folder;
    const std::string feed = folder.file("pets.xml");
    files.unopenable.clear();
    files.failingWrites.clear();
    (unopenable ? files.unopenable : files.failingWrites).insert(feed);
    bool ok = true;
    const auto left = RunInto(folder, &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, LoadText(IDS_WRITE_FAILED));
    ASSERT_EQ(left.count(folder.file("pets.htm")), 1u);
    EXPECT_GT(left.at(folder.file("pets.htm")).size(), 100000u);
  }
}

// The settings export writes a temporary file and renames it over the old one.
class ExportFaultTest : public ::testing::Test {
 protected:
  ExportFaultTest()
      : platform{files, shell, [this](ConsoleStream, std::string_view text) { err += text; },
                 [](MemoryTree*, std::string*) { return true; }} {}

  int Export(const std::string& out) {
    err.clear();
    return RunCli({"settings", "export", out}, platform);
  }

  TempFolder temp;
  FaultyFileSystem files;
  test::FakeShell shell;
  std::string err;
  CliPlatform platform;
};

TEST_F(ExportFaultTest, AFailedExportLeavesTheOldFileWholeOrNoFile) {
  const std::string out = temp.file("settings.reg");
  files.failNth(FileOp::kOpen, 0);
  ASSERT_EQ(Export(out), kCliSuccess) << err;
  const std::string exported = Read(out);
  std::map<FileOp, std::size_t> count;
  for (const auto& logged : files.ops) ++count[logged.op];
  ASSERT_EQ(count[FileOp::kRename], 1u);

  for (bool oldFile : {true, false}) {
    for (FileOp op : {FileOp::kOpen, FileOp::kWrite, FileOp::kClose, FileOp::kRename}) {
      for (std::size_t n = 1; n <= count[op]; ++n) {
        SCOPED_TRACE(std::string(oldFile ? "over an old file, " : "no old file, ") + Name(op) + " " +
                     std::to_string(n));
        if (oldFile) ASSERT_TRUE(test::WriteBytes(HostFileSystem(), out, "old settings"));
        else HostFileSystem().removeFile(out);
        files.failNth(op, static_cast<int>(n));
        EXPECT_EQ(Export(out), kCliJobFailed);
        EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
        EXPECT_EQ(Read(out), oldFile ? "old settings" : "<none>");
        std::vector<std::string> names;
        ASSERT_TRUE(HostFileSystem().findFiles(temp.path(), "*", &names));
        EXPECT_EQ(names.size(), oldFile ? 1u : 0u) << "a temporary file was left";
      }
    }
  }
  files.failNth(FileOp::kOpen, 0);
  EXPECT_EQ(Export(out), kCliSuccess);
  EXPECT_EQ(Read(out), exported);
}

// An export stopped at any moment (a killed process, a full disk) leaves the old file or the
// new one, whole: the new bytes go into a temporary file, and only a rename made after that
// file was closed puts them in place. The rename fault stops an export at that moment.
TEST_F(ExportFaultTest, AnExportStoppedBeforeOrAfterItsRenameLeavesTheOldOrTheNewFileWhole) {
  // Many folders make a file of some hundred kilobytes, written in one piece.
  auto tree = std::make_shared<MemoryTree>();
  {
    AppSettings settings;
    for (int i = 0; i < 8000; ++i) settings.petFolders.AddFolder("C:\\Kurumin" + std::to_string(i) + "\\");
    ASSERT_TRUE(settings.Save(MemoryRootKey(tree)));
  }
  const std::string source = temp.file("source.reg");
  ASSERT_TRUE(test::WriteBytes(HostFileSystem(), source, FormatRegedit4(*tree, SettingsRootPath("mogura"))));
  const std::string out = temp.file("out.reg");
  const auto exportFrom = [&] {
    err.clear();
    return RunCli({"settings", "export", out, "--settings", source}, platform);
  };
  files.failNth(FileOp::kOpen, 0);
  ASSERT_EQ(exportFrom(), kCliSuccess) << err;
  const std::string fresh = Read(out);
  ASSERT_GT(fresh.size(), 200000u);

  // Stopped right after the rename: the new file whole. Before it, the file itself was never
  // opened, written or closed, so until then it was the old one.
  ASSERT_TRUE(test::WriteBytes(HostFileSystem(), out, "old settings"));
  files.failNth(FileOp::kOpen, 0);
  ASSERT_EQ(exportFrom(), kCliSuccess) << err;
  EXPECT_EQ(Read(out), fresh);
  ASSERT_FALSE(files.ops.empty());
  EXPECT_EQ(files.ops.back().op, FileOp::kRename);
  EXPECT_EQ(files.ops.back().path, out);
  bool closedBeforeRename = false;
  for (std::size_t i = 0; i + 1 < files.ops.size(); ++i) {
    EXPECT_NE(files.ops[i].path, out) << Name(files.ops[i].op) << " of the file itself";
    closedBeforeRename = closedBeforeRename || files.ops[i].op == FileOp::kClose;
  }
  EXPECT_TRUE(closedBeforeRename);

  // Stopped right before the rename: the old file whole, and no temporary file left.
  ASSERT_TRUE(test::WriteBytes(HostFileSystem(), out, "old settings"));
  files.failNth(FileOp::kRename, 1);
  EXPECT_EQ(exportFrom(), kCliJobFailed);
  EXPECT_EQ(Read(out), "old settings");
  std::vector<std::string> names;
  ASSERT_TRUE(HostFileSystem().findFiles(temp.path(), "*", &names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"out.reg", "source.reg"}));
}

}  // namespace
}  // namespace mogura
