// "抽出条件": the date range and the pet's name that pick the mails of a drawer.
#pragma once

#include <string>

#include "presenters/dialog_presenter.h"
#include "platform/user_interaction.h"
#include "settings/pickup_settings.h"

namespace mogura {

class PickupPagePresenter : public DialogPresenter {
 public:
  static constexpr std::size_t kMaxPetNameCharacters = 256;

  explicit PickupPagePresenter(UserInteraction& ui) : ui_(ui) {}

  // The working copy; the page's pet-name box and text are its UsePetName and PetName1.
  PickupSettings pickup;

  void OnCommand(int control, ControlEvent event) override;
  bool OnLeave() override;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  void ApplyEnabling();

  UserInteraction& ui_;
};

}  // namespace mogura
