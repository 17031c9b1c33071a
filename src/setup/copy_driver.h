// The copy behind the wizard's copy page, one step at a time so that the page can repaint
// between files; CopyPagePresenter (wizard_pages.h) tells the view when to run the next one.
#pragma once

#include <string>
#include <string_view>

#include "setup/setup_context.h"
#include "setup/setup_edge.h"

namespace mogura {

enum class CopyStepKind {
  MakeFolder,     // step 0: the installation folder
  CopyFile,       // steps 1 .. fileCount + 2: the setup program, the information file, the entries
  MakeShortcuts,  // step fileCount + 3: shortcuts and the uninstall entry
  None,           // called again after the last step
};

struct CopyStepReport {
  unsigned step = 0;
  CopyStepKind kind = CopyStepKind::None;
  bool ok = false;
  bool last = false;
};

class CopyDriver {
 public:
  CopyDriver(SetupEdge& edge, SetupContext& context) : edge_(edge), context_(context) {}

  // The progress bar's range is 0 to this.
  unsigned progressRange() const { return context_.fileCount + 3; }
  unsigned lastStep() const { return context_.fileCount + 3; }
  bool finished() const { return context_.step > lastStep(); }

  // "ファイルをコピーしています..." while copying, the completion text afterwards.
  std::string_view workingText() const;
  std::string_view doneText() const;
  bool showsControlPanelNote() const { return context_.hasShellFolders; }
  std::string_view controlPanelNote() const;

  // Performs step `context.step` and moves on to the next one. The sequence goes on whatever
  // a step's outcome: every failure has been told to the user.
  CopyStepReport runStep();

  // Finish: starts the main program in the installation folder, then opens "Install"/"Open"
  // when it names a file inside that folder; both for the user, never with the setup program's
  // rights. What only those rights could have started is named in a message that sends the
  // user to the Start menu.
  void finish();

 private:
  void tellNotStarted(const std::string& path, UserStart outcome);

  SetupEdge& edge_;
  SetupContext& context_;
};

}  // namespace mogura
