// The program's own windows as a user meets them: the start-up with its first run, the
// welcome dialog, the main dialog's controls and commands, the exit query and the about box.
#include <gtest/gtest.h>

#include "presenters/about_box.h"
#include "presenters/app_dialog_ids.h"
#include "presenters/exit_query.h"
#include "presenters/main_dialog.h"
#include "app/startup.h"
#include "presenters/welcome_dialog.h"
#include "base/string_table.h"
#include "store/memory_store.h"
#include "support/drawer_writer.h"
#include "support/fake_controls.h"
#include "support/machine.h"

namespace mogura {
namespace {

using test::FakeControls;

std::string Text(int id) { return std::string(LoadText(id)); }

// ---- start-up --------------------------------------------------------------------------------

class ScriptedStartup : public StartupWindows {
 public:
  bool RunWelcome(std::string* receiveFolder) override {
    ++welcomes;
    if (welcomeAnswer.empty()) return false;
    *receiveFolder = welcomeAnswer;
    return true;
  }
  bool RunMainDialog(AppSettings& settings, const SettingsKey& root) override {
    ++mains;
    seenFolders = settings.petFolders.Folders();
    if (mainOk) root.writeText("TargetBox", "written by the dialog");
    return mainOk;
  }
  std::string welcomeAnswer;
  bool mainOk = false;
  int welcomes = 0, mains = 0;
  std::vector<std::string> seenFolders;
};

class StartupTest : public ::testing::Test {
 protected:
  std::vector<std::string> RootKeys() const {
    std::vector<std::string> names;
    root.enumSubKeys(&names);
    return names;
  }
  std::shared_ptr<MemoryTree> tree = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(tree);
  AppSettings settings;
  ScriptedStartup windows;
};

TEST_F(StartupTest, FirstRunRegistersTheFolderAndSavesOnlyTheFolderList) {
  windows.welcomeAnswer = "C:\\K\\\x8e\xf3\x90\x4d\x83\x74\x83\x48\x83\x8b\x83\x5f\\";
  RunProgram(root, settings, windows);
  EXPECT_EQ(windows.welcomes, 1);
  EXPECT_EQ(windows.mains, 1);
  EXPECT_EQ(windows.seenFolders, std::vector<std::string>{windows.welcomeAnswer});
  // The main dialog ended without OK: nothing but the folder list is in the store.
  EXPECT_EQ(RootKeys(), std::vector<std::string>{"PetFolders"});
  std::string folder;
  EXPECT_TRUE(root.openSubKey("PetFolders").readText("Folder1", &folder));
  EXPECT_EQ(folder, windows.welcomeAnswer);
  std::int32_t active = -1;
  EXPECT_TRUE(root.openSubKey("PetFolders").readInt("ActiveIndex", &active));
  EXPECT_EQ(active, 0);
}

TEST_F(StartupTest, CancelledWelcomeEndsWithoutAnyWrite) {
  RunProgram(root, settings, windows);
  EXPECT_EQ(windows.welcomes, 1);
  EXPECT_EQ(windows.mains, 0);
  EXPECT_TRUE(RootKeys().empty());
}

TEST_F(StartupTest, AnActiveFolderSkipsTheWelcomeAndOkSavesEverything) {
  settings.petFolders.AddFolder("C:\\K\\");
  settings.petFolders.Save(root);
  windows.mainOk = true;
  AppSettings fresh;
  RunProgram(root, fresh, windows);
  EXPECT_EQ(windows.welcomes, 0);
  for (const char* section : {"PetFolders", "HTML", "Pickup", "Devide", "Word"})
    EXPECT_TRUE(root.openSubKey(section).valid()) << section;
}

TEST_F(StartupTest, AStoredListWithoutAValidActiveIndexAsksAgain) {
  for (std::int32_t index : {-1, 1, 7}) {
    tree = std::make_shared<MemoryTree>();
    root = MemoryRootKey(tree);
    const SettingsKey folders = root.createSubKey("PetFolders");
    folders.writeText("Folder1", "C:\\K\\");
    folders.writeInt("ActiveIndex", index);
    windows = ScriptedStartup();
    windows.welcomeAnswer = "C:\\K\\";  // the folder that is already registered
    AppSettings fresh;
    RunProgram(root, fresh, windows);
    EXPECT_EQ(windows.welcomes, 1) << index;
    // The accepted folder is the active one afterwards, so the next start asks nothing.
    AppSettings next;
    next.Load(root);
    EXPECT_TRUE(next.petFolders.HasActiveFolder()) << index;
    EXPECT_EQ(next.petFolders.Folders(), std::vector<std::string>{"C:\\K\\"});
  }
}

TEST_F(StartupTest, AnUnopenableKeyLeavesTheDefaultsAndWritesNothing) {
  windows.welcomeAnswer = "C:\\K\\";
  windows.mainOk = true;
  RunProgram(SettingsKey(), settings, windows);
  EXPECT_EQ(windows.mains, 1);
  EXPECT_EQ(settings.petFolders.Folders(), std::vector<std::string>{"C:\\K\\"});
}

// ---- welcome dialog ---------------------------------------------------------------------------

class WelcomeTest : public ::testing::Test {
 protected:
  void Show() { welcome.Attach(controls); }
  void Click(int id) { welcome.OnCommand(id, ControlEvent::Clicked); }
  std::string Exe(int row) const { return Text(InstallCandidates()[row].executable); }
  std::string Folder(int row) const { return Text(InstallCandidates()[row].folder); }

  test::Machine machine;
  test::MemoryDisk& files = machine.disk;
  test::ScriptedFolderChooser& chooser = machine.chooser;
  test::ScriptedInteraction& ui = machine.ui;
  WelcomePresenter welcome{files, chooser, ui};
  FakeControls controls;
};

TEST_F(WelcomeTest, TheSpeechEditionWinsOverThePlainOne) {
  for (int row : {1, 0, 2}) files.addFile(Exe(row), "exe");
  Show();
  EXPECT_EQ(controls[IDC_WELCOME_FOLDER].text, Folder(0));
  EXPECT_EQ(controls[IDC_WELCOME_MESSAGE].text, Text(IDS_KURUMIN_FOUND));
  EXPECT_TRUE(controls[IDC_WELCOME_ACCEPT].enabled);
  EXPECT_EQ(controls[IDC_WELCOME_CHANGE].text, Text(IDS_WELCOME_CHANGE));
  EXPECT_EQ(welcome.firstFocus(), IDC_WELCOME_ACCEPT);
  Click(IDC_WELCOME_ACCEPT);
  EXPECT_EQ(welcome.end(), DialogEnd::Ok);
  EXPECT_EQ(welcome.receiveFolder(), Folder(0) + Text(IDS_RECEIVE_FOLDER) + "\\");
}

TEST_F(WelcomeTest, RowsAreTriedInOrderAndAFolderNamedLikeTheExecutableDoesNotCount) {
  files.addFolder(Exe(0));
  files.addFile(Exe(2), "exe");
  Show();
  EXPECT_EQ(welcome.installFolder(), Folder(2));
}

TEST_F(WelcomeTest, NothingFoundAsksTheUserToShowTheWay) {
  Show();
  EXPECT_EQ(controls[IDC_WELCOME_MESSAGE].text, Text(IDS_KURUMIN_NOT_FOUND));
  EXPECT_EQ(controls[IDC_WELCOME_FOLDER].text, "");
  EXPECT_FALSE(controls[IDC_WELCOME_ACCEPT].enabled);
  EXPECT_EQ(controls[IDC_WELCOME_CHANGE].text, Text(IDS_WELCOME_CHOOSE));
  EXPECT_EQ(welcome.firstFocus(), IDC_WELCOME_CHANGE);

  // A folder without any of the three executables: message 116, still shown, accept off.
  chooser.answers = {"D:\\Games\\", "E:\\"};
  Click(IDC_WELCOME_CHANGE);
  EXPECT_EQ(chooser.titles.back(), Text(IDS_CHOOSE_KURUMIN));
  EXPECT_EQ(chooser.initials.back(), "");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, Text(IDS_NO_KURUMIN_EXE));
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(controls[IDC_WELCOME_FOLDER].text, "D:\\Games\\");
  EXPECT_FALSE(controls[IDC_WELCOME_ACCEPT].enabled);
  EXPECT_EQ(controls[IDC_WELCOME_MESSAGE].text, Text(IDS_KURUMIN_NOT_FOUND));

  // A drive root holding one of them: the executables are looked for directly under it.
  files.addFile("E:\\Kurumin20v.exe", "exe");
  Click(IDC_WELCOME_CHANGE);
  EXPECT_EQ(chooser.initials.back(), "D:\\Games\\");
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(controls[IDC_WELCOME_ACCEPT].enabled);
  Click(IDC_WELCOME_ACCEPT);
  EXPECT_EQ(welcome.receiveFolder(), "E:\\" + Text(IDS_RECEIVE_FOLDER) + "\\");
}

TEST_F(WelcomeTest, CancelledChooserChangesNothingAndCancelEnds) {
  files.addFile(Exe(1), "exe");
  Show();
  Click(IDC_WELCOME_CHANGE);  // the chooser is cancelled
  EXPECT_EQ(welcome.installFolder(), Folder(1));
  EXPECT_TRUE(controls[IDC_WELCOME_ACCEPT].enabled);
  EXPECT_EQ(welcome.end(), DialogEnd::None);
  Click(IDC_WELCOME_CANCEL);
  EXPECT_EQ(welcome.end(), DialogEnd::Cancel);
  EXPECT_EQ(welcome.receiveFolder(), "");
}

// ---- main dialog ------------------------------------------------------------------------------

class ScriptedWindows : public MainDialogWindows {
 public:
  bool ChooseOutputFile(const std::string& initial, std::string* path) override {
    browseInitials.push_back(initial);
    if (chosenFile.empty()) return false;
    *path = chosenFile;
    return true;
  }
  bool RunAdvancedSheet(AppSettings& settings) override {
    ++sheets;
    if (sheetFolder.empty()) return false;
    settings.petFolders.AddFolder(sheetFolder);
    return true;
  }
  void ShowAbout() override { ++abouts; }
  ExitAnswer RunExitQuery() override {
    ++queries;
    return exitAnswer;
  }
  std::string chosenFile, sheetFolder;
  std::vector<std::string> browseInitials;
  int sheets = 0, abouts = 0, queries = 0;
  ExitAnswer exitAnswer;
};

class MainDialogTest : public ::testing::Test {
 protected:
  MainDialogTest() {
    controls.addRadioGroup({IDC_MAIN_KIND_DIARY, IDC_MAIN_KIND_PET, IDC_MAIN_KIND_EVENT});
    settings.petFolders.AddFolder(receive);
  }
  void WriteDrawer(const std::string& title) {
    test::DrawerWriter writer;
    writer.add(test::MailSpec{.subject = "S", .header = "X-Kurumin-Message: 2\r\n", .body = "hi\r\n"});
    ASSERT_TRUE(writer.write(receive, title, machine.disk));
  }
  MainDialogPresenter& Open() {
    dialog.emplace(settings, root, windows, ui, shell, machine.disk);
    dialog->Attach(controls);
    return *dialog;
  }
  void Click(int id) {
    controls.click(id);
    dialog->OnCommand(id, ControlEvent::Clicked);
  }
  void Type(const std::string& text) {
    controls.setText(IDC_MAIN_OUTPUT, text);
    dialog->OnCommand(IDC_MAIN_OUTPUT, ControlEvent::TextChanged);
  }
  std::string Stored(const char* name) const {
    std::string text;
    root.readText(name, &text);
    return text;
  }
  std::int32_t StoredInt(const char* name) const {
    std::int32_t value = -1;
    root.readInt(name, &value);
    return value;
  }

  test::Machine machine;
  const std::string receive = machine.disk.addFolder("C:\\Kurumin\\" + Text(IDS_RECEIVE_FOLDER));
  std::shared_ptr<MemoryTree> tree = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(tree);
  AppSettings settings;
  ScriptedWindows windows;
  test::ScriptedInteraction& ui = machine.ui;
  test::RecordingShell& shell = machine.shell;
  FakeControls controls;
  std::optional<MainDialogPresenter> dialog;
};

TEST_F(MainDialogTest, FirstRunShowsTheInboxOnTheDesktopWithTheBrowser) {
  WriteDrawer("\x8e\xf3\x90\x4d\x83\x81\x81\x5b\x83\x8b\x82\x51");  // "受信メール２", listed first? no matter
  WriteDrawer(Text(IDS_RECEIVED_MAIL));
  Open();
  EXPECT_EQ(controls[IDC_MAIN_MAKE].text, Text(IDS_MAIN_MAKE));
  EXPECT_TRUE(controls[IDC_MAIN_DESKTOP].checked);
  EXPECT_TRUE(controls[IDC_MAIN_BROWSER].checked);
  EXPECT_EQ(controls[IDC_MAIN_OUTPUT].limit, 256);
  const std::vector<std::string>& drawers = controls[IDC_MAIN_DRAWER].items;
  ASSERT_EQ(drawers.size(), 2u);
  ASSERT_GE(controls[IDC_MAIN_DRAWER].selection, 0);
  EXPECT_EQ(drawers[controls[IDC_MAIN_DRAWER].selection].rfind(Text(IDS_RECEIVED_MAIL), 0), 0u);
  EXPECT_TRUE(controls[IDC_MAIN_MAKE].enabled);
  EXPECT_FALSE(controls[IDC_MAIN_OUTPUT].enabled);
  EXPECT_FALSE(controls[IDC_MAIN_BROWSE].enabled);
  EXPECT_TRUE(controls[IDC_MAIN_KIND_DIARY].checked);
}

TEST_F(MainDialogTest, NoDrawerOrNoPathKeepsMakeDisabledAndOneCharacterEnablesIt) {
  Open();
  EXPECT_FALSE(controls[IDC_MAIN_MAKE].enabled);  // the folder holds no drawer
  WriteDrawer(Text(IDS_RECEIVED_MAIL));
  root.writeText("TargetBox", Text(IDS_RECEIVED_MAIL));  // not a first run: desktop off
  Open();
  EXPECT_FALSE(controls[IDC_MAIN_DESKTOP].checked);
  EXPECT_TRUE(controls[IDC_MAIN_OUTPUT].enabled);
  EXPECT_FALSE(controls[IDC_MAIN_MAKE].enabled);
  Type("a");
  EXPECT_TRUE(controls[IDC_MAIN_MAKE].enabled);
  Type("");
  EXPECT_FALSE(controls[IDC_MAIN_MAKE].enabled);
  Click(IDC_MAIN_DESKTOP);
  EXPECT_TRUE(controls[IDC_MAIN_MAKE].enabled);
  // An unknown desktop gives no output path.
  shell.desktop.clear();
  Click(IDC_MAIN_NEWEST);
  dialog->OnCommand(IDC_MAIN_DESKTOP, ControlEvent::Clicked);
  EXPECT_FALSE(controls[IDC_MAIN_MAKE].enabled);
}

TEST_F(MainDialogTest, EachKindKeepsItsOwnPath) {
  root.writeText("TargetBox", Text(IDS_RECEIVED_MAIL));
  Open();
  Click(IDC_MAIN_KIND_PET);
  Type("C:\\pages\\pet.htm");
  Click(IDC_MAIN_KIND_EVENT);
  EXPECT_EQ(controls[IDC_MAIN_OUTPUT].text, "");
  Type("C:\\pages\\event.htm");
  Click(IDC_MAIN_KIND_PET);
  EXPECT_EQ(controls[IDC_MAIN_OUTPUT].text, "C:\\pages\\pet.htm");
  Click(IDC_MAIN_KIND_DIARY);
  Type("C:\\pages\\diary.htm");
  Click(IDC_MAIN_QUIT);
  EXPECT_EQ(dialog->end(), DialogEnd::Ok);
  ASSERT_TRUE(dialog->SaveEntries());
  EXPECT_EQ(Stored("OutputKossoriDialy"), "C:\\pages\\diary.htm");
  EXPECT_EQ(Stored("OutputPetMail"), "C:\\pages\\pet.htm");
  EXPECT_EQ(Stored("OutputEventMail"), "C:\\pages\\event.htm");
  EXPECT_EQ(settings.kind, kDiaryKind);
  EXPECT_EQ(windows.queries, 0);  // the quit button never asks
}

TEST_F(MainDialogTest, NewestFirstIsTheInverseOfTheStoredDirection) {
  settings.pickup.SetSortDir(true);
  Open();
  EXPECT_FALSE(controls[IDC_MAIN_NEWEST].checked);
  Click(IDC_MAIN_NEWEST);
  Click(IDC_MAIN_QUIT);
  EXPECT_FALSE(settings.pickup.SortDir());
  EXPECT_EQ(settings.pickup.SortType(), 1);
}

TEST_F(MainDialogTest, BrowseSetsThePathOfTheCurrentKind) {
  root.writeText("TargetBox", Text(IDS_RECEIVED_MAIL));
  root.writeText("OutputPetMail", "old.htm");
  settings.kind = kPetMailKind;
  Open();
  Click(IDC_MAIN_BROWSE);  // cancelled
  EXPECT_EQ(windows.browseInitials.back(), "old.htm");
  EXPECT_EQ(controls[IDC_MAIN_OUTPUT].text, "old.htm");
  windows.chosenFile = "C:\\web\\pets.htm";
  Click(IDC_MAIN_BROWSE);
  EXPECT_EQ(controls[IDC_MAIN_OUTPUT].text, "C:\\web\\pets.htm");
  EXPECT_EQ(dialog->entries().outputPetMail, "C:\\web\\pets.htm");
}

TEST_F(MainDialogTest, TheAdvancedSheetRefillsTheDrawersOnlyAfterOk) {
  Open();
  EXPECT_TRUE(controls[IDC_MAIN_DRAWER].items.empty());
  const std::string other = machine.disk.addFolder("D:\\Kurumin\\" + Text(IDS_RECEIVE_FOLDER));
  test::DrawerWriter writer;
  writer.add(test::MailSpec{.subject = "S"});
  ASSERT_TRUE(writer.write(other, "\x97\xb7\x8d\x73", machine.disk));  // "旅行"
  Click(IDC_MAIN_HONKI);  // cancelled
  EXPECT_TRUE(controls[IDC_MAIN_DRAWER].items.empty());
  windows.sheetFolder = other;
  Click(IDC_MAIN_HONKI);
  EXPECT_EQ(controls[IDC_MAIN_DRAWER].items, std::vector<std::string>{"\x97\xb7\x8d\x73"});
}

TEST_F(MainDialogTest, MakeWritesThePageAndOpensIt) {
  WriteDrawer(Text(IDS_RECEIVED_MAIL));
  settings.kind = kPetMailKind;
  Open();
  Click(IDC_MAIN_MAKE);
  const std::string page = shell.desktop + "\\" + Text(IDS_TITLE_PET_MAIL) + "(" + Text(IDS_RECEIVED_MAIL) + ").htm";
  EXPECT_TRUE(machine.disk.exists(page));
  EXPECT_EQ(shell.opened, std::vector<std::string>{page});
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(ui.waitCursorShown, 1);
  EXPECT_EQ(ui.waitDepth, 0);
  // Without the browser: the success message.
  Click(IDC_MAIN_BROWSER);
  Click(IDC_MAIN_MAKE);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, Text(IDS_MADE_OK));
  EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(MainDialogTest, ExitQueryWritesItsChoiceAtOnce) {
  Open();
  windows.exitAnswer = {ExitChoice::Stay, true};
  dialog->OnCloseRequest();
  EXPECT_EQ(dialog->end(), DialogEnd::None);
  EXPECT_EQ(StoredInt("ExitQuery"), -1);

  windows.exitAnswer = {ExitChoice::ExitWithoutSaving, true};
  dialog->OnCloseRequest();
  EXPECT_EQ(dialog->end(), DialogEnd::Cancel);
  EXPECT_EQ(StoredInt("ExitQuery"), 0);
  EXPECT_EQ(StoredInt("ExitSaving"), 0);
  EXPECT_EQ(Stored("TargetBox"), "");  // nothing else was written

  // The next start asks nothing and ends without saving.
  Open();
  dialog->OnCloseRequest();
  EXPECT_EQ(windows.queries, 2);
  EXPECT_EQ(dialog->end(), DialogEnd::Cancel);
  // ... or with saving, once that was chosen.
  root.writeInt("ExitSaving", 1);
  Open();
  dialog->OnCloseRequest();
  EXPECT_EQ(dialog->end(), DialogEnd::Ok);
}

TEST_F(MainDialogTest, ExitQueryWithoutItsCheckBoxLeavesTheEntries) {
  Open();
  windows.exitAnswer = {ExitChoice::ExitSaving, false};
  dialog->OnCloseRequest();
  EXPECT_EQ(dialog->end(), DialogEnd::Ok);
  EXPECT_EQ(StoredInt("ExitQuery"), -1);
  ASSERT_TRUE(dialog->SaveEntries());
  EXPECT_EQ(StoredInt("ExitQuery"), 1);
  EXPECT_EQ(StoredInt("ExitSaving"), 0);
}

TEST_F(MainDialogTest, AStoredTargetBoxRemovesTheOldOutputFile) {
  root.writeText("OutputFile", "C:\\old.htm");
  Open();
  EXPECT_EQ(Stored("OutputFile"), "C:\\old.htm");  // a first run keeps it
  root.writeText("TargetBox", "x");
  Open();
  EXPECT_EQ(Stored("OutputFile"), "");
  // ExitQuery is read in both cases.
  root.deleteValue("TargetBox");
  root.writeInt("ExitQuery", 0);
  Open();
  EXPECT_EQ(dialog->entries().exitQuery, 0);
}

TEST_F(MainDialogTest, IconClickOpensTheAboutBox) {
  Open();
  dialog->OnCommand(IDC_MAIN_ICON, ControlEvent::Clicked);
  EXPECT_EQ(windows.abouts, 1);
}

// ---- exit query and about box -----------------------------------------------------------------

TEST(ExitQuery, ButtonsGiveTheChoiceAndTheCheckBox) {
  ExitQueryPresenter query;
  FakeControls controls;
  query.Attach(controls);
  EXPECT_EQ(controls[IDC_EXIT_TEXT].text, Text(IDS_EXIT_TEXT));
  EXPECT_FALSE(controls[IDC_EXIT_DONT_ASK].checked);
  controls.click(IDC_EXIT_DONT_ASK);
  query.OnCommand(IDC_EXIT_DISCARD, ControlEvent::Clicked);
  EXPECT_EQ(query.end(), DialogEnd::Ok);
  EXPECT_EQ(query.answer().choice, ExitChoice::ExitWithoutSaving);
  EXPECT_TRUE(query.answer().dontAskAgain);

  query.Attach(controls);
  query.OnCommand(IDC_EXIT_SAVE, ControlEvent::Clicked);
  EXPECT_EQ(query.answer().choice, ExitChoice::ExitSaving);
  EXPECT_FALSE(query.answer().dontAskAgain);

  query.Attach(controls);
  controls.click(IDC_EXIT_DONT_ASK);
  query.OnCommand(IDC_EXIT_CANCEL, ControlEvent::Clicked);
  EXPECT_EQ(query.end(), DialogEnd::Cancel);
  EXPECT_EQ(query.answer().choice, ExitChoice::Stay);
  EXPECT_FALSE(query.answer().dontAskAgain);
}

TEST(AboutBox, LinksOpenTheGuideAndTheProgramFolder) {
  test::RecordingShell shell;
  AboutPresenter about(shell, "C:\\Program Files\\mogura\\");
  FakeControls controls;
  about.Attach(controls);
  EXPECT_EQ(controls[IDC_ABOUT_NAME].text, Text(IDS_ABOUT_NAME));
  about.OnCommand(IDC_ABOUT_GUIDE_LINK, ControlEvent::Clicked);
  about.OnCommand(IDC_ABOUT_FOLDER_LINK, ControlEvent::Clicked);
  EXPECT_EQ(shell.opened, (std::vector<std::string>{"C:\\Program Files\\mogura\\" + Text(IDS_GUIDE_FILE),
                                                    "C:\\Program Files\\mogura\\"}));
  about.OnCommand(IDC_ABOUT_OK, ControlEvent::Clicked);
  EXPECT_EQ(about.end(), DialogEnd::Ok);
}

}  // namespace
}  // namespace mogura
