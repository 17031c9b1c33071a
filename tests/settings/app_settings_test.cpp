#include "settings/app_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "base/string_table.h"
#include "store/memory_store.h"

namespace mogura::test {
namespace {

class AppSettingsTest : public ::testing::Test {
 protected:
  std::shared_ptr<MemoryTree> tree_ = std::make_shared<MemoryTree>();
  SettingsKey root_ = MemoryRootKey(tree_);

  std::int32_t StoredInt(std::string_view name) {
    std::int32_t n = -999;
    root_.readInt(name, &n);
    return n;
  }
};

TEST_F(AppSettingsTest, EmptyStoreLoadsDefaultsAndFirstSaveWritesVersionAndKind) {
  AppSettings settings;
  settings.Load(root_);
  EXPECT_EQ(kDiaryKind, settings.kind);
  EXPECT_EQ(0, settings.programVersion);
  EXPECT_EQ(LoadText(IDS_WORD_DIARY_TITLE), settings.words.diaryTitle);
  EXPECT_EQ(LoadText(IDS_WORD_PET_TITLE), settings.words.petTitle);
  EXPECT_EQ(LoadText(IDS_WORD_EVENT_TITLE), settings.words.eventTitle);
  EXPECT_FALSE(settings.words.diaryTitle.empty());
  EXPECT_FALSE(root_.openSubKey("Word").valid());  // loading creates nothing

  ASSERT_TRUE(settings.Save(root_));
  EXPECT_EQ(20480, StoredInt("ProgramVersion"));
  EXPECT_EQ(0, StoredInt("TargetType"));
  std::string title;
  EXPECT_TRUE(root_.openSubKey("Word").readText("Pet_MailPageTitle", &title));
  EXPECT_EQ(LoadText(IDS_WORD_PET_TITLE), title);
  // The version is read before anything else, and the root's values come first and last.
  ASSERT_GE(tree_->root()->values.size(), 2u);
  EXPECT_EQ("ProgramVersion", tree_->root()->values.begin()->name);
  EXPECT_EQ("TargetType", std::prev(tree_->root()->values.end())->name);
}

TEST_F(AppSettingsTest, TargetTypeIsKindMinusOneWithoutRangeCheck) {
  AppSettings settings;
  root_.writeInt("TargetType", 2);
  root_.writeInt("ProgramVersion", 0x4000);
  settings.Load(root_);
  EXPECT_EQ(kEventMailKind, settings.kind);
  EXPECT_EQ(0x4000, settings.programVersion);

  root_.writeInt("TargetType", 7);
  settings.Load(root_);
  EXPECT_EQ(8, settings.kind);
  EXPECT_EQ("", settings.PageTitle("MailPageTitle"));

  // Extreme stored numbers wrap instead of overflowing, and save back as they were.
  root_.writeInt("TargetType", INT_MAX);
  settings.Load(root_);
  ASSERT_TRUE(settings.Save(root_));
  EXPECT_EQ(INT_MAX, StoredInt("TargetType"));

  // Without TargetType the kind falls back to the diary, whatever it was before.
  root_.deleteValue("TargetType");
  settings.kind = kPetMailKind;
  settings.Load(root_);
  EXPECT_EQ(kDiaryKind, settings.kind);
}

TEST_F(AppSettingsTest, ResetRestoresKindAndTitles) {
  AppSettings settings;
  settings.kind = kEventMailKind;
  settings.words.petTitle = "custom";
  settings.Reset();
  EXPECT_EQ(kDiaryKind, settings.kind);
  EXPECT_EQ(LoadText(IDS_WORD_PET_TITLE), settings.words.petTitle);
}

TEST_F(AppSettingsTest, TitlesRoundTripAndAnEmptyTitleComesBackAsDefault) {
  AppSettings saved;
  saved.words.diaryTitle = "";
  saved.words.petTitle = "\x83\x5c\x95\x5c";  // trail bytes 0x5C
  saved.words.eventTitle = "Park";
  saved.kind = kPetMailKind;
  ASSERT_TRUE(saved.Save(root_));

  std::string stored = "unset";
  EXPECT_FALSE(root_.openSubKey("Word").readText("Kosori_MailPageTitle", &stored));
  EXPECT_NE(nullptr, tree_->root()->subKeys.find("Word")->get()->values.find("Kosori_MailPageTitle"));

  AppSettings loaded;
  loaded.Load(root_);
  EXPECT_EQ(LoadText(IDS_WORD_DIARY_TITLE), loaded.words.diaryTitle);
  EXPECT_EQ("\x83\x5c\x95\x5c", loaded.words.petTitle);
  EXPECT_EQ("Park", loaded.words.eventTitle);
  EXPECT_EQ(kPetMailKind, loaded.kind);
}

TEST(WordSettings, PageTitleAnswersOnlyMailPageTitleForKnownKinds) {
  WordSettings words;
  words.diaryTitle = "D";
  words.petTitle = "P";
  words.eventTitle = "E";
  EXPECT_EQ("D", words.PageTitle("MailPageTitle", kDiaryKind));
  EXPECT_EQ("P", words.PageTitle("MailPageTitle", kPetMailKind));
  EXPECT_EQ("E", words.PageTitle("MailPageTitle", kEventMailKind));
  EXPECT_EQ("", words.PageTitle("MailPageTitle", 0));
  EXPECT_EQ("", words.PageTitle("MailPageTitle", 4));
  EXPECT_EQ("", words.PageTitle("mailpagetitle", kDiaryKind));
  EXPECT_EQ("", words.PageTitle("IndexPageTitle", kDiaryKind));

  AppSettings settings;
  settings.kind = kEventMailKind;
  EXPECT_EQ(LoadText(IDS_WORD_EVENT_TITLE), settings.PageTitle("MailPageTitle"));
}

TEST(WordSettings, LoadKeepsFieldsForAbsentOrEmptyValues) {
  auto tree = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(tree);
  SettingsKey word = root.createSubKey("Word");
  word.writeText("Pet_MailPageTitle", "");
  word.writeText("Event_MailPageTitle", "Stored");

  WordSettings words;
  words.diaryTitle = "mine";
  words.Load(root);
  EXPECT_EQ("mine", words.diaryTitle);
  EXPECT_EQ(LoadText(IDS_WORD_PET_TITLE), words.petTitle);
  EXPECT_EQ("Stored", words.eventTitle);
}

}  // namespace
}  // namespace mogura::test
