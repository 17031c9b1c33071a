// "ファイル出力": whether and how the output is divided into pages, and how the files are
// published (their charset, unchanged files kept, the feed).
#pragma once

#include <cstdint>
#include <string>

#include "html/divide_settings.h"
#include "html/publish_settings.h"
#include "presenters/dialog_presenter.h"
#include "platform/user_interaction.h"

namespace mogura {

class DividePagePresenter : public DialogPresenter {
 public:
  static constexpr int kMinCount = 1;
  static constexpr int kMaxCount = 512;

  explicit DividePagePresenter(UserInteraction& ui) : ui_(ui) {}

  // Takes a copy of `settings` and sets the four page values from it.
  void SetFrom(const DivideSettings& settings);
  // The page values as settings; a unit outside 0-3 (no radio chosen) becomes month.
  DivideSettings Values() const;
  // The same for the publishing values.
  void SetPublishFrom(const PublishSettings& settings);
  PublishSettings PublishValues() const;

  void OnCommand(int control, ControlEvent event) override;
  bool OnLeave() override;

  // The page values.
  std::int32_t count = 0;
  int unit = 0;  // radio index: 0 month, 1 week, 2 day, 3 count; -1 none chosen
  bool index = false;
  bool divide = false;
  bool utf8 = false;
  bool keepUnchanged = true;
  bool feed = false;
  std::string feedUrl;
  std::int32_t feedCount = PublishSettings::kDefaultFeedCount;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  void ShowValues();
  void TakeChoices();
  void ApplyEnabling();

  UserInteraction& ui_;
  DivideSettings settings_;
  PublishSettings publish_;
};

}  // namespace mogura
