#include "ui/win32/presenter_page.h"

#include "base/string_table.h"
#include "ui/win32/dpi.h"

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

bool PresenterPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  if (message == WM_PAINT && !lines_.empty()) {
    PaintLines();
    *result = TRUE;
    return true;
  }
  return SheetPage::OnMessage(message, wParam, lParam, result);
}

void PresenterPage::PaintLines() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client;
  GetClientRect(hwnd_, &client);
  const int inset = Scale(hwnd_, 5);
  for (const EtchedLine& line : lines_) {
    RECT anchor;
    GetWindowRect(Item(line.anchor), &anchor);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&anchor), 2);
    DrawEtchedLine(dc, client.left + inset, client.right - inset, anchor.bottom + Scale(hwnd_, line.gap));
  }
  EndPaint(hwnd_, &paint);
}

void PresenterPage::OnDestroy() {
  presenter_.Detach();
  controls_.reset();
}

}  // namespace mogura::win32
