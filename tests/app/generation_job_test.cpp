#include "app/generation_job.h"

#include <gtest/gtest.h>

#include "app/make_command.h"
#include "base/string_table.h"
#include "support/drawer_writer.h"
#include "support/machine.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;

const std::string kInbox(LoadText(IDS_RECEIVED_MAIL));

std::string MonthDate(int monthIndex) {  // monthIndex 0 = January 2000
  static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return "15 " + std::string(kMonths[monthIndex % 12]) + " " + std::to_string(2000 + monthIndex / 12) +
         " 12:00:00 +0900";
}

MailSpec PetMail(const std::string& date, const std::string& body = "hello\r\n") {
  return MailSpec{.subject = "S", .date = date, .header = "X-Kurumin-Message: 2\r\n", .body = body};
}

class GenerationJobTest : public ::testing::Test {
 protected:
  GenerationJobTest() {
    settings.petFolders.AddFolder(receive);
    settings.kind = kPetMailKind;
    settings.pickup.SetSortDir(true);  // oldest first: pages are written January first
  }

  // A drawer of pet mails, one in each of `months` consecutive months.
  void WriteMonths(int months) {
    DrawerWriter writer;
    for (int i = 0; i < months; ++i) writer.add(PetMail(MonthDate(i)));
    ASSERT_TRUE(writer.write(receive, kInbox, files));
  }

  std::string ReadFile(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(files, path, 1 << 24, &bytes)) << path;
    return bytes;
  }

  void DivideByMonth(bool index) {
    settings.divide.setValid(true);
    settings.divide.setType(0);
    settings.divide.setOutputIndex(index);
  }

  bool Run(const std::string& outputPath, bool toDesktop = false) {
    GenerationJob job(settings, ui, files);
    job.setDrawer(kInbox);
    job.setToDesktop(toDesktop);
    const bool ok = job.run(outputPath);
    written = job.writtenPath();
    handled = job.handledFiles();
    return ok;
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : ui.messages) texts.push_back(m.text);
    return texts;
  }

  test::Machine machine;
  test::MemoryDisk& files = machine.disk;
  const std::string receive = files.addFolder("C:\\Kurumin\\Mail");
  const std::string out = files.addFolder("C:\\pages");
  AppSettings settings;
  test::ScriptedInteraction& ui = machine.ui;
  std::string written;
  std::vector<HandledFile> handled;
};

TEST_F(GenerationJobTest, ReadFailuresAndEmptyResultsEachShowTheirMessage) {
  // No list file at all.
  EXPECT_FALSE(Run(out + "a.htm"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, LoadText(IDS_DRAWER_NOT_FOUND));
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);

  // An empty list file: read, but nothing picked; the drawer is named.
  ASSERT_TRUE(DrawerWriter().write(receive, kInbox, files));
  ui.messages.clear();
  EXPECT_FALSE(Run(out + "a.htm"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, FormatText(LoadText(IDS_NO_MAIL), kInbox));
  EXPECT_NE(ui.messages[0].text.find(kInbox), std::string::npos);
  EXPECT_FALSE(files.exists(out + "a.htm"));
  EXPECT_TRUE(written.empty());
}

TEST_F(GenerationJobTest, EmptyDrawerNameOrOutputPathFailsSilently) {
  WriteMonths(1);
  EXPECT_FALSE(Run(""));
  GenerationJob job(settings, ui, files);
  EXPECT_FALSE(job.run(out + "a.htm"));  // no drawer set
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerationJobTest, SinglePageIsWrittenOverAnExistingFile) {
  WriteMonths(3);
  const std::string path = out + "pets.htm";
  std::string old;
  for (int i = 0; i < 10000; ++i) old += "OLD-BYTES ";
  ASSERT_TRUE(test::WriteBytes(files, path, old));
  EXPECT_TRUE(Run(path));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(written, path);
  const std::string page = ReadFile(path);
  EXPECT_EQ(page.find("OLD-BYTES"), std::string::npos);
  EXPECT_NE(page.find("hello"), std::string::npos);
  EXPECT_NE(page.find("\r\n"), std::string::npos);
  EXPECT_EQ(page.find("\n\n"), std::string::npos);  // every line feed went out as CR LF
}

TEST_F(GenerationJobTest, MissingOutputFolderGivesTheOutputMessageAndNoFile) {
  WriteMonths(1);
  const std::string path = out + "missing\\a.htm";
  EXPECT_FALSE(Run(path));
  ASSERT_EQ(MessageTexts(), std::vector<std::string>{std::string(LoadText(IDS_OUTPUT_NOT_OPENED))});
  EXPECT_FALSE(files.exists(path));
  EXPECT_TRUE(written.empty());
}

TEST_F(GenerationJobTest, FailedPageWritesAreReportedOnceEachAndTheRestIsWritten) {
  WriteMonths(3);
  DivideByMonth(true);
  const std::string path = out + "pets.htm";
  files.faults.failingWrites = {out + "pets200001.htm", out + "pets200003.htm"};
  EXPECT_FALSE(Run(path));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>(2, std::string(LoadText(IDS_WRITE_FAILED))));
  EXPECT_NE(ReadFile(out + "pets200002.htm").find("hello"), std::string::npos);
  EXPECT_NE(ReadFile(path).find("pets200002.htm"), std::string::npos);  // the index was still written
  EXPECT_EQ(written, path);
}

TEST_F(GenerationJobTest, APageFileThatCannotBeOpenedStopsTheRunAtOnce) {
  WriteMonths(3);
  DivideByMonth(true);
  files.faults.unopenable = {out + "pets200002.htm"};
  EXPECT_FALSE(Run(out + "pets.htm"));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(LoadText(IDS_OUTPUT_NOT_OPENED))});
  EXPECT_TRUE(files.exists(out + "pets200001.htm"));
  EXPECT_FALSE(files.exists(out + "pets200003.htm"));
  EXPECT_FALSE(files.exists(out + "pets.htm"));
}

TEST_F(GenerationJobTest, DesktopOutputAsksOnlyAboveTenPages) {
  const std::string path = out + "desk.htm";
  DivideByMonth(true);
  settings.publish.setKeepUnchanged(false);  // every page is created again

  WriteMonths(10);
  EXPECT_TRUE(Run(path, true));
  EXPECT_TRUE(ui.messages.empty());

  WriteMonths(11);
  ui.answer = MessageAnswer::No;
  files.created.clear();
  EXPECT_FALSE(Run(path, true));
  ASSERT_EQ(ui.messages.size(), 1u);  // the question, and nothing after No
  EXPECT_EQ(ui.messages[0].text, FormatText(LoadText(IDS_MANY_DESKTOP_FILES), "11"));
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(ui.messages[0].defaultAnswer, MessageAnswer::No);
  EXPECT_TRUE(files.created.empty());

  ui.answer = MessageAnswer::Yes;
  EXPECT_TRUE(Run(path, true));
  EXPECT_EQ(files.created.size(), 12u);  // 11 pages and the index
  EXPECT_EQ(handled.size(), 12u);
  EXPECT_TRUE(files.exists(out + "desk200011.htm"));

  // Not on the desktop: never asked.
  ui.messages.clear();
  EXPECT_TRUE(Run(path, false));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GenerationJobTest, WithoutIndexTheRunNamesNoFileToOpen) {
  WriteMonths(2);
  DivideByMonth(false);
  test::RecordingShell& shell = machine.shell;
  MakeRequest request{.drawer = kInbox, .toDesktop = false, .typedPath = out + "p.htm", .openBrowser = true};
  const MakeOutcome outcome = RunMakeCommand(settings, request, ui, shell, files);
  EXPECT_TRUE(outcome.ok);
  EXPECT_TRUE(outcome.writtenPath.empty());
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(LoadText(IDS_MADE_OK))});
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(files.exists(out + "p200001.htm"));
  EXPECT_FALSE(files.exists(out + "p.htm"));
  EXPECT_EQ(ui.waitDepth, 0);
  EXPECT_EQ(ui.waitCursorShown, 1);
}

TEST_F(GenerationJobTest, MakeCommandOpensTheWrittenPageOrShowsSuccess) {
  WriteMonths(1);
  test::RecordingShell& shell = machine.shell;
  MakeRequest request{.drawer = kInbox, .toDesktop = false, .typedPath = out + "p.htm", .openBrowser = true};
  EXPECT_TRUE(RunMakeCommand(settings, request, ui, shell, files).ok);
  EXPECT_EQ(shell.opened, std::vector<std::string>{out + "p.htm"});
  EXPECT_TRUE(ui.messages.empty());

  request.openBrowser = false;
  EXPECT_TRUE(RunMakeCommand(settings, request, ui, shell, files).ok);
  EXPECT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(LoadText(IDS_MADE_OK))});
}

TEST_F(GenerationJobTest, DesktopFileNamesUseTheKindTitleAndTheDrawerName) {
  test::RecordingShell& shell = machine.shell;
  shell.desktop = out + "Desktop";
  const MakeRequest request{.drawer = kInbox, .toDesktop = true, .typedPath = "", .openBrowser = false};
  const char sep = files.separator();
  settings.kind = kPetMailKind;
  EXPECT_EQ(OutputPathFor(settings, request, shell, sep),
            shell.desktop + sep + std::string(LoadText(IDS_TITLE_PET_MAIL)) + "(" + kInbox + ").htm");
  settings.kind = kDiaryKind;
  EXPECT_EQ(OutputPathFor(settings, request, shell, sep),
            shell.desktop + sep + std::string(LoadText(IDS_TITLE_DIARY)) + "(" + kInbox + ").htm");
  settings.kind = kEventMailKind;
  EXPECT_NE(OutputPathFor(settings, request, shell, sep).find(LoadText(IDS_TITLE_EVENT_MAIL)), std::string::npos);
  // Not on the desktop: the typed path as it is.
  EXPECT_EQ(OutputPathFor(settings, MakeRequest{.drawer = kInbox, .toDesktop = false, .typedPath = "x.htm", .openBrowser = false}, shell, sep), "x.htm");
}

TEST_F(GenerationJobTest, AFormatWithoutItsPagesIsReportedAsAWriteFailure) {
  WriteMonths(2);
  settings.formats.setActiveIdentifier("NoSuchFormat");
  EXPECT_FALSE(Run(out + "p.htm"));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(LoadText(IDS_WRITE_FAILED))});
  EXPECT_FALSE(files.exists(out + "p.htm"));
}

TEST_F(GenerationJobTest, DamagedDrawersNeverCrashTheJob) {
  DrawerWriter writer;
  writer.add(PetMail(MonthDate(0)));
  writer.add(PetMail(MonthDate(1)));
  MailSpec hostile = PetMail(MonthDate(2));
  hostile.headerOffset = 0xFFFFFF00u;
  hostile.bodyOffset = 0x10u;  // below the header offset
  hostile.bodyLength = 0xFFFFFFFFu;
  writer.add(hostile);
  ASSERT_TRUE(writer.write(receive, kInbox, files));
  EXPECT_FALSE(Run(out + "p.htm"));
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(LoadText(IDS_DRAWER_NOT_FOUND))});
  EXPECT_FALSE(files.exists(out + "p.htm"));  // a failed read writes nothing

  // Truncated and garbled lists: whatever is read must end in a message or pages.
  for (std::size_t cut = 1; cut < writer.listBytes().size(); cut += 7) {
    DrawerWriter damaged = writer;
    damaged.listBytes().resize(cut);
    damaged.listBytes()[cut / 2] ^= 0x5A;
    ASSERT_TRUE(damaged.write(receive, kInbox, files));
    ui.messages.clear();
    const bool ok = Run(out + "p.htm");
    EXPECT_TRUE(ok || ui.messages.size() == 1u) << cut;
  }
}

}  // namespace
}  // namespace mogura
