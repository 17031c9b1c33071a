// A property page whose logic is a presenter: the controls come from the page's template,
// their events go to the presenter, and the presenter shows its state in them.
#pragma once

#include <optional>
#include <vector>

#include "presenters/dialog_presenter.h"
#include "ui/win32/etched_lines.h"
#include "ui/win32/property_sheet.h"
#include "ui/win32/win32_dialog_controls.h"

namespace mogura::win32 {

class PresenterPage : public SheetPage {
 public:
  PresenterPage(DialogPresenter& presenter, int templateId, int titleId);

 protected:
  // A thin etched line across the page, 5 pixels in from each side, `gap` pixels (at 96
  // DPI) below the bottom of the control `anchor`.
  void AddEtchedLine(int anchor, int gap) { lines_.push_back({anchor, gap}); }

  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
  bool OnKillActive() override { return presenter_.OnLeave(); }
  bool OnQuerySiblings(WPARAM wParam, LPARAM) override { return presenter_.OnQuerySiblings(static_cast<int>(wParam)); }
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
  void OnDestroy() override;

  DialogPresenter& presenter_;

 private:
  std::optional<Win32DialogControls> controls_;
  std::vector<EtchedLine> lines_;
};

}  // namespace mogura::win32
