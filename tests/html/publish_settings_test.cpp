#include "html/publish_settings.h"

#include <gtest/gtest.h>

#include <memory>

#include "settings/app_settings.h"
#include "store/memory_store.h"

namespace mogura {
namespace {

TEST(PublishSettings, AStoreWithoutTheSectionReadsAsTheDefaultsAndTheyWriteShiftJis) {
  auto tree = std::make_shared<MemoryTree>();
  const SettingsKey root = MemoryRootKey(tree);
  PublishSettings settings;
  settings.setUtf8(true);
  settings.setFeedUrl("http://x/");
  settings.Load(root);
  EXPECT_EQ(settings, PublishSettings());
  EXPECT_FALSE(settings.utf8());
  EXPECT_TRUE(settings.keepUnchanged());
  EXPECT_FALSE(settings.feed());
  EXPECT_EQ(settings.effectiveFeedCount(), 20);
}

TEST(PublishSettings, SavedValuesLoadBackAndTheCharsetIsReadInAnyCase) {
  auto tree = std::make_shared<MemoryTree>();
  const SettingsKey root = MemoryRootKey(tree);
  PublishSettings saved;
  saved.setCharset("utf-8");
  saved.setKeepUnchanged(false);
  saved.setFeedUrl("https://example.org/\x83\x79/");
  saved.setFeedCount(7);
  ASSERT_TRUE(saved.Save(root));
  std::string text;
  ASSERT_TRUE(root.openSubKey("Publish").readText("Charset", &text));
  EXPECT_EQ(text, "utf-8");

  PublishSettings loaded;
  loaded.Load(root);
  EXPECT_EQ(loaded, saved);
  EXPECT_TRUE(loaded.utf8());

  for (const char* other : {"Shift_JIS", "EUC-JP", "utf8", "UTF-8 "}) {
    loaded.setCharset(other);
    EXPECT_FALSE(loaded.utf8()) << other;
  }
  for (std::int32_t count : {0, -3, 101}) {
    loaded.setFeedCount(count);
    EXPECT_EQ(loaded.effectiveFeedCount(), 20) << count;
  }
  loaded.setFeedCount(100);
  EXPECT_EQ(loaded.effectiveFeedCount(), 100);
}

TEST(PublishSettings, TheRootSettingsSaveResetAndLoadTheSection) {
  auto tree = std::make_shared<MemoryTree>();
  const SettingsKey root = MemoryRootKey(tree);
  AppSettings settings;
  settings.publish.setUtf8(true);
  settings.publish.setFeedUrl("http://h/");
  ASSERT_TRUE(settings.Save(root));
  AppSettings loaded;
  loaded.Load(root);
  EXPECT_EQ(loaded.publish, settings.publish);
  loaded.Reset();
  EXPECT_EQ(loaded.publish, PublishSettings());
}

TEST(PublishSettings, OnlyHttpAndHttpsAddressesWithAHostAreWebAddresses) {
  for (const char* good : {"http://example.org", "https://h/x/", "HTTPS://H", "http://192.168.0.1:8080/p"})
    EXPECT_TRUE(IsWebAddress(good)) << good;
  for (const char* bad : {"", "http://", "https:///x", "ftp://h/", "file:///c:/x", "example.org", "httpx://h", " http://h"})
    EXPECT_FALSE(IsWebAddress(bad)) << bad;
}

}  // namespace
}  // namespace mogura
