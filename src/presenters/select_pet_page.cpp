#include "presenters/select_pet_page.h"

#include "base/string_table.h"
#include "presenters/sheet_ids.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_PET_NOTE, IDS_PET_NOTE}, {IDC_PET_FOLDER_LABEL, IDS_PET_FOLDER_LABEL},
    {IDC_PET_FOLDER_NOTE, IDS_PET_FOLDER_NOTE}, {IDC_PET_ADD, IDS_PET_ADD},
    {IDC_PET_REMOVE, IDS_PET_REMOVE},
};

}  // namespace

std::span<const ControlText> SelectPetPagePresenter::FixedTexts() const { return kTexts; }

void SelectPetPagePresenter::Refill() {
  ui().setItems(IDC_PET_FOLDER_CHOICE, folders.Folders());
  ui().select(IDC_PET_FOLDER_CHOICE, folders.ActiveIndex());
  ui().enable(IDC_PET_REMOVE, folders.Count() > 1);
}

void SelectPetPagePresenter::OnCommand(int control, ControlEvent event) {
  if (control == IDC_PET_FOLDER_CHOICE && event == ControlEvent::SelectionChanged) {
    const int chosen = ui().selection(IDC_PET_FOLDER_CHOICE);
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < folders.Count())
      folders.SelectFolder(folders.Folders()[static_cast<std::size_t>(chosen)]);
    Refill();
  } else if (control == IDC_PET_ADD && event == ControlEvent::Clicked) {
    RegisterFolder();
  } else if (control == IDC_PET_REMOVE && event == ControlEvent::Clicked) {
    RemoveChosen();
  }
}

void SelectPetPagePresenter::RegisterFolder() {
  std::string folder;
  if (!chooser_.choose(std::string(LoadText(IDS_PET_CHOOSE_TITLE)), folders.ActiveFolder(), &folder)) return;
  folders.AddFolder(folder);  // an already registered folder is ignored
  Refill();
}

void SelectPetPagePresenter::RemoveChosen() {
  const int chosen = ui().selection(IDC_PET_FOLDER_CHOICE);
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= folders.Count()) return;
  // A copy: the list entry goes away with the removal.
  const std::string path = folders.Folders()[static_cast<std::size_t>(chosen)];
  folders.RemoveFolder(path);
  Refill();
}

}  // namespace mogura
