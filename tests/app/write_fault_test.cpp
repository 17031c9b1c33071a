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
#include "support/machine.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::FileOp;
using test::MailSpec;
using test::MemoryDisk;

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

std::string Read(MemoryDisk& files, const std::string& path) {
  std::string bytes;
  return ReadWholeFile(files, path, 1 << 26, &bytes) ? bytes : "<none>";
}

// A new empty folder on `files`, ending in its separator.
std::string NewFolder(MemoryDisk& files) {
  static int made = 0;
  return files.addFolder("C:\\run" + std::to_string(++made));
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
    EXPECT_TRUE(writer.write(receive, kInbox, files));
    settings.petFolders.AddFolder(receive);
    settings.kind = kPetMailKind;
    settings.pickup.SetSortDir(true);
  }

  // Runs the job into a fresh folder; returns the bytes of every file it left there.
  std::map<std::string, std::string> RunInto(const std::string& folder, bool* ok) {
    ui.messages.clear();
    GenerationJob job(settings, ui, files);
    job.setDrawer(kInbox);
    *ok = job.run(folder + "pets.htm");
    std::vector<std::string> names;
    EXPECT_TRUE(files.findFiles(folder, "*", &names));
    std::map<std::string, std::string> written;
    for (const std::string& name : names) written[folder + name] = Read(files, folder + name);
    return written;
  }

  // Walks every open, write and close of the run and checks each fault's outcome.
  void WalkFaults() {
    const std::string cleanFolder = NewFolder(files);
    bool ok = false;
    files.faults.failNth(FileOp::kOpen, 0);
    const std::map<std::string, std::string> clean = RunInto(cleanFolder, &ok);
    ASSERT_TRUE(ok);
    const std::vector<std::string> opened = files.faults.pathsOf(FileOp::kOpen);  // in the order written
    std::map<FileOp, std::vector<std::string>> pathOf;
    for (FileOp op : kPageOps) pathOf[op] = files.faults.pathsOf(op);
    ASSERT_GT(pathOf[FileOp::kWrite].size(), opened.size());  // some page takes several writes

    for (FileOp op : kPageOps) {
      for (std::size_t n = 1; n <= pathOf[op].size(); ++n) {
        SCOPED_TRACE(std::string(Name(op)) + " " + std::to_string(n));
        const std::string folder = NewFolder(files);
        files.faults.failNth(op, static_cast<int>(n));
        const auto left = RunInto(folder, &ok);
        EXPECT_FALSE(ok);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, LoadText(op == FileOp::kOpen ? IDS_OUTPUT_NOT_OPENED : IDS_WRITE_FAILED));
        // The file of the fault, by its name: the clean run wrote into another folder.
        const std::string faulty = pathOf[op][n - 1].substr(cleanFolder.size());
        bool after = false;
        for (const std::string& path : opened) {
          const std::string name = path.substr(cleanFolder.size());
          const std::string here = folder + name;
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
    const std::string cleanFolder = NewFolder(files);
    bool ok = false;
    files.faults.failNth(FileOp::kOpen, 0);
    const std::map<std::string, std::string> clean = RunInto(cleanFolder, &ok);
    ASSERT_TRUE(ok);
    auto fillWithOld = [&](const std::string& folder) {
      for (const auto& [path, bytes] : clean) {
        const std::string name = path.substr(cleanFolder.size());
        ASSERT_TRUE(test::WriteBytes(files, folder + name, "old " + name));
      }
    };
    const std::string dryFolder = NewFolder(files);
    fillWithOld(dryFolder);
    files.faults.failNth(FileOp::kOpen, 0);
    ASSERT_EQ(RunInto(dryFolder, &ok).size(), clean.size());
    ASSERT_TRUE(ok);
    std::map<FileOp, std::vector<std::string>> pathOf;
    for (FileOp op : {FileOp::kOpen, FileOp::kWrite, FileOp::kClose, FileOp::kRename}) pathOf[op] = files.faults.pathsOf(op);
    ASSERT_EQ(pathOf[FileOp::kRename].size(), clean.size()) << "every file differs, so every file is replaced";

    for (const auto& [op, paths] : pathOf) {
      for (std::size_t n = 1; n <= paths.size(); ++n) {
        SCOPED_TRACE(std::string(Name(op)) + " " + std::to_string(n));
        const std::string folder = NewFolder(files);
        fillWithOld(folder);
        files.faults.failNth(op, static_cast<int>(n));
        const auto left = RunInto(folder, &ok);
        EXPECT_FALSE(ok);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, LoadText(IDS_WRITE_FAILED));
        ASSERT_EQ(left.size(), clean.size()) << "a temporary file was left";
        std::string faulty = paths[n - 1].substr(dryFolder.size());
        if (faulty.size() > 4 && faulty.substr(faulty.size() - 4) == ".new") faulty.resize(faulty.size() - 4);
        for (const auto& [path, bytes] : clean) {
          const std::string name = path.substr(cleanFolder.size());
          ASSERT_EQ(left.count(folder + name), 1u) << name;
          const std::string& now = left.at(folder + name);
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
  test::Machine machine;
  MemoryDisk& files = machine.disk;
  const std::string receive = files.addFolder("C:\\Kurumin\\Mail");
  AppSettings settings;
  test::ScriptedInteraction& ui = machine.ui;
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
    const std::string folder = NewFolder(files);
    const std::string feed = folder + "pets.xml";
    files.faults.unopenable.clear();
    files.faults.failingWrites.clear();
    (unopenable ? files.faults.unopenable : files.faults.failingWrites).insert(feed);
    bool ok = true;
    const auto left = RunInto(folder, &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, LoadText(IDS_WRITE_FAILED));
    ASSERT_EQ(left.count(folder + "pets.htm"), 1u);
    EXPECT_GT(left.at(folder + "pets.htm").size(), 100000u);
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

  test::Machine machine;
  MemoryDisk& files = machine.disk;
  test::RecordingShell& shell = machine.shell;
  const std::string temp = files.addFolder("C:\\settings");
  std::string err;
  CliPlatform platform;
};

TEST_F(ExportFaultTest, AFailedExportLeavesTheOldFileWholeOrNoFile) {
  const std::string out = temp + "settings.reg";
  files.faults.failNth(FileOp::kOpen, 0);
  ASSERT_EQ(Export(out), kCliSuccess) << err;
  const std::string exported = Read(files, out);
  std::map<FileOp, std::size_t> count;
  for (const auto& logged : files.faults.ops) ++count[logged.op];
  ASSERT_EQ(count[FileOp::kRename], 1u);

  for (bool oldFile : {true, false}) {
    for (FileOp op : {FileOp::kOpen, FileOp::kWrite, FileOp::kClose, FileOp::kRename}) {
      for (std::size_t n = 1; n <= count[op]; ++n) {
        SCOPED_TRACE(std::string(oldFile ? "over an old file, " : "no old file, ") + Name(op) + " " +
                     std::to_string(n));
        if (oldFile) ASSERT_TRUE(test::WriteBytes(files, out, "old settings"));
        else files.removeFile(out);
        files.faults.failNth(op, static_cast<int>(n));
        EXPECT_EQ(Export(out), kCliJobFailed);
        EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
        EXPECT_EQ(Read(files, out), oldFile ? "old settings" : "<none>");
        std::vector<std::string> names;
        ASSERT_TRUE(files.findFiles(temp, "*", &names));
        EXPECT_EQ(names.size(), oldFile ? 1u : 0u) << "a temporary file was left";
      }
    }
  }
  files.faults.failNth(FileOp::kOpen, 0);
  EXPECT_EQ(Export(out), kCliSuccess);
  EXPECT_EQ(Read(files, out), exported);
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
  const std::string source = temp + "source.reg";
  ASSERT_TRUE(test::WriteBytes(files, source, FormatRegedit4(*tree, SettingsRootPath("mogura"))));
  const std::string out = temp + "out.reg";
  const auto exportFrom = [&] {
    err.clear();
    return RunCli({"settings", "export", out, "--settings", source}, platform);
  };
  files.faults.failNth(FileOp::kOpen, 0);
  ASSERT_EQ(exportFrom(), kCliSuccess) << err;
  const std::string fresh = Read(files, out);
  ASSERT_GT(fresh.size(), 200000u);

  // Stopped right after the rename: the new file whole. Before it, the file itself was never
  // opened, written or closed, so until then it was the old one.
  ASSERT_TRUE(test::WriteBytes(files, out, "old settings"));
  files.faults.failNth(FileOp::kOpen, 0);
  ASSERT_EQ(exportFrom(), kCliSuccess) << err;
  EXPECT_EQ(Read(files, out), fresh);
  ASSERT_FALSE(files.faults.ops.empty());
  EXPECT_EQ(files.faults.ops.back().op, FileOp::kRename);
  EXPECT_EQ(files.faults.ops.back().path, out);
  bool closedBeforeRename = false;
  for (std::size_t i = 0; i + 1 < files.faults.ops.size(); ++i) {
    EXPECT_NE(files.faults.ops[i].path, out) << Name(files.faults.ops[i].op) << " of the file itself";
    closedBeforeRename = closedBeforeRename || files.faults.ops[i].op == FileOp::kClose;
  }
  EXPECT_TRUE(closedBeforeRename);

  // Stopped right before the rename: the old file whole, and no temporary file left.
  ASSERT_TRUE(test::WriteBytes(files, out, "old settings"));
  files.faults.failNth(FileOp::kRename, 1);
  EXPECT_EQ(exportFrom(), kCliJobFailed);
  EXPECT_EQ(Read(files, out), "old settings");
  std::vector<std::string> names;
  ASSERT_TRUE(files.findFiles(temp, "*", &names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"out.reg", "source.reg"}));
}

}  // namespace
}  // namespace mogura
