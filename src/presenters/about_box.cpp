#include "presenters/about_box.h"

#include "presenters/app_dialog_ids.h"
#include "base/string_table.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_ABOUT_NAME, IDS_ABOUT_NAME},
    {IDC_ABOUT_CREDIT, IDS_ABOUT_CREDIT},
    {IDC_ABOUT_CREDIT2, IDS_ABOUT_CREDIT2},
    {IDC_ABOUT_GUIDE_LINK, IDS_ABOUT_GUIDE_LINK},
    {IDC_ABOUT_FOLDER_LINK, IDS_ABOUT_FOLDER_LINK},
    {IDC_ABOUT_OK, IDS_ABOUT_OK},
};

}  // namespace

std::span<const ControlText> AboutPresenter::FixedTexts() const { return kTexts; }

std::string AboutPresenter::GuidePath() const { return folder_ + std::string(LoadText(IDS_GUIDE_FILE)); }

void AboutPresenter::OnCommand(int control, ControlEvent event) {
  if (event != ControlEvent::Clicked) return;
  if (control == IDC_ABOUT_GUIDE_LINK) shell_.openDocument(GuidePath());
  else if (control == IDC_ABOUT_FOLDER_LINK) shell_.openDocument(folder_);
  else if (control == IDC_ABOUT_OK) EndWith(DialogEnd::Ok);
}

}  // namespace mogura
