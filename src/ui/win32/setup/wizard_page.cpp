#include "ui/win32/setup/wizard_page.h"

namespace mogura::win32 {

bool WizardSheetPage::OnNotify(int id, NMHDR* header, LRESULT* result) {
  switch (header->code) {
    case PSN_WIZNEXT:
      *result = OnWizardNext();
      return true;
    case PSN_WIZBACK:
      *result = kStay;  // there is no way back
      return true;
    case PSN_WIZFINISH:
      *result = OnWizardFinish() ? FALSE : TRUE;
      return true;
    default:
      return SheetPage::OnNotify(id, header, result);
  }
}

}  // namespace mogura::win32
