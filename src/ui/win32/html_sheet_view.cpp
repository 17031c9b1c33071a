#include "ui/win32/html_sheet_view.h"

#include "base/string_table.h"
#include "presenters/sheet_ids.h"
#include "ui/win32/control_events.h"
#include "ui/win32/dpi.h"

namespace mogura::win32 {
namespace {

// The sheet's own controls, in 96-DPI pixels of the sheet's client area.
constexpr RECT kLabelRect{8, 12, 108, 36};
constexpr RECT kChoiceRect{110, 9, 300, 100};  // with its drop-down part
constexpr RECT kResetRect{340, 8, 430, 30};
constexpr RECT kPreviewRect{436, 8, 526, 30};  // beside the reset button, as large
constexpr int kGapBelowReset = 15;

}  // namespace

CSetupHTMLContentPage::CSetupHTMLContentPage(ContentPagePresenter& presenter)
    : PresenterPage(presenter, IDD_FORMAT_CONTENT, IDS_FORMAT_PAGE_CONTENT) {}

CSetupHTMLFormatPage::CSetupHTMLFormatPage(FormatEditPagePresenter& presenter)
    : PresenterPage(presenter, IDD_FORMAT_EDIT, IDS_FORMAT_PAGE_EDIT) {}

bool CSetupHTMLFormatPage::OnInit() {
  // A place text may be longer than an edit box takes by default.
  SendDlgItemMessageW(hwnd_, IDC_EDIT_TEXT, EM_LIMITTEXT, 0, 0);
  return PresenterPage::OnInit();
}

CSetupHTMLSheet::CSetupHTMLSheet() : presenter_(ui_), contentPage_(presenter_.content), formatPage_(presenter_.edit) {
  AddPage(contentPage_);
  AddPage(formatPage_);
}

bool CSetupHTMLSheet::DoModal(HWND owner) {
  const bool confirmed = RunModal(owner, presenter_.Caption());
  presenter_.Detach();
  controls_.reset();
  return confirmed;
}

void CSetupHTMLSheet::OnInitialized() {
  ui_.setOwner(hwnd());
  // The format tab answers the content tab through the sheet, as sibling pages do.
  presenter_.content.sendSiblingQuery = [this](int code) {
    return PropSheet_QuerySiblings(hwnd(), static_cast<WPARAM>(code), 0) != 0;
  };
  CreateOwnControls();
  controls_.emplace(hwnd());
  presenter_.Attach(*controls_);
}

void CSetupHTMLSheet::CreateOwnControls() {
  HWND sheet = hwnd();
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(sheet, WM_GETFONT, 0, 0));
  auto create = [&](const wchar_t* windowClass, int id, DWORD style, const RECT& r) {
    HWND control = CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | style, Scale(sheet, r.left),
                                   Scale(sheet, r.top), Scale(sheet, r.right - r.left), Scale(sheet, r.bottom - r.top),
                                   sheet, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
  };
  HWND label = create(L"STATIC", IDC_FORMAT_TARGET_LABEL, SS_LEFT, kLabelRect);
  HWND choice = create(L"COMBOBOX", IDC_FORMAT_PAGE_CHOICE, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kChoiceRect);
  HWND reset = create(L"BUTTON", IDC_FORMAT_RESET, BS_PUSHBUTTON | WS_TABSTOP, kResetRect);
  HWND preview = create(L"BUTTON", IDC_FORMAT_PREVIEW, BS_PUSHBUTTON | WS_TABSTOP, kPreviewRect);

  // Everything the sheet had (tabs, pages, buttons) moves down below the new controls.
  const int shift = Scale(sheet, (kResetRect.bottom - kResetRect.top) + kGapBelowReset);
  for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == label || child == choice || child == reset || child == preview) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(child, nullptr, r.left, r.top + shift, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT frame;
  GetWindowRect(sheet, &frame);
  SetWindowPos(sheet, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + shift,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // First in the tab order: the label (its mnemonic leads to the choice), the choice, the buttons.
  for (HWND control : {preview, reset, choice, label})
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool CSetupHTMLSheet::OnCommand(int id, int code) {
  if (id != IDC_FORMAT_PAGE_CHOICE && id != IDC_FORMAT_RESET && id != IDC_FORMAT_PREVIEW) return false;
  ControlEvent event;
  if (EventOf(GetDlgItem(hwnd(), id), code, &event)) presenter_.OnCommand(id, event);
  return true;
}

}  // namespace mogura::win32
