#include "ui/win32/dialog.h"

#include <commctrl.h>

namespace mogura::win32 {

INT_PTR Dialog::RunModal(HWND owner, int templateId) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, &Dialog::Procedure,
                         reinterpret_cast<LPARAM>(this));
}

void Dialog::Bind(HWND hwnd, Dialog* dialog) {
  dialog->hwnd_ = hwnd;
  SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
}

Dialog* Dialog::Bound(HWND hwnd) { return reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER)); }

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) Bind(hwnd, reinterpret_cast<Dialog*>(lParam));
  Dialog* dialog = Bound(hwnd);
  return dialog ? dialog->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
      if (id == IDOK) OnOK();
      else if (id == IDCANCEL) OnCancel();
      else return FALSE;
      return TRUE;
    }
    case WM_NOTIFY: {
      LRESULT result = 0;
      NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
      if (!OnNotify(static_cast<int>(header->idFrom), header, &result)) return FALSE;
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default: {
      INT_PTR result = FALSE;
      return OnMessage(message, wParam, lParam, &result) ? result : FALSE;
    }
  }
}

void InitDialogControls() {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_UPDOWN_CLASS |
                                                   ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_LINK_CLASS};
  InitCommonControlsEx(&classes);
}

}  // namespace mogura::win32
