// The advanced settings sheet "本気でいぢる": five pages over copies of five sections of the
// settings. Nothing reaches the settings unless the sheet is confirmed and StoreTo runs.
#pragma once

#include "platform/folder_chooser.h"
#include "platform/user_interaction.h"
#include "settings/app_settings.h"
#include "presenters/divide_page.h"
#include "presenters/pickup_page.h"
#include "presenters/select_html_page.h"
#include "presenters/select_pet_page.h"
#include "presenters/word_page.h"

namespace mogura {

class HonkiSheetPresenter {
 public:
  HonkiSheetPresenter(UserInteraction& ui, FormatCustomizer& customizer, FolderChooser& chooser)
      : html(ui, customizer), divide(ui), pickup(ui), pets(chooser) {}

  // Before the sheet is shown: every page takes its copy.
  void LoadFrom(const AppSettings& settings);
  // After the sheet was confirmed: the pages' values go back into `settings`.
  void StoreTo(AppSettings& settings) const;

  // The pages in tab order.
  SelectHtmlPagePresenter html;
  DividePagePresenter divide;
  WordPagePresenter words;
  PickupPagePresenter pickup;
  SelectPetPagePresenter pets;
};

}  // namespace mogura
