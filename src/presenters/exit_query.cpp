#include "presenters/exit_query.h"

#include "presenters/app_dialog_ids.h"
#include "base/string_table.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_EXIT_TEXT, IDS_EXIT_TEXT},       {IDC_EXIT_DONT_ASK, IDS_EXIT_DONT_ASK},
    {IDC_EXIT_DISCARD, IDS_EXIT_DISCARD}, {IDC_EXIT_SAVE, IDS_EXIT_SAVE},
    {IDC_EXIT_CANCEL, IDS_EXIT_CANCEL},
};

}  // namespace

std::span<const ControlText> ExitQueryPresenter::FixedTexts() const { return kTexts; }

void ExitQueryPresenter::OnShow() {
  answer_ = ExitAnswer();
  ui().setChecked(IDC_EXIT_DONT_ASK, false);
}

void ExitQueryPresenter::OnCommand(int control, ControlEvent event) {
  if (event != ControlEvent::Clicked) return;
  if (control == IDC_EXIT_DISCARD || control == IDC_EXIT_SAVE) {
    answer_.choice = control == IDC_EXIT_SAVE ? ExitChoice::ExitSaving : ExitChoice::ExitWithoutSaving;
    answer_.dontAskAgain = ui().checked(IDC_EXIT_DONT_ASK);
    EndWith(DialogEnd::Ok);
  } else if (control == IDC_EXIT_CANCEL) {
    answer_ = ExitAnswer();
    EndWith(DialogEnd::Cancel);
  }
}

}  // namespace mogura
