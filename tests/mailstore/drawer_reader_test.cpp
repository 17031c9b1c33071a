// Reading a drawer: the run, its hooks, the list path rule, and drawers that lie.
#include "mailstore/drawer_reader.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/string_table.h"
#include "support/memory_disk.h"
#include "support/drawer_writer.h"
#include "support/temp_folder.h"

namespace mogura {
namespace {

using test::DrawerWriter;
using test::MailSpec;
using test::MemoryDisk;
using Lines = std::vector<std::string>;

const std::string kListPath = "/in/list.krl";
const std::string kDrawerPath = "/in/drawer.krm";

// A reader that records its hooks and can be told to reject mails or to throw.
class RecordingReader : public DrawerReader {
 public:
  using DrawerReader::DrawerReader;

  std::vector<std::string> calls;
  std::string rejectIndex, rejectHeader, rejectBody, rejectMail, throwAt;
  int finishCalls = 0;
  bool finishSuccess = false;

  bool acceptIndex(MailRecord& r) override {
    calls.push_back("index " + r.subject);
    if (r.subject == throwAt) throw std::runtime_error("hook failed");
    return r.subject != rejectIndex;
  }
  bool handleHeader(std::string_view text, MailRecord& r) override {
    calls.push_back("header " + r.subject);
    DrawerReader::handleHeader(text, r);
    return r.subject != rejectHeader;
  }
  bool handleBody(std::string_view text, MailRecord& r) override {
    calls.push_back("body " + r.subject);
    DrawerReader::handleBody(text, r);
    return r.subject != rejectBody;
  }
  bool accept(MailRecord& r) override {
    calls.push_back("accept " + r.subject);
    return r.subject != rejectMail;
  }
  void finish(bool success, MailList&) override {
    ++finishCalls;
    finishSuccess = success;
  }
};

class DrawerReaderTest : public ::testing::Test {
 protected:
  // Puts the writer's files into the memory file system and reads them.
  bool Run(RecordingReader& reader, bool wantHeader = true, bool wantBody = true) {
    files.addFile(kListPath, writer.listBytes());
    files.addFile(kDrawerPath, writer.drawerBytes());
    reader.setSource(kDrawerPath, wantHeader, wantBody);
    return reader.run(result);
  }
  bool Run(bool wantHeader = true, bool wantBody = true) { return Run(reader, wantHeader, wantBody); }

  std::vector<std::string> Subjects() const {
    std::vector<std::string> s;
    for (const auto& m : result.mails) s.push_back(m->subject);
    return s;
  }

  MemoryDisk files;
  DrawerWriter writer;
  RecordingReader reader{kListPath, files};
  MailList result;
};

TEST_F(DrawerReaderTest, EmptyListFileGivesNoMailAndSuccess) {
  EXPECT_TRUE(Run());
  EXPECT_TRUE(result.mails.empty());
  EXPECT_EQ(reader.finishCalls, 1);
  EXPECT_TRUE(reader.finishSuccess);
}

TEST_F(DrawerReaderTest, MailsCarryListFieldsAndHeaderAndBodyLines) {
  writer.add(MailSpec{
      .subject = "one", .header = "From: a\r\nX-Kurumin-Message: 2\r\n", .body = "hello\r\nworld\r\n"});
  writer.add(MailSpec{
      .subject = "two", .date = "Wed, 5 Jan 2000 10:00:00 +0900", .header = "From: b\r\n", .body = ""});
  EXPECT_TRUE(Run());
  ASSERT_EQ(result.mails.size(), 2u);
  EXPECT_EQ(result.mails[0]->headerLines.toVector(), (Lines{"From: a", "X-Kurumin-Message: 2"}));
  EXPECT_EQ(result.mails[0]->bodyLines.toVector(), (Lines{"hello", "world"}));
  EXPECT_EQ(result.mails[1]->headerLines.toVector(), (Lines{"From: b"}));
  EXPECT_EQ(result.mails[1]->bodyLines.toVector(), (Lines{""}));
  EXPECT_EQ(result.mails[1]->date, DateTime::Make(2000, 1, 5, 10, 0, 0));
  EXPECT_FALSE(result.sorted);
  EXPECT_TRUE(reader.finishSuccess);
}

TEST_F(DrawerReaderTest, DamagedRecordEndsTheListWithSuccess) {
  writer.add(MailSpec{.subject = "first", .body = "1"});
  writer.add(MailSpec{.subject = "second", .body = "2", .startMarker = "SsT"});
  writer.add(MailSpec{.subject = "third", .body = "3"});
  EXPECT_TRUE(Run());
  EXPECT_EQ(Subjects(), (std::vector<std::string>{"first"}));
  EXPECT_TRUE(reader.finishSuccess);
}

TEST_F(DrawerReaderTest, HooksRunInOrderAndEachCanSkipTheMail) {
  writer.add(MailSpec{.subject = "a", .header = "", .body = "a"});
  // A mail skipped by its index record never reaches the header or body hooks.
  writer.add(MailSpec{.subject = "b", .header = std::string(500, 'h'), .body = std::string(700, 'b')});
  for (const char* s : {"c", "d", "e"}) writer.add(MailSpec{.subject = s, .header = "", .body = s});
  reader.rejectIndex = "b";
  reader.rejectHeader = "c";
  reader.rejectBody = "d";
  reader.rejectMail = "e";
  EXPECT_TRUE(Run());
  EXPECT_EQ(Subjects(), (std::vector<std::string>{"a"}));
  // The list first, then each mail's hooks together, as its bytes arrive.
  EXPECT_EQ(reader.calls, (std::vector<std::string>{"index a", "index b", "index c", "index d", "index e",  //
                                                    "header a", "body a", "accept a",                     //
                                                    "header c",                                           //
                                                    "header d", "body d",                                 //
                                                    "header e", "body e", "accept e"}));
  // The drawer is read in blocks: no byte of either file is read twice.
  EXPECT_LE(files.bytesRead, writer.listBytes().size() + writer.drawerBytes().size());
}

TEST_F(DrawerReaderTest, WithoutWantHeaderNoHeaderIsReadOrHandled) {
  writer.add(MailSpec{.subject = "m", .header = std::string(300, 'h') + "\r\n", .body = "body\r\n"});
  EXPECT_TRUE(Run(/*wantHeader=*/false, /*wantBody=*/true));
  ASSERT_EQ(result.mails.size(), 1u);
  EXPECT_TRUE(result.mails[0]->headerLines.empty());
  EXPECT_EQ(result.mails[0]->bodyLines.toVector(), (Lines{"body"}));
  EXPECT_EQ(reader.calls, (std::vector<std::string>{"index m", "body m", "accept m"}));
  EXPECT_EQ(files.bytesRead, writer.listBytes().size() + 6);
}

TEST_F(DrawerReaderTest, MissingFilesFailBeforeAnyHook) {
  files.addFile(kDrawerPath, "");
  reader.setSource(kDrawerPath, true, true);
  EXPECT_FALSE(reader.run(result));  // no list file
  EXPECT_EQ(reader.finishCalls, 0);

  files.removeFile(kDrawerPath);
  files.addFile(kListPath, "");
  EXPECT_FALSE(reader.run(result));  // no drawer file
  EXPECT_EQ(reader.finishCalls, 0);

  RecordingReader noList("", files);
  noList.setSource(kDrawerPath, true, true);
  EXPECT_FALSE(noList.run(result));
  EXPECT_EQ(noList.finishCalls, 0);
  EXPECT_TRUE(noList.calls.empty());
}

TEST_F(DrawerReaderTest, UnreadableRangeEndsTheReadWithFailureAndKeepsEarlierMails) {
  writer.add(MailSpec{.subject = "ok", .body = "fine"});
  writer.add(MailSpec{.subject = "bad", .body = "unreadable"});
  writer.add(MailSpec{.subject = "never", .body = "x"});
  files.addFile(kDrawerPath, writer.drawerBytes()).readsFailFrom = writer.drawerBytes().find("unreadable");
  EXPECT_FALSE(Run());
  EXPECT_EQ(Subjects(), (std::vector<std::string>{"ok"}));
  EXPECT_EQ(reader.finishCalls, 1);
  EXPECT_FALSE(reader.finishSuccess);
}

TEST_F(DrawerReaderTest, ListReadErrorIsAFailureNotTheEndOfTheList) {
  for (int i = 0; i < 3000; ++i) writer.add(MailSpec{.subject = "m" + std::to_string(i), .body = "b"});
  files.addFile(kListPath, writer.listBytes());
  files.node(kListPath)->readsFailFrom = writer.recordOffset(2000);
  reader.setSource(kDrawerPath, true, true);
  files.addFile(kDrawerPath, writer.drawerBytes());
  EXPECT_FALSE(reader.run(result));
  EXPECT_FALSE(reader.finishSuccess);
  EXPECT_LT(result.mails.size(), 2000u);
}

TEST_F(DrawerReaderTest, FailureInAHookEndsTheReadWithFailure) {
  writer.add(MailSpec{.subject = "kept"});
  writer.add(MailSpec{.subject = "throws"});
  writer.add(MailSpec{.subject = "after"});
  reader.throwAt = "throws";
  EXPECT_FALSE(Run());
  EXPECT_EQ(Subjects(), (std::vector<std::string>{"kept"}));
  EXPECT_FALSE(reader.finishSuccess);
}

TEST_F(DrawerReaderTest, LongListIsReadOnceThroughABoundedBuffer) {
  for (int i = 0; i < 20000; ++i)
    writer.add(MailSpec{.subject = "mail " + std::to_string(i), .header = "H\r\n", .body = "B\r\n"});
  ASSERT_GT(writer.listBytes().size(), 1000000u);
  EXPECT_TRUE(Run(false, false));
  EXPECT_EQ(result.mails.size(), 20000u);
  EXPECT_EQ(result.mails[19999]->subject, "mail 19999");
  EXPECT_EQ(files.bytesRead, writer.listBytes().size());
  EXPECT_LE(files.largestRequest, 70000u);
}

// Records whose offsets and lengths do not fit the drawer file.
TEST_F(DrawerReaderTest, BodyOffsetBelowHeaderOffsetFailsWithoutAHugeRead) {
  writer.add(MailSpec{.subject = "ok", .body = "fine"});
  writer.add(MailSpec{.subject = "backwards", .body = "x", .headerOffset = 10, .bodyOffset = 2});
  EXPECT_FALSE(Run());
  EXPECT_EQ(Subjects(), (std::vector<std::string>{"ok"}));
  EXPECT_FALSE(reader.finishSuccess);
  EXPECT_LE(files.largestRequest, 65536u);
}

TEST_F(DrawerReaderTest, BackwardsHeaderRangeDoesNotMatterWhenTheHeaderIsNotWanted) {
  writer.add(
      MailSpec{.subject = "backwards", .body = "x", .headerOffset = 10, .bodyOffset = 2, .bodyLength = 3});
  EXPECT_TRUE(Run(false, true));
  ASSERT_EQ(result.mails.size(), 1u);
  EXPECT_EQ(result.mails[0]->bodyLines.toVector(), (Lines{writer.drawerBytes().substr(2, 3)}));
}

TEST_F(DrawerReaderTest, RangesPastTheEndGiveTheBytesPresent) {
  writer.add(MailSpec{.subject = "inside", .header = "Hdr\r\n", .body = "Body"});
  const auto end = static_cast<std::uint32_t>(writer.drawerBytes().size());
  writer.add(MailSpec{.subject = "beyond",
                      .header = "",
                      .body = "",
                      .headerOffset = end + 100,
                      .bodyOffset = end + 200,
                      .bodyLength = 50});
  writer.add(MailSpec{.subject = "huge",
                      .header = "",
                      .body = "",
                      .headerOffset = 0,
                      .bodyOffset = 5,
                      .bodyLength = 0xFFFFFFFF});
  writer.add(MailSpec{.subject = "far",
                      .header = "",
                      .body = "",
                      .headerOffset = 0xFFFFFFF0,
                      .bodyOffset = 0xFFFFFFFF,
                      .bodyLength = 0xFFFFFFFF});
  EXPECT_TRUE(Run());
  ASSERT_EQ(result.mails.size(), 4u);
  EXPECT_EQ(result.mails[1]->headerLines.toVector(), (Lines{""}));
  EXPECT_EQ(result.mails[1]->bodyLines.toVector(), (Lines{""}));
  EXPECT_EQ(result.mails[2]->headerLines.toVector(), (Lines{"Hdr"}));
  EXPECT_EQ(result.mails[2]->bodyLines.toVector(), (Lines{"Body"}));  // 4 GiB asked, 4 bytes present
  EXPECT_EQ(result.mails[3]->bodyLines.toVector(), (Lines{""}));
  EXPECT_LE(files.largestRequest, 65536u);  // nothing sized from a length alone
}

TEST_F(DrawerReaderTest, DrawerShorterThanItClaimsGivesTheBytesPresent) {
  writer.add(MailSpec{.subject = "m", .header = "H\r\n", .body = "Body text"});
  files.addFile(kListPath, writer.listBytes());
  // The file shrank after it was opened: it still claims its old size, but 7 bytes are left.
  files.addFile(kDrawerPath, writer.drawerBytes().substr(0, 7));
  files.node(kDrawerPath)->claimedSize = writer.drawerBytes().size();
  reader.setSource(kDrawerPath, true, true);
  EXPECT_TRUE(reader.run(result));
  ASSERT_EQ(result.mails.size(), 1u);
  EXPECT_EQ(result.mails[0]->headerLines.toVector(), (Lines{"H"}));
  EXPECT_EQ(result.mails[0]->bodyLines.toVector(), (Lines{"Body"}));
}

TEST_F(DrawerReaderTest, RecordCutOffAtTheEndOfTheListKeepsTheMailsBefore) {
  writer.add(MailSpec{.subject = "whole"});
  writer.add(MailSpec{.subject = "cut"});
  writer.listBytes().resize(writer.recordOffset(1) + 9);
  EXPECT_TRUE(Run());
  EXPECT_EQ(Subjects(), (std::vector<std::string>{"whole"}));
}

// The list path of a drawer.
class ListPathTest : public ::testing::Test {
 protected:
  const std::string inbox{LoadText(IDS_RECEIVED_MAIL)};  // 受信メール
  const std::string mail{LoadText(IDS_MAIL)};            // メール
  const std::string suffix{LoadText(IDS_LIST_FILE_SUFFIX)};
  const std::string received = inbox.substr(0, inbox.size() - mail.size());  // 受信
  const std::string old = "\x8C\xC3\x82\xA2";                                // 古い
  const std::string travel = "\x97\xB7\x8D\x73";                             // 旅行
};

TEST_F(ListPathTest, InboxDropsMailOthersKeepTheirTitle) {
  EXPECT_EQ(ListPathForDrawer("C:\\K\\" + inbox + ".krm"), "C:\\K\\" + received + suffix);
  EXPECT_EQ(ListPathForDrawer("/k/" + mail + ".krm"), "/k/" + mail + suffix);
  EXPECT_EQ(ListPathForDrawer("/k/" + old + inbox + ".krm"), "/k/" + old + received + suffix);
  EXPECT_EQ(ListPathForDrawer("/k/" + travel + ".krm"), "/k/" + travel + suffix);
  EXPECT_EQ(ListPathForDrawer(inbox + ".krm"), received + suffix);  // exactly 10 bytes before ".krm"
}

TEST_F(ListPathTest, TheLastKrmEndsTheTitle) {
  EXPECT_EQ(ListPathForDrawer("/a.krm/b.krm"), "/a.krm/b" + suffix);
  EXPECT_EQ(ListPathForDrawer("/a/b.krmx"), "/a/b" + suffix);
  EXPECT_EQ(ListPathForDrawer("/a/b.c.krm"), "/a/b.c" + suffix);
  EXPECT_EQ(ListPathForDrawer("/a/b.KRM"), "");
  EXPECT_EQ(ListPathForDrawer("/a/b.krl"), "");
  EXPECT_EQ(ListPathForDrawer(""), "");
}

// A reader that finds its list file from the drawer path, as the application's reader does.
class DrawerPathReader : public DrawerReader {
 public:
  DrawerPathReader() : DrawerReader("") {}
  void makeListPath() override { setListPath(ListPathForDrawer(drawerPath())); }
};

TEST_F(ListPathTest, ReadsARealDrawerWithAJapaneseName) {
  test::TempFolder folder;
  for (const std::string& title : {inbox, travel, old + inbox}) {
    DrawerWriter writer;
    writer.add(MailSpec{.subject = title, .header = "X-Kurumin-Message: 2\r\n", .body = "one\r\ntwo\r\n"});
    ASSERT_TRUE(writer.write(folder.path(), title));
    DrawerPathReader reader;
    reader.setSource(DrawerWriter::DrawerPath(folder.path(), title), true, true);
    MailList result;
    ASSERT_TRUE(reader.run(result));
    EXPECT_EQ(reader.listPath(), DrawerWriter::ListPath(folder.path(), title));
    ASSERT_EQ(result.mails.size(), 1u);
    EXPECT_EQ(result.mails[0]->subject, title);
    EXPECT_EQ(result.mails[0]->headerLines.toVector(), (Lines{"X-Kurumin-Message: 2"}));
    EXPECT_EQ(result.mails[0]->bodyLines.toVector(), (Lines{"one", "two"}));
  }
  DrawerPathReader missing;
  missing.setSource(DrawerWriter::DrawerPath(folder.path(), mail), true, true);
  MailList result;
  EXPECT_FALSE(missing.run(result));
}

}  // namespace
}  // namespace mogura
