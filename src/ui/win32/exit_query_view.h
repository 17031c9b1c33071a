// The exit query of the main dialog.
#pragma once

#include "presenters/app_dialog_ids.h"
#include "presenters/exit_query.h"
#include "base/string_table.h"
#include "ui/win32/presenter_dialog.h"

namespace mogura::win32 {

class CExitQueryDialog : public PresenterDialog {
 public:
  CExitQueryDialog() : PresenterDialog(query_, IDD_EXIT_QUERY, IDS_EXIT_TITLE) {}
  // Stay when the query was cancelled or closed.
  ExitAnswer DoModal(HWND owner) {
    if (Run(owner) != DialogEnd::Ok) return ExitAnswer();
    return query_.answer();
  }

 private:
  ExitQueryPresenter query_;
};

}  // namespace mogura::win32
