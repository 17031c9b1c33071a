// A page of the installation wizard whose logic is a presenter: attached to the page's
// controls while the page exists, with Next, Back and Finish routed to virtual operations, and
// the wizard's buttons.
#pragma once

#include <optional>
#include <string>

#include "presenters/dialog_presenter.h"
#include "setup/wizard_pages.h"
#include "ui/win32/property_sheet.h"
#include "ui/win32/win32_dialog_controls.h"

namespace mogura::win32 {

class WizardSheetPage : public SheetPage {
 public:
  WizardSheetPage(DialogPresenter& presenter, int templateId, std::string_view title)
      : SheetPage(templateId, title), presenter_(presenter) {}

 protected:
  // What Next does: kStay, kNextPage, or the template id of the page to go to.
  static constexpr LRESULT kStay = -1;
  static constexpr LRESULT kNextPage = 0;
  virtual LRESULT OnWizardNext() { return kNextPage; }
  // Finish was pressed; false keeps the wizard open.
  virtual bool OnWizardFinish() { return true; }

  bool OnInit() override;
  void OnDestroy() override { presenter_.Detach(); }
  bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
  void SetButtons(WizardButtons buttons);
  // The text of a control as the system holds it, before any conversion.
  std::wstring WideText(int id) const;

 private:
  DialogPresenter& presenter_;
  std::optional<Win32DialogControls> controls_;
};

}  // namespace mogura::win32
