// "出力形式の指定": the content options of the page being edited.
#pragma once

#include <cstdint>
#include <functional>

#include "html/format_page.h"
#include "presenters/dialog_presenter.h"
#include "platform/user_interaction.h"

namespace mogura {

class HtmlSheetPresenter;

class ContentPagePresenter : public DialogPresenter {
 public:
  static constexpr int kMinColumns = 1;
  static constexpr int kMaxColumns = 16;

  ContentPagePresenter(HtmlSheetPresenter& sheet, UserInteraction& ui);

  // Takes the sheet's edited page and shows its options.
  void ReloadFromFormat();

  void OnCommand(int control, ControlEvent event) override;
  bool OnLeave() override;

  // Sends a query to the sibling pages; the sheet's own delivery unless the view routes it.
  std::function<bool(int code)> sendSiblingQuery;

  // The page values.
  std::uint32_t columns = FormatPage::kDefaultListColumn;
  bool table = false;
  bool noSubject = false;
  bool datePetMail = false;
  bool dateEventMail = false;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  FormatPage* Page();
  void ShowValues();
  void TakeChecks();
  void ApplyLayout();

  HtmlSheetPresenter& sheet_;
  UserInteraction& ui_;
  int page_ = -1;  // the page of the format it edits; -1 none
};

}  // namespace mogura
