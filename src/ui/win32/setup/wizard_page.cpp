#include "ui/win32/setup/wizard_page.h"

namespace mogura::win32 {

bool WizardSheetPage::OnInit() {
  controls_.emplace(hwnd_);
  presenter_.Attach(*controls_);
  return true;
}

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

void WizardSheetPage::SetButtons(WizardButtons buttons) {
  // Back is never among them.
  const DWORD flags = buttons == WizardButtons::Next     ? PSWIZB_NEXT
                      : buttons == WizardButtons::Finish ? PSWIZB_FINISH
                                                         : 0;
  PropSheet_SetWizButtons(SheetWindow(), flags);
}

std::wstring WizardSheetPage::WideText(int id) const { return WindowText(Item(id)); }

}  // namespace mogura::win32
