#include "presenters/format_edit_page.h"

#include "base/string_table.h"
#include "presenters/html_sheet.h"
#include "presenters/line_breaks.h"
#include "presenters/sheet_ids.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_EDIT_PLACE_LABEL, IDS_EDIT_PLACE_LABEL},
    {IDC_EDIT_TEXT_LABEL, IDS_EDIT_TEXT_LABEL},
    {IDC_EDIT_NOTE, IDS_EDIT_NOTE},
};

bool IsTablePlace(const TemplatePlace& place) { return place.key().rfind("Table_", 0) == 0; }

}  // namespace

std::span<const ControlText> FormatEditPagePresenter::FixedTexts() const { return kTexts; }

FormatPage* FormatEditPagePresenter::Page() {
  FormatPage* edited = sheet_.EditedPage();
  return edited && sheet_.editedIndex() == page_ ? edited : nullptr;
}

void FormatEditPagePresenter::ReloadFromFormat() {
  page_ = sheet_.editedIndex();
  current_ = -1;
  listed_.clear();
  std::vector<std::string> titles;
  if (const FormatPage* page = Page()) {
    for (std::size_t i = 0; i < page->places().size(); ++i) {
      const TemplatePlace& place = page->places()[i];
      if (IsTablePlace(place) && !page->outputList()) continue;
      listed_.push_back(i);
      titles.push_back(place.title());
    }
  }
  ui().setItems(IDC_EDIT_PLACES, titles);
  ui().select(IDC_EDIT_PLACES, listed_.empty() ? -1 : 0);
  if (listed_.empty()) {
    ui().setText(IDC_EDIT_TEXT, "");
  } else {
    ShowPlace(static_cast<int>(listed_.front()));
  }
}

void FormatEditPagePresenter::ShowPlace(int place) {
  current_ = place;
  ui().setText(IDC_EDIT_TEXT, ToEditLineBreaks(Page()->places()[static_cast<std::size_t>(place)].text()));
}

void FormatEditPagePresenter::StoreText() {
  FormatPage* page = Page();
  if (!page || current_ < 0 || static_cast<std::size_t>(current_) >= page->places().size()) return;
  page->places()[static_cast<std::size_t>(current_)].setText(FromEditLineBreaks(ui().text(IDC_EDIT_TEXT)));
}

void FormatEditPagePresenter::OnCommand(int control, ControlEvent event) {
  if (control != IDC_EDIT_PLACES || event != ControlEvent::SelectionChanged) return;
  const int chosen = ui().selection(IDC_EDIT_PLACES);
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= listed_.size() || !Page()) return;
  const int place = static_cast<int>(listed_[static_cast<std::size_t>(chosen)]);
  if (place == current_) return;
  StoreText();
  ShowPlace(place);
}

bool FormatEditPagePresenter::OnLeave() {
  StoreText();
  return true;
}

bool FormatEditPagePresenter::OnQuerySiblings(int code) {
  if (code != kTableLayoutChanged) return false;
  ReloadFromFormat();
  return true;
}

}  // namespace mogura
