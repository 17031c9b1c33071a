// The whole settings tree of an older release, whose sort direction and single installation
// lay directly under the root, loaded and saved again.
#include <gtest/gtest.h>

#include <memory>

#include "platform/clock.h"
#include "settings/app_settings.h"
#include "store/regedit4_file.h"

namespace mogura {
namespace {

DateTime FixedNow() { return DateTime::Make(2002, 2, 2, 8, 0, 0); }

TEST(AppSettingsMigration, OldRootValuesMoveIntoTheirSections) {
  const LocalClockFunction previous = SetLocalClock(&FixedNow);
  const std::string rootPath = SettingsRootPath("mogura");
  const std::string file = "REGEDIT4\r\n\r\n[" + rootPath + "]\r\n" +
                           "\"KuruminDir\"=\"C:\\\\Kurumin\\\\\"\r\n"
                           "\"SortTimeNew\"=dword:00000000\r\n"
                           "\"TargetType\"=dword:00000001\r\n\r\n";
  auto tree = std::make_shared<MemoryTree>();
  std::string error;
  ASSERT_TRUE(ParseRegedit4(file, rootPath, tree.get(), &error)) << error;
  const SettingsKey root = MemoryRootKey(tree);

  AppSettings settings;
  settings.Load(root);
  EXPECT_EQ(settings.petFolders.ActiveFolder(), "C:\\Kurumin\\");
  EXPECT_TRUE(settings.pickup.SortDir());  // SortTimeNew 0: oldest first
  EXPECT_EQ(settings.kind, kPetMailKind);

  ASSERT_TRUE(settings.Save(root));
  const std::string written = FormatRegedit4(*tree, rootPath);
  EXPECT_EQ(written.find("KuruminDir"), std::string::npos);
  EXPECT_EQ(written.find("SortTimeNew"), std::string::npos);
  const std::size_t folders = written.find("[" + rootPath + "\\PetFolders]");
  const std::size_t pickup = written.find("[" + rootPath + "\\Pickup]");
  ASSERT_NE(folders, std::string::npos);
  ASSERT_NE(pickup, std::string::npos);
  EXPECT_LT(folders, pickup);

  // A reset keeps the registered folders but not the pickup conditions.
  settings.pickup.SetUsePetName(true);
  settings.Reset();
  EXPECT_TRUE(settings.petFolders.HasActiveFolder());
  EXPECT_FALSE(settings.pickup.SortDir());
  EXPECT_FALSE(settings.pickup.UsePetName());
  EXPECT_EQ(settings.pickup.BeginDate(), DateTime::Make(2002, 2, 2));

  // The next start reads the sections and finds nothing left to move.
  AppSettings again;
  again.Load(root);
  EXPECT_EQ(again.petFolders.Folders(), settings.petFolders.Folders());
  EXPECT_TRUE(again.pickup.SortDir());
  SetLocalClock(previous);
}

}  // namespace
}  // namespace mogura
