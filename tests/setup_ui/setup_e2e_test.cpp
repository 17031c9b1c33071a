// setup.exe end to end, as a user meets it: the distribution unpacked from the built zip
// (MOGURA_DIST names its folder), the wizard driven by window messages from this process,
// then the uninstall entry's command with its questions answered, in a prefix of its own.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "base/string_table.h"
#include "gui_driver.h"
#include "platform/win32/wide.h"
#include "setup/ini_file.h"
#include "setup_session.h"
#include "setup/setup_ids.h"
#include "platform/win32/user_start.h"
#include "platform/win32/win32_shell_links.h"

namespace mogura::test {
namespace {

std::string Text(int id) { return std::string(LoadText(id)); }

// The wizard's own buttons.
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;

constexpr char kUninstallBranch[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr char kOpenedLog[] = "C:\\setup-test-opened.txt";
const std::string kHyo = "\x95\x5C";  // 表: its trail byte is a backslash

std::string Title() { return Text(IDS_APP_TITLE); }

class SetupEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // "open" of a page writes its path into a file instead of starting a browser.
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      RegSetKeyValueW(root, L"Software\\Classes\\.htm", nullptr, REG_SZ, L"SetupTest.Page", 15 * sizeof(wchar_t));
      const std::wstring command = L"C:\\windows\\system32\\cmd.exe /c echo %1>>C:\\setup-test-opened.txt";
      RegSetKeyValueW(root, L"Software\\Classes\\SetupTest.Page\\shell\\open\\command", nullptr, REG_SZ,
                      command.c_str(), static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
  }

  void SetUp() override {
    dist_ = Environment("MOGURA_DIST");
    if (dist_.empty()) GTEST_SKIP() << "MOGURA_DIST names no unpacked distribution";
    DeleteFileW(L"C:\\setup-test-opened.txt");
    // The prefix is a copy of the one the other view tests use: the program started on Finish
    // must meet a first run, which shows its welcome dialog.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Pikomaru");
  }

  std::string Setup() const { return dist_ + "\\mogura\\setup.exe"; }

  // A copy of the distribution in `name` with another information file (CP932 lines).
  std::string Variant(const std::string& name, const std::vector<std::string>& info) const {
    const std::string folder = dist_ + "\\" + name;
    RemoveTree(folder);
    CreateDirectoryW(win32::ToWide(folder).c_str(), nullptr);
    for (const std::string& file : Names(dist_ + "\\mogura")) {
      CopyFileW(win32::ToWide(dist_ + "\\mogura\\" + file).c_str(), win32::ToWide(folder + "\\" + file).c_str(), FALSE);
    }
    std::string bytes;
    for (const std::string& line : info) bytes += line + "\r\n";
    EXPECT_TRUE(WriteBytes(folder + "\\setup.INF", bytes));
    return folder + "\\setup.exe";
  }

  void Picture(HWND window, const std::string& name) {
    const std::string folder = ScreenshotFolder();
    if (folder.empty()) return;
    HDC screen = GetDC(nullptr);
    const std::string dpi = std::to_string(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(GuiDriver(0).Screenshot(window, folder + "\\" + name + "-" + dpi + ".png")) << name;
  }

  // The next message box of `driver`'s thread: its text and caption; answered with `button`.
  struct Box {
    std::string text;
    std::string caption;
  };
  Box Answer(const GuiDriver& driver, int button = IDOK) {
    HWND box = driver.WaitForAnyMessageBox(20000);
    if (!box) return {"(no message box)", ""};
    Box seen{driver.MessageText(box), driver.Text(box, 0)};
    driver.Answer(box, button);
    driver.WaitGone(box);
    return seen;
  }

  // Next on the current page; waits until the wizard has handled it.
  void Next(const GuiDriver& driver, HWND wizard) { driver.Send(wizard, PSM_PRESSBUTTON, PSBTN_NEXT, 0, 20000); }
  // Next when it shows a message box: returns at once.
  void NextToBox(HWND wizard) { PostMessageW(wizard, PSM_PRESSBUTTON, PSBTN_NEXT, 0); }

  // Waits until the copy page offers Finish.
  bool WaitCopied(const GuiDriver& driver, HWND wizard) {
    return WaitUntil(20000, [&] { return driver.Visible(wizard, kFinishButton) && driver.Enabled(wizard, kFinishButton); });
  }

  void Finish(const GuiDriver& driver, HWND wizard) {
    driver.Send(wizard, PSM_PRESSBUTTON, PSBTN_FINISH, 0, 5000);
    PostMessageW(wizard, WM_NULL, 0, 0);
  }

  // The program started on Finish is the installed one; its welcome dialog is cancelled.
  // The setup program runs elevated (as everything does under Wine): the desktop's shell
  // started the program then, not the setup program with its rights.
  void CloseStartedProgram(const std::string& installed) {
    HWND welcome = WaitForTopWindow(Text(IDS_WELCOME_TITLE));
    ASSERT_TRUE(welcome) << "the program was not started";
    EXPECT_STRCASEEQ(ProgramOfWindow(welcome).c_str(), installed.c_str());
    if (win32::ProcessIsElevated()) {
      const std::string parent = ParentProgramOfWindow(welcome);
      EXPECT_FALSE(parent.empty());
      EXPECT_EQ(parent.find("setup"), std::string::npos) << parent;
    }
    const GuiDriver driver = DriverOf(welcome);
    driver.Click(welcome, IDCANCEL);
    EXPECT_TRUE(driver.WaitGone(welcome));
  }

  // Installs `setup` into `folder` with the defaults of the options page.
  void Install(const std::string& setup, const std::string& folder) {
    StartedProcess process('"' + setup + '"');
    const GuiDriver driver = process.driver();
    HWND wizard = driver.WaitForWindow(Title() + Text(IDS_SETUP_WIZARD_CAPTION), 20000);
    ASSERT_TRUE(wizard);
    driver.Type(driver.CurrentPage(wizard), IDC_SETUP_FOLDER_EDIT, folder);
    Next(driver, wizard);
    ASSERT_EQ(driver.CurrentPageIndex(wizard), 1);
    Next(driver, wizard);
    ASSERT_TRUE(WaitCopied(driver, wizard));
    Finish(driver, wizard);
    ASSERT_TRUE(process.WaitEnd());
  }

  struct Removal {
    std::vector<Box> boxes;  // every box of the removal copy, in order
    std::string outcome;     // the dialog's text line at the end
  };

  // Runs the uninstall entry's command of `folder`, confirms, and answers each question of the
  // removal copy by `answer(text)`; errors are acknowledged. `picture` names its screenshot.
  Removal Remove(const std::string& folder, const std::function<int(const std::string&)>& answer,
                 const std::string& picture = "") {
    Removal removal;
    const auto command = RegistryText(HKEY_LOCAL_MACHINE, kUninstallBranch + folder, "UninstallString");
    EXPECT_TRUE(command);
    if (!command) return removal;
    StartedProcess first(*command);
    const Box confirm = Answer(first.driver(), IDOK);
    removal.boxes.push_back(confirm);
    EXPECT_TRUE(first.WaitEnd());
    HWND dialog = WaitForTopWindow(Title() + Text(IDS_SETUP_REMOVAL_SUFFIX));
    EXPECT_TRUE(dialog);
    if (!dialog) return removal;
    const GuiDriver driver = DriverOf(dialog);
    while (!driver.Enabled(dialog, IDOK)) {
      HWND box = driver.WaitForAnyMessageBox(200);
      if (!box) continue;
      Box seen{driver.MessageText(box), driver.Text(box, 0)};
      removal.boxes.push_back(seen);
      const bool question = driver.MessageButtons(box).size() > 1;
      driver.Answer(box, question ? answer(seen.text) : IDOK);
      driver.WaitGone(box);
    }
    removal.outcome = driver.Text(dialog, IDC_REMOVAL_TEXT);
    EXPECT_TRUE(WaitUntil(5000, [&] { return GetForegroundWindow() == dialog; }));
    EXPECT_EQ(driver.ClippedTexts(dialog), std::vector<std::string>{});
    if (!picture.empty()) Picture(dialog, picture);
    driver.Click(dialog, IDOK);
    EXPECT_TRUE(driver.WaitGone(dialog));
    return removal;
  }

  std::string dist_;
};

std::string LinkTarget(const std::string& file, std::string* arguments = nullptr) {
  std::string target, args;
  if (!win32::ReadShellLink(file, &target, &args)) return "(no link)";
  if (arguments) *arguments = args;
  return target;
}

TEST_F(SetupEndToEnd, InstallsFromTheZipWithEveryCheckOfTheFolderPageAndRemovesEverythingAgain) {
  const std::string title = Title();
  const std::string installed = "C:\\Program Files\\mogura";
  StartedProcess setup('"' + Setup() + '"');
  ASSERT_TRUE(setup.started());
  const GuiDriver driver = setup.driver();
  HWND wizard = driver.WaitForWindow(title + Text(IDS_SETUP_WIZARD_CAPTION), 20000);
  ASSERT_TRUE(wizard);

  // Page 1: its texts, only Next, the default folder; the wizard in the middle of the screen.
  HWND page = driver.CurrentPage(wizard);
  EXPECT_EQ(driver.Text(page, IDC_SETUP_FOLDER_PROMPT), title + Text(IDS_SETUP_FOLDER_PROMPT));
  EXPECT_EQ(driver.Text(page, IDC_SETUP_FOLDER_EDIT), installed + "\\");
  EXPECT_EQ(driver.Text(page, IDC_SETUP_FOLDER_BROWSE), Text(IDS_SETUP_BROWSE_BUTTON));
  EXPECT_EQ(driver.Text(page, IDC_SETUP_NOTE_LABEL), Text(IDS_SETUP_NOTE_LABEL));
  EXPECT_EQ(driver.Text(page, IDC_SETUP_NOTE), Text(IDS_SETUP_NOTE));
  EXPECT_FALSE(driver.Enabled(wizard, kBackButton));
  EXPECT_TRUE(driver.Enabled(wizard, kNextButton));
  RECT frame;
  GetWindowRect(wizard, &frame);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((frame.left + frame.right) / 2, (work.left + work.right) / 2, 2);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, (work.top + work.bottom) / 2, 2);
  EXPECT_EQ(driver.ClippedTexts(page), std::vector<std::string>{});
  Picture(wizard, "setup-folder");

  // The browse dialog: folders and drives only; it opens at the root of the Windows drive,
  // and OK gives the folder it shows.
  driver.ClickToOpen(page, IDC_SETUP_FOLDER_BROWSE);
  HWND browse = driver.WaitForWindow(Text(IDS_SETUP_BROWSE_TITLE));
  ASSERT_TRUE(browse);
  EXPECT_FALSE(driver.Visible(browse, 0x480));  // the file name
  EXPECT_FALSE(driver.Visible(browse, 0x460));  // the file list
  EXPECT_TRUE(driver.Visible(browse, 0x461));   // the folder list
  EXPECT_TRUE(driver.Visible(browse, 0x471));   // the drive list
  EXPECT_EQ(driver.Text(browse, 0x480), "dummy");
  EXPECT_EQ(driver.Text(browse, IDC_BROWSE_FOLDERS_LABEL), Text(IDS_SETUP_BROWSE_FOLDERS));
  const std::vector<std::string> folders = driver.Items(browse, 0x461);
  const auto programFiles = std::find_if(folders.begin(), folders.end(), [](const std::string& item) {
    return _stricmp(item.c_str(), "[program files]") == 0 || _stricmp(item.c_str(), "program files") == 0;
  });
  ASSERT_NE(programFiles, folders.end()) << ::testing::PrintToString(folders);
  EXPECT_EQ(driver.ClippedTexts(browse), std::vector<std::string>{});
  Picture(browse, "setup-browse");
  driver.DoubleClick(browse, 0x461, static_cast<int>(programFiles - folders.begin()));
  driver.Click(browse, IDOK);
  ASSERT_TRUE(driver.WaitGone(browse));
  EXPECT_STRCASEEQ(driver.Text(page, IDC_SETUP_FOLDER_EDIT).c_str(), "C:\\Program Files\\");

  // That folder holds other programs: Next asks first, No is the default, and No stays.
  const std::vector<std::string> programFilesBefore = Names("C:\\Program Files");
  NextToBox(wizard);
  {
    HWND box = driver.WaitForAnyMessageBox(20000);
    ASSERT_TRUE(box);
    EXPECT_STRCASEEQ(driver.MessageText(box).c_str(),
                     ("C:\\Program Files" + Text(IDS_SETUP_FOLDER_NOT_EMPTY)).c_str());
    EXPECT_EQ(driver.Text(box, 0), title);
    EXPECT_EQ(driver.MessageButtons(box), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(driver.DefaultButton(box), IDNO);
    driver.Answer(box, IDNO);
    driver.WaitGone(box);
  }
  EXPECT_EQ(driver.CurrentPageIndex(wizard), 0);
  EXPECT_EQ(Names("C:\\Program Files"), programFilesBefore);

  // Every check of Next, each staying on the page with its message.
  const std::string blocker = "C:\\setup-test-blocker";
  WriteBytes(blocker, "x");
  const struct {
    std::string typed;
    std::string message;
  } refused[] = {
      {"C:\\", Text(IDS_SETUP_ROOT_REFUSED)},
      {"D:", Text(IDS_SETUP_ROOT_REFUSED)},
      {"Program Files\\mogura", Text(IDS_SETUP_NEED_DRIVE)},
      {"C:\\Program Files\\..\\mogura", Text(IDS_SETUP_NEED_DRIVE)},
      {blocker + "\\mogura", blocker + Text(IDS_SETUP_FILE_IN_THE_WAY)},
      {"C:\\setup-test<>", "C:\\setup-test<>" + Text(IDS_SETUP_FOLDER_NOT_CREATED)},
  };
  for (const auto& check : refused) {
    driver.Type(page, IDC_SETUP_FOLDER_EDIT, check.typed);
    NextToBox(wizard);
    const Box box = Answer(driver);
    EXPECT_EQ(box.text, check.message) << check.typed;
    EXPECT_NE(box.caption, title) << check.typed;  // the system's own caption
    EXPECT_EQ(driver.CurrentPageIndex(wizard), 0) << check.typed;
  }
  DeleteFileW(L"C:\\setup-test-blocker");

  // A path too long in bytes (130 characters, 260 bytes), and one with a character CP932 has
  // no form for: refused whole, nothing made under another name.
  std::string longPath = "C:\\";
  for (int i = 0; i < 130; ++i) longPath += kHyo;
  const std::vector<std::string> rootBefore = Names("C:");
  driver.Type(page, IDC_SETUP_FOLDER_EDIT, longPath);
  NextToBox(wizard);
  EXPECT_EQ(Answer(driver).text, Text(IDS_SETUP_NEED_DRIVE));
  SendMessageW(GetDlgItem(page, IDC_SETUP_FOLDER_EDIT), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"C:\\setup-test-caf\u00e9"));
  NextToBox(wizard);
  EXPECT_EQ(Answer(driver).text, Text(IDS_SETUP_NEED_DRIVE));
  EXPECT_EQ(driver.CurrentPageIndex(wizard), 0);
  EXPECT_EQ(Names("C:"), rootBefore);

  // The folder is only tried: it is made again when the copy starts.
  driver.Type(page, IDC_SETUP_FOLDER_EDIT, installed);
  Next(driver, wizard);
  ASSERT_EQ(driver.CurrentPageIndex(wizard), 1);
  EXPECT_FALSE(IsFolder(installed));

  // Page 2: the start menu chosen, the desktop not; both can be changed.
  page = driver.CurrentPage(wizard);
  EXPECT_EQ(driver.Text(page, IDC_SETUP_START_MENU), Text(IDS_SETUP_START_MENU_OPTION));
  EXPECT_EQ(driver.Text(page, IDC_SETUP_DESKTOP), Text(IDS_SETUP_DESKTOP_OPTION));
  EXPECT_TRUE(driver.Checked(page, IDC_SETUP_START_MENU));
  EXPECT_FALSE(driver.Checked(page, IDC_SETUP_DESKTOP));
  EXPECT_TRUE(driver.Enabled(page, IDC_SETUP_DESKTOP));
  EXPECT_FALSE(driver.Enabled(wizard, kBackButton));
  EXPECT_EQ(driver.ClippedTexts(page), std::vector<std::string>{});
  Picture(wizard, "setup-options");
  driver.Click(page, IDC_SETUP_DESKTOP);
  Next(driver, wizard);

  // Page 3: the steps run by themselves; then only Finish.
  ASSERT_TRUE(WaitCopied(driver, wizard));
  page = driver.CurrentPage(wizard);
  EXPECT_EQ(driver.CurrentPageIndex(wizard), 2);
  EXPECT_EQ(driver.Text(page, IDC_SETUP_COPY_TEXT), Text(IDS_SETUP_INSTALLED));
  EXPECT_FALSE(driver.Visible(page, IDC_SETUP_PROGRESS));
  EXPECT_TRUE(driver.Visible(page, IDC_SETUP_CONTROL_PANEL));
  EXPECT_EQ(driver.Text(page, IDC_SETUP_CONTROL_PANEL), Text(IDS_SETUP_CONTROL_PANEL_NOTE));
  EXPECT_FALSE(driver.Enabled(wizard, kBackButton));
  EXPECT_FALSE(driver.Enabled(wizard, IDCANCEL));
  EXPECT_EQ(driver.ClippedTexts(page), std::vector<std::string>{});
  Picture(wizard, "setup-copy");
  Finish(driver, wizard);
  ASSERT_TRUE(setup.WaitEnd());
  EXPECT_EQ(setup.ExitCode(), 0u);

  // Finish started the installed program and opened the guide.
  CloseStartedProgram(installed + "\\mogura.exe");
  EXPECT_TRUE(WaitUntil(10000, [] { return ReadBytes(kOpenedLog).find("mogura-guide.htm") != std::string::npos; }))
      << ReadBytes(kOpenedLog);

  // The files, byte for byte, with the setup program and its information file.
  // Everything the zip holds (the guide may bring pictures), the programs among them.
  const std::vector<std::string> files = Names(installed);
  EXPECT_EQ(files, Names(dist_ + "\\mogura"));
  for (const char* name : {"mogura-cli.exe", "mogura-guide.htm", "mogura.exe", "setup.INF", "setup.exe"})
    EXPECT_NE(std::find(files.begin(), files.end(), name), files.end()) << name;
  for (const std::string& name : Names(dist_ + "\\mogura")) {
    EXPECT_EQ(ReadBytes(installed + "\\" + name), ReadBytes(dist_ + "\\mogura\\" + name)) << name;
  }
  // The group with its three links, and the desktop link.
  const std::string group = ShellFolder("Programs") + "\\" + title;
  std::vector<std::string> captions;
  const IniFile info(ReadBytes(dist_ + "\\mogura\\setup.INF"));
  for (const char* key : {"1", "2", "3"}) {
    const std::string entry = info.value("Group", key, 259);
    captions.push_back(entry.substr(0, entry.find(',')) + ".lnk");
  }
  std::sort(captions.begin(), captions.end());
  EXPECT_EQ(Names(group), captions);
  EXPECT_EQ(captions.size(), 3u);
  EXPECT_STRCASEEQ(LinkTarget(group + "\\" + title + ".lnk").c_str(), (installed + "\\mogura.exe").c_str());
  std::string arguments;
  EXPECT_STRCASEEQ(LinkTarget(group + "\\" + title + Text(IDS_SETUP_REMOVAL_SUFFIX) + ".lnk", &arguments).c_str(),
                   (installed + "\\setup.exe").c_str());
  EXPECT_EQ(arguments, "/r");
  const std::string desktopLink = ShellFolder("Desktop") + "\\" + title + ".lnk";
  EXPECT_STRCASEEQ(LinkTarget(desktopLink).c_str(), (installed + "\\mogura.exe").c_str());
  // The uninstall entry with its two values.
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura", "DisplayName"), title);
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura", "UninstallString"),
            "\"" + installed + "\\setup.exe\" /r");

  // "setup /r" from the unpacked distribution is not the installed program: it says what to
  // use and removes nothing, neither there nor here.
  {
    const std::vector<std::string> distBefore = Names(dist_ + "\\mogura");
    StartedProcess unpacked('"' + Setup() + "\" /r");
    const Box refused = Answer(unpacked.driver());
    EXPECT_EQ(refused.text,
              Setup() + Text(IDS_SETUP_NOT_INSTALLED_HERE) + Text(IDS_SETUP_CONTROL_PANEL_NOTE));
    EXPECT_TRUE(unpacked.WaitEnd());
    EXPECT_EQ(unpacked.ExitCode(), 1u);
    EXPECT_EQ(Names(dist_ + "\\mogura"), distBefore);
    EXPECT_EQ(Names(installed), files);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura"));
    EXPECT_TRUE(Exists(desktopLink));
    EXPECT_FALSE(Exists("C:\\windows\\system32\\setup-mogura-1.exe"));
  }

  // The removal: the user's files are asked about (Yes), a help index is not.
  WriteBytes(installed + "\\memo.txt", "mine");
  CreateDirectoryW(L"C:\\Program Files\\mogura\\data", nullptr);
  WriteBytes(installed + "\\data\\note.txt", "mine too");
  WriteBytes(installed + "\\MOGURA.GID", "index");
  const Removal removal = Remove("mogura", [](const std::string&) { return IDYES; }, "removal-done");
  ASSERT_GE(removal.boxes.size(), 1u);
  EXPECT_EQ(removal.boxes[0].text, title + Text(IDS_SETUP_CONFIRM_REMOVAL));
  EXPECT_EQ(removal.boxes[0].caption, title);
  std::vector<std::string> questions;
  for (std::size_t i = 1; i < removal.boxes.size(); ++i) questions.push_back(removal.boxes[i].text);
  std::sort(questions.begin(), questions.end());
  EXPECT_EQ(questions, (std::vector<std::string>{installed + "\\data\\note.txt" + Text(IDS_SETUP_ASK_DELETE),
                                                 installed + "\\memo.txt" + Text(IDS_SETUP_ASK_DELETE)}));
  EXPECT_EQ(removal.outcome, title + Text(IDS_SETUP_REMOVED));
  EXPECT_FALSE(Exists(installed));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura"));
  EXPECT_FALSE(Exists(group));
  EXPECT_FALSE(Exists(desktopLink));
  // The removal copy waits in the system folder for the next restart, under a name of its own.
  const std::string copy = "C:\\windows\\system32\\setup-mogura-1.exe";
  EXPECT_TRUE(Exists(copy));
  EXPECT_TRUE(WaitUntil(10000, [&] { return IsPendingDeletion(copy); }));
  DeleteFileW(win32::ToWide(copy).c_str());
}

TEST_F(SetupEndToEnd, AFolderEndingInATrailBackslashIsProposedAgainAndAKeptFileIsReported) {
  const std::string title = Title();
  // "表" ends in the byte of a backslash: the folder still gets one of its own.
  const std::string installed = "C:\\Program Files\\" + kHyo;
  Install(Setup(), installed);
  CloseStartedProgram(installed + "\\mogura.exe");
  EXPECT_TRUE(Exists(installed + "\\mogura.exe"));
  EXPECT_TRUE(Exists(installed + "\\setup.INF"));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura", "UninstallString"),
            "\"" + installed + "\\setup.exe\" /r");

  // A second run proposes the folder of the first.
  {
    StartedProcess again('"' + Setup() + '"');
    const GuiDriver driver = again.driver();
    HWND wizard = driver.WaitForWindow(title + Text(IDS_SETUP_WIZARD_CAPTION), 20000);
    ASSERT_TRUE(wizard);
    EXPECT_EQ(driver.Text(driver.CurrentPage(wizard), IDC_SETUP_FOLDER_EDIT), installed + "\\");
    driver.PressCancel(wizard);
    EXPECT_TRUE(again.WaitEnd());
    EXPECT_EQ(again.ExitCode(), 1u);
  }

  // A file of the user's kept with No: the folder stays, and the dialog says so. A link to the
  // user's notes is asked about by its own name and never entered: nothing in it is asked
  // about or deleted (a help index neither).
  WriteBytes(installed + "\\memo.txt", "mine");
  const std::string notes = "C:\\setup-test-notes";
  RemoveTree(notes);
  CreateDirectoryW(win32::ToWide(notes).c_str(), nullptr);
  WriteBytes(notes + "\\diary.txt", "mine too");
  WriteBytes(notes + "\\NOTES.GID", "index");
  const bool linked = MakeFolderLink(installed + "\\data", notes);
  EXPECT_TRUE(linked || !UnderWine());
  const Removal removal = Remove("mogura", [](const std::string&) { return IDNO; }, "removal-failed");
  std::vector<std::string> expected = {installed + "\\memo.txt" + Text(IDS_SETUP_ASK_DELETE)};
  if (linked) expected.push_back(installed + "\\data" + Text(IDS_SETUP_ASK_DELETE));
  ASSERT_EQ(removal.boxes.size(), expected.size() + 2);
  std::vector<std::string> questions;
  for (std::size_t i = 1; i + 1 < removal.boxes.size(); ++i) questions.push_back(removal.boxes[i].text);
  std::sort(questions.begin(), questions.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(questions, expected);
  EXPECT_EQ(removal.boxes.back().text, installed + Text(IDS_SETUP_FOLDER_NOT_REMOVED));
  EXPECT_NE(removal.boxes.back().caption, title);
  EXPECT_EQ(removal.outcome, installed + "\\" + Text(IDS_SETUP_FILES_LEFT));
  EXPECT_EQ(Names(installed),
            linked ? (std::vector<std::string>{"data", "memo.txt"}) : std::vector<std::string>{"memo.txt"});
  EXPECT_EQ(ReadBytes(installed + "\\memo.txt"), "mine");
  EXPECT_EQ(Names(notes), (std::vector<std::string>{"NOTES.GID", "diary.txt"}));
  EXPECT_EQ(ReadBytes(notes + "\\diary.txt"), "mine too");
  if (linked) RemoveLink(installed + "\\data");
  RemoveTree(notes);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura"));
  EXPECT_FALSE(Exists(ShellFolder("Programs") + "\\" + title));
  RemoveTree(installed);
  DeleteFileW(L"C:\\windows\\system32\\setup-mogura-1.exe");
}

// An existing folder typed on the folder page is only tried: after Next and Cancel it is still
// there. A link is no installation folder.
TEST_F(SetupEndToEnd, AnExistingFolderTypedOnTheFolderPageIsKeptAfterCancel) {
  const std::string title = Title();
  const std::string existing = "C:\\setup-test-existing";
  const std::string linked = "C:\\setup-test-link";
  RemoveTree(existing);
  ASSERT_TRUE(CreateDirectoryW(win32::ToWide(existing).c_str(), nullptr));
  RemoveLink(linked);
  const bool madeLink = MakeFolderLink(linked, existing);
  EXPECT_TRUE(madeLink || !UnderWine());

  StartedProcess setup('"' + Setup() + '"');
  const GuiDriver driver = setup.driver();
  HWND wizard = driver.WaitForWindow(title + Text(IDS_SETUP_WIZARD_CAPTION), 20000);
  ASSERT_TRUE(wizard);
  HWND page = driver.CurrentPage(wizard);
  if (madeLink) {
    driver.Type(page, IDC_SETUP_FOLDER_EDIT, linked);
    NextToBox(wizard);
    const Box box = Answer(driver);
    EXPECT_EQ(box.text, linked + Text(IDS_SETUP_FOLDER_IS_LINK));
    EXPECT_NE(box.caption, title);
    EXPECT_EQ(driver.CurrentPageIndex(wizard), 0);
  }
  driver.Type(page, IDC_SETUP_FOLDER_EDIT, existing);
  Next(driver, wizard);
  EXPECT_EQ(driver.CurrentPageIndex(wizard), 1);  // an empty folder: no question
  EXPECT_TRUE(IsFolder(existing));
  driver.PressCancel(wizard);
  EXPECT_TRUE(setup.WaitEnd());
  EXPECT_EQ(setup.ExitCode(), 1u);
  EXPECT_TRUE(IsFolder(existing));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura"));
  if (madeLink) RemoveLink(linked);
  RemoveTree(existing);
}

TEST_F(SetupEndToEnd, AResidentProgramSkipsTheOptionsAndGetsOneStartupLink) {
  const std::string title = Title();
  const std::string installed = "C:\\Program Files\\mogura-tsr";
  const std::string setup = Variant("tsr", {"[Install]", "Title=" + title, "Folder=mogura-tsr", "TSR=1", "1=mogura.exe"});
  StartedProcess process('"' + setup + '"');
  const GuiDriver driver = process.driver();
  HWND wizard = driver.WaitForWindow(title + Text(IDS_SETUP_WIZARD_CAPTION), 20000);
  ASSERT_TRUE(wizard);
  Next(driver, wizard);
  EXPECT_EQ(driver.CurrentPageIndex(wizard), 2);  // straight to the copy
  ASSERT_TRUE(WaitCopied(driver, wizard));
  Finish(driver, wizard);
  ASSERT_TRUE(process.WaitEnd());
  CloseStartedProgram(installed + "\\mogura.exe");

  EXPECT_EQ(Names(ShellFolder("Startup")), std::vector<std::string>{title + ".lnk"});
  EXPECT_STRCASEEQ(LinkTarget(ShellFolder("Startup") + "\\" + title + ".lnk").c_str(),
                   (installed + "\\mogura.exe").c_str());
  EXPECT_FALSE(Exists(ShellFolder("Programs") + "\\" + title));
  EXPECT_FALSE(Exists(ShellFolder("Programs") + "\\" + title + ".lnk"));
  EXPECT_FALSE(Exists(ShellFolder("Desktop") + "\\" + title + ".lnk"));

  // Its removal asks to quit the resident program first.
  const Removal removal = Remove("mogura-tsr", [](const std::string&) { return IDYES; });
  ASSERT_GE(removal.boxes.size(), 1u);
  EXPECT_EQ(removal.boxes[0].text, title + Text(IDS_SETUP_CONFIRM_REMOVAL) + Text(IDS_SETUP_RESIDENT_NOTE));
  EXPECT_EQ(removal.boxes.size(), 1u);
  EXPECT_EQ(removal.outcome, title + Text(IDS_SETUP_REMOVED));
  EXPECT_EQ(Names(ShellFolder("Startup")), std::vector<std::string>{});
  EXPECT_FALSE(Exists(installed));
  DeleteFileW(L"C:\\windows\\system32\\setup-mogura-tsr-1.exe");
}

TEST_F(SetupEndToEnd, AnInformationFileWithoutFileEntriesInstallsItselfAndStartsNothing) {
  const std::string title = Title();
  const std::string installed = "C:\\Program Files\\mogura-empty";
  const std::string setup = Variant("empty", {"[Install]", "Title=" + title, "Folder=mogura-empty"});
  StartedProcess process('"' + setup + '"');
  const GuiDriver driver = process.driver();
  HWND wizard = driver.WaitForWindow(title + Text(IDS_SETUP_WIZARD_CAPTION), 20000);
  ASSERT_TRUE(wizard);
  Next(driver, wizard);
  Next(driver, wizard);
  ASSERT_TRUE(WaitCopied(driver, wizard));
  Finish(driver, wizard);
  ASSERT_TRUE(process.WaitEnd());
  EXPECT_FALSE(driver.WaitForAnyMessageBox(500));
  EXPECT_EQ(Names(installed), (std::vector<std::string>{"setup.INF", "setup.exe"}));
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura-empty", "DisplayName"), title);
  // Its one link points at the installation folder itself.
  const std::string link = ShellFolder("Programs") + "\\" + title + ".lnk";
  EXPECT_STRCASEEQ(LinkTarget(link).c_str(), (installed + "\\").c_str());

  const Removal removal = Remove("mogura-empty", [](const std::string&) { return IDYES; });
  EXPECT_EQ(removal.outcome, title + Text(IDS_SETUP_REMOVED));
  EXPECT_FALSE(Exists(installed));
  EXPECT_FALSE(Exists(link));
  DeleteFileW(L"C:\\windows\\system32\\setup-mogura-empty-1.exe");
}

TEST_F(SetupEndToEnd, ARunningProgramIsNeitherOverwrittenNorDeletedAndTheRetryRemovesIt) {
  const std::string title = Title();
  const std::string installed = "C:\\Program Files\\mogura";
  const std::string program = installed + "\\mogura.exe";
  Install(Setup(), installed);
  // The program started on Finish stays open.
  HWND welcome = WaitForTopWindow(Text(IDS_WELCOME_TITLE));
  ASSERT_TRUE(welcome);

  // A second installation over it: the running program is skipped with its message.
  {
    StartedProcess again('"' + Setup() + '"');
    const GuiDriver driver = again.driver();
    HWND wizard = driver.WaitForWindow(title + Text(IDS_SETUP_WIZARD_CAPTION), 20000);
    ASSERT_TRUE(wizard);
    Next(driver, wizard);
    Next(driver, wizard);
    const Box inUse = Answer(driver);
    EXPECT_EQ(inUse.text, program + Text(IDS_SETUP_TARGET_IN_USE));
    EXPECT_NE(inUse.caption, title);
    ASSERT_TRUE(WaitCopied(driver, wizard));
    driver.PressCancel(wizard);
    EXPECT_TRUE(again.WaitEnd());
  }

  // The removal deletes everything else it installed, then stops at the main program; the
  // uninstall entry and the links stay for the retry.
  Removal removal = Remove("mogura", [](const std::string&) { return IDYES; });
  ASSERT_EQ(removal.boxes.size(), 3u);
  EXPECT_EQ(removal.boxes[1].text, program + Text(IDS_SETUP_DELETE_SKIPPED));
  EXPECT_EQ(removal.boxes[2].text,
            program + Text(IDS_SETUP_MAIN_NOT_DELETED) + title + Text(IDS_SETUP_QUIT_AND_RETRY));
  EXPECT_EQ(removal.outcome, installed + "\\" + Text(IDS_SETUP_FILES_LEFT));
  EXPECT_EQ(Names(installed), (std::vector<std::string>{"mogura.exe", "setup.INF", "setup.exe"}));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura"));
  EXPECT_TRUE(Exists(ShellFolder("Programs") + "\\" + title));

  // Quit and retry: the files that are gone count as removed.
  const GuiDriver driver = DriverOf(welcome);
  driver.Click(welcome, IDCANCEL);
  ASSERT_TRUE(driver.WaitGone(welcome));
  ASSERT_TRUE(WaitUntil(10000, [&] { return !IsWindow(welcome); }));
  removal = Remove("mogura", [](const std::string&) { return IDYES; });
  EXPECT_EQ(removal.boxes.size(), 1u);
  EXPECT_EQ(removal.outcome, title + Text(IDS_SETUP_REMOVED));
  EXPECT_FALSE(Exists(installed));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kUninstallBranch) + "mogura"));
  EXPECT_FALSE(Exists(ShellFolder("Programs") + "\\" + title));
  // Each removal made a copy of its own: the first still waits for the restart.
  EXPECT_TRUE(IsPendingDeletion("C:\\windows\\system32\\setup-mogura-1.exe"));
  EXPECT_TRUE(WaitUntil(10000, [] { return IsPendingDeletion("C:\\windows\\system32\\setup-mogura-2.exe"); }));
  DeleteFileW(L"C:\\windows\\system32\\setup-mogura-1.exe");
  DeleteFileW(L"C:\\windows\\system32\\setup-mogura-2.exe");
}

}  // namespace
}  // namespace mogura::test
