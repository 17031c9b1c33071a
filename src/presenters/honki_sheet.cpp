#include "presenters/honki_sheet.h"

namespace mogura {

void HonkiSheetPresenter::LoadFrom(const AppSettings& settings) {
  html.formats = settings.formats;
  divide.SetFrom(settings.divide);
  divide.SetPublishFrom(settings.publish);
  words.SetFrom(settings.words);
  pickup.pickup = settings.pickup;
  pets.folders = settings.petFolders;
}

void HonkiSheetPresenter::StoreTo(AppSettings& settings) const {
  settings.formats = html.formats;
  settings.divide = divide.Values();
  settings.publish = divide.PublishValues();
  settings.words = words.Values();
  settings.pickup = pickup.pickup;
  // A ticked pet name without a name would pick nothing.
  if (settings.pickup.UsePetName() && settings.pickup.PetName1().empty()) settings.pickup.SetUsePetName(false);
  settings.petFolders = pets.folders;
}

}  // namespace mogura
