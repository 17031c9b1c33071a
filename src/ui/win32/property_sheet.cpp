#include "ui/win32/property_sheet.h"

#include "platform/win32/wide.h"

namespace mogura::win32 {
namespace {

// The sheet being created on this thread: its callback receives no pointer of its own.
thread_local Sheet* g_creating = nullptr;

}  // namespace

SheetPage::SheetPage(int templateId, std::string_view title) : templateId_(templateId), title_(ToWide(title)) {}

PROPSHEETPAGEW SheetPage::Descriptor() {
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof(page);
  page.dwFlags = PSP_USETITLE;
  page.hInstance = GetModuleHandleW(nullptr);
  page.pszTemplate = MAKEINTRESOURCEW(templateId_);
  page.pszTitle = title_.c_str();
  page.pfnDlgProc = &SheetPage::PageProcedure;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK SheetPage::PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    Bind(hwnd, reinterpret_cast<SheetPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam));
  }
  Dialog* page = Bound(hwnd);
  return page ? static_cast<SheetPage*>(page)->Dispatch(message, wParam, lParam) : FALSE;
}

bool SheetPage::OnNotify(int, NMHDR* header, LRESULT* result) {
  switch (header->code) {
    case PSN_SETACTIVE:
      OnSetActive();
      *result = 0;
      return true;
    case PSN_KILLACTIVE:
      *result = OnKillActive() ? FALSE : TRUE;  // TRUE keeps the page
      return true;
    case PSN_APPLY:
      OnApply();
      if (sheet_) sheet_->confirmed_ = true;
      *result = PSNRET_NOERROR;
      return true;
    default:
      return false;
  }
}

bool SheetPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  if (message != PSM_QUERYSIBLINGS) return false;
  const bool handled = OnQuerySiblings(wParam, lParam);
  SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, handled ? 1 : 0);
  *result = TRUE;
  return true;
}

void Sheet::AddPage(SheetPage& page) {
  page.sheet_ = this;
  pages_.push_back(&page);
}

bool Sheet::RunModal(HWND owner, std::string_view caption, DWORD extraFlags) {
  std::vector<PROPSHEETPAGEW> descriptors;
  for (SheetPage* page : pages_) descriptors.push_back(page->Descriptor());
  const std::wstring title = ToWide(caption);
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP | PSH_USECALLBACK | extraFlags;
  header.hwndParent = owner;
  header.hInstance = GetModuleHandleW(nullptr);
  header.pszCaption = title.c_str();
  header.nPages = static_cast<UINT>(descriptors.size());
  header.nStartPage = 0;
  header.ppsp = descriptors.data();
  header.pfnCallback = &Sheet::Callback;
  confirmed_ = false;
  Sheet* const outer = g_creating;
  g_creating = this;
  PropertySheetW(&header);
  g_creating = outer;
  hwnd_ = nullptr;
  return confirmed_;
}

int CALLBACK Sheet::Callback(HWND hwnd, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED && g_creating) {
    Sheet* sheet = g_creating;
    sheet->hwnd_ = hwnd;
    // Tabs stay in one row and scroll.
    if (HWND tab = PropSheet_GetTabControl(hwnd)) {
      SetWindowLongPtrW(tab, GWL_STYLE, GetWindowLongPtrW(tab, GWL_STYLE) & ~static_cast<LONG_PTR>(TCS_MULTILINE));
    }
    SetWindowSubclass(hwnd, &Sheet::SheetProcedure, 1, reinterpret_cast<DWORD_PTR>(sheet));
    sheet->OnInitialized();
  }
  return 0;
}

LRESULT CALLBACK Sheet::SheetProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data) {
  auto* sheet = reinterpret_cast<Sheet*>(data);
  LRESULT result = 0;
  if (message == WM_COMMAND && lParam != 0 && sheet->OnCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
  if (sheet->OnSheetMessage(message, wParam, lParam, &result)) return result;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Sheet::SheetProcedure, 1);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace mogura::win32
