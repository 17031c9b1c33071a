// A modal dialog whose logic is a presenter: the controls come from the template, their
// events go to the presenter, and the dialog ends when the presenter says so.
#pragma once

#include <optional>
#include <vector>

#include "presenters/dialog_presenter.h"
#include "ui/win32/dialog.h"
#include "ui/win32/etched_lines.h"
#include "ui/win32/win32_dialog_controls.h"

namespace mogura::win32 {

class PresenterDialog : public Dialog {
 public:
  // The dialog of template `templateId` with the caption `captionId` from the string table.
  PresenterDialog(DialogPresenter& presenter, int templateId, int captionId);

  // Runs the dialog modally: Ok or Cancel as the presenter ended it (Cancel also when the
  // dialog could not be shown, or was closed without the presenter).
  DialogEnd Run(HWND owner);

 protected:
  void AddEtchedLine(const EtchedLine& line) { lines_.push_back(line); }
  // Ends the dialog when the presenter has asked for it.
  void CloseIfEnded();

  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
  void OnOK() override {}  // Enter presses the default button, which has an id of its own
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
  void OnDestroy() override;

  DialogPresenter& presenter_;

 private:
  int templateId_;
  int captionId_;
  std::optional<Win32DialogControls> controls_;
  std::vector<EtchedLine> lines_;
};

}  // namespace mogura::win32
