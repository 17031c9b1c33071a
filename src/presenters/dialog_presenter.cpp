#include "presenters/dialog_presenter.h"

#include "base/string_table.h"

namespace mogura {

void DialogPresenter::Attach(DialogControls& controls) {
  controls_ = &controls;
  end_ = DialogEnd::None;
  for (const ControlText& fixed : FixedTexts()) controls.setText(fixed.control, LoadText(fixed.stringId));
  OnShow();
}

}  // namespace mogura
