// The real settings sheets under the window system: opened over settings, driven by window
// messages from a second thread, confirmed or cancelled, and the settings read back.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <shlobj.h>

#include "base/cp932.h"
#include "base/string_table.h"
#include "gui_driver.h"
#include "html/html_format_list.h"
#include "platform/win32/wide.h"
#include "presenters/sheet_ids.h"
#include "support/drawer_writer.h"
#include "support/poll.h"
#include "support/temp_folder.h"
#include "ui/win32/dialog.h"
#include "ui/win32/honki_sheet_view.h"

namespace mogura::win32 {
namespace {

using test::GuiDriver;
using test::Poll;
using test::RunDriven;

constexpr int kHtmlTab = 0, kDivideTab = 1, kWordTab = 2, kPickupTab = 3, kPetTab = 4;
constexpr int kContentTab = 0, kEditTab = 1;

std::string Text(int id) { return std::string(LoadText(id)); }

class SheetViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitDialogControls(); }

  SheetViewTest() {
    settings.petFolders.AddFolder("C:\\Program Files\\Tabimo\\Kurumin for Windows ver. 2.0\\\x8e\xf3\x90\x4d\x83\x74\x83\x48\x83\x8b\x83\x5f\\");
    settings.formats.setActiveIdentifier(std::string(kUserFormatId));
    settings.pickup.SetBeginDate(DateTime::Make(2026, 1, 1));
    settings.pickup.SetEnables(true, false);
  }

  // Opens the advanced sheet over `settings` and drives it; true when it was confirmed.
  bool RunSheet(const std::function<void(GuiDriver&, HWND sheet)>& drive) {
    bool confirmed = false;
    const auto opened = std::chrono::steady_clock::now();
    RunDriven([&] { confirmed = RunHonkiSheet(nullptr, settings, drawer, previewFolder); },
              [&](GuiDriver& driver) {
                HWND sheet = driver.WaitForWindow(Text(IDS_HONKI_CAPTION));
                ASSERT_TRUE(sheet);
                const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - opened).count();
                std::printf("[ timing ] advanced sheet visible after %lld ms\n", static_cast<long long>(ms));
                drive(driver, sheet);
              });
    return confirmed;
  }

  // Opens the customization sheet of the user format from the first tab.
  static HWND OpenCustomization(GuiDriver& driver, HWND sheet) {
    HWND page = driver.CurrentPage(sheet);
    driver.Choose(page, IDC_HTML_FORMAT_LIST, 0);
    const auto opened = std::chrono::steady_clock::now();
    driver.ClickToOpen(page, IDC_HTML_CUSTOMIZE);
    HWND custom = driver.WaitForWindow(FormatText(LoadText(IDS_FORMAT_SHEET_CAPTION), Text(IDS_FORMAT_TITLE_USER)));
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - opened).count();
    std::printf("[ timing ] customization sheet visible after %lld ms\n", static_cast<long long>(ms));
    return custom;
  }

  const FormatPage& UserMailPage() const { return *settings.formats.findFormat(kUserFormatId)->findPage(PageKind::Mail); }

  AppSettings settings;
  // The main dialog's drawer, and the previews' folder below the user's temporary folder.
  std::string drawer{LoadText(IDS_RECEIVED_MAIL)};
  PreviewFolder previewFolder{HostFileSystem(), UserTemporaryFolder()};
};

// The lines the shell's "open" has written so far, without quotes and line ends.
std::vector<std::string> OpenedPages() {
  std::ifstream log(test::kOpenedPagesLog, std::ios::binary);
  std::vector<std::string> pages;
  for (std::string line; std::getline(log, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '"')) line.pop_back();
    if (!line.empty() && line.front() == '"') line.erase(0, 1);
    if (!line.empty()) pages.push_back(line);
  }
  return pages;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(ToWide(path).c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

long long MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

// The manifest asks for common controls 6: the library comes from the side-by-side store.
TEST(CommonControls, VersionSixFromTheManifest) {
  InitDialogControls();
  wchar_t path[MAX_PATH] = {};
  ASSERT_TRUE(GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH));
  EXPECT_NE(std::wstring(path).find(L"winsxs"), std::wstring::npos) << FromWide(path);
}

TEST_F(SheetViewTest, OpensOnItsFirstTabWithTheFivePagesInOneRow) {
  EXPECT_FALSE(RunSheet([](GuiDriver& driver, HWND sheet) {
    EXPECT_EQ(driver.CurrentPageIndex(sheet), kHtmlTab);
    EXPECT_EQ(driver.TabTitles(sheet),
              (std::vector<std::string>{Text(IDS_HONKI_PAGE_HTML), Text(IDS_HONKI_PAGE_DIVIDE), Text(IDS_HONKI_PAGE_WORD),
                                        Text(IDS_HONKI_PAGE_PICKUP), Text(IDS_HONKI_PAGE_PET)}));
    HWND tab = reinterpret_cast<HWND>(driver.Send(sheet, PSM_GETTABCONTROL, 0, 0));
    EXPECT_EQ(GetWindowLongW(tab, GWL_STYLE) & TCS_MULTILINE, 0);
    EXPECT_EQ(driver.Send(tab, TCM_GETROWCOUNT, 0, 0), 1);
    // No Apply and no Help button.
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, 0x3021)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet, IDHELP)));
    driver.PressCancel(sheet);
  }));
}

TEST_F(SheetViewTest, CountOutsideItsRangeKeepsTheUserOnThePage) {
  EXPECT_TRUE(RunSheet([](GuiDriver& driver, HWND sheet) {
    driver.SelectPage(sheet, kDivideTab);
    HWND page = driver.CurrentPage(sheet);
    const std::string range = FormatArguments(LoadText(IDS_ENTER_INTEGER_RANGE), {"1", "512"});
    for (const char* count : {"0", "513"}) {
      driver.Type(page, IDC_DIVIDE_COUNT, count);
      driver.PressOk(sheet);
      HWND box = driver.WaitForMessageBox();
      ASSERT_TRUE(box) << count;
      EXPECT_EQ(driver.MessageText(box), range);
      driver.Answer(box, IDOK);
      ASSERT_TRUE(driver.WaitGone(box));
      EXPECT_TRUE(IsWindowVisible(sheet));
      EXPECT_EQ(driver.CurrentPageIndex(sheet), kDivideTab);
    }
    // Another tab cannot be reached either.
    driver.SelectPage(sheet, kWordTab);
    HWND box = driver.WaitForMessageBox();
    ASSERT_TRUE(box);
    driver.Answer(box, IDOK);
    driver.WaitGone(box);
    EXPECT_EQ(driver.CurrentPageIndex(sheet), kDivideTab);

    driver.Click(page, IDC_DIVIDE_VALID);
    driver.Click(page, IDC_DIVIDE_BY_COUNT);
    EXPECT_TRUE(driver.Enabled(page, IDC_DIVIDE_COUNT));
    driver.Click(page, IDC_DIVIDE_MONTH);
    EXPECT_FALSE(driver.Enabled(page, IDC_DIVIDE_COUNT));
    driver.Click(page, IDC_DIVIDE_BY_COUNT);
    driver.Type(page, IDC_DIVIDE_COUNT, "512");
    driver.PressOk(sheet);
  }));
  EXPECT_EQ(settings.divide.count(), 512);
  EXPECT_TRUE(settings.divide.valid());
  EXPECT_EQ(settings.divide.type(), 3);
}

TEST_F(SheetViewTest, PublishingChoicesComeBackAndTheFeedAddressIsChecked) {
  EXPECT_TRUE(RunSheet([](GuiDriver& driver, HWND sheet) {
    driver.SelectPage(sheet, kDivideTab);
    HWND page = driver.CurrentPage(sheet);
    EXPECT_FALSE(driver.Checked(page, IDC_PUBLISH_UTF8));
    EXPECT_TRUE(driver.Checked(page, IDC_PUBLISH_KEEP));
    EXPECT_FALSE(driver.Enabled(page, IDC_PUBLISH_FEED_URL));
    EXPECT_FALSE(driver.Enabled(page, IDC_PUBLISH_FEED_COUNT));
    driver.Click(page, IDC_PUBLISH_UTF8);
    driver.Click(page, IDC_PUBLISH_FEED);
    EXPECT_TRUE(driver.Enabled(page, IDC_PUBLISH_FEED_URL));
    EXPECT_TRUE(driver.Enabled(page, IDC_PUBLISH_FEED_COUNT));
    driver.Type(page, IDC_PUBLISH_FEED_URL, "ftp://example.org/");
    driver.PressOk(sheet);
    HWND box = driver.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(driver.MessageText(box), Text(IDS_PUBLISH_BAD_URL));
    driver.Answer(box, IDOK);
    ASSERT_TRUE(driver.WaitGone(box));
    EXPECT_EQ(driver.CurrentPageIndex(sheet), kDivideTab);
    driver.Type(page, IDC_PUBLISH_FEED_URL, "https://example.org/mogu/");
    driver.Type(page, IDC_PUBLISH_FEED_COUNT, "7");
    driver.PressOk(sheet);
  }));
  EXPECT_TRUE(settings.publish.utf8());
  EXPECT_TRUE(settings.publish.keepUnchanged());
  EXPECT_EQ(settings.publish.feedUrl(), "https://example.org/mogu/");
  EXPECT_EQ(settings.publish.feedCount(), 7);
}

TEST_F(SheetViewTest, PickupDatesAndAnEmptyPetName) {
  EXPECT_TRUE(RunSheet([](GuiDriver& driver, HWND sheet) {
    driver.SelectPage(sheet, kPickupTab);
    HWND page = driver.CurrentPage(sheet);
    EXPECT_FALSE(driver.Enabled(page, IDC_PICKUP_NAME));
    driver.Click(page, IDC_PICKUP_USE_NAME);
    EXPECT_TRUE(driver.Enabled(page, IDC_PICKUP_NAME));
    driver.Type(page, IDC_PICKUP_NAME, "");
    driver.SetDate(page, IDC_PICKUP_BEGIN, DateTime::Make(2026, 2, 3), false);
    driver.SetDate(page, IDC_PICKUP_END, DateTime::Make(2026, 5, 6), true);
    driver.PressOk(sheet);
  }));
  EXPECT_FALSE(settings.pickup.UsePetName());
  EXPECT_FALSE(settings.pickup.EnableBeginDate());
  EXPECT_TRUE(settings.pickup.EnableEndDate());
  EXPECT_EQ(settings.pickup.EndDate(), DateTime::Make(2026, 5, 6, 23, 59, 59));
}

TEST_F(SheetViewTest, DeleteButtonNeedsTwoFolders) {
  const std::string first = settings.petFolders.ActiveFolder();
  EXPECT_TRUE(RunSheet([&](GuiDriver& driver, HWND sheet) {
    driver.SelectPage(sheet, kPetTab);
    HWND page = driver.CurrentPage(sheet);
    EXPECT_FALSE(driver.Enabled(page, IDC_PET_REMOVE));
    // Register C:\windows through the folder browser.
    driver.ClickToOpen(page, IDC_PET_ADD);
    HWND browser = Poll(10000, [&]() -> HWND {
      HWND found = nullptr;
      EnumThreadWindows(driver.uiThread(), [](HWND window, LPARAM found) -> BOOL {
        if (!IsWindowVisible(window) || !FindWindowExW(window, nullptr, L"SysTreeView32", nullptr)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      }, reinterpret_cast<LPARAM>(&found));
      return found;
    });
    ASSERT_TRUE(browser);
    // The browser selects its initial folder once it is ready: choose ours until it holds.
    // Selecting fills the tree down to the folder, which can take seconds on a busy machine.
    static const wchar_t kFolder[] = L"C:\\windows";
    HWND tree = FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr);
    const bool chosen = Poll(20000, [&] {
      driver.Send(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(kFolder), 5000);
      wchar_t name[MAX_PATH] = {};
      TVITEMW item{};
      item.mask = TVIF_TEXT;
      item.hItem = reinterpret_cast<HTREEITEM>(driver.Send(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
      item.pszText = name;
      item.cchTextMax = MAX_PATH;
      return item.hItem && driver.Send(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) &&
             _wcsicmp(name, L"windows") == 0;
    });
    ASSERT_TRUE(chosen);
    driver.Click(browser, IDOK);
    ASSERT_TRUE(driver.WaitGone(browser));
    const std::vector<std::string> folders = driver.Items(page, IDC_PET_FOLDER_CHOICE);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_TRUE(EqualsNoCase(folders[1], "C:\\windows\\"));
    EXPECT_EQ(driver.Selection(page, IDC_PET_FOLDER_CHOICE), 1);
    EXPECT_TRUE(driver.Enabled(page, IDC_PET_REMOVE));
    driver.Choose(page, IDC_PET_FOLDER_CHOICE, 0);
    driver.Click(page, IDC_PET_REMOVE);
    EXPECT_EQ(driver.Items(page, IDC_PET_FOLDER_CHOICE).size(), 1u);
    EXPECT_FALSE(driver.Enabled(page, IDC_PET_REMOVE));
    driver.PressOk(sheet);
  }));
  ASSERT_EQ(settings.petFolders.Count(), 1u);
  EXPECT_TRUE(EqualsNoCase(settings.petFolders.ActiveFolder(), "C:\\windows\\"));
}

TEST_F(SheetViewTest, DefaultFormatCannotBeCustomized) {
  EXPECT_FALSE(RunSheet([](GuiDriver& driver, HWND sheet) {
    HWND page = driver.CurrentPage(sheet);
    driver.Choose(page, IDC_HTML_FORMAT_LIST, 1);
    driver.ClickToOpen(page, IDC_HTML_CUSTOMIZE);
    HWND box = driver.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(driver.MessageText(box), Text(IDS_DEFAULT_NOT_CUSTOMIZABLE));
    EXPECT_EQ(driver.MessageButtons(box), std::vector<int>{IDOK});
    driver.Answer(box, IDOK);
    driver.WaitGone(box);
    driver.PressCancel(sheet);
  }));
}

TEST_F(SheetViewTest, CancelAfterACustomizationLosesIt) {
  EXPECT_FALSE(RunSheet([](GuiDriver& driver, HWND sheet) {
    HWND custom = OpenCustomization(driver, sheet);
    ASSERT_TRUE(custom);
    driver.Click(driver.CurrentPage(custom), IDC_CONTENT_TABLE);
    driver.PressOk(custom);
    ASSERT_TRUE(driver.WaitGone(custom));
    driver.PressCancel(sheet);
  }));
  EXPECT_FALSE(UserMailPage().outputList());
}

TEST_F(SheetViewTest, TablePlacesAndTheIndexPageLayout) {
  EXPECT_TRUE(RunSheet([](GuiDriver& driver, HWND sheet) {
    HWND custom = OpenCustomization(driver, sheet);
    ASSERT_TRUE(custom);
    HWND content = driver.CurrentPage(custom);
    EXPECT_EQ(driver.Text(custom, IDC_FORMAT_RESET), Text(IDS_RESET));
    EXPECT_FALSE(driver.Enabled(content, IDC_CONTENT_COLUMNS));
    driver.SelectPage(custom, kEditTab);
    HWND edit = driver.CurrentPage(custom);
    const std::size_t withoutTable = driver.Items(edit, IDC_EDIT_PLACES).size();
    driver.SelectPage(custom, kContentTab);
    driver.Click(content, IDC_CONTENT_TABLE);
    EXPECT_TRUE(driver.Enabled(content, IDC_CONTENT_COLUMNS));
    driver.SelectPage(custom, kEditTab);
    const std::vector<std::string> withTable = driver.Items(edit, IDC_EDIT_PLACES);
    ASSERT_EQ(withTable.size(), withoutTable + 6);
    EXPECT_EQ(withTable[withoutTable], Text(IDS_PLACE_TABLE_HEADER));
    driver.SelectPage(custom, kContentTab);
    driver.Click(content, IDC_CONTENT_TABLE);
    driver.SelectPage(custom, kEditTab);
    EXPECT_EQ(driver.Items(edit, IDC_EDIT_PLACES).size(), withoutTable);

    // The index page: only the table options.
    driver.Choose(custom, IDC_FORMAT_PAGE_CHOICE, 1);
    driver.SelectPage(custom, kContentTab);
    for (int box : {IDC_CONTENT_NO_SUBJECT, IDC_CONTENT_DATE_PET, IDC_CONTENT_DATE_EVENT})
      EXPECT_FALSE(driver.Visible(content, box)) << box;
    EXPECT_TRUE(driver.Visible(content, IDC_CONTENT_TABLE));
    driver.Choose(custom, IDC_FORMAT_PAGE_CHOICE, 0);
    EXPECT_TRUE(driver.Visible(content, IDC_CONTENT_NO_SUBJECT));
    driver.Click(content, IDC_CONTENT_DATE_PET);
    driver.Type(content, IDC_CONTENT_COLUMNS, "16");
    driver.PressOk(custom);
    ASSERT_TRUE(driver.WaitGone(custom));
    driver.PressOk(sheet);
  }));
  EXPECT_FALSE(UserMailPage().outputList());
  EXPECT_TRUE(UserMailPage().outputDatePetMail());
  EXPECT_EQ(UserMailPage().listColumn(), 16);
}

TEST_F(SheetViewTest, PlaceEditsSurviveSwitchesAndResetAsksFirst) {
  const std::string edited = "<html>\r\n<body>";
  EXPECT_TRUE(RunSheet([&](GuiDriver& driver, HWND sheet) {
    HWND custom = OpenCustomization(driver, sheet);
    ASSERT_TRUE(custom);
    driver.SelectPage(custom, kEditTab);
    HWND edit = driver.CurrentPage(custom);
    driver.Type(edit, IDC_EDIT_TEXT, edited);
    driver.Choose(edit, IDC_EDIT_PLACES, 1);
    EXPECT_EQ(driver.Text(edit, IDC_EDIT_TEXT), "</body>\r\n</html>\r\n");
    driver.Choose(edit, IDC_EDIT_PLACES, 0);
    EXPECT_EQ(driver.Text(edit, IDC_EDIT_TEXT), edited);
    driver.Choose(custom, IDC_FORMAT_PAGE_CHOICE, 1);  // the index page
    EXPECT_EQ(driver.Items(edit, IDC_EDIT_PLACES).size(), 3u);
    driver.Choose(custom, IDC_FORMAT_PAGE_CHOICE, 0);
    EXPECT_EQ(driver.Text(edit, IDC_EDIT_TEXT), edited);

    // Reset: No changes nothing, the default answer being No.
    driver.ClickToOpen(custom, IDC_FORMAT_RESET);
    HWND box = driver.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(driver.MessageText(box), Text(IDS_FORMAT_RESET_QUESTION));
    EXPECT_EQ(driver.MessageButtons(box), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(driver.DefaultButton(box), IDNO);
    driver.Answer(box, IDNO);
    driver.WaitGone(box);
    EXPECT_EQ(driver.Text(edit, IDC_EDIT_TEXT), edited);
    driver.PressOk(custom);
    ASSERT_TRUE(driver.WaitGone(custom));
    driver.PressOk(sheet);
  }));
  EXPECT_EQ(UserMailPage().places()[0].text(), "<html>\n<body>");

  EXPECT_TRUE(RunSheet([&](GuiDriver& driver, HWND sheet) {
    HWND custom = OpenCustomization(driver, sheet);
    ASSERT_TRUE(custom);
    driver.ClickToOpen(custom, IDC_FORMAT_RESET);
    HWND box = driver.WaitForMessageBox();
    ASSERT_TRUE(box);
    driver.Answer(box, IDYES);
    driver.WaitGone(box);
    driver.PressOk(custom);
    ASSERT_TRUE(driver.WaitGone(custom));
    driver.PressOk(sheet);
  }));
  HtmlFormat builtIn(std::string(kUserFormatId), Text(IDS_FORMAT_TITLE_USER));
  builtIn.Reset();
  EXPECT_EQ(*settings.formats.findFormat(kUserFormatId), builtIn);
}

// The preview button writes the edited page, with what was typed and not yet taken, into a
// folder below the user's temporary folder and has the shell open it; Cancel still discards
// the edit. The time from the click to the shell's "open" is logged.
TEST_F(SheetViewTest, PreviewOpensTheEditedPageWithWhatWasTyped) {
  test::TempFolder receive;
  test::DrawerWriter writer;
  for (int day = 1; day <= 30; ++day) {
    writer.add(test::MailSpec{.subject = "mail " + std::to_string(day),
                              .date = std::to_string(day) + " May 2026 12:00:00 +0900",
                              .header = "X-Kurumin-Message: 2\r\n",
                              .body = "line of mail " + std::to_string(day) + "\r\n"});
  }
  ASSERT_TRUE(writer.write(receive.path(), drawer));
  settings.petFolders = PetFolderList();
  settings.petFolders.AddFolder(receive.path());
  settings.kind = kPetMailKind;
  test::RecordPageOpens();
  std::error_code ignored;
  std::filesystem::remove(test::kOpenedPagesLog, ignored);
  const std::string mark = "<p>\x83\x76\x83\x8c\x83\x72\x83\x85\x81\x5b mark</p>";  // プレビュー
  const std::string header = UserMailPage().places()[0].text();

  std::vector<std::string> opened;
  EXPECT_FALSE(RunSheet([&](GuiDriver& driver, HWND sheet) {
    HWND custom = OpenCustomization(driver, sheet);
    ASSERT_TRUE(custom);
    // Beside the reset button, as high, inside the sheet.
    EXPECT_EQ(driver.Text(custom, IDC_FORMAT_PREVIEW), Text(IDS_FORMAT_PREVIEW));
    RECT reset, preview, client;
    GetWindowRect(GetDlgItem(custom, IDC_FORMAT_RESET), &reset);
    GetWindowRect(GetDlgItem(custom, IDC_FORMAT_PREVIEW), &preview);
    GetClientRect(custom, &client);
    MapWindowPoints(custom, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(preview.top, reset.top);
    EXPECT_EQ(preview.bottom, reset.bottom);
    EXPECT_GT(preview.left, reset.right);
    EXPECT_LT(preview.right, client.right);

    driver.SelectPage(custom, kEditTab);
    driver.Type(driver.CurrentPage(custom), IDC_EDIT_TEXT, "<html>" + mark);
    for (int round = 1; round <= 2; ++round) {
      const auto clicked = std::chrono::steady_clock::now();
      bool handled = false;
      driver.Send(GetDlgItem(custom, IDC_FORMAT_PREVIEW), BM_CLICK, 0, 0, 10000, &handled);
      const long long openCalled = MillisecondsSince(clicked);
      ASSERT_TRUE(handled);
      ASSERT_TRUE(Poll(10000, [&] { return OpenedPages().size() == static_cast<std::size_t>(round); }));
      std::printf("[ timing ] preview %d: the shell's open called within %lld ms of the click, "
                  "recorded by the test's open command after %lld ms\n",
                  round, openCalled, MillisecondsSince(clicked));
    }
    opened = OpenedPages();
    EXPECT_FALSE(driver.WaitForMessageBox(0));
    driver.PressCancel(custom);
    ASSERT_TRUE(driver.WaitGone(custom));
    driver.PressCancel(sheet);
  }));
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], opened[1]);
  EXPECT_TRUE(EqualsNoCase(opened[0].substr(0, UserTemporaryFolder().size()), UserTemporaryFolder())) << opened[0];
  const std::string page = ReadBytes(opened[0]);
  EXPECT_NE(page.find(mark), std::string::npos);
  // The newest twenty mails.
  EXPECT_NE(page.find("line of mail 30<br>"), std::string::npos);
  EXPECT_NE(page.find("line of mail 11<br>"), std::string::npos);
  EXPECT_EQ(page.find("line of mail 10<br>"), std::string::npos);
  EXPECT_EQ(UserMailPage().places()[0].text(), header);  // cancelled: the edit is gone
}

// Every fixed text read back from the controls equals the string table's bytes: run under a
// non-Japanese locale too, this shows that only wide calls and code page 932 are used.
TEST_F(SheetViewTest, LocaleIndependentTexts) {
  struct Fixed {
    int tab, control, text;
  };
  const Fixed texts[] = {
      {kHtmlTab, IDC_HTML_USE_LABEL, IDS_HTML_USE_LABEL},   {kHtmlTab, IDC_HTML_NOTE, IDS_HTML_LIST_NOTE},
      {kHtmlTab, IDC_HTML_CUSTOMIZE, IDS_HTML_CUSTOMIZE},   {kDivideTab, IDC_DIVIDE_VALID, IDS_DIVIDE_VALID},
      {kDivideTab, IDC_DIVIDE_BY_COUNT, IDS_DIVIDE_COUNT},  {kDivideTab, IDC_DIVIDE_COUNT_UNIT, IDS_DIVIDE_COUNT_UNIT},
      {kDivideTab, IDC_PUBLISH_GROUP, IDS_PUBLISH_GROUP},   {kDivideTab, IDC_PUBLISH_FEED, IDS_PUBLISH_FEED},
      {kWordTab, IDC_WORD_DIARY_LABEL, IDS_WORD_DIARY_LABEL}, {kPickupTab, IDC_PICKUP_NOTE, IDS_PICKUP_NOTE},
      {kPickupTab, IDC_PICKUP_NAME_NOTE, IDS_PICKUP_NAME_NOTE}, {kPetTab, IDC_PET_NOTE, IDS_PET_NOTE},
      {kPetTab, IDC_PET_FOLDER_NOTE, IDS_PET_FOLDER_NOTE},  {kPetTab, IDC_PET_ADD, IDS_PET_ADD},
  };
  const std::string folder = settings.petFolders.ActiveFolder();
  std::printf("[ locale ] ANSI code page %u\n", GetACP());
  EXPECT_FALSE(RunSheet([&](GuiDriver& driver, HWND sheet) {
    wchar_t caption[64] = {};
    GetWindowTextW(sheet, caption, 64);
    EXPECT_EQ(FromWide(caption), Text(IDS_HONKI_CAPTION));
    for (const Fixed& fixed : texts) {
      driver.SelectPage(sheet, fixed.tab);
      EXPECT_EQ(driver.Text(driver.CurrentPage(sheet), fixed.control), Text(fixed.text)) << fixed.control;
    }
    EXPECT_EQ(driver.Items(driver.CurrentPage(sheet), IDC_PET_FOLDER_CHOICE), std::vector<std::string>{folder});
    driver.SelectPage(sheet, kWordTab);
    EXPECT_EQ(driver.Text(driver.CurrentPage(sheet), IDC_WORD_DIARY), WordSettings().diaryTitle);
    // The customization sheet's own controls.
    driver.SelectPage(sheet, kHtmlTab);
    HWND custom = OpenCustomization(driver, sheet);
    ASSERT_TRUE(custom);
    for (auto [control, text] : {std::pair{IDC_FORMAT_TARGET_LABEL, IDS_FORMAT_TARGET_LABEL},
                                 std::pair{IDC_FORMAT_RESET, IDS_RESET}, std::pair{IDC_FORMAT_PREVIEW, IDS_FORMAT_PREVIEW}})
      EXPECT_EQ(driver.Text(custom, control), Text(text)) << control;
    driver.PressCancel(custom);
    ASSERT_TRUE(driver.WaitGone(custom));
    driver.PressCancel(sheet);
  }));
}

// Pictures of every page of both sheets (when asked for), and no text cut off in any of them.
TEST_F(SheetViewTest, EveryPageShowsItsTextsWhole) {
  const std::string folder = test::ScreenshotFolder();
  const std::string dpi = std::to_string(GetDeviceCaps(GetDC(nullptr), LOGPIXELSY));
  auto picture = [&](GuiDriver& driver, HWND window, const std::string& name) {
    if (folder.empty()) return;
    EXPECT_TRUE(driver.Screenshot(window, folder + "\\" + name + "-" + dpi + ".png")) << name;
  };
  RunSheet([&](GuiDriver& driver, HWND sheet) {
    const char* names[] = {"honki-1-html", "honki-2-divide", "honki-3-words", "honki-4-pickup", "honki-5-folders"};
    for (int tab = 0; tab < 5; ++tab) {
      driver.SelectPage(sheet, tab);
      HWND page = driver.CurrentPage(sheet);
      if (tab == kDivideTab) {  // with every control enabled
        driver.Click(page, IDC_DIVIDE_VALID);
        driver.Click(page, IDC_DIVIDE_BY_COUNT);
        driver.Click(page, IDC_PUBLISH_FEED);
        driver.Type(page, IDC_PUBLISH_FEED_URL, "https://example.org/mogu/");
      }
      EXPECT_EQ(driver.ClippedTexts(page), std::vector<std::string>{}) << names[tab];
      picture(driver, sheet, names[tab]);
    }
    driver.SelectPage(sheet, kHtmlTab);
    HWND custom = OpenCustomization(driver, sheet);
    ASSERT_TRUE(custom);
    EXPECT_EQ(driver.ClippedTexts(custom), std::vector<std::string>{});
    for (int choice = 0; choice < 2; ++choice) {
      driver.Choose(custom, IDC_FORMAT_PAGE_CHOICE, choice);
      for (int tab = 0; tab < 2; ++tab) {
        driver.SelectPage(custom, tab);
        EXPECT_EQ(driver.ClippedTexts(driver.CurrentPage(custom)), std::vector<std::string>{});
        picture(driver, custom, std::string("format-") + (choice ? "index-" : "mail-") + (tab ? "2-places" : "1-content"));
      }
    }
    driver.PressCancel(custom);
    driver.WaitGone(custom);
    driver.PressCancel(sheet);
  });
}

}  // namespace
}  // namespace mogura::win32
