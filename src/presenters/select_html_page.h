// "HTML書式": the choice of the active format and the way into its customization.
#pragma once

#include "html/html_format_list.h"
#include "presenters/dialog_presenter.h"
#include "platform/user_interaction.h"

namespace mogura {

// Opens the customization sheet on `format`; true (with `*format` changed) on OK.
class FormatCustomizer {
 public:
  virtual ~FormatCustomizer() = default;
  virtual bool Customize(HtmlFormat* format) = 0;
};

class SelectHtmlPagePresenter : public DialogPresenter {
 public:
  SelectHtmlPagePresenter(UserInteraction& ui, FormatCustomizer& customizer) : ui_(ui), customizer_(customizer) {}

  // The working copy of the format list.
  HtmlFormatList formats;

  void OnCommand(int control, ControlEvent event) override;

 protected:
  std::span<const ControlText> FixedTexts() const override;
  void OnShow() override;

 private:
  void UpdateButtons();
  void CustomizeChosen();

  UserInteraction& ui_;
  FormatCustomizer& customizer_;
};

}  // namespace mogura
