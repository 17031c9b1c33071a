// The presenter of the removal dialog (mode "x"). Its view shows caption() and attaches the
// presenter to the dialog's controls (the text line shows the working text, the close button
// stays disabled), centres the dialog and starts a short one-shot pause; when it is over the
// view brings the dialog to the front, forwards OnStartTimer, makes the close button the
// default one with the focus and brings the dialog to the front again. The close button and
// the cancel command end the dialog only when mayClose(); afterwards the view calls finish().
#pragma once

#include <span>
#include <string>

#include "presenters/dialog_presenter.h"
#include "setup/removal_dialog.h"

namespace mogura {

class RemovalPresenter : public DialogPresenter {
 public:
  explicit RemovalPresenter(RemovalDialog& removal) : removal_(removal) {}

  std::string caption() const { return removal_.caption(); }
  // The pause is over: the removal work runs once, its outcome replaces the text and the close
  // button is enabled.
  void OnStartTimer();
  // A close box or Esc during a question of the work would otherwise end the dialog with its
  // outcome unseen.
  bool mayClose() const { return done_; }
  void finish() { removal_.finish(); }

 protected:
  std::span<const ControlText> FixedTexts() const override { return {}; }
  void OnShow() override;

 private:
  RemovalDialog& removal_;
  bool done_ = false;
};

}  // namespace mogura
