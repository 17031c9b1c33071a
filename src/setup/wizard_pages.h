// The presenters of the installation wizard's pages. A view attaches each to its page's
// controls, forwards the page's activation, Next, the browse button, the copy page's timer and
// step commands and Finish, and does what the answers say: the wizard's buttons, the page to
// go to, the next step to post.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "presenters/dialog_presenter.h"
#include "setup/copy_driver.h"
#include "setup/install_wizard.h"

namespace mogura {

// The wizard buttons a page shows; Back is never among them, Cancel always is.
enum class WizardButtons { None, Next, Finish };

// The folder page: the prompt, the notes and the installation folder's field with its checks.
class FolderPagePresenter : public DialogPresenter {
 public:
  explicit FolderPagePresenter(InstallWizard& wizard) : wizard_(wizard) {}

  // The page is shown: Next, and the field shows the proposed folder again.
  WizardButtons OnActivate();
  // Around the folder-browse dialog that the view opens with this title; the file the user
  // chose there (none for Cancel) puts its folder into the field.
  std::string_view OnBrowseStart();
  void OnBrowseEnd(const std::optional<std::string>& chosenFile);
  // Next: the page to go to, or none to stay. The field's text is handed over whole;
  // `typedWhole` is false when it held characters CP932 has no form for (they would come back
  // as others): the wizard refuses such a path, or one too long in bytes, rather than cut or
  // change it.
  std::optional<WizardPage> OnNext(bool typedWhole);

 protected:
  std::span<const ControlText> FixedTexts() const override { return {}; }
  void OnShow() override;

 private:
  InstallWizard& wizard_;
};

// The options page: the start-menu and desktop check boxes.
class OptionsPagePresenter : public DialogPresenter {
 public:
  explicit OptionsPagePresenter(InstallWizard& wizard) : wizard_(wizard) {}

  WizardButtons OnActivate() const { return WizardButtons::Next; }
  WizardPage OnNext();

 protected:
  std::span<const ControlText> FixedTexts() const override { return {}; }
  void OnShow() override;

 private:
  InstallWizard& wizard_;
};

// What the copy page's view does after it forwarded an event.
struct CopyPageSteps {
  std::optional<WizardButtons> buttons;   // the wizard's buttons to show
  bool startTimer = false;                // the short one-shot pause that lets the page show first
  std::optional<unsigned> progressRange;  // the progress bar's range, from 0, one a step
  bool advanceProgress = false;           // the bar moves one step
  bool postStep = false;                  // post the command of the next step
  bool disableCancel = false;             // the copy is over: nothing left to cancel
};

// The copy page: one step of the copy per posted command, so that the window repaints between
// files.
class CopyPagePresenter : public DialogPresenter {
 public:
  explicit CopyPagePresenter(CopyDriver& driver) : driver_(driver) {}

  // The page is shown: no buttons but Cancel; the pause starts the first time.
  CopyPageSteps OnActivate();
  // The pause is over: the bar gets its range and the first step is posted.
  CopyPageSteps OnStartTimer() const;
  // A step command: one step of the copy; after the last, the bar goes, the completion text
  // (and the Control Panel note, with shell folders) shows and Finish alone is enabled.
  CopyPageSteps OnStep();
  void OnFinish() { finishPressed_ = true; }
  bool finishPressed() const { return finishPressed_; }

 protected:
  std::span<const ControlText> FixedTexts() const override { return {}; }
  void OnShow() override;

 private:
  CopyDriver& driver_;
  bool started_ = false;
  bool finishPressed_ = false;
};

}  // namespace mogura
