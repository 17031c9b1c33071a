// The wizard's page presenters: what each page shows, what its Next does, and the copy page's
// step protocol with the buttons and posts it asks of the view.
#include "setup/wizard_pages.h"

#include <gtest/gtest.h>

#include "setup/fake_setup_edge.h"
#include "setup/setup_ids.h"
#include "support/fake_controls.h"

namespace mogura {
namespace {

using test::FakeControls;
using test::FakeSetup;
using test::Text;

const std::string kPath = "C:\\Program Files\\mogura\\";

struct Pages {
  explicit Pages(std::vector<std::string> lines = {"[Install]", "Title=Mogura", "Folder=mogura",
                                                   "1=mogura.exe"}) {
    setup.writeInfo(lines);
    setup.disk.addFile("D:\\mogura.exe", "program");
    context = setup.prepare();
  }
  FakeSetup setup;
  SetupContext context;
  InstallWizard wizard{setup.edge, context};
  CopyDriver driver{setup.edge, context};
  FakeControls controls;
};

TEST(WizardPages, TheFolderPageShowsItsTextsAndTheProposedFolder) {
  Pages pages;
  FolderPagePresenter folder(pages.wizard);
  folder.Attach(pages.controls);
  EXPECT_EQ(pages.controls[IDC_SETUP_FOLDER_PROMPT].text, "Mogura" + Text(IDS_SETUP_FOLDER_PROMPT));
  EXPECT_EQ(pages.controls[IDC_SETUP_FOLDER_BROWSE].text, Text(IDS_SETUP_BROWSE_BUTTON));
  EXPECT_EQ(pages.controls[IDC_SETUP_NOTE_LABEL].text, Text(IDS_SETUP_NOTE_LABEL));
  EXPECT_EQ(pages.controls[IDC_SETUP_NOTE].text, Text(IDS_SETUP_NOTE));
  EXPECT_EQ(pages.controls[IDC_SETUP_FOLDER_EDIT].limit, 259);
  EXPECT_EQ(folder.OnActivate(), WizardButtons::Next);
  EXPECT_EQ(pages.controls[IDC_SETUP_FOLDER_EDIT].text, kPath);
  // Shown again, the field holds the path Next took last.
  pages.controls.setText(IDC_SETUP_FOLDER_EDIT, "C:\\Tools\\mogura");
  ASSERT_EQ(folder.OnNext(true), WizardPage::Options);
  pages.controls.setText(IDC_SETUP_FOLDER_EDIT, "C:\\elsewhere");
  folder.OnActivate();
  EXPECT_EQ(pages.controls[IDC_SETUP_FOLDER_EDIT].text, "C:\\Tools\\mogura\\");
}

TEST(WizardPages, BrowsingPutsTheChosenFolderIntoTheField) {
  Pages pages;
  pages.setup.system.windows = "E:\\WINNT";
  FolderPagePresenter folder(pages.wizard);
  folder.Attach(pages.controls);
  folder.OnActivate();
  EXPECT_EQ(folder.OnBrowseStart(), Text(IDS_SETUP_BROWSE_TITLE));
  EXPECT_EQ(pages.setup.disk.currentFolder, "E:\\");
  folder.OnBrowseEnd(std::nullopt);  // cancelled: the field keeps its path
  EXPECT_EQ(pages.setup.disk.currentFolder, "D:\\");
  EXPECT_EQ(pages.controls[IDC_SETUP_FOLDER_EDIT].text, kPath);
  folder.OnBrowseStart();
  folder.OnBrowseEnd("C:\\Tools\\" + test::kSo + "\\dummy");
  EXPECT_EQ(pages.setup.disk.currentFolder, "D:\\");
  EXPECT_EQ(pages.controls[IDC_SETUP_FOLDER_EDIT].text, "C:\\Tools\\" + test::kSo + "\\");
}

// Next takes the field's text whole: a root, a path too long in bytes or one the field could
// not hold in CP932 keeps the user on the page with the message, never cut.
TEST(WizardPages, TheFolderPageNextChecksTheFieldWhole) {
  Pages pages;
  FolderPagePresenter folder(pages.wizard);
  folder.Attach(pages.controls);
  pages.controls.setText(IDC_SETUP_FOLDER_EDIT, "C:\\");
  EXPECT_FALSE(folder.OnNext(true));
  pages.controls.setText(IDC_SETUP_FOLDER_EDIT, "C:\\" + std::string(256, 'a'));
  EXPECT_FALSE(folder.OnNext(true));
  pages.controls.setText(IDC_SETUP_FOLDER_EDIT, "C:\\mogura");
  EXPECT_FALSE(folder.OnNext(false));
  EXPECT_EQ(pages.setup.ui.texts(),
            (std::vector<std::string>{Text(IDS_SETUP_ROOT_REFUSED), Text(IDS_SETUP_NEED_DRIVE),
                                      Text(IDS_SETUP_NEED_DRIVE)}));
  EXPECT_EQ(folder.OnNext(true), WizardPage::Options);
  EXPECT_EQ(pages.context.installPath, "C:\\mogura\\");
}

TEST(WizardPages, AResidentProgramGoesFromTheFolderPageToTheCopy) {
  FakeSetup setup;
  setup.writeInfo({"[Install]", "Title=T", "Folder=t", "TSR=1"});
  SetupContext context = setup.prepare();
  InstallWizard wizard(setup.edge, context);
  FakeControls controls;
  FolderPagePresenter folder(wizard);
  folder.Attach(controls);
  controls.setText(IDC_SETUP_FOLDER_EDIT, "C:\\t");
  EXPECT_EQ(folder.OnNext(true), WizardPage::Copy);
}

TEST(WizardPages, TheOptionsPageTakesTheTwoBoxes) {
  Pages pages;
  OptionsPagePresenter options(pages.wizard);
  options.Attach(pages.controls);
  EXPECT_EQ(pages.controls[IDC_SETUP_START_MENU].text, Text(IDS_SETUP_START_MENU_OPTION));
  EXPECT_EQ(pages.controls[IDC_SETUP_DESKTOP].text, Text(IDS_SETUP_DESKTOP_OPTION));
  EXPECT_TRUE(pages.controls[IDC_SETUP_START_MENU].checked);
  EXPECT_FALSE(pages.controls[IDC_SETUP_DESKTOP].checked);
  EXPECT_TRUE(pages.controls[IDC_SETUP_DESKTOP].enabled);
  EXPECT_EQ(options.OnActivate(), WizardButtons::Next);
  pages.controls.click(IDC_SETUP_START_MENU);
  pages.controls.click(IDC_SETUP_DESKTOP);
  EXPECT_EQ(options.OnNext(), WizardPage::Copy);
  EXPECT_FALSE(pages.context.wantStartMenu);
  EXPECT_TRUE(pages.context.wantDesktop);

  // Without shell folders there is no desktop to put a link on.
  FakeSetup old;
  old.system.version = 3;
  old.writeInfo({"[Install]", "Title=T", "Folder=t"});
  SetupContext context = old.prepare();
  InstallWizard wizard(old.edge, context);
  OptionsPagePresenter oldOptions(wizard);
  FakeControls oldControls;
  oldOptions.Attach(oldControls);
  EXPECT_FALSE(oldControls[IDC_SETUP_DESKTOP].enabled);
}

// The copy page as the view drives it: activation, the pause, then one posted step after
// another until the last, which leaves Finish alone.
TEST(WizardPages, TheCopyPageStepsUntilFinishIsAllThatIsLeft) {
  Pages pages;
  CopyPagePresenter copy(pages.driver);
  copy.Attach(pages.controls);
  EXPECT_EQ(pages.controls[IDC_SETUP_COPY_TEXT].text, Text(IDS_SETUP_COPYING));
  EXPECT_EQ(pages.controls[IDC_SETUP_CONTROL_PANEL].text, Text(IDS_SETUP_CONTROL_PANEL_NOTE));
  pages.controls.show(IDC_SETUP_CONTROL_PANEL, false);  // as the page's template has it

  CopyPageSteps steps = copy.OnActivate();
  EXPECT_EQ(steps.buttons, WizardButtons::None);
  EXPECT_TRUE(steps.startTimer);
  EXPECT_FALSE(steps.postStep);
  EXPECT_FALSE(copy.OnActivate().startTimer);  // the pause starts once

  steps = copy.OnStartTimer();
  EXPECT_EQ(steps.progressRange, 4u);  // one file: the folder, three copies, the shortcuts
  EXPECT_TRUE(steps.postStep);
  EXPECT_FALSE(steps.advanceProgress);

  int posted = 0;
  for (int guard = 0; guard < 100 && steps.postStep; ++guard) {
    steps = copy.OnStep();
    EXPECT_TRUE(steps.advanceProgress);
    ++posted;
    if (steps.postStep) {
      EXPECT_FALSE(steps.buttons);
      EXPECT_TRUE(pages.controls[IDC_SETUP_PROGRESS].visible);
    }
  }
  EXPECT_EQ(posted, 5);
  EXPECT_EQ(steps.buttons, WizardButtons::Finish);
  EXPECT_TRUE(steps.disableCancel);
  EXPECT_FALSE(pages.controls[IDC_SETUP_PROGRESS].visible);
  EXPECT_EQ(pages.controls[IDC_SETUP_COPY_TEXT].text, Text(IDS_SETUP_INSTALLED));
  EXPECT_TRUE(pages.controls[IDC_SETUP_CONTROL_PANEL].visible);
  EXPECT_TRUE(pages.setup.disk.has(kPath + "mogura.exe"));

  // A stray step command after the end changes nothing.
  steps = copy.OnStep();
  EXPECT_FALSE(steps.advanceProgress || steps.postStep || steps.buttons || steps.disableCancel);

  EXPECT_FALSE(copy.finishPressed());
  copy.OnFinish();
  EXPECT_TRUE(copy.finishPressed());
}

TEST(WizardPages, WithoutShellFoldersTheControlPanelNoteStaysHidden) {
  FakeSetup setup;
  setup.system.version = 3;
  setup.writeInfo({"[Install]", "Title=T", "Folder=t"});
  SetupContext context = setup.prepare();
  context.installPath = "C:\\t\\";
  CopyDriver driver(setup.edge, context);
  CopyPagePresenter copy(driver);
  FakeControls controls;
  copy.Attach(controls);
  controls.show(IDC_SETUP_CONTROL_PANEL, false);
  CopyPageSteps steps = copy.OnStartTimer();
  while (steps.postStep) steps = copy.OnStep();
  EXPECT_EQ(steps.buttons, WizardButtons::Finish);
  EXPECT_FALSE(controls[IDC_SETUP_CONTROL_PANEL].visible);
  EXPECT_EQ(controls[IDC_SETUP_COPY_TEXT].text, Text(IDS_SETUP_INSTALLED));
}

}  // namespace
}  // namespace mogura
