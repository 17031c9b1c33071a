// The format list as a section of AppSettings: its conversion follows the ProgramVersion
// that AppSettings reads before the sections.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "store/memory_store.h"

namespace mogura {
namespace {

std::vector<std::string> PageKeys(const HtmlFormat& format) {
  std::vector<std::string> keys;
  for (const FormatPage& page : format.pages()) keys.push_back(page.key());
  return keys;
}

TEST(AppSettingsFormats, OldStoreIsConvertedOnceAndSavedAsCurrent) {
  auto tree = std::make_shared<MemoryTree>();
  const SettingsKey root = MemoryRootKey(tree);
  root.writeInt("ProgramVersion", 0x2000);
  const SettingsKey user = root.createSubKey("HTML").createSubKey("UserSetting");
  user.createSubKey("KosoriDialy").createSubKey("Header").writeText("ContentText", "old head");
  user.createSubKey("PetMail").writeText("Title", "pet");

  AppSettings settings;
  ASSERT_EQ(settings.formats.formats().size(), 2u);  // constructed in its reset state
  settings.Load(root);
  ASSERT_EQ(settings.formats.formats().size(), 1u);
  const HtmlFormat& converted = settings.formats.formats()[0];
  EXPECT_EQ(PageKeys(converted), (std::vector<std::string>{"Mail", "Index"}));
  EXPECT_EQ(converted.findPage("Mail")->placeText("Header"), "old head");

  ASSERT_TRUE(settings.Save(root));
  AppSettings reloaded;
  reloaded.Load(root);
  EXPECT_EQ(reloaded.programVersion, kProgramVersion);
  EXPECT_EQ(reloaded.formats, settings.formats);
  EXPECT_EQ(reloaded.formats.formats()[0].findPage("Mail")->places().size(), 7u);
}

}  // namespace
}  // namespace mogura
