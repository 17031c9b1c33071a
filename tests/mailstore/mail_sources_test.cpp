// The drawers of a receive folder on the real file system: listing, choosing the remembered
// drawer, and the path of a chosen one.
#include "mailstore/mail_sources.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/string_table.h"
#include "support/drawer_writer.h"
#include "support/temp_folder.h"

namespace mogura {
namespace {

using Titles = std::vector<std::string>;
using test::TempFolder;
using test::WriteBytes;

Titles Sorted(Titles titles) {
  std::sort(titles.begin(), titles.end());
  return titles;
}

TEST(MailSources, ListsDrawerFilesByTitleAndChoosesTheRemembered) {
  TempFolder folder;
  FileSystem& fs = HostFileSystem();
  const std::string inbox(LoadText(IDS_RECEIVED_MAIL));  // 受信メール
  const std::string other(LoadText(IDS_MAIL));           // メール
  ASSERT_TRUE(WriteBytes(fs, folder.file(other + ".krm"), "x"));
  ASSERT_TRUE(WriteBytes(fs, folder.file(inbox + ".krm"), "x"));
  ASSERT_TRUE(WriteBytes(fs, folder.file("a.b.krm"), "x"));
  // Not drawers: a list file, another extension, a name merely containing ".krm".
  ASSERT_TRUE(WriteBytes(fs, test::DrawerWriter::ListPath(folder.path(), inbox), "x"));
  ASSERT_TRUE(WriteBytes(fs, folder.file("notes.txt"), "x"));
  ASSERT_TRUE(WriteBytes(fs, folder.file("old.krm.bak"), "x"));

  const Titles titles = listDrawers(folder.path());
  EXPECT_EQ(Sorted(titles), Sorted({inbox, other, "a.b"}));

  // The listing keeps the directory search's order.
  std::vector<std::string> names;
  ASSERT_TRUE(fs.findFiles(folder.path(), "*.krm", &names));
  ASSERT_EQ(names.size(), titles.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], titles[i] + ".krm");

  const auto chosen = selectDrawer(titles, inbox);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(titles[*chosen], inbox);

  // The path of a.b is made of the title and ".krm", and names the file that was listed.
  EXPECT_EQ(drawerPath(folder.path(), "a.b"), folder.path() + "a.b.krm");
  EXPECT_TRUE(fs.exists(drawerPath(folder.path(), "a.b")));
}

TEST(MailSources, NoDrawerIsChosenWhenTheRememberedOneIsMissing) {
  TempFolder folder;
  ASSERT_TRUE(WriteBytes(HostFileSystem(), folder.file("outbox.krm"), "x"));
  const Titles titles = listDrawers(folder.path());
  EXPECT_EQ(titles, Titles{"outbox"});
  EXPECT_FALSE(selectDrawer(titles, std::string(LoadText(IDS_RECEIVED_MAIL))).has_value());
}

TEST(MailSources, MissingOrEmptyFolderListsNothing) {
  TempFolder folder;
  EXPECT_TRUE(listDrawers(folder.path()).empty());
  EXPECT_TRUE(listDrawers(folder.file("absent") + test::Sep()).empty());
}

// The host writes ".krm" in small letters; a drawer whose extension was written in capitals
// is listed on every platform, as the Windows search does.
TEST(MailSources, ExtensionMatchesWithoutRegardToCase) {
  TempFolder folder;
  ASSERT_TRUE(WriteBytes(HostFileSystem(), folder.file("Backup.KRM"), "x"));
  EXPECT_EQ(listDrawers(folder.path()), Titles{"Backup"});
}

TEST(MailSources, ChoosesTheFirstTitleBeginningWithTheRememberedOne) {
  const Titles titles = {"Archive", "InBox-2001", "inbox"};
  EXPECT_EQ(selectDrawer(titles, "INBOX"), std::optional<std::size_t>(1));
  EXPECT_EQ(selectDrawer(titles, "inbox"), std::optional<std::size_t>(1));
  EXPECT_EQ(selectDrawer(titles, "archive"), std::optional<std::size_t>(0));
  EXPECT_FALSE(selectDrawer(titles, "Archives").has_value());
  EXPECT_FALSE(selectDrawer({}, "inbox").has_value());
}

// Only ASCII letters are folded. The trail byte of a double-byte character can lie in the
// letter range: katakana "a" is 0x83 0x41, and 0x83 0x61 is another character.
TEST(MailSources, DoubleByteCharactersAreNeverFolded) {
  const std::string katakanaA = "\x83\x41";
  const std::string other = "\x83\x61";
  const Titles titles = {other + "box", katakanaA + "box"};
  EXPECT_EQ(selectDrawer(titles, katakanaA), std::optional<std::size_t>(1));
  EXPECT_EQ(selectDrawer(titles, other + "BOX"), std::optional<std::size_t>(0));
}

}  // namespace
}  // namespace mogura
