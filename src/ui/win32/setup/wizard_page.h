// A page of the installation wizard: Next, Back and Finish routed to virtual operations, and
// the wizard's buttons.
#pragma once

#include "ui/win32/property_sheet.h"

namespace mogura::win32 {

class WizardSheetPage : public SheetPage {
 public:
  using SheetPage::SheetPage;

 protected:
  // What Next does: kStay, kNextPage, or the template id of the page to go to.
  static constexpr LRESULT kStay = -1;
  static constexpr LRESULT kNextPage = 0;
  virtual LRESULT OnWizardNext() { return kNextPage; }
  // Finish was pressed; false keeps the wizard open.
  virtual bool OnWizardFinish() { return true; }

  bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
  // PSWIZB_NEXT, PSWIZB_FINISH or none; Back is never among them.
  void SetButtons(DWORD buttons) { PropSheet_SetWizButtons(SheetWindow(), buttons); }
};

}  // namespace mogura::win32
