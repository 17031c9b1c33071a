#include "settings/sheets/divide_page.h"

#include <string>

#include "base/string_table.h"
#include "settings/sheets/sheet_ids.h"
#include "settings/sheets/value_checks.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_DIVIDE_VALID, IDS_DIVIDE_VALID},    {IDC_DIVIDE_UNIT_GROUP, IDS_DIVIDE_UNIT_GROUP},
    {IDC_DIVIDE_MONTH, IDS_DIVIDE_MONTH},    {IDC_DIVIDE_WEEK, IDS_DIVIDE_WEEK},
    {IDC_DIVIDE_DAY, IDS_DIVIDE_DAY},        {IDC_DIVIDE_BY_COUNT, IDS_DIVIDE_COUNT},
    {IDC_DIVIDE_COUNT_UNIT, IDS_DIVIDE_COUNT_UNIT}, {IDC_DIVIDE_INDEX, IDS_DIVIDE_INDEX},
    {IDC_DIVIDE_RESET, IDS_RESET},
};

// The unit radios in the order of their values.
constexpr int kUnitRadios[] = {IDC_DIVIDE_MONTH, IDC_DIVIDE_WEEK, IDC_DIVIDE_DAY, IDC_DIVIDE_BY_COUNT};
constexpr int kCountUnit = 3;

}  // namespace

std::span<const ControlText> DividePagePresenter::FixedTexts() const { return kTexts; }

void DividePagePresenter::SetFrom(const DivideSettings& settings) {
  settings_ = settings;
  count = settings.count();
  unit = settings.type();
  index = settings.outputIndex();
  divide = settings.valid();
}

DivideSettings DividePagePresenter::Values() const {
  DivideSettings out = settings_;
  out.setCount(count);
  out.setType(unit);
  out.setOutputIndex(index);
  out.setValid(divide);
  return out;
}

void DividePagePresenter::OnShow() {
  ui().setRange(IDC_DIVIDE_COUNT_SPIN, kMinCount, kMaxCount);
  ShowValues();
}

void DividePagePresenter::ShowValues() {
  ui().setChecked(IDC_DIVIDE_VALID, divide);
  for (int i = 0; i < 4; ++i) ui().setChecked(kUnitRadios[i], unit == i);
  ui().setText(IDC_DIVIDE_COUNT, std::to_string(count));
  ui().setChecked(IDC_DIVIDE_INDEX, index);
  ApplyEnabling();
}

void DividePagePresenter::TakeChoices() {
  divide = ui().checked(IDC_DIVIDE_VALID);
  index = ui().checked(IDC_DIVIDE_INDEX);
  unit = -1;
  for (int i = 0; i < 4; ++i) {
    if (ui().checked(kUnitRadios[i])) unit = i;
  }
}

void DividePagePresenter::ApplyEnabling() {
  const bool on = ui().checked(IDC_DIVIDE_VALID);
  for (int radio : kUnitRadios) ui().enable(radio, on);
  for (int control : {IDC_DIVIDE_COUNT, IDC_DIVIDE_COUNT_SPIN, IDC_DIVIDE_INDEX}) ui().enable(control, on);
  if (ui().enabled(IDC_DIVIDE_BY_COUNT)) {
    const bool byCount = ui().checked(IDC_DIVIDE_BY_COUNT);
    ui().enable(IDC_DIVIDE_COUNT, byCount);
    ui().enable(IDC_DIVIDE_COUNT_SPIN, byCount);
  }
}

void DividePagePresenter::OnCommand(int control, ControlEvent event) {
  if (event != ControlEvent::Clicked) return;
  if (control == IDC_DIVIDE_RESET) {
    SetFrom(DivideSettings());
    ShowValues();
    return;
  }
  if (control == IDC_DIVIDE_VALID || control == kUnitRadios[0] || control == kUnitRadios[1] ||
      control == kUnitRadios[2] || control == kUnitRadios[kCountUnit]) {
    // Only the choices are taken here; the count is checked when the page is left.
    TakeChoices();
    ApplyEnabling();
  }
}

bool DividePagePresenter::OnLeave() {
  std::int32_t taken = 0;
  // Checked even while its box is disabled.
  if (!TakeInteger(ui(), ui_, IDC_DIVIDE_COUNT, NumberSign::Signed, kMinCount, kMaxCount, &taken)) return false;
  TakeChoices();
  count = taken;
  return true;
}

}  // namespace mogura
