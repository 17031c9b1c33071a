#include "ui/win32/control_events.h"

#include <commctrl.h>
#include <wchar.h>

namespace mogura::win32 {

ControlClass ClassOf(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  if (_wcsicmp(name, L"Button") == 0) return ControlClass::Button;
  if (_wcsicmp(name, L"ComboBox") == 0) return ControlClass::ComboBox;
  if (_wcsicmp(name, L"ListBox") == 0) return ControlClass::ListBox;
  if (_wcsicmp(name, L"Edit") == 0) return ControlClass::Edit;
  if (_wcsicmp(name, L"Static") == 0) return ControlClass::Static;
  return ControlClass::Other;
}

bool EventOf(HWND control, int code, ControlEvent* event) {
  switch (ClassOf(control)) {
    case ControlClass::Button:
      if (code != BN_CLICKED) return false;
      *event = ControlEvent::Clicked;
      return true;
    case ControlClass::ComboBox:
      if (code != CBN_SELCHANGE) return false;
      *event = ControlEvent::SelectionChanged;
      return true;
    case ControlClass::ListBox:
      if (code != LBN_SELCHANGE && code != LBN_DBLCLK) return false;
      *event = code == LBN_DBLCLK ? ControlEvent::DoubleClicked : ControlEvent::SelectionChanged;
      return true;
    case ControlClass::Edit:
      if (code != EN_CHANGE) return false;
      *event = ControlEvent::TextChanged;
      return true;
    case ControlClass::Static:  // a picture with SS_NOTIFY
      if (code != STN_CLICKED) return false;
      *event = ControlEvent::Clicked;
      return true;
    default:
      return false;
  }
}

bool ForwardLinkClick(DialogPresenter& presenter, int id, const NMHDR* header) {
  wchar_t name[16] = {};
  GetClassNameW(header->hwndFrom, name, 16);
  if (_wcsicmp(name, WC_LINK) != 0 || (header->code != NM_CLICK && header->code != NM_RETURN)) return false;
  presenter.OnCommand(id, ControlEvent::Clicked);
  return true;
}

}  // namespace mogura::win32
