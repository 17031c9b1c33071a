// Pickup conditions: defaults from the local clock, the inclusive date test, the stored forms
// of the bounds, and the move of an older store's sort direction into the section.
#include "settings/pickup_settings.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "store/memory_store.h"
#include "store/regedit4_file.h"

namespace mogura {
namespace {

DateTime FixedNow() { return DateTime::Make(2003, 7, 15, 14, 25, 36); }

class PickupSettingsTest : public ::testing::Test {
 protected:
  PickupSettingsTest() : previous_(SetLocalClock(&FixedNow)) {}
  ~PickupSettingsTest() override { SetLocalClock(previous_); }

  std::shared_ptr<MemoryTree> tree = std::make_shared<MemoryTree>();
  SettingsKey root = MemoryRootKey(tree);

 private:
  LocalClockFunction previous_;
};

TEST_F(PickupSettingsTest, ResetCoversTodayWithBothBoundsOffAndNewestFirst) {
  PickupSettings pickup;
  pickup.SetEnables(true, true);
  pickup.SetSortDir(true);
  pickup.SetPetName1("Pochi");
  pickup.SetUsePetName(true);
  pickup.Reset();
  EXPECT_EQ(pickup.BeginDate(), DateTime::Make(2003, 7, 15, 0, 0, 0));
  EXPECT_EQ(pickup.EndDate(), DateTime::Make(2003, 7, 15, 23, 59, 59));
  EXPECT_FALSE(pickup.EnableBeginDate());
  EXPECT_FALSE(pickup.EnableEndDate());
  EXPECT_EQ(pickup.SortType(), 1);
  EXPECT_FALSE(pickup.SortDir());
  EXPECT_EQ(pickup.PetName1(), "");
  EXPECT_FALSE(pickup.UsePetName());
  // A fresh object is already in this state.
  EXPECT_EQ(PickupSettings().EndDate(), pickup.EndDate());
}

TEST_F(PickupSettingsTest, BoundsCoverWholeDaysBothIncluded) {
  PickupSettings pickup;
  pickup.SetBeginDate(DateTime::Make(2000, 1, 4, 18, 30, 0));  // the time of day is dropped
  pickup.SetEndDate(DateTime::Make(2000, 1, 5, 1, 2, 3));
  EXPECT_EQ(pickup.BeginDate(), DateTime::Make(2000, 1, 4, 0, 0, 0));
  EXPECT_EQ(pickup.EndDate(), DateTime::Make(2000, 1, 5, 23, 59, 59));

  const DateTime lastBefore = DateTime::Make(2000, 1, 3, 23, 59, 59);
  const DateTime first = DateTime::Make(2000, 1, 4, 0, 0, 0);
  const DateTime last = DateTime::Make(2000, 1, 5, 23, 59, 59);
  const DateTime firstAfter = DateTime::Make(2000, 1, 6, 0, 0, 0);

  // Bounds set but disabled: everything passes.
  EXPECT_TRUE(pickup.IsInRange(lastBefore));
  EXPECT_TRUE(pickup.IsInRange(firstAfter));

  pickup.SetEnables(true, true);
  EXPECT_FALSE(pickup.IsInRange(lastBefore));
  EXPECT_TRUE(pickup.IsInRange(first));
  EXPECT_TRUE(pickup.IsInRange(last));
  EXPECT_FALSE(pickup.IsInRange(firstAfter));

  pickup.SetEnables(true, false);  // only the begin bound
  EXPECT_FALSE(pickup.IsInRange(lastBefore));
  EXPECT_TRUE(pickup.IsInRange(DateTime::Make(2099, 1, 1)));
  pickup.SetEnables(false, true);  // only the end bound
  EXPECT_TRUE(pickup.IsInRange(DateTime::Make(1990, 1, 1)));
  EXPECT_FALSE(pickup.IsInRange(firstAfter));
}

TEST_F(PickupSettingsTest, BeginAfterEndPassesNothing) {
  PickupSettings pickup;
  pickup.SetBeginDate(DateTime::Make(2000, 1, 6));
  pickup.SetEndDate(DateTime::Make(2000, 1, 4));
  pickup.SetEnables(true, true);
  for (int day = 3; day <= 7; ++day) EXPECT_FALSE(pickup.IsInRange(DateTime::Make(2000, 1, day, 12, 0, 0))) << day;
}

TEST_F(PickupSettingsTest, SaveAndLoadKeepEveryField) {
  PickupSettings saved;
  saved.SetBeginDate(DateTime::Make(1999, 12, 31));
  saved.SetEndDate(DateTime::Make(2000, 2, 29));
  saved.SetEnables(true, true);
  saved.SetSortDir(true);
  saved.SetPetName1("Pochi");
  saved.SetUsePetName(true);
  ASSERT_TRUE(saved.Save(root));

  const SettingsKey section = root.openSubKey("Pickup");
  ASSERT_TRUE(section.valid());
  std::string text;
  ASSERT_TRUE(section.readText("BeginDate", &text));
  EXPECT_EQ(text, "1999/12/31 00:00:00");
  ASSERT_TRUE(section.readText("EndDate", &text));
  EXPECT_EQ(text, "2000/02/29 23:59:59");

  PickupSettings loaded;
  loaded.Load(root);
  EXPECT_EQ(loaded.BeginDate(), saved.BeginDate());
  EXPECT_EQ(loaded.EndDate(), saved.EndDate());
  EXPECT_TRUE(loaded.EnableBeginDate());
  EXPECT_TRUE(loaded.EnableEndDate());
  EXPECT_EQ(loaded.SortType(), 1);
  EXPECT_TRUE(loaded.SortDir());
  EXPECT_EQ(loaded.PetName1(), "Pochi");
  EXPECT_TRUE(loaded.UsePetName());
}

TEST_F(PickupSettingsTest, ReadsTheBoundFormsOtherWritersLeft) {
  struct Case {
    const char* text;
    DateTime expected;
  };
  const Case cases[] = {
      {"2000/01/04 09:05:07", DateTime::Make(2000, 1, 4, 9, 5, 7)},
      {"2000/1/4 9:05:07", DateTime::Make(2000, 1, 4, 9, 5, 7)},
      {"2000/01/04", DateTime::Make(2000, 1, 4)},  // midnight is written without a time
      {"2000-01-04 23:59:59", DateTime::Make(2000, 1, 4, 23, 59, 59)},
      {"2000-01-04", DateTime::Make(2000, 1, 4)},
      {" 2000/01/04 12:30 ", DateTime::Make(2000, 1, 4, 12, 30, 0)},
  };
  for (const Case& c : cases) {
    tree->clear();
    const SettingsKey section = root.createSubKey("Pickup");
    section.writeFlag("EnableBeginDate", true);
    section.writeText("BeginDate", c.text);
    PickupSettings pickup;
    pickup.Load(root);
    EXPECT_TRUE(pickup.EnableBeginDate()) << c.text;
    EXPECT_EQ(pickup.BeginDate(), c.expected) << c.text;
  }
}

// A bound text that names no date is taken as a disabled bound, not as some fixed day that
// would silently let every mail through (begin) or none (end).
TEST_F(PickupSettingsTest, UnreadableBoundTextDisablesTheBound) {
  for (const char* text : {"garbage", "2000/02/30", "2000/01/04 24:00:00", "2000/01/04x", "99/01/04",
                           "2000/01-04", "2000/01/04 9"}) {
    tree->clear();
    const SettingsKey section = root.createSubKey("Pickup");
    section.writeFlag("EnableBeginDate", true);
    section.writeFlag("EnableEndDate", true);
    section.writeText("BeginDate", text);
    section.writeText("EndDate", text);
    PickupSettings pickup;
    pickup.Load(root);
    EXPECT_FALSE(pickup.EnableBeginDate()) << text;
    EXPECT_FALSE(pickup.EnableEndDate()) << text;
    EXPECT_EQ(pickup.BeginDate(), DateTime::Make(2003, 7, 15)) << text;
    EXPECT_TRUE(pickup.IsInRange(DateTime::Make(1995, 5, 5))) << text;
  }
}

TEST_F(PickupSettingsTest, DisabledBoundKeepsItsStoredTextUnread) {
  const SettingsKey section = root.createSubKey("Pickup");
  section.writeText("BeginDate", "1998/03/03 00:00:00");
  section.writeFlag("EnableBeginDate", false);

  PickupSettings pickup;
  pickup.Load(root);
  EXPECT_EQ(pickup.BeginDate(), DateTime::Make(2003, 7, 15));  // not read while disabled
  ASSERT_TRUE(pickup.Save(root));
  std::string text;
  ASSERT_TRUE(section.readText("BeginDate", &text));
  EXPECT_EQ(text, "1998/03/03 00:00:00");  // not overwritten while disabled
  EXPECT_FALSE(section.readText("EndDate", &text));
}

TEST_F(PickupSettingsTest, AbsentOrEmptyValuesLeaveFields) {
  PickupSettings pickup;
  pickup.SetPetName1("Tama");
  pickup.SetSortDir(true);
  const SettingsKey section = root.createSubKey("Pickup");
  section.writeText("PetName1", "");
  pickup.Load(root);
  EXPECT_EQ(pickup.PetName1(), "Tama");
  EXPECT_TRUE(pickup.SortDir());
}

// An older release kept only "SortTimeNew" (newest first) directly under the root.
TEST_F(PickupSettingsTest, SortTimeNewOfAnOlderStoreMovesIntoTheSection) {
  const std::string rootPath = SettingsRootPath("mogura");
  const std::string file = "REGEDIT4\r\n\r\n[" + rootPath + "]\r\n\"SortTimeNew\"=dword:00000001\r\n\r\n";
  std::string error;
  ASSERT_TRUE(ParseRegedit4(file, rootPath, tree.get(), &error)) << error;

  PickupSettings pickup;
  pickup.SetSortDir(true);
  pickup.SetSortType(7);
  pickup.Load(root);
  EXPECT_FALSE(pickup.SortDir());
  EXPECT_EQ(pickup.SortType(), 1);
  bool flag = false;
  EXPECT_FALSE(root.readFlag("SortTimeNew", &flag));

  ASSERT_TRUE(pickup.Save(root));
  const std::string written = FormatRegedit4(*tree, rootPath);
  EXPECT_EQ(written.find("SortTimeNew"), std::string::npos);
  EXPECT_NE(written.find("[" + rootPath + "\\Pickup]\r\n"), std::string::npos);
  EXPECT_NE(written.find("\"SortDir\"=dword:00000000"), std::string::npos);

  // Oldest first in the old store.
  tree->clear();
  root.writeFlag("SortTimeNew", false);
  PickupSettings oldestFirst;
  oldestFirst.Load(root);
  EXPECT_TRUE(oldestFirst.SortDir());
}

TEST_F(PickupSettingsTest, SortTimeNewIsIgnoredOnceTheSectionExists) {
  root.writeFlag("SortTimeNew", false);
  root.createSubKey("Pickup").writeFlag("SortDir", false);
  PickupSettings pickup;
  pickup.Load(root);
  EXPECT_FALSE(pickup.SortDir());
  bool flag = true;
  EXPECT_TRUE(root.readFlag("SortTimeNew", &flag));
}

}  // namespace
}  // namespace mogura
