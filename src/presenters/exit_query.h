// The exit query: asked when the main dialog is closed by its close box or Esc.
#pragma once

#include "presenters/dialog_presenter.h"

namespace mogura {

enum class ExitChoice { Stay, ExitWithoutSaving, ExitSaving };

struct ExitAnswer {
  ExitChoice choice = ExitChoice::Stay;
  bool dontAskAgain = false;  // the check box, when one of the two ending buttons was pressed
};

class ExitQueryPresenter : public DialogPresenter {
 public:
  void OnCommand(int control, ControlEvent event) override;
  const ExitAnswer& answer() const { return answer_; }

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  ExitAnswer answer_;
};

}  // namespace mogura
