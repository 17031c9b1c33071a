// "埋め込みワード": the page titles of the three kinds.
#pragma once

#include <string>

#include "presenters/dialog_presenter.h"
#include "settings/word_settings.h"

namespace mogura {

class WordPagePresenter : public DialogPresenter {
 public:
  void SetFrom(const WordSettings& settings);
  WordSettings Values() const;

  void OnCommand(int control, ControlEvent event) override;
  bool OnLeave() override;

  // The three texts, taken as typed.
  std::string diaryTitle, petTitle, eventTitle;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  WordSettings settings_;
};

}  // namespace mogura
