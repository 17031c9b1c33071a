// "書式の編集": the place texts of the page being edited.
#pragma once

#include <cstddef>
#include <vector>

#include "html/format_page.h"
#include "presenters/dialog_presenter.h"

namespace mogura {

class HtmlSheetPresenter;

class FormatEditPagePresenter : public DialogPresenter {
 public:
  explicit FormatEditPagePresenter(HtmlSheetPresenter& sheet) : sheet_(sheet) {}

  // Takes the sheet's edited page and lists its places; the text box is not stored.
  void ReloadFromFormat();

  void OnCommand(int control, ControlEvent event) override;
  bool OnLeave() override;
  bool OnQuerySiblings(int code) override;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override { ReloadFromFormat(); }

 private:
  FormatPage* Page();
  void StoreText();
  void ShowPlace(int place);

  HtmlSheetPresenter& sheet_;
  int page_ = -1;
  int current_ = -1;  // the place whose text the box shows; -1 none
  // The place of each list entry: the Table_ places are left out while the page is no table.
  std::vector<std::size_t> listed_;
};

}  // namespace mogura
