#include "presenters/html_sheet.h"

#include "base/string_table.h"
#include "presenters/sheet_ids.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_FORMAT_TARGET_LABEL, IDS_FORMAT_TARGET_LABEL},
    {IDC_FORMAT_RESET, IDS_RESET},
    {IDC_FORMAT_PREVIEW, IDS_FORMAT_PREVIEW},
};

}  // namespace

HtmlSheetPresenter::HtmlSheetPresenter(UserInteraction& ui) : content(*this, ui), edit(*this), ui_(ui) {
  content.sendSiblingQuery = [this](int code) { return QuerySiblings(code); };
}

std::span<const ControlText> HtmlSheetPresenter::FixedTexts() const { return kTexts; }

void HtmlSheetPresenter::SetFormat(const HtmlFormat& format) {
  format_ = format;
  edited_ = format_.pages().empty() ? -1 : 0;
}

std::string HtmlSheetPresenter::Caption() const {
  return FormatText(LoadText(IDS_FORMAT_SHEET_CAPTION), format_.title());
}

FormatPage* HtmlSheetPresenter::EditedPage() {
  if (edited_ < 0 || static_cast<std::size_t>(edited_) >= format_.pages().size()) return nullptr;
  return &format_.pages()[static_cast<std::size_t>(edited_)];
}

bool HtmlSheetPresenter::QuerySiblings(int code) {
  for (DialogPresenter* page : {static_cast<DialogPresenter*>(&content), static_cast<DialogPresenter*>(&edit)}) {
    if (page->created() && page->OnQuerySiblings(code)) return true;
  }
  return false;
}

void HtmlSheetPresenter::OnShow() {
  FillPageChoice();
  ui().select(IDC_FORMAT_PAGE_CHOICE, edited_);
  ui().enable(IDC_FORMAT_PREVIEW, previewer_ != nullptr);
}

void HtmlSheetPresenter::FillPageChoice() {
  std::vector<std::string> titles;
  for (const FormatPage& page : format_.pages()) titles.push_back(page.title());
  ui().setItems(IDC_FORMAT_PAGE_CHOICE, titles);
}

void HtmlSheetPresenter::OnCommand(int control, ControlEvent event) {
  if (control == IDC_FORMAT_PAGE_CHOICE && event == ControlEvent::SelectionChanged) {
    ChoosePage(ui().selection(IDC_FORMAT_PAGE_CHOICE));
  } else if (control == IDC_FORMAT_RESET && event == ControlEvent::Clicked) {
    ResetFormat();
  } else if (control == IDC_FORMAT_PREVIEW && event == ControlEvent::Clicked) {
    Preview();
  }
}

void HtmlSheetPresenter::ChoosePage(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= format_.pages().size() || index == edited_) return;
  // The pages store what they show into the page they were editing. A value the user must
  // mend first keeps the sheet on that page, and the choice goes back to it.
  if (!TakeCreatedPages()) {
    ui().select(IDC_FORMAT_PAGE_CHOICE, edited_);
    return;
  }
  edited_ = index;
  ReloadCreatedPages();
}

bool HtmlSheetPresenter::TakeCreatedPages() {
  for (DialogPresenter* page : {static_cast<DialogPresenter*>(&content), static_cast<DialogPresenter*>(&edit)}) {
    if (page->created() && !page->OnLeave()) return false;
  }
  return true;
}

void HtmlSheetPresenter::Preview() {
  // Everything typed so far goes into the copy first, as at a page switch; the copy stays
  // unconfirmed, so Cancel still discards it.
  if (!previewer_ || edited_ < 0 || !TakeCreatedPages()) return;
  previewer_->Preview(format_, static_cast<std::size_t>(edited_));
}

void HtmlSheetPresenter::ResetFormat() {
  if (ui_.messageBox(std::string(LoadText(IDS_FORMAT_RESET_QUESTION)), MessageIcon::Question,
                     MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes)
    return;
  format_.Reset();
  int chosen = ui().selection(IDC_FORMAT_PAGE_CHOICE);
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= format_.pages().size()) chosen = format_.pages().empty() ? -1 : 0;
  edited_ = chosen;
  FillPageChoice();
  ui().select(IDC_FORMAT_PAGE_CHOICE, edited_);
  ReloadCreatedPages();  // what was typed on the pages and not yet taken is dropped
}

void HtmlSheetPresenter::ReloadCreatedPages() {
  if (content.created()) content.ReloadFromFormat();
  if (edit.created()) edit.ReloadFromFormat();
}

}  // namespace mogura
