// The removal dialog's presenter: its texts, the work run once when the pause is over, and a
// close button that ends the dialog only after it.
#include "setup/removal_presenter.h"

#include <gtest/gtest.h>

#include "setup/copy_driver.h"
#include "setup/fake_setup_edge.h"
#include "setup/setup_ids.h"
#include "support/fake_controls.h"

namespace mogura {
namespace {

using test::FakeControls;
using test::FakeSetup;
using test::Text;

const std::string kPath = "C:\\Program Files\\mogura\\";

// An installed product and the removal dialog's presenter on the dialog's controls, the close
// button disabled as the template has it.
struct RemovalWindow {
  RemovalWindow() {
    setup.writeInfo({"[Install]", "Title=Mogura", "Folder=mogura", "1=mogura.exe"});
    setup.disk.addFile("D:\\mogura.exe");
    SetupContext installing = setup.prepare();
    CopyDriver driver(setup.edge, installing);
    while (!driver.runStep().last) {
    }
    setup.system.module = "C:\\WINDOWS\\system32\\setup-mogura-1.exe";
    context = setup.prepare("x " + kPath + "setup.exe");
    controls.enable(IDC_REMOVAL_CLOSE, false);
    presenter.Attach(controls);
  }
  FakeSetup setup;
  SetupContext context;
  RemovalDialog removal{setup.edge, context};
  RemovalPresenter presenter{removal};
  FakeControls controls;
};

TEST(RemovalPresenter, TheWorkRunsOnceAndOnlyThenTheDialogCloses) {
  RemovalWindow window;
  EXPECT_EQ(window.presenter.caption(), "Mogura" + Text(IDS_SETUP_REMOVAL_SUFFIX));
  EXPECT_EQ(window.controls[IDC_REMOVAL_TEXT].text, Text(IDS_SETUP_REMOVING));
  EXPECT_EQ(window.controls[IDC_REMOVAL_CLOSE].text, Text(IDS_SETUP_CLOSE_BUTTON));
  EXPECT_FALSE(window.presenter.mayClose());
  EXPECT_TRUE(window.setup.disk.has(kPath + "mogura.exe"));  // nothing before the pause is over

  window.presenter.OnStartTimer();
  EXPECT_EQ(window.controls[IDC_REMOVAL_TEXT].text, "Mogura" + Text(IDS_SETUP_REMOVED));
  EXPECT_TRUE(window.controls[IDC_REMOVAL_CLOSE].enabled);
  EXPECT_TRUE(window.presenter.mayClose());
  EXPECT_FALSE(window.setup.disk.has(kPath));

  // A second timer message runs nothing again.
  window.setup.disk.addFile(kPath + "mogura.exe");
  window.presenter.OnStartTimer();
  EXPECT_TRUE(window.setup.disk.has(kPath + "mogura.exe"));

  window.presenter.finish();
  EXPECT_EQ(window.setup.disk.deletedAtRestart,
            std::vector<std::string>{"C:\\WINDOWS\\system32\\setup-mogura-1.exe"});
}

TEST(RemovalPresenter, WhatIsLeftIsNamedInTheTextLine) {
  RemovalWindow window;
  window.setup.disk.node(kPath + "mogura.exe")->inUse = true;
  window.presenter.OnStartTimer();
  EXPECT_EQ(window.controls[IDC_REMOVAL_TEXT].text, kPath + Text(IDS_SETUP_FILES_LEFT));
  EXPECT_TRUE(window.controls[IDC_REMOVAL_CLOSE].enabled);
  EXPECT_TRUE(window.presenter.mayClose());
}

}  // namespace
}  // namespace mogura
