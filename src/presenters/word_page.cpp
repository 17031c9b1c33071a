#include "presenters/word_page.h"

#include "base/string_table.h"
#include "presenters/sheet_ids.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_WORD_NOTE, IDS_WORD_NOTE},           {IDC_WORD_DIARY_LABEL, IDS_WORD_DIARY_LABEL},
    {IDC_WORD_PET_LABEL, IDS_WORD_PET_LABEL}, {IDC_WORD_EVENT_LABEL, IDS_WORD_EVENT_LABEL},
    {IDC_WORD_RESET, IDS_RESET},
};

}  // namespace

std::span<const ControlText> WordPagePresenter::FixedTexts() const { return kTexts; }

void WordPagePresenter::SetFrom(const WordSettings& settings) {
  settings_ = settings;
  diaryTitle = settings.diaryTitle;
  petTitle = settings.petTitle;
  eventTitle = settings.eventTitle;
}

WordSettings WordPagePresenter::Values() const {
  WordSettings out = settings_;
  out.diaryTitle = diaryTitle;
  out.petTitle = petTitle;
  out.eventTitle = eventTitle;
  return out;
}

void WordPagePresenter::OnShow() {
  ui().setText(IDC_WORD_DIARY, diaryTitle);
  ui().setText(IDC_WORD_PET, petTitle);
  ui().setText(IDC_WORD_EVENT, eventTitle);
}

void WordPagePresenter::OnCommand(int control, ControlEvent event) {
  if (control != IDC_WORD_RESET || event != ControlEvent::Clicked) return;
  SetFrom(WordSettings());
  OnShow();
}

bool WordPagePresenter::OnLeave() {
  diaryTitle = ui().text(IDC_WORD_DIARY);
  petTitle = ui().text(IDC_WORD_PET);
  eventTitle = ui().text(IDC_WORD_EVENT);
  return true;
}

}  // namespace mogura
