#include "html/divide_settings.h"

#include <gtest/gtest.h>

#include <memory>

#include "store/memory_store.h"

namespace mogura {
namespace {

TEST(DivideSettings, TypeSetterKeepsTheRangeAndCountBelowOneActsAsOne) {
  DivideSettings settings;
  for (int outside : {4, -1, 99}) {
    settings.setType(2);
    settings.setType(outside);
    EXPECT_EQ(settings.type(), 0) << outside;
  }
  settings.setCount(0);
  EXPECT_EQ(settings.count(), 0);
  EXPECT_EQ(settings.effectiveCount(), 1);
}

TEST(DivideSettings, SaveWritesAllFourEntriesAndLoadReadsThem) {
  auto tree = std::make_shared<MemoryTree>();
  const SettingsKey root = MemoryRootKey(tree);
  DivideSettings saved;
  saved.setValid(true);
  saved.setType(1);
  saved.setCount(25);
  saved.setOutputIndex(false);
  ASSERT_TRUE(saved.Save(root));

  const SettingsKey section = root.openSubKey("Devide");
  ASSERT_TRUE(section.valid());
  std::int32_t value = -1;
  ASSERT_TRUE(section.readInt("Valid", &value));
  EXPECT_EQ(value, 1);
  ASSERT_TRUE(section.readInt("Type", &value));
  EXPECT_EQ(value, 1);
  ASSERT_TRUE(section.readInt("Count", &value));
  EXPECT_EQ(value, 25);
  ASSERT_TRUE(section.readInt("OutputIndex", &value));
  EXPECT_EQ(value, 0);

  DivideSettings loaded;
  loaded.Load(root);
  EXPECT_EQ(loaded, saved);
}

TEST(DivideSettings, LoadResetsOnlyWhenTheSectionIsMissing) {
  auto tree = std::make_shared<MemoryTree>();
  const SettingsKey root = MemoryRootKey(tree);
  DivideSettings settings;
  settings.setValid(true);
  settings.setCount(3);
  settings.Load(root);  // no section: defaults
  EXPECT_EQ(settings, DivideSettings());

  // A section with one entry: the others keep what they held.
  ASSERT_TRUE(root.createSubKey("Devide").writeInt("Count", 0));
  settings.setValid(true);
  settings.setType(2);
  settings.Load(root);
  EXPECT_TRUE(settings.valid());
  EXPECT_EQ(settings.type(), 2);
  EXPECT_EQ(settings.count(), 0);  // kept as stored; the divider uses 1
  EXPECT_EQ(settings.effectiveCount(), 1);
}

}  // namespace
}  // namespace mogura
