// "クルミの切り替え": the registered receive folders and the active one.
#pragma once

#include "presenters/dialog_presenter.h"
#include "platform/folder_chooser.h"
#include "settings/pet_folder_list.h"

namespace mogura {

class SelectPetPagePresenter : public DialogPresenter {
 public:
  explicit SelectPetPagePresenter(FolderChooser& chooser) : chooser_(chooser) {}

  // The working copy; every change of the page goes into it at once.
  PetFolderList folders;

  void OnCommand(int control, ControlEvent event) override;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override { Refill(); }

 private:
  void Refill();
  void RegisterFolder();
  void RemoveChosen();

  FolderChooser& chooser_;
};

}  // namespace mogura
