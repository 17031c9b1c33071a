#include "ui/win32/presenter_dialog.h"

#include "base/string_table.h"
#include "platform/win32/wide.h"
#include "ui/win32/control_events.h"

namespace mogura::win32 {

PresenterDialog::PresenterDialog(DialogPresenter& presenter, int templateId, int captionId)
    : presenter_(presenter), templateId_(templateId), captionId_(captionId) {}

DialogEnd PresenterDialog::Run(HWND owner) {
  const INT_PTR result = RunModal(owner, templateId_);
  return result == IDOK ? DialogEnd::Ok : DialogEnd::Cancel;
}

bool PresenterDialog::OnInit() {
  SetWindowTextW(hwnd_, ToWide(LoadText(captionId_)).c_str());
  controls_.emplace(hwnd_);
  presenter_.Attach(*controls_);
  return true;
}

void PresenterDialog::CloseIfEnded() {
  if (presenter_.end() != DialogEnd::None) End(presenter_.end() == DialogEnd::Ok ? IDOK : IDCANCEL);
}

bool PresenterDialog::OnCommand(int id, int code, HWND control) {
  ControlEvent event;
  if (!control || !EventOf(control, code, &event)) return false;
  presenter_.OnCommand(id, event);
  CloseIfEnded();
  return true;
}

bool PresenterDialog::OnNotify(int id, NMHDR* header, LRESULT*) {
  if (!ForwardLinkClick(presenter_, id, header)) return false;
  CloseIfEnded();
  return true;
}

bool PresenterDialog::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR* result) {
  if (message != WM_PAINT || lines_.empty()) return false;
  PaintEtchedLines(hwnd_, lines_);
  *result = TRUE;
  return true;
}

void PresenterDialog::OnDestroy() {
  presenter_.Detach();
  controls_.reset();
}

}  // namespace mogura::win32
