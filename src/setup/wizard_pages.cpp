#include "setup/wizard_pages.h"

#include "setup/setup_ids.h"

namespace mogura {

void FolderPagePresenter::OnShow() {
  const InstallWizard::FolderPageTexts texts = wizard_.folderPageTexts();
  ui().setText(IDC_SETUP_FOLDER_PROMPT, texts.prompt);
  ui().setText(IDC_SETUP_FOLDER_BROWSE, texts.browseButton);
  ui().setText(IDC_SETUP_NOTE_LABEL, texts.noteLabel);
  ui().setText(IDC_SETUP_NOTE, texts.note);
  ui().limitText(IDC_SETUP_FOLDER_EDIT, static_cast<int>(InstallWizard::kLongestTypedPath));
}

WizardButtons FolderPagePresenter::OnActivate() {
  ui().setText(IDC_SETUP_FOLDER_EDIT, wizard_.proposedFolder());
  return WizardButtons::Next;
}

std::string_view FolderPagePresenter::OnBrowseStart() {
  wizard_.beginBrowse();
  return wizard_.folderPageTexts().browseTitle;
}

void FolderPagePresenter::OnBrowseEnd(const std::optional<std::string>& chosenFile) {
  wizard_.endBrowse();
  if (chosenFile) ui().setText(IDC_SETUP_FOLDER_EDIT, InstallWizard::ChosenFolder(*chosenFile));
}

std::optional<WizardPage> FolderPagePresenter::OnNext(bool typedWhole) {
  return wizard_.leaveFolderPage(ui().text(IDC_SETUP_FOLDER_EDIT), typedWhole);
}

void OptionsPagePresenter::OnShow() {
  const InstallWizard::OptionsPageTexts texts = InstallWizard::optionsPageTexts();
  ui().setText(IDC_SETUP_START_MENU, texts.startMenu);
  ui().setText(IDC_SETUP_DESKTOP, texts.desktop);
  ui().setChecked(IDC_SETUP_START_MENU, true);
  ui().setChecked(IDC_SETUP_DESKTOP, false);
  ui().enable(IDC_SETUP_DESKTOP, wizard_.desktopChoiceEnabled());
}

WizardPage OptionsPagePresenter::OnNext() {
  return wizard_.leaveOptionsPage(ui().checked(IDC_SETUP_START_MENU), ui().checked(IDC_SETUP_DESKTOP));
}

void CopyPagePresenter::OnShow() {
  ui().setText(IDC_SETUP_COPY_TEXT, driver_.workingText());
  ui().setText(IDC_SETUP_CONTROL_PANEL, driver_.controlPanelNote());
}

CopyPageSteps CopyPagePresenter::OnActivate() {
  CopyPageSteps steps;
  steps.buttons = WizardButtons::None;
  steps.startTimer = !started_;
  started_ = true;
  return steps;
}

CopyPageSteps CopyPagePresenter::OnStartTimer() const {
  CopyPageSteps steps;
  steps.progressRange = driver_.progressRange();
  steps.postStep = true;
  return steps;
}

CopyPageSteps CopyPagePresenter::OnStep() {
  CopyPageSteps steps;
  if (driver_.finished()) return steps;
  const CopyStepReport report = driver_.runStep();
  steps.advanceProgress = true;
  if (!report.last) {
    steps.postStep = true;
    return steps;
  }
  ui().show(IDC_SETUP_PROGRESS, false);
  ui().setText(IDC_SETUP_COPY_TEXT, driver_.doneText());
  if (driver_.showsControlPanelNote()) ui().show(IDC_SETUP_CONTROL_PANEL, true);
  steps.buttons = WizardButtons::Finish;
  steps.disableCancel = true;
  return steps;
}

}  // namespace mogura
