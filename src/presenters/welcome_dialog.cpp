#include "presenters/welcome_dialog.h"

#include "presenters/app_dialog_ids.h"
#include "base/string_table.h"

namespace mogura {
namespace {

constexpr std::array<InstallCandidate, 3> kCandidates = {{
    {IDS_INSTALL_EXE_1, IDS_INSTALL_FOLDER_1},
    {IDS_INSTALL_EXE_2, IDS_INSTALL_FOLDER_2},
    {IDS_INSTALL_EXE_3, IDS_INSTALL_FOLDER_3},
}};

constexpr std::array<std::string_view, 3> kExecutables = {"Kurumin.exe", "Kurumin20.exe", "Kurumin20v.exe"};

constexpr ControlText kTexts[] = {
    {IDC_WELCOME_GREETING, IDS_WELCOME_GREETING}, {IDC_WELCOME_INTRO, IDS_WELCOME_INTRO},
    {IDC_WELCOME_NOTE, IDS_WELCOME_NOTE},         {IDC_WELCOME_ACCEPT, IDS_WELCOME_ACCEPT},
    {IDC_WELCOME_CHANGE, IDS_WELCOME_CHANGE},     {IDC_WELCOME_CANCEL, IDS_WELCOME_CANCEL},
};

}  // namespace

const std::array<InstallCandidate, 3>& InstallCandidates() { return kCandidates; }
const std::array<std::string_view, 3>& KuruminExecutables() { return kExecutables; }

std::span<const ControlText> WelcomePresenter::FixedTexts() const { return kTexts; }

bool WelcomePresenter::IsFile(const std::string& path) { return files_.exists(path) && !files_.isDirectory(path); }

void WelcomePresenter::OnShow() {
  installFolder_.clear();
  receiveFolder_.clear();
  for (const InstallCandidate& candidate : kCandidates) {
    if (IsFile(std::string(LoadText(candidate.executable)))) {
      installFolder_ = std::string(LoadText(candidate.folder));
      break;
    }
  }
  const bool found = !installFolder_.empty();
  message_ = std::string(LoadText(found ? IDS_KURUMIN_FOUND : IDS_KURUMIN_NOT_FOUND));
  if (!found) {
    ui().enable(IDC_WELCOME_ACCEPT, false);
    ui().setText(IDC_WELCOME_CHANGE, LoadText(IDS_WELCOME_CHOOSE));
  }
  ui().setText(IDC_WELCOME_MESSAGE, message_);
  ui().setText(IDC_WELCOME_FOLDER, installFolder_);
}

int WelcomePresenter::firstFocus() const {
  return installFolder_.empty() ? IDC_WELCOME_CHANGE : IDC_WELCOME_ACCEPT;
}

void WelcomePresenter::OnCommand(int control, ControlEvent event) {
  if (event != ControlEvent::Clicked) return;
  if (control == IDC_WELCOME_ACCEPT) Accept();
  else if (control == IDC_WELCOME_CHANGE) ChangeFolder();
  else if (control == IDC_WELCOME_CANCEL) EndWith(DialogEnd::Cancel);
}

void WelcomePresenter::Accept() {
  receiveFolder_ = installFolder_ + std::string(LoadText(IDS_RECEIVE_FOLDER)) + "\\";
  EndWith(DialogEnd::Ok);
}

void WelcomePresenter::ChangeFolder() {
  std::string chosen;
  if (!chooser_.choose(std::string(LoadText(IDS_CHOOSE_KURUMIN)), installFolder_, &chosen)) return;
  installFolder_ = chosen;
  ui().setText(IDC_WELCOME_FOLDER, installFolder_);
  bool any = false;
  for (std::string_view executable : kExecutables) any |= IsFile(installFolder_ + std::string(executable));
  ui().enable(IDC_WELCOME_ACCEPT, any);
  if (!any) ui_.messageBox(std::string(LoadText(IDS_NO_KURUMIN_EXE)), MessageIcon::Exclamation);
}

}  // namespace mogura
