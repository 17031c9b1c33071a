#include "platform/win32/user_start.h"

#include <windows.h>
#include <exdisp.h>
#include <shldisp.h>
#include <shlobj.h>

#include "platform/win32/wide.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/scoped_handle.h"

namespace mogura::win32 {
namespace {

// A text as an automation argument, freed with the object.
class Argument {
 public:
  explicit Argument(const std::string& text) {
    VariantInit(&value_);
    value_.vt = VT_BSTR;
    value_.bstrVal = SysAllocString(ToWide(text).c_str());
  }
  ~Argument() { VariantClear(&value_); }
  Argument(const Argument&) = delete;
  Argument& operator=(const Argument&) = delete;
  const VARIANT& get() const { return value_; }
  BSTR text() const { return value_.bstrVal; }

 private:
  VARIANT value_;
};

// The desktop window's shell object, reached through the shell's list of windows.
bool DesktopShell(ComPtr<IShellDispatch2>* shell) {
  ComPtr<IShellWindows> windows;
  if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows, windows.putVoid()))) {
    return false;
  }
  VARIANT desktop;
  VariantInit(&desktop);
  desktop.vt = VT_I4;
  desktop.lVal = CSIDL_DESKTOP;
  VARIANT none;
  VariantInit(&none);
  long window = 0;
  ComPtr<IDispatch> found;
  if (windows->FindWindowSW(&desktop, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, found.put()) != S_OK || !found) {
    return false;
  }
  ComPtr<IServiceProvider> services;
  ComPtr<IShellBrowser> browser;
  ComPtr<IShellView> view;
  ComPtr<IDispatch> background;
  ComPtr<IShellFolderViewDual> folderView;
  ComPtr<IDispatch> application;
  return SUCCEEDED(found->QueryInterface(IID_IServiceProvider, services.putVoid())) &&
         SUCCEEDED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.putVoid())) &&
         SUCCEEDED(browser->QueryActiveShellView(view.put())) &&
         SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.putVoid())) &&
         SUCCEEDED(background->QueryInterface(IID_IShellFolderViewDual, folderView.putVoid())) &&
         SUCCEEDED(folderView->get_Application(application.put())) &&
         SUCCEEDED(application->QueryInterface(IID_IShellDispatch2, shell->putVoid()));
}

}  // namespace

bool ProcessIsElevated() {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) return false;
  const OwnedHandle token(opened);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  return GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof(elevation), &size) != 0 &&
         elevation.TokenIsElevated != 0;
}

bool StartThroughDesktopShell(const std::string& file, const std::string& arguments, const std::string& folder) {
  ComSession session;
  ComPtr<IShellDispatch2> shell;
  if (!DesktopShell(&shell)) return false;
  const Argument path(file), parameters(arguments), directory(folder), operation("open");
  VARIANT show;
  VariantInit(&show);
  show.vt = VT_I4;
  show.lVal = SW_SHOWNORMAL;
  return SUCCEEDED(shell->ShellExecute(path.text(), parameters.get(), directory.get(), operation.get(), show));
}

}  // namespace mogura::win32
