#include "ui/win32/setup/removal_dialog_view.h"

#include "platform/win32/wide.h"
#include "setup/removal_dialog.h"
#include "ui/win32/dialog.h"
#include "setup/setup_ids.h"
#include "ui/win32/setup/window_position.h"

namespace mogura::win32 {
namespace {

class RemovalView : public Dialog {
 public:
  RemovalView(RemovalDialog& removal, Win32Interaction& ui) : removal_(removal), ui_(ui) {}

 protected:
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT kStartDelayMs = 300;

  bool OnInit() override {
    SetWindowTextW(hwnd_, ToWide(removal_.caption()).c_str());
    SetDlgItemTextW(hwnd_, IDC_REMOVAL_TEXT, ToWide(removal_.workingText()).c_str());
    SetDlgItemTextW(hwnd_, IDOK, ToWide(removal_.closeButtonText()).c_str());
    ui_.setOwner(hwnd_);
    CentreOnScreen(hwnd_);
    SetTimer(hwnd_, kStartTimer, kStartDelayMs, nullptr);
    return true;
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result) override {
    if (message != WM_TIMER || wParam != kStartTimer) return false;
    KillTimer(hwnd_, kStartTimer);
    SetForegroundWindow(hwnd_);
    const std::string outcome = removal_.run();
    SetDlgItemTextW(hwnd_, IDC_REMOVAL_TEXT, ToWide(outcome).c_str());
    done_ = true;
    EnableWindow(Item(IDOK), TRUE);
    SendMessageW(hwnd_, DM_SETDEFID, IDOK, 0);
    SetFocus(Item(IDOK));
    SetForegroundWindow(hwnd_);
    *result = TRUE;
    return true;
  }

  // The dialog closes only once the work has run: a close box or Esc during a question of the
  // work would otherwise end it with its outcome unseen.
  void OnOK() override {
    if (done_) End(IDOK);
  }
  void OnCancel() override { OnOK(); }
  void OnDestroy() override { ui_.setOwner(nullptr); }

 private:
  RemovalDialog& removal_;
  Win32Interaction& ui_;
  bool done_ = false;
};

}  // namespace

void RunRemovalDialog(Win32SetupEdge& setup, SetupContext& context) {
  RemovalDialog removal(setup.edge, context);
  RemovalView view(removal, setup.ui);
  view.RunModal(nullptr, IDD_SETUP_REMOVAL);
  removal.finish();
}

}  // namespace mogura::win32
