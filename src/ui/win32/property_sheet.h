// The thin base of our property sheets and their pages (also the wizard of the setup program).
// A sheet is run modally; its pages are dialogs from templates whose PSN_ notifications are
// routed to virtual operations. Texts are CP932 bytes until they reach the API.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/win32/dialog.h"

namespace mogura::win32 {

class Sheet;

class SheetPage : public Dialog {
 public:
  // The page of template `templateId` with the tab title `title` (CP932).
  SheetPage(int templateId, std::string_view title);

  PROPSHEETPAGEW Descriptor();
  Sheet* sheet() const { return sheet_; }

 protected:
  friend class Sheet;

  // PSN_SETACTIVE: the page is about to be shown.
  virtual void OnSetActive() {}
  // PSN_KILLACTIVE: the page is left or the sheet confirmed. False keeps the user on it.
  virtual bool OnKillActive() { return true; }
  // PSN_APPLY: the sheet was confirmed.
  virtual void OnApply() {}
  // PSM_QUERYSIBLINGS from a sibling page; true when handled (later pages are not asked).
  virtual bool OnQuerySiblings(WPARAM /*wParam*/, LPARAM /*lParam*/) { return false; }

  bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
  HWND SheetWindow() const { return GetParent(hwnd_); }

 private:
  static INT_PTR CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
  std::wstring title_;
  Sheet* sheet_ = nullptr;
};

class Sheet {
 public:
  Sheet() = default;
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;
  virtual ~Sheet() = default;

  // Pages in tab order; they must outlive the run.
  void AddPage(SheetPage& page);
  // Runs the sheet modally without Apply and Help buttons, on its first page, tabs in one row.
  // True when it was confirmed with OK (or Finish).
  bool RunModal(HWND owner, std::string_view caption, DWORD extraFlags = 0);
  HWND hwnd() const { return hwnd_; }

 protected:
  // The sheet window exists with its tab control, buttons and the first page.
  virtual void OnInitialized() {}
  // WM_COMMAND of a control the sheet added itself; true when handled.
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  // Any message of the sheet window; true when handled, `*result` being its value.
  virtual bool OnSheetMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT* /*result*/) {
    return false;
  }

 private:
  friend class SheetPage;
  static int CALLBACK Callback(HWND hwnd, UINT message, LPARAM lParam);
  static LRESULT CALLBACK SheetProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);

  std::vector<SheetPage*> pages_;
  HWND hwnd_ = nullptr;
  bool confirmed_ = false;
};

}  // namespace mogura::win32
