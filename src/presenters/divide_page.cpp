#include "presenters/divide_page.h"

#include <string>

#include "base/string_table.h"
#include "presenters/sheet_ids.h"
#include "presenters/value_checks.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_DIVIDE_VALID, IDS_DIVIDE_VALID},    {IDC_DIVIDE_UNIT_GROUP, IDS_DIVIDE_UNIT_GROUP},
    {IDC_DIVIDE_MONTH, IDS_DIVIDE_MONTH},    {IDC_DIVIDE_WEEK, IDS_DIVIDE_WEEK},
    {IDC_DIVIDE_DAY, IDS_DIVIDE_DAY},        {IDC_DIVIDE_BY_COUNT, IDS_DIVIDE_COUNT},
    {IDC_DIVIDE_COUNT_UNIT, IDS_DIVIDE_COUNT_UNIT}, {IDC_DIVIDE_INDEX, IDS_DIVIDE_INDEX},
    {IDC_DIVIDE_RESET, IDS_RESET},
    {IDC_PUBLISH_GROUP, IDS_PUBLISH_GROUP},    {IDC_PUBLISH_UTF8, IDS_PUBLISH_UTF8},
    {IDC_PUBLISH_KEEP, IDS_PUBLISH_KEEP},      {IDC_PUBLISH_FEED, IDS_PUBLISH_FEED},
    {IDC_PUBLISH_FEED_URL_LABEL, IDS_PUBLISH_FEED_URL_LABEL},
    {IDC_PUBLISH_FEED_COUNT_LABEL, IDS_PUBLISH_FEED_COUNT_LABEL},
};

// Enabled only while the feed is chosen.
constexpr int kFeedControls[] = {IDC_PUBLISH_FEED_URL_LABEL, IDC_PUBLISH_FEED_URL, IDC_PUBLISH_FEED_COUNT_LABEL,
                                 IDC_PUBLISH_FEED_COUNT, IDC_PUBLISH_FEED_COUNT_SPIN};

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

void DividePagePresenter::SetPublishFrom(const PublishSettings& settings) {
  publish_ = settings;
  utf8 = settings.utf8();
  keepUnchanged = settings.keepUnchanged();
  feed = settings.feed();
  feedUrl = settings.feedUrl();
  feedCount = settings.feedCount();
}

PublishSettings DividePagePresenter::PublishValues() const {
  PublishSettings out = publish_;
  if (utf8 != out.utf8()) out.setUtf8(utf8);  // a stored name that means the same stays as it is
  out.setKeepUnchanged(keepUnchanged);
  out.setFeedUrl(feed ? feedUrl : std::string());
  out.setFeedCount(feedCount);
  return out;
}

void DividePagePresenter::OnShow() {
  ui().setRange(IDC_DIVIDE_COUNT_SPIN, kMinCount, kMaxCount);
  ui().setRange(IDC_PUBLISH_FEED_COUNT_SPIN, PublishSettings::kMinFeedCount, PublishSettings::kMaxFeedCount);
  ShowValues();
}

void DividePagePresenter::ShowValues() {
  ui().setChecked(IDC_DIVIDE_VALID, divide);
  for (int i = 0; i < 4; ++i) ui().setChecked(kUnitRadios[i], unit == i);
  ui().setText(IDC_DIVIDE_COUNT, std::to_string(count));
  ui().setChecked(IDC_DIVIDE_INDEX, index);
  ui().setChecked(IDC_PUBLISH_UTF8, utf8);
  ui().setChecked(IDC_PUBLISH_KEEP, keepUnchanged);
  ui().setChecked(IDC_PUBLISH_FEED, feed);
  ui().setText(IDC_PUBLISH_FEED_URL, feedUrl);
  ui().setText(IDC_PUBLISH_FEED_COUNT, std::to_string(feedCount));
  ApplyEnabling();
}

void DividePagePresenter::TakeChoices() {
  divide = ui().checked(IDC_DIVIDE_VALID);
  index = ui().checked(IDC_DIVIDE_INDEX);
  utf8 = ui().checked(IDC_PUBLISH_UTF8);
  keepUnchanged = ui().checked(IDC_PUBLISH_KEEP);
  feed = ui().checked(IDC_PUBLISH_FEED);
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
  const bool withFeed = ui().checked(IDC_PUBLISH_FEED);
  for (int control : kFeedControls) ui().enable(control, withFeed);
}

void DividePagePresenter::OnCommand(int control, ControlEvent event) {
  if (event != ControlEvent::Clicked) return;
  if (control == IDC_DIVIDE_RESET) {
    SetFrom(DivideSettings());
    SetPublishFrom(PublishSettings());
    ShowValues();
    return;
  }
  if (control == IDC_DIVIDE_VALID || control == kUnitRadios[0] || control == kUnitRadios[1] ||
      control == kUnitRadios[2] || control == kUnitRadios[kCountUnit] || control == IDC_PUBLISH_FEED) {
    // Only the choices are taken here; the count is checked when the page is left.
    TakeChoices();
    ApplyEnabling();
  }
}

bool DividePagePresenter::OnLeave() {
  std::int32_t taken = 0;
  // Checked even while its box is disabled.
  if (!TakeInteger(ui(), ui_, IDC_DIVIDE_COUNT, NumberSign::Signed, kMinCount, kMaxCount, &taken)) return false;
  std::int32_t takenFeedCount = 0;
  if (!TakeInteger(ui(), ui_, IDC_PUBLISH_FEED_COUNT, NumberSign::Signed, PublishSettings::kMinFeedCount,
                   PublishSettings::kMaxFeedCount, &takenFeedCount))
    return false;
  // The address is checked only when a feed is to be written; otherwise it is kept as typed.
  std::string url = ui().text(IDC_PUBLISH_FEED_URL);
  if (ui().checked(IDC_PUBLISH_FEED) && !TakeWebAddress(ui(), ui_, IDC_PUBLISH_FEED_URL, &url)) return false;
  TakeChoices();
  count = taken;
  feedCount = takenFeedCount;
  feedUrl = url;
  return true;
}

}  // namespace mogura
