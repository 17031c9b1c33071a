#include "presenters/select_html_page.h"

#include "base/cp932.h"
#include "base/string_table.h"
#include "presenters/sheet_ids.h"

namespace mogura {
namespace {

constexpr ControlText kTexts[] = {
    {IDC_HTML_USE_LABEL, IDS_HTML_USE_LABEL}, {IDC_HTML_LIST_LABEL, IDS_HTML_LIST_LABEL},
    {IDC_HTML_CUSTOMIZE, IDS_HTML_CUSTOMIZE}, {IDC_HTML_NEW, IDS_HTML_NEW},
    {IDC_HTML_DELETE, IDS_HTML_DELETE},       {IDC_HTML_COPY, IDS_HTML_COPY},
    {IDC_HTML_IMPORT, IDS_HTML_IMPORT},       {IDC_HTML_EXPORT, IDS_HTML_EXPORT},
    {IDC_HTML_NOTE, IDS_HTML_LIST_NOTE},
};

// The list editing buttons are there, but have no action yet.
constexpr int kInactiveButtons[] = {IDC_HTML_NEW, IDC_HTML_DELETE, IDC_HTML_COPY, IDC_HTML_IMPORT, IDC_HTML_EXPORT};

}  // namespace

std::span<const ControlText> SelectHtmlPagePresenter::FixedTexts() const { return kTexts; }

void SelectHtmlPagePresenter::OnShow() {
  std::vector<std::string> titles;
  int active = -1;
  const HtmlFormat* activeFormat = formats.activeFormat();
  for (const HtmlFormat& format : formats.formats()) {
    if (active < 0 && activeFormat && EqualsNoCase(format.title(), activeFormat->title()))
      active = static_cast<int>(titles.size());
    titles.push_back(format.title());
  }
  for (int list : {IDC_HTML_FORMAT_CHOICE, IDC_HTML_FORMAT_LIST}) {
    ui().setItems(list, titles);
    ui().select(list, active);
  }
  for (int button : kInactiveButtons) ui().enable(button, false);
  UpdateButtons();
}

void SelectHtmlPagePresenter::OnCommand(int control, ControlEvent event) {
  if (control == IDC_HTML_FORMAT_CHOICE && event == ControlEvent::SelectionChanged) {
    const int chosen = ui().selection(IDC_HTML_FORMAT_CHOICE);
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < formats.formats().size())
      formats.setActiveIdentifier(formats.formats()[static_cast<std::size_t>(chosen)].identifier());
  } else if (control == IDC_HTML_FORMAT_LIST && event == ControlEvent::SelectionChanged) {
    UpdateButtons();
  } else if ((control == IDC_HTML_FORMAT_LIST && event == ControlEvent::DoubleClicked) ||
             (control == IDC_HTML_CUSTOMIZE && event == ControlEvent::Clicked)) {
    CustomizeChosen();
  }
}

void SelectHtmlPagePresenter::UpdateButtons() {
  ui().enable(IDC_HTML_CUSTOMIZE, ui().selection(IDC_HTML_FORMAT_LIST) >= 0);
}

void SelectHtmlPagePresenter::CustomizeChosen() {
  const int chosen = ui().selection(IDC_HTML_FORMAT_LIST);
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= formats.formats().size()) return;
  const std::string identifier = formats.formats()[static_cast<std::size_t>(chosen)].identifier();
  if (identifier == kDefaultFormatId) {
    ui_.messageBox(std::string(LoadText(IDS_DEFAULT_NOT_CUSTOMIZABLE)));
    return;
  }
  HtmlFormat* format = formats.findFormat(identifier);
  if (!format) return;
  HtmlFormat copy = *format;
  if (customizer_.Customize(&copy)) *format = std::move(copy);
}

}  // namespace mogura
