#include "presenters/main_dialog.h"

#include "presenters/app_dialog_ids.h"
#include "app/make_command.h"
#include "base/string_table.h"
#include "mailstore/mail_sources.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_MAIN_INTRO, IDS_MAIN_INTRO},
    {IDC_MAIN_KIND_GROUP, IDS_MAIN_KIND_GROUP},
    {IDC_MAIN_KIND_DIARY, IDS_MAIN_KIND_DIARY},
    {IDC_MAIN_KIND_PET, IDS_MAIN_KIND_PET},
    {IDC_MAIN_KIND_EVENT, IDS_MAIN_KIND_EVENT},
    {IDC_MAIN_DRAWER_GROUP, IDS_MAIN_DRAWER_GROUP},
    {IDC_MAIN_DRAWER_LABEL, IDS_MAIN_DRAWER_LABEL},
    {IDC_MAIN_OUTPUT_GROUP, IDS_MAIN_OUTPUT_GROUP},
    {IDC_MAIN_OUTPUT_LABEL, IDS_MAIN_OUTPUT_LABEL},
    {IDC_MAIN_BROWSE, IDS_MAIN_BROWSE},
    {IDC_MAIN_DESKTOP, IDS_MAIN_DESKTOP},
    {IDC_MAIN_NEWEST, IDS_MAIN_NEWEST},
    {IDC_MAIN_BROWSER, IDS_MAIN_BROWSER},
    {IDC_MAIN_MAKE, IDS_MAIN_MAKE},
    {IDC_MAIN_HONKI, IDS_MAIN_HONKI},
    {IDC_MAIN_QUIT, IDS_MAIN_QUIT},
};

constexpr int kKindRadios[] = {IDC_MAIN_KIND_DIARY, IDC_MAIN_KIND_PET, IDC_MAIN_KIND_EVENT};

}  // namespace

MainDialogPresenter::MainDialogPresenter(AppSettings& settings, const SettingsKey& root, MainDialogWindows& windows,
                                         UserInteraction& ui, Shell& shell, FileSystem& files)
    : settings_(settings), root_(root), windows_(windows), ui_(ui), shell_(shell), files_(files) {
  entries_.Load(root_);
  entries_.RemoveObsolete(root_);
}

std::span<const ControlText> MainDialogPresenter::FixedTexts() const { return kTexts; }

void MainDialogPresenter::OnShow() {
  ui().limitText(IDC_MAIN_OUTPUT, kMaxOutputCharacters);
  FillDrawers();
  Fill();
  UpdateControls();
}

void MainDialogPresenter::FillDrawers() {
  const std::vector<std::string> drawers = listDrawers(settings_.petFolders.ActiveFolder(), files_);
  ui().setItems(IDC_MAIN_DRAWER, drawers);
  const std::optional<std::size_t> remembered = selectDrawer(drawers, entries_.targetBox);
  ui().select(IDC_MAIN_DRAWER, remembered ? static_cast<int>(*remembered) : -1);
}

void MainDialogPresenter::Fill() {
  filling_ = true;
  const int kind = static_cast<int>(settings_.kind);
  kindIndex_ = kind >= 1 && kind <= 3 ? kind - 1 : 0;
  newestFirst_ = !settings_.pickup.SortDir();
  outputText_ = entries_.outputPath(CurrentKind());
  for (int i = 0; i < 3; ++i) ui().setChecked(kKindRadios[i], i == kindIndex_);
  ui().setText(IDC_MAIN_OUTPUT, outputText_);
  ui().setChecked(IDC_MAIN_DESKTOP, entries_.outputDesktop != 0);
  ui().setChecked(IDC_MAIN_NEWEST, newestFirst_);
  ui().setChecked(IDC_MAIN_BROWSER, entries_.execBrowser != 0);
  filling_ = false;
}

void MainDialogPresenter::TakeOver() {
  const int previousKind = kindIndex_;
  for (int i = 0; i < 3; ++i) {
    if (ui().checked(kKindRadios[i])) kindIndex_ = i;
  }
  outputText_ = ui().text(IDC_MAIN_OUTPUT);
  entries_.outputDesktop = ui().checked(IDC_MAIN_DESKTOP) ? 1 : 0;
  newestFirst_ = ui().checked(IDC_MAIN_NEWEST);
  entries_.execBrowser = ui().checked(IDC_MAIN_BROWSER) ? 1 : 0;
  // The box still shows the path of the kind that was left.
  if (kindIndex_ != previousKind) entries_.setOutputPath(static_cast<MailKind>(previousKind + 1), outputText_);
  settings_.kind = CurrentKind();
  settings_.pickup.SetSortType(1);
  settings_.pickup.SetSortDir(!newestFirst_);
}

MakeRequest MainDialogPresenter::CurrentRequest() const {
  MakeRequest request;
  request.drawer = entries_.targetBox;
  request.toDesktop = entries_.outputDesktop != 0;
  request.typedPath = outputText_;
  request.openBrowser = entries_.execBrowser != 0;
  return request;
}

void MainDialogPresenter::UpdateControls() {
  TakeOver();
  const MakeRequest request = CurrentRequest();
  const bool drawerChosen = ui().selection(IDC_MAIN_DRAWER) >= 0;
  ui().enable(IDC_MAIN_MAKE, drawerChosen && !OutputPathFor(settings_, request, shell_, files_.separator()).empty());
  ui().enable(IDC_MAIN_OUTPUT, !request.toDesktop);
  ui().enable(IDC_MAIN_BROWSE, !request.toDesktop);
}

void MainDialogPresenter::OnCommand(int control, ControlEvent event) {
  if (control == IDC_MAIN_OUTPUT && event == ControlEvent::TextChanged) {
    if (filling_) return;
    entries_.setOutputPath(CurrentKind(), ui().text(IDC_MAIN_OUTPUT));
    UpdateControls();
    return;
  }
  if (control == IDC_MAIN_DRAWER && event == ControlEvent::SelectionChanged) {
    const int chosen = ui().selection(IDC_MAIN_DRAWER);
    const std::vector<std::string> drawers = ui().items(IDC_MAIN_DRAWER);
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < drawers.size()) entries_.targetBox = drawers[chosen];
    UpdateControls();
    return;
  }
  if (event != ControlEvent::Clicked) return;
  switch (control) {
    case IDC_MAIN_KIND_DIARY:
    case IDC_MAIN_KIND_PET:
    case IDC_MAIN_KIND_EVENT:
      TakeOver();
      Fill();
      UpdateControls();
      break;
    case IDC_MAIN_BROWSE: {
      std::string path;
      if (!windows_.ChooseOutputFile(outputText_, &path)) break;
      entries_.setOutputPath(CurrentKind(), path);
      Fill();
      UpdateControls();
      break;
    }
    case IDC_MAIN_DESKTOP:
      UpdateControls();
      break;
    case IDC_MAIN_HONKI:
      TakeOver();
      if (windows_.RunAdvancedSheet(settings_)) {
        FillDrawers();  // the active receive folder may have changed
        UpdateControls();
      }
      break;
    case IDC_MAIN_MAKE:
      Make();
      break;
    case IDC_MAIN_QUIT:
      UpdateControls();
      TakeOver();
      EndWith(DialogEnd::Ok);
      break;
    case IDC_MAIN_ICON:
      OnAbout();
      break;
    default:
      break;
  }
}

void MainDialogPresenter::Make() {
  TakeOver();  // what taking over finds is not checked again: the make command reports its own failures
  RunMakeCommand(settings_, CurrentRequest(), ui_, shell_, files_);
}

void MainDialogPresenter::OnCloseRequest() {
  if (entries_.exitQuery == 0) {
    EndWith(entries_.exitSaving != 0 ? DialogEnd::Ok : DialogEnd::Cancel);
    return;
  }
  const ExitAnswer answer = windows_.RunExitQuery();
  if (answer.choice == ExitChoice::Stay) return;
  const bool saving = answer.choice == ExitChoice::ExitSaving;
  if (answer.dontAskAgain) {
    // Written at once: the choice holds even when nothing else is saved.
    entries_.exitQuery = 0;
    entries_.exitSaving = saving ? 1 : 0;
    root_.writeInt("ExitQuery", entries_.exitQuery);
    root_.writeInt("ExitSaving", entries_.exitSaving);
  }
  EndWith(saving ? DialogEnd::Ok : DialogEnd::Cancel);
}

bool MainDialogPresenter::SaveEntries() const { return entries_.Save(root_); }

}  // namespace mogura
