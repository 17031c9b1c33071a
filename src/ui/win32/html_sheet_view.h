// The customization sheet of one HTML format: a page choice, a reset and a preview button of
// its own above the tabs "出力形式の指定" and "書式の編集".
#pragma once

#include <optional>

#include "platform/win32/win32_user_interaction.h"
#include "presenters/html_sheet.h"
#include "ui/win32/presenter_page.h"
#include "ui/win32/win32_dialog_controls.h"

namespace mogura::win32 {

class CSetupHTMLContentPage : public PresenterPage {
 public:
  explicit CSetupHTMLContentPage(ContentPagePresenter& presenter);
};

class CSetupHTMLFormatPage : public PresenterPage {
 public:
  explicit CSetupHTMLFormatPage(FormatEditPagePresenter& presenter);

 protected:
  bool OnInit() override;
};

class CSetupHTMLSheet : public Sheet {
 public:
  CSetupHTMLSheet();

  void SetFormat(const HtmlFormat& format) { presenter_.SetFormat(format); }
  const HtmlFormat& GetFormat() const { return presenter_.GetFormat(); }
  // The previewer of the preview button (borrowed), and the message boxes and wait cursor
  // of this sheet, for the previewer to show its own.
  void SetPreviewer(FormatPreviewer* previewer) { presenter_.SetPreviewer(previewer); }
  UserInteraction& interaction() { return ui_; }
  // Shows the sheet modally; true when it was confirmed with OK.
  bool DoModal(HWND owner);

 protected:
  void OnInitialized() override;
  bool OnCommand(int id, int code) override;

 private:
  void CreateOwnControls();

  Win32Interaction ui_;
  HtmlSheetPresenter presenter_;
  CSetupHTMLContentPage contentPage_;
  CSetupHTMLFormatPage formatPage_;
  std::optional<Win32DialogControls> controls_;
};

}  // namespace mogura::win32
