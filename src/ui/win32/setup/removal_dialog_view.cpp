#include "ui/win32/setup/removal_dialog_view.h"

#include <optional>

#include "platform/win32/wide.h"
#include "setup/removal_dialog.h"
#include "setup/removal_presenter.h"
#include "setup/setup_ids.h"
#include "ui/win32/dialog.h"
#include "ui/win32/setup/window_position.h"
#include "ui/win32/win32_dialog_controls.h"

namespace mogura::win32 {
namespace {

class RemovalView : public Dialog {
 public:
  RemovalView(RemovalPresenter& presenter, Win32Interaction& ui) : presenter_(presenter), ui_(ui) {}

 protected:
  static constexpr UINT_PTR kStartTimer = 1;
  static constexpr UINT kStartDelayMs = 300;

  bool OnInit() override {
    SetWindowTextW(hwnd_, ToWide(presenter_.caption()).c_str());
    controls_.emplace(hwnd_);
    presenter_.Attach(*controls_);
    ui_.setOwner(hwnd_);
    CentreOnScreen(hwnd_);
    SetTimer(hwnd_, kStartTimer, kStartDelayMs, nullptr);
    return true;
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result) override {
    if (message != WM_TIMER || wParam != kStartTimer) return false;
    KillTimer(hwnd_, kStartTimer);
    SetForegroundWindow(hwnd_);
    presenter_.OnStartTimer();
    SendMessageW(hwnd_, DM_SETDEFID, IDOK, 0);
    SetFocus(Item(IDOK));
    SetForegroundWindow(hwnd_);
    *result = TRUE;
    return true;
  }

  void OnOK() override {
    if (presenter_.mayClose()) End(IDOK);
  }
  void OnCancel() override { OnOK(); }
  void OnDestroy() override {
    presenter_.Detach();
    ui_.setOwner(nullptr);
  }

 private:
  RemovalPresenter& presenter_;
  Win32Interaction& ui_;
  std::optional<Win32DialogControls> controls_;
};

}  // namespace

void RunRemovalDialog(Win32SetupEdge& setup, SetupContext& context) {
  RemovalDialog removal(setup.edge, context);
  RemovalPresenter presenter(removal);
  RemovalView view(presenter, setup.ui);
  view.RunModal(nullptr, IDD_SETUP_REMOVAL);
  presenter.finish();
}

}  // namespace mogura::win32
