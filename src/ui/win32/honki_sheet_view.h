// The advanced settings sheet "本気でいぢる" and its five pages as Win32 property pages.
#pragma once

#include "presenters/format_preview.h"
#include "platform/win32/win32_user_interaction.h"
#include "settings/app_settings.h"
#include "presenters/honki_sheet.h"
#include "ui/win32/folder_chooser.h"
#include "ui/win32/presenter_page.h"

namespace mogura::win32 {

class CSetupHonkiSelectHTMLPage : public PresenterPage {
 public:
  explicit CSetupHonkiSelectHTMLPage(SelectHtmlPagePresenter& presenter);
};

class CSetupHonkiDevideHtmlPage : public PresenterPage {
 public:
  explicit CSetupHonkiDevideHtmlPage(DividePagePresenter& presenter);
};

class CSetupHonkiWord : public PresenterPage {
 public:
  explicit CSetupHonkiWord(WordPagePresenter& presenter);
};

class CSetupHonkiPickupPage : public PresenterPage {
 public:
  explicit CSetupHonkiPickupPage(PickupPagePresenter& presenter);
};

class CSetupHonkiSelectPetPage : public PresenterPage {
 public:
  CSetupHonkiSelectPetPage(SelectPetPagePresenter& presenter, Win32FolderChooser& chooser);

 protected:
  bool OnInit() override;

 private:
  Win32FolderChooser& chooser_;
};

class CSetupHonkiSheet : public Sheet {
 public:
  // The format previews of the customization sheet show the mails of `drawer` of the main
  // dialog's `settings` with this sheet's working copies, in `previewFolder`; all borrowed.
  CSetupHonkiSheet(const AppSettings& settings, const std::string& drawer, PreviewFolder& previewFolder);

  void LoadFrom(const AppSettings& settings) { presenter_.LoadFrom(settings); }
  void StoreTo(AppSettings& settings) const { presenter_.StoreTo(settings); }
  // Shows the sheet modally; true when it was confirmed with OK.
  bool DoModal(HWND owner);

 protected:
  void OnInitialized() override;

 private:
  // Opens the customization sheet over this sheet, with its preview.
  class Customizer : public FormatCustomizer {
   public:
    Customizer(CSetupHonkiSheet& sheet, const AppSettings& settings, const std::string& drawer,
               PreviewFolder& previewFolder)
        : sheet_(sheet), settings_(settings), drawer_(drawer), previewFolder_(previewFolder) {}
    bool Customize(HtmlFormat* format) override;

   private:
    CSetupHonkiSheet& sheet_;
    const AppSettings& settings_;
    const std::string& drawer_;
    PreviewFolder& previewFolder_;
  };

  Win32Interaction ui_;
  Win32FolderChooser chooser_;
  Customizer customizer_;
  HonkiSheetPresenter presenter_;
  CSetupHonkiSelectHTMLPage htmlPage_;
  CSetupHonkiDevideHtmlPage dividePage_;
  CSetupHonkiWord wordPage_;
  CSetupHonkiPickupPage pickupPage_;
  CSetupHonkiSelectPetPage petPage_;
};

// Edits `settings` in the advanced sheet owned by `owner`; true, with the pages' values
// stored into `settings`, when the user confirmed it. Format previews show the mails of the
// drawer `drawer` (the main dialog's choice) and are written into `previewFolder`.
bool RunHonkiSheet(HWND owner, AppSettings& settings, const std::string& drawer, PreviewFolder& previewFolder);

}  // namespace mogura::win32
