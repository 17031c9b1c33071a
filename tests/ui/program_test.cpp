// The real mogura.exe, started as a user starts it and driven from this process by window
// messages: the first run, the main dialog, the make command, the exit query and the about
// box; then the registry and the output folder are read back.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "presenters/app_dialog_ids.h"
#include "base/cp932.h"
#include "base/string_table.h"
#include "gui_driver.h"
#include "platform/files.h"
#include "platform/win32/wide.h"
#include "presenters/sheet_ids.h"
#include "support/drawer_writer.h"
#include "support/poll.h"

namespace mogura::win32 {
namespace {

namespace fs = std::filesystem;
using test::GuiDriver;

std::string Text(int id) { return std::string(LoadText(id)); }

constexpr wchar_t kSettingsKey[] = L"Software\\Pikomaru\\mogura";
constexpr wchar_t kOutputFolder[] = L"C:\\mogura-test";
constexpr const wchar_t* kOpenedLog = test::kOpenedPagesLog;

// A Windows path for a program named in the environment (a Unix path is on drive Z:).
std::wstring ProgramPath(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value) return std::wstring();
  std::string path = value;
  if (!path.empty() && path[0] == '/') {
    for (char& c : path) c = c == '/' ? '\\' : c;
    path = "Z:" + path;
  }
  return ToWide(path);
}

bool SetText(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
  return RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool SetInt(const wchar_t* key, const wchar_t* name, DWORD value) {
  return RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_DWORD, &value, sizeof(value)) == ERROR_SUCCESS;
}

std::wstring SubKey(const wchar_t* sub) { return std::wstring(kSettingsKey) + (sub[0] ? L"\\" : L"") + sub; }

std::optional<DWORD> StoredInt(const wchar_t* name, const wchar_t* sub = L"") {
  DWORD value = 0, size = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, SubKey(sub).c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

std::optional<std::string> StoredText(const wchar_t* name, const wchar_t* sub = L"") {
  wchar_t value[2048] = {};
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, SubKey(sub).c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return FromWide(value);
}

// The names of the sub-keys and values directly under the settings root.
std::vector<std::string> RootContent() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.push_back("[" + FromWide(name) + "]");
  }
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.push_back(FromWide(name));
  }
  RegCloseKey(key);
  return names;
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Program {
 public:
  explicit Program(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring line = commandLine;
    started_ = std::chrono::steady_clock::now();
    ok_ = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_) != FALSE;
  }
  ~Program() {
    if (!ok_) return;
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool started() const { return ok_; }
  GuiDriver driver() const { return GuiDriver(info_.dwThreadId); }
  // True when the program ended within `timeoutMs`.
  bool WaitEnd(int timeoutMs = 10000) const { return ok_ && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0; }
  DWORD ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }
  long long MillisecondsSinceStart() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_).count();
  }

 private:
  PROCESS_INFORMATION info_{};
  bool ok_ = false;
  std::chrono::steady_clock::time_point started_;
};

class ProgramTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::RecordPageOpens(); }

  void SetUp() override {
    program_ = ProgramPath("MOGURA_PROGRAM");
    if (program_.empty()) GTEST_SKIP() << "MOGURA_PROGRAM names no program";
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    std::error_code ignored;
    fs::remove_all(L"C:\\Program Files\\Tabimo", ignored);
    fs::remove_all(L"C:\\Program Files\\Kurumin for Windows 95", ignored);
    fs::remove_all(kOutputFolder, ignored);
    fs::remove(kOpenedLog, ignored);
    fs::create_directories(kOutputFolder);
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    desktop_ = desktop;
    for (const auto& entry : fs::directory_iterator(desktop_, ignored))
      if (entry.path().extension() == L".htm") fs::remove(entry.path(), ignored);
  }

  // Installs the host program of the default row `row` (0-2) with a receive folder of
  // drawers: pet mail over three months, diary pages and event mail in the inbox.
  std::string Install(int row) {
    static const int kRows[][2] = {{IDS_INSTALL_EXE_1, IDS_INSTALL_FOLDER_1},
                                   {IDS_INSTALL_EXE_2, IDS_INSTALL_FOLDER_2},
                                   {IDS_INSTALL_EXE_3, IDS_INSTALL_FOLDER_3}};
    const std::string folder = Text(kRows[row][1]);
    fs::create_directories(ToWide(folder));
    std::ofstream(ToWide(Text(kRows[row][0])).c_str()).put(' ');
    const std::string receive = folder + Text(IDS_RECEIVE_FOLDER) + "\\";
    fs::create_directories(ToWide(receive));
    test::DrawerWriter inbox;
    for (const char* date : {"Mon, 6 Jul 2026 08:00:00 +0900", "Sat, 15 Aug 2026 19:30:00 +0900",
                             "Wed, 2 Sep 2026 07:10:00 +0900", "Thu, 3 Sep 2026 21:00:00 +0900"})
      inbox.add(test::MailSpec{.subject = "S", .date = date, .header = "X-Kurumin-Message: 2\r\n",
                               .body = "\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd\r\n\x83\x82\x83\x4f\r\n"});
    inbox.add(test::MailSpec{.subject = Text(IDS_DIARY_SUBJECT), .date = "Fri, 10 Jul 2026 20:00:00 +0900",
                             .header = "X-Kurumin-Message: 1\r\n", .body = "diary\r\n"});
    EXPECT_TRUE(inbox.write(receive, Text(IDS_RECEIVED_MAIL)));
    test::DrawerWriter trip;
    trip.add(test::MailSpec{.subject = "T", .header = "X-Kurumin-Message: 2\r\n", .body = "trip\r\n"});
    EXPECT_TRUE(trip.write(receive, "\x97\xb7\x8d\x73"));  // "旅行"
    return receive;
  }

  // Settings as a user who has registered `receive` and chose the inbox before.
  void StoreKnownUser(const std::string& receive) {
    const std::wstring folders = SubKey(L"PetFolders");
    SetText(folders.c_str(), L"Folder1", ToWide(receive));
    SetInt(folders.c_str(), L"ActiveIndex", 0);
    SetText(kSettingsKey, L"TargetBox", ToWide(Text(IDS_RECEIVED_MAIL)));
  }

  std::unique_ptr<Program> Start() {
    auto program = std::make_unique<Program>(L"\"" + program_ + L"\"");
    EXPECT_TRUE(program->started());
    return program;
  }

  // The main dialog of `program`: the window with the make button.
  HWND WaitMain(const Program& program) {
    const GuiDriver driver = program.driver();
    HWND found = test::Poll(10000, [&]() -> HWND {
      HWND window = driver.WaitForWindow(Text(IDS_APP_TITLE), 0);
      return window && GetDlgItem(window, IDC_MAIN_MAKE) ? window : nullptr;
    });
    if (found) std::printf("[ timing ] main window visible %lld ms after the start\n", program.MillisecondsSinceStart());
    return found;
  }

  void Picture(const GuiDriver& driver, HWND window, const std::string& name) {
    const std::string folder = test::ScreenshotFolder();
    if (folder.empty()) return;
    const std::string dpi = std::to_string(GetDeviceCaps(GetDC(nullptr), LOGPIXELSY));
    EXPECT_TRUE(driver.Screenshot(window, folder + "\\" + name + "-" + dpi + ".png")) << name;
  }

  // Answers the next message box, which must carry our caption, and returns its text.
  std::string AnswerBox(const GuiDriver& driver, int button = IDOK) {
    HWND box = driver.WaitForAnyMessageBox();
    if (!box) return "(no message box)";
    EXPECT_EQ(driver.Text(box, 0), Text(IDS_APP_TITLE));
    const std::string text = driver.MessageText(box);
    driver.Answer(box, button);
    driver.WaitGone(box);
    return text;
  }

  // True once the shell was asked to open a path holding `part`.
  static bool WaitOpened(const std::string& part) {
    return test::Poll(10000, [&] { return ReadFileBytes(kOpenedLog).find(part) != std::string::npos; });
  }

  std::wstring program_;
  std::wstring desktop_;
};

TEST_F(ProgramTest, FirstRunWithoutAnInstallationAndCancelWritesNothing) {
  auto program = Start();
  const GuiDriver driver = program->driver();
  HWND welcome = driver.WaitForWindow(Text(IDS_WELCOME_TITLE));
  ASSERT_TRUE(welcome);
  std::printf("[ timing ] welcome dialog visible %lld ms after the start\n", program->MillisecondsSinceStart());
  EXPECT_EQ(driver.Text(welcome, IDC_WELCOME_MESSAGE), Text(IDS_KURUMIN_NOT_FOUND));
  EXPECT_EQ(driver.Text(welcome, IDC_WELCOME_FOLDER), "");
  EXPECT_FALSE(driver.Enabled(welcome, IDC_WELCOME_ACCEPT));
  EXPECT_EQ(driver.Text(welcome, IDC_WELCOME_CHANGE), Text(IDS_WELCOME_CHOOSE));
  EXPECT_EQ(driver.ClippedTexts(welcome), std::vector<std::string>{});
  Picture(driver, welcome, "welcome-not-found");
  driver.Click(welcome, IDC_WELCOME_CANCEL);
  ASSERT_TRUE(program->WaitEnd());
  EXPECT_EQ(RootContent(), std::vector<std::string>{});
}

TEST_F(ProgramTest, FirstRunTakesTheSpeechEditionAndSavesOnlyTheFolderList) {
  Install(1);
  const std::string receive = Install(0);
  auto program = Start();
  const GuiDriver driver = program->driver();
  HWND welcome = driver.WaitForWindow(Text(IDS_WELCOME_TITLE));
  ASSERT_TRUE(welcome);
  EXPECT_EQ(driver.Text(welcome, IDC_WELCOME_MESSAGE), Text(IDS_KURUMIN_FOUND));
  EXPECT_EQ(driver.Text(welcome, IDC_WELCOME_FOLDER), Text(IDS_INSTALL_FOLDER_1));
  EXPECT_TRUE(driver.Enabled(welcome, IDC_WELCOME_ACCEPT));
  EXPECT_EQ(driver.ClippedTexts(welcome), std::vector<std::string>{});
  Picture(driver, welcome, "welcome-found");
  driver.Click(welcome, IDC_WELCOME_ACCEPT);
  HWND main = WaitMain(*program);
  ASSERT_TRUE(main);
  EXPECT_EQ(RootContent(), std::vector<std::string>{"[PetFolders]"});
  EXPECT_EQ(StoredText(L"Folder1", L"PetFolders"), receive);
  EXPECT_EQ(StoredText(L"Folder2", L"PetFolders"), std::nullopt);
  EXPECT_EQ(StoredInt(L"ActiveIndex", L"PetFolders"), 0u);

  // First-run values: desktop and browser on, the inbox chosen, the make button ready.
  EXPECT_TRUE(driver.Checked(main, IDC_MAIN_DESKTOP));
  EXPECT_TRUE(driver.Checked(main, IDC_MAIN_BROWSER));
  EXPECT_EQ(driver.Items(main, IDC_MAIN_DRAWER).size(), 2u);
  EXPECT_EQ(driver.Text(main, IDC_MAIN_DRAWER), Text(IDS_RECEIVED_MAIL));
  EXPECT_TRUE(driver.Enabled(main, IDC_MAIN_MAKE));
  EXPECT_EQ(driver.ClippedTexts(main), std::vector<std::string>{});
  Picture(driver, main, "main");

  // Esc asks; "保存せずに終了" ends without saving anything more.
  PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
  HWND query = driver.WaitForWindow(Text(IDS_EXIT_TITLE));
  ASSERT_TRUE(query);
  EXPECT_EQ(driver.Text(query, IDC_EXIT_TEXT), Text(IDS_EXIT_TEXT));
  EXPECT_FALSE(driver.Checked(query, IDC_EXIT_DONT_ASK));
  EXPECT_EQ(driver.ClippedTexts(query), std::vector<std::string>{});
  Picture(driver, query, "exit-query");
  driver.Click(query, IDC_EXIT_DISCARD);
  ASSERT_TRUE(program->WaitEnd());
  EXPECT_EQ(RootContent(), std::vector<std::string>{"[PetFolders]"});
}

TEST_F(ProgramTest, ACopyUnderAnotherNameKeepsItsOwnSettings) {
  const fs::path copy = fs::path(kOutputFolder) / L"mogura-other.exe";
  fs::copy_file(fs::path(program_), copy);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Pikomaru\\mogura-other");
  Program program(L"\"" + copy.wstring() + L"\"");
  const GuiDriver driver = program.driver();
  HWND welcome = driver.WaitForWindow(Text(IDS_WELCOME_TITLE));
  ASSERT_TRUE(welcome);
  driver.Click(welcome, IDC_WELCOME_CANCEL);
  ASSERT_TRUE(program.WaitEnd());
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Pikomaru\\mogura-other", 0, KEY_READ, &key), ERROR_SUCCESS);
  if (key) RegCloseKey(key);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Pikomaru\\mogura-other");
}

TEST_F(ProgramTest, MakeNeedsAPathAndEachKindKeepsItsOwn) {
  StoreKnownUser(Install(1));
  auto program = Start();
  const GuiDriver driver = program->driver();
  HWND main = WaitMain(*program);
  ASSERT_TRUE(main);
  EXPECT_FALSE(driver.Checked(main, IDC_MAIN_DESKTOP));
  EXPECT_FALSE(driver.Enabled(main, IDC_MAIN_MAKE));
  driver.Type(main, IDC_MAIN_OUTPUT, "x");
  EXPECT_TRUE(driver.Enabled(main, IDC_MAIN_MAKE));

  driver.Click(main, IDC_MAIN_KIND_PET);
  driver.Type(main, IDC_MAIN_OUTPUT, "C:\\mogura-test\\pet.htm");
  driver.Click(main, IDC_MAIN_KIND_EVENT);
  EXPECT_EQ(driver.Text(main, IDC_MAIN_OUTPUT), "");
  EXPECT_FALSE(driver.Enabled(main, IDC_MAIN_MAKE));
  driver.Type(main, IDC_MAIN_OUTPUT, "C:\\mogura-test\\event.htm");
  driver.Click(main, IDC_MAIN_KIND_PET);
  EXPECT_EQ(driver.Text(main, IDC_MAIN_OUTPUT), "C:\\mogura-test\\pet.htm");
  driver.Click(main, IDC_MAIN_KIND_DIARY);
  EXPECT_EQ(driver.Text(main, IDC_MAIN_OUTPUT), "x");
  driver.Click(main, IDC_MAIN_KIND_PET);
  // The quit button never asks, and saves.
  driver.Click(main, IDC_MAIN_QUIT);
  ASSERT_TRUE(program->WaitEnd());
  EXPECT_EQ(StoredText(L"OutputKossoriDialy"), "x");
  EXPECT_EQ(StoredText(L"OutputPetMail"), "C:\\mogura-test\\pet.htm");
  EXPECT_EQ(StoredText(L"OutputEventMail"), "C:\\mogura-test\\event.htm");
  EXPECT_EQ(StoredInt(L"TargetType"), 1u);
  EXPECT_TRUE(StoredInt(L"ProgramVersion"));

  // The next start finds everything again.
  auto again = Start();
  const GuiDriver second = again->driver();
  main = WaitMain(*again);
  ASSERT_TRUE(main);
  EXPECT_TRUE(second.Checked(main, IDC_MAIN_KIND_PET));
  EXPECT_EQ(second.Text(main, IDC_MAIN_OUTPUT), "C:\\mogura-test\\pet.htm");
  EXPECT_EQ(second.Text(main, IDC_MAIN_DRAWER), Text(IDS_RECEIVED_MAIL));
  EXPECT_TRUE(second.Enabled(main, IDC_MAIN_MAKE));
  second.Click(main, IDC_MAIN_QUIT);
  EXPECT_TRUE(again->WaitEnd());
}

TEST_F(ProgramTest, DividedPagesAreTheBytesTheCommandLineMakes) {
  StoreKnownUser(Install(2));
  const std::wstring devide = SubKey(L"Devide");
  SetInt(devide.c_str(), L"Valid", 1);
  SetInt(devide.c_str(), L"Type", 0);
  SetInt(devide.c_str(), L"OutputIndex", 1);
  SetInt(kSettingsKey, L"TargetType", 1);  // pet mail
  SetText(kSettingsKey, L"OutputPetMail", L"C:\\mogura-test\\pages\\pets.htm");
  fs::create_directories(L"C:\\mogura-test\\pages");
  auto program = Start();
  const GuiDriver driver = program->driver();
  HWND main = WaitMain(*program);
  ASSERT_TRUE(main);
  EXPECT_FALSE(driver.Checked(main, IDC_MAIN_BROWSER));
  driver.ClickToOpen(main, IDC_MAIN_MAKE);
  EXPECT_EQ(AnswerBox(driver), Text(IDS_MADE_OK));
  driver.Click(main, IDC_MAIN_QUIT);
  ASSERT_TRUE(program->WaitEnd());
  // Three months of pet mail and the index.
  std::vector<std::wstring> pages;
  for (const auto& entry : fs::directory_iterator(L"C:\\mogura-test\\pages")) pages.push_back(entry.path().filename());
  std::sort(pages.begin(), pages.end());
  EXPECT_EQ(pages, (std::vector<std::wstring>{L"pets.htm", L"pets202607.htm", L"pets202608.htm", L"pets202609.htm"}))
      << pages.size();
  EXPECT_FALSE(fs::exists(kOpenedLog));

  // mogura-cli over the same settings writes the same bytes.
  const std::wstring cli = ProgramPath("MOGURA_CLI");
  if (cli.empty()) return;
  fs::rename(L"C:\\mogura-test\\pages", L"C:\\mogura-test\\by-window");
  fs::create_directories(L"C:\\mogura-test\\pages");
  Program run(L"\"" + cli + L"\" make");
  ASSERT_TRUE(run.WaitEnd(20000));
  EXPECT_EQ(run.ExitCode(), 0u);
  for (const std::wstring& page : pages) {
    EXPECT_EQ(ReadFileBytes(fs::path(L"C:\\mogura-test\\pages") / page),
              ReadFileBytes(fs::path(L"C:\\mogura-test\\by-window") / page));
  }
}

TEST_F(ProgramTest, ASinglePageOpensInTheBrowser) {
  StoreKnownUser(Install(1));
  SetInt(kSettingsKey, L"TargetType", 1);
  SetInt(kSettingsKey, L"ExecBrowser", 1);
  SetText(kSettingsKey, L"OutputPetMail", L"C:\\mogura-test\\pets.htm");
  auto program = Start();
  const GuiDriver driver = program->driver();
  HWND main = WaitMain(*program);
  ASSERT_TRUE(main);
  driver.Click(main, IDC_MAIN_MAKE);
  EXPECT_TRUE(WaitOpened("C:\\mogura-test\\pets.htm"));
  EXPECT_TRUE(fs::exists(L"C:\\mogura-test\\pets.htm"));
  EXPECT_FALSE(driver.WaitForAnyMessageBox(300));
  driver.Click(main, IDC_MAIN_QUIT);
  EXPECT_TRUE(program->WaitEnd());
}

// The preview of the customization sheet, reached from the main window: the mails of the
// drawer and kind chosen there, in a folder below the user's temporary folder that goes when
// the program ends.
TEST_F(ProgramTest, APreviewShowsTheChosenDrawerAndGoesWithTheProgram) {
  StoreKnownUser(Install(1));
  SetInt(kSettingsKey, L"TargetType", 1);  // pet mail
  auto program = Start();
  const GuiDriver driver = program->driver();
  HWND main = WaitMain(*program);
  ASSERT_TRUE(main);
  driver.ClickToOpen(main, IDC_MAIN_HONKI);
  HWND sheet = driver.WaitForWindow(Text(IDS_HONKI_CAPTION));
  ASSERT_TRUE(sheet);
  HWND page = driver.CurrentPage(sheet);
  driver.Choose(page, IDC_HTML_FORMAT_LIST, 0);
  driver.ClickToOpen(page, IDC_HTML_CUSTOMIZE);
  HWND custom = driver.WaitForWindow(FormatText(LoadText(IDS_FORMAT_SHEET_CAPTION), Text(IDS_FORMAT_TITLE_USER)));
  ASSERT_TRUE(custom);
  const auto clicked = std::chrono::steady_clock::now();
  driver.Click(custom, IDC_FORMAT_PREVIEW);
  EXPECT_TRUE(WaitOpened("preview.htm"));
  std::printf("[ timing ] preview in mogura.exe recorded by the test's open command %lld ms after the click\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - clicked).count()));
  std::string opened = ReadFileBytes(kOpenedLog);
  while (!opened.empty() && (opened.back() == '\n' || opened.back() == '\r' || opened.back() == '"')) opened.pop_back();
  if (!opened.empty() && opened.front() == '"') opened.erase(0, 1);
  EXPECT_TRUE(EqualsNoCase(opened.substr(0, UserTemporaryFolder().size()), UserTemporaryFolder())) << opened;
  const std::string shown = ReadFileBytes(ToWide(opened));
  EXPECT_NE(shown.find("\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd"), std::string::npos);  // the pet mail
  EXPECT_EQ(shown.find("diary"), std::string::npos);
  driver.PressCancel(custom);
  ASSERT_TRUE(driver.WaitGone(custom));
  driver.PressCancel(sheet);
  ASSERT_TRUE(driver.WaitGone(sheet));
  EXPECT_TRUE(fs::exists(ToWide(opened)));
  driver.Click(main, IDC_MAIN_QUIT);
  ASSERT_TRUE(program->WaitEnd());
  EXPECT_FALSE(fs::exists(fs::path(ToWide(opened)).parent_path()));
}

TEST_F(ProgramTest, TheExitQueryCanBeToldNotToAskAgain) {
  StoreKnownUser(Install(1));
  auto program = Start();
  const GuiDriver driver = program->driver();
  HWND main = WaitMain(*program);
  ASSERT_TRUE(main);
  PostMessageW(main, WM_CLOSE, 0, 0);  // the close box
  HWND query = driver.WaitForWindow(Text(IDS_EXIT_TITLE));
  ASSERT_TRUE(query);
  // Cancel keeps the program open.
  driver.Click(query, IDC_EXIT_CANCEL);
  ASSERT_TRUE(driver.WaitGone(query));
  EXPECT_FALSE(program->WaitEnd(200));
  PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
  query = driver.WaitForWindow(Text(IDS_EXIT_TITLE));
  ASSERT_TRUE(query);
  driver.Click(query, IDC_EXIT_DONT_ASK);
  driver.Click(query, IDC_EXIT_DISCARD);
  ASSERT_TRUE(program->WaitEnd());
  EXPECT_EQ(StoredInt(L"ExitQuery"), 0u);
  EXPECT_EQ(StoredInt(L"ExitSaving"), 0u);
  EXPECT_EQ(StoredInt(L"ProgramVersion"), std::nullopt);  // nothing else was saved

  // The next start asks nothing: Esc ends without saving.
  auto again = Start();
  main = WaitMain(*again);
  ASSERT_TRUE(main);
  PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(again->WaitEnd());
  EXPECT_EQ(StoredInt(L"ProgramVersion"), std::nullopt);
}

TEST_F(ProgramTest, TheIconOpensTheAboutBoxWhoseGuideLinkOpensTheGuide) {
  StoreKnownUser(Install(1));
  auto program = Start();
  const GuiDriver driver = program->driver();
  HWND main = WaitMain(*program);
  ASSERT_TRUE(main);
  PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_ICON, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, IDC_MAIN_ICON)));
  HWND about = driver.WaitForWindow(Text(IDS_ABOUT_TITLE));
  ASSERT_TRUE(about);
  EXPECT_EQ(driver.Text(about, IDC_ABOUT_NAME), Text(IDS_ABOUT_NAME));
  EXPECT_EQ(driver.ClippedTexts(about), std::vector<std::string>{});
  Picture(driver, about, "about");
  // A click on the first link (a posted mouse click reaches another process's control).
  HWND link = GetDlgItem(about, IDC_ABOUT_GUIDE_LINK);
  PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 6));
  PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(8, 6));
  EXPECT_TRUE(WaitOpened(Text(IDS_GUIDE_FILE)));
  driver.Click(about, IDC_ABOUT_OK);
  ASSERT_TRUE(driver.WaitGone(about));
  // The system menu entry opens it too.
  PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  about = driver.WaitForWindow(Text(IDS_ABOUT_TITLE));
  ASSERT_TRUE(about);
  PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(driver.WaitGone(about));
  driver.Click(main, IDC_MAIN_QUIT);
  EXPECT_TRUE(program->WaitEnd());
}

}  // namespace
}  // namespace mogura::win32
