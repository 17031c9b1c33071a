#include "setup/removal_presenter.h"

#include "setup/setup_ids.h"

namespace mogura {

void RemovalPresenter::OnShow() {
  ui().setText(IDC_REMOVAL_TEXT, removal_.workingText());
  ui().setText(IDC_REMOVAL_CLOSE, removal_.closeButtonText());
}

void RemovalPresenter::OnStartTimer() {
  if (done_) return;
  const std::string outcome = removal_.run();
  ui().setText(IDC_REMOVAL_TEXT, outcome);
  done_ = true;
  ui().enable(IDC_REMOVAL_CLOSE, true);
}

}  // namespace mogura
