#include "ui/win32/setup/install_wizard_view.h"

#include "platform/win32/wide.h"
#include "setup/copy_driver.h"
#include "setup/install_wizard.h"
#include "ui/win32/setup/folder_browse.h"
#include "setup/setup_ids.h"
#include "ui/win32/setup/window_position.h"
#include "ui/win32/setup/wizard_page.h"

namespace mogura::win32 {
namespace {

void SetText(HWND dialog, int id, std::string_view text) { SetDlgItemTextW(dialog, id, ToWide(text).c_str()); }

std::wstring WideTextOf(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return text;
}

class FolderPage : public WizardSheetPage {
 public:
  explicit FolderPage(InstallWizard& wizard) : WizardSheetPage(IDD_SETUP_FOLDER, wizard.caption()), wizard_(wizard) {}

 protected:
  bool OnInit() override {
    const InstallWizard::FolderPageTexts texts = wizard_.folderPageTexts();
    SetText(hwnd_, IDC_SETUP_FOLDER_PROMPT, texts.prompt);
    SetText(hwnd_, IDC_SETUP_FOLDER_BROWSE, texts.browseButton);
    SetText(hwnd_, IDC_SETUP_NOTE_LABEL, texts.noteLabel);
    SetText(hwnd_, IDC_SETUP_NOTE, texts.note);
    SendDlgItemMessageW(hwnd_, IDC_SETUP_FOLDER_EDIT, EM_LIMITTEXT, InstallWizard::kLongestTypedPath, 0);
    return true;
  }

  void OnSetActive() override {
    SetButtons(PSWIZB_NEXT);
    SetText(hwnd_, IDC_SETUP_FOLDER_EDIT, wizard_.proposedFolder());
  }

  bool OnCommand(int id, int code, HWND) override {
    if (id != IDC_SETUP_FOLDER_BROWSE || code != BN_CLICKED) return false;
    wizard_.beginBrowse();
    const auto chosen = BrowseForFolder(SheetWindow(), wizard_.folderPageTexts().browseTitle,
                                        InstallWizard::kBrowseFileType, InstallWizard::kBrowseFileName);
    wizard_.endBrowse();
    if (chosen) SetText(hwnd_, IDC_SETUP_FOLDER_EDIT, InstallWizard::ChosenFolder(*chosen));
    return true;
  }

  LRESULT OnWizardNext() override {
    // Handed over whole: the wizard refuses a path too long in bytes, or one with characters
    // that have no CP932 form (they would come back as others), rather than cut or change it.
    const std::wstring wide = WideTextOf(Item(IDC_SETUP_FOLDER_EDIT));
    const std::string typed = FromWide(wide);
    const auto next = wizard_.leaveFolderPage(typed, ToWide(typed) == wide);
    if (!next) return kStay;
    return *next == WizardPage::Copy ? IDD_SETUP_COPY : kNextPage;
  }

 private:
  InstallWizard& wizard_;
};

class OptionsPage : public WizardSheetPage {
 public:
  explicit OptionsPage(InstallWizard& wizard) : WizardSheetPage(IDD_SETUP_OPTIONS, wizard.caption()), wizard_(wizard) {}

 protected:
  bool OnInit() override {
    const InstallWizard::OptionsPageTexts texts = InstallWizard::optionsPageTexts();
    SetText(hwnd_, IDC_SETUP_START_MENU, texts.startMenu);
    SetText(hwnd_, IDC_SETUP_DESKTOP, texts.desktop);
    CheckDlgButton(hwnd_, IDC_SETUP_START_MENU, BST_CHECKED);
    CheckDlgButton(hwnd_, IDC_SETUP_DESKTOP, BST_UNCHECKED);
    EnableWindow(Item(IDC_SETUP_DESKTOP), wizard_.desktopChoiceEnabled());
    return true;
  }

  void OnSetActive() override { SetButtons(PSWIZB_NEXT); }

  LRESULT OnWizardNext() override {
    wizard_.leaveOptionsPage(IsDlgButtonChecked(hwnd_, IDC_SETUP_START_MENU) == BST_CHECKED,
                             IsDlgButtonChecked(hwnd_, IDC_SETUP_DESKTOP) == BST_CHECKED);
    return kNextPage;
  }

 private:
  InstallWizard& wizard_;
};

// One step per posted command, after a short pause that lets the page show first.
class CopyPage : public WizardSheetPage {
 public:
  CopyPage(CopyDriver& driver, std::string_view title) : WizardSheetPage(IDD_SETUP_COPY, title), driver_(driver) {}
  bool finishPressed() const { return finishPressed_; }

 protected:
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT kStartDelayMs = 300;
  static constexpr UINT kStepMessage = WM_APP + 1;

  bool OnInit() override {
    SetText(hwnd_, IDC_SETUP_COPY_TEXT, driver_.workingText());
    SetText(hwnd_, IDC_SETUP_CONTROL_PANEL, driver_.controlPanelNote());
    return true;
  }

  void OnSetActive() override {
    SetButtons(0);
    if (!started_) SetTimer(hwnd_, kStartTimer, kStartDelayMs, nullptr);
    started_ = true;
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override {
    if (message == WM_TIMER && wParam == kStartTimer) {
      KillTimer(hwnd_, kStartTimer);
      PostMessageW(hwnd_, kStepMessage, 0, 0);
      *result = TRUE;
      return true;
    }
    if (message == kStepMessage) {
      Step();
      *result = TRUE;
      return true;
    }
    return WizardSheetPage::OnMessage(message, wParam, lParam, result);
  }

  bool OnWizardFinish() override {
    finishPressed_ = true;
    return true;
  }

 private:
  void Step() {
    HWND bar = Item(IDC_SETUP_PROGRESS);
    if (driver_.finished()) return;
    if (!rangeSet_) {
      SendMessageW(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(driver_.progressRange()));
      SendMessageW(bar, PBM_SETSTEP, 1, 0);
      rangeSet_ = true;
    }
    const CopyStepReport report = driver_.runStep();
    SendMessageW(bar, PBM_STEPIT, 0, 0);
    if (!report.last) {
      PostMessageW(hwnd_, kStepMessage, 0, 0);
      return;
    }
    ShowWindow(bar, SW_HIDE);
    SetText(hwnd_, IDC_SETUP_COPY_TEXT, driver_.doneText());
    if (driver_.showsControlPanelNote()) ShowWindow(Item(IDC_SETUP_CONTROL_PANEL), SW_SHOW);
    SetButtons(PSWIZB_FINISH);
    EnableWindow(GetDlgItem(SheetWindow(), IDCANCEL), FALSE);
  }

  CopyDriver& driver_;
  bool started_ = false;
  bool rangeSet_ = false;
  bool finishPressed_ = false;
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
  FolderPage folderPage(wizard);
  OptionsPage optionsPage(wizard);
  CopyPage copyPage(driver, wizard.caption());
  InstallSheet sheet(setup.ui);
  sheet.AddPage(folderPage);
  sheet.AddPage(optionsPage);
  sheet.AddPage(copyPage);
  sheet.RunModal(nullptr, wizard.caption(), PSH_WIZARD);
  setup.ui.setOwner(nullptr);
  if (!copyPage.finishPressed()) return false;
  driver.finish();
  return true;
}

}  // namespace mogura::win32
