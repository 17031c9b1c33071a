#include "ui/win32/setup/install_wizard_view.h"

#include "platform/win32/wide.h"
#include "setup/copy_driver.h"
#include "setup/install_wizard.h"
#include "setup/setup_ids.h"
#include "setup/wizard_pages.h"
#include "ui/win32/setup/folder_browse.h"
#include "ui/win32/setup/window_position.h"
#include "ui/win32/setup/wizard_page.h"

namespace mogura::win32 {
namespace {

class FolderPage : public WizardSheetPage {
 public:
  FolderPage(FolderPagePresenter& presenter, std::string_view title)
      : WizardSheetPage(presenter, IDD_SETUP_FOLDER, title), presenter_(presenter) {}

 protected:
  void OnSetActive() override { SetButtons(presenter_.OnActivate()); }

  bool OnCommand(int id, int code, HWND) override {
    if (id != IDC_SETUP_FOLDER_BROWSE || code != BN_CLICKED) return false;
    const std::string_view title = presenter_.OnBrowseStart();
    presenter_.OnBrowseEnd(BrowseForFolder(SheetWindow(), title, InstallWizard::kBrowseFileType,
                                           InstallWizard::kBrowseFileName));
    return true;
  }

  LRESULT OnWizardNext() override {
    // Whether the field's text has a CP932 form: the presenter takes it converted.
    const std::wstring wide = WideText(IDC_SETUP_FOLDER_EDIT);
    const auto next = presenter_.OnNext(ToWide(FromWide(wide)) == wide);
    if (!next) return kStay;
    return *next == WizardPage::Copy ? IDD_SETUP_COPY : kNextPage;
  }

 private:
  FolderPagePresenter& presenter_;
};

class OptionsPage : public WizardSheetPage {
 public:
  OptionsPage(OptionsPagePresenter& presenter, std::string_view title)
      : WizardSheetPage(presenter, IDD_SETUP_OPTIONS, title), presenter_(presenter) {}

 protected:
  void OnSetActive() override { SetButtons(presenter_.OnActivate()); }
  LRESULT OnWizardNext() override {
    presenter_.OnNext();
    return kNextPage;
  }

 private:
  OptionsPagePresenter& presenter_;
};

// The copy page: a one-shot timer, then one step per posted command.
class CopyPage : public WizardSheetPage {
 public:
  CopyPage(CopyPagePresenter& presenter, std::string_view title)
      : WizardSheetPage(presenter, IDD_SETUP_COPY, title), presenter_(presenter) {}

 protected:
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT kStartDelayMs = 300;
  static constexpr UINT kStepMessage = WM_APP + 1;

  void OnSetActive() override { Do(presenter_.OnActivate()); }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override {
    if (message == WM_TIMER && wParam == kStartTimer) {
      KillTimer(hwnd_, kStartTimer);
      Do(presenter_.OnStartTimer());
    } else if (message == kStepMessage) {
      Do(presenter_.OnStep());
    } else {
      return WizardSheetPage::OnMessage(message, wParam, lParam, result);
    }
    *result = TRUE;
    return true;
  }

  bool OnWizardFinish() override {
    presenter_.OnFinish();
    return true;
  }

 private:
  void Do(const CopyPageSteps& steps) {
    HWND bar = Item(IDC_SETUP_PROGRESS);
    if (steps.progressRange) {
      SendMessageW(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(*steps.progressRange));
      SendMessageW(bar, PBM_SETSTEP, 1, 0);
    }
    if (steps.advanceProgress) SendMessageW(bar, PBM_STEPIT, 0, 0);
    if (steps.buttons) SetButtons(*steps.buttons);
    if (steps.disableCancel) EnableWindow(GetDlgItem(SheetWindow(), IDCANCEL), FALSE);
    if (steps.startTimer) SetTimer(hwnd_, kStartTimer, kStartDelayMs, nullptr);
    if (steps.postStep) PostMessageW(hwnd_, kStepMessage, 0, 0);
  }

  CopyPagePresenter& presenter_;
};

// The sheet: centred, the owner of the message boxes while it is open.
class InstallSheet : public Sheet {
 public:
  explicit InstallSheet(Win32Interaction& ui) : ui_(ui) {}

 protected:
  void OnInitialized() override {
    ui_.setOwner(hwnd());
    CentreOnScreen(hwnd());
  }

 private:
  Win32Interaction& ui_;
};

}  // namespace

bool RunInstallWizard(Win32SetupEdge& setup, SetupContext& context) {
  InstallWizard wizard(setup.edge, context);
  CopyDriver driver(setup.edge, context);
  FolderPagePresenter folder(wizard);
  OptionsPagePresenter options(wizard);
  CopyPagePresenter copy(driver);
  FolderPage folderPage(folder, wizard.caption());
  OptionsPage optionsPage(options, wizard.caption());
  CopyPage copyPage(copy, wizard.caption());
  InstallSheet sheet(setup.ui);
  sheet.AddPage(folderPage);
  sheet.AddPage(optionsPage);
  sheet.AddPage(copyPage);
  sheet.RunModal(nullptr, wizard.caption(), PSH_WIZARD);
  setup.ui.setOwner(nullptr);
  if (!copy.finishPressed()) return false;
  driver.finish();
  return true;
}

}  // namespace mogura::win32
