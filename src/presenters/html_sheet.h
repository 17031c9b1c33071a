// The customization sheet of one HTML format: its own page choice, reset and preview buttons
// above two tabs, the content options and the place texts of the page being edited.
#pragma once

#include <functional>
#include <string>

#include "html/html_format.h"
#include "presenters/dialog_presenter.h"
#include "platform/user_interaction.h"
#include "presenters/content_page.h"
#include "presenters/format_edit_page.h"

namespace mogura {

// The code the content page sends its siblings after its table box was clicked.
inline constexpr int kTableLayoutChanged = 0x8080;

// Shows a page of a format as the make command would write it, without confirming anything.
class FormatPreviewer {
 public:
  virtual ~FormatPreviewer() = default;
  // Writes page `page` of `format` as a preview and opens it; says why when it cannot.
  virtual void Preview(const HtmlFormat& format, std::size_t page) = 0;
};

class HtmlSheetPresenter : public DialogPresenter {
 public:
  explicit HtmlSheetPresenter(UserInteraction& ui);

  // Before the sheet is shown: the previewer of the preview button (borrowed); without one the
  // button stays disabled.
  void SetPreviewer(FormatPreviewer* previewer) { previewer_ = previewer; }

  // Before the sheet is shown: works on a copy of `format`, editing its first page.
  void SetFormat(const HtmlFormat& format);
  // After OK: the edited copy.
  const HtmlFormat& GetFormat() const { return format_; }
  // "HTML書式 <title> のカスタマイズ".
  std::string Caption() const;

  // The page of the copy being edited; nullptr when the format has no pages.
  FormatPage* EditedPage();
  int editedIndex() const { return edited_; }

  // Delivers a sibling query to every created tab page; true when one handled it. The view
  // may route it through the platform's sheet instead (see content.sendSiblingQuery).
  bool QuerySiblings(int code);

  void OnCommand(int control, ControlEvent event) override;

  // The tabs in order.
  ContentPagePresenter content;
  FormatEditPagePresenter edit;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  void FillPageChoice();
  void ChoosePage(int index);
  void ResetFormat();
  void ReloadCreatedPages();
  // Every created tab page takes what it shows into the page it edits; false when a value
  // must be mended first (the page has said so).
  bool TakeCreatedPages();
  void Preview();

  UserInteraction& ui_;
  FormatPreviewer* previewer_ = nullptr;
  HtmlFormat format_;
  int edited_ = -1;
};

}  // namespace mogura
