#include "gui_driver.h"

#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "base/string_table.h"
#include "platform/win32/wide.h"
#include "png_writer.h"
#include "support/poll.h"
#include "ui/win32/control_events.h"
#include "ui/win32/win32_dialog_controls.h"

namespace mogura::test {
namespace {

using win32::FromWide;
using win32::ToWide;
using Clock = std::chrono::steady_clock;

std::wstring Caption(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

struct Search {
  std::wstring caption;
  bool messageBox = false;
  HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || Caption(window) != search->caption) return TRUE;
  // A message box holds its text in the static 0xFFFF.
  if (search->messageBox && !GetDlgItem(window, 0xFFFF)) return TRUE;
  search->found = window;
  return FALSE;
}

win32::Win32DialogControls Controls(HWND dialog) { return win32::Win32DialogControls(dialog); }

}  // namespace

HWND GuiDriver::WaitForWindow(const std::string& caption, int timeoutMs) const {
  return Poll(timeoutMs, [&]() -> HWND {
    Search search{ToWide(caption)};
    EnumThreadWindows(uiThread_, &Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
  });
}

HWND GuiDriver::WaitForAnyMessageBox(int timeoutMs) const {
  return Poll(timeoutMs, [&]() -> HWND {
    HWND found = nullptr;
    EnumThreadWindows(uiThread_, [](HWND window, LPARAM data) -> BOOL {
      if (!IsWindowVisible(window) || !GetDlgItem(window, 0xFFFF)) return TRUE;
      *reinterpret_cast<HWND*>(data) = window;
      return FALSE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
  });
}

HWND GuiDriver::WaitForMessageBox(int timeoutMs) const {
  return Poll(timeoutMs, [&]() -> HWND {
    Search search{ToWide(LoadText(IDS_APP_TITLE)), true};
    EnumThreadWindows(uiThread_, &Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
  });
}

bool GuiDriver::WaitGone(HWND window, int timeoutMs) const {
  return Poll(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

std::string GuiDriver::MessageText(HWND box) const { return Text(box, 0xFFFF); }

void GuiDriver::Answer(HWND box, int button) const { Click(box, button); }

std::vector<int> GuiDriver::MessageButtons(HWND box) const {
  std::vector<int> ids;
  for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
    HWND button = GetDlgItem(box, id);
    if (button && IsWindowVisible(button)) ids.push_back(id);
  }
  return ids;
}

int GuiDriver::DefaultButton(HWND box) const {
  // Wine leaves DM_GETDEFID at IDOK; the default button carries BS_DEFPUSHBUTTON.
  for (int id : MessageButtons(box)) {
    if ((GetWindowLongW(GetDlgItem(box, id), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return id;
  }
  return 0;
}

LRESULT GuiDriver::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int timeoutMs, bool* handled) const {
  DWORD_PTR result = 0;
  const LRESULT ok = SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, static_cast<UINT>(timeoutMs), &result);
  if (handled) *handled = ok != 0;
  return static_cast<LRESULT>(result);
}

void GuiDriver::Click(HWND dialog, int id) const { Send(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void GuiDriver::ClickToOpen(HWND dialog, int id) const { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void GuiDriver::Type(HWND dialog, int id, const std::string& text) const {
  const std::wstring wide = ToWide(text);
  Send(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void GuiDriver::Choose(HWND dialog, int id, int index) const {
  HWND control = GetDlgItem(dialog, id);
  const bool combo = win32::ClassOf(control) == win32::ControlClass::ComboBox;
  Send(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  Send(GetParent(control), WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
       reinterpret_cast<LPARAM>(control));
}

void GuiDriver::DoubleClick(HWND dialog, int id, int index) const {
  HWND control = GetDlgItem(dialog, id);
  Send(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  Send(GetParent(control), WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), reinterpret_cast<LPARAM>(control));
}

void GuiDriver::SetDate(HWND dialog, int id, const DateTime& date, bool ticked) const {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year());
  time.wMonth = static_cast<WORD>(date.month());
  time.wDay = static_cast<WORD>(date.day());
  time.wDayOfWeek = static_cast<WORD>(date.dayOfWeek() - 1);
  HWND picker = GetDlgItem(dialog, id);
  Send(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  if (!ticked) Send(picker, DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&time));
}

std::string GuiDriver::Text(HWND dialog, int id) const {
  // WM_GETTEXT rather than GetWindowText, which reads another process's controls wrongly.
  HWND control = id ? GetDlgItem(dialog, id) : dialog;
  const int length = static_cast<int>(Send(control, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(Send(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return FromWide(text);
}
bool GuiDriver::Checked(HWND dialog, int id) const { return Controls(dialog).checked(id); }
bool GuiDriver::Enabled(HWND dialog, int id) const { return Controls(dialog).enabled(id); }
bool GuiDriver::Visible(HWND dialog, int id) const { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
std::vector<std::string> GuiDriver::Items(HWND dialog, int id) const { return Controls(dialog).items(id); }
int GuiDriver::Selection(HWND dialog, int id) const { return Controls(dialog).selection(id); }

HWND GuiDriver::CurrentPage(HWND sheet) const {
  return reinterpret_cast<HWND>(Send(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int GuiDriver::CurrentPageIndex(HWND sheet) const {
  return static_cast<int>(Send(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(CurrentPage(sheet)), 0));
}

void GuiDriver::SelectPage(HWND sheet, int index) const { Send(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0); }
// A sheet ends its modal loop at the next message it receives after the button.
void GuiDriver::PressOk(HWND sheet) const {
  Send(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  PostMessageW(sheet, WM_NULL, 0, 0);
}

void GuiDriver::PressCancel(HWND sheet) const {
  Send(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  PostMessageW(sheet, WM_NULL, 0, 0);
}

std::vector<std::string> GuiDriver::TabTitles(HWND sheet) const {
  HWND tab = reinterpret_cast<HWND>(Send(sheet, PSM_GETTABCONTROL, 0, 0));
  std::vector<std::string> titles;
  const int count = static_cast<int>(Send(tab, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 256;
    Send(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    titles.push_back(FromWide(text));
  }
  return titles;
}

namespace {

// What the screen shows of `window`, as RGB rows.
std::vector<std::uint8_t> CaptureScreen(HWND window, int* width, int* height) {
  RECT r;
  GetWindowRect(window, &r);
  *width = r.right - r.left;
  *height = r.bottom - r.top;
  std::vector<std::uint8_t> rgb;
  if (*width <= 0 || *height <= 0) return rgb;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = *width;
  info.bmiHeader.biHeight = -*height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, *width, *height, screen, r.left, r.top, SRCCOPY);
  const std::size_t pixels = static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height);
  rgb.resize(pixels * 3);
  const auto* bgra = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; i < pixels; ++i) {
    rgb[i * 3] = bgra[i * 4 + 2];
    rgb[i * 3 + 1] = bgra[i * 4 + 1];
    rgb[i * 3 + 2] = bgra[i * 4];
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return rgb;
}

}  // namespace

bool GuiDriver::Screenshot(HWND window, const std::string& path) const {
  // Painted windows reach the screen a moment later: take pictures until two in a row agree.
  Send(window, WM_NULL, 0, 0, 2000);
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb = CaptureScreen(window, &width, &height);
  Poll(3000, [&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    std::vector<std::uint8_t> now = CaptureScreen(window, &width, &height);
    const bool stable = now == rgb;
    rgb = std::move(now);
    return stable;
  });
  if (rgb.empty()) return false;
  const std::string png = EncodePng(width, height, rgb);
  HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr) && written == png.size();
  CloseHandle(file);
  return ok;
}

namespace {

// How a control lays out its text: the width and height it has for it, and the DrawText
// flags it draws with.
struct TextLayout {
  int width = 0;
  int height = 0;
  UINT format = 0;
};

// The layout of the text of `control`, or false for a control that shows no text of its own
// (an edit, a list, a picture, an owner-drawn button, a dialog of a property page).
bool LayoutOf(HWND control, HDC dc, TextLayout* layout) {
  RECT client;
  GetClientRect(control, &client);
  layout->width = client.right;
  layout->height = client.bottom;
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  if (lstrcmpiW(name, WC_LINK) == 0) {  // a link line wraps like a label
    layout->format = DT_WORDBREAK | DT_NOPREFIX;
    return true;
  }
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  switch (win32::ClassOf(control)) {
    case win32::ControlClass::Static:
      switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT: layout->format = DT_WORDBREAK | DT_EXPANDTABS; break;
        case SS_LEFTNOWORDWRAP: layout->format = DT_SINGLELINE | DT_EXPANDTABS; break;
        case SS_SIMPLE: layout->format = DT_SINGLELINE; break;
        default: return false;  // icons, bitmaps, frames and etched lines
      }
      if (style & SS_NOPREFIX) layout->format |= DT_NOPREFIX;
      return true;
    case win32::ControlClass::Button: {
      layout->format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
      switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
          layout->width -= 6;  // frame and focus rectangle on both sides
          layout->height -= 4;
          return true;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
          layout->width -= GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box and the gap after it
          return true;
        case BS_GROUPBOX:
          // The caption sits in the top frame line, indented from both corners.
          layout->width -= 2 * MulDiv(8, dpi, 96);
          layout->format = DT_SINGLELINE;
          return true;
        default: return false;  // owner-drawn and user buttons
      }
    }
    default: return false;
  }
}

// A link line's text as shown: without its <a> and </a> tags.
std::wstring WithoutTags(const std::wstring& text) {
  std::wstring shown;
  bool inTag = false;
  for (wchar_t c : text) {
    if (c == L'<') inTag = true;
    if (!inTag) shown += c;
    if (c == L'>') inTag = false;
  }
  return shown;
}

}  // namespace

std::vector<std::string> GuiDriver::ClippedTexts(HWND dialog) const {
  std::vector<std::string> clipped;
  HDC dc = GetDC(nullptr);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    TextLayout layout;
    if (!LayoutOf(child, dc, &layout)) continue;
    std::wstring text = Caption(child);
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (lstrcmpiW(name, WC_LINK) == 0) text = WithoutTags(text);
    if (text.empty()) continue;
    // Another process's font handle means nothing here: measure with the dialog font then.
    HFONT font = reinterpret_cast<HFONT>(Send(child, WM_GETFONT, 0, 0));
    HFONT own = nullptr;
    if (GetObjectType(font) != OBJ_FONT) {
      own = CreateFontW(-MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg 2");
      font = own;
    }
    HGDIOBJ old = SelectObject(dc, font);
    RECT need{0, 0, layout.width, 0};
    DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | layout.format);
    // Too wide: a line (or a word that cannot be broken) runs past the right edge. Too tall:
    // the lines run past the bottom edge, or a single line is higher than the control.
    const bool tooWide = need.right > layout.width;
    const bool tooTall = need.bottom > layout.height;
    if (tooWide || tooTall) {
      clipped.push_back(std::to_string(GetDlgCtrlID(child)) + " " + FromWide(text) + " (needs " +
                        std::to_string(need.right) + "x" + std::to_string(need.bottom) + ", has " +
                        std::to_string(layout.width) + "x" + std::to_string(layout.height) + ")");
    }
    SelectObject(dc, old);
    if (own) DeleteObject(own);
  }
  ReleaseDC(nullptr, dc);
  return clipped;
}

void RunDriven(const std::function<void()>& show, const std::function<void(GuiDriver&)>& drive) {
  GuiDriver driver(GetCurrentThreadId());
  std::atomic<bool> finished = false;
  std::thread second([&] {
    drive(driver);
    // Close whatever is still open: message boxes first, then the windows under them.
    const auto end = Clock::now() + std::chrono::seconds(20);
    while (!finished && Clock::now() < end) {
      if (HWND box = driver.WaitForMessageBox(50)) {
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        PostMessageW(box, WM_COMMAND, IDNO, 0);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }
      EnumThreadWindows(driver.uiThread(), [](HWND window, LPARAM) -> BOOL {
        if (IsWindowVisible(window)) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
      }, 0);
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  });
  show();
  finished = true;
  second.join();
}

std::string ScreenshotFolder() {
  const char* folder = std::getenv("MOGURA_SCREENSHOT_DIR");
  return folder ? folder : "";
}

void RecordPageOpens() {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    RegSetKeyValueW(root, L"Software\\Classes\\.htm", nullptr, REG_SZ, L"MoguraTest.Page", 16 * sizeof(wchar_t));
    const std::wstring command = std::wstring(L"C:\\windows\\system32\\cmd.exe /c echo %1>>") + kOpenedPagesLog;
    RegSetKeyValueW(root, L"Software\\Classes\\MoguraTest.Page\\shell\\open\\command", nullptr, REG_SZ,
                    command.c_str(), static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
}

}  // namespace mogura::test
