#include "presenters/content_page.h"

#include <string>

#include "base/string_table.h"
#include "html/page_kind.h"
#include "presenters/html_sheet.h"
#include "presenters/sheet_ids.h"
#include "presenters/value_checks.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_CONTENT_TABLE, IDS_CONTENT_TABLE},
    {IDC_CONTENT_COLUMNS_UNIT, IDS_CONTENT_COLUMNS_UNIT},
    {IDC_CONTENT_NO_SUBJECT, IDS_CONTENT_NO_SUBJECT},
    {IDC_CONTENT_DATE_PET, IDS_CONTENT_DATE_PET},
    {IDC_CONTENT_DATE_EVENT, IDS_CONTENT_DATE_EVENT},
};

// The options an index page does not have.
constexpr int kMailOnlyBoxes[] = {IDC_CONTENT_NO_SUBJECT, IDC_CONTENT_DATE_PET, IDC_CONTENT_DATE_EVENT};

}  // namespace

ContentPagePresenter::ContentPagePresenter(HtmlSheetPresenter& sheet, UserInteraction& ui) : sheet_(sheet), ui_(ui) {}

std::span<const ControlText> ContentPagePresenter::FixedTexts() const { return kTexts; }

FormatPage* ContentPagePresenter::Page() {
  FormatPage* edited = sheet_.EditedPage();
  return edited && sheet_.editedIndex() == page_ ? edited : nullptr;
}

void ContentPagePresenter::OnShow() {
  ui().setRange(IDC_CONTENT_COLUMNS_SPIN, kMinColumns, kMaxColumns);
  ReloadFromFormat();
}

void ContentPagePresenter::ReloadFromFormat() {
  page_ = sheet_.editedIndex();
  if (const FormatPage* page = Page()) {
    noSubject = !page->outputSubject();
    table = page->outputList();
    columns = static_cast<std::uint32_t>(page->listColumn());
    datePetMail = page->outputDatePetMail();
    dateEventMail = page->outputDateEventMail();
  }
  ShowValues();
}

void ContentPagePresenter::ShowValues() {
  ui().setChecked(IDC_CONTENT_TABLE, table);
  ui().setText(IDC_CONTENT_COLUMNS, std::to_string(columns));
  ui().setChecked(IDC_CONTENT_NO_SUBJECT, noSubject);
  ui().setChecked(IDC_CONTENT_DATE_PET, datePetMail);
  ui().setChecked(IDC_CONTENT_DATE_EVENT, dateEventMail);
  ApplyLayout();
}

void ContentPagePresenter::ApplyLayout() {
  const bool tableOn = ui().checked(IDC_CONTENT_TABLE);
  ui().enable(IDC_CONTENT_COLUMNS, tableOn);
  ui().enable(IDC_CONTENT_COLUMNS_SPIN, tableOn);
  const FormatPage* page = Page();
  const bool indexPage = page && page->key() == kIndexPageKey;
  for (int box : kMailOnlyBoxes) ui().show(box, !indexPage);
}

void ContentPagePresenter::TakeChecks() {
  table = ui().checked(IDC_CONTENT_TABLE);
  noSubject = ui().checked(IDC_CONTENT_NO_SUBJECT);
  datePetMail = ui().checked(IDC_CONTENT_DATE_PET);
  dateEventMail = ui().checked(IDC_CONTENT_DATE_EVENT);
  if (FormatPage* page = Page()) {
    page->setOutputSubject(!noSubject);
    page->setOutputList(table);
    page->setOutputDatePetMail(datePetMail);
    page->setOutputDateEventMail(dateEventMail);
  }
}

void ContentPagePresenter::OnCommand(int control, ControlEvent event) {
  if (control != IDC_CONTENT_TABLE || event != ControlEvent::Clicked) return;
  // The column count is checked when the page is left; a click takes the boxes only, so
  // that the format page lists the table places of the new layout.
  TakeChecks();
  ApplyLayout();
  if (sendSiblingQuery) sendSiblingQuery(kTableLayoutChanged);
}

bool ContentPagePresenter::OnLeave() {
  std::int32_t taken = 0;
  if (!TakeInteger(ui(), ui_, IDC_CONTENT_COLUMNS, NumberSign::Unsigned, kMinColumns, kMaxColumns, &taken))
    return false;
  columns = static_cast<std::uint32_t>(taken);
  TakeChecks();
  if (FormatPage* page = Page()) page->setListColumn(taken);
  return true;
}

}  // namespace mogura
