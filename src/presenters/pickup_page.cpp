#include "presenters/pickup_page.h"

#include "base/string_table.h"
#include "presenters/sheet_ids.h"
#include "presenters/value_checks.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_PICKUP_NOTE, IDS_PICKUP_NOTE},         {IDC_PICKUP_BEGIN_LABEL, IDS_PICKUP_BEGIN},
    {IDC_PICKUP_END_LABEL, IDS_PICKUP_END},     {IDC_PICKUP_RESET, IDS_RESET},
    {IDC_PICKUP_USE_NAME, IDS_PICKUP_USE_NAME}, {IDC_PICKUP_NAME_LABEL, IDS_PICKUP_NAME},
    {IDC_PICKUP_NAME_NOTE, IDS_PICKUP_NAME_NOTE},
};

}  // namespace

std::span<const ControlText> PickupPagePresenter::FixedTexts() const { return kTexts; }

void PickupPagePresenter::OnShow() {
  ui().setDate(IDC_PICKUP_BEGIN, {pickup.BeginDate(), pickup.EnableBeginDate()});
  ui().setDate(IDC_PICKUP_END, {pickup.EndDate(), pickup.EnableEndDate()});
  ui().setChecked(IDC_PICKUP_USE_NAME, pickup.UsePetName());
  ui().limitText(IDC_PICKUP_NAME, static_cast<int>(kMaxPetNameCharacters));
  ui().setText(IDC_PICKUP_NAME, pickup.PetName1());
  ApplyEnabling();
}

void PickupPagePresenter::ApplyEnabling() {
  ui().enable(IDC_PICKUP_NAME, ui().checked(IDC_PICKUP_USE_NAME));
}

void PickupPagePresenter::OnCommand(int control, ControlEvent event) {
  if (event != ControlEvent::Clicked) return;
  if (control == IDC_PICKUP_RESET) {
    pickup.Reset();
    OnShow();
  } else if (control == IDC_PICKUP_USE_NAME) {
    pickup.SetUsePetName(ui().checked(IDC_PICKUP_USE_NAME));
    ApplyEnabling();
  }
}

bool PickupPagePresenter::OnLeave() {
  std::string name;
  if (!TakeLimitedText(ui(), ui_, IDC_PICKUP_NAME, kMaxPetNameCharacters, &name)) return false;
  const DateField begin = ui().date(IDC_PICKUP_BEGIN);
  const DateField end = ui().date(IDC_PICKUP_END);
  // The bounds cover whole days: SetBeginDate and SetEndDate take the calendar day only.
  if (begin.ticked) pickup.SetBeginDate(begin.date);
  if (end.ticked) pickup.SetEndDate(end.date);
  pickup.SetEnables(begin.ticked, end.ticked);
  pickup.SetPetName1(std::move(name));
  pickup.SetUsePetName(ui().checked(IDC_PICKUP_USE_NAME));
  return true;
}

}  // namespace mogura
