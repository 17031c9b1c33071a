// Drives our real windows from a second thread of the test process, as a user would: clicks,
// typing, choices, tab switches and answers to message boxes, all by window messages. Every
// wait is a bounded poll.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/date_time.h"

namespace mogura::test {

class GuiDriver {
 public:
  explicit GuiDriver(DWORD uiThread) : uiThread_(uiThread) {}

  // A visible window of the UI thread with the caption `caption` (CP932); nullptr when none
  // appears within `timeoutMs`.
  HWND WaitForWindow(const std::string& caption, int timeoutMs = 10000) const;
  // A message box of ours (caption "もぐらノート"), and one with any caption.
  HWND WaitForMessageBox(int timeoutMs = 10000) const;
  HWND WaitForAnyMessageBox(int timeoutMs = 10000) const;
  // True once `window` is gone.
  bool WaitGone(HWND window, int timeoutMs = 10000) const;
  // The text of a message box, and a press of one of its buttons (IDOK, IDYES, IDNO ...).
  std::string MessageText(HWND box) const;
  void Answer(HWND box, int button) const;
  // The button ids of a message box, and the one that is the default.
  std::vector<int> MessageButtons(HWND box) const;
  int DefaultButton(HWND box) const;

  // Sends a message; returns when it was handled, or after `timeoutMs` when its handler is
  // still busy (inside a modal window it opened). `*handled` tells which.
  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int timeoutMs = 500,
               bool* handled = nullptr) const;

  // A click that returns once it has been handled (or after half a second).
  void Click(HWND dialog, int id) const;
  // A click whose handler opens a modal window: returns at once.
  void ClickToOpen(HWND dialog, int id) const;
  void Type(HWND dialog, int id, const std::string& text) const;
  void Choose(HWND dialog, int id, int index) const;  // a drop-down list or a list box
  void DoubleClick(HWND dialog, int id, int index) const;
  void SetDate(HWND dialog, int id, const DateTime& date, bool ticked) const;

  // The text of the control `id` of `dialog` (of `dialog` itself for id 0).
  std::string Text(HWND dialog, int id) const;
  bool Checked(HWND dialog, int id) const;
  bool Enabled(HWND dialog, int id) const;
  bool Visible(HWND dialog, int id) const;
  std::vector<std::string> Items(HWND dialog, int id) const;
  int Selection(HWND dialog, int id) const;

  // Property sheets.
  HWND CurrentPage(HWND sheet) const;
  int CurrentPageIndex(HWND sheet) const;
  void SelectPage(HWND sheet, int index) const;
  void PressOk(HWND sheet) const;
  void PressCancel(HWND sheet) const;
  std::vector<std::string> TabTitles(HWND sheet) const;

  // Writes what the screen shows of `window` as a PNG file.
  bool Screenshot(HWND window, const std::string& path) const;
  // The controls of `dialog` whose text does not fit into them, as "id text (needs WxH, has
  // WxH)": every control that shows a text of its own (labels, notes, link lines, check
  // boxes, radio buttons, group boxes, push buttons) is measured as it lays its text out.
  std::vector<std::string> ClippedTexts(HWND dialog) const;

  DWORD uiThread() const { return uiThread_; }

 private:
  DWORD uiThread_;
};

// Runs `show` (which opens a modal window and returns when it has closed) on this thread and
// `drive` on a second one. Whatever `drive` leaves open is cancelled afterwards, so a failed
// expectation never leaves the test hanging.
void RunDriven(const std::function<void()>& show, const std::function<void(GuiDriver&)>& drive);

// The folder the screenshots go to (MOGURA_SCREENSHOT_DIR); empty when none is asked for.
std::string ScreenshotFolder();

// The file the shell's "open" of a page writes the page's path into, once RecordPageOpens
// has run: a line for each page opened.
inline constexpr const wchar_t* kOpenedPagesLog = L"C:\\mogura-test-opened.txt";
// Makes the shell's "open" of a page (.htm) append its path to kOpenedPagesLog instead of
// starting a browser. The prefix is the test's own: the machine-wide association is changed
// too.
void RecordPageOpens();

}  // namespace mogura::test
