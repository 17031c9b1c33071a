#include "ui/win32/presenter_page.h"

#include "base/string_table.h"
#include "ui/win32/control_events.h"

namespace mogura::win32 {

PresenterPage::PresenterPage(DialogPresenter& presenter, int templateId, int titleId)
    : SheetPage(templateId, LoadText(titleId)), presenter_(presenter) {}

bool PresenterPage::OnInit() {
  controls_.emplace(hwnd_);
  presenter_.Attach(*controls_);
  return true;
}

bool PresenterPage::OnCommand(int id, int code, HWND control) {
  ControlEvent event;
  if (!control || !EventOf(control, code, &event)) return false;
  presenter_.OnCommand(id, event);
  return true;
}

bool PresenterPage::OnNotify(int id, NMHDR* header, LRESULT* result) {
  if (ForwardLinkClick(presenter_, id, header)) return true;
  return SheetPage::OnNotify(id, header, result);
}

bool PresenterPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  if (message == WM_PAINT && !lines_.empty()) {
    PaintEtchedLines(hwnd_, lines_);
    *result = TRUE;
    return true;
  }
  return SheetPage::OnMessage(message, wParam, lParam, result);
}

void PresenterPage::OnDestroy() {
  presenter_.Detach();
  controls_.reset();
}

}  // namespace mogura::win32
