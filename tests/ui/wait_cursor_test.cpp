// The make command runs under the wait cursor from start to end, also after the question it
// asks before writing many pages onto the desktop: the message box shows the arrow while the
// mouse is over it, and the job that goes on afterwards shows the wait cursor again.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/make_command.h"
#include "base/string_table.h"
#include "gui_driver.h"
#include "platform/win32/win32_user_interaction.h"
#include "support/drawer_writer.h"
#include "support/machine.h"

namespace mogura::win32 {
namespace {

using test::GuiDriver;

// The machine's disk that notes, for every file created, whether the wait cursor was showing
// on the thread that created it.
class CursorNotingFiles : public test::MemoryDisk {
 public:
  std::unique_ptr<OutputFile> createFile(const std::string& path) override {
    underWaitCursor.push_back(GetCursor() == LoadCursorW(nullptr, IDC_WAIT));
    return MemoryDisk::createFile(path);
  }
  std::vector<bool> underWaitCursor;
};

TEST(WaitCursor, StaysAfterTheQuestionAboutManyFilesOnTheDesktopUntilTheJobEnds) {
  CursorNotingFiles files;
  const std::string receive = files.addFolder("C:\\Kurumin\\Mail");
  const std::string drawer(LoadText(IDS_RECEIVED_MAIL));
  test::DrawerWriter writer;
  for (int day = 1; day <= 12; ++day) {
    writer.add(test::MailSpec{.subject = "S", .date = std::to_string(day) + " May 2026 10:00:00 +0900",
                              .header = "X-Kurumin-Message: 2\r\n", .body = "mail\r\n"});
  }
  ASSERT_TRUE(writer.write(receive, drawer, files));
  files.underWaitCursor.clear();  // the drawer's files, written before the job
  AppSettings settings;
  settings.petFolders.AddFolder(receive);
  settings.kind = kPetMailKind;
  settings.divide.setValid(true);
  settings.divide.setType(static_cast<std::int32_t>(DivideType::Day));  // 12 pages and the index
  test::RecordingShell shell;
  shell.desktop = "C:\\Users\\user\\Desktop";
  files.addFolder(shell.desktop);

  MakeRequest request;
  request.drawer = drawer;
  request.toDesktop = true;
  Win32Interaction ui;
  MakeOutcome outcome;
  test::RunDriven(
      [&] { outcome = RunMakeCommand(settings, request, ui, shell, files); },
      [&](GuiDriver& driver) {
        HWND question = driver.WaitForMessageBox();
        ASSERT_TRUE(question);
        // The mouse over the box: the box shows its arrow.
        RECT box;
        GetWindowRect(question, &box);
        POINT pointer{};
        GetCursorPos(&pointer);
        SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        driver.Send(question, WM_NULL, 0, 0);
        driver.Answer(question, IDYES);
        ASSERT_TRUE(driver.WaitGone(question));
        HWND done = driver.WaitForMessageBox();
        ASSERT_TRUE(done);
        EXPECT_EQ(driver.MessageText(done), LoadText(IDS_MADE_OK));
        driver.Answer(done, IDOK);
        SetCursorPos(pointer.x, pointer.y);
      });
  EXPECT_TRUE(outcome.ok);
  ASSERT_EQ(files.underWaitCursor.size(), 13u);
  for (std::size_t i = 0; i < files.underWaitCursor.size(); ++i)
    EXPECT_TRUE(files.underWaitCursor[i]) << "file " << i + 1 << " was written under another cursor";
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_WAIT)) << "the wait cursor outlived the job";
}

}  // namespace
}  // namespace mogura::win32
