#include "ui/win32/win32_dialog_controls.h"

#include <commctrl.h>

#include "platform/win32/wide.h"
#include "ui/win32/control_events.h"

namespace mogura::win32 {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

namespace {

SYSTEMTIME ToSystemTime(const DateTime& date) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year());
  time.wMonth = static_cast<WORD>(date.month());
  time.wDay = static_cast<WORD>(date.day());
  time.wDayOfWeek = static_cast<WORD>(date.dayOfWeek() - 1);
  time.wHour = static_cast<WORD>(date.hour());
  time.wMinute = static_cast<WORD>(date.minute());
  time.wSecond = static_cast<WORD>(date.second());
  return time;
}

}  // namespace

std::string Win32DialogControls::text(int id) const { return FromWide(WindowText(Item(id))); }

void Win32DialogControls::setText(int id, std::string_view text) { SetWindowTextW(Item(id), ToWide(text).c_str()); }

bool Win32DialogControls::checked(int id) const { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }

void Win32DialogControls::setChecked(int id, bool on) { CheckDlgButton(dialog_, id, on ? BST_CHECKED : BST_UNCHECKED); }

bool Win32DialogControls::enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }

void Win32DialogControls::enable(int id, bool on) { EnableWindow(Item(id), on ? TRUE : FALSE); }

void Win32DialogControls::show(int id, bool on) { ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE); }

void Win32DialogControls::focus(int id) {
  HWND control = Item(id);
  SetFocus(control);
  if (ClassOf(control) == ControlClass::Edit) SendMessageW(control, EM_SETSEL, 0, -1);
}

void Win32DialogControls::setItems(int id, const std::vector<std::string>& items) {
  HWND control = Item(id);
  const bool combo = ClassOf(control) == ControlClass::ComboBox;
  SendMessageW(control, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    const std::wstring wide = ToWide(item);
    SendMessageW(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

std::vector<std::string> Win32DialogControls::items(int id) const {
  HWND control = Item(id);
  const bool combo = ClassOf(control) == ControlClass::ComboBox;
  std::vector<std::string> out;
  const LRESULT count = SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0) continue;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    out.push_back(FromWide(text));
  }
  return out;
}

int Win32DialogControls::selection(int id) const {
  HWND control = Item(id);
  const bool combo = ClassOf(control) == ControlClass::ComboBox;
  const LRESULT chosen = SendMessageW(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
  return chosen < 0 ? -1 : static_cast<int>(chosen);
}

void Win32DialogControls::select(int id, int index) {
  HWND control = Item(id);
  const bool combo = ClassOf(control) == ControlClass::ComboBox;
  SendMessageW(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32DialogControls::setRange(int id, int low, int high) { SendMessageW(Item(id), UDM_SETRANGE32, low, high); }

void Win32DialogControls::limitText(int id, int characters) {
  SendMessageW(Item(id), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

DateField Win32DialogControls::date(int id) const {
  SYSTEMTIME time{};
  const LRESULT state = SendMessageW(Item(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  DateField field;
  field.date = DateTime::Make(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
  field.ticked = state == GDT_VALID;
  return field;
}

void Win32DialogControls::setDate(int id, const DateField& field) {
  HWND picker = Item(id);
  SYSTEMTIME time{};
  if (field.date.valid()) {
    time = ToSystemTime(field.date);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  }
  // Unticked, the picker keeps showing the date it was given. (Wine refuses GDT_NONE without
  // a time to point at, although Windows ignores it.)
  if (!field.ticked) SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&time));
}

}  // namespace mogura::win32
