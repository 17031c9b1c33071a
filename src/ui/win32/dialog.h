// The thin base of our Win32 dialogs: a modal dialog from a template whose procedure is
// routed to a few virtual operations. No framework: the rest is plain Win32.
#pragma once

#include <windows.h>

namespace mogura::win32 {

class Dialog {
 public:
  Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog() = default;

  HWND hwnd() const { return hwnd_; }
  // Runs the dialog of the template `templateId` modally: the value given to End, or -1
  // when the dialog could not be created.
  INT_PTR RunModal(HWND owner, int templateId);

 protected:
  // WM_INITDIALOG. True lets the system put the focus on the first control.
  virtual bool OnInit() { return true; }
  // WM_COMMAND; true when handled. Unhandled IDOK and IDCANCEL go to OnOK and OnCancel.
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  // WM_NOTIFY; true when handled, `*result` being the answer to the notification.
  virtual bool OnNotify(int /*id*/, NMHDR* /*header*/, LRESULT* /*result*/) { return false; }
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  // Any other message; true when handled, `*result` being the dialog procedure's value.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR* /*result*/) { return false; }
  // The window is being destroyed.
  virtual void OnDestroy() {}

  void End(INT_PTR result) { EndDialog(hwnd_, result); }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  // One message for this dialog, once its window is known.
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // Stores the object with its window (done by the dialog procedures at WM_INITDIALOG).
  static void Bind(HWND hwnd, Dialog* dialog);
  static Dialog* Bound(HWND hwnd);

  HWND hwnd_ = nullptr;

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// Registers the common control classes our dialog templates use; call once before the first.
void InitDialogControls();

}  // namespace mogura::win32
