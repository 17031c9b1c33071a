// The about box: the program's icon, name and version, credit lines, and two links that open
// things that are there: the user guide beside the program, and the program's folder.
#pragma once

#include <string>

#include "presenters/dialog_presenter.h"
#include "platform/shell.h"

namespace mogura {

class AboutPresenter : public DialogPresenter {
 public:
  // `programFolder` is the folder of the running program, ending in its separator.
  AboutPresenter(Shell& shell, std::string programFolder) : shell_(shell), folder_(std::move(programFolder)) {}

  void OnCommand(int control, ControlEvent event) override;
  // What each link opens.
  std::string GuidePath() const;
  const std::string& ProgramFolder() const { return folder_; }

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override {}

 private:
  Shell& shell_;
  std::string folder_;
};

}  // namespace mogura
