// The removal proper (mode "x"): the work that the removal dialog runs once, and the texts
// around it; RemovalPresenter (removal_presenter.h) shows them.
#pragma once

#include <string>
#include <string_view>

#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

// In this order: the "Reg" keys; the installed files from the last entry down to the
// information file and the setup program (a main program that cannot be deleted stops
// everything; a file reached through a link is left to the folder walk); the rest of the
// installation folder; the uninstall key; the shortcuts of all three places. True when
// nothing is left.
bool RunRemovalWork(SetupEdge& edge, const SetupContext& context);

class RemovalDialog {
 public:
  RemovalDialog(SetupEdge& edge, SetupContext& context) : edge_(edge), context_(context) {}

  std::string caption() const;  // title + "の削除"
  std::string_view workingText() const;
  std::string_view closeButtonText() const;

  // Runs the removal work; the text line's new text.
  std::string run();

  // After the dialog: the temporary copy of the setup program is deleted at the next restart.
  void finish();

 private:
  SetupEdge& edge_;
  SetupContext& context_;
};

}  // namespace mogura
