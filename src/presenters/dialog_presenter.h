// The base of every dialog and property-page presenter: the portable half of a window. The
// view attaches the presenter once its controls exist and forwards their events to it.
#pragma once

#include <span>

#include "presenters/dialog_controls.h"

namespace mogura {

// A control whose text is fixed: it shows the string-table text `stringId`.
struct ControlText {
  int control;
  int stringId;
};

// How a presenter wants its window to end; None while it stays open.
enum class DialogEnd { None, Ok, Cancel };

class DialogPresenter {
 public:
  virtual ~DialogPresenter() = default;

  // The window and its controls exist: the fixed texts are set, then OnShow fills the rest.
  void Attach(DialogControls& controls);  // also forgets an earlier end
  // The window is gone; the presenter keeps the values it took.
  void Detach() { controls_ = nullptr; }
  // True between Attach and Detach: a property page that has been shown at least once.
  bool created() const { return controls_ != nullptr; }

  virtual void OnCommand(int /*control*/, ControlEvent /*event*/) {}
  // The window is left or confirmed: the controls' values are taken. False keeps the user
  // there (the reason has been shown).
  virtual bool OnLeave() { return true; }
  // A query of a sibling property page; true when this page handled it.
  virtual bool OnQuerySiblings(int /*code*/) { return false; }

  // Set by a command after which the window closes; the view ends it then.
  DialogEnd end() const { return end_; }

 protected:
  void EndWith(DialogEnd end) { end_ = end; }
  virtual std::span<const ControlText> FixedTexts() const = 0;
  virtual void OnShow() = 0;
  DialogControls& ui() const { return *controls_; }

 private:
  DialogControls* controls_ = nullptr;
  DialogEnd end_ = DialogEnd::None;
};

}  // namespace mogura
