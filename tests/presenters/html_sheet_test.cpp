// The format customization sheet: the page choice, the reset question, the content options
// with their layout and check, and the place texts with their line breaks.
#include "presenters/html_sheet.h"

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "html/html_format_list.h"
#include "presenters/sheet_ids.h"
#include "support/fake_controls.h"
#include "support/machine.h"

namespace mogura {
namespace {

using test::FakeControls;

HtmlFormat UserFormat() {
  HtmlFormat format{std::string(kUserFormatId), "Mine"};
  format.Reset();
  return format;
}

class HtmlSheetTest : public ::testing::Test {
 protected:
  HtmlSheetTest() {
    sheet.SetFormat(UserFormat());
    sheet.Attach(sheetControls);
    sheet.content.Attach(contentControls);  // the first tab is shown with the sheet
  }

  void ShowEditTab() { sheet.edit.Attach(editControls); }
  void ChoosePage(int index) {
    sheetControls.select(IDC_FORMAT_PAGE_CHOICE, index);
    sheet.OnCommand(IDC_FORMAT_PAGE_CHOICE, ControlEvent::SelectionChanged);
  }
  void ChoosePlace(int entry) {
    editControls.select(IDC_EDIT_PLACES, entry);
    sheet.edit.OnCommand(IDC_EDIT_PLACES, ControlEvent::SelectionChanged);
  }
  void ClickTable() {
    contentControls.click(IDC_CONTENT_TABLE);
    sheet.content.OnCommand(IDC_CONTENT_TABLE, ControlEvent::Clicked);
  }
  const FormatPage& Mail() const { return *sheet.GetFormat().findPage(PageKind::Mail); }
  const FormatPage& Index() const { return *sheet.GetFormat().findPage(PageKind::Index); }

  test::ScriptedInteraction ui;
  HtmlSheetPresenter sheet{ui};
  FakeControls sheetControls, contentControls, editControls;
};

TEST_F(HtmlSheetTest, OpensOnTheFirstPageWithTheFormatTitleInItsCaption) {
  EXPECT_EQ(sheet.Caption(), FormatText(LoadText(IDS_FORMAT_SHEET_CAPTION), "Mine"));
  EXPECT_EQ(sheetControls[IDC_FORMAT_PAGE_CHOICE].items,
            (std::vector<std::string>{std::string(LoadText(IDS_FORMAT_PAGE_MAIL)),
                                      std::string(LoadText(IDS_FORMAT_PAGE_INDEX))}));
  EXPECT_EQ(sheetControls[IDC_FORMAT_PAGE_CHOICE].selection, 0);
  EXPECT_EQ(sheetControls[IDC_FORMAT_RESET].text, LoadText(IDS_RESET));
  EXPECT_EQ(contentControls[IDC_CONTENT_COLUMNS_SPIN].rangeHigh, 16);
  EXPECT_EQ(contentControls[IDC_CONTENT_COLUMNS].text, "3");
  EXPECT_TRUE(contentControls[IDC_CONTENT_NO_SUBJECT].checked);  // the mail page has no subject line
  EXPECT_FALSE(contentControls[IDC_CONTENT_COLUMNS].enabled);
}

TEST_F(HtmlSheetTest, TheIndexPageShowsOnlyTheTableOptions) {
  ChoosePage(1);
  for (int box : {IDC_CONTENT_NO_SUBJECT, IDC_CONTENT_DATE_PET, IDC_CONTENT_DATE_EVENT})
    EXPECT_FALSE(contentControls[box].visible) << box;
  EXPECT_TRUE(contentControls[IDC_CONTENT_TABLE].visible);
  EXPECT_TRUE(contentControls[IDC_CONTENT_COLUMNS].visible);
  ChoosePage(0);
  EXPECT_TRUE(contentControls[IDC_CONTENT_DATE_PET].visible);
}

TEST_F(HtmlSheetTest, ColumnCountIsAPositiveIntegerUpToSixteen) {
  ClickTable();
  EXPECT_TRUE(contentControls[IDC_CONTENT_COLUMNS].enabled);
  for (const char* text : {"-1", "x", ""}) {
    contentControls.setText(IDC_CONTENT_COLUMNS, text);
    EXPECT_FALSE(sheet.content.OnLeave()) << text;
    EXPECT_EQ(ui.messages.back().text, LoadText(IDS_ENTER_UNSIGNED)) << text;
  }
  for (const char* text : {"0", "17"}) {
    contentControls.setText(IDC_CONTENT_COLUMNS, text);
    EXPECT_FALSE(sheet.content.OnLeave()) << text;
    EXPECT_EQ(ui.messages.back().text, FormatArguments(LoadText(IDS_ENTER_INTEGER_RANGE), {"1", "16"}));
    EXPECT_EQ(contentControls.focused, IDC_CONTENT_COLUMNS);
  }
  contentControls.setText(IDC_CONTENT_COLUMNS, "16");
  contentControls.click(IDC_CONTENT_DATE_EVENT);
  contentControls.click(IDC_CONTENT_NO_SUBJECT);
  ASSERT_TRUE(sheet.content.OnLeave());
  EXPECT_EQ(Mail().listColumn(), 16);
  EXPECT_TRUE(Mail().outputList());
  EXPECT_TRUE(Mail().outputDateEventMail());
  EXPECT_TRUE(Mail().outputSubject());
}

TEST_F(HtmlSheetTest, TableBoxShowsAndHidesTheTablePlacesAtTheEnd) {
  ShowEditTab();
  const std::size_t all = Mail().places().size();
  EXPECT_EQ(editControls[IDC_EDIT_PLACES].items.size(), all - 6);  // no table: no Table_ places
  ClickTable();  // the sibling query makes the format tab list them again
  const std::vector<std::string>& listed = editControls[IDC_EDIT_PLACES].items;
  ASSERT_EQ(listed.size(), all);
  EXPECT_EQ(listed.back(), Mail().places().back().title());
  EXPECT_EQ(listed[all - 6], LoadText(IDS_PLACE_TABLE_HEADER));
  ClickTable();
  EXPECT_EQ(editControls[IDC_EDIT_PLACES].items.size(), all - 6);
  // Other codes are no business of the format tab.
  EXPECT_FALSE(sheet.QuerySiblings(0x8081));
}

TEST_F(HtmlSheetTest, PlaceEditsSurvivePlaceAndPageSwitches) {
  ShowEditTab();
  EXPECT_EQ(editControls[IDC_EDIT_PLACES].selection, 0);
  // The header's LF line breaks are shown as CR LF.
  EXPECT_EQ(editControls[IDC_EDIT_TEXT].text.find("<html>\r\n<head>"), 0u);

  editControls.setText(IDC_EDIT_TEXT, "<html>\r\n<body>\r\n\x83\x5c\r");
  ChoosePlace(1);
  EXPECT_EQ(editControls[IDC_EDIT_TEXT].text, "</body>\r\n</html>\r\n");
  ChoosePlace(0);
  EXPECT_EQ(editControls[IDC_EDIT_TEXT].text, "<html>\r\n<body>\r\n\x83\x5c\r");
  EXPECT_EQ(Mail().places()[0].text(), "<html>\n<body>\n\x83\x5c\r");  // a lone CR stays

  editControls.setText(IDC_EDIT_TEXT, "mail page header");
  ChoosePage(1);
  EXPECT_EQ(Mail().places()[0].text(), "mail page header");
  EXPECT_EQ(editControls[IDC_EDIT_PLACES].items.size(), 3u);  // Header, Footer, IndexItem
  EXPECT_EQ(editControls[IDC_EDIT_TEXT].text.find("<html>"), 0u);
  editControls.setText(IDC_EDIT_TEXT, "index header");
  ASSERT_TRUE(sheet.edit.OnLeave());
  EXPECT_EQ(Index().places()[0].text(), "index header");
  EXPECT_EQ(Mail().places()[0].text(), "mail page header");
}

TEST_F(HtmlSheetTest, PageSwitchWaitsForAValidColumnCount) {
  contentControls.setText(IDC_CONTENT_COLUMNS, "99");
  ChoosePage(1);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(sheetControls[IDC_FORMAT_PAGE_CHOICE].selection, 0);
  EXPECT_EQ(sheet.editedIndex(), 0);
  contentControls.setText(IDC_CONTENT_COLUMNS, "4");
  ChoosePage(1);
  EXPECT_EQ(sheet.editedIndex(), 1);
  EXPECT_EQ(Mail().listColumn(), 4);
  EXPECT_EQ(contentControls[IDC_CONTENT_COLUMNS].text, "3");  // the index page's own count
}

TEST_F(HtmlSheetTest, ResetAsksAndOnYesRestoresEveryPage) {
  ShowEditTab();
  ClickTable();
  editControls.setText(IDC_EDIT_TEXT, "changed");
  ChoosePage(1);
  editControls.setText(IDC_EDIT_TEXT, "also changed");
  ASSERT_TRUE(sheet.edit.OnLeave());
  const HtmlFormat changed = sheet.GetFormat();

  ui.answer = MessageAnswer::No;
  sheetControls.click(IDC_FORMAT_RESET);
  sheet.OnCommand(IDC_FORMAT_RESET, ControlEvent::Clicked);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, LoadText(IDS_FORMAT_RESET_QUESTION));
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(ui.messages[0].defaultAnswer, MessageAnswer::No);
  EXPECT_EQ(sheet.GetFormat(), changed);
  EXPECT_EQ(editControls[IDC_EDIT_TEXT].text, "also changed");

  ui.answer = MessageAnswer::Yes;
  editControls.setText(IDC_EDIT_TEXT, "typed, not taken");
  sheet.OnCommand(IDC_FORMAT_RESET, ControlEvent::Clicked);
  EXPECT_EQ(sheet.GetFormat(), UserFormat());  // the mail page too, though not chosen
  EXPECT_EQ(sheet.editedIndex(), 1);           // the page still chosen
  EXPECT_EQ(editControls[IDC_EDIT_TEXT].text.find("<html>"), 0u);
  EXPECT_FALSE(contentControls[IDC_CONTENT_TABLE].checked);
}

TEST_F(HtmlSheetTest, PlacesStoredInAnyOrderAreEditedWhereTheyAre) {
  // A hand-edited store may list a Table_ place first: each list entry still edits its own place.
  HtmlFormat format = UserFormat();
  auto& places = format.pages()[0].places();
  std::rotate(places.begin(), places.end() - 1, places.end());  // Table_FotterColumn first
  HtmlSheetPresenter other{ui};
  FakeControls own, content, edit;
  other.SetFormat(format);
  other.Attach(own);
  other.content.Attach(content);
  other.edit.Attach(edit);
  EXPECT_EQ(edit[IDC_EDIT_PLACES].items.front(), LoadText(IDS_PLACE_HEADER));
  edit.setText(IDC_EDIT_TEXT, "header");
  edit.select(IDC_EDIT_PLACES, 1);
  other.edit.OnCommand(IDC_EDIT_PLACES, ControlEvent::SelectionChanged);
  EXPECT_EQ(other.GetFormat().pages()[0].findPlace("Header")->text(), "header");
  EXPECT_EQ(other.GetFormat().pages()[0].places()[0].text(), format.pages()[0].places()[0].text());
}

TEST_F(HtmlSheetTest, AFormatWithoutPagesShowsNothingAndKeepsNothing) {
  HtmlSheetPresenter empty{ui};
  FakeControls own, content, edit;
  empty.SetFormat(HtmlFormat("X", "X"));
  empty.Attach(own);
  empty.content.Attach(content);
  empty.edit.Attach(edit);
  EXPECT_TRUE(edit[IDC_EDIT_PLACES].items.empty());
  edit.setText(IDC_EDIT_TEXT, "lost");
  EXPECT_TRUE(empty.edit.OnLeave());
  EXPECT_TRUE(empty.content.OnLeave());
  EXPECT_TRUE(empty.GetFormat().pages().empty());
}

// Records what it was asked to show: the format copy as it was at the click, and the page.
class RecordingPreviewer : public FormatPreviewer {
 public:
  void Preview(const HtmlFormat& format, std::size_t page) override { shown.push_back({format, page}); }
  std::vector<std::pair<HtmlFormat, std::size_t>> shown;
};

TEST_F(HtmlSheetTest, PreviewShowsTheEditedPageWithEverythingTypedSoFar) {
  // Without a previewer the button cannot be pressed.
  EXPECT_FALSE(sheetControls[IDC_FORMAT_PREVIEW].enabled);
  RecordingPreviewer previewer;
  HtmlSheetPresenter withPreview{ui};
  withPreview.SetPreviewer(&previewer);
  FakeControls own, content, edit;
  withPreview.SetFormat(UserFormat());
  withPreview.Attach(own);
  withPreview.content.Attach(content);
  EXPECT_EQ(own[IDC_FORMAT_PREVIEW].text, LoadText(IDS_FORMAT_PREVIEW));
  EXPECT_TRUE(own[IDC_FORMAT_PREVIEW].enabled);

  // A place text typed on the format tab and a table ticked on the content tab, neither left.
  withPreview.edit.Attach(edit);
  content.click(IDC_CONTENT_TABLE);
  content.setText(IDC_CONTENT_COLUMNS, "5");
  edit.setText(IDC_EDIT_TEXT, "<html>typed");
  withPreview.OnCommand(IDC_FORMAT_PREVIEW, ControlEvent::Clicked);
  ASSERT_EQ(previewer.shown.size(), 1u);
  EXPECT_EQ(previewer.shown[0].second, 0u);
  const FormatPage& shownMail = previewer.shown[0].first.pages()[0];
  EXPECT_EQ(shownMail.places()[0].text(), "<html>typed");
  EXPECT_TRUE(shownMail.outputList());
  EXPECT_EQ(shownMail.listColumn(), 5);

  // The index page, once chosen, is the one shown.
  own.select(IDC_FORMAT_PAGE_CHOICE, 1);
  withPreview.OnCommand(IDC_FORMAT_PAGE_CHOICE, ControlEvent::SelectionChanged);
  withPreview.OnCommand(IDC_FORMAT_PREVIEW, ControlEvent::Clicked);
  ASSERT_EQ(previewer.shown.size(), 2u);
  EXPECT_EQ(previewer.shown[1].second, 1u);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(HtmlSheetTest, PreviewRefusesAColumnCountOutOfRangeAndShowsNothing) {
  RecordingPreviewer previewer;
  sheet.SetPreviewer(&previewer);
  contentControls.click(IDC_CONTENT_TABLE);
  contentControls.setText(IDC_CONTENT_COLUMNS, "17");
  sheet.OnCommand(IDC_FORMAT_PREVIEW, ControlEvent::Clicked);
  EXPECT_TRUE(previewer.shown.empty());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, FormatArguments(LoadText(IDS_ENTER_INTEGER_RANGE), {"1", "16"}));
  EXPECT_EQ(contentControls.focused, IDC_CONTENT_COLUMNS);
  EXPECT_EQ(Mail().listColumn(), 3);  // nothing was taken
  contentControls.setText(IDC_CONTENT_COLUMNS, "16");
  sheet.OnCommand(IDC_FORMAT_PREVIEW, ControlEvent::Clicked);
  ASSERT_EQ(previewer.shown.size(), 1u);
  EXPECT_EQ(previewer.shown[0].first.pages()[0].listColumn(), 16);
}

}  // namespace
}  // namespace mogura
