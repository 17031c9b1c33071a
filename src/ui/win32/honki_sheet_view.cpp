#include "ui/win32/honki_sheet_view.h"

#include "base/string_table.h"
#include "presenters/sheet_ids.h"
#include "ui/win32/html_sheet_view.h"

namespace mogura::win32 {

CSetupHonkiSelectHTMLPage::CSetupHonkiSelectHTMLPage(SelectHtmlPagePresenter& presenter)
    : PresenterPage(presenter, IDD_HONKI_HTML, IDS_HONKI_PAGE_HTML) {
  AddEtchedLine(IDC_HTML_USE_LABEL, 20);
}

CSetupHonkiDevideHtmlPage::CSetupHonkiDevideHtmlPage(DividePagePresenter& presenter)
    : PresenterPage(presenter, IDD_HONKI_DIVIDE, IDS_HONKI_PAGE_DIVIDE) {
  AddEtchedLine(IDC_DIVIDE_VALID, 5);
}

CSetupHonkiWord::CSetupHonkiWord(WordPagePresenter& presenter)
    : PresenterPage(presenter, IDD_HONKI_WORD, IDS_HONKI_PAGE_WORD) {}

CSetupHonkiPickupPage::CSetupHonkiPickupPage(PickupPagePresenter& presenter)
    : PresenterPage(presenter, IDD_HONKI_PICKUP, IDS_HONKI_PAGE_PICKUP) {}

CSetupHonkiSelectPetPage::CSetupHonkiSelectPetPage(SelectPetPagePresenter& presenter, Win32FolderChooser& chooser)
    : PresenterPage(presenter, IDD_HONKI_PET, IDS_HONKI_PAGE_PET), chooser_(chooser) {}

bool CSetupHonkiSelectPetPage::OnInit() {
  chooser_.setOwner(hwnd_);  // the folder browser belongs to this page
  // Long folder paths are shown whole in the open list.
  SendDlgItemMessageW(hwnd_, IDC_PET_FOLDER_CHOICE, CB_SETDROPPEDWIDTH, 0, 0);
  return PresenterPage::OnInit();
}

CSetupHonkiSheet::CSetupHonkiSheet(const AppSettings& settings, const std::string& drawer,
                                   PreviewFolder& previewFolder)
    : customizer_(*this, settings, drawer, previewFolder),
      presenter_(ui_, customizer_, chooser_),
      htmlPage_(presenter_.html),
      dividePage_(presenter_.divide),
      wordPage_(presenter_.words),
      pickupPage_(presenter_.pickup),
      petPage_(presenter_.pets, chooser_) {
  AddPage(htmlPage_);
  AddPage(dividePage_);
  AddPage(wordPage_);
  AddPage(pickupPage_);
  AddPage(petPage_);
}

bool CSetupHonkiSheet::DoModal(HWND owner) { return RunModal(owner, LoadText(IDS_HONKI_CAPTION)); }

void CSetupHonkiSheet::OnInitialized() { ui_.setOwner(hwnd()); }

bool CSetupHonkiSheet::Customizer::Customize(HtmlFormat* format) {
  CSetupHTMLSheet sheet;
  FormatPreview preview(settings_, drawer_, sheet_.presenter_, previewFolder_, sheet.interaction(), HostShell(),
                        HostFileSystem());
  sheet.SetPreviewer(&preview);
  sheet.SetFormat(*format);
  if (!sheet.DoModal(sheet_.hwnd())) return false;
  *format = sheet.GetFormat();
  return true;
}

bool RunHonkiSheet(HWND owner, AppSettings& settings, const std::string& drawer, PreviewFolder& previewFolder) {
  CSetupHonkiSheet sheet(settings, drawer, previewFolder);
  sheet.LoadFrom(settings);
  if (!sheet.DoModal(owner)) return false;
  sheet.StoreTo(settings);
  return true;
}

}  // namespace mogura::win32
