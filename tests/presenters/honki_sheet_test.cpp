// The advanced settings sheet's pages as a user meets them: what each page shows, the checks
// that keep the user on a page, the resets, and what goes back into the settings on OK.
#include "presenters/honki_sheet.h"

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "platform/clock.h"
#include "presenters/sheet_ids.h"
#include "support/fake_controls.h"
#include "support/machine.h"

namespace mogura {
namespace {

using test::FakeControls;

DateTime FixedNow() { return DateTime::Make(2026, 12, 9, 10, 30, 0); }

class RecordingCustomizer : public FormatCustomizer {
 public:
  bool Customize(HtmlFormat* format) override {
    opened.push_back(format->identifier());
    if (!confirm) return false;
    format->pages().front().setOutputList(true);
    format->pages().front().places().front().setText("<html><!-- mine -->");
    return true;
  }
  bool confirm = true;
  std::vector<std::string> opened;
};

class HonkiSheetTest : public ::testing::Test {
 protected:
  HonkiSheetTest() : previous_(SetLocalClock(&FixedNow)) {
    settings.petFolders.AddFolder("C:\\Kurumin\\\x8e\xf3\x90\x4d\x83\x74\x83\x48\x83\x8b\x83\x5f\\");
    divideControls.addRadioGroup({IDC_DIVIDE_MONTH, IDC_DIVIDE_WEEK, IDC_DIVIDE_DAY, IDC_DIVIDE_BY_COUNT});
  }
  ~HonkiSheetTest() override { SetLocalClock(previous_); }

  // Shows a page: its controls exist from now on.
  void Show(DialogPresenter& page, FakeControls& controls) { page.Attach(controls); }
  void Click(DialogPresenter& page, FakeControls& controls, int id) {
    controls.click(id);
    page.OnCommand(id, ControlEvent::Clicked);
  }
  void Choose(DialogPresenter& page, FakeControls& controls, int id, int index) {
    controls.select(id, index);
    page.OnCommand(id, ControlEvent::SelectionChanged);
  }
  std::string LastMessage() const { return ui.messages.empty() ? std::string() : ui.messages.back().text; }

  AppSettings settings;
  test::ScriptedInteraction ui;
  RecordingCustomizer customizer;
  test::ScriptedFolderChooser chooser;
  HonkiSheetPresenter sheet{ui, customizer, chooser};
  FakeControls htmlControls, divideControls, wordControls, pickupControls, petControls;

 private:
  LocalClockFunction previous_;
};

TEST_F(HonkiSheetTest, UnshownPagesGiveBackWhatTheyWereGiven) {
  settings.divide.setValid(true);
  settings.divide.setCount(40);
  settings.words.petTitle = "Pet";
  settings.pickup.SetPetName1("Mogu");
  settings.pickup.SetUsePetName(true);
  const AppSettings before = settings;
  sheet.LoadFrom(settings);
  AppSettings after;
  sheet.StoreTo(after);
  EXPECT_EQ(after.formats, before.formats);
  EXPECT_EQ(after.divide, before.divide);
  EXPECT_EQ(after.words.petTitle, "Pet");
  EXPECT_EQ(after.pickup.PetName1(), "Mogu");
  EXPECT_TRUE(after.pickup.UsePetName());
  EXPECT_EQ(after.petFolders.Folders(), before.petFolders.Folders());
}

TEST_F(HonkiSheetTest, StoringMendsATickedEmptyPetNameAndAnUnknownUnit) {
  settings.pickup.SetUsePetName(true);
  settings.divide.setCount(5);
  sheet.LoadFrom(settings);
  sheet.divide.unit = 7;  // as from a store written by hand
  sheet.StoreTo(settings);
  EXPECT_FALSE(settings.pickup.UsePetName());
  EXPECT_EQ(settings.divide.type(), 0);
  EXPECT_EQ(settings.divide.count(), 5);
}

TEST_F(HonkiSheetTest, FormatPageChoosesTheActiveFormatAndCustomizesOnlyUserFormats) {
  settings.formats.setActiveIdentifier("UserSetting");
  sheet.LoadFrom(settings);
  Show(sheet.html, htmlControls);
  EXPECT_EQ(htmlControls[IDC_HTML_FORMAT_CHOICE].items.size(), 2u);
  EXPECT_EQ(htmlControls[IDC_HTML_FORMAT_CHOICE].selection, 0);
  EXPECT_EQ(htmlControls[IDC_HTML_FORMAT_LIST].selection, 0);
  EXPECT_EQ(htmlControls[IDC_HTML_USE_LABEL].text, LoadText(IDS_HTML_USE_LABEL));
  for (int button : {IDC_HTML_NEW, IDC_HTML_DELETE, IDC_HTML_COPY, IDC_HTML_IMPORT, IDC_HTML_EXPORT})
    EXPECT_FALSE(htmlControls[button].enabled);
  EXPECT_TRUE(htmlControls[IDC_HTML_CUSTOMIZE].enabled);

  // The built-in format cannot be customized: a message, and the sheet is not opened.
  Choose(sheet.html, htmlControls, IDC_HTML_FORMAT_LIST, 1);
  Click(sheet.html, htmlControls, IDC_HTML_CUSTOMIZE);
  EXPECT_EQ(LastMessage(), LoadText(IDS_DEFAULT_NOT_CUSTOMIZABLE));
  EXPECT_EQ(ui.messages.back().icon, MessageIcon::Default);
  EXPECT_TRUE(customizer.opened.empty());

  // The user format opens by double click as by the button; OK replaces the list copy's format.
  Choose(sheet.html, htmlControls, IDC_HTML_FORMAT_LIST, 0);
  sheet.html.OnCommand(IDC_HTML_FORMAT_LIST, ControlEvent::DoubleClicked);
  ASSERT_EQ(customizer.opened, std::vector<std::string>{"UserSetting"});
  EXPECT_TRUE(sheet.html.formats.findFormat("UserSetting")->pages().front().outputList());
  // ... while the settings themselves only change when the sheet is confirmed.
  EXPECT_FALSE(settings.formats.findFormat("UserSetting")->pages().front().outputList());

  customizer.confirm = false;
  sheet.html.formats.findFormat("UserSetting")->pages().front().setOutputList(false);
  Click(sheet.html, htmlControls, IDC_HTML_CUSTOMIZE);
  EXPECT_FALSE(sheet.html.formats.findFormat("UserSetting")->pages().front().outputList());

  // Choosing in the drop-down list changes the active format.
  Choose(sheet.html, htmlControls, IDC_HTML_FORMAT_CHOICE, 1);
  sheet.StoreTo(settings);
  EXPECT_EQ(settings.formats.activeIdentifier(), "Default");
}

TEST_F(HonkiSheetTest, FormatPageMatchesTheActiveTitleIgnoringCaseAndNeedsAListEntry) {
  settings.formats.formats().front().setTitle("Mine");
  settings.formats.formats().back().setTitle("MINE");
  settings.formats.setActiveIdentifier("Default");
  sheet.LoadFrom(settings);
  Show(sheet.html, htmlControls);
  // The first title equal to the active one wins, whatever its case.
  EXPECT_EQ(htmlControls[IDC_HTML_FORMAT_CHOICE].selection, 0);

  settings.formats.setActiveIdentifier("Gone");
  sheet.LoadFrom(settings);
  FakeControls fresh;
  Show(sheet.html, fresh);
  EXPECT_EQ(fresh[IDC_HTML_FORMAT_LIST].selection, -1);
  EXPECT_FALSE(fresh[IDC_HTML_CUSTOMIZE].enabled);
  sheet.html.OnCommand(IDC_HTML_CUSTOMIZE, ControlEvent::Clicked);
  EXPECT_TRUE(customizer.opened.empty());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(HonkiSheetTest, DivisionCountMustLieWithinItsRange) {
  sheet.LoadFrom(settings);
  Show(sheet.divide, divideControls);
  EXPECT_EQ(divideControls[IDC_DIVIDE_COUNT_SPIN].rangeLow, 1);
  EXPECT_EQ(divideControls[IDC_DIVIDE_COUNT_SPIN].rangeHigh, 512);
  EXPECT_EQ(divideControls[IDC_DIVIDE_COUNT].text, "10");

  const std::string range = FormatArguments(LoadText(IDS_ENTER_INTEGER_RANGE), {"1", "512"});
  for (const char* refused : {"0", "513", "-4", "99999999999999"}) {
    divideControls.setText(IDC_DIVIDE_COUNT, refused);
    divideControls.focused = 0;
    EXPECT_FALSE(sheet.divide.OnLeave()) << refused;
    EXPECT_EQ(LastMessage(), range) << refused;
    EXPECT_EQ(divideControls.focused, IDC_DIVIDE_COUNT);
  }
  for (const char* notNumber : {"", "abc", "12x", "1 2", "\x82\x50"}) {  // "１": a full-width digit
    divideControls.setText(IDC_DIVIDE_COUNT, notNumber);
    EXPECT_FALSE(sheet.divide.OnLeave()) << notNumber;
    EXPECT_EQ(LastMessage(), LoadText(IDS_ENTER_INTEGER)) << notNumber;
  }
  // Checked although the box is disabled (division is off).
  EXPECT_FALSE(divideControls[IDC_DIVIDE_COUNT].enabled);

  divideControls.setText(IDC_DIVIDE_COUNT, " 512 ");
  EXPECT_TRUE(sheet.divide.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_EQ(settings.divide.count(), 512);
}

TEST_F(HonkiSheetTest, DivisionControlsFollowTheDivideBoxAndTheCountRadio) {
  sheet.LoadFrom(settings);
  Show(sheet.divide, divideControls);
  const int all[] = {IDC_DIVIDE_MONTH, IDC_DIVIDE_WEEK, IDC_DIVIDE_DAY, IDC_DIVIDE_BY_COUNT,
                     IDC_DIVIDE_COUNT, IDC_DIVIDE_COUNT_SPIN, IDC_DIVIDE_INDEX};
  for (int id : all) EXPECT_FALSE(divideControls[id].enabled) << id;

  Click(sheet.divide, divideControls, IDC_DIVIDE_VALID);
  EXPECT_TRUE(divideControls[IDC_DIVIDE_INDEX].enabled);
  EXPECT_TRUE(divideControls[IDC_DIVIDE_WEEK].enabled);
  EXPECT_FALSE(divideControls[IDC_DIVIDE_COUNT].enabled);  // month is chosen

  Click(sheet.divide, divideControls, IDC_DIVIDE_BY_COUNT);
  EXPECT_TRUE(divideControls[IDC_DIVIDE_COUNT].enabled);
  EXPECT_TRUE(divideControls[IDC_DIVIDE_COUNT_SPIN].enabled);
  Click(sheet.divide, divideControls, IDC_DIVIDE_MONTH);
  EXPECT_FALSE(divideControls[IDC_DIVIDE_COUNT].enabled);

  Click(sheet.divide, divideControls, IDC_DIVIDE_BY_COUNT);
  Click(sheet.divide, divideControls, IDC_DIVIDE_VALID);
  for (int id : all) EXPECT_FALSE(divideControls[id].enabled) << id;

  // Confirmed with division on, by count, without an index.
  Click(sheet.divide, divideControls, IDC_DIVIDE_VALID);
  Click(sheet.divide, divideControls, IDC_DIVIDE_INDEX);
  divideControls.setText(IDC_DIVIDE_COUNT, "25");
  ASSERT_TRUE(sheet.divide.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_TRUE(settings.divide.valid());
  EXPECT_EQ(settings.divide.effectiveType(), DivideType::Count);
  EXPECT_EQ(settings.divide.count(), 25);
  EXPECT_FALSE(settings.divide.outputIndex());
}

TEST_F(HonkiSheetTest, DivisionResetShowsTheDefaultsWithoutAsking) {
  settings.divide.setValid(true);
  settings.divide.setType(2);
  settings.divide.setCount(99);
  settings.divide.setOutputIndex(false);
  sheet.LoadFrom(settings);
  Show(sheet.divide, divideControls);
  EXPECT_TRUE(divideControls[IDC_DIVIDE_DAY].checked);
  divideControls.setText(IDC_DIVIDE_COUNT, "abc");
  Click(sheet.divide, divideControls, IDC_DIVIDE_RESET);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(divideControls[IDC_DIVIDE_VALID].checked);
  EXPECT_TRUE(divideControls[IDC_DIVIDE_MONTH].checked);
  EXPECT_FALSE(divideControls[IDC_DIVIDE_DAY].checked);
  EXPECT_EQ(divideControls[IDC_DIVIDE_COUNT].text, "10");
  EXPECT_TRUE(divideControls[IDC_DIVIDE_INDEX].checked);
  EXPECT_FALSE(divideControls[IDC_DIVIDE_INDEX].enabled);
  ASSERT_TRUE(sheet.divide.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_EQ(settings.divide, DivideSettings());
}

TEST_F(HonkiSheetTest, PublishingChoicesShowTakeAndResetWithTheAddressCheckedOnlyForAFeed) {
  settings.publish.setCharset("utf-8");
  settings.publish.setKeepUnchanged(false);
  sheet.LoadFrom(settings);
  Show(sheet.divide, divideControls);
  EXPECT_TRUE(divideControls[IDC_PUBLISH_UTF8].checked);
  EXPECT_FALSE(divideControls[IDC_PUBLISH_KEEP].checked);
  EXPECT_FALSE(divideControls[IDC_PUBLISH_FEED].checked);
  EXPECT_EQ(divideControls[IDC_PUBLISH_FEED_COUNT].text, "20");
  for (int id : {IDC_PUBLISH_FEED_URL, IDC_PUBLISH_FEED_URL_LABEL, IDC_PUBLISH_FEED_COUNT, IDC_PUBLISH_FEED_COUNT_SPIN})
    EXPECT_FALSE(divideControls[id].enabled) << id;
  EXPECT_TRUE(divideControls[IDC_PUBLISH_UTF8].enabled);  // not tied to division

  // Without the feed, whatever stands in the address box is not checked.
  divideControls.setText(IDC_PUBLISH_FEED_URL, "not an address");
  ASSERT_TRUE(sheet.divide.OnLeave());
  EXPECT_TRUE(ui.messages.empty());

  Click(sheet.divide, divideControls, IDC_PUBLISH_FEED);
  EXPECT_TRUE(divideControls[IDC_PUBLISH_FEED_URL].enabled);
  EXPECT_TRUE(divideControls[IDC_PUBLISH_FEED_COUNT_SPIN].enabled);
  for (const char* bad : {"not an address", "ftp://example.org/", "", "file:///c:/pages"}) {
    divideControls.setText(IDC_PUBLISH_FEED_URL, bad);
    EXPECT_FALSE(sheet.divide.OnLeave()) << bad;
    EXPECT_EQ(LastMessage(), LoadText(IDS_PUBLISH_BAD_URL));
    EXPECT_EQ(divideControls.focused, IDC_PUBLISH_FEED_URL);
  }
  divideControls.setText(IDC_PUBLISH_FEED_URL, "  https://example.org/mogu  ");
  divideControls.setText(IDC_PUBLISH_FEED_COUNT, "101");
  EXPECT_FALSE(sheet.divide.OnLeave());
  EXPECT_EQ(divideControls.focused, IDC_PUBLISH_FEED_COUNT);
  divideControls.setText(IDC_PUBLISH_FEED_COUNT, "5");
  Click(sheet.divide, divideControls, IDC_PUBLISH_UTF8);
  Click(sheet.divide, divideControls, IDC_PUBLISH_KEEP);
  ASSERT_TRUE(sheet.divide.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_FALSE(settings.publish.utf8());
  EXPECT_EQ(settings.publish.charset(), "Shift_JIS");
  EXPECT_TRUE(settings.publish.keepUnchanged());
  EXPECT_EQ(settings.publish.feedUrl(), "https://example.org/mogu");
  EXPECT_EQ(settings.publish.feedCount(), 5);

  // Turning the feed off clears the address that is saved; the reset brings the defaults back.
  Click(sheet.divide, divideControls, IDC_PUBLISH_FEED);
  ASSERT_TRUE(sheet.divide.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_FALSE(settings.publish.feed());
  Click(sheet.divide, divideControls, IDC_PUBLISH_UTF8);
  Click(sheet.divide, divideControls, IDC_DIVIDE_RESET);
  EXPECT_FALSE(divideControls[IDC_PUBLISH_UTF8].checked);
  EXPECT_TRUE(divideControls[IDC_PUBLISH_KEEP].checked);
  EXPECT_FALSE(divideControls[IDC_PUBLISH_FEED].checked);
  ASSERT_TRUE(sheet.divide.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_EQ(settings.publish, PublishSettings());
}

TEST_F(HonkiSheetTest, AStoredCharsetNameIsKeptWhenTheChoiceStays) {
  settings.publish.setCharset("utf-8");
  sheet.LoadFrom(settings);
  Show(sheet.divide, divideControls);
  ASSERT_TRUE(sheet.divide.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_EQ(settings.publish.charset(), "utf-8");
}

TEST_F(HonkiSheetTest, WordsAreTakenAsTypedAndReset) {
  settings.words.diaryTitle = "D";
  sheet.LoadFrom(settings);
  Show(sheet.words, wordControls);
  EXPECT_EQ(wordControls[IDC_WORD_DIARY].text, "D");
  wordControls.setText(IDC_WORD_PET, "");
  wordControls.setText(IDC_WORD_EVENT, std::string(300, 'e'));
  ASSERT_TRUE(sheet.words.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_EQ(settings.words.petTitle, "");
  EXPECT_EQ(settings.words.eventTitle, std::string(300, 'e'));

  Click(sheet.words, wordControls, IDC_WORD_RESET);
  EXPECT_EQ(wordControls[IDC_WORD_DIARY].text, WordSettings().diaryTitle);
  EXPECT_EQ(wordControls[IDC_WORD_PET].text, WordSettings().petTitle);
}

TEST_F(HonkiSheetTest, PickupDatesAreWholeDaysAndUntickedBoundsAreOff) {
  settings.pickup.SetBeginDate(DateTime::Make(2026, 1, 2));
  settings.pickup.SetEnables(true, false);
  sheet.LoadFrom(settings);
  Show(sheet.pickup, pickupControls);
  EXPECT_TRUE(pickupControls[IDC_PICKUP_BEGIN].date.ticked);
  EXPECT_EQ(pickupControls[IDC_PICKUP_BEGIN].date.date, DateTime::Make(2026, 1, 2));
  EXPECT_FALSE(pickupControls[IDC_PICKUP_END].date.ticked);
  EXPECT_EQ(pickupControls[IDC_PICKUP_NAME].limit, 256);

  pickupControls.setDate(IDC_PICKUP_BEGIN, {DateTime::Make(2026, 3, 4, 15, 16, 17), false});
  pickupControls.setDate(IDC_PICKUP_END, {DateTime::Make(2026, 5, 6, 7, 8, 9), true});
  ASSERT_TRUE(sheet.pickup.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_FALSE(settings.pickup.EnableBeginDate());
  EXPECT_EQ(settings.pickup.BeginDate(), DateTime::Make(2026, 1, 2));  // kept, unused
  EXPECT_TRUE(settings.pickup.EnableEndDate());
  EXPECT_EQ(settings.pickup.EndDate(), DateTime::Make(2026, 5, 6, 23, 59, 59));

  pickupControls.setDate(IDC_PICKUP_BEGIN, {DateTime::Make(2026, 3, 4, 15, 16, 17), true});
  ASSERT_TRUE(sheet.pickup.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_EQ(settings.pickup.BeginDate(), DateTime::Make(2026, 3, 4, 0, 0, 0));
}

TEST_F(HonkiSheetTest, PetNameBoxFollowsItsCheckAndHoldsAtMost256Characters) {
  sheet.LoadFrom(settings);
  Show(sheet.pickup, pickupControls);
  EXPECT_FALSE(pickupControls[IDC_PICKUP_NAME].enabled);
  Click(sheet.pickup, pickupControls, IDC_PICKUP_USE_NAME);
  EXPECT_TRUE(pickupControls[IDC_PICKUP_NAME].enabled);

  std::string name;
  for (int i = 0; i < 256; ++i) name += "\x83\x82";  // "モ": 256 characters, 512 bytes
  pickupControls.setText(IDC_PICKUP_NAME, name + "x");
  EXPECT_FALSE(sheet.pickup.OnLeave());
  EXPECT_EQ(LastMessage(), FormatArguments(LoadText(IDS_ENTER_MAX_CHARS), {"256"}));
  EXPECT_EQ(pickupControls.focused, IDC_PICKUP_NAME);
  pickupControls.setText(IDC_PICKUP_NAME, name);
  ASSERT_TRUE(sheet.pickup.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_TRUE(settings.pickup.UsePetName());
  EXPECT_EQ(settings.pickup.PetName1(), name);

  // Ticked and left empty: no pet name after OK.
  pickupControls.setText(IDC_PICKUP_NAME, "");
  ASSERT_TRUE(sheet.pickup.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_FALSE(settings.pickup.UsePetName());
}

TEST_F(HonkiSheetTest, PickupResetAlsoReturnsTheSortToNewestFirst) {
  settings.pickup.SetSortDir(true);
  settings.pickup.SetEnables(true, true);
  settings.pickup.SetPetName1("Mogu");
  settings.pickup.SetUsePetName(true);
  sheet.LoadFrom(settings);
  Show(sheet.pickup, pickupControls);
  Click(sheet.pickup, pickupControls, IDC_PICKUP_RESET);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(pickupControls[IDC_PICKUP_BEGIN].date.ticked);
  EXPECT_EQ(pickupControls[IDC_PICKUP_END].date.date, DateTime::Make(2026, 12, 9, 23, 59, 59));
  EXPECT_EQ(pickupControls[IDC_PICKUP_NAME].text, "");
  EXPECT_FALSE(pickupControls[IDC_PICKUP_NAME].enabled);
  ASSERT_TRUE(sheet.pickup.OnLeave());
  sheet.StoreTo(settings);
  EXPECT_FALSE(settings.pickup.SortDir());
  EXPECT_FALSE(settings.pickup.EnableEndDate());
}

TEST_F(HonkiSheetTest, FolderPageRegistersSwitchesAndRemovesFolders) {
  sheet.LoadFrom(settings);
  Show(sheet.pets, petControls);
  const std::string first = settings.petFolders.Folders().front();
  EXPECT_EQ(petControls[IDC_PET_FOLDER_CHOICE].items, std::vector<std::string>{first});
  EXPECT_EQ(petControls[IDC_PET_FOLDER_CHOICE].selection, 0);
  EXPECT_FALSE(petControls[IDC_PET_REMOVE].enabled);

  // Cancel changes nothing; the chooser opened on the active folder with its title.
  Click(sheet.pets, petControls, IDC_PET_ADD);
  EXPECT_EQ(chooser.titles.back(), LoadText(IDS_PET_CHOOSE_TITLE));
  EXPECT_EQ(chooser.initials.back(), first);
  EXPECT_EQ(sheet.pets.folders.Count(), 1u);

  chooser.answers = {"D:\\Other\\", first};
  Click(sheet.pets, petControls, IDC_PET_ADD);
  EXPECT_EQ(petControls[IDC_PET_FOLDER_CHOICE].items.size(), 2u);
  EXPECT_EQ(petControls[IDC_PET_FOLDER_CHOICE].selection, 1);  // the new one is active
  EXPECT_TRUE(petControls[IDC_PET_REMOVE].enabled);
  Click(sheet.pets, petControls, IDC_PET_ADD);  // already registered: ignored
  EXPECT_EQ(petControls[IDC_PET_FOLDER_CHOICE].items.size(), 2u);

  Choose(sheet.pets, petControls, IDC_PET_FOLDER_CHOICE, 0);
  EXPECT_EQ(sheet.pets.folders.ActiveFolder(), first);
  Choose(sheet.pets, petControls, IDC_PET_FOLDER_CHOICE, 1);
  Click(sheet.pets, petControls, IDC_PET_REMOVE);
  EXPECT_EQ(petControls[IDC_PET_FOLDER_CHOICE].items, std::vector<std::string>{first});
  EXPECT_FALSE(petControls[IDC_PET_REMOVE].enabled);
  sheet.StoreTo(settings);
  EXPECT_EQ(settings.petFolders.Folders(), std::vector<std::string>{first});
  EXPECT_EQ(settings.petFolders.ActiveIndex(), 0);
}

}  // namespace
}  // namespace mogura
